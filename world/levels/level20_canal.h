// The canal at low tide, shared by its terrain shapes and its builder: the
// railway crosses the canal on two pillars; each pillar takes two risers in
// sockets, one under each rail, and girders laid from seat to riser to riser
// to seat become the missing rails. The banks' rails, the abutments' seats
// and the riser caps all bring a girder's rail head to the same height.
#pragma once

#include <cmath>

namespace canal {

const float BANK_Z = 0.6f;  // both banks
// The canal bed, drivable at low tide. It lies high enough that a truck on it
// carries a riser over a socket with the outer beam low: steeper, the beam
// meets the riser's cap and tips it in the claws.
const float BED_Z = -0.7f;
const float WATER_Z = BED_Z + 0.03f;  // puddles in the channel
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
const float SOCKET_INNER = 0.21f, SOCKET_WALL = 0.06f, SOCKET_DEPTH = 0.03f;
// Over each socket's walls a funnel of four smooth steel plates sloping up
// and out: a riser's foot let down a hand's breadth off the socket, or
// leaning in the claws, slides on them into it instead of standing on a
// wall. FUNNEL_REACH out from the hole's edge over FUNNEL_RISE.
const float FUNNEL_REACH = 0.2f, FUNNEL_RISE = 0.12f, FUNNEL_PLATE = 0.03f;
const float FUNNEL_TOP = PILLAR_TOP + SOCKET_DEPTH + FUNNEL_RISE;
// The slipway from the west bank down into the bed, south of the railway.
const float SLIP_Y0 = -7.0f, SLIP_Y1 = -4.5f, SLIP_X0 = -16.0f;
const float HALF_Y = 25.0f, WEST_X = -40.0f, EAST_X = 25.0f;
// Where things wait: two risers on the bed south of the pillars and two
// north, either side of the gap's line. The risers go in from stances in
// the gap itself, the truck's centre on a rail's line, so that the boom
// points along the rails over a socket: the claws hold a riser by its
// handles square to the boom, and a riser set in from there has its handles
// along the rails, where they keep a girder's foot between them. A waiting
// riser stands with its handles pointing at its stance, so that the claws
// take it as they must hold it over the socket. Measured from the stances as the truck comes to
// rest there, the crane has at least 0.54 m of reach to spare over a riser set down in its socket
// and 0.32 m over a waiting riser's handles (the south- east one, the tightest).
const float GAP_X = (SUPPORT_X[1] + SUPPORT_X[2]) / 2;
const float RISER_WAIT_Y = RAIL_Y + 1.0f;
const float RISER_AT[4][2] = {{SUPPORT_X[1], -RISER_WAIT_Y},
                              {SUPPORT_X[2], -RISER_WAIT_Y},
                              {SUPPORT_X[1], RISER_WAIT_Y},
                              {SUPPORT_X[2], RISER_WAIT_Y}};
// The girders wait on the bed lying along the rails, each on the line of
// the span it makes and ahead of the stance it is laid from, so that the
// claws take it square to the boom as they must hold it over its supports:
// the middle span's two north of the bridge, for a truck heading north out
// of the gap; the west and east spans' two south of it, for a truck heading
// south through their openings. The first of each pair is laid on the far
// rail from a stance 1.17 m short of it on the span's line, the second on
// the near rail from a stance a metre on; each waits 1.29 m ahead of its
// stance. Measured by the crane's own solution with the outer beam folded
// 0.8 rad, from such a stance the claws come 0.49 m further out and 0.24 m
// nearer than a waiting girder's head, and 0.44 m further out and 0.42 m
// nearer than a laid girder's head.
const float GIRDER_AT[6][2] = {
    {SUPPORT_X[1] + 1.0f, 1.95f},   // reach to spare 0.49 out, 0.24 in
    {SUPPORT_X[1] + 1.0f, 2.95f},   // 0.49, 0.24
    {SUPPORT_X[0] + 1.0f, -1.95f},  // 0.49, 0.24
    {SUPPORT_X[0] + 1.0f, -2.95f},  // 0.49, 0.24
    {SUPPORT_X[2] + 1.0f, -1.95f},  // 0.49, 0.24
    {SUPPORT_X[2] + 1.0f, -2.95f},  // 0.49, 0.24
};
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

// The sockets: the south rail's two, west first, then the north rail's.
inline float socketX(int s) { return SUPPORT_X[1 + s % 2]; }
inline float socketY(int s) { return (s / 2 ? 1 : -1) * RAIL_Y; }
// Riser i waits for socket i, its handles turned towards its stance.
inline float riserTurn(int i) {
    return std::atan2(socketY(i) - RISER_AT[i][1], GAP_X - RISER_AT[i][0]);
}

// One funnel plate as a box: its centre, its long axis up the slope, its
// axis along the hole's edge, its sizes. Plate k of socket s faces the hole
// from the side turned k quarter turns from +x. The drawing and the
// collision both come from here.
struct FunnelPlate {
    float centre[3], up[3], along[3];
    float length, width;
};

inline FunnelPlate funnelPlate(int s, int k) {
    const float H = SOCKET_INNER / 2, R = FUNNEL_REACH, T = FUNNEL_RISE, t = FUNNEL_PLATE;
    const float slope = std::atan2(T, R), turn = 1.5707963f * k;
    const float cx = std::cos(turn), cy = std::sin(turn);
    // The inner face runs from the walls' inner top edge out and up; the
    // plate's thickness lies behind it, outward and down.
    const float out = H + R / 2 + t / 2 * std::sin(slope);
    const float z = PILLAR_TOP + SOCKET_DEPTH + T / 2 - t / 2 * std::cos(slope);
    FunnelPlate p = {{socketX(s) + out * cx, socketY(s) + out * cy, z},
                     {std::cos(slope) * cx, std::cos(slope) * cy, std::sin(slope)},
                     {-cy, cx, 0},
                     std::hypot(R, T),
                     2 * (H + R + t)};
    return p;
}

}  // namespace canal
