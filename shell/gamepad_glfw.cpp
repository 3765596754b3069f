#include "shell/gamepad_glfw.h"

#include <GLFW/glfw3.h>

#include "ui/input.h"

namespace {

// Where each input-mapping axis and button comes from in GLFW's gamepad state.
const int AXIS_SOURCE[GAMEPAD_AXES] = {
    GLFW_GAMEPAD_AXIS_LEFT_X,  GLFW_GAMEPAD_AXIS_LEFT_Y,  GLFW_GAMEPAD_AXIS_LEFT_TRIGGER,
    GLFW_GAMEPAD_AXIS_RIGHT_Y, GLFW_GAMEPAD_AXIS_RIGHT_X, GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER};
const int BUTTON_SOURCE[GAMEPAD_BUTTONS] = {
    GLFW_GAMEPAD_BUTTON_A,           GLFW_GAMEPAD_BUTTON_B,
    GLFW_GAMEPAD_BUTTON_X,           GLFW_GAMEPAD_BUTTON_Y,
    GLFW_GAMEPAD_BUTTON_LEFT_BUMPER, GLFW_GAMEPAD_BUTTON_RIGHT_BUMPER,
    GLFW_GAMEPAD_BUTTON_BACK,        GLFW_GAMEPAD_BUTTON_START,
    GLFW_GAMEPAD_BUTTON_LEFT_THUMB,  GLFW_GAMEPAD_BUTTON_RIGHT_THUMB,
    GLFW_GAMEPAD_BUTTON_DPAD_UP,     GLFW_GAMEPAD_BUTTON_DPAD_RIGHT,
    GLFW_GAMEPAD_BUTTON_DPAD_DOWN,   GLFW_GAMEPAD_BUTTON_DPAD_LEFT};

bool isTrigger(int source) {
    return source == GLFW_GAMEPAD_AXIS_LEFT_TRIGGER || source == GLFW_GAMEPAD_AXIS_RIGHT_TRIGGER;
}

}  // namespace

void gamepad_pollGlfw() {
    GLFWgamepadstate pad;
    if (glfwJoystickIsGamepad(GLFW_JOYSTICK_1) && glfwGetGamepadState(GLFW_JOYSTICK_1, &pad)) {
        float axes[GAMEPAD_AXES];
        unsigned char buttons[GAMEPAD_BUTTONS];
        for (int i = 0; i < GAMEPAD_AXES; i++) {
            float v = pad.axes[AXIS_SOURCE[i]];
            // GLFW's triggers rest at -1; the mapping expects 0 at rest, 1 pressed,
            // or a resting trigger would hold the extension lever fully in.
            axes[i] = isTrigger(AXIS_SOURCE[i]) ? 0.5f * (v + 1.0f) : v;
        }
        for (int i = 0; i < GAMEPAD_BUTTONS; i++) buttons[i] = pad.buttons[BUTTON_SOURCE[i]];
        gamepadPoll(axes, GAMEPAD_AXES, buttons, GAMEPAD_BUTTONS);
        return;
    }
    // A joystick without a known layout: its arrays as they come.
    int axisCount = 0, buttonCount = 0;
    const float* axes = glfwGetJoystickAxes(GLFW_JOYSTICK_1, &axisCount);
    const unsigned char* buttons = glfwGetJoystickButtons(GLFW_JOYSTICK_1, &buttonCount);
    if (!axes) axisCount = 0;
    if (!buttons) buttonCount = 0;
    gamepadPoll(axes, axisCount, buttons, buttonCount);
}
