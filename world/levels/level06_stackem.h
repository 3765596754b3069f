// The containment shaft and its yard: shared by the terrain model and the
// construction. Three stackers stacked in the shaft all end up below
// z = -0.42, each within 0.01 of the shaft's axis.
#pragma once

#include <cmath>

const float STACKEM_SHAFT_X = -9.0f, STACKEM_SHAFT_Y = 3.0f;
// A stacker's top plate is 0.3414 wide: it rests flat on the floor or on the
// stacker below, so this leaves it 0.01 to either side of the axis.
const float STACKEM_SHAFT_INNER = 0.36f;
const float STACKEM_SHAFT_FLOOR = -1.6f;
// The shaft is lined with smooth steel plates standing just proud of the
// concrete, so that a stacker touching a side slides down it rather than
// hanging there tilted.
const float STACKEM_LINER = 0.04f, STACKEM_LINER_PROUD = 0.03f;
// How near the axis, and how deep, every stacker must come to rest.
const float STACKEM_TOLERANCE = 0.025f, STACKEM_BELOW = -0.42f;
// The truck lower than this has fallen somewhere it cannot drive out of.
const float STACKEM_TRUCK_LOST_BELOW = -1.0f;
// The funnel: four smooth steel plates sloping up and out from the hole's
// edge. Steep and slippery, so a stacker let go over it, turned or off the
// axis, slides on its corners until it is square and drops in.
const float STACKEM_FUNNEL_TOP = 0.35f, STACKEM_FUNNEL_REACH = 0.25f;
const float STACKEM_FUNNEL_PLATE = 0.04f;
// The walled containment yard, entered through a gate in its west wall.
const float STACKEM_YARD_WEST = -12.5f, STACKEM_YARD_EAST = -5.0f;
const float STACKEM_YARD_SOUTH = -0.5f, STACKEM_YARD_NORTH = 6.5f;
const float STACKEM_GATE_SOUTH = 0.7f, STACKEM_GATE_NORTH = 2.5f;
const float STACKEM_WALL_HEIGHT = 1.0f;
// Where the trailer waits, loaded, west of the yard; the truck stands hitched
// in front of it, facing the gate. The lane through the gate runs along its y.
const float STACKEM_TRAILER_X = -17.0f, STACKEM_TRAILER_Y = 1.6f, STACKEM_TRAILER_Z = 0.35f;

// One funnel plate as a box: its centre, its long axis up the slope and its
// axis along the hole's edge. Plate k faces the hole from the side turned
// k quarter turns from +x. The drawing and the collision both come from here.
struct StackemPlate {
    float centre[3], up[3], along[3];
    float length, width;
};

inline StackemPlate stackemFunnelPlate(int k) {
    const float H = STACKEM_SHAFT_INNER / 2, R = STACKEM_FUNNEL_REACH, T = STACKEM_FUNNEL_TOP;
    const float t = STACKEM_FUNNEL_PLATE;
    const float slope = std::atan2(T, R), turn = 1.5707963f * k;
    const float cx = std::cos(turn), cy = std::sin(turn);
    // The inner face runs from (H, 0) to (H + R, T) out from the axis; the
    // plate's thickness lies behind it, outward and down.
    const float out = H + R / 2 + t / 2 * std::sin(slope), z = T / 2 - t / 2 * std::cos(slope);
    StackemPlate p = {{STACKEM_SHAFT_X + out * cx, STACKEM_SHAFT_Y + out * cy, z},
                      {std::cos(slope) * cx, std::cos(slope) * cy, std::sin(slope)},
                      {-cy, cx, 0},
                      std::hypot(R, T),
                      2 * (H + R + t)};
    return p;
}

// One shaft liner as a box (centre and full sizes), on the side turned k
// quarter turns from +x.
struct StackemLiner {
    float centre[3], size[3];
};

inline StackemLiner stackemShaftLiner(int k) {
    const float H = STACKEM_SHAFT_INNER / 2, t = STACKEM_LINER;
    const float out = H + t / 2, span = 2 * H, high = -STACKEM_SHAFT_FLOOR;
    const float z = STACKEM_SHAFT_FLOOR / 2;
    const float X = STACKEM_SHAFT_X, Y = STACKEM_SHAFT_Y;
    switch (k) {
        case 0:
            return {{X + out, Y, z}, {t, span, high}};
        case 1:
            return {{X, Y + out, z}, {span, t, high}};
        case 2:
            return {{X - out, Y, z}, {t, span, high}};
        default:
            return {{X, Y - out, z}, {span, t, high}};
    }
}

// The floor's seat: four smooth ridges, square bars laid on a corner, just
// inside where the bottom stacker's side plates stand (their inner faces are
// 0.1 from its axis). A plate landing on a ridge slides off it outward, so
// the stacker's foot comes to rest on the axis.
const float STACKEM_RIDGE_SIDE = 0.05f, STACKEM_RIDGE_OUT = 0.099f, STACKEM_RIDGE_LENGTH = 0.2f;

// Ridge k as a box turned 45 degrees about its own long axis: its centre and
// whether it runs along x (else along y).
struct StackemRidge {
    float centre[3];
    bool alongX;
};

inline StackemRidge stackemFloorRidge(int k) {
    const float reach = STACKEM_RIDGE_OUT - STACKEM_RIDGE_SIDE * 0.70710678f;
    const float X = STACKEM_SHAFT_X, Y = STACKEM_SHAFT_Y, Z = STACKEM_SHAFT_FLOOR;
    switch (k) {
        case 0:
            return {{X + reach, Y, Z}, false};
        case 1:
            return {{X, Y + reach, Z}, true};
        case 2:
            return {{X - reach, Y, Z}, false};
        default:
            return {{X, Y - reach, Z}, true};
    }
}
