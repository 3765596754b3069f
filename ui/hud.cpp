#include "ui/hud.h"

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cstring>

#include "bus/bus.h"
#include "shell/settings.h"

namespace {

HudState state;

const char* const START_TAGS[HUD_LEVERS] = {"rotate", "elevate", "bend", "extend", "grapple"};

// Lever set-up per vehicle; a null tag keeps the lever's previous tag.
struct LeverLayout {
    const char* vehicle;
    const char* tags[HUD_LEVERS];
    bool present[HUD_LEVERS];
    bool bigHandle[HUD_LEVERS];
    bool accelerator, wheel, cyclic;
};
const LeverLayout LAYOUTS[] = {
    {"truck",
     {"rotate", "elevate", "bend", "extend", "grapple"},
     {1, 1, 1, 1, 1},
     {0, 0, 0, 0, 0},
     true,
     true,
     false},
    {"dumpTruck",
     {nullptr, "elevate", nullptr, nullptr, nullptr},
     {0, 1, 0, 0, 0},
     {0, 0, 0, 0, 0},
     true,
     true,
     false},
    {"forkLift",
     {"rotate", "elevate", nullptr, nullptr, nullptr},
     {1, 1, 0, 0, 0},
     {0, 0, 0, 0, 0},
     true,
     true,
     false},
    {"skidLoader",
     {"left", "elevate", "bucket", nullptr, "right"},
     {1, 1, 1, 0, 1},
     {1, 0, 0, 0, 1},
     false,
     false,
     false},
    {"skyCrane",
     {"collective", "antitorque", nullptr, nullptr, nullptr},
     {1, 1, 0, 0, 0},
     {1, 1, 0, 0, 0},
     false,
     false,
     true},
};

// The sky crane's collective starts at the bottom of its slot.
const float COLLECTIVE_START = -1.0f;

bool validLever(int i) { return i >= 0 && i < HUD_LEVERS; }

bool invertedTag(const char* tag) { return !strcmp(tag, "elevate") || !strcmp(tag, "bend"); }

void postCraneControl(int i) {
    float setting = state.leverValue[i];
    if (settings().leversInverted && invertedTag(state.leverName[i])) setting = -setting;
    char text[80];
    format80(text, "cranecontrol tag=%s setting=%f", state.leverName[i], setting);
    postMessage(text);
}

// A message without its value leaves the control where it was.
void mirror(const char* text, const char* key, float* target) {
    float value = argFloat(text, key);
    if (value != -FLT_MAX) *target = value;
}

void onSteer(const char* text) { mirror(text, "setting", &state.wheelAngle); }

void onAccel(const char* text) { mirror(text, "setting", &state.accelPosition); }

void onCyclic(const char* text) {
    state.stickY = argFloat(text, "x");
    state.stickX = -argFloat(text, "y");
}

void onLeverMoved(const char* text) {
    int i = argInt(text, "leverNr");
    float delta = argFloat(text, "delta");
    if (!validLever(i) || delta == -FLT_MAX) return;
    state.leverValue[i] = std::min(1.0f, std::max(-1.0f, state.leverValue[i] + delta));
    postCraneControl(i);
}

void onLeverSet(const char* text) {
    int i = argInt(text, "leverNr");
    float setting = argFloat(text, "setting");
    if (!validLever(i) || setting == -FLT_MAX) return;
    state.leverValue[i] = setting;
    postCraneControl(i);
}

void onLeverUp(const char* text) {
    int i = argInt(text, "leverNr");
    if (!validLever(i) || hud_leverStaysWhereReleased(i)) return;
    state.leverValue[i] = 0.0f;
    char out[80];
    format80(out, "cranecontrol tag=%s setting=%f", state.leverName[i], 0.0);
    postMessage(out);
}

void onVehicleSwitch(const char* text) {
    char vehicle[80];
    argString(text, "vehicle", vehicle, sizeof vehicle);
    for (const LeverLayout& l : LAYOUTS) {
        if (strcmp(l.vehicle, vehicle) != 0) continue;
        for (int i = 0; i < HUD_LEVERS; i++) {
            if (l.tags[i]) state.leverName[i] = l.tags[i];
            state.leverPresent[i] = l.present[i];
            state.leverBigHandle[i] = l.bigHandle[i];
        }
        state.showAccelerator = l.accelerator;
        state.showWheel = l.wheel;
        state.showCyclic = l.cyclic;
        if (!strcmp(vehicle, "skyCrane")) state.leverValue[0] = COLLECTIVE_START;
        return;
    }
}

}  // namespace

const HudState& hud() { return state; }

bool hud_leverStaysWhereReleased(int lever) {
    const char* name = validLever(lever) ? state.leverName[lever] : nullptr;
    return name && !strcmp(name, "collective");
}

void hudReset() {
    for (int i = 0; i < HUD_LEVERS; i++) {
        state.leverName[i] = START_TAGS[i];
        state.leverValue[i] = 0.0f;
        state.leverPresent[i] = true;
        state.leverBigHandle[i] = false;
    }
    state.wheelAngle = 0.0f;
    state.accelPosition = 0.0f;
    state.stickX = state.stickY = 0.0f;
    state.showAccelerator = state.showWheel = true;
    state.showCyclic = false;
}

void hudInit() {
    hudReset();
    addListener("steer", onSteer);
    addListener("accelcontrol", onAccel);
    addListener("cycliccontrol", onCyclic);
    addListener("leverMoved", onLeverMoved);
    addListener("leverSet", onLeverSet);
    addListener("leverUp", onLeverUp);
    addListener("vehicleSwitch", onVehicleSwitch);
}
