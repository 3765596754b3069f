#include "ui/input.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/view.h"
#include "ui/menu.h"

namespace {

const int MOUSE_ID = 0;
const float KEY_PRESS_VALUE = 0.5f;   // a key just pressed
const float KEY_REPEAT_VALUE = 1.0f;  // a key the system repeats
const float KEY_LEVER_GAIN = 4.0f;    // lever units per second per key value
const float KEY_DRIVE_RATE = 4.0f;    // accelerator and steering, units per second
const float DEAD_ZONE = 0.24f;
const float TRUCK_STICK_SLACK = 0.12f;

InputState state;

struct Touch {
    int id;
    double x, y;
};
Touch camTouches[CAMERA_TOUCHES];
int numCamTouches = 0;

struct Holder {
    int id;  // -1: free
    double x, y;
};
Holder holders[VIEWCOUNT];

float lastAxis[GAMEPAD_AXES];
bool lastButton[GAMEPAD_BUTTONS];
float rememberedRT = 0.0f, rememberedLT = 0.0f;

const char* const AXIS_NAMES[GAMEPAD_AXES] = {"LX", "LY", "LT", "RY", "RX", "RT"};
const char* const BUTTON_NAMES[GAMEPAD_BUTTONS] = {"BUT-A",  "BUT-B",  "BUT-X",  "BUT-Y", "BUT-L1",
                                                   "BUT-R1", "BACK",   "START",  nullptr, nullptr,
                                                   "DPAD-U", "DPAD-R", "DPAD-D", "DPAD-L"};
const int BUTTON_BACK = 6;

struct LeverKey {
    int key, lever;
    float sign;
};
const LeverKey LEVER_KEYS[] = {
    {KEY_Q, 0, 1},  {KEY_A, 0, -1}, {KEY_W, 1, 1},  {KEY_S, 1, -1}, {KEY_E, 2, 1},
    {KEY_D, 2, -1}, {KEY_R, 3, 1},  {KEY_F, 3, -1}, {KEY_T, 4, 1},  {KEY_G, 4, -1},
};

struct NamedKey {
    int key;
    const char* name;
};
const NamedKey NAMED_KEYS[] = {
    {KEY_UP, "up"},         {KEY_KP_8, "up"},  {KEY_DOWN, "dn"},  {KEY_KP_2, "dn"},
    {KEY_LEFT, "le"},       {KEY_KP_4, "le"},  {KEY_RIGHT, "ri"}, {KEY_KP_6, "ri"},
    {KEY_KP_SUBTRACT, "-"}, {KEY_KP_ADD, "+"}, {KEY_SPACE, " "},  {KEY_ENTER, "enter"},
};

float clamp1(float v) { return std::min(1.0f, std::max(-1.0f, v)); }
bool visible(int view) { return viewVisible[view] != 0; }
bool menuShowing() { return visible(VIEW_MENU_PICTURE); }
bool vehicleIs(const char* name) { return !strcmp(state.currentVehicle, name); }

void post(const char* text) { postMessage(text); }

void postf(const char* format, double a) {
    char text[80];
    format80(text, format, a);
    post(text);
}

void postSteer() { postf("steer setting=%f", state.steerValue); }
void postAccel() { postf("accelcontrol setting=%f", state.accelValue); }
void postCyclic() {
    char text[80];
    format80(text, "cycliccontrol x=%f y=%f", state.cyclicY, -state.cyclicX);
    post(text);
}
void postMenuOption(int index) {
    char text[80];
    format80(text, "menuOption index=%d", index);
    post(text);
}
void postLeverSet(int lever, float setting) {
    char text[80];
    format80(text, "leverSet leverNr=%d setting=%f", lever, setting);
    post(text);
}

void setKeyLever(int lever, float v) {
    if (!visible(VIEW_LEVER0 + lever)) return;
    state.leverRate[lever] = KEY_LEVER_GAIN * v;
    if (v == 0.0f) postLeverSet(lever, 0.0f);
}

void closeUnlessBack() {
    if (!back()) state.closeRequested = true;
}

void onLayout() {
    state.gamepadMode = false;
    state.zoomRate = state.elevationRate = state.orbitRate = 0.0f;
}

void onSwitchReset() {
    state.steerValue = state.accelValue = 0.0f;
    state.cyclicX = state.cyclicY = 0.0f;
}

void onVehicleSwitch(const char* text) {
    argString(text, "vehicle", state.currentVehicle, sizeof state.currentVehicle);
}

// The fifth of a view's width (or a quarter of its height) under the pointer.
int cell(double offset, int extent, int cells) {
    if (extent <= 0) return 0;
    int i = (int)(offset * cells / extent);
    return std::min(std::max(i, 0), cells - 1);
}

void addCameraTouch(int id, double x, double y) {
    bool present = false;
    for (int i = 0; i < numCamTouches; i++) present = present || camTouches[i].id == id;
    if (present || numCamTouches >= CAMERA_TOUCHES) {
        logLine("ERR Failed to add camera touch for pointerId %d. numCamTouches = %d", id,
                numCamTouches);
        return;
    }
    camTouches[numCamTouches++] = Touch{id, x, y};
}

double touchSpread() {
    return std::hypot(camTouches[0].x - camTouches[1].x, camTouches[0].y - camTouches[1].y);
}

void moveCameraTouches(int id, double x, double y) {
    ViewRect scene = viewRect(VIEW_SCENE);
    for (int i = 0; i < numCamTouches; i++) {
        Touch& t = camTouches[i];
        if (t.id != id) continue;
        if (numCamTouches == 1) {
            char text[80];
            double dx = x - t.x, dy = y - t.y;
            format80(text, "cameraControl elevationDelta=%f orbitDelta=%f",
                     scene.h > 0 ? -3.0 * dy / scene.h : 0.0,
                     scene.w > 0 ? -7.0 * dx / scene.w : 0.0);
            t.x = x;
            t.y = y;
            post(text);
        } else {
            double before = touchSpread();
            t.x = x;
            t.y = y;
            double after = touchSpread();
            if (after > 0.0) postf("cameraControl distScale=%f", before / after);
        }
    }
}

void dragSteering(const ViewRect& r, double dx, double dy) {
    if (r.w <= 0 || r.h <= 0) return;
    double a = 2.0 * dy / r.h, b = 2.0 * dx / r.w;
    double cx = r.x + 0.5 * r.w, cy = r.y + 0.5 * r.h;
    double delta;
    if (std::fabs(a) > std::fabs(b))
        delta = state.pointerX < cx ? a : -a;
    else
        delta = state.pointerY > cy ? b : -b;
    state.steerValue = clamp1(state.steerValue + (float)delta);
    postSteer();
}

void dragHeldView(int view, double dx, double dy) {
    ViewRect r = viewRect(view);
    if (r.w <= 0 || r.h <= 0) return;
    if (view == VIEW_STEERING) {
        dragSteering(r, dx, dy);
    } else if (view >= VIEW_LEVER0 && view < VIEW_LEVER0 + 5) {
        char text[80];
        format80(text, "leverMoved leverNr=%d delta=%f", view - VIEW_LEVER0, 2.0 * dy / r.h);
        post(text);
    } else if (view == VIEW_CYCLIC) {
        state.cyclicX = clamp1(state.cyclicX + (float)(2.0 * dx / r.w));
        state.cyclicY = clamp1(state.cyclicY + (float)(2.0 * dy / r.h));
        postCyclic();
    } else if (view == VIEW_ACCELERATOR) {
        state.accelValue = clamp1(state.accelValue + (float)(2.0 * dy / r.h));
        postAccel();
    }
}

void releaseView(int view) {
    holders[view].id = -1;
    if (view >= VIEW_LEVER0 && view < VIEW_LEVER0 + 5) {
        char text[80];
        format80(text, "leverUp leverNr=%d", view - VIEW_LEVER0);
        post(text);
    } else if (view == VIEW_CYCLIC) {
        state.cyclicX = state.cyclicY = 0.0f;
        postCyclic();
    } else if (view == VIEW_ACCELERATOR) {
        state.accelValue = 0.0f;
        post("accelcontrol setting=0");
    }
}

void truckAxis(const char* name, float v) {
    float d = gamepadDeadZone(v);
    if (!strcmp(name, "RT")) {
        rememberedRT = d;
        if (std::fabs(rememberedLT) <= std::fabs(d)) postLeverSet(3, d);
    } else if (!strcmp(name, "LT")) {
        rememberedLT = d;
        if (std::fabs(rememberedRT) <= std::fabs(d)) postLeverSet(3, -d);
    } else if (!strcmp(name, "LX")) {
        state.steerValue = truckStickCurve(v);
        postSteer();
    } else if (!strcmp(name, "LY")) {
        state.accelValue = -truckStickCurve(v);
        postAccel();
    } else if (!strcmp(name, "RX")) {
        postLeverSet(0, d);
    } else if (!strcmp(name, "RY")) {
        postLeverSet(1, -d);
    }
}

// Dump truck and fork lift: steering without a dead zone.
void carAxis(const char* name, float v) {
    if (!strcmp(name, "LX")) {
        state.steerValue = v;
        postSteer();
    } else if (!strcmp(name, "LY")) {
        state.accelValue = -gamepadDeadZone(v);
        postAccel();
    } else if (!strcmp(name, "RY")) {
        postLeverSet(1, -gamepadDeadZone(v));
    }
}

void skidLoaderAxis(const char* name, float v) {
    float d = gamepadDeadZone(v);
    if (!strcmp(name, "LY"))
        postLeverSet(0, -d);
    else if (!strcmp(name, "RY"))
        postLeverSet(4, -d);
    else if (!strcmp(name, "RT"))
        postLeverSet(1, d);
    else if (!strcmp(name, "LT"))
        postLeverSet(1, d == 0.0f ? 0.0f : -d);
}

void skyCraneAxis(const char* name, float v) {
    if (!strcmp(name, "RX")) {
        state.cyclicX = gamepadDeadZone(v);
        postCyclic();
    } else if (!strcmp(name, "RY")) {
        state.cyclicY = -gamepadDeadZone(v);
        postCyclic();
    } else if (!strcmp(name, "LY")) {
        postLeverSet(0, -v);
    } else if (!strcmp(name, "LX")) {
        postLeverSet(1, -gamepadDeadZone(v));
    }
}

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

void markGamepadUse() {
    state.gamepadMode = true;
    menu().gamepadInUse = true;
}

}  // namespace

const InputState& input() { return state; }

bool back() {
    if (visible(VIEW_SETTINGS)) {
        viewVisible[VIEW_SETTINGS] = 0;
        menu_printBriefing();
        return true;
    }
    if (menuShowing()) return false;
    post("pause");
    return true;
}

void input_reset() {
    state = InputState{};
    numCamTouches = 0;
    for (Holder& h : holders) h = Holder{-1, 0.0, 0.0};
    for (float& a : lastAxis) a = 0.0f;
    for (bool& b : lastButton) b = false;
    rememberedRT = rememberedLT = 0.0f;
}

void input_init() {
    input_reset();
    addListener("vehicleSwitch", onVehicleSwitch);
    view_setInputResetHooks(onLayout, onSwitchReset);
}

void keyEvent(int key, int action) {
    bool pressed = action == ACTION_PRESS || action == ACTION_REPEAT;
    for (const LeverKey& k : LEVER_KEYS) {
        if (k.key != key) continue;
        float v = action == ACTION_PRESS ? KEY_PRESS_VALUE : KEY_REPEAT_VALUE;
        setKeyLever(k.lever, pressed ? k.sign * v : 0.0f);
        return;
    }
    for (const NamedKey& k : NAMED_KEYS) {
        if (k.key != key) continue;
        keyState(k.name, pressed);
        return;
    }
    if (key != KEY_ESCAPE) return;
    if (visible(VIEW_TUTORIAL)) {
        keyState("enter", pressed);
    } else if (action == ACTION_PRESS) {
        closeUnlessBack();
    } else if (action == ACTION_REPEAT && !menuShowing()) {
        // A held Escape that has just paused the game must not go on to quit
        // it: only a fresh press closes the program from the menu.
        back();
    }
}

void keyState(const char* name, bool pressed) {
    bool menuShows = menuShowing();
    if (!strcmp(name, "up")) {
        state.accelRate = pressed ? KEY_DRIVE_RATE : 0.0f;
        if (!pressed) state.accelValue = 0.0f;
    } else if (!strcmp(name, "dn")) {
        state.accelRate = pressed ? -KEY_DRIVE_RATE : 0.0f;
        if (!pressed) state.accelValue = 0.0f;
    } else if (!strcmp(name, "le")) {
        state.steerRate = pressed ? -KEY_DRIVE_RATE : 0.0f;
        if (menuShows && pressed) postMenuOption(MENU_PREVIOUS);
    } else if (!strcmp(name, "ri")) {
        state.steerRate = pressed ? KEY_DRIVE_RATE : 0.0f;
        if (menuShows && pressed) postMenuOption(MENU_NEXT);
    } else if (!strcmp(name, "-")) {
        state.zoomRate = pressed ? 1.0f : 0.0f;
    } else if (!strcmp(name, "+")) {
        state.zoomRate = pressed ? -1.0f : 0.0f;
    } else if (pressed && (!strcmp(name, " ") || !strcmp(name, "enter"))) {
        if (visible(VIEW_TUTORIAL)) post("nextTutorialStage");
        if (menuShowing()) postMenuOption(MENU_PLAY);
    }
}

void input_setPointer(double x, double y) {
    state.pointerX = x;
    state.pointerY = y;
}

void pointerDown() {
    menu().gamepadInUse = false;
    double x = state.pointerX, y = state.pointerY;
    int v = viewAt((int)x, (int)y);
    if (v < 0) return;
    holders[v] = Holder{MOUSE_ID, x, y};
    ViewRect r = viewRect(v);
    char text[80];
    switch (v) {
        case VIEW_MENU_PICTURE:
            format80(text, "menuGraphic index=%d", cell(x - r.x, r.w, 5));
            post(text);
            break;
        case VIEW_MENU_BUTTONS:
            postMenuOption(cell(x - r.x, r.w, 5));
            break;
        case VIEW_TUTORIAL:
            post("nextTutorialStage");
            break;
        case VIEW_SETTINGS:
            format80(text, "settingsTouch index=%d", cell(y - r.y, r.h, 4));
            post(text);
            break;
        case VIEW_PAUSE:
            post("pause");
            break;
        case VIEW_SCENE:
            addCameraTouch(MOUSE_ID, x, y);
            break;
        default:
            break;
    }
}

void pointerMove() {
    double x = state.pointerX, y = state.pointerY;
    moveCameraTouches(MOUSE_ID, x, y);
    for (int v = 0; v < VIEWCOUNT; v++) {
        Holder& h = holders[v];
        if (h.id != MOUSE_ID) continue;
        double dx = x - h.x, dy = y - h.y;
        h.x = x;
        h.y = y;
        dragHeldView(v, dx, dy);
        return;
    }
}

void pointerUp() {
    for (int i = 0; i < numCamTouches; i++) {
        if (camTouches[i].id != MOUSE_ID) continue;
        camTouches[i] = camTouches[--numCamTouches];
        break;
    }
    for (int v = 0; v < VIEWCOUNT; v++) {
        if (holders[v].id == MOUSE_ID) releaseView(v);
    }
}

void scroll(double yOffset) { postf("cameraControl distScale=%f", 1.0 - yOffset * 0.03); }

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
        bool tutorialShows = visible(VIEW_TUTORIAL);
        gamepadButton(BUTTON_NAMES[i], pressed);
        if (i == BUTTON_BACK && pressed && !tutorialShows) closeUnlessBack();
    }
}

void gamepadAxis(const char* name, float v) {
    markGamepadUse();
    if (visible(VIEW_TUTORIAL)) return;
    if (state.cameraMode) {
        float d = gamepadDeadZone(v);
        if (!strcmp(name, "RX"))
            state.orbitRate = -2.0f * d;
        else if (!strcmp(name, "RY"))
            state.elevationRate = 2.0f * d;
        else if (!strcmp(name, "LY"))
            state.zoomRate = d;
        return;
    }
    if (vehicleIs("truck"))
        truckAxis(name, v);
    else if (vehicleIs("dumpTruck") || vehicleIs("forkLift"))
        carAxis(name, v);
    else if (vehicleIs("skidLoader"))
        skidLoaderAxis(name, v);
    else if (vehicleIs("skyCrane"))
        skyCraneAxis(name, v);
}

void gamepadButton(const char* name, bool pressed) {
    markGamepadUse();
    if (visible(VIEW_TUTORIAL)) {
        if (pressed && !strncmp(name, "BUT-", 4)) post("nextTutorialStage");
        return;
    }
    if (!visible(VIEW_MENU_BUTTONS)) {
        if (!strcmp(name, "BUT-L1") || !strcmp(name, "BUT-R1")) state.cameraMode = pressed;
        for (const ButtonLever& b : BUTTON_LEVERS) {
            if (vehicleIs(b.vehicle) && !strcmp(name, b.button))
                postLeverSet(b.lever, pressed ? b.value : 0.0f);
        }
        return;
    }
    if (!pressed) return;
    for (const MenuButton& b : MENU_BUTTONS) {
        if (!strcmp(name, b.button)) post(b.message);
    }
}

void input_holdSteer(float value) {
    state.steerValue = clamp1(value);
    postSteer();
}

void input_holdAccel(float value) {
    state.accelValue = clamp1(value);
    postAccel();
}

void inputUpdate(float dt) {
    if (state.cameraMode) {
        char text[80];
        format80(text, "cameraControl elevationDelta=%f orbitDelta=%f", state.elevationRate * dt,
                 state.orbitRate * dt);
        post(text);
        postf("cameraControl distScale=%f", 1.0f + state.zoomRate * dt);
        return;
    }
    state.steerValue = clamp1(state.steerValue + state.steerRate * dt);
    postSteer();
    state.accelValue = clamp1(state.accelValue + state.accelRate * dt);
    postAccel();
    postf("cameraControl distScale=%f", 1.0f + state.zoomRate * dt);
    for (int i = 0; i < 5; i++) {
        if (!visible(VIEW_LEVER0 + i) || state.leverRate[i] == 0.0f) continue;
        char text[80];
        format80(text, "leverMoved leverNr=%d delta=%f", i, state.leverRate[i] * dt);
        post(text);
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
