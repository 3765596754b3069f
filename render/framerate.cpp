#include "render/framerate.h"

#include <cmath>

namespace {
const float TICK = 1.0f / 60.0f;
FrameRate rate = {TICK, 0};
}  // namespace

FrameRate& frameRate() { return rate; }

void framerate_reset() { rate = {TICK, 0}; }

float framerate_clean(float dt) { return dt > 0.0f && dt < 1.0f ? dt : TICK; }

float framerate_measure(float dt) {
    if (dt <= 0.0f) dt = TICK;
    if (dt < 1.0f) {
        rate.smoothedFrameTime = 0.8f * rate.smoothedFrameTime + 0.2f * dt;
        rate.fps = (int)floorf(1.0f / rate.smoothedFrameTime + 0.5f);
    } else {
        dt = TICK;
        rate.fps = 0;
    }
    return dt;
}
