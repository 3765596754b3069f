// Entry point of the game: one window with an OpenGL context, the progress
// folder, the one-time start-up, and a loop that simulates and draws one
// frame per display refresh until the window is asked to close. Window
// events go to the input mapping at once, on this thread.
#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>
#include <epoxy/gl.h>

#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/frame.h"
#include "render/tty.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/gamepad_glfw.h"
#include "shell/progress.h"
#include "shell/vote.h"
#include "sound/audiostream.h"
#include "sound/soundkeeper.h"
#include "ui/input.h"
#include "ui/tutorial.h"
#include "ui/ui_gl.h"

namespace {

const int WINDOW_WIDTH = 1180;
const int WINDOW_HEIGHT = 720;

int windowWidth = 0;
int windowHeight = 0;
float lastFrameTime = 0.0f;
bool firstRun = true;

void onError(int code, const char* description) { logLine("ERR %s (%d)", description, code); }

void onFramebufferSize(GLFWwindow*, int width, int height) {
    glViewport(0, 0, width, height);
    windowWidth = width;
    windowHeight = height;
    viewLayout(width, height);
    ViewRect scene = viewRect(VIEW_SCENE);
    if (scene.w <= 0 || scene.h <= 0) return;  // minimised: keep the last projection
    char message[80];
    format80(message, "cameraControl aspectRatio=%f", (float)scene.w / (float)scene.h);
    postMessage(message);
}

void onCursorPosition(GLFWwindow*, double x, double y) {
    input_setPointer(x, (windowHeight - 1) - y);
    pointerMove();
}

void onMouseButton(GLFWwindow*, int, int action, int) {
    if (action == GLFW_PRESS)
        pointerDown();
    else
        pointerUp();
}

void onScroll(GLFWwindow*, double, double yOffset) { scroll(yOffset); }

void onKey(GLFWwindow*, int key, int, int action, int) { keyEvent(key, action); }

void printBuildAndRenderer() {
    logLine("OPTIMIZED build");
    logLine("Built on %s at %s", __DATE__, __TIME__);
    const char* language = (const char*)glGetString(GL_SHADING_LANGUAGE_VERSION);
    logLine("GL_RENDERER: %s", (const char*)glGetString(GL_RENDERER));
    logLine("GL_VERSION: %s", (const char*)glGetString(GL_VERSION));
    logLine("GL_SHADING_LANGUAGE_VERSION: %s", language ? language : "None");
}

// GL capabilities, shader programs and the rest of the GL start-up; the game
// initialisation comes first, on the first run only.
bool onInit() {
    if (firstRun) {
        printBuildAndRenderer();
        ttyInit();
        GameHooks hooks = {sound_open, sound_close, soundkeeper_init};
        game_setHooks(hooks);
        game_init();
        firstRun = false;
    }
    if (!render_init(windowWidth, windowHeight)) return false;
    ui_glInit();
    return true;
}

// Shadow pass from the previous frame's state, then draw-frame.
void runFrame() {
    frame_shadowStep();
    float now = (float)glfwGetTime();
    float dt = now - lastFrameTime;
    lastFrameTime = now;
    const char* request = drawFrame(dt);
    if (request && strcmp(request, "vote") == 0) openVotePage();
}

}  // namespace

int main() {
    glfwSetErrorCallback(onError);
    if (!glfwInit()) {
        logLine("glfwInit() failed");
        return -1;
    }
    if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) {
        logLine("Current mode: %dx%d@%dHz %dbpp", mode->width, mode->height, mode->refreshRate,
                mode->redBits + mode->greenBits + mode->blueBits);
    }
    glfwWindowHint(GLFW_SAMPLES, 4);
    GLFWwindow* window = glfwCreateWindow(WINDOW_WIDTH, WINDOW_HEIGHT, "quorvel", nullptr, nullptr);
    if (!window) {
        logLine("glfwCreateWindow() failed");
        glfwTerminate();
        return -1;
    }
    glfwSetTime(0.0);
    glfwSetKeyCallback(window, onKey);
    glfwSetFramebufferSizeCallback(window, onFramebufferSize);
    glfwSetCursorPosCallback(window, onCursorPosition);
    glfwSetMouseButtonCallback(window, onMouseButton);
    glfwSetScrollCallback(window, onScroll);
    glfwMakeContextCurrent(window);
    glfwGetFramebufferSize(window, &windowWidth, &windowHeight);
    glfwSwapInterval(1);

    progress_chooseFolder();
    logLine("version of gl3w: %d", epoxy_gl_version());

    if (!onInit()) {
        // A shader that does not compile leaves nothing to draw with.
        glfwTerminate();
        return -1;
    }
    tutorial_loadHand();

    while (!glfwWindowShouldClose(window)) {
        runFrame();
        glfwSwapBuffers(window);
        glfwPollEvents();
        gamepad_pollGlfw();
        if (input().closeRequested) glfwSetWindowShouldClose(window, GLFW_TRUE);
    }
    glfwTerminate();
    return 0;
}
