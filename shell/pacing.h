// Frame pacing: the game advances one 1/60 s tick per frame at 60 Hz and
// below, but a faster display (144 Hz, or no vsync at all) must not make
// the game faster than real time. On such frames a tick runs only once
// about 1/60 s of measured time has gathered, never more than one a frame.
#pragma once

struct FramePacer {
    float owed;       // measured time not yet ticked away, seconds
    float sinceTick;  // measured time since the last tick
};

// Adds one frame's measured time; true when this frame runs the tick, with
// *tickDt the measured time since the previous tick (what the end picture's
// timer advances by).
bool pacer_frame(FramePacer* pacer, float frameDt, float* tickDt);
