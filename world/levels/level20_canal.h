// The canal at low tide, shared by its terrain shapes and its builder: the
// railway crosses the canal on two pillars; each pillar takes two risers in
// sockets, one under each rail, and girders laid from seat to riser to riser
// to seat become the missing rails. The banks' rails, the abutments' seats
// and the riser caps all bring a girder's rail head to the same height.
#pragma once

namespace canal {

const float BANK_Z = 0.6f;     // both banks
const float BED_Z = -1.2f;     // the canal bed, drivable at low tide
const float WATER_Z = -1.17f;  // puddles in the channel
const float DEEP_Z = -2.5f;
const float WEST_EDGE = -6.2f, EAST_EDGE = 0.2f;         // where the banks end
const float SUPPORT_X[4] = {-6.0f, -4.0f, -2.0f, 0.0f};  // seat, pillar, pillar, seat
const float RAIL_Y = 0.5f;     // both rails, at +-: 1 cm beside the wheels' flanges
const float RAIL_HEAD = 0.8f;  // top of every rail
const float RAIL_WIDTH = 0.08f;
const float GIRDER_HEAD_ABOVE = 0.16f, GIRDER_FOOT_BELOW = 0.05f;
const float SEAT_Z = RAIL_HEAD - GIRDER_HEAD_ABOVE - GIRDER_FOOT_BELOW;  // a girder's foot
const float RISER_HEIGHT = 1.1f;
const float CAP_ABOVE = 0.05f;  // the riser cap's top above the riser's top
const float PILLAR_TOP = SEAT_Z - CAP_ABOVE - RISER_HEIGHT;
const float PILLAR_HALF_X = 0.3f, PILLAR_HALF_Y = 0.8f;
const float SOCKET_INNER = 0.25f, SOCKET_WALL = 0.06f, SOCKET_DEPTH = 0.06f;
// The slipway from the west bank down into the bed, south of the railway.
const float SLIP_Y0 = -7.0f, SLIP_Y1 = -4.5f, SLIP_X0 = -16.0f;
const float HALF_Y = 25.0f, WEST_X = -40.0f, EAST_X = 25.0f;
// Where things wait: the risers on the bed beside the pillars' outer faces,
// within the crane's reach of a truck standing in the gap between the
// pillars (which reaches all four sockets from there); the girders on the
// west bank, the train east.
const float GAP_X = (SUPPORT_X[1] + SUPPORT_X[2]) / 2;
const float RISER_OFF_X = 0.9f, RISER_OFF_Y = 1.25f;  // from the gap's middle
const float RISER_AT[4][2] = {{GAP_X - RISER_OFF_X, -RISER_OFF_Y},
                              {GAP_X + RISER_OFF_X, -RISER_OFF_Y},
                              {GAP_X - RISER_OFF_X, RISER_OFF_Y},
                              {GAP_X + RISER_OFF_X, RISER_OFF_Y}};
const float GIRDERS_X = -11.0f, GIRDERS_Y = 6.0f;
const float TRAIN_X = 8.0f;
const float LEVER_X = -9.0f, LEVER_Y = -2.0f;
// The lever sends the train west at this speed; it has crossed past
// ACROSS_X and is lost when it tilts sideways past the limit.
const float TRAIN_SPEED = 3.0f;
const float TRAIN_ACROSS_X = -14.0f, TRAIN_TILT_LIMIT = 0.15f;
// The level crossing over the west bank's rails, west of where the train
// ever runs: a deck flush with the rail heads, flangeways beside each rail,
// and a ramp up from the bank on either side.
const float CROSSING_X0 = -21.5f, CROSSING_X1 = -19.0f;
const float FLANGEWAY = 0.05f;
const float CROSSING_DECK_Y = 1.0f;  // the deck's outer edges, at +-
const float CROSSING_RAMP = 1.2f;    // each ramp's run; it rises 0.2 m

}  // namespace canal
