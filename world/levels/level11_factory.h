// The factory hall, shared by its shapes and its builder. The belt is the
// conveyor lever's own (10 m along x at y = 0, top at 0.725, running
// towards +x and ending at x = 0); the truck works from just past its end,
// sweeping boxes off sideways into the dumpsters either side.
#pragma once

namespace factory {

const float BELT_X0 = -10.0f, BELT_X1 = 0.0f, BELT_HALF = 0.225f, BELT_BOTTOM = 0.675f;
// A low stop across the belt short of its end: a box not swept off waits
// against it, over the bins, instead of dropping off the end onto the
// floor, where a truck without a grapple could never get it back. Low
// enough for the boom to sweep over it (its underside comes no lower than
// 0.835 there), far enough in that a box swept off it lands inside a bin.
const float BELT_STOP_X0 = -0.2f, BELT_STOP_X1 = -0.15f;
const float BELT_STOP_Z0 = 0.727f, BELT_STOP_Z1 = 0.8f;  // clear of the belt itself
// Worked from beside the bins' east ends, the boom tip has reach to spare
// (the solver kit's reach_margin): 0.50 m along the south lid's swing, 0.21 m
// along the north lid's up to 100 degrees, 0.52 m at the lever's top and
// 0.21 m at the end of a sweep off the belt.
const float DUMPSTER_X = -1.0f, DUMPSTER_Y = 0.85f;          // centres, either side
const float DUMPSTER_Z = 0.276f;                             // its floor plate on the hall floor
const float DUMPSTER_HALF_X = 1.0f, DUMPSTER_HALF_Y = 0.5f;  // the bin's footprint
// A box's centre lower than this, outside both bins, lies on the hall floor
// (it rests at 0.14 there, and at 0.19 on a bin's floor plate).
const float BOX_ON_FLOOR_Z = 0.3f;
const float PEDESTAL_X = 0.8f, PEDESTAL_Y = 1.9f, PEDESTAL_TOP = 0.5f;
const float HALL_X0 = -13.0f, HALL_X1 = 6.0f, HALL_HALF = 6.0f;
const float HALL_WALL = 0.3f, HALL_WALL_HEIGHT = 1.0f;
const double LID_OPEN_ANGLE = 1.5707964;  // a dumpster lid swung past upright

}  // namespace factory
