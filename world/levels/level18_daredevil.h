// The canyon jump, shared by its terrain shapes and its builder: a run-up
// along y = 0 to the canyon's lip at x = 0, the canyon, and the landing
// beyond; the storage shed where the fork lift parks to start the racer.
#pragma once

namespace daredevil {

const float LIP_X = 0.0f, FAR_X = 2.15f;  // the canyon's two edges
// The far side stands 1.15 m over the run-up with a square edge. Off the
// whole ramp the racer, started slow enough that it rides every step
// rather than flying off the first, clears the edge, and would clear it
// 0.1 m higher; off a ramp short of its middle step it drops off
// the first top against the tallest step's face and lobs up slowly, and
// off a ramp short of its tallest step it leaves the ramp half a metre
// lower: either meets the far face nose first and falls. Beyond the edge
// a landing hill curves down as steeply as the racer comes down, so that
// it lands on its wheels and rolls on to the winning line.
const float FAR_TOP = 1.15f, LANDING_ANGLE = 0.6f, LANDING_RADIUS = 8.0f;
const float LANDING_Z = FAR_TOP - 1.3973f;  // the radius times 1 - cos(angle)
const int LANDING_PIECES = 6;
const float CANYON_FLOOR = -12.0f;
const float WEST_X = -45.0f, EAST_X = 40.0f, HALF_Y = 14.0f;
const float DEEP_Z = -2.0f;
// Where the ramp is to be built: three steps marked on the run-up before
// the lip, a ramp top on the ground, one on a base and one on two bases,
// the tallest at the lip. A top's slope runs 1.19 m and a base is 1.2 m
// long, so the steps stand a little more than that apart.
const float RAMP_PITCH = 1.25f;
// The fork lift sets every part square to it from the south, the parts'
// 0.85 m depth on its forks: at the tallest step its side stands 0.32 m
// from the lip with the lip's kerb between; the pair of base and top goes
// onto the base there with the tines 0.885 m up, 2 mm under the lift's
// top, its legs 3 cm over the lower base's.
const float RAMP_LAST_X = LIP_X - 0.65f;  // the middle of the tallest step
const float RAMP_MARK_HALF = 0.62f;       // each step's painted box, half its length
// A lead-in curves the run-up onto the first step: a top on the ground has
// its low edge 0.27 m up, more than a racer's wheel can take at speed, and
// a sharp bend or ledge there bounces the racer off the ramp. The lead-in
// rises as an arc to the top's own slope and meets the top's low edge 5 mm
// short of it and 2 mm under it. Its end is cut back under that edge, along
// the top's end, to where the top's short leg stands against it, which
// also squares that top.
const float TOP_TILT = 0.3665f;                                    // a ramp top's slope
const float LEAD_X1 = RAMP_LAST_X - 2 * RAMP_PITCH - 0.58f;        // the first top's short leg
const float LEAD_EDGE_X = LEAD_X1 - 0.036f, LEAD_HEIGHT = 0.269f;  // its top, under the top's edge
const float LEAD_CUT_Z = 0.175f;  // the cut's foot on the leg's line, under the top's end
const int LEAD_PIECES = 6;
// A kerb along the whole lip, on the canyon's side of it: higher than the
// fork lift's wheels, so that it cannot drive into the canyon, low enough
// that a racer off the bare run-up still goes over it and falls. The fork
// lift setting the tallest step has its side 0.32 m from it.
const float GUARD_WIDTH = 0.12f, GUARD_HEIGHT = 0.25f;
// The storage shed: a fork lift inside it starts the show.
const float SHED_X0 = -36.6f, SHED_X1 = -33.4f, SHED_Y0 = 1.4f, SHED_Y1 = 6.2f;
const float SHED_WALL = 0.2f, SHED_HEIGHT = 1.6f;
// The fork lift parked in here starts the racer.
const float PARKED_X0 = -36.0f, PARKED_X1 = -34.0f, PARKED_Y0 = 2.0f, PARKED_Y1 = 5.6f;
// The racer's drive is cut past here; it has made the jump past WON_X and
// is lost below LOST_Z.
const float RACER_CUT_X = -3.0f, RACER_WON_X = 10.0f, RACER_LOST_Z = -9.0f;
// The racer runs only once, so once started, one standing still this long
// short of the winning line (bounced back onto the run-up, on its back
// against the lip, stopped on the far side) has lost: nothing can set it
// going again.
const float RACER_REST_SPEED = 0.05f;
const int RACER_REST_TICKS = 180;
// Ten metres of run-up: farther back the racer comes to the ramp fast
// enough to jump a missing step.
const float RACER_X = -13.0f;
const float FORKLIFT_X = -27.0f, FORKLIFT_Y = 4.0f;
// The ramp parts wait in one row beside the run-up, the bases west of the
// tops, each open to the south for the forks.
const float PARTS_X = -14.0f, PARTS_PITCH = 1.5f, PARTS_Y = -3.0f;

}  // namespace daredevil
