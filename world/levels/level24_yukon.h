// The gold claim, shared by its terrain shape and its builder: gravel lies
// in the creek bed; the truck scoops it up onto the bench into the tray,
// where it settles and counts as collected; the skid loader pushes it from
// the tray onto the belt, whose guides bring it past the wash point.
#pragma once

namespace yukon {

const float CREEK_Z = -0.95f;
const float BENCH_Z = 0.3f;        // a gravel stone on it rests at 0.4
const float BENCH_EDGE_Y = -5.0f;  // the bench lies south of this
const float TRAY_X0 = -2.5f, TRAY_X1 = 2.8f, TRAY_Y0 = -7.6f, TRAY_Y1 = -6.1f;
const float TRAY_WALL = 0.15f, TRAY_WALL_HEIGHT = 0.18f;
const float BELT_X0 = 2.8f, BELT_X1 = 9.0f, BELT_Y0 = -7.6f, BELT_Y1 = -5.6f;
const float BELT_THICKNESS = 0.05f;
const float BELT_RECESS = 0.05f;  // the ground under the belt lies this far down
const float WASH_X = 5.0f, WASH_Y = -6.0f;
const float WASH_Z = 0.4f, WASH_RADIUS = 0.32f;  // a stone this close to the point is washed
const float COLLECTED_Y = -6.0f;                 // a stone at rest south of this is collected
const float GUIDE_HALF_AT_WASH = 0.22f, GUIDE_HEIGHT = 0.25f;
const float BIN_X1 = 11.0f, BIN_FLOOR = -0.3f;
const float HALF_X = 20.0f, NORTH_Y = 12.0f, SOUTH_Y = -14.0f, DEEP_Z = -2.0f;
const float GRAVEL_RADIUS = 0.1f;
const float GRAVEL_X0 = -1.6f, GRAVEL_Y0 = -1.0f, GRAVEL_PITCH = 0.8f;
const float SKIDLOADER_X = -5.0f, SKIDLOADER_Y = -6.85f;
const float LOADER_TIPPED = 0.2f;  // a skid loader leaning this far over is lost

}  // namespace yukon
