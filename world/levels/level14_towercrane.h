// The tower-crane yard, shared by its shapes and its builder. The crane's
// top has been taken off; its mast stands with the empty bearing seat on
// top, a square rim around (0.85, 0.9) whose floor puts a bearing ball's
// centre at z = 7.14. Beside the mast the lift platform (the lift lever's,
// 3.5 x 1.1, x -1.75..1.75, y -1.15..-0.05) rides between a pit at the
// ground and 6.85, just below the seat.
#pragma once

namespace towercrane {

const float MAST_X0 = 0.25f, MAST_X1 = 1.45f, MAST_Y0 = 0.3f, MAST_Y1 = 1.5f;
const float SEAT_X = 0.85f, SEAT_Y = 0.9f;
const float SEAT_FLOOR = 7.02f, RIM_HALF_INNER = 0.5f, RIM_HEIGHT = 0.1f;
const float BEARING_RADIUS = 0.12f;
// A bearing counts as seated with its centre this high, within a height
// tolerance and a distance (squared) of the seat's middle.
const float BEARING_SEATED_Z = 7.14f, BEARING_SEATED_DZ = 0.05f, BEARING_SEATED_DIST_SQ = 0.64f;
const float PIT_X0 = -1.85f, PIT_X1 = 1.85f, PIT_Y0 = -1.25f, PIT_Y1 = 0.05f, PIT_FLOOR = -0.1f;
// The lever stands on a bracket above its pedestal, clear enough for its
// foot to swing down when it is pushed over to either stop.
const float PEDESTAL_X = 2.3f, PEDESTAL_Y = -0.6f, PEDESTAL_TOP = 0.38f, LEVER_Z = 0.8f;
const float CAGE_X = -6.0f, CAGE_Y = -4.5f;  // the frame lying flat, the balls inside it

}  // namespace towercrane
