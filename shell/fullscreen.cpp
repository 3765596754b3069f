#include "shell/fullscreen.h"

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <algorithm>

namespace {

struct Rect {
    int x, y, w, h;
};
Rect windowed = {0, 0, 0, 0};  // where the window was before it went fullscreen

int overlap(const Rect& a, const Rect& b) {
    int w = std::min(a.x + a.w, b.x + b.w) - std::max(a.x, b.x);
    int h = std::min(a.y + a.h, b.y + b.h) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

Rect monitorRect(GLFWmonitor* monitor) {
    Rect r = {0, 0, 0, 0};
    glfwGetMonitorPos(monitor, &r.x, &r.y);
    if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) r.w = mode->width, r.h = mode->height;
    return r;
}

// The monitor showing most of the window; the primary one when none does.
GLFWmonitor* currentMonitor(const Rect& window) {
    int count = 0;
    GLFWmonitor** monitors = glfwGetMonitors(&count);
    GLFWmonitor* best = glfwGetPrimaryMonitor();
    int bestArea = 0;
    for (int i = 0; i < count; i++) {
        int area = overlap(window, monitorRect(monitors[i]));
        if (area > bestArea) best = monitors[i], bestArea = area;
    }
    return best;
}

}  // namespace

void window_toggleFullscreen(GLFWwindow* window) {
    if (glfwGetWindowMonitor(window)) {
        glfwSetWindowMonitor(window, nullptr, windowed.x, windowed.y, windowed.w, windowed.h,
                             GLFW_DONT_CARE);
        return;
    }
    glfwGetWindowPos(window, &windowed.x, &windowed.y);
    glfwGetWindowSize(window, &windowed.w, &windowed.h);
    GLFWmonitor* monitor = currentMonitor(windowed);
    const GLFWvidmode* mode = monitor ? glfwGetVideoMode(monitor) : nullptr;
    if (!mode) return;  // no monitor to fill: stay in the window
    glfwSetWindowMonitor(window, monitor, 0, 0, mode->width, mode->height, mode->refreshRate);
}
