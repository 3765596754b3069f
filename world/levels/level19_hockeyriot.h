// The street after the riot, shared by its terrain shapes and its builder:
// the police station's walled yard north of the street with its gate, the
// street where the two cars were left spinning, and the arena opposite.
#pragma once

namespace hockeyriot {

// A police car counts as brought back standing upright inside this
// rectangle, and the job needs both of them there.
const float BACK_X0 = -32.0f, BACK_X1 = -16.0f, BACK_Y0 = 6.0f, BACK_Y1 = 16.0f;
const float BACK_UPRIGHT = 0.97f;
const int CARS_TO_BRING = 2;

// The yard's walls stand on the rectangle's edges.
const float YARD_X0 = BACK_X0, YARD_X1 = BACK_X1, YARD_Y0 = BACK_Y0, YARD_Y1 = BACK_Y1;
// A police car only rolls along its length (its tyres hold it sideways), so
// the gate is as wide as the lines a pushed car can take into the yard: the
// east car's own line crosses the yard's south side at x = -19.8.
const float GATE_X0 = -29.0f, GATE_X1 = -17.0f;
const float WALL = 0.3f, WALL_HEIGHT = 1.0f;
const float HALF_X = 45.0f, HALF_Y = 30.0f;
const float DEEP_Z = -1.0f;
const float KERB_Y = 4.0f;  // the pavement's edge on the station's side
// Where the cars stand, and the spin each was left with (rad/s about z).
const float CAR_AT[2][2] = {{-23.0f, -1.5f}, {-12.0f, -4.0f}};
const float CAR_SPIN[2] = {2.0f, -2.6f};
const float FORKLIFT_X = -30.0f, FORKLIFT_Y = -5.0f;

}  // namespace hockeyriot
