// The court's hoop and the ball's stand: shared by the terrain model and the
// construction.
#pragma once

const float COURT_BALL_RADIUS = 0.1f;  // resting on the floor it is below z = 0.11
// From a stance at (-1.8, -0.53), south-west of the stand, the crane has
// 0.49 m of reach to spare with the hub over the ball, 0.13 above its centre
// (crane_can_reach).
const float COURT_STAND_X = -1.2f, COURT_STAND_Y = 0.8f, COURT_STAND_TOP = 0.48f;
// From a stance at (1.21, -0.30), west of the hoop, the crane has 0.22 m of
// reach to spare with the hub 1.85 high over the hoop's axis, where the held
// ball is let go (crane_can_reach; its grid of joint readings has a gap
// there, past which the arm reaches 0.1 m further still).
// The basket narrows so that a ball comes to rest on the hoop's axis with its
// centre at about z = 1.37, inside the job's goal box.
const float COURT_HOOP_X = 2.35f, COURT_RIM_Z = 1.48f, COURT_RIM_R = 0.17f;
const float COURT_NET_BOTTOM_Z = 1.33f, COURT_NET_BOTTOM_R = 0.09f;
// The box a ball in the basket rests in, and the height below which a ball
// has dropped to the floor.
const float COURT_GOAL_X0 = 2.28f, COURT_GOAL_X1 = 2.42f, COURT_GOAL_HALF_Y = 0.07f;
const float COURT_GOAL_Z0 = 1.3f, COURT_GOAL_Z1 = 1.45f;
const float COURT_BALL_DROPPED_Z = 0.11f;
