// The bench's fixed player input: a few seconds of driving, steering and
// crane work, the same in every level, so the camera and the shadows move.
#pragma once

// Posts the input messages due at this tick of a level (0 = its first frame).
void benchScript_post(int tick);
