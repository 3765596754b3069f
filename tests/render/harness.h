// A window with the game's GL start-up, playing the test arena, for the
// render tests and the frame-rate benchmark. Needs a display (Xvfb will do).
#pragma once

#include <string>
#include <vector>

#include "render/smoothing.h"

// Opens a width x height window (swap interval as given), runs the GL
// start-up and builds the arena with a floating crate as the object of
// interest. False with a reason printed when something fails. Without depth
// textures the shadow map is drawn the way for implementations lacking them.
// Edges are smoothed the way asked, whatever the renderer: 4 samples, or
// none and smoothed lines.
bool harness_open(int width, int height, int swapInterval, bool depthTextures = true,
                  EdgeSmoothing smoothing = SMOOTH_MULTISAMPLE);
// Only the window and its current GL context (tests of GL-side pieces).
bool harness_openWindow(int width, int height, int swapInterval,
                        EdgeSmoothing smoothing = SMOOTH_MULTISAMPLE);

// One frame exactly as the game draws it: shadow pass and draw-frame, then
// (harness_present) swap and events.
void harness_draw(float dt);
void harness_present();
void harness_frame(float dt);  // both
// The back buffer as RGB rows, bottom row first (between draw and present).
std::vector<unsigned char> harness_readPixels();
int harness_width();
int harness_height();
void harness_close();

// Where the floating crate hangs; its shadow falls straight down.
extern const float HARNESS_CRATE_X, HARNESS_CRATE_Y, HARNESS_CRATE_LIFT;
// Window pixel of a world point as the last frame's camera saw it.
bool harness_project(const float world[3], int* px, int* py);

// Writes RGB rows (bottom first) as a PNG; stored blocks, no compression library.
bool writePng(const std::string& path, int width, int height,
              const std::vector<unsigned char>& rgb);
