// Gamepad: the first pad, polled once a frame. Each machine has its own
// table of what a stick or trigger moves; the shoulder buttons turn the
// sticks over to the camera; on the menu the buttons choose.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "render/view.h"
#include "ui/input.h"
#include "ui/input_shared.h"
#include "ui/menu.h"

namespace {

const float DEAD_ZONE = 0.24f;
const float TRUCK_STICK_SLACK = 0.12f;

float lastAxis[GAMEPAD_AXES];
bool lastButton[GAMEPAD_BUTTONS];
float rememberedTrigger[2];  // the truck's RT and LT, dead-zoned

const char* const AXIS_NAMES[GAMEPAD_AXES] = {"LX", "LY", "LT", "RY", "RX", "RT"};
const char* const BUTTON_NAMES[GAMEPAD_BUTTONS] = {"BUT-A",  "BUT-B",  "BUT-X",  "BUT-Y", "BUT-L1",
                                                   "BUT-R1", "BACK",   "START",  nullptr, nullptr,
                                                   "DPAD-U", "DPAD-R", "DPAD-D", "DPAD-L"};
const int BUTTON_BACK = 6;

// What an axis moves, and through which curve.
enum AxisTarget { STEER, ACCEL, LEVER, TRIGGER, CYCLIC_X, CYCLIC_Y };
enum AxisCurve { RAW, DEAD, STICK };

struct AxisMap {
    const char* vehicle;
    const char* axis;
    AxisTarget target;
    int lever;  // LEVER and TRIGGER
    AxisCurve curve;
    float sign;      // applied after the curve
    bool plainZero;  // a centred axis posts 0, not -0
};

const AxisMap AXIS_MAPS[] = {
    {"truck", "RT", TRIGGER, 3, DEAD, 1, false},
    {"truck", "LT", TRIGGER, 3, DEAD, -1, false},
    {"truck", "LX", STEER, 0, STICK, 1, false},
    {"truck", "LY", ACCEL, 0, STICK, -1, false},
    {"truck", "RX", LEVER, 0, DEAD, 1, false},
    {"truck", "RY", LEVER, 1, DEAD, -1, false},
    // Dump truck and fork lift: steering without a dead zone.
    {"dumpTruck", "LX", STEER, 0, RAW, 1, false},
    {"dumpTruck", "LY", ACCEL, 0, DEAD, -1, false},
    {"dumpTruck", "RY", LEVER, 1, DEAD, -1, false},
    {"forkLift", "LX", STEER, 0, RAW, 1, false},
    {"forkLift", "LY", ACCEL, 0, DEAD, -1, false},
    {"forkLift", "RY", LEVER, 1, DEAD, -1, false},
    {"skidLoader", "LY", LEVER, 0, DEAD, -1, false},
    {"skidLoader", "RY", LEVER, 4, DEAD, -1, false},
    {"skidLoader", "RT", LEVER, 1, DEAD, 1, false},
    {"skidLoader", "LT", LEVER, 1, DEAD, -1, true},
    {"skyCrane", "RX", CYCLIC_X, 0, DEAD, 1, false},
    {"skyCrane", "RY", CYCLIC_Y, 0, DEAD, -1, false},
    {"skyCrane", "LY", LEVER, 0, RAW, -1, false},
    {"skyCrane", "LX", LEVER, 1, DEAD, -1, false},
};

// A button that holds a lever at a value while pressed.
struct ButtonLever {
    const char* vehicle;
    const char* button;
    int lever;
    float value;
};
const ButtonLever BUTTON_LEVERS[] = {
    {"truck", "BUT-A", 4, -0.6f},      {"truck", "BUT-B", 4, 0.6f},
    {"truck", "DPAD-U", 2, 0.9f},      {"truck", "DPAD-D", 2, -0.9f},
    {"skidLoader", "DPAD-U", 2, 0.9f}, {"skidLoader", "DPAD-D", 2, -0.9f},
    {"forkLift", "DPAD-U", 0, 0.9f},   {"forkLift", "DPAD-D", 0, -0.9f},
};

struct MenuButton {
    const char* button;
    const char* message;
};
const MenuButton MENU_BUTTONS[] = {
    {"START", "menuOption index=2"},  {"BUT-A", "menuOption index=2"},
    {"BUT-B", "menuOption index=1"},  {"DPAD-L", "menuOption index=0"},
    {"DPAD-R", "menuOption index=4"}, {"BUT-L1", "prevAttachment"},
    {"BUT-R1", "nextAttachment"},
};

bool vehicleIs(const char* name) { return !strcmp(inputState().currentVehicle, name); }

float curved(AxisCurve curve, float v) {
    if (curve == RAW) return v;
    return curve == STICK ? truckStickCurve(v) : gamepadDeadZone(v);
}

// Both truck triggers drive lever 3: the one pressed further wins.
void trigger(const AxisMap& m, float d) {
    int self = m.sign > 0 ? 0 : 1;
    rememberedTrigger[self] = d;
    if (std::fabs(rememberedTrigger[1 - self]) <= std::fabs(d)) postLeverSet(m.lever, m.sign * d);
}

void applyAxis(const AxisMap& m, float v) {
    InputState& state = inputState();
    float c = curved(m.curve, v);
    float value = m.plainZero && c == 0.0f ? 0.0f : m.sign * c;
    switch (m.target) {
        case STEER:
            state.steerValue = value;
            postSteer();
            break;
        case ACCEL:
            state.accelValue = value;
            postAccel();
            break;
        case LEVER:
            postLeverSet(m.lever, value);
            break;
        case TRIGGER:
            trigger(m, c);
            break;
        case CYCLIC_X:
            state.cyclicX = value;
            postCyclic();
            break;
        case CYCLIC_Y:
            state.cyclicY = value;
            postCyclic();
            break;
    }
}

void cameraAxis(const char* name, float v) {
    InputState& state = inputState();
    float d = gamepadDeadZone(v);
    if (!strcmp(name, "RX"))
        state.orbitRate = -2.0f * d;
    else if (!strcmp(name, "RY"))
        state.elevationRate = 2.0f * d;
    else if (!strcmp(name, "LY"))
        state.zoomRate = d;
}

void markGamepadUse() {
    inputState().gamepadMode = true;
    menu().gamepadInUse = true;
}

}  // namespace

void gamepad_reset() {
    for (float& a : lastAxis) a = 0.0f;
    for (bool& b : lastButton) b = false;
    rememberedTrigger[0] = rememberedTrigger[1] = 0.0f;
}

void gamepadPoll(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount) {
    for (int i = 0; i < std::min(axisCount, (int)GAMEPAD_AXES); i++) {
        if (axes[i] == lastAxis[i]) continue;
        lastAxis[i] = axes[i];
        gamepadAxis(AXIS_NAMES[i], axes[i]);
    }
    for (int i = 0; i < std::min(buttonCount, (int)GAMEPAD_BUTTONS); i++) {
        bool pressed = buttons[i] != 0;
        if (!BUTTON_NAMES[i] || pressed == lastButton[i]) continue;
        lastButton[i] = pressed;
        // Decided before the button acts: a press that ends the tutorial is not also "back".
        bool tutorialShows = viewShown(VIEW_TUTORIAL);
        gamepadButton(BUTTON_NAMES[i], pressed);
        if (i == BUTTON_BACK && pressed && !tutorialShows) closeUnlessBack();
    }
}

void gamepadAxis(const char* name, float v) {
    markGamepadUse();
    if (viewShown(VIEW_TUTORIAL)) return;
    if (inputState().cameraMode) return cameraAxis(name, v);
    for (const AxisMap& m : AXIS_MAPS) {
        if (vehicleIs(m.vehicle) && !strcmp(name, m.axis)) applyAxis(m, v);
    }
}

void gamepadButton(const char* name, bool pressed) {
    markGamepadUse();
    if (viewShown(VIEW_TUTORIAL)) {
        if (pressed && !strncmp(name, "BUT-", 4)) inputPost("nextTutorialStage");
        return;
    }
    if (!viewShown(VIEW_MENU_BUTTONS)) {
        if (!strcmp(name, "BUT-L1") || !strcmp(name, "BUT-R1")) inputState().cameraMode = pressed;
        for (const ButtonLever& b : BUTTON_LEVERS) {
            if (vehicleIs(b.vehicle) && !strcmp(name, b.button))
                postLeverSet(b.lever, pressed ? b.value : 0.0f);
        }
        return;
    }
    if (!pressed) return;
    for (const MenuButton& b : MENU_BUTTONS) {
        if (!strcmp(name, b.button)) inputPost(b.message);
    }
}

float gamepadDeadZone(float v) {
    if (std::fabs(v) < DEAD_ZONE) return 0.0f;
    return v > 0 ? (v - DEAD_ZONE) / (1.0f - DEAD_ZONE) : (v + DEAD_ZONE) / (1.0f - DEAD_ZONE);
}

float truckStickCurve(float v) {
    float m = std::min(2.0f * std::max(std::fabs(v) - TRUCK_STICK_SLACK, 0.0f), 1.0f);
    return v < 0 ? -m : m;
}
