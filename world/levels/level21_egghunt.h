// The egg meadow, shared by its terrain shape and its builder: a flat
// meadow with hedges, a pond, trees and tree stumps, the eggs hidden about
// it, some on the stumps, and the trailer waiting in the middle.
#pragma once

namespace egghunt {

const float HALF = 24.0f, DEEP_Z = -1.0f;
const float POND_X = -9.0f, POND_Y = 8.0f, POND_R = 3.0f;
const float STUMP_R = 0.3f, STUMP_TOP = 0.3f;
struct EggSpot {
    float x, y;
    bool onStump;
};
const EggSpot EGGS[8] = {
    {6.0f, 3.0f, false}, {-5.0f, 3.5f, true},  {9.0f, -4.0f, false}, {-8.0f, -3.0f, false},
    {3.0f, -7.0f, true}, {12.0f, 5.0f, false}, {-2.0f, 9.0f, false}, {14.0f, -1.5f, true},
};
const float TRAILER_X = 0.0f, TRAILER_Y = 0.0f;

}  // namespace egghunt
