// The containment shaft and its yard: shared by the terrain model and the
// construction. Three stackers stacked in the shaft all end up below
// z = -0.42, each within 0.02 of the shaft's axis.
#pragma once

const float STACKEM_SHAFT_X = -9.0f, STACKEM_SHAFT_Y = 3.0f;
const float STACKEM_SHAFT_INNER = 0.38f;  // a stacker's top plate is 0.34 wide
const float STACKEM_SHAFT_FLOOR = -1.6f;
const float STACKEM_FUNNEL_TOP = 0.25f, STACKEM_FUNNEL_REACH = 0.3f;
// The walled containment yard, entered through a gate in its east wall.
const float STACKEM_YARD_WEST = -12.5f, STACKEM_YARD_EAST = -5.0f;
const float STACKEM_YARD_SOUTH = -0.5f, STACKEM_YARD_NORTH = 6.5f;
const float STACKEM_GATE_SOUTH = 1.2f, STACKEM_GATE_NORTH = 3.0f;
const float STACKEM_WALL_HEIGHT = 1.0f;
// Where the trailer waits, loaded; the truck stands hitched in front of it.
const float STACKEM_TRAILER_X = 4.0f, STACKEM_TRAILER_Y = -3.0f, STACKEM_TRAILER_Z = 0.35f;
