// The gold claim, shared by its terrain shape and its builder: gravel lies
// in the creek bed; the truck scoops it up onto the bench into the tray,
// where it settles and counts as collected; the skid loader pushes it from
// the tray onto the belt, whose guides bring it past the wash point.
#pragma once

namespace yukon {

const float CREEK_Z = -0.95f;
const float BENCH_Z = 0.3f;  // a gravel stone on it rests at 0.4
// The bench lies south of this, its face close by the tray, so that a truck
// standing against it in the creek swings stones from the creek's gravel row
// into the tray. Truck centre at STANCE_Y, measured with the solver kit's
// crane model: the hub lowered over a stone in the row has 0.35 m of reach to
// spare, let down into the tray (hub 0.6 over y -6.45) 0.34 m.
const float BENCH_EDGE_Y = -5.75f;
const float STANCE_Y = -5.13f;
const float TRAY_X0 = -13.5f, TRAY_X1 = 2.8f, TRAY_Y0 = -7.6f, TRAY_Y1 = -6.1f;
const float TRAY_WALL = 0.15f, TRAY_WALL_HEIGHT = 0.18f;
// The tray's floor falls gently from each wall to its middle line, so that a
// stone let go anywhere in it rolls to where the skid loader's bucket, which
// is narrower than the tray, runs along it.
const float TRAY_MID_Y = -6.85f, TRAY_FLOOR_RISE = 0.03f;
const float BELT_X0 = 2.8f, BELT_X1 = 9.0f, BELT_Y0 = -7.6f, BELT_Y1 = -5.95f;
const float BELT_THICKNESS = 0.05f;
const float BELT_RECESS = 0.05f;  // the ground under the belt lies this far down
const float WASH_X = 5.0f, WASH_Y = -6.0f;
const float WASH_Z = 0.4f, WASH_RADIUS = 0.32f;  // a stone this close to the point is washed
const float COLLECTED_Y = -6.0f;                 // a stone at rest south of this is collected
const float GUIDE_HALF_AT_WASH = 0.22f, GUIDE_HEIGHT = 0.25f;
const float BIN_X1 = 11.0f, BIN_FLOOR = -0.3f;
const float HALF_X = 20.0f, NORTH_Y = 12.0f, SOUTH_Y = -14.0f, DEEP_Z = -2.0f;
const float GRAVEL_RADIUS = 0.1f;
// One row along the bench, west of where the truck starts: a stone to each
// stance, the open paddles clear of its neighbours.
const float GRAVEL_X0 = -12.9f, GRAVEL_Y = -3.8f, GRAVEL_PITCH = 0.6f;
const float SKIDLOADER_X = -15.5f, SKIDLOADER_Y = TRAY_MID_Y;
const float LOADER_TIPPED = 0.2f;  // a skid loader leaning this far over is lost

}  // namespace yukon
