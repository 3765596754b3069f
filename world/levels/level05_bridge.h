// The bridge's gap: shared by the terrain model and the construction. Two
// segments, each resting on its two end rails, close the gap from x = -11 to
// -7: the rails sit on the abutment ledges and on the middle pier's cap.
// The deck ends leave each segment about 0.1 of play along the road.
#pragma once

const float BRIDGE_ROAD_TOP = -0.075f;  // deck top; a placed segment's centre is at -0.1
const float BRIDGE_GAP_WEST = -11.06f, BRIDGE_GAP_EAST = -6.94f;
const float BRIDGE_LEDGE_TOP = -0.225f;  // where a segment's end rails stand
const float BRIDGE_LEDGE_LENGTH = 0.3f;
const float BRIDGE_PIER_X = -9.0f, BRIDGE_PIER_HALF = 0.2f;
const float BRIDGE_DECK_HALF_WIDTH = 0.75f;
const float BRIDGE_WEST_BANK = -14.0f, BRIDGE_EAST_BANK = 14.0f;
const float BRIDGE_GORGE_FLOOR = -7.0f;
const float BRIDGE_LOST_BELOW = -6.0f;  // a truck fallen into the gorge is lost
// A segment counts as laid with its centre inside this span and band.
const float BRIDGE_LAID_WEST = -10.8f, BRIDGE_LAID_EAST = -7.2f;
const float BRIDGE_LAID_LOW = -0.125f, BRIDGE_LAID_HIGH = BRIDGE_ROAD_TOP;
const float BRIDGE_LAND_EDGE = 48.0f;  // the banks and hills end here in x
const float BRIDGE_GORGE_END = 28.0f;  // the gorge is closed here in y
