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
    {6.0f, 3.0f, false}, {-7.5f, -4.0f, true},   {9.0f, -4.0f, false},  {1.0f, -4.0f, false},
    {1.0f, -7.0f, true}, {-16.5f, -4.0f, false}, {-19.5f, -4.0f, true}, {-7.5f, -7.0f, false},
};
// The tipping humps: the crane sets eggs down on the front half of the
// trailer's bed only, so the truck tows the trailer over a hump whose steep
// face tilts the bed past the point where a standing egg topples; it falls
// over backwards, toward the tail, and frees the front for the next ones. A
// hump rises westward from the foot of its steep face, has a flat top, and
// comes down a gentle slope that no lying egg slides on.
struct Hump {
    float steepFootX, y;
};
const int HUMP_COUNT = 3;
const Hump HUMPS[HUMP_COUNT] = {{8.2f, -5.45f}, {0.2f, -5.45f}, {-9.0f, -5.45f}};
const float HUMP_TOP = 0.69f;  // above the meadow
const float HUMP_HALF_WIDTH = 1.0f, HUMP_FLAT = 1.0f;
// The steep face rises 32 degrees (an egg topples past about 27), the gentle
// side falls 15; both are run lengths here.
const float HUMP_STEEP_RUN = 1.104f, HUMP_GENTLE_RUN = 2.575f;
// Rails along both long edges of a hump, higher above its surface than a
// truck wheel's radius, so that a wheel cannot run off the side into the
// drop to the meadow.
const float HUMP_RAIL_HIGH = 0.25f, HUMP_RAIL_THICK = 0.1f;
const float TRAILER_X = 0.0f, TRAILER_Y = 0.0f;

}  // namespace egghunt
