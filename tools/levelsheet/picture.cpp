#include "tools/levelsheet/picture.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

// The scene's clear colour (0.62, 0.6, 0.9) as bytes, and how far a pixel may
// stray from it (multisampled edges, fog blending) and still count as sky.
const int SKY[3] = {158, 153, 230};
const int SKY_TOLERANCE = 6;
// Thresholds below which a frame is judged empty.
const float MIN_SKY_SHARE = 0.002f;
const float MAX_SKY_SHARE = 0.97f;
const int MIN_SCENE_COLOURS = 24;
const float MIN_HUD_COVERAGE = 0.2f;
const int MIN_HUD_COLOURS = 8;
// Colours are counted in steps of 16 per channel, so noise does not count.
const int QUANT_SHIFT = 4;

const unsigned char* pixelAt(const Picture& p, int x, int y) {
    return &p.rgb[((size_t)y * p.width + x) * 3];
}

bool isSky(const unsigned char* px) {
    for (int c = 0; c < 3; c++)
        if (std::abs(px[c] - SKY[c]) > SKY_TOLERANCE) return false;
    return true;
}

int quantised(const unsigned char* px) {
    return ((px[0] >> QUANT_SHIFT) << 8) | ((px[1] >> QUANT_SHIFT) << 4) | (px[2] >> QUANT_SHIFT);
}

PixelRect clipped(const Picture& p, PixelRect r) {
    int x0 = std::max(r.x, 0), y0 = std::max(r.y, 0);
    int x1 = std::min(r.x + r.w, p.width), y1 = std::min(r.y + r.h, p.height);
    return PixelRect{x0, y0, std::max(x1 - x0, 0), std::max(y1 - y0, 0)};
}

}  // namespace

Picture picture_make(int width, int height, unsigned char r, unsigned char g, unsigned char b) {
    Picture p;
    p.width = width;
    p.height = height;
    p.rgb.resize((size_t)width * height * 3);
    for (size_t i = 0; i < p.rgb.size(); i += 3) {
        p.rgb[i] = r;
        p.rgb[i + 1] = g;
        p.rgb[i + 2] = b;
    }
    return p;
}

Picture picture_shrink(const Picture& source, int factor) {
    if (factor < 1) factor = 1;
    Picture out = picture_make(source.width / factor, source.height / factor, 0, 0, 0);
    const int area = factor * factor;
    for (int y = 0; y < out.height; y++) {
        for (int x = 0; x < out.width; x++) {
            int sum[3] = {0, 0, 0};
            for (int dy = 0; dy < factor; dy++)
                for (int dx = 0; dx < factor; dx++) {
                    const unsigned char* px = pixelAt(source, x * factor + dx, y * factor + dy);
                    for (int c = 0; c < 3; c++) sum[c] += px[c];
                }
            unsigned char* o = &out.rgb[((size_t)y * out.width + x) * 3];
            for (int c = 0; c < 3; c++) o[c] = (unsigned char)((sum[c] + area / 2) / area);
        }
    }
    return out;
}

void picture_paste(Picture& target, const Picture& source, int x, int y) {
    for (int sy = 0; sy < source.height; sy++) {
        int ty = y + sy;
        if (ty < 0 || ty >= target.height) continue;
        for (int sx = 0; sx < source.width; sx++) {
            int tx = x + sx;
            if (tx < 0 || tx >= target.width) continue;
            const unsigned char* s = pixelAt(source, sx, sy);
            std::copy(s, s + 3, &target.rgb[((size_t)ty * target.width + tx) * 3]);
        }
    }
}

PictureVerdict picture_judge(const Picture& frame, PixelRect scene, PixelRect hud) {
    PictureVerdict v = {0.0f, 0, 0.0f, 0, true, ""};
    scene = clipped(frame, scene);
    hud = clipped(frame, hud);
    if (scene.w == 0 || scene.h == 0 || hud.w == 0 || hud.h == 0) {
        v.ok = false;
        v.reason = "scene or HUD outside the picture";
        return v;
    }

    long sky = 0;
    std::set<int> colours;
    for (int y = scene.y; y < scene.y + scene.h; y++)
        for (int x = scene.x; x < scene.x + scene.w; x++) {
            const unsigned char* px = pixelAt(frame, x, y);
            if (isSky(px)) sky++;
            colours.insert(quantised(px));
        }
    v.skyShare = (float)sky / ((float)scene.w * scene.h);
    v.sceneColours = (int)colours.size();

    long drawn = 0;
    colours.clear();
    for (int y = hud.y; y < hud.y + hud.h; y++)
        for (int x = hud.x; x < hud.x + hud.w; x++) {
            const unsigned char* px = pixelAt(frame, x, y);
            if (px[0] + px[1] + px[2] > 24) drawn++;
            colours.insert(quantised(px));
        }
    v.hudCoverage = (float)drawn / ((float)hud.w * hud.h);
    v.hudColours = (int)colours.size();

    if (v.skyShare < MIN_SKY_SHARE)
        v.reason = "no sky";
    else if (v.skyShare > MAX_SKY_SHARE)
        v.reason = "nothing but sky";
    else if (v.sceneColours < MIN_SCENE_COLOURS)
        v.reason = "scene is nearly flat";
    else if (v.hudCoverage < MIN_HUD_COVERAGE)
        v.reason = "HUD strip is empty";
    else if (v.hudColours < MIN_HUD_COLOURS)
        v.reason = "HUD strip is flat";
    v.ok = v.reason.empty();
    return v;
}
