// The egg meadow, shared by its terrain shape and its builder: a flat
// meadow with hedges, a pond, trees and tree stumps, the eggs hidden about
// it, some on the stumps, and the trailer waiting in the middle.
#pragma once

namespace egghunt {

const float HALF = 24.0f, DEEP_Z = -1.0f;
const float POND_X = -9.0f, POND_Y = 8.0f, POND_R = 3.0f;
// The pond's basin has steep sides, too deep for a wheel or an egg to come
// back out of; its stone rim stands higher than a truck wheel's radius, so
// that nothing drives or rolls in.
const float POND_FLOOR = -0.4f, POND_RIM_WALL = 0.25f, POND_RIM_TOP = 0.3f;
const float STUMP_R = 0.3f, STUMP_TOP = 0.3f;
// The job: this many eggs lie in the trailer at once, none of them still
// held by the grapple. An egg lies in it when its centre is inside this box
// in the trailer's own frame (half lengths along and across, and the
// heights above its body's centre).
const int EGG_COUNT = 8;
const float IN_TRAILER_HALF_X = 0.78f, IN_TRAILER_HALF_Y = 0.29f;
const float IN_TRAILER_LOW_Z = 0.0f, IN_TRAILER_HIGH_Z = 1.0f;

struct EggSpot {
    float x, y;
    bool onStump;
};
const EggSpot EGGS[EGG_COUNT] = {
    {6.0f, 3.0f, false}, {-5.0f, 3.5f, true},  {9.0f, -4.0f, false}, {-8.0f, -3.0f, false},
    {3.0f, -7.0f, true}, {12.0f, 5.0f, false}, {-2.0f, 9.0f, false}, {14.0f, -1.5f, true},
};
const float TRAILER_X = 0.0f, TRAILER_Y = 0.0f;

}  // namespace egghunt
