// The generated pictures, pack by pack: each entry names an image, gives
// its size and draws it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

struct ImageDef {
    std::string name;
    int width, height;
    std::function<void(Canvas&)> draw;
};

struct PackDef {
    const char* module;
    std::vector<ImageDef> images;
};

// panelpack (HUD controls), guidepack (tutorial), stagepack (level pictures,
// 512 x 256 for the menu's 2:1 picture view), buttonpack (menu buttons 128 x 96
// for the 4:3 fifths of the button strip, the stamp 128 x 128, the gamepad
// cursors 64 x 64).
const PackDef& panelPack();
const PackDef& guidePack();
const PackDef& stagePack();
const PackDef& buttonPack();
// The game's icon (in no module), drawn to fill a square canvas of any size.
void drawIcon(Canvas& c);

// Shared drawing pieces.
void drawGamepad(Canvas& c, float cx, float cy, float scale, RGBA body);
void drawPlate(Canvas& c, RGBA top, RGBA bottom);  // an opaque metal plate
void drawScrew(Canvas& c, float x, float y, float r);
