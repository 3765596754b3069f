// The clean-up yard, shared by its terrain shape and its builder: a paved
// yard with a square drain pit in its middle. The dump truck brings the four
// spheres in its bed; tipped, it leaves them for the skid loader to push in.
#pragma once

namespace cleanup {

const float PIT_HALF = 0.95f;                            // inside the goal's |x|, |y| <= 1
const float PIT_FLOOR = -1.2f;                           // a sphere resting there sits at -1.05
const float IN_PIT_HALF = 1.0f, IN_PIT_BELOW_Z = -0.8f;  // a sphere here is in the pit
const float YARD_HALF = 14.0f;
const float DEEP_Z = -2.0f;
const float SPHERE_RADIUS = 0.15f;
const float SPHERE_DENSITY = 0.25f;
const float SPHERE_DAMPING = 0.01f;  // linear and angular
// The dump truck stands in a pen north-east of the pit, its tail to the
// pen's low west wall. Tipped, it drops the spheres over that wall into the
// lane that runs south past the pen to the pit; it never gets near the pit
// itself, so the skid loader, waiting at the lane's north end, has to push
// them the rest of the way.
// The pen fits the truck with a hand's breadth to spare, so wherever it
// stands the tipped tail reaches past the low wall and nothing lands inside.
const float PEN_WEST = 0.85f;  // the tipping wall's inner face
const float DUMPTRUCK_X = PEN_WEST + 0.95f, DUMPTRUCK_Y = 6.0f;
const float PEN_EAST = DUMPTRUCK_X + 0.95f;  // inner face
const float PEN_HALF = 1.0f;                 // inner half width about the truck
const float PEN_WALL = 0.1f;                 // the tipping wall's thickness
const float PEN_SIDE_WALL = 0.4f;            // the other three, too thick to climb
// The lane is a shallow gutter, as wide as the pit, from past the pen's
// north end to the pit's mouth: the tipped spheres roll down its east side
// and gather along its middle, away from the wall, and it leads them to the
// pit when pushed. It is level along its length, so they never roll in on
// their own, and shallow enough for the loader to drive in and along it.
const float GUTTER_EAST = PEN_WEST - PEN_WALL, GUTTER_WEST = -PIT_HALF;
const float GUTTER_NORTH = 7.6f;
const float GUTTER_DEPTH = 0.03f;
const float LANE_X = -0.1f;  // the gutter's lowest line
const float SKIDLOADER_X = LANE_X, SKIDLOADER_Y = 9.0f;
// The tipping wall is higher than the truck's wheels but low enough that
// the tail, tipped past the hand-over angle, still swings clear of it.
const float TIP_WALL_HIGH = 0.3f;
const float PEN_WALL_HIGH = 0.8f;
// A roof over the cab's end of the pen, just clear of the cab: driven hard
// against a wall the truck would walk its wheels up it; under the roof its
// nose cannot rise. It ends short of the bed, which tips up behind it.
const float CAB_ROOF_WEST = DUMPTRUCK_X + 0.45f, CAB_ROOF_LOW = 1.07f, CAB_ROOF_HIGH = 1.2f;

}  // namespace cleanup
