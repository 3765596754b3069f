#include "tools/levelsheet/capture.h"

#include <cmath>

#include "bus/bus.h"
#include "render/draw2d.h"
#include "render/frame.h"
#include "render/glcontext.h"
#include "render/mat4.h"
#include "render/rendercontext.h"
#include "render/tty.h"
#include "render/tty_gl.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "shell/window.h"
#include "ui/levelinfo.h"
#include "ui/menu.h"
#include "ui/ui_gl.h"
#include "world/wld.h"

namespace {

// The game's own window, so the HUD lays out as players see it.
const int WINDOW_WIDTH = 1180;
const int WINDOW_HEIGHT = 720;
const float TICK = 1.0f / 60.0f;

int width = 0, height = 0;

Picture readBack(int x, int y, int w, int h) {
    Picture p;
    p.width = w;
    p.height = h;
    p.rgb = context_readBack(x, y, w, h);
    return p;
}

// Whether the point lies in front of the camera of the last frame and
// inside the scene's view.
bool inView(vec3f point) {
    const RenderContext& rc = renderContext();
    float m[16];
    mat4_mul(m, rc.camProj, rc.camView);
    const float p[4] = {point.x, point.y, point.z, 1.0f};
    float c[4];
    for (int r = 0; r < 4; r++) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
    if (c[3] <= 0.0f) return false;
    return fabsf(c[0] / c[3]) <= 1.0f && fabsf(c[1] / c[3]) <= 1.0f;
}

}  // namespace

bool capture_open() {
    WindowOptions options = {WINDOW_WIDTH, WINDOW_HEIGHT, 4, 0, false, false, "quorvel", true};
    if (!window_open(options)) return false;
    width = window_width();
    height = window_height();
    // As the game's start-up does, without sound: the pictures need none.
    ttyInit();
    game_setHooks(GameHooks{});
    game_init();
    if (!render_init(width, height)) return false;
    ui_drawInit();
    return true;
}

LevelShot capture_level(int nr, int ticks) {
    char text[128];
    format128(text, "start nr=%d name=%s attachment=%d", nr, levelName(nr), (int)TOY_START);
    postMessage(text);
    // The first job opens with the tutorial over it; the picture is of the level.
    viewVisible[VIEW_TUTORIAL] = 0;
    for (int i = 0; i < ticks; i++) {
        frame_shadowStep();
        game_tick(TICK);
        drawFrame(TICK);
        if (i + 1 < ticks) window_present();
    }
    LevelShot shot;
    shot.frame = readBack(0, 0, width, height);
    shot.hasVehicle = wld_created() && wld_objectOfInterest() != nullptr;
    shot.vehicleInView = shot.hasVehicle && inView(wld_objectOfInterestPosition());
    shot.advanced = wld_created() && wld_subStepCount() >= (long)ticks;
    window_present();
    return shot;
}

Picture capture_label(const char* text, int w, int h) {
    RenderContext& rc = renderContext();
    draw2d_viewport(0, 0, w, h);
    draw2d_depthTest(false);
    draw2d_blend(false);
    draw2d_clear(0.0f, 0.0f, 0.0f);
    draw2d_useLines(rc, 1.0f, 1.0f, 1.0f, 1.0f);
    // Glyphs of about 8 x 12 pixels whatever the strip's size.
    const vec2f cell = {16.0f / w, 24.0f / h};
    ttyDrawString(text, rc, vec2f{-1.0f + 8.0f / w, -12.0f / h}, cell, "left");
    Picture label = readBack(0, 0, w, h);
    window_swap();
    return label;
}

PixelRect capture_sceneRect() {
    ViewRect r = viewRect(VIEW_SCENE);
    return PixelRect{r.x, r.y, r.w, r.h};
}

PixelRect capture_hudRect() {
    ViewRect scene = viewRect(VIEW_SCENE);
    return PixelRect{0, 0, width, scene.y};
}

void capture_close() {
    if (wld_created()) wld_destroy();
    window_shutDown();
}
