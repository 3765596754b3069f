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
// Seat, pillar, pillar, seat, a girder's length and 7 cm apart. Nothing can
// hold a girder along the rail at a pillar (the riser goes in from above
// right where a stop between two girders' ends would stand), so the ends
// are given room instead: a girder let down up to 2.5 cm off its place
// along the rail still lies clear of its neighbours with both ends on its
// supports, and the train's wheels roll over 3.5 to 8.5 cm gaps.
const float MID_X = -3.0f;  // the bridge's middle
const float SPAN = 2.05f;
const float SUPPORT_X[4] = {MID_X - 1.5f * SPAN, MID_X - 0.5f * SPAN, MID_X + 0.5f * SPAN,
                            MID_X + 1.5f * SPAN};
const float SEAT_HALF_X = 0.2f;
const float WEST_EDGE = SUPPORT_X[0] - SEAT_HALF_X;  // where the banks end
const float EAST_EDGE = SUPPORT_X[3] + SEAT_HALF_X;
const float RAIL_Y = 0.5f;     // both rails, at +-: 1 cm beside the wheels' flanges
const float RAIL_HEAD = 0.8f;  // top of every rail
const float RAIL_WIDTH = 0.08f;
const float GIRDER_HEAD_ABOVE = 0.16f, GIRDER_FOOT_BELOW = 0.05f;
const float SEAT_Z = RAIL_HEAD - GIRDER_HEAD_ABOVE - GIRDER_FOOT_BELOW;  // a girder's foot
const float RISER_HEIGHT = 1.1f;
const float CAP_ABOVE = 0.05f;  // the riser cap's top above the riser's top
// A riser stands with its handles across the rail, and a girder's foot lies
// on the handles, this far above the cap: the pillars stand this much lower
// than the seats' level alone would put them.
const float HANDLE_PROUD = 0.025f;
const float PILLAR_TOP = SEAT_Z - HANDLE_PROUD - CAP_ABOVE - RISER_HEIGHT;
const float PILLAR_HALF_X = 0.3f, PILLAR_HALF_Y = 0.8f;
const float SOCKET_INNER = 0.21f, SOCKET_WALL = 0.06f, SOCKET_DEPTH = 0.03f;
// Over each socket's walls a funnel of four smooth steel plates sloping up
// and out: a riser's foot let down a hand's breadth off the socket, or
// leaning in the claws, slides on them into it instead of standing on a
// wall. FUNNEL_REACH out from the hole's edge over FUNNEL_RISE.
const float FUNNEL_REACH = 0.2f, FUNNEL_RISE = 0.12f, FUNNEL_PLATE = 0.03f;
const float FUNNEL_TOP = PILLAR_TOP + SOCKET_DEPTH + FUNNEL_RISE;
// Beside each rail, wherever a girder's end comes to lie, a smooth steel
// plate either side slopes up and out from just clear of the foot: a
// girder let down a few degrees askew and a couple of centimetres off its
// line slides on them square onto its supports. On the seats they run the
// seat's length; on a pillar a short one on a post stands either side of
// the riser's cap, clear of the riser as it goes down into its socket.
const float GUIDE_IN = 0.105f;  // the plates' inner foot from the rail's line
const float GUIDE_REACH = 0.1f, GUIDE_RISE = 0.12f, GUIDE_PLATE = 0.02f;
const float GUIDE_OFF = 0.24f, GUIDE_SHORT = 0.08f;  // a pillar's plates, out from its middle
const float GUIDE_POST = 0.04f;
// The slipway from the west bank down into the bed, south of the railway.
const float SLIP_Y0 = -7.0f, SLIP_Y1 = -4.5f, SLIP_X0 = -16.0f;
const float HALF_Y = 25.0f, WEST_X = -40.0f, EAST_X = 25.0f;
// A riser goes in from a stance south of its pillar for the south rail's
// sockets and north of it for the north rail's, the crane's pivot on the
// pillar's line, so that the boom points across the rails over the socket:
// the claws hold a riser by its handles along the boom, so a riser set in
// from there has its handles across the rail, under a girder's foot. It
// waits on the bed beside its stance with its handles along the line to the
// pivot, so that the claws take it as they must hold it over the socket.
// (The south stances face the pillar; the north ones back up to it.)
const float RISER_PIVOT_Y[2] = {-1.75f, 1.5f};  // south, north
const float RISER_WAIT_OUT = 1.1f;              // west of the west pillar, east of the east one
// Measured by the solver kit from the stances as the truck comes to rest
// there: reach to spare over a waiting riser's handles, then over its socket
// with the riser carried over the funnel.
const float RISER_AT[4][2] = {
    {SUPPORT_X[1] - RISER_WAIT_OUT, RISER_PIVOT_Y[0]},  // 0.75, socket 0.50
    {SUPPORT_X[2] + RISER_WAIT_OUT, RISER_PIVOT_Y[0]},  // 0.79, socket 0.50
    {SUPPORT_X[1] - RISER_WAIT_OUT, RISER_PIVOT_Y[1]},  // 0.81, socket 0.52
    {SUPPORT_X[2] + RISER_WAIT_OUT, RISER_PIVOT_Y[1]},  // 0.82, socket 0.60
};
const float GAP_X = (SUPPORT_X[1] + SUPPORT_X[2]) / 2;
// The girders wait on the bed lying along the rails on their spans' lines,
// out of the lanes the truck drives to and from the riser stances: the
// middle span's two north of the bridge, the west and east spans' four
// south of it.
// Each is picked from a stance 1.36 m short of it, facing it, and laid from
// one with the crane's pivot 1.17 m from its rail. Reach to spare over a
// waiting girder's head with the outer beam folded 0.6 rad, measured from
// the stance as the truck comes to rest there; then over its place on the
// bridge, carried with its foot clear of the guides (the tightest) and set
// on its supports.
const float GIRDER_AT[6][2] = {
    {GAP_X, 7.6f},                               // 0.51; laid 0.28, 0.41
    {GAP_X, 8.6f},                               // 0.51; laid 0.27, 0.41
    {(SUPPORT_X[0] + SUPPORT_X[1]) / 2, -7.5f},  // 0.51; laid 0.27, 0.41
    {(SUPPORT_X[0] + SUPPORT_X[1]) / 2, -8.5f},  // 0.51; laid 0.27, 0.40
    {(SUPPORT_X[2] + SUPPORT_X[3]) / 2, -7.5f},  // 0.51; laid 0.27, 0.41
    {(SUPPORT_X[2] + SUPPORT_X[3]) / 2, -8.5f},  // 0.51; laid 0.27, 0.41
};
const float TRAIN_X = 8.0f;
// Pushed over eastwards with the claws from a stance south-west of it on
// the bank, heading east: reach to spare 0.66 where the push starts, 0.43
// where it ends.
const float LEVER_X = -9.0f, LEVER_Y = -2.0f;
// The lever sends the train west at this speed; it has crossed past
// ACROSS_X and is lost when it tilts sideways past the limit.
const float TRAIN_SPEED = 3.0f;
const float TRAIN_ACROSS_X = -14.0f, TRAIN_TILT_LIMIT = 0.15f;
// Sent off once and never again: a train come to a stand short of the far
// bank (nose down at an unbuilt gap, or held at a girder's end) ends the job
// there, or the player would wait for ever.
const float TRAIN_STOOD_SPEED = 0.02f;
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
// Where the girder of span k (0 west .. 2 east) lies, along the rail.
inline float spanMiddle(int k) { return (SUPPORT_X[k] + SUPPORT_X[k + 1]) / 2; }
// Riser i waits for socket i, its handles along the line to its stance's
// pivot. The handles slope a little; turned this way round, the crane sets
// the riser in with the slope leaning a girder's rail head outwards, away
// from the wheels' flanges.
inline float riserTurn(int i) {
    return std::atan2(RISER_AT[i][1] - RISER_PIVOT_Y[i / 2], RISER_AT[i][0] - socketX(i));
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

// The girder guides: plate side (-1 or 1, across the rail) beside rail r
// (0 south, 1 north) at support k (0..3), and at a pillar plate end e (-1
// west of the riser, 1 east); a seat has one run along it (e = 0).
inline FunnelPlate girderGuide(int k, int r, int side, int e) {
    const float R = GUIDE_REACH, T = GUIDE_RISE, t = GUIDE_PLATE;
    const float slope = std::atan2(T, R), c = std::cos(slope), sn = std::sin(slope);
    const float rail = (r ? 1 : -1) * RAIL_Y;
    const float y = rail + side * (GUIDE_IN + R / 2 + t / 2 * sn);
    const float z = SEAT_Z + T / 2 - t / 2 * c;
    const bool seat = k == 0 || k == 3;
    FunnelPlate p = {{SUPPORT_X[k] + e * GUIDE_OFF, y, z},
                     {0, side * c, sn},
                     {1, 0, 0},
                     std::hypot(R, T),
                     seat ? 2 * SEAT_HALF_X : GUIDE_SHORT};
    return p;
}

// The post under a pillar's guide plate, as a box's centre and sizes: it
// stands on the pillar under the plate's outer half.
struct Post {
    float centre[3], size[3];
};

inline Post guidePost(int k, int r, int side, int e) {
    const float rail = (r ? 1 : -1) * RAIL_Y, top = SEAT_Z + GUIDE_RISE / 2;
    Post p = {{SUPPORT_X[k] + e * GUIDE_OFF,
               rail + side * (GUIDE_IN + GUIDE_REACH - GUIDE_POST / 2), (PILLAR_TOP + top) / 2},
              {GUIDE_SHORT, GUIDE_POST, top - PILLAR_TOP}};
    return p;
}

// Calls f(k, rail, side, end) for every girder guide.
template <class F>
void forEachGirderGuide(F f) {
    for (int k = 0; k < 4; k++)
        for (int rail = 0; rail < 2; rail++)
            for (int side = -1; side <= 1; side += 2) {
                if (k == 0 || k == 3)
                    f(k, rail, side, 0);
                else
                    for (int end = -1; end <= 1; end += 2) f(k, rail, side, end);
            }
}

}  // namespace canal
