// The viaduct, shared by its terrain shape and its builder: the boards stand
// on a ledge along the viaduct's west face, each between two pegs, and a
// terrace road beside it, reached by a ramp, brings the crane within reach.
#pragma once

namespace superpac {

const float LEDGE_Z = 4.1f;  // a board standing on it has its centre at 4.75
const float LEDGE_X0 = 1.6f, FACE_X = 1.87f;
// The parapet backs a hung board's panel but stays below its top bar: the
// grapple's claws, gripping that bar along the boom, reach out over it.
const float DECK_X1 = 6.0f, DECK_Z = 4.9f;
const float PARAPET_X1 = 2.2f, PARAPET_TOP = DECK_Z;
const float VIADUCT_HALF_Y = 30.0f;
// The pegs between the places: a ridge a board's foot slides off, the gap
// between two just wider than a board's pair of legs.
const float PEG_WIDTH = 0.05f, PEG_HEIGHT = 0.08f, PEG_PITCH = 0.5f;
// Along the places two rails, as high as the pegs, make a slot a board's
// feet just fit, so that a seated board stands square and cannot be tipped
// off the ledge by the next one let down beside it. Their inner top edges
// are bevelled into a funnel of smooth steel that moves a foot let down a
// little off the slot into it; the rest of them grips like the stone, so
// a foot pressed against a rail's face cannot climb it.
const float SLOT_X0 = 1.765f, SLOT_X1 = 1.835f;  // the feet are 0.06 across
const float RAIL_X0 = 1.70f, RAIL_HEIGHT = PEG_HEIGHT;
const float BEVEL_WIDTH = 0.025f, BEVEL_DROP = 0.04f;
// The bevels are smooth steel plates this thick, laid into the rails.
const float BEVEL_PLATE = 0.01f;
const float RAILS_Y0 = -1.75f, RAILS_Y1 = 1.75f;  // the pegs' span
const float TERRACE_Z = 3.6f;
// The terrace runs right up to the viaduct's face, so the truck works beside
// it with no drop on that side; a stone fill closes the arches at terrace
// height, and a guard wall along its open west and north edges, higher than
// a wheel, keeps the truck and a knocked board on it. Only the ramp's head
// is as wide as the ramp: north of it the terrace is cut back to just west
// of the boards, so that from the start, down on the grass, the player sees
// them over its edge rather than a tall blank face.
const float TERRACE_X0 = -2.4f, TERRACE_X1 = LEDGE_X0;
const float TERRACE_Y0 = -8.0f, TERRACE_Y1 = 9.0f;
const float NARROW_X0 = -1.0f, NARROW_Y0 = -5.0f;
const float GUARD_HEIGHT = 0.3f, GUARD_THICK = 0.2f;
const float RAMP_Y0 = -26.0f;  // the ramp rises north from here to the terrace
const float RAMP_X0 = -2.4f, RAMP_X1 = 1.2f;
const float HALF = 32.0f, DEEP_Z = -1.0f;
// Where the boards wait on the terrace: each due west of its own place, in
// two rows so that neighbours stand a metre apart; the board of place p
// waits at y = p, in the far row for an even step from the north end. The
// grapple grips a board across its thickness along the boom and turns with
// the slew, so a board waits facing west and arrives facing east, square to
// the ledge, after half a turn. The truck works each board with its centre,
// which the slew turns about, on TRUCK_LINE_X level with the place, facing
// north. From there the kit's crane_can_reach (bend straight) leaves at
// least 0.27 m of reach where the grapple takes a board (the near row's is
// the least) and 0.32 m where it lets the board down on the ledge.
const float BOARDS_FAR_X = -0.75f, BOARDS_NEAR_X = -0.5f;
const float TRUCK_LINE_X = 0.8f;
// Where a hung board stands: its centre over the ledge, at the height its
// legs give it there, held both ways so a board fallen below does not count.
const float HUNG_X = 1.8f, HUNG_Z = 4.75f;
const float HUNG_HEADING = 0.9f;  // facing west, give or take
const float HUNG_X_TOLERANCE = 0.15f, HUNG_Y_TOLERANCE = 0.05f, HUNG_Z_TOLERANCE = 0.05f;

}  // namespace superpac
