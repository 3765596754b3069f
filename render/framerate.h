// The frame-rate figure: the measured frame time, smoothed. Measured time
// feeds this figure, the end-picture and tutorial timers and the frame
// pacing; a tick itself always advances the world by the fixed 1/60 s.
#pragma once

struct FrameRate {
    float smoothedFrameTime;  // seconds
    int fps;                  // 0 after a stall of a second or more
};

FrameRate& frameRate();
void framerate_reset();
// Cleans up the measured dt (<= 0 or >= 1 s become 1/60 s), updates the
// figure and returns the dt the timers should use.
float framerate_measure(float dt);
// The same clean-up alone, leaving the figure as it is.
float framerate_clean(float dt);
