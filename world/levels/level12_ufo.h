// The desert compound, shared by its shapes and its builder. The prison
// walls stand in two slots across the yard: the store slot where they
// wait, and the wall slot at x = -5.5 where they belong. A wall's foot
// drops into a slot (funnelled by chamfers, smooth in the wall slot) while
// its base plate rests on the ground either side, which puts its centre at
// exactly z = 0.6.
#pragma once

namespace ufo {

// Reach to spare, the truck standing in the lane midway between the two
// slots' base plates (its centre at x = -6.85) abreast of where the wall it
// works goes (walls are set 1.04 apart, stored 1.0): the store pick 0.34
// (0.20 with the open claw 0.3 over the top bar); over the wall slot, the
// foot hung 0.15 clear of it, 0.22 to 0.42 as the hub hangs from 5 cm
// beyond to 15 cm short of the slot's line, and 0.41 or more letting it
// down into the slot.
const float WALL_SLOT_X = -5.5f;
const float STORE_SLOT_X = -8.3f;
const float SLOT_HALF = 0.062f;  // a wall's foot is 0.1 thick: 1.2 cm play
const float CHAMFER = 0.08f;     // the funnel widens this much either side at the top
const float CHAMFER_DEPTH = 0.06f;
const float SLOT_FLOOR = -0.3f;  // below the foot (which reaches 0.2 under the ground)
const float SLOT_HALF_LENGTH = 3.3f;
const float WALL_Z = 0.6f;
const float WALL_TOLERANCE = 0.025f;  // a wall seated in the slot by its funnel
const float WALL_SPACING = 1.0f;      // walls 0.98 wide, stored with a small gap
// A wall tipped further than this (its upright below it) with its centre
// this low lies on the ground: the claw cannot stand it up again.
const float WALL_FLAT_UPRIGHT = 0.5f;
const float WALL_LYING_BELOW = 0.45f;
const float HANGAR_X0 = 4.0f, HANGAR_X1 = 12.0f, HANGAR_Y0 = 3.0f, HANGAR_Y1 = 11.0f;

}  // namespace ufo
