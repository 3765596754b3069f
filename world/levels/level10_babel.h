// The crate-tower site, shared by its terrain shape and its builder: a ramp
// up to a loading dock a metre high, cut off by a gap that the two bridge
// segments span (their end rails drop into rebates on both edges), and the
// tower pad at the dock's north foot, within reach from dock and ground.
#pragma once

namespace babel {

const float DOCK_TOP = 1.0f;
const float RAMP_X0 = -3.0f, RAMP_X1 = 2.0f;  // the ramp climbs along +x
const float ROAD_HALF = 1.2f;                 // half width of ramp and crossing
const float REBATE = 0.12f, REBATE_DEPTH = 0.125f;
const float GAP_X0 = RAMP_X1 + REBATE;  // the open gap
const float GAP_X1 = GAP_X0 + 1.8f;
const float DOCK_X0 = GAP_X1 + REBATE, DOCK_X1 = 10.0f;
const float DOCK_HALF = 3.0f;             // the dock spans y -3..3
const float PAD_X = 7.0f, PAD_Y = 3.55f;  // the tower's foot
const float GAP_CENTRE = (GAP_X0 + GAP_X1) / 2;
// The finished tower: crates a step apart in height, each within the
// tolerances of the one below.
const float TOWER_STEP = 0.4f;
const float TOWER_STEP_SPREAD = 0.05f;  // of the mean step, bottom to top
const float TOWER_STEP_TOLERANCE = 0.025f;
const float TOWER_OFFSET = 0.2f;  // along x and along y

}  // namespace babel
