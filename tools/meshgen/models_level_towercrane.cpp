// The tower crane yard: ground with the lift pit, the mast with its bearing
// seat and the lever pedestal (terrain); the lift's guide towers and the
// dismantled crane top lying in the yard (scenery); the bearing balls.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/models_level_ground.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level14_towercrane.h"

namespace {

const Vec3 GROUND = {0.56f, 0.54f, 0.48f};
const Vec3 CRANE_YELLOW = {0.96f, 0.72f, 0.08f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// A lattice section along x: four chords and zig-zag braces on its sides.
void lattice(Mesh& m, Vec3 from, float length, float side, Vec3 c) {
    for (int i = 0; i < 4; i++) {
        float dy = (i % 2 ? 0.5f : -0.5f) * side, dz = (i / 2 ? 0.5f : -0.5f) * side;
        append(m,
               beam({from.x, from.y + dy, from.z + dz}, {from.x + length, from.y + dy, from.z + dz},
                    0.06f, 0.06f),
               c);
    }
    int n = (int)(length / side);
    for (int k = 0; k < n; k++) {
        float xa = from.x + k * side, xb = xa + side;
        for (int s = -1; s <= 1; s += 2) {
            float y = from.y + s * 0.5f * side;
            append(m,
                   beam({xa, y, from.z - 0.5f * side}, {xb, y, from.z + 0.5f * side}, 0.04f, 0.04f),
                   c);
        }
    }
}

}  // namespace

QUORVEL_MODEL(towercrane_terrain) {
    using namespace towercrane;
    Mesh& m = model.mesh;
    const float W = 18.0f;
    // The yard around the pit as one seamless surface, and the pit itself.
    add(m, -W, W, -W, W, -1.0f, -0.5f, GROUND);
    flatGround(m, -W, W, -W, W, 0.0f, {{PIT_X0, PIT_X1, PIT_Y0, PIT_Y1, PIT_FLOOR}}, -0.5f,
               [](float, float) { return GROUND; });
    flatFloor(m, PIT_X0, PIT_X1, PIT_Y0, PIT_Y1, PIT_FLOOR, shade(CONCRETE, 0.6f));
    for (int k = 0; k < 10; k++) {
        float x = PIT_X0 + k * (PIT_X1 - PIT_X0) / 10;
        add(m, x, x + (PIT_X1 - PIT_X0) / 10, PIT_Y0 - 0.1f, PIT_Y0, -0.01f, 0.002f,
            k % 2 ? INK : HAZARD_YELLOW);
    }
    // The mast on its foundation, braced on every face, with the seat on top.
    add(m, MAST_X0 - 0.3f, MAST_X1 + 0.3f, MAST_Y0 - 0.1f, MAST_Y1 + 0.3f, -0.2f, 0.05f, CONCRETE);
    add(m, MAST_X0, MAST_X1, MAST_Y0, MAST_Y1, 0.05f, SEAT_FLOOR, CRANE_YELLOW);
    for (int k = 0; k < 7; k++) {
        float z0 = 0.05f + k * 1.0f, z1 = z0 + 1.0f;
        append(m,
               beam({MAST_X0, MAST_Y0 - 0.01f, z0},
                    {MAST_X1, MAST_Y0 - 0.01f, fminf(z1, SEAT_FLOOR)}, 0.05f, 0.02f),
               IRON);
        append(m,
               beam({MAST_X0 - 0.01f, MAST_Y0, z1 < SEAT_FLOOR ? z1 : SEAT_FLOOR},
                    {MAST_X0 - 0.01f, MAST_Y1, z0}, 0.05f, 0.02f),
               IRON);
    }
    // The seat: a rim round four pockets, one bearing to each.
    const float top = SEAT_FLOOR + RIM_HEIGHT, w = RIM_WALL;
    add(m, MAST_X0, MAST_X1, MAST_Y1 - w, MAST_Y1, SEAT_FLOOR, top, IRON);
    add(m, MAST_X0, MAST_X1, MAST_Y0, MAST_Y0 + w, SEAT_FLOOR, top, IRON);
    add(m, MAST_X0, MAST_X0 + w, MAST_Y0 + w, MAST_Y1 - w, SEAT_FLOOR, top, IRON);
    add(m, MAST_X1 - w, MAST_X1, MAST_Y0 + w, MAST_Y1 - w, SEAT_FLOOR, top, IRON);
    const float mx = (MAST_X0 + MAST_X1) / 2, my = (MAST_Y0 + MAST_Y1) / 2, d = DIVIDER_WALL / 2;
    const float cross = SEAT_FLOOR + DIVIDER_HEIGHT;
    add(m, mx - d, mx + d, MAST_Y0 + w, MAST_Y1 - w, SEAT_FLOOR, cross, IRON);
    add(m, MAST_X0 + w, mx - d, my - d, my + d, SEAT_FLOOR, cross, IRON);
    add(m, mx + d, MAST_X1 - w, my - d, my + d, SEAT_FLOOR, cross, IRON);
    for (int i = 0; i < 4; i++) {
        Mesh ring = cylinder(0.12f, 0.01f, 12);
        append(m, translate(ring, pocketX(i % 2), pocketY(i / 2), SEAT_FLOOR + 0.002f), BRASS);
    }
    // The guard rails round the top of the lift, on posts at its corners.
    for (int s = -1; s <= 1; s += 2) {
        for (float y : {RAIL_SOUTH_Y - 0.1f, RAIL_NORTH_Y}) {
            float x = s * (RAIL_X + 0.1f);
            add(m, x - 0.05f, x + 0.05f, y, y + 0.1f, 0, RAIL_Z1, GALVANISED);
        }
        float x = s > 0 ? RAIL_X : -RAIL_X - RAIL_THICK;
        add(m, x, x + RAIL_THICK, RAIL_SOUTH_Y, RAIL_NORTH_Y + RAIL_THICK, RAIL_Z0, RAIL_Z1,
            HAZARD_YELLOW);
    }
    add(m, -RAIL_X - 0.15f, RAIL_X + 0.15f, RAIL_SOUTH_Y - RAIL_THICK, RAIL_SOUTH_Y, RAIL_Z0,
        RAIL_Z1, HAZARD_YELLOW);
    add(m, -RAIL_X - 0.15f, RAIL_X + 0.15f, RAIL_NORTH_Y, RAIL_NORTH_Y + RAIL_THICK, RAIL_Z0,
        RAIL_Z1, HAZARD_YELLOW);
    // The lever's pedestal.
    add(m, PEDESTAL_X - 0.15f, PEDESTAL_X + 0.15f, PEDESTAL_Y - 0.2f, PEDESTAL_Y + 0.2f, 0,
        PEDESTAL_TOP, IRON);
    // The bracket that carries the lever's pivot.
    add(m, PEDESTAL_X - 0.03f, PEDESTAL_X + 0.03f, PEDESTAL_Y + 0.05f, PEDESTAL_Y + 0.09f,
        PEDESTAL_TOP, LEVER_Z - 0.22f, HAZARD_YELLOW);
    model.edges.boundaries = false;
}

QUORVEL_MODEL(towercrane_scenery) {
    using namespace towercrane;
    Mesh& m = model.mesh;
    // The lift's guide towers at the platform's ends, on its far side.
    for (int s = -1; s <= 1; s += 2) {
        float x = s * 1.95f;
        add(m, x - 0.08f, x + 0.08f, -1.35f, -1.2f, 0, 7.4f, GALVANISED);
        for (int k = 0; k < 8; k++)
            add(m, x - 0.1f, x + 0.1f, -1.4f, -1.18f, 0.9f * k + 0.3f, 0.9f * k + 0.36f, IRON);
    }
    add(m, -2.05f, 2.05f, -1.4f, -1.2f, 7.4f, 7.55f, HAZARD_YELLOW);
    // The crane's top, dismantled: jib and counter-jib sections, the cab and
    // the counterweights lying in the yard.
    lattice(m, {-14.0f, 8.0f, 0.4f}, 9.0f, 0.8f, CRANE_YELLOW);
    lattice(m, {-3.5f, 8.0f, 0.4f}, 4.0f, 0.8f, CRANE_YELLOW);
    add(m, 3.0f, 4.6f, 7.2f, 8.6f, 0, 1.4f, CRANE_YELLOW);
    add(m, 3.1f, 4.5f, 7.1f, 7.2f, 0.6f, 1.3f, WINDOW);
    for (int k = 0; k < 3; k++)
        add(m, 6.0f + k * 1.1f, 7.0f + k * 1.1f, 7.0f, 9.0f, 0, 0.6f, CONCRETE);
    // The slewing ring with its old bearings, worn out.
    Mesh ring = cylinder(0.7f, 0.3f, 16);
    append(m, translate(ring, 9.0f, 3.0f, 0.15f), IRON);
}

QUORVEL_MODEL(towercrane_bearing) {
    Mesh ball = sphere(towercrane::BEARING_RADIUS, 5, 10);
    append(model.mesh, ball, STEEL);
}
