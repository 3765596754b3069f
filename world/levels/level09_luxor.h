// The tomb at Luxor, shared by its terrain shape and its builder: a stone
// mastaba over a sunken burial chamber, whose lid (the tomb seal) rests on
// a stepped top so that its rims fall back into place within a few cm.
#pragma once

namespace luxor {

const float TOMB_X = 2.0f, TOMB_Y = -2.0f;
const float TOMB_TOP = 0.507f;   // the seal's slab rests here: its centre at 0.557
const float STEP_Z = 0.407f;     // where the seal's rims end; the walls widen below
const float HALF_UPPER = 0.80f;  // outer half width above the step: 0.1 play in the rims
const float HALF_LOWER = 0.88f;  // below it
const float HALF_INNER = 0.72f;  // the chamber's half width
// Shallow enough that the crane, reaching in over the south wall from its
// stance, sets a coffin down on the floor: one let go still hanging stays
// hooked on a claw and comes up again with it.
const float CHAMBER_FLOOR = -0.15f;
const float RIVER_X = 8.0f;  // the Nile bank starts here and falls to the river bed
const float RIVER_BED = -3.0f;
const float COFFIN_SIZE[3] = {0.9f, 0.32f, 0.25f};
// A lifting bar on two posts along the lid, for the grapple's claws to hook
// under (like the seal's handle).
const float BAR_SIZE[3] = {0.6f, 0.08f, 0.08f};
// The bar stands high enough over the lid that the claws' fingers, which
// dip as they open, swing out from under it without touching the lid: on a
// lower bar they pushed on the lid, tipped the hub and hooked the bar again.
const float BAR_HEIGHT = 0.2f;  // bar centre above the lid
const float POST_SIZE[3] = {0.06f, 0.12f, 0.17f};
const float POST_X = 0.26f;
// The truck works the whole job from one stance south of the tomb, its
// centre about (2.0, -3.58), heading east. From there the crane has, to
// spare: 0.37 over the seal on the tomb, 0.26 over the sand about
// (2.0, -5.25) south of the truck where the lifted seal is set down, 0.49
// over the queen and 0.65 over her place in the chamber. The queen waits
// ahead of the stance, turned across the truck so that the claws, closing
// along the arm, meet her bar square.
const float QUEEN_X = 3.45f, QUEEN_Y = -3.58f, QUEEN_YAW = 1.5707964f;
// The chamber's span in which both coffins must lie, below the rim height.
const float BURIED_X0 = 1.2f, BURIED_X1 = 2.8f, BURIED_Y0 = -2.8f, BURIED_Y1 = -1.2f;
const float BURIED_TOP = 0.5f;
const float SEAL_Z = 0.557f;  // a seal resting on the tomb's top
const float SEAL_PLAY = 0.15f, SEAL_PLAY_Z = 0.05f;
const float LOST_BELOW = -2.0f;  // a truck gone down the Nile bank

}  // namespace luxor
