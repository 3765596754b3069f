// The gold claim: the creek bed with the gravel bar and its lane, the bench
// above it with the tray, the belt's bed and its guide rails that narrow to
// the wash point, and the bin at the belt's end. Scenery: the belt itself,
// the sluice over the wash point and the miners' cabin. Plus the gravel
// stone.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level24_yukon.h"

using namespace kit;
using namespace yukon;

namespace {

const Vec3 SILT = {0.50f, 0.46f, 0.38f};
const Vec3 BELT = {0.18f, 0.18f, 0.19f};
const Vec3 GRAVEL = {0.60f, 0.56f, 0.50f};
const float GUIDE_SIDE = 0.12f;
const float GUIDE_Z = BENCH_Z + GRAVEL_RADIUS;  // the rails meet a stone at its middle
const float NARROW_X = WASH_X - 0.3f;
const float EDGE_RAIL = 0.15f, EDGE_RAIL_HEIGHT = 0.3f;

void bench(Mesh& m) {
    slab(m, -HALF_X, BELT_X0, SOUTH_Y, BENCH_EDGE_Y, DEEP_Z, BENCH_Z, SAND);
    slab(m, BIN_X1, HALF_X, SOUTH_Y, BENCH_EDGE_Y, DEEP_Z, BENCH_Z, SAND);
    slab(m, BELT_X0, BIN_X1, SOUTH_Y, BELT_Y0, DEEP_Z, BENCH_Z, SAND);
    slab(m, BELT_X0, BIN_X1, BELT_Y1, BENCH_EDGE_Y, DEEP_Z, BENCH_Z, SAND);
    slab(m, BELT_X0, BELT_X1, BELT_Y0, BELT_Y1, DEEP_Z, BENCH_Z - BELT_RECESS, STEEL);
    // West of the tray the skid loader has the bench to itself: a rail too
    // high for its wheels keeps it from driving off the edge into the creek.
    slab(m, -HALF_X, TRAY_X0, BENCH_EDGE_Y - EDGE_RAIL, BENCH_EDGE_Y, BENCH_Z,
         BENCH_Z + EDGE_RAIL_HEIGHT, WOOD);
    slab(m, BELT_X1, BIN_X1, BELT_Y0, BELT_Y1, DEEP_Z, BIN_FLOOR, WOOD);
}

void guides(Mesh& m) {
    const float T = TRAY_WALL, H = TRAY_WALL_HEIGHT;
    slab(m, TRAY_X0, TRAY_X1, TRAY_Y0 - T, TRAY_Y0, BENCH_Z, BENCH_Z + H, WOOD);
    slab(m, TRAY_X0, TRAY_X1, TRAY_Y1, TRAY_Y1 + T, BENCH_Z, BENCH_Z + H, WOOD);
    const float floorTop = BENCH_Z + TRAY_FLOOR_RISE;  // outlines wound anticlockwise
    prismYZ(m, {{TRAY_Y0, BENCH_Z}, {TRAY_MID_Y, BENCH_Z}, {TRAY_Y0, floorTop}}, TRAY_X0, TRAY_X1,
            SAND);
    prismYZ(m, {{TRAY_MID_Y, BENCH_Z}, {TRAY_Y1, BENCH_Z}, {TRAY_Y1, floorTop}}, TRAY_X0, TRAY_X1,
            SAND);
    // Two rails, one over the other: a stone shoved up onto the heap the
    // skid loader pushes onto the belt rides higher than one rail's top.
    const float half = GUIDE_HALF_AT_WASH;
    for (float z : {GUIDE_Z, BENCH_Z + GUIDE_HEIGHT - GUIDE_SIDE / 2}) {
        strut(m, {BELT_X0, TRAY_Y0 - GUIDE_SIDE / 2, z}, {NARROW_X, WASH_Y - half, z}, GUIDE_SIDE,
              YELLOW);
        strut(m, {BELT_X0, TRAY_Y1 + GUIDE_SIDE / 2, z}, {NARROW_X, WASH_Y + half, z}, GUIDE_SIDE,
              YELLOW);
        for (int s = -1; s <= 1; s += 2) {
            const float y = WASH_Y + s * half;
            strut(m, {NARROW_X, y, z}, {GUIDE_BEND_X, y, z}, GUIDE_SIDE, YELLOW);
            strut(m, {GUIDE_BEND_X, y, z}, {BELT_X1, y - GUIDE_BEND, z}, GUIDE_SIDE, YELLOW);
        }
    }
}

// The pocket's collar: four low walls round a square narrower than a stone.
void pocket(Mesh& m, float x, float y) {
    const float in = POCKET_HALF, out = POCKET_HALF + POCKET_WALL;
    const float z0 = BAR_Z, z1 = BAR_Z + POCKET_HEIGHT;
    slab(m, x - out, x + out, y - out, y - in, z0, z1, WOOD);
    slab(m, x - out, x + out, y + in, y + out, z0, z1, WOOD);
    slab(m, x - out, x - in, y - in, y + in, z0, z1, WOOD);
    slab(m, x + in, x + out, y - in, y + in, z0, z1, WOOD);
}

void gravelBar(Mesh& m) {
    slab(m, BAR_X0, BAR_X1, BAR_Y0, BAR_Y1, DEEP_Z, BAR_Z, SILT);
    slab(m, BAR_X0, BAR_X1, LANE_NORTH_Y, BAR_Y0, DEEP_Z, LANE_WALL_TOP, ROCK);
    const float k = BAR_KERB, z0 = BAR_Z, z1 = BAR_Z + BAR_KERB_HEIGHT;
    slab(m, BAR_X0, BAR_X1, BAR_Y0, BAR_Y0 + k, z0, z1, ROCK);
    slab(m, BAR_X0, BAR_X1, BAR_Y1 - k, BAR_Y1, z0, z1, ROCK);
    slab(m, BAR_X0, BAR_X0 + k, BAR_Y0 + k, BAR_Y1 - k, z0, z1, ROCK);
    slab(m, BAR_X1 - k, BAR_X1, BAR_Y0 + k, BAR_Y1 - k, z0, z1, ROCK);
    for (int i = 0; i < POCKETS; i++) {
        float x, y;
        pocketAt(i, &x, &y);
        pocket(m, x, y);
    }
}

}  // namespace

QUORVEL_MODEL(yukon_terrain) {
    Mesh& m = model.mesh;
    slab(m, -HALF_X, HALF_X, BENCH_EDGE_Y, NORTH_Y, DEEP_Z, CREEK_Z, SILT);
    slab(m, -HALF_X, HALF_X, NORTH_Y, NORTH_Y + 3, DEEP_Z, 1.5f, GRASS);
    for (float y = BENCH_EDGE_Y + 1.5f; y < NORTH_Y - 1; y += 2.4f)
        mark(m, -HALF_X, HALF_X, y, y + 0.6f, CREEK_Z, WATER);
    bench(m);
    guides(m);
    gravelBar(m);
}

QUORVEL_MODEL(yukon_scenery) {
    Mesh& m = model.mesh;
    // The belt's surface with its cross slats, in its bed.
    slab(m, BELT_X0, BELT_X1, BELT_Y0, BELT_Y1, BENCH_Z - BELT_THICKNESS, BENCH_Z - 0.002f, BELT);
    for (float x = BELT_X0 + 0.2f; x < BELT_X1; x += 0.5f)
        slab(m, x, x + 0.06f, BELT_Y0, BELT_Y1, BENCH_Z - 0.004f, BENCH_Z - 0.001f, STEEL);
    // The sluice's frame over the wash point, and its spray pipe.
    const float south = BELT_Y0 - 0.1f, north = BENCH_EDGE_Y - 0.1f;  // both feet on the bench
    for (float y : {south, north}) column(m, WASH_X, y, BENCH_Z, BENCH_Z + 1.6f, 0.06f, 6, WOOD);
    strut(m, {WASH_X, south, BENCH_Z + 1.6f}, {WASH_X, north, BENCH_Z + 1.6f}, 0.1f, WOOD);
    column(m, WASH_X, WASH_Y, BENCH_Z + 0.9f, BENCH_Z + 1.6f, 0.04f, 6, WATER);
    // The miners' cabin.
    slab(m, -12, -8, -12, -9, BENCH_Z, BENCH_Z + 2.2f, WOOD);
    prismXZ(m, {{-12.2f, BENCH_Z + 2.2f}, {-7.8f, BENCH_Z + 2.2f}, {-10, BENCH_Z + 3.2f}}, -12.2f,
            -8.8f, shade(WOOD, 0.7f));
}

QUORVEL_MODEL(yukon_gravel) { append(model.mesh, sphere(GRAVEL_RADIUS, 4, 6), GRAVEL); }
