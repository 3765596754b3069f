// Babel: a builder's yard with a ramp up to a loading dock, the gap the
// player bridges, and the painted pad where the tower is to stand.
#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level10_babel.h"

namespace {

const Vec3 GRAVEL = {0.60f, 0.57f, 0.50f};
const Vec3 ASPHALT = {0.34f, 0.34f, 0.36f};
const Vec3 CONTAINER = {0.20f, 0.42f, 0.62f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// The dock's main block, with the wheel seat of the dock stance sunk in its
// top: a V-trough across it under each axle.
void addDock(Mesh& m) {
    using namespace babel;
    const float y0 = DOCK_STANCE_Y - SEAT_SPAN, y1 = DOCK_STANCE_Y + SEAT_SPAN;
    float x = DOCK_X0;
    for (float axle : {-SEAT_AXLE, SEAT_AXLE}) {
        const float c = DOCK_STANCE_X + axle, a = c - SEAT_HALF, b = c + SEAT_HALF;
        add(m, x, a, -DOCK_HALF, DOCK_HALF, 0, DOCK_TOP, CONCRETE);
        add(m, a, b, -DOCK_HALF, y0, 0, DOCK_TOP, CONCRETE);
        add(m, a, b, y1, DOCK_HALF, 0, DOCK_TOP, CONCRETE);
        Mesh seat = extrude(
            {{a, 0}, {b, 0}, {b, DOCK_TOP}, {c, DOCK_TOP - SEAT_DEPTH}, {a, DOCK_TOP}}, y1 - y0);
        rotate(seat, {1, 0, 0}, 1.5707964f);  // outline y -> z, extrusion -> -y
        append(m, translate(seat, 0, (y0 + y1) / 2, 0), HAZARD_YELLOW);
        x = b;
    }
    add(m, x, DOCK_X1, -DOCK_HALF, DOCK_HALF, 0, DOCK_TOP, CONCRETE);
}

}  // namespace

QUORVEL_MODEL(babel_terrain) {
    using namespace babel;
    Mesh& m = model.mesh;
    const float W = 24.0f, top = DOCK_TOP, h = ROAD_HALF;
    add(m, -W, W, -W, W, -1, 0, GRAVEL);
    // The ramp, solid down to the yard.
    Mesh ramp = extrude({{RAMP_X0, 0}, {RAMP_X1, 0}, {RAMP_X1, top}}, 2 * h);
    rotate(ramp, {1, 0, 0}, 1.5707964f);
    append(m, ramp, ASPHALT);
    // The ramp's end block with its rebate, and the dock with its own.
    add(m, RAMP_X1, GAP_X0, -h, h, 0, top - REBATE_DEPTH, CONCRETE);
    add(m, GAP_X1, DOCK_X0, -h, h, 0, top - REBATE_DEPTH, CONCRETE);
    add(m, GAP_X1, DOCK_X0, -DOCK_HALF, -h, 0, top, CONCRETE);
    add(m, GAP_X1, DOCK_X0, h, DOCK_HALF, 0, top, CONCRETE);
    addDock(m);
    // Hazard paint along the edges the segments rest on.
    for (int k = 0; k < 8; k++) {
        float y0 = -h + k * (2 * h / 8), y1 = y0 + 2 * h / 8;
        Vec3 c = k % 2 ? INK : HAZARD_YELLOW;
        add(m, RAMP_X1 - 0.1f, RAMP_X1, y0, y1, top - 0.02f, top + 0.002f, c);
        add(m, DOCK_X0, DOCK_X0 + 0.1f, y0, y1, top - 0.02f, top + 0.002f, c);
    }
    // The tower pad: a painted square on the yard.
    add(m, PAD_X - 0.35f, PAD_X + 0.35f, PAD_Y - 0.35f, PAD_Y + 0.35f, -0.01f, 0.002f, WHITE_PAINT);
    add(m, PAD_X - 0.25f, PAD_X + 0.25f, PAD_Y - 0.25f, PAD_Y + 0.25f, -0.01f, 0.003f, SIGNAL_RED);
    // A site office and stacked containers at the yard's edge.
    add(m, -12.0f, -9.6f, 6.0f, 7.0f, 0, 1.0f, CONTAINER);
    add(m, -12.0f, -9.6f, 6.0f, 7.0f, 1.0f, 2.0f, SIGNAL_RED);
    add(m, 12.0f, 14.0f, -6.0f, -3.0f, 0, 1.3f, WHITE_PAINT);
    add(m, 11.9f, 14.1f, -6.1f, -2.9f, 1.3f, 1.4f, IRON);
    model.edges.boundaries = false;
}
