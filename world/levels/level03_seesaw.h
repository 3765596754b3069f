// Where the seesaw yard's parts are: shared by the terrain model and the
// level's construction so the plank, its notch, the cart's stands and the
// rack agree to the millimetre.
#pragma once

// The plank is hinged at the world origin about y, its long arm to the west:
// a weight on that arm outweighs a truck on the short arm. The short arm is
// longer than the truck, so a truck that crosses unweighted is tipped off
// before its front wheels reach the dock.
const float SEESAW_PLANK_WEST = -4.5f, SEESAW_PLANK_EAST = 2.5f;
const float SEESAW_PLANK_HALF_WIDTH = 1.2f, SEESAW_PLANK_HALF_THICK = 0.05f;
// The west end rests in a notch; the east end stops short of the dock.
const float SEESAW_NOTCH_WEST = -4.8f, SEESAW_TRENCH_WEST = -4.35f;
const float SEESAW_DOCK_WEST = 2.55f;
// The trench runs wall to wall, so the plank is the only way over, and is
// deep enough that whatever falls in lies below the level's loss line.
const float SEESAW_TRENCH_HALF = 1.4f, SEESAW_TRENCH_FLOOR = -2.4f;
const float SEESAW_YARD_NORTH = 8.0f;
// The loading platform on the dock, reached by a ramp from the west; it
// reaches round the rack so a ball knocked off lands on it, and a kerb
// keeps balls and the truck from rolling off its sides.
const float SEESAW_PLATFORM_WEST = 6.0f, SEESAW_PLATFORM_EAST = 11.5f;
const float SEESAW_PLATFORM_SOUTH = -2.5f, SEESAW_PLATFORM_NORTH = 1.6f;
const float SEESAW_RAMP_NORTH = 0.75f;
const float SEESAW_PLATFORM_TOP = 0.4f;
const float SEESAW_KERB_HEIGHT = 0.25f, SEESAW_KERB_WIDTH = 0.1f;
const float SEESAW_GUTTER_WIDTH = 0.25f, SEESAW_GUTTER_DEPTH = 0.12f;
// The cart stands level on its axle and two stands: a ball inside rests at
// about z = 0.84, inside the job's band 0.6 .. 1.0. Reach to spare over the
// drops into it, from the truck on the platform where it came to rest (the
// solver kit's model): 0.30 m for the first ball down to 0.20 m for the
// last, the tightest place of the job.
const float SEESAW_CART_X = 8.9f, SEESAW_CART_Y = -1.2f, SEESAW_CART_Z = 0.75f;
const float SEESAW_CART_STAND_TOP = SEESAW_CART_Z - 0.075f;
// The rack the balls wait on: their centres at z = 2.0 along y = 1, a
// board behind them. Over each ball 0.36 to 0.47 m of reach to spare.
const float SEESAW_RACK_WEST = 8.15f, SEESAW_RACK_EAST = 9.85f, SEESAW_RACK_Y = 1.0f;
const int SEESAW_BALLS = 5;
const float SEESAW_RACK_FIRST = 8.4f, SEESAW_RACK_STEP = 0.3f;
const float SEESAW_BALL_RADIUS = 0.11f;
const float SEESAW_SEAT_HALF = 0.085f, SEESAW_SEAT_STUD = 0.02f, SEESAW_RAIL_HEIGHT = 0.02f;
const float SEESAW_RACK_TOP = 2.0f - SEESAW_BALL_RADIUS;

// The job: exactly this many balls in the cart's height band; a ball or the
// truck below the loss line (the trench) ends it.
const float SEESAW_CART_BAND_LOW = 0.6f, SEESAW_CART_BAND_HIGH = 1.0f;
const float SEESAW_LOST_BELOW = -1.0f;
