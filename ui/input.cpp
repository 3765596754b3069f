#include "ui/input.h"

#include <algorithm>

#include "bus/bus.h"
#include "render/view.h"
#include "ui/input_shared.h"
#include "ui/keyhints.h"
#include "ui/menu.h"

namespace {

InputState state;

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

}  // namespace

// ---------------------------------------------------------------- shared

InputState& inputState() { return state; }

float clamp1(float v) { return std::min(1.0f, std::max(-1.0f, v)); }
bool viewShown(int view) { return viewVisible[view] != 0; }
bool menuShowing() { return viewShown(VIEW_MENU_PICTURE); }

void inputPost(const char* text) { postMessage(text); }

void inputPostf(const char* format, double a) {
    char text[80];
    format80(text, format, a);
    inputPost(text);
}

void postSteer() { inputPostf("steer setting=%f", state.steerValue); }
void postAccel() { inputPostf("accelcontrol setting=%f", state.accelValue); }

void postCyclic() {
    char text[80];
    format80(text, "cycliccontrol x=%f y=%f", state.cyclicY, -state.cyclicX);
    inputPost(text);
}

void postMenuOption(int index) {
    char text[80];
    format80(text, "menuOption index=%d", index);
    inputPost(text);
}

void postLeverSet(int lever, float setting) {
    char text[80];
    format80(text, "leverSet leverNr=%d setting=%f", lever, setting);
    inputPost(text);
}

void postLeverMoved(int lever, double delta) {
    char text[80];
    format80(text, "leverMoved leverNr=%d delta=%f", lever, delta);
    inputPost(text);
}

void closeUnlessBack() {
    if (!back()) state.closeRequested = true;
}

// ---------------------------------------------------------------- public

const InputState& input() { return state; }

bool back() {
    if (viewShown(VIEW_SETTINGS)) {
        viewVisible[VIEW_SETTINGS] = 0;
        menu_printBriefing();
        return true;
    }
    if (menuShowing()) return false;
    inputPost("pause");
    return true;
}

void input_reset() {
    state = InputState{};
    pointer_reset();
    gamepad_reset();
    keyhints_reset();
}

void input_init() {
    input_reset();
    addListener("vehicleSwitch", onVehicleSwitch);
    view_setInputResetHooks(onLayout, onSwitchReset);
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
        inputPost(text);
        inputPostf("cameraControl distScale=%f", 1.0f + state.zoomRate * dt);
        return;
    }
    state.steerValue = clamp1(state.steerValue + state.steerRate * dt);
    postSteer();
    state.accelValue = clamp1(state.accelValue + state.accelRate * dt);
    postAccel();
    inputPostf("cameraControl distScale=%f", 1.0f + state.zoomRate * dt);
    for (int i = 0; i < 5; i++) {
        if (!viewShown(VIEW_LEVER0 + i) || state.leverRate[i] == 0.0f) continue;
        postLeverMoved(i, state.leverRate[i] * dt);
    }
}
