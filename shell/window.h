// The program's one window with its OpenGL context, for the game, the render
// tests and bench, the level sheet and the texture viewer: opening it (its
// context made current), swapping and polling once a frame, the clock, and
// the events the game listens to. GLFW side.
#pragma once

struct WindowOptions {
    int width, height;
    int samples;          // per pixel; 0 for none
    int swapInterval;     // 1 paces frames to the display, 0 does not
    bool hidden;          // never shown (pictures read back only)
    bool logDisplayMode;  // "Current mode: ..." before the window opens
    const char* title;
    // Smooth edges the way the renderer affords (render/smoothing.h): a
    // software rasteriser gets the window again without samples.
    bool smoothingByRenderer;
};
// False with a reason printed when the window system or the window fails.
bool window_open(const WindowOptions& options);
// The framebuffer's size when the window opened.
int window_width();
int window_height();

// Key codes and actions, button actions and sizes as the window system gives them.
struct WindowEvents {
    void (*key)(int key, int action);
    void (*framebufferSize)(int width, int height);
    void (*cursor)(double x, double y);  // origin upper left
    void (*button)(bool pressed);
    void (*scroll)(double yOffset);
};
void window_listen(const WindowEvents& events);

void window_swap();
void window_poll();     // events are handed to the listeners here
void window_present();  // both
double window_time();   // seconds since the window opened
bool window_closeRequested();
void window_requestClose();

// Destroys the window; the window system stays up for the next one (a
// display that has just lost its last client may refuse a new connection
// while it resets).
void window_close();
// Destroys any window and ends the window system.
void window_shutDown();
