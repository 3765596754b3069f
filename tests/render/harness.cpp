#include "tests/render/harness.h"

#include <cstdio>

#include "bus/bus.h"
#include "geom/records.h"
#include "render/camera.h"
#include "render/frame.h"
#include "render/geomdb.h"
#include "render/gl_programs.h"
#include "render/glcontext.h"
#include "render/mat4.h"
#include "render/rendercontext.h"
#include "render/tty.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "shell/window.h"
#include "tools/arena/arena.h"
#include "tools/arena/arena_terrain.h"
#include "world/props_basic.h"
#include "world/wld.h"

const float HARNESS_CRATE_X = 2.0f, HARNESS_CRATE_Y = 2.0f, HARNESS_CRATE_LIFT = 1.2f;

namespace {

int width = 0, height = 0;

// The arena plus one crate held in the air, so its shadow lies in the open.
void buildWithFloatingCrate(int levelNr, dReal truckPos[3], float* orbit, float* elevation,
                            float* distance) {
    arena_builder()->build(levelNr, truckPos, orbit, elevation, distance);
    const dReal size[3] = {ARENA_CRATE, ARENA_CRATE, ARENA_CRATE};
    const dReal noOffset[3] = {0, 0, 0};
    dReal pos[3] = {HARNESS_CRATE_X, HARNESS_CRATE_Y,
                    arena_height(HARNESS_CRATE_X, HARNESS_CRATE_Y) + HARNESS_CRATE_LIFT};
    BoxObj* crate = new BoxObj("crate", &geom_arena_crate, pos, size, 1.0, noOffset);
    dBodySetKinematic(crate->body);
    wld_addObject(crate);
    wld_setObjectOfInterest(crate);
}

void goals(int levelNr, bool* won, bool* lost) { arena_builder()->goals(levelNr, won, lost); }

const LevelBuilder harnessLevel = {buildWithFloatingCrate, goals};

}  // namespace

bool harness_openWindow(int w, int h, int swapInterval, EdgeSmoothing smoothing) {
    int samples = smoothing == SMOOTH_MULTISAMPLE ? 4 : 0;
    if (!window_open(WindowOptions{w, h, samples, swapInterval, false, false, "quorvel", false}))
        return false;
    smoothing_set(smoothing);
    width = window_width();
    height = window_height();
    return true;
}

bool harness_open(int w, int h, int swapInterval, bool depthTextures, EdgeSmoothing smoothing) {
    if (!harness_openWindow(w, h, swapInterval, smoothing)) return false;
    ttyInit();
    viewInit();
    cameraInit();
    probeGL();
    if (!depthTextures) probeExtensions("");
    if (!loadPrograms()) return false;
    render_initScene(width, height);
    frame_setScene(SceneHooks{wld_draw, wld_drawShadows, wld_drawEdges});
    wld_setLevelBuilder(&harnessLevel);
    wld_create(0, nullptr);
    if (!wld_created()) return false;
    game_levelStarted();
    vec3f p = wld_objectOfInterestPosition();
    cameraSnapTo({p.x, p.y, p.z});
    viewVisible[VIEW_MENU_PICTURE] = viewVisible[VIEW_MENU_BUTTONS] = 0;
    viewVisible[VIEW_PAUSE] = viewVisible[VIEW_SCENE] = 1;
    return true;
}

void harness_draw(float dt) {
    frame_shadowStep();
    game_tick(dt);
    drawFrame(dt);
}

void harness_present() { window_present(); }

void harness_frame(float dt) {
    harness_draw(dt);
    harness_present();
}

int harness_width() { return width; }
int harness_height() { return height; }

std::vector<unsigned char> harness_readPixels() { return context_readBack(0, 0, width, height); }

void harness_close() {
    if (wld_created()) wld_destroy();
    // The buffers belong to this context; a later window uploads afresh.
    geomdb_clear();
    geomdb_resetCount();
    // The window system stays up for the next test's window.
    window_close();
    smoothing_set(SMOOTH_MULTISAMPLE);
}

bool harness_project(const float world[3], int* px, int* py) {
    const RenderContext& rc = renderContext();
    float m[16];
    mat4_mul(m, rc.camProj, rc.camView);
    float p[4] = {world[0], world[1], world[2], 1.0f}, c[4];
    for (int r = 0; r < 4; r++) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
    if (c[3] <= 0.0f) return false;
    ViewRect scene = viewRect(VIEW_SCENE);
    *px = scene.x + (int)((c[0] / c[3] * 0.5f + 0.5f) * scene.w);
    *py = scene.y + (int)((c[1] / c[3] * 0.5f + 0.5f) * scene.h);
    return true;
}
