#include "shell/pacing.h"

#include <algorithm>

#include "render/framerate.h"
#include "shell/gametick.h"

namespace {
// Frames this close to 1/60 s are display refreshes at 60 Hz with their
// usual jitter (about 2 ms either way): each one ticks. Anything shorter is
// a faster display, whose frames gather time until a tick is due.
const float SLACK = 0.003f;
const float DUE = GAME_TICK - SLACK;
}  // namespace

bool pacer_frame(FramePacer* p, float frameDt, float* tickDt) {
    float dt = framerate_clean(frameDt);
    p->owed += dt;
    p->sinceTick += dt;
    if (dt < DUE && p->owed < DUE) return false;
    // No catching up after slow frames or a stall, and no credit run up by
    // a string of short 60 Hz frames either.
    p->owed = std::min(std::max(p->owed - GAME_TICK, -SLACK), GAME_TICK);
    *tickDt = p->sinceTick;
    p->sinceTick = 0.0f;
    return true;
}
