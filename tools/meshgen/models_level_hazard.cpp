// The hazardous-waste site: two plateaus a metre above a muddy ditch, the
// bridge between them with its girder channels emptied by the protesters,
// the fenced bay beside it, and the sunken store on the far bank.
#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level08_hazard.h"

namespace {

const Vec3 ASPHALT = {0.32f, 0.32f, 0.34f};
const Vec3 GRASS = {0.42f, 0.58f, 0.30f};
const Vec3 MUD = {0.36f, 0.30f, 0.22f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// Alternating stripes along x, for kerbs and fences.
void addStriped(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, int n) {
    for (int k = 0; k < n; k++) {
        float a = x0 + k * (x1 - x0) / n, b = a + (x1 - x0) / n;
        add(dst, a, b, y0, y1, z0, z1, k % 2 ? INK : HAZARD_YELLOW);
    }
}

}  // namespace

QUORVEL_MODEL(hazard_terrain) {
    using namespace hazard;
    Mesh& m = model.mesh;
    const float top = PLATEAU_TOP, floor = top - CHANNEL_DEPTH, in = CHANNEL_WIDTH / 2;
    const float left = BRIDGE_X - TRACK - in - WALL, right = BRIDGE_X + TRACK + in + WALL;
    const float roadW = left - MARGIN, roadE = right + MARGIN;

    // South plateau: grass with the approach road along y = -7 and to the bridge.
    const float ROAD_S = -7.9f, ROAD_N = -6.1f;
    add(m, -HALF, roadW, -HALF, ROAD_S, 0, top, GRASS);
    add(m, -HALF, roadW, ROAD_S, ROAD_N, 0, top, ASPHALT);
    add(m, -HALF, roadW, ROAD_N, GAP_SOUTH, 0, top, GRASS);
    add(m, roadE, HALF, -HALF, ROAD_S, 0, top, GRASS);
    add(m, roadE, HALF, ROAD_S, ROAD_N, 0, top, ASPHALT);
    add(m, roadE, HALF, ROAD_N, GAP_SOUTH, 0, top, GRASS);
    add(m, roadW, roadE, -HALF, GAP_SOUTH - CHANNEL_RUN, 0, top, ASPHALT);
    // The bay and its fences.
    add(m, BAY_X0, BAY_X1, GAP_SOUTH, BAY_Y1, 0, top, ASPHALT);
    addStriped(m, BAY_X0, BAY_X1, BAY_Y1 - FENCE, BAY_Y1, top, top + FENCE_HEIGHT, 7);
    add(m, BAY_X0, BAY_X0 + FENCE, GAP_SOUTH, BAY_Y1 - FENCE, top, top + FENCE_HEIGHT,
        HAZARD_YELLOW);

    // North plateau: the road from the bridge to the store, grass around.
    add(m, -HALF, roadW, GAP_NORTH, STORE_Y0, 0, top, GRASS);
    add(m, roadW, roadE, GAP_NORTH + CHANNEL_RUN, STORE_Y0, 0, top, ASPHALT);
    add(m, roadE, HALF, NORTH_EAST_Y, STORE_Y0, 0, top, GRASS);
    add(m, -HALF, STORE_X0, STORE_Y0, STORE_Y1, 0, top, GRASS);
    add(m, STORE_X1, HALF, STORE_Y0, STORE_Y1, 0, top, GRASS);
    add(m, -HALF, HALF, STORE_Y1, HALF, 0, top, GRASS);

    // The bridge: stubs in both banks and the span, each carrying the two
    // channels; the span's channels have no floor.
    const float stubs[2][2] = {{GAP_SOUTH - CHANNEL_RUN, GAP_SOUTH},
                               {GAP_NORTH, GAP_NORTH + CHANNEL_RUN}};
    for (const auto& s : stubs) {
        add(m, roadW, left, s[0], s[1], 0, top, ASPHALT);
        add(m, right, roadE, s[0], s[1], 0, top, ASPHALT);
        add(m, left + 2 * WALL + CHANNEL_WIDTH, right - 2 * WALL - CHANNEL_WIDTH, s[0], s[1], 0,
            top, ASPHALT);
    }
    for (int side = -1; side <= 1; side += 2) {
        float cx = BRIDGE_X + side * TRACK;
        for (const auto& s : stubs) {
            add(m, cx - in - WALL, cx - in, s[0], s[1], 0, top, CONCRETE);
            add(m, cx + in, cx + in + WALL, s[0], s[1], 0, top, CONCRETE);
            add(m, cx - in, cx + in, s[0], s[1], 0, floor, shade(CONCRETE, 0.7f));
        }
        add(m, cx - in - WALL, cx - in, GAP_SOUTH, GAP_NORTH, floor, top, GIRDER_RED);
        add(m, cx + in, cx + in + WALL, GAP_SOUTH, GAP_NORTH, floor, top, GIRDER_RED);
    }
    // Piers under the span's ends, clear of the channels.
    for (int side = -1; side <= 1; side += 2)
        add(m, BRIDGE_X + side * 0.6f - 0.06f, BRIDGE_X + side * 0.6f + 0.06f, GAP_SOUTH,
            GAP_SOUTH + 0.12f, 0, floor, CONCRETE);

    // The store: a concrete floor at the ground plane, a striped kerb on
    // the rim the road leads to, drums already stored in the far corner.
    add(m, STORE_X0, STORE_X1, STORE_Y0, STORE_Y1, -0.05f, 0.0f, CONCRETE);
    addStriped(m, STORE_X0, STORE_X1, STORE_Y0 - KERB, STORE_Y0, top, top + KERB_HEIGHT, 16);
    for (int k = 0; k < 3; k++) {
        Mesh drum = cylinder(0.25f, 0.8f, 10);
        append(m, translate(drum, STORE_X1 - 0.5f - k * 0.55f, STORE_Y1 - 0.5f, 0.4f),
               HAZARD_YELLOW);
    }
    // The protesters' camp on the south plateau, away from the road.
    for (int k = 0; k < 3; k++) {
        Mesh tent = extrude({{-0.6f, 0}, {0.6f, 0}, {0, 0.7f}}, 1.4f);
        rotate(tent, {1, 0, 0}, 1.5707964f);
        append(m, translate(tent, -9.0f + k * 1.8f, -11.0f, top), k % 2 ? SIGNAL_RED : WHITE_PAINT);
    }
    model.edges.boundaries = false;
}

// What the ground plane shows: a muddy flat beyond and under the plateaus.
QUORVEL_MODEL(hazard_ground) {
    add(model.mesh, -40, 40, -40, 40, -0.2f, 0.0f, MUD);
    model.edges.boundaries = false;
}
