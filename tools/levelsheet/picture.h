// Pictures as plain RGB rows (bottom row first, as GL reads them): shrinking,
// pasting into a contact sheet, and the judgement of whether a captured game
// frame shows anything at all. No GL here.
#pragma once

#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;  // width * height * 3, bottom row first
};

struct PixelRect {
    int x, y, w, h;  // origin lower left, like the views
};

Picture picture_make(int width, int height, unsigned char r, unsigned char g, unsigned char b);
// Box-filtered reduction by an integer factor (the remainder is dropped).
Picture picture_shrink(const Picture& source, int factor);
// Copies source into target with its lower left corner at (x, y); clipped.
void picture_paste(Picture& target, const Picture& source, int x, int y);

// What a frame of a level must show: the clear colour of the sky somewhere
// in the scene, a scene that is more than a handful of colours, and a HUD
// strip that is drawn (not the bare clear colour, not one flat colour).
struct PictureVerdict {
    float skyShare;     // of the scene's pixels
    int sceneColours;   // distinct colours (quantised) in the scene
    float hudCoverage;  // share of HUD pixels that differ from black
    int hudColours;     // distinct colours (quantised) in the HUD strip
    bool ok;
    std::string reason;  // empty when ok
};
PictureVerdict picture_judge(const Picture& frame, PixelRect scene, PixelRect hud);
