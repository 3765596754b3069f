// The tower-crane yard, shared by its shapes and its builder. The crane's
// top has been taken off; its mast stands with the empty bearing seat on
// top: four pockets, two by two, whose floor puts a bearing ball's centre
// at z = 7.14, walled higher than a ball's centre so a ball set in one
// stays there. Beside the mast the lift platform (the lift lever's, 3.5 x
// 1.1, x -1.75..1.75, y -1.15..-0.05) rides between a pit at the ground and
// 6.85, just below the seat; the new bearings wait on it.
#pragma once

namespace towercrane {

const float MAST_X0 = 0.2f, MAST_X1 = 1.1f, MAST_Y0 = 0.2f, MAST_Y1 = 1.1f;
const float SEAT_X = 0.85f, SEAT_Y = 0.9f;
const float SEAT_FLOOR = 7.02f;
// The rim and the cross between the pockets: both stand above a seated
// ball's centre (0.12 over the floor), so a ball cannot roll over them.
const float RIM_WALL = 0.05f, RIM_HEIGHT = 0.2f, DIVIDER_WALL = 0.04f, DIVIDER_HEIGHT = 0.16f;
const float POCKET = (MAST_X1 - MAST_X0 - 2 * RIM_WALL - DIVIDER_WALL) / 2;
// Pocket centres: i = 0, 1 along x and along y. The farthest lies 0.62 from
// the seat's middle.
inline float pocketX(int i) {
    return MAST_X0 + RIM_WALL + POCKET / 2 + i * (POCKET + DIVIDER_WALL);
}
inline float pocketY(int i) {
    return MAST_Y0 + RIM_WALL + POCKET / 2 + i * (POCKET + DIVIDER_WALL);
}
const float BEARING_RADIUS = 0.12f;
// A bearing counts as seated with its centre this high, within a height
// tolerance and a distance (squared) of the seat's middle.
const float BEARING_SEATED_Z = 7.14f, BEARING_SEATED_DZ = 0.05f, BEARING_SEATED_DIST_SQ = 0.64f;
const float PIT_X0 = -1.85f, PIT_X1 = 1.85f, PIT_Y0 = -1.25f, PIT_Y1 = 0.05f, PIT_FLOOR = -0.1f;
// Where the platform stands at the top, and the guard rails round it there
// (reaching well below it, for the platform stops lower under a load):
// higher over the platform than a wheel's radius, so the truck cannot drive
// off it, and clear of its sides so it rides up between them.
const float PLATFORM_TOP_HIGH = 6.875f;
const float RAIL_Z0 = 6.2f, RAIL_Z1 = 7.3f, RAIL_THICK = 0.05f;
const float RAIL_X = 1.8f, RAIL_SOUTH_Y = -1.2f, RAIL_NORTH_Y = 0.0f;
// The lever stands on a bracket above its pedestal, north of the pit and
// west of the mast: reached from the yard beside it and from the platform
// at the bottom.
const float PEDESTAL_X = -0.6f, PEDESTAL_Y = 0.45f, PEDESTAL_TOP = 0.38f, LEVER_Z = 0.8f;
// The balls on the platform's west end, two by two about (BALLS_X,
// BALLS_Y), BALL_SPREAD off it each way: half a metre apart and 0.35 from
// the rails (the west one too), so that the prongs opened round one miss the
// next and the rails.
const float BALLS_X = -1.2f, BALLS_Y = -0.6f, PLATFORM_TOP_START = 2.025f, BALL_SPREAD = 0.25f;
// The frame they came in lies flat in the yard.
const float FRAME_X = -5.0f, FRAME_Y = 4.5f;

}  // namespace towercrane
