#include "shell/window.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include "bus/diag.h"
#include "render/glcontext.h"
#include "render/smoothing.h"
#include "shell/fullscreen.h"

namespace {

GLFWwindow* window = nullptr;
int width = 0, height = 0;
WindowEvents listeners = {};

void onError(int code, const char* description) { logLine("ERR %s (%d)", description, code); }

void onKey(GLFWwindow* w, int key, int, int action, int) {
    if (key == GLFW_KEY_F11 && action == GLFW_PRESS) window_toggleFullscreen(w);
    if (listeners.key) listeners.key(key, action);
}

void onFramebufferSize(GLFWwindow*, int w, int h) {
    if (listeners.framebufferSize) listeners.framebufferSize(w, h);
}

void onCursorPosition(GLFWwindow*, double x, double y) {
    if (listeners.cursor) listeners.cursor(x, y);
}

void onMouseButton(GLFWwindow*, int, int action, int) {
    if (listeners.button) listeners.button(action == GLFW_PRESS);
}

void onScroll(GLFWwindow*, double, double yOffset) {
    if (listeners.scroll) listeners.scroll(yOffset);
}

void logDisplayMode() {
    if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) {
        logLine("Current mode: %dx%d@%dHz %dbpp", mode->width, mode->height, mode->refreshRate,
                mode->redBits + mode->greenBits + mode->blueBits);
    }
}

GLFWwindow* create(const WindowOptions& o, int samples, bool visible) {
    glfwDefaultWindowHints();
    glfwWindowHint(GLFW_SAMPLES, samples);
    if (!visible) glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow* w = glfwCreateWindow(o.width, o.height, o.title, nullptr, nullptr);
    if (w) glfwMakeContextCurrent(w);
    return w;
}

// A software renderer is told by the window's first context, made hidden and
// without samples: that is the window it keeps, and a multisampled window
// costs such a renderer as much to make as to draw into. Hardware gets the
// window again with its samples, which costs it little.
GLFWwindow* createForRenderer(const WindowOptions& o) {
    GLFWwindow* w = create(o, 0, false);
    if (!w) return nullptr;
    const char* renderer = context_info().renderer;
    EdgeSmoothing path = smoothing_forRenderer(renderer);
    smoothing_log(path, renderer);
    smoothing_set(path);
    if (path == SMOOTH_MULTISAMPLE) {
        glfwDestroyWindow(w);
        return create(o, o.samples, !o.hidden);
    }
    if (!o.hidden) glfwShowWindow(w);
    return w;
}

}  // namespace

bool window_open(const WindowOptions& o) {
    glfwSetErrorCallback(onError);
    if (!glfwInit()) {
        logLine("glfwInit() failed");
        return false;
    }
    if (o.logDisplayMode) logDisplayMode();
    bool choose = o.smoothingByRenderer && o.samples > 0;
    window = choose ? createForRenderer(o) : create(o, o.samples, !o.hidden);
    if (!window) {
        logLine("glfwCreateWindow() failed");
        glfwTerminate();
        return false;
    }
    glfwSetTime(0.0);
    glfwSetKeyCallback(window, onKey);
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
    glfwSetCursorPosCallback(window, onCursorPosition);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetScrollCallback(window, onScroll);
    glfwGetFramebufferSize(window, &width, &height);
    glfwSwapInterval(o.swapInterval);
    return true;
}

int window_width() { return width; }
int window_height() { return height; }

void window_listen(const WindowEvents& events) { listeners = events; }

void window_swap() { glfwSwapBuffers(window); }
void window_poll() { glfwPollEvents(); }

void window_present() {
    window_swap();
    window_poll();
}

double window_time() { return glfwGetTime(); }

bool window_closeRequested() { return glfwWindowShouldClose(window); }
void window_requestClose() { glfwSetWindowShouldClose(window, GLFW_TRUE); }

void window_close() {
    if (window) glfwDestroyWindow(window);
    window = nullptr;
}

void window_shutDown() {
    window_close();
    glfwTerminate();
}
