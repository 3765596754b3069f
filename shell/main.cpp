// Entry point of the game: one window with an OpenGL context, the progress
// folder, the one-time start-up, and a loop that draws one frame per display
// refresh, with a game tick on each at 60 Hz and below (paced to real time
// on faster displays), until the window is asked to close. Window
// events go to the input mapping at once, on this thread.
#include <chrono>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/draw2d.h"
#include "render/frame.h"
#include "render/glcontext.h"
#include "render/tty.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/gamepad_glfw.h"
#include "shell/gametick.h"
#include "shell/pacing.h"
#include "shell/progress.h"
#include "shell/settings.h"
#include "shell/vote.h"
#include "shell/window.h"
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
FramePacer pacer = {};
bool firstRun = true;

typedef std::chrono::steady_clock Clock;
Clock::time_point started;
bool menuFrameReported = false;

// How long the player waited for the menu: the start-up's one measure.
void reportFirstMenuFrame() {
    if (menuFrameReported || !game_menuShowing()) return;
    menuFrameReported = true;
    double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    logLine("First menu frame after %.3f s", seconds);
}

void onFramebufferSize(int width, int height) {
    draw2d_viewport(0, 0, width, height);
    windowWidth = width;
    windowHeight = height;
    viewLayout(width, height);
    ViewRect scene = viewRect(VIEW_SCENE);
    if (scene.w <= 0 || scene.h <= 0) return;  // minimised: keep the last projection
    char message[80];
    format80(message, "cameraControl aspectRatio=%f", (float)scene.w / (float)scene.h);
    postMessage(message);
}

void onCursorPosition(double x, double y) {
    input_setPointer(x, (windowHeight - 1) - y);
    pointerMove();
}

void onButton(bool pressed) {
    if (pressed)
        pointerDown();
    else
        pointerUp();
}

void printBuildAndRenderer() {
    logLine("OPTIMIZED build");
    logLine("Built on %s at %s", __DATE__, __TIME__);
    ContextInfo gl = context_info();
    logLine("GL_RENDERER: %s", gl.renderer);
    logLine("GL_VERSION: %s", gl.version);
    logLine("GL_SHADING_LANGUAGE_VERSION: %s", gl.shadingLanguage ? gl.shadingLanguage : "None");
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
    ui_drawInit();
    return true;
}

// The game tick, paced against the clock.
void tickLevel(float dt) {
    float tickDt = 0.0f;
    if (pacer_frame(&pacer, dt, &tickDt)) game_tick(tickDt);
}

// Shadow pass from the previous frame's state, then the game tick while a
// level shows (or the settings text while that screen does), then the frame.
void runFrame() {
    frame_shadowStep();
    float now = (float)window_time();
    float dt = now - lastFrameTime;
    lastFrameTime = now;
    bool settingsShown = viewVisible[VIEW_SETTINGS] != 0;
    if (settingsShown)
        buildSettingsText();
    else if (game_levelShowing())
        tickLevel(dt);
    drawFrame(dt);
    if (settingsShown && settings_takeVoteRequest()) openVotePage();
}

}  // namespace

int main() {
    started = Clock::now();
    WindowOptions options = {WINDOW_WIDTH, WINDOW_HEIGHT, 4, 1, false, true, "quorvel", true};
    if (!window_open(options)) return -1;
    window_listen(WindowEvents{keyEvent, onFramebufferSize, onCursorPosition, onButton, scroll});
    windowWidth = window_width();
    windowHeight = window_height();

    progress_chooseFolder();
    logLine("version of gl3w: %d", context_info().loaderVersion);

    if (!onInit()) {
        // A shader that does not compile leaves nothing to draw with.
        window_shutDown();
        return -1;
    }
    tutorial_loadHand();

    while (!window_closeRequested()) {
        runFrame();
        window_present();
        reportFirstMenuFrame();
        gamepad_pollGlfw();
        if (input().closeRequested) window_requestClose();
    }
    window_shutDown();
    return 0;
}
