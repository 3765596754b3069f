// The bridge's gap: shared by the terrain model and the construction. One
// hole in the deck, as long as a segment and as wide as two laid side by
// side along the road, a wheel track on each. A segment's west rail stands
// in a groove across the hole's west end, with a shelf a deck's thickness
// below the road behind it for the deck's end, and its east rail on a
// ledge across the east end. The drop starts past the shelf, so that the
// truck can stand side-on at the hole's west end to lay the segments.
#pragma once

const float BRIDGE_ROAD_TOP = -0.075f;  // deck top; a placed segment's centre is at -0.1
const float BRIDGE_GAP_WEST = -10.0f, BRIDGE_GAP_EAST = -7.92f;  // along the road
const float BRIDGE_GAP_HALF_WIDTH = 1.25f;                       // across it
const float BRIDGE_LEDGE_TOP = -0.225f;  // where a segment's end rails stand
const float BRIDGE_GROOVE_EAST = -9.8f;  // the west rails' groove runs from the deck's end to here
const float BRIDGE_SHELF_TOP = -0.125f;  // a laid segment's deck bottom
const float BRIDGE_SHELF_EAST = -9.65f;  // the shelf ends, and the drop begins, here
const float BRIDGE_LEDGE_WEST = -8.18f;  // the east ledge runs from here to the deck's end
const float BRIDGE_DECK_HALF_WIDTH = 0.75f;
// West of the hole the deck is a walled plaza the truck turns on.
const float BRIDGE_PLAZA_HALF_WIDTH = 3.6f;
const float BRIDGE_WALL_HEIGHT = 0.6f;  // its outer walls
// The walls beside the hole: too high to drive over, low enough for a
// segment carried to the stances to pass over them.
const float BRIDGE_KERB_WALL_HEIGHT = 0.35f;
const float BRIDGE_WEST_BANK = -14.0f, BRIDGE_EAST_BANK = 14.0f;
const float BRIDGE_GORGE_FLOOR = -7.0f;
const float BRIDGE_LOST_BELOW = -6.0f;  // a truck fallen into the gorge is lost
// A truck driven onto one segment alone has a wheel track over the open
// half: it tips in and falls, or hangs there leaning, on its side or on its
// back, its wheels in the hole and no way out. Like that over the hole it is
// lost too (pitched a little against the wall at the laid one's end, it can
// still back off).
const float BRIDGE_HANGING_TILT = 0.25f, BRIDGE_HANGING_UPRIGHT = 0.9f;
// A segment counts as laid with its centre inside this span and band.
const float BRIDGE_LAID_WEST = -10.8f, BRIDGE_LAID_EAST = -7.2f;
const float BRIDGE_LAID_LOW = -0.125f, BRIDGE_LAID_HIGH = BRIDGE_ROAD_TOP;
const float BRIDGE_LAND_EDGE = 48.0f;  // the banks and hills end here in x
const float BRIDGE_GORGE_END = 28.0f;  // the gorge is closed here in y
