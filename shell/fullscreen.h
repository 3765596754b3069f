// F11's window and fullscreen switch: fullscreen on the monitor the window
// mostly lies on, at that monitor's current mode; back to the window with
// the place and size it had. The framebuffer-size callback then lays out
// the views as for any resize. GLFW side.
#pragma once

struct GLFWwindow;

void window_toggleFullscreen(GLFWwindow* window);
