// The hazard site's layout, shared by its terrain shape and its builder:
// two plateaus either side of a ditch, a bridge whose two girder channels
// are empty, a bay beside the bridge to work from, and the sunken store.
#pragma once

namespace hazard {

const float HALF = 14.0f;  // the plateaus reach this far from the origin
const float PLATEAU_TOP = 1.0f;
const float GAP_SOUTH = -3.2f;  // the ditch, across the whole site
const float GAP_NORTH = -2.0f;
const float NORTH_EAST_Y = -1.6f;   // east of the bridge the north bank steps back
const float BRIDGE_X = 3.0f;        // centre line of the bridge, which runs along y
const float TRACK = 0.35f;          // channel centres either side: the truck's wheel track
const float CHANNEL_WIDTH = 0.24f;  // a girder's foot is 0.2
const float CHANNEL_DEPTH = 0.21f;  // a girder's full height: it lies flush with the road
const float WALL = 0.1f;
const float CHANNEL_RUN = 0.6f;  // how far the channels run into either bank
const float MARGIN = 0.2f;       // road beside the outer channel walls
// The bay: a dead end of the south bank beside the bridge, fenced to the
// north and west, from which the arm reaches along x to lay the girders.
const float BAY_X0 = 3.85f, BAY_X1 = 5.6f, BAY_Y1 = -1.85f;
const float FENCE = 0.1f, FENCE_HEIGHT = 0.4f;
// The store: a pit down to the ground plane, with a kerb on its south rim.
const float STORE_X0 = -4.0f, STORE_X1 = 4.0f, STORE_Y0 = 1.0f, STORE_Y1 = 9.0f;
const float KERB = 0.15f, KERB_HEIGHT = 0.1f;
// A stacker counts as stored anywhere in this box round the store, below
// the plateaus' top.
const float STORED_X0 = -5.0f, STORED_X1 = 5.0f, STORED_Y0 = 0.0f, STORED_Y1 = 10.0f;
const float STORED_BELOW_Z = 1.0f;

}  // namespace hazard
