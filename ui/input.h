// Input mapping: keyboard, pointer and the first gamepad become bus messages
// ("steer", "accelcontrol", lever, camera, menu, settings and tutorial
// messages). The window layer passes key codes (GLFW 3 values), the pointer
// position and gamepad arrays in; nothing here knows the window library.
// One unit per source (input_keyboard, input_pointer, input_gamepad); this
// one holds the shared state, the back action and the per-tick update.
#pragma once

// Key codes and actions, GLFW 3's numbers.
enum {
    KEY_SPACE = 32,
    KEY_MINUS = 45,
    KEY_EQUAL = 61,  // the main row's "=" and, shifted, "+"
    KEY_A = 65,
    KEY_D = 68,
    KEY_E = 69,
    KEY_F = 70,
    KEY_G = 71,
    KEY_Q = 81,
    KEY_R = 82,
    KEY_S = 83,
    KEY_T = 84,
    KEY_W = 87,
    KEY_ESCAPE = 256,
    KEY_ENTER = 257,
    KEY_RIGHT = 262,
    KEY_LEFT = 263,
    KEY_DOWN = 264,
    KEY_UP = 265,
    KEY_KP_2 = 322,
    KEY_KP_4 = 324,
    KEY_KP_6 = 326,
    KEY_KP_8 = 328,
    KEY_KP_SUBTRACT = 333,
    KEY_KP_ADD = 334,
};
enum { ACTION_RELEASE = 0, ACTION_PRESS = 1, ACTION_REPEAT = 2 };

// Gamepad array layout the poll expects: axes 0 LX, 1 LY, 2 LT, 3 RY, 4 RX,
// 5 RT; buttons 0 A, 1 B, 2 X, 3 Y, 4 L1, 5 R1, 6 BACK, 7 START, 10 D-pad
// up, 11 right, 12 down, 13 left.
enum { GAMEPAD_AXES = 6, GAMEPAD_BUTTONS = 14, CAMERA_TOUCHES = 16 };

struct InputState {
    double pointerX, pointerY;  // y grows upwards
    float steerValue, accelValue;
    float steerRate, accelRate;
    float leverRate[5];
    float cyclicX, cyclicY;
    float zoomRate, elevationRate, orbitRate;
    bool cameraMode;   // a shoulder button is held
    bool gamepadMode;  // the HUD shows the pad and its labels
    char currentVehicle[80];
    bool closeRequested;  // back reported the menu: the window should close
};

const InputState& input();
// Listeners and the view reset hooks.
void input_init();
void input_reset();  // the start state (tests)

// Escape or the gamepad "BACK": closes the settings screen, or pauses the
// game; false when the menu shows (the caller then closes the program).
bool back();

void keyEvent(int key, int action);
void keyState(const char* name, bool pressed);

void input_setPointer(double x, double y);  // framebuffer pixels, y up
void pointerDown();
void pointerUp();
void pointerMove();
void scroll(double yOffset);

// Once per frame with the first gamepad's arrays (counts may be 0).
void gamepadPoll(const float* axes, int axisCount, const unsigned char* buttons, int buttonCount);
void gamepadAxis(const char* name, float value);
void gamepadButton(const char* name, bool pressed);

// The steering wheel or the pedal held at a value, as a drag leaves it; posts
// it. Headless runs use these to script a player's hand on the controls.
void input_holdSteer(float value);
void input_holdAccel(float value);

// The rate-driven controls, once per game tick.
void inputUpdate(float dt);

// The dead zone of the sticks and the truck's stick curve.
float gamepadDeadZone(float v);
float truckStickCurve(float v);
