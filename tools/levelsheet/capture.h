// The game in a window, driven the way the menu drives it: start a level by
// its "start" message, let it run a few fixed ticks, draw the frame and read
// it back. GL side; needs a display (Xvfb will do).
#pragma once

#include "tools/levelsheet/picture.h"

// The game's window size, start-up (game initialisation, programs, HUD
// images) and first layout. False with a reason printed when it fails.
bool capture_open();
// Starts level nr (the sandbox with its default toy for -1), runs ticks
// frames as the main loop would and returns the last one, HUD included.
Picture capture_level(int nr, int ticks);
// The level's number and name in the stroke font, white on black.
Picture capture_label(const char* text, int width, int height);
// Where the scene and the HUD strip lie in a captured frame.
PixelRect capture_sceneRect();
PixelRect capture_hudRect();
void capture_close();
