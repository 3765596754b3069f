// The screen views: 17 numbered rectangles of the window (origin lower left)
// with a visibility byte each. Drawing sets the viewport to a view; pointer
// input asks which visible view lies under a point.
#pragma once

enum {
    VIEWCOUNT = 17,
    VIEW_MENU_PICTURE = 0,
    VIEW_MENU_BUTTONS = 1,
    VIEW_TUTORIAL = 2,
    VIEW_SETTINGS = 3,
    VIEW_PAUSE = 4,
    VIEW_STEERING = 5,
    VIEW_LEVER0 = 6,  // levers 0..4 are views 6..10
    VIEW_CYCLIC = 11,
    VIEW_ACCELERATOR = 12,
    VIEW_SCENE = 13,
    VIEW_TEXT = 14,
    VIEW_LEVER_PANEL = 15,
    VIEW_LEFT_PANEL = 16,
};

struct ViewRect {
    int x, y, w, h;
};

// Set directly by the game flow, the frame and the "vehicleSwitch" handler.
extern unsigned char viewVisible[VIEWCOUNT];

// Clears every flag, shows the menu (views 0 and 1) and listens for "vehicleSwitch".
void viewInit();
// Recomputes every rectangle for a framebuffer of width x height pixels.
void viewLayout(int width, int height);
// The rectangle of view nr; a number outside 0..16 is a programming error.
ViewRect viewRect(int nr);
// The lowest-numbered visible view containing the point (borders count); -1 if none.
int viewAt(int x, int y);

// The input mapping owns the state these reset; it installs them at start-up.
// layoutReset runs on every viewLayout (gamepad mode, camera-mode rates);
// switchReset on every "vehicleSwitch" (steering, accelerator, cyclic).
void view_setInputResetHooks(void (*layoutReset)(), void (*switchReset)());
