// The game in a window, driven the way the menu drives it: start a level by
// its "start" message, let it run a few fixed ticks, draw the frame and read
// it back, in the window of shell/window.h. Needs a display (Xvfb will do).
#pragma once

#include "tools/levelsheet/picture.h"

// The game's window size, start-up (game initialisation, programs, HUD
// images) and first layout. False with a reason printed when it fails.
bool capture_open();
// What one level's start gave: its last frame, HUD included, whether the
// camera had a vehicle to follow and looks at it, and whether the world ran
// every tick.
struct LevelShot {
    Picture frame;
    bool hasVehicle;
    bool vehicleInView;  // the followed vehicle projects into the scene
    bool advanced;
};
// Starts level nr (the sandbox with its default toy for -1) and runs ticks
// frames as the main loop would.
LevelShot capture_level(int nr, int ticks);
// The level's number and name in the stroke font, white on black.
Picture capture_label(const char* text, int width, int height);
// Where the scene and the HUD strip lie in a captured frame.
PixelRect capture_sceneRect();
PixelRect capture_hudRect();
void capture_close();
