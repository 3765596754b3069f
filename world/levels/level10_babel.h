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
// The tower's foot on the yard, 0.15 clear of the dock's north face. Reach
// to spare measured from where the truck comes to rest (best bend): from
// the yard stance 1.3 north of it, the pad 0.63, the second crate 0.64; from
// the dock stance 1.3 south of it (the truck seated 1.25 off, its wheels
// 0.48 and its body 0.55 from the edge), the third crate 0.51, the seventh
// 0.44, and the hub 0.3 over the seventh, where it is carried in, 0.22.
const float PAD_X = 8.0f, PAD_Y = 3.35f;
const float TOWER_STANCE_OUT = 1.3f;
// The truck has no brake, and the working arm rolled it up to 0.3 m off the
// dock stance: a V-trough across the dock under each of its axles there, 4 cm
// deep (a fifth of a wheel's radius, so it drives out again) and 15 degrees
// a side, seats its wheels where it stops. The run in along the dock's north
// edge is a straight 2 m, so that it comes in square to the troughs.
const float DOCK_STANCE_X = PAD_X, DOCK_STANCE_Y = PAD_Y - TOWER_STANCE_OUT;
const float SEAT_AXLE = 0.45f;  // the truck's axles either side of its centre
const float SEAT_HALF = 0.15f, SEAT_DEPTH = 0.04f;
const float SEAT_SPAN = 0.5f;  // each trough's reach either side of the stance
// The finished tower: crates a step apart in height, each within the
// tolerances of the one below.
const float TOWER_STEP = 0.4f;
const float TOWER_STEP_SPREAD = 0.05f;  // of the mean step, bottom to top
const float TOWER_STEP_TOLERANCE = 0.025f;
const float TOWER_OFFSET = 0.2f;  // along x and along y
// The truck counts as down in the gap when its centre is over it (or within
// GAP_LOST_MARGIN of it along the road) and well below the dock's top.
const float GAP_LOST_MARGIN = 0.3f;
const float GAP_LOST_DEPTH = 0.3f;

}  // namespace babel
