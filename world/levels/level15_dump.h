// The granite quarry, shared by its terrain shape and its builder: a quarry
// floor where the truck works, a sunken loading bay beside it where the dump
// truck's bed sits lower than the blocks, a haul road up to the top, and up
// there the unloading tray, a smooth steel floor set into the plateau onto
// which a tipped load slides out in one layer.
#pragma once

namespace dump {

const float FLOOR_Z = -0.7f;  // the quarry floor
const float BAY_Z = -1.3f;    // the loading bay's floor
// The plateau, at the height where a block lying on it counts as unloaded.
const float TOP_Z = 0.85f;
const float DEEP_Z = -3.0f;  // where every block of ground starts
const float BAY_Y0 = -12.0f, BAY_Y1 = -10.4f;
const float BAY_X0 = -16.0f, RAMP_X0 = -4.0f, RAMP_X1 = 10.0f;
// A parapet along the bay's edge, higher than the truck's wheels: the truck
// can stand close to it to reach across the dump truck's bed, and a block
// knocked off the crane's claws stops against it instead of falling in.
// Its top slopes down steeply from the bay's edge to the quarry side, too
// steep for a block to rest on: one that lands up there tips off it onto
// the floor, where the crane can take it again, or falls into the bay and
// ends the game, rather than balancing out of every claw's way.
const float PARAPET_WIDTH = 0.12f, PARAPET_HEIGHT = 0.3f, PARAPET_NORTH_HEIGHT = 0.09f;
// The plateau's face toward the quarry, far enough west of the tray for the
// dump truck to swing round and back onto it.
const float CLIFF_X = -7.0f;
const float EAST_X = 16.0f;
const float NORTH_Y = -4.0f, SOUTH_Y = -25.0f;
// A block counts as unloaded in this box on the tray, one layer high.
const float UNLOADED_X0 = -2.0f, UNLOADED_X1 = -1.25f;
const float UNLOADED_Y0 = -19.85f, UNLOADED_Y1 = -18.55f;
const float UNLOADED_Z0 = 0.9f, UNLOADED_Z1 = 1.1f;
// The tray: a smooth steel floor under the unloading box, walled on three
// sides, open on the north where the dump truck backs up to it. Tipped
// right up, the bed's lip hangs less than a block's height over the floor,
// so the load comes out along it, each block pushing those ahead of it
// south. The floor falls gently to the south, into a recess in the
// plateau, so that a block off the lip slides on out of the way of the
// next one instead of staying where it landed for that one to ride up
// onto; the blocks come to rest against the south wall and one another, in
// one layer, every centre inside the goal's height band (1.03 at the north
// edge, 0.94 at the south wall). The walls stand higher than a block and
// than the dump truck's wheels, south of where the lip reaches, and keep
// every block in the box.
const float TRAY_X0 = -2.1f, TRAY_X1 = -1.15f, TRAY_Y0 = -19.95f;
const float TRAY_NORTH_Z = TOP_Z + 0.05f, TRAY_SOUTH_Z = TOP_Z - 0.04f;
const float TRAY_BASE_Z = TRAY_SOUTH_Z - 0.05f;  // the recess's bottom, under the steel
const float WALL_WIDTH = 0.06f, WALL_FROM_Y = -18.8f, WALL_HEIGHT = 0.45f;
// The tray floor's height at y.
inline float trayFloorZ(float y) {
    return TRAY_SOUTH_Z + (TRAY_NORTH_Z - TRAY_SOUTH_Z) * (y - TRAY_Y0) / (UNLOADED_Y1 - TRAY_Y0);
}
// Where the dump truck's rear wheels stop: its tipped bed's lip then comes
// down over the tray's floor. Backed 0.2 m past it, up on the tray's edge,
// the lip reaches far enough in for the load to fill the box.
const float STANCE_Y = -18.42f;
// A block below the dump truck and below this has fallen into the bay: lost.
const float LOST_BELOW_Z = 0.86f;
// The granite blocks: cubes in a 3-2-1 pyramid on the quarry floor, spaced
// so that a claw of the grapple fits between two blocks of a row.
const float BLOCK_SIZE = 0.25f;
const float BLOCK_DENSITY = 1.5f;
// From the truck's stance at (-11.7, -9.59) on the parapet the crane has
// 0.25 m of reach to spare over the tightest block (the bottom row's east
// corner, outer beam bent 0.8), 0.31 m or more over the others. The west
// corner block goes last, picked from a second stance 0.3 m further west,
// (-12.0, -9.57): from there 0.40 m to spare over it (bent 0.8), 0.55 m
// over where it is set down in the bed's free corner.
const float PYRAMID_X = -11.5f, PYRAMID_Y = -8.17f;
const float BLOCK_GAP = 0.16f;
// Where the dump truck waits in the bay, its wheels close to the bay's
// north wall so that the truck's crane reaches across its bed.
// From the same stance, 0.38 m of reach to spare over the bed's far row of
// three, 0.59 m over the near row (bent 0.8).
const float DUMPTRUCK_X = -11.5f, DUMPTRUCK_Y = -10.90f;

}  // namespace dump
