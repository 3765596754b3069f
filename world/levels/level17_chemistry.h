// The chemical store, shared by its terrain shapes, its builder and its goal:
// a walled floor with a raised dock on either side of the aisle (zones A and
// B), each dock with a row of notched seats. The pallets stand mixed up on
// dock B; the fork lift carries the bases across to dock A.
#pragma once

namespace chemistry {

// The docks' deck: a canister on a pallet on it rests with its centre at
// 1.255, inside the zones' height band.
const float SEAT_Z = 1.0f;
// The deck stands higher than the fork lift's wheels (radius 0.15), so the
// fork lift stays on the floor below it.
const float DECK_HEIGHT = 0.16f;
const float FLOOR_Z = SEAT_Z - DECK_HEIGHT;
// The tines' middle travels from 0.011 to 0.887 over the floor (measured);
// carrying a pallet 6 cm over the deck takes them to 0.23, 0.66 to spare.
const float STORE_X0 = -10.0f, STORE_X1 = 8.0f;
const float STORE_HALF_Y = 6.2f;
const float WALL_HEIGHT = 1.2f;
const float DECK_X0 = -4.0f;  // the docks run from here to the east wall
const float DECK_Y0 = 4.0f;   // the docks' faces, either side of the aisle

// The goal's zones: A at 2.5 < y < 5.9, B mirrored, both along the docks.
// A canister leaning this far over has toppled; so has a fork lift, further.
const float CANISTER_TOPPLED = 0.2f, FORKLIFT_TOPPLED = 0.1f;
const float DOCK_X0 = -4.0f, DOCK_X1 = 6.0f;
const float DOCK_Y0 = 2.5f, DOCK_Y1 = 5.9f;  // |y|
const float DOCK_Z0 = 1.25f, DOCK_Z1 = 1.26f;

// The seats, the same row on both docks. Each has two notches running in
// from the face, under where the tines go (their middles 0.2 either side of
// the fork lift's): lowered into them, from the floor up to 1.5 cm under the
// deck (12 cm of the lift's travel), the tines pass under a seated pallet,
// and the fork lift may stand 6 cm either side of the seat's middle. The
// pallet rests on the ridge between the notches and on the deck outside.
const int SEATS = 8;
const float SEAT_X0 = -3.2f, SEAT_PITCH = 1.2f;
const float SEAT_Y = DECK_Y0 + 0.33f;                  // a pallet's middle, 2 cm in from the face
const float NOTCH_INNER = 0.09f, NOTCH_OUTER = 0.31f;  // from the seat's middle
const float NOTCH_LENGTH = 0.8f;

const float FORKLIFT_X = -5.5f, FORKLIFT_Y = 0.0f;

inline float seatX(int k) { return SEAT_X0 + SEAT_PITCH * k; }

}  // namespace chemistry
