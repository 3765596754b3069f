// The frame-rate figure: the measured frame time, smoothed. Measured time
// feeds only this figure and the end-picture and tutorial timers; the game
// itself always advances one fixed tick per frame.
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
