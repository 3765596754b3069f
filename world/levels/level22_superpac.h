// The viaduct, shared by its terrain shape and its builder: the boards stand
// on a ledge along the viaduct's west face, each between two pegs, and a
// terrace road beside it, reached by a ramp, brings the crane within reach.
#pragma once

namespace superpac {

const float LEDGE_Z = 4.1f;  // a board standing on it has its centre at 4.75
const float LEDGE_X0 = 1.6f, FACE_X = 1.87f;
const float PARAPET_X1 = 2.2f, PARAPET_TOP = 5.4f;
const float DECK_X1 = 6.0f, DECK_Z = 4.9f;
const float VIADUCT_HALF_Y = 30.0f;
const float PEG_WIDTH = 0.04f, PEG_HEIGHT = 0.05f;
const float TERRACE_Z = 3.6f;
// The terrace runs right up to the viaduct's face, so the truck works beside
// it with no drop on that side; a stone fill closes the arches at terrace
// height, and a guard wall along its open west and north edges, higher than
// a wheel, keeps the truck and a knocked board on it.
const float TERRACE_X0 = -2.4f, TERRACE_X1 = LEDGE_X0;
const float TERRACE_Y0 = -8.0f, TERRACE_Y1 = 9.0f;
const float GUARD_HEIGHT = 0.4f, GUARD_THICK = 0.2f;
const float RAMP_Y0 = -26.0f;  // the ramp rises north from here to the terrace
const float RAMP_X0 = -2.4f, RAMP_X1 = 1.2f;
const float HALF = 32.0f, DEEP_Z = -1.0f;
// Where the boards wait on the terrace: in a row west of the truck's line,
// the board waiting at y = 2 p hangs at place p. The truck works each board
// with its centre on TRUCK_LINE_X at y = 1.5 p, facing north; its slew axis
// stands SLEW_AHEAD ahead of that. From there the crane's grapple hub
// reaches both the board's top and the place above the ledge with at least
// 0.26 m to spare (the kit's crane_can_reach, bend straight). A grasped
// board turns with the slew, so each waits turned by the slew it gets and
// arrives facing east.
const float BOARDS_X = -0.4f, BOARDS_Y0 = -3.0f, BOARDS_PITCH = 1.0f;
const float TRUCK_LINE_X = 0.9f, STANCE_PER_PLACE = 1.5f, SLEW_AHEAD = 0.37f;
// Where a hung board stands: its centre over the ledge, at the height its
// legs give it there, held both ways so a board fallen below does not count.
const float HUNG_X = 1.8f, HUNG_Z = 4.75f;
const float HUNG_HEADING = 0.9f;  // facing west, give or take
const float HUNG_X_TOLERANCE = 0.15f, HUNG_Y_TOLERANCE = 0.05f, HUNG_Z_TOLERANCE = 0.05f;

}  // namespace superpac
