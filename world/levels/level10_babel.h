// The crate-tower site, shared by its terrain shape and its builder: a ramp
// up to a loading dock, cut off by a gap that the two bridge segments span
// (their end rails drop into rebates on both edges), and the tower pad at
// the dock's north foot.
//
// Why the tower is built from two places: from the yard the arm lifts a
// crate only four or five high, and from the dock it cannot reach down to
// the yard with any reach to spare, so the first two crates are set on the
// pad from the yard and the other five from the dock. Reach to spare by the
// solver kit's model (within_reach, the bend it picks) is written beside
// each place.
#pragma once

namespace babel {

const float DOCK_TOP = 1.2f;
const float RAMP_X0 = -4.0f, RAMP_X1 = 2.0f;  // the ramp climbs along +x
const float ROAD_HALF = 1.2f;                 // half width of ramp and crossing
const float REBATE = 0.12f, REBATE_DEPTH = 0.125f;
const float GAP_X0 = RAMP_X1 + REBATE;  // the open gap
const float GAP_X1 = GAP_X0 + 1.8f;
const float DOCK_X0 = GAP_X1 + REBATE, DOCK_X1 = 10.0f;
const float DOCK_HALF = 3.0f;  // the dock spans y -3..3
const float GAP_CENTRE = (GAP_X0 + GAP_X1) / 2;
// Each half of the crossing, one segment wide, is laid from the yard at the
// gap's mouth on its own side: the truck stands in the mouth facing the
// crossing, its centre SEGMENT_STANCE_Y out, the segment waiting on the yard
// to its left, turned across its final heading. The segment waits 1.4 out
// from where it is picked up: its grip 0.36 to spare; the seat, 1.37 out
// from the mouth stance, 0.34.
const float SEGMENT_LANE_Y = 0.53f;  // each segment's centre off the road's axis, 6 cm apart
const float SEGMENT_STANCE_Y = 1.9f;
const float SEGMENT_WAIT_OUT = 1.4f;  // across the road from the pick stance
// The tower's foot on the yard, 0.15 clear of the dock's north face. From
// the yard stance 1.3 north of it: the pad 0.34 to spare, the second crate
// 0.34. From the dock stance 1.3 south of it (wheels 0.52 from the edge):
// the third crate 0.28, the seventh 0.28.
const float PAD_X = 7.0f, PAD_Y = 3.35f;
const float TOWER_STANCE_OUT = 1.3f;
// The finished tower: crates a step apart in height, each within the
// tolerances of the one below.
const float TOWER_STEP = 0.4f;
const float TOWER_STEP_SPREAD = 0.05f;  // of the mean step, bottom to top
const float TOWER_STEP_TOLERANCE = 0.025f;
const float TOWER_OFFSET = 0.2f;  // along x and along y

}  // namespace babel
