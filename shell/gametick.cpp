#include "shell/gametick.h"

#include <cmath>

#include "bus/bus.h"
#include "render/camera.h"
#include "render/framerate.h"
#include "render/light.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "world/wld.h"

namespace {

void (*controlsUpdate)(float h) = nullptr;
bool levelStarting = false;

// The camera and the light follow the object of interest; on a level's
// first tick the camera jumps onto it instead of flying in from the origin.
void followObjectOfInterest(bool snap) {
    if (!wld_objectOfInterest()) return;
    vec3f p = wld_objectOfInterestPosition();
    vec3f x = wld_objectOfInterestForward();
    if (snap) cameraSnapTo(vec3c{p.x, p.y, p.z});
    CameraState& cam = camera();
    cam.interestPoint = {p.x, p.y, p.z};
    cam.targetHeading = cam.cameraHeading = atan2f(x.y, x.x);
    light_aimAt(p.x, p.y, p.z);
}

void advanceLevel() {
    if (!wld_created()) return;
    bool first = levelStarting;
    levelStarting = false;
    if (first) game_step(GAME_TICK);
    // A level may start with nothing to follow and hand its first vehicle
    // over in its goals, which only run when the world does.
    followObjectOfInterest(first);
    cameraUpdate(GAME_TICK);
    updateLightView();
    if (!first) game_step(GAME_TICK);
}

}  // namespace

void game_setControlsUpdate(void (*update)(float h)) { controlsUpdate = update; }

void game_step(float h) {
    wld_update(h);
    if (controlsUpdate) controlsUpdate(h);
    postMessage("frametick");
}

void game_levelStarted() { levelStarting = true; }

bool game_levelShowing() { return !viewVisible[VIEW_SETTINGS] && !viewVisible[VIEW_MENU_PICTURE]; }

void game_tick(float frameDt) {
    advanceLevel();
    game_advanceEndTimer(framerate_clean(frameDt));
}
