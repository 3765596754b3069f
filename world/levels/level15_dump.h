// The granite quarry, shared by its terrain shape and its builder: a quarry
// floor where the truck works, a sunken loading bay beside it where the dump
// truck's bed sits lower than the blocks, a haul road up to the top, and up
// there the unloading bin behind a kerb that stops the reversing dump truck.
#pragma once

namespace dump {

const float FLOOR_Z = -0.7f;  // the quarry floor
const float BAY_Z = -1.5f;    // the loading bay's floor
const float TOP_Z = 1.3f;     // the plateau
const float DEEP_Z = -3.0f;   // where every block of ground starts
const float BAY_Y0 = -12.0f, BAY_Y1 = -10.4f;
const float BAY_X0 = -16.0f, RAMP_X0 = -4.0f, RAMP_X1 = 10.0f;
const float CLIFF_X = -5.0f;  // the plateau's face toward the quarry
const float EAST_X = 16.0f;
const float NORTH_Y = -4.0f, SOUTH_Y = -25.0f;
// The unloading bin: a pit in the plateau, just inside the goal's area.
const float BIN_X0 = -1.97f, BIN_X1 = -1.28f;
const float BIN_Y0 = -19.82f, BIN_Y1 = -18.58f;
const float BIN_FLOOR = 0.85f;
// A block counts as unloaded in this box round the bin, one layer high.
const float UNLOADED_X0 = -2.0f, UNLOADED_X1 = -1.25f;
const float UNLOADED_Y0 = -19.85f, UNLOADED_Y1 = -18.55f;
const float UNLOADED_Z0 = 0.9f, UNLOADED_Z1 = 1.1f;
// A block below the dump truck and below this has fallen into the bay: lost.
const float LOST_BELOW_Z = 0.86f;
const float KERB_WIDTH = 0.15f, KERB_HEIGHT = 0.12f;
// The granite blocks: cubes in a 3-2-1 pyramid on the quarry floor.
const float BLOCK_SIZE = 0.25f;
const float BLOCK_DENSITY = 1.5f;
const float PYRAMID_X = -11.5f, PYRAMID_Y = -8.6f;
const float BLOCK_GAP = 0.03f;
// Where the dump truck waits in the bay.
const float DUMPTRUCK_X = -11.5f, DUMPTRUCK_Y = -11.2f;

}  // namespace dump
