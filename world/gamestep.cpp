#include "world/gamestep.h"

#include "bus/bus.h"
#include "world/wld.h"

namespace {
void (*controlsUpdate)(float h) = nullptr;
}

void game_setControlsUpdate(void (*update)(float h)) { controlsUpdate = update; }

void game_step(float h) {
    wld_update(h);
    if (controlsUpdate) controlsUpdate(h);
    postMessage("frametick");
}
