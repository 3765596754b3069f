// The chemical store, shared by its terrain shapes and its builder: a store
// floor raised to loading-dock height, with the two docks (zones A and B) on
// either side of the aisle where the pallets stand mixed up.
#pragma once

namespace chemistry {

// A canister on a pallet on this floor rests with its centre at 1.255.
const float FLOOR_Z = 1.0f;
const float STORE_X0 = -7.0f, STORE_X1 = 8.0f;
const float STORE_HALF_Y = 7.0f;
const float DOCK_X0 = -4.0f, DOCK_X1 = 6.0f;  // the zones along x
const float DOCK_Y0 = 2.5f, DOCK_Y1 = 5.9f;   // the zones' |y|
const float WALL_HEIGHT = 1.2f;
const float BUMPER_HEIGHT = 0.25f;
// Pallets in two rows of four down the aisle.
const float PALLET_X0 = -2.7f, PALLET_PITCH = 1.8f;
const float PALLET_ROW_Y = 0.75f;
const float FORKLIFT_X = -5.5f, FORKLIFT_Y = 0.0f;

}  // namespace chemistry
