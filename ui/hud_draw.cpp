#include "ui/hud_draw.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "bus/diag.h"
#include "render/draw2d.h"
#include "render/tty_gl.h"
#include "render/txdb.h"
#include "render/view.h"
#include "ui/hud.h"
#include "ui/input.h"
#include "ui/keyhints.h"

namespace {

const char* const PANEL_IMAGES[] = {
    "accelerator_handle", "accelerator_panel", "button_pause",  "cyclicplate",     "cyclicstick",
    "slider_empty",       "slider_background", "slider_handle", "slider_knob",     "steering_wheel",
    "text_antitorque",    "text_bend",         "text_bucket",   "text_collective", "text_elevate",
    "text_extend",        "text_grapple",      "text_left",     "text_right",      "text_rotate",
    "text_empty",         "gameover",          "jobdone",       "xboxpad",         "dashboard"};
const int PANEL_IMAGE_COUNT = sizeof PANEL_IMAGES / sizeof PANEL_IMAGES[0];

const vec2f ORIGIN = {0.0f, 0.0f};
const vec2f ROW_X = {1.0f, 0.0f};
const vec2f ROW_Y = {0.0f, 1.0f};

void full(const char* name, RenderContext& rc) { drawImage(name, rc, ORIGIN, ROW_X, ROW_Y); }

struct Label {
    const char* text;
    bool right;
    float y;
};
struct LabelSet {
    const char* name;
    Label labels[6];
};
const LabelSet LABEL_SETS[] = {
    {"truck",
     {{"DRIVE TRUCK", false, -0.03125f},
      {"ROTATE CRANE", true, -0.59375f},
      {"ELEVATE CRANE", true, -0.7890625f},
      {"BEND CRANE", false, -0.59375f},
      {"GRAPPLE", true, 0.09375f},
      {"EXTEND", true, 0.65625f}}},
    {"camera",
     {{"ZOOM", false, -0.03125f}, {"ORBIT", true, -0.59375f}, {"ELEVATE", true, -0.7890625f}}},
    {"dumpTruck", {{"DRIVE", false, -0.03125f}, {"DUMP", true, -0.59375f}}},
    {"forkLift",
     {{"DRIVE", false, -0.03125f}, {"ELEVATE", true, -0.59375f}, {"TILT", false, -0.59375f}}},
    {"skidLoader",
     {{"DRIVE", false, -0.03125f},
      {"DRIVE", true, -0.59375f},
      {"TILT", false, -0.59375f},
      {"ELEVATE", true, 0.65625f}}},
    {"skyCrane",
     {{"COLLECTIVE", false, -0.03125f},
      {"ANTI TORQUE", false, -0.2265625f},
      {"CYCLIC", true, -0.59375f}}},
};
const vec2f LABEL_CELL = {0.036f, 0.14f};
const float LABEL_X = 0.9921875f;

void drawLabel(const char* text, bool right, float y, RenderContext& rc) {
    vec2f pos = {right ? LABEL_X : -LABEL_X, y};
    ttyDrawString(text, rc, pos, LABEL_CELL, right ? "right" : "left");
}

// Key hints: one character in a square of the HUD, centred at fractions of a
// view's rectangle (outside 0..1 lies beside the view).
const float HINT_SIZE = 0.18f;  // of the lever width
const float LEVER_HINT_X = 0.76f;
const float LEVER_UP_Y = 0.93f, LEVER_DOWN_Y = 0.15f;  // beside the slot's + and -

int hintSize() { return (int)(HINT_SIZE * viewRect(VIEW_LEVER0).w); }

void drawHintSquare(const char* text, int cx, int cy, int size, RenderContext& rc) {
    if (size <= 0) return;
    draw2d_viewport(cx - size / 2, cy - size / 2, size, size);
    ttyDrawString(text, rc, {-1.0f, -1.0f}, {2.0f, 2.0f}, "left");
}

void drawHintAt(const char* text, const ViewRect& r, float fx, float fy, RenderContext& rc) {
    drawHintSquare(text, r.x + (int)(fx * r.w), r.y + (int)(fy * r.h), hintSize(), rc);
}

// The font's caret fills only the top quarter of its cell: a doubled cell,
// lowered, makes it an up arrow as large as the "V" below the pedal.
void drawUpArrowAt(const ViewRect& r, float fx, float fy, RenderContext& rc) {
    int size = hintSize();
    drawHintSquare("^", r.x + (int)(fx * r.w), r.y + (int)(fy * r.h) - size * 3 / 4, 2 * size, rc);
}

}  // namespace

void hudLoadImages() {
    // Made on the first game frame, not before the first menu frame.
    int numLoaded = txdb_loadDeferred("panelpack", PANEL_IMAGES, PANEL_IMAGE_COUNT);
    if (numLoaded != PANEL_IMAGE_COUNT) assertFailed("Game/hud", __LINE__, "numLoaded == 25", true);
}

void hud_drawLeverPanel(RenderContext& rc) {
    const HudState& h = hud();
    draw2d_blend(false);
    for (int i = 0; i < HUD_LEVERS; i++) {
        float x = (i - 2) * 0.4f;
        // The cyclic covers the places of levers 3 and 4.
        bool underCyclic = h.showCyclic && i >= 3;
        const char* background = h.leverPresent[i] ? "slider_background" : "slider_empty";
        if (!h.leverPresent[i] && underCyclic) continue;
        char label[40] = "text_empty";
        if (h.leverPresent[i]) snprintf(label, sizeof label, "text_%s", h.leverName[i]);
        drawImage(background, rc, {x, 0.125f}, {0.2f, 0.0f}, {0.0f, 0.875f});
        drawImage(label, rc, {x, -0.875f}, {0.2f, 0.0f}, {0.0f, 0.125f});
    }
    draw2d_blend(true);
    for (int i = 0; i < HUD_LEVERS; i++) {
        if (!h.leverPresent[i]) continue;
        vec2f at = {(i - 2) * 0.4f, h.leverValue[i] * 0.55f + 0.125f};
        if (h.leverBigHandle[i])
            drawImage("slider_handle", rc, at, {0.2f, 0.0f}, {0.0f, 0.28125f});
        else
            drawImage("slider_knob", rc, at, {0.1f, 0.0f}, {0.0f, 0.25f});
    }
    draw2d_blend(false);
}

void hud_drawLeftPanel(RenderContext& rc) {
    draw2d_blend(false);
    full(input().gamepadMode ? "xboxpad" : "dashboard", rc);
}

void hud_drawMiddlePanel(RenderContext& rc) {
    draw2d_blend(false);
    full("dashboard", rc);
}

void hud_drawCyclic(RenderContext& rc) {
    const HudState& h = hud();
    if (!h.showCyclic) return;
    draw2d_blend(false);
    full("cyclicplate", rc);
    draw2d_blend(true);
    const float s = 0.26666668f;
    drawImage("cyclicstick", rc, {h.stickX * 0.6f, h.stickY * 0.6f}, {s, 0.0f}, {0.0f, s});
}

void hud_drawAccelerator(RenderContext& rc) {
    const HudState& h = hud();
    if (!h.showAccelerator) return;
    draw2d_blend(true);
    full("accelerator_panel", rc);
    drawImage("accelerator_handle", rc, {0.0f, h.accelPosition * 0.7f}, {0.8125f, 0.0f},
              {0.0f, 0.2f});
}

void hud_drawSteeringWheel(RenderContext& rc) {
    const HudState& h = hud();
    if (!h.showWheel) return;
    draw2d_blend(true);
    float c = cosf(h.wheelAngle), s = sinf(h.wheelAngle);
    drawImage("steering_wheel", rc, ORIGIN, {c, s}, {-s, c});
}

void drawControlLabels(const char* name, RenderContext& rc) {
    if (!name || !name[0]) return;
    drawLabel("CAMERA", false, 0.65625f, rc);
    for (const LabelSet& set : LABEL_SETS) {
        if (strcmp(set.name, name) != 0) continue;
        for (const Label& l : set.labels) {
            if (l.text) drawLabel(l.text, l.right, l.y, rc);
        }
        return;
    }
}

void hud_drawKeyHints(RenderContext& rc) {
    if (!keyhints_visible()) return;
    const HudState& h = hud();
    for (int i = 0; i < HUD_LEVERS; i++) {
        if (!h.leverPresent[i]) continue;
        ViewRect r = viewRect(VIEW_LEVER0 + i);
        drawHintAt(keyhints_leverUpKey(i), r, LEVER_HINT_X, LEVER_UP_Y, rc);
        drawHintAt(keyhints_leverDownKey(i), r, LEVER_HINT_X, LEVER_DOWN_Y, rc);
    }
    if (h.showWheel) {
        ViewRect r = viewRect(VIEW_STEERING);
        drawHintAt("<", r, 0.3f, -0.12f, rc);  // under the rim, either side of the column
        drawHintAt(">", r, 0.7f, -0.12f, rc);
    }
    if (h.showAccelerator) {
        ViewRect r = viewRect(VIEW_ACCELERATOR);
        drawUpArrowAt(r, 0.5f, 1.07f, rc);
        drawHintAt("V", r, 0.5f, -0.05f, rc);
    }
}
