// HUD images: dashboard, lever slots, knobs, handles, wheel, accelerator,
// cyclic, lever labels, end-of-level badges and the gamepad picture.
#include <cmath>
#include <string>

#include "images.h"

namespace {

const RGBA METAL_TOP = hex(0x3a4049), METAL_BOTTOM = hex(0x23272d);
const RGBA EDGE = hex(0x5b6470), DARK = hex(0x111316), YELLOW = hex(0xf2b632);
const RGBA WHITE = hex(0xf4f4f0), LABEL_TEXT = hex(0xe8e2c8);
const float PI = 3.14159265f;

// Shown whole as the left panel and again as the middle panel, where the
// steering wheel covers its centre and the accelerator its right fifth: the
// gauges sit left of the wheel, the warning lights between wheel and pedal.
void dashboard(Canvas& c) {
    drawPlate(c, hex(0x30353d), hex(0x1a1d22));
    // One big speed gauge with a small temperature dial inside it.
    float cx = 118, cy = 128, r = 100;
    fill(c, circle(cx, cy + 4, r + 6), hex(0x000000, 0.5f));
    fill(c, ring(cx, cy, r, 6), hex(0x9aa3ad));
    fill(c, circle(cx, cy, r - 5), radial(cx, cy - 30, r, hex(0x20262e), hex(0x0b0d10)));
    for (int k = 0; k <= 12; k++) {
        float a = PI * (0.75f + 1.5f * k / 12.0f);
        float ca = std::cos(a), sa = std::sin(a), len = k % 3 == 0 ? 18.0f : 9.0f;
        fill(c,
             segment(cx + ca * (r - 12), cy + sa * (r - 12), cx + ca * (r - 12 - len),
                     cy + sa * (r - 12 - len), 2),
             k >= 11 ? hex(0xe04030) : WHITE);
    }
    float needle = PI * (0.75f + 1.5f * 0.3f);
    fill(c, segment(cx, cy, cx + std::cos(needle) * (r - 24), cy + std::sin(needle) * (r - 24), 3),
         hex(0xff6a2a));
    fill(c, circle(cx, cy, 9), hex(0x6b737d));
    fill(c, text("SPEED", cx, cy + 52, 12, 16, 1.3f, ALIGN_CENTER), LABEL_TEXT);
    // The steering column's housing under the wheel.
    fill(c, circle(384, 128, 70), radial(384, 110, 80, hex(0x2a2f36), hex(0x121417)));
    fill(c, ring(384, 128, 70, 2), hex(0x4a505a));
    const unsigned lights[4] = {0x39d353, 0xf2b632, 0xe04030, 0x3aa0ff};
    for (int i = 0; i < 4; i++) {
        float x = 558 + (i % 2) * 34, y = 60 + (i / 2) * 44;
        fill(c, circle(x, y, 15), hex(0x0b0d10));
        fill(c, circle(x, y, 11),
             radial(x - 4, y - 4, 13, shade(hex(lights[i]), 1.3f), shade(hex(lights[i]), 0.5f)));
    }
    for (int i = 0; i < 4; i++) fill(c, roundRect(575, 160 + i * 12, 28, 3, 3), hex(0x0b0d10));
    for (float x : {14.0f, 754.0f})
        for (float y : {14.0f, 242.0f}) drawScrew(c, x, y, 6);
}

// A lever slot plate; the knob travels 63 % of the half height either way.
void sliderPlate(Canvas& c, bool withSlot) {
    drawPlate(c, METAL_TOP, METAL_BOTTOM);
    float cx = c.w / 2.0f, cy = c.h / 2.0f, travel = 0.63f * c.h / 2;
    if (withSlot) {
        for (int k = -4; k <= 4; k++) {
            float y = cy - travel * k / 4.0f, len = k == 0 ? 30.0f : (k % 2 ? 12.0f : 20.0f);
            fill(c, segment(cx - 26 - len, y, cx - 26, y, 1.5f), k == 0 ? YELLOW : hex(0x9aa3ad));
            fill(c, segment(cx + 26, y, cx + 26 + len, y, 1.5f), k == 0 ? YELLOW : hex(0x9aa3ad));
        }
        fill(c, roundRect(cx, cy, 12, travel + 12, 12), hex(0x4d5560));
        fill(c, roundRect(cx, cy + 1, 9, travel + 9, 9), DARK);
        float plusY = cy - travel - 24;  // the stroke font has no '+'
        fill(c,
             unite(segment(cx - 5, plusY, cx + 5, plusY, 1.5f),
                   segment(cx, plusY - 5, cx, plusY + 5, 1.5f)),
             LABEL_TEXT);
        fill(c, segment(cx - 5, cy + travel + 24, cx + 5, cy + travel + 24, 1.5f), LABEL_TEXT);
    } else {
        fill(c, roundRect(cx, cy, c.w / 2.0f - 18, c.h / 2.0f - 18, 8), hex(0x2a2f36));
    }
    for (float x : {12.0f, c.w - 12.0f})
        for (float y : {12.0f, c.h - 12.0f}) drawScrew(c, x, y, 5);
}
void sliderBackground(Canvas& c) { sliderPlate(c, true); }
void sliderEmpty(Canvas& c) { sliderPlate(c, false); }

void ballKnob(Canvas& c, RGBA colour) {
    float cx = c.w / 2.0f, cy = c.h / 2.0f, r = c.w * 0.42f;
    fillSoft(c, circle(cx + 2, cy + 3, r), hex(0x000000, 0.5f), 3);
    fill(c, circle(cx, cy, r),
         radial(cx - r * 0.35f, cy - r * 0.35f, r * 1.5f, shade(colour, 1.6f),
                shade(colour, 0.45f)));
    fill(c, circle(cx - r * 0.35f, cy - r * 0.4f, r * 0.22f), hex(0xffffff, 0.55f));
}
void sliderKnob(Canvas& c) { ballKnob(c, hex(0xc0302a)); }
void cyclicStick(Canvas& c) { ballKnob(c, hex(0x303438)); }

// A wide T-grip for the skid loader's and helicopter's levers.
void sliderHandle(Canvas& c) {
    float cx = c.w / 2.0f, cy = c.h / 2.0f;
    fillSoft(c, roundRect(cx + 2, cy + 4, 58, 26, 14), hex(0x000000, 0.5f), 3);
    fillOutlined(c, roundRect(cx, cy, 56, 24, 14),
                 vgrad(cy - 24, hex(0xffd24a), cy + 24, hex(0xb07a10)), DARK, 2);
    for (int i = -3; i <= 3; i++)
        fill(c, roundRect(cx + i * 12, cy, 2.5f, 15, 2), hex(0x5a3f08, 0.8f));
}

void steeringWheel(Canvas& c) {
    float cx = 128, cy = 128;
    fillSoft(c, ring(cx + 3, cy + 4, 104, 16), hex(0x000000, 0.4f), 4);
    for (float a : {PI / 2, PI / 2 + 2 * PI / 3, PI / 2 + 4 * PI / 3})
        fill(c, segment(cx, cy, cx + std::cos(a) * 104, cy - std::sin(a) * 104, 11), hex(0x3b4048));
    fill(c, ring(cx, cy, 104, 16), radial(cx, cy, 124, hex(0x2a2d33), hex(0x0d0e10)));
    fill(c, ring(cx, cy, 108, 3), hex(0x4a505a));
    // Grip marks and a yellow top marker show the rotation.
    for (int i = 0; i < 24; i++) {
        float a = 2 * PI * i / 24;
        fill(c,
             segment(cx + std::cos(a) * 92, cy + std::sin(a) * 92, cx + std::cos(a) * 116,
                     cy + std::sin(a) * 116, 1.2f),
             hex(0x000000, 0.6f));
    }
    fill(c, roundRect(cx, cy - 104, 8, 17, 3), YELLOW);
    fill(c, circle(cx, cy, 34), radial(cx - 8, cy - 8, 40, hex(0x5a606b), hex(0x202328)));
    fill(c, circle(cx, cy, 12), hex(0xc0302a));
}

// The accelerator: a slot with forward at the top and reverse at the bottom;
// the handle travels 70 % of the half height either way.
void acceleratorPanel(Canvas& c) {
    float cx = 64, cy = 100, travel = 70;
    fillOutlined(c, roundRect(cx, cy, 58, 94, 14), vgrad(0, METAL_TOP, 200, METAL_BOTTOM), EDGE, 2);
    fill(c, roundRect(cx, cy, 10, travel + 10, 10), DARK);
    fill(c, polygon({cx - 12, 18, cx + 12, 18, cx, 6}), hex(0x39d353));
    fill(c, polygon({cx - 12, 182, cx + 12, 182, cx, 194}), hex(0xe04030));
    fill(c, text("F", 24, 30, 16, 18, 1.6f, ALIGN_CENTER), LABEL_TEXT);
    fill(c, text("R", 24, 170, 16, 18, 1.6f, ALIGN_CENTER), LABEL_TEXT);
    fill(c, segment(cx - 30, cy, cx - 16, cy, 1.5f), YELLOW);
    fill(c, segment(cx + 16, cy, cx + 30, cy, 1.5f), YELLOW);
}

void acceleratorHandle(Canvas& c) {
    fillSoft(c, roundRect(54, 23, 48, 15, 7), hex(0x000000, 0.5f), 3);
    fillOutlined(c, roundRect(52, 20, 47, 14, 7), vgrad(6, hex(0x8a929c), 34, hex(0x3a4048)), DARK,
                 2);
    for (int i = -3; i <= 3; i++) fill(c, roundRect(52 + i * 11, 20, 2, 9, 1), hex(0x1a1d22, 0.8f));
}

void buttonPause(Canvas& c) {
    fill(c, circle(28, 28, 26), hex(0x000000, 0.55f));
    fill(c, roundRect(21, 28, 4, 13, 1.5f), WHITE);
    fill(c, roundRect(35, 28, 4, 13, 1.5f), WHITE);
}

void cyclicPlate(Canvas& c) {
    drawPlate(c, METAL_TOP, METAL_BOTTOM);
    float cx = 120, cy = 120, gate = 0.6f * 120 + 16;
    fill(c, circle(cx, cy, gate + 8), hex(0x4d5560));
    fill(c, circle(cx, cy, gate), radial(cx, cy, gate, hex(0x1d2126), DARK));
    fill(c, segment(cx - gate, cy, cx + gate, cy, 1.2f), hex(0x5b6470));
    fill(c, segment(cx, cy - gate, cx, cy + gate, 1.2f), hex(0x5b6470));
    fill(c, ring(cx, cy, gate * 0.5f, 1.0f), hex(0x5b6470));
    for (float x : {14.0f, 226.0f})
        for (float y : {14.0f, 226.0f}) drawScrew(c, x, y, 6);
}

// Lever labels: the word in capitals on a dark plate. Drawn without
// blending, so every pixel is opaque.
void labelPlate(Canvas& c, const char* word) {
    fill(c, roundRect(c.w / 2.0f, 16, c.w / 2.0f, 16, 0), hex(0x4a505a));
    fill(c, roundRect(c.w / 2.0f, 16, c.w / 2.0f - 2, 14, 4),
         vgrad(2, hex(0x1f2328), 30, hex(0x0e1013)));
    std::string s = word;
    float cell = std::min(14.0f, (c.w - 12.0f) / s.size());
    fill(c, text(s, c.w / 2.0f, 16, cell, 20, 1.3f, ALIGN_CENTER), LABEL_TEXT);
}
#define LABEL(fn, word) \
    void fn(Canvas& c) { labelPlate(c, word); }
LABEL(textAntitorque, "ANTITORQUE")
LABEL(textBend, "BEND")
LABEL(textBucket, "BUCKET")
LABEL(textCollective, "COLLECTIVE")
LABEL(textElevate, "ELEVATE")
LABEL(textEmpty, "")
LABEL(textExtend, "EXTEND")
LABEL(textGrapple, "GRAPPLE")
LABEL(textLeft, "LEFT")
LABEL(textRight, "RIGHT")
LABEL(textRotate, "ROTATE")

// End-of-level badges: a round seal with a ribbon of text, transparent around.
void badge(Canvas& c, RGBA colour, const char* line1, const char* line2, bool tick) {
    float cx = 256, cy = 256;
    fillSoft(c, circle(cx + 6, cy + 10, 200), hex(0x000000, 0.45f), 12);
    for (int i = 0; i < 32; i++) {  // serrated rim
        float a = 2 * PI * i / 32;
        fill(c, circle(cx + std::cos(a) * 196, cy + std::sin(a) * 196, 18), shade(colour, 0.7f));
    }
    fill(c, circle(cx, cy, 200),
         radial(cx - 60, cy - 60, 320, shade(colour, 1.3f), shade(colour, 0.7f)));
    fill(c, ring(cx, cy, 172, 5), hex(0xffffff, 0.85f));
    if (tick)
        fill(c, unite(segment(170, 150, 230, 205, 16), segment(230, 205, 340, 95, 16)), WHITE);
    else
        fill(c, unite(segment(195, 85, 317, 205, 16), segment(317, 85, 195, 205, 16)), WHITE);
    fill(c, roundRect(cx, 320, 236, 56, 10), shade(colour, 0.45f));
    fill(c, text(std::string(line1) + " " + line2, cx, 320, 44, 72, 5.0f, ALIGN_CENTER), WHITE);
}
void jobDone(Canvas& c) { badge(c, hex(0x2f9e44), "JOB", "DONE", true); }
void gameOver(Canvas& c) { badge(c, hex(0xc92a2a), "GAME", "OVER", false); }

// The gamepad panel: the pad in the middle; the game writes the current
// assignments at both edges, at the heights where these leader lines start.
void xboxPad(Canvas& c) {
    drawPlate(c, hex(0x30353d), hex(0x1a1d22));
    struct Leader {
        float labelX, labelY, controlX, controlY;
    };
    const Leader leaders[] = {
        {150, 44, 242, 66},   {150, 132, 248, 118}, {150, 203, 280, 172},  // bumper, stick, d-pad
        {490, 44, 398, 66},   {490, 116, 392, 116}, {490, 203, 360, 172},  // bumper, buttons, stick
        {490, 229, 360, 172},
    };
    for (const Leader& l : leaders) {
        float bendX = l.labelX < 320 ? l.labelX + 30 : l.labelX - 30;
        fill(c,
             unite(segment(l.labelX, l.labelY, bendX, l.labelY, 1.2f),
                   segment(bendX, l.labelY, l.controlX, l.controlY, 1.2f)),
             hex(0x8a929c, 0.8f));
    }
    drawGamepad(c, 320, 140, 1.0f, hex(0xd9dde2));
}

}  // namespace

const PackDef& panelPack() {
    static const PackDef pack = {"panelpack",
                                 {
                                     {"accelerator_handle", 104, 40, acceleratorHandle},
                                     {"accelerator_panel", 128, 200, acceleratorPanel},
                                     {"button_pause", 56, 56, buttonPause},
                                     {"cyclicplate", 240, 240, cyclicPlate},
                                     {"cyclicstick", 64, 64, cyclicStick},
                                     {"dashboard", 768, 256, dashboard},
                                     {"gameover", 512, 512, gameOver},
                                     {"jobdone", 512, 512, jobDone},
                                     {"slider_background", 128, 224, sliderBackground},
                                     {"slider_empty", 128, 224, sliderEmpty},
                                     {"slider_handle", 128, 72, sliderHandle},
                                     {"slider_knob", 64, 64, sliderKnob},
                                     {"steering_wheel", 256, 256, steeringWheel},
                                     {"text_antitorque", 128, 32, textAntitorque},
                                     {"text_bend", 128, 32, textBend},
                                     {"text_bucket", 128, 32, textBucket},
                                     {"text_collective", 128, 32, textCollective},
                                     {"text_elevate", 128, 32, textElevate},
                                     {"text_empty", 130, 32, textEmpty},
                                     {"text_extend", 128, 32, textExtend},
                                     {"text_grapple", 128, 32, textGrapple},
                                     {"text_left", 128, 32, textLeft},
                                     {"text_right", 128, 32, textRight},
                                     {"text_rotate", 128, 32, textRotate},
                                     {"xboxpad", 640, 256, xboxPad},
                                 }};
    return pack;
}

void drawPlate(Canvas& c, RGBA top, RGBA bottom) {
    fill(c, roundRect(c.w / 2.0f, c.h / 2.0f, c.w / 2.0f, c.h / 2.0f, 0), EDGE);
    fill(c, roundRect(c.w / 2.0f, c.h / 2.0f, c.w / 2.0f - 3, c.h / 2.0f - 3, 4),
         vgrad(0, top, float(c.h), bottom));
}

void drawScrew(Canvas& c, float x, float y, float r) {
    fill(c, circle(x, y, r), radial(x - r / 3, y - r / 3, r * 1.6f, hex(0xa0a8b2), hex(0x3a4048)));
    fill(c, segment(x - r * 0.6f, y + r * 0.3f, x + r * 0.6f, y - r * 0.3f, r * 0.15f),
         hex(0x202328));
}

// A twin-grip pad seen from above: left stick high, d-pad low on the left,
// face buttons high and right stick low on the right, bumpers on top.
void drawGamepad(Canvas& c, float cx, float cy, float s, RGBA body) {
    auto X = [&](float x) { return cx + x * s; };
    auto Y = [&](float y) { return cy + y * s; };
    Sdf shape = unite(
        unite(roundRect(X(0), Y(-20), 120 * s, 55 * s, 50 * s), circle(X(-85), Y(35), 58 * s)),
        circle(X(85), Y(35), 58 * s));
    fill(c, roundRect(X(-78), Y(-74), 40 * s, 12 * s, 8 * s), shade(body, 0.55f));
    fill(c, roundRect(X(78), Y(-74), 40 * s, 12 * s, 8 * s), shade(body, 0.55f));
    fillSoft(c, offset(shape, 4 * s, 8 * s), hex(0x000000, 0.5f), 6 * s);
    fill(c, grow(shape, 2 * s), hex(0x15171a));
    fill(c, shape, vgrad(Y(-80), shade(body, 1.1f), Y(95), shade(body, 0.7f)));
    auto stick = [&](float x, float y) {
        fill(c, circle(X(x), Y(y), 24 * s), hex(0x2a2d32));
        fill(c, circle(X(x), Y(y), 17 * s),
             radial(X(x - 5), Y(y - 5), 24 * s, hex(0x5a606b), hex(0x17191c)));
    };
    stick(-72, -22);
    stick(40, 32);
    fill(c,
         unite(roundRect(X(-40), Y(32), 22 * s, 7 * s, 2 * s),
               roundRect(X(-40), Y(32), 7 * s, 22 * s, 2 * s)),
         hex(0x2a2d32));
    const unsigned face[4] = {0x39b54a, 0xe03c31, 0x2f7de1, 0xf5c518};  // bottom, right, left, top
    const float fx[4] = {72, 94, 50, 72}, fy[4] = {-2, -24, -24, -46};
    for (int i = 0; i < 4; i++) fill(c, circle(X(fx[i]), Y(fy[i]), 10 * s), hex(face[i]));
    fill(c, circle(X(0), Y(-34), 11 * s), hex(0x5a606b));
}
