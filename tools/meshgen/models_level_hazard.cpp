// The hazardous-waste site: two plateaus a metre above a muddy ditch, the
// bridge between them with its girder channels emptied by the protesters,
// a fenced bay either side of it, and the sunken store on the far bank.
#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level08_hazard.h"

namespace {

const Vec3 ASPHALT = {0.32f, 0.32f, 0.34f};
const Vec3 GRASS = {0.42f, 0.58f, 0.30f};
const Vec3 MUD = {0.36f, 0.30f, 0.22f};
const Vec3 EARTH = {0.40f, 0.34f, 0.26f};

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

// Where the bridge's parts stand across x.
struct Bridge {
    float in, floor, left, right, roadW, roadE, south0, north1;
};

Bridge bridge() {
    using namespace hazard;
    Bridge b;
    b.in = CHANNEL_WIDTH / 2;
    b.floor = PLATEAU_TOP - CHANNEL_DEPTH;
    b.left = BRIDGE_X - TRACK - b.in - WALL;
    b.right = BRIDGE_X + TRACK + b.in + WALL;
    b.roadW = b.left - MARGIN;
    b.roadE = b.right + MARGIN;
    b.south0 = GAP_SOUTH - SOUTH_SEAT - SOUTH_SLOPE;
    b.north1 = GAP_NORTH + NORTH_SEAT + NORTH_SLOPE;
    return b;
}

// Both plateaus, the store's surroundings and the bank round the site.
void addPlateaus(Mesh& m, const Bridge& b) {
    using namespace hazard;
    const float top = PLATEAU_TOP;
    // South: grass with the approach road along y = -7 and to the bridge.
    const float ROAD_S = -7.9f, ROAD_N = -6.1f;
    for (int side = 0; side < 2; side++) {
        float x0 = side ? b.roadE : -HALF, x1 = side ? HALF : b.roadW;
        add(m, x0, x1, -HALF, ROAD_S, 0, top, GRASS);
        add(m, x0, x1, ROAD_S, ROAD_N, 0, top, ASPHALT);
        add(m, x0, x1, ROAD_N, GAP_SOUTH, 0, top, GRASS);
    }
    add(m, b.roadW, b.roadE, -HALF, b.south0, 0, top, ASPHALT);
    // North: the road from the bridge to the store, grass around.
    add(m, -HALF, b.roadW, GAP_NORTH, STORE_Y0, 0, top, GRASS);
    add(m, b.roadW, b.roadE, b.north1, STORE_Y0, 0, top, ASPHALT);
    add(m, b.roadE, HALF, GAP_NORTH, STORE_Y0, 0, top, GRASS);
    add(m, -HALF, STORE_X0, STORE_Y0, STORE_Y1, 0, top, GRASS);
    add(m, STORE_X1, HALF, STORE_Y0, STORE_Y1, 0, top, GRASS);
    add(m, -HALF, HALF, STORE_Y1, HALF, 0, top, GRASS);
    // The bank closes the site and the ditch's ends.
    const float rimTop = top + RIM_HEIGHT, out = HALF + RIM;
    add(m, -out, out, -out, -HALF, 0, rimTop, EARTH);
    add(m, -out, out, HALF, out, 0, rimTop, EARTH);
    add(m, -out, -HALF, -HALF, HALF, 0, rimTop, EARTH);
    add(m, HALF, out, -HALF, HALF, 0, rimTop, EARTH);
}

// The stubs in both banks, each carrying the two channels; over the span
// there is nothing but what the girders will carry.
void addBridge(Mesh& m, const Bridge& b) {
    using namespace hazard;
    const float top = PLATEAU_TOP, inner = TRACK - b.in - WALL;
    const float stubs[2][2] = {{b.south0, GAP_SOUTH}, {GAP_NORTH, b.north1}};
    for (const auto& s : stubs) {
        add(m, b.roadW, b.left, s[0], s[1], 0, top, ASPHALT);
        add(m, b.right, b.roadE, s[0], s[1], 0, top, ASPHALT);
        add(m, BRIDGE_X - inner, BRIDGE_X + inner, s[0], s[1], 0, top, ASPHALT);
    }
    const float seatSouth = GAP_SOUTH - SOUTH_SEAT, seatNorth = GAP_NORTH + NORTH_SEAT;
    for (int side = -1; side <= 1; side += 2) {
        float cx = BRIDGE_X + side * TRACK;
        for (const auto& s : stubs) {
            add(m, cx - b.in - WALL, cx - b.in, s[0], s[1], 0, top, CONCRETE);
            add(m, cx + b.in, cx + b.in + WALL, s[0], s[1], 0, top, CONCRETE);
        }
        const Vec3 seat = shade(CONCRETE, 0.7f);
        add(m, cx - b.in, cx + b.in, b.south0, GAP_SOUTH, 0, b.floor, seat);
        add(m, cx - b.in, cx + b.in, GAP_NORTH, b.north1, 0, b.floor, seat);
        // The slopes, each rising outwards from its seat to the road.
        const float ends[2][3] = {{seatSouth - SOUTH_SLOPE / 2, SOUTH_SLOPE, -1.5707964f},
                                  {seatNorth + NORTH_SLOPE / 2, NORTH_SLOPE, 1.5707964f}};
        for (const auto& e : ends) {
            Mesh slope = wedge(e[1], CHANNEL_WIDTH, CHANNEL_DEPTH);
            rotate(slope, {0, 0, 1}, e[2]);
            append(m, translate(slope, cx, e[0], b.floor + CHANNEL_DEPTH / 2), seat);
        }
        // The sides, sloping down to the seat's width along both seats.
        const float flare = (CHANNEL_WIDTH - SEAT_WIDTH) / 2;
        const float seats[2][2] = {{seatSouth, GAP_SOUTH}, {GAP_NORTH, seatNorth}};
        for (const auto& st : seats) {
            for (int w = -1; w <= 1; w += 2) {
                Mesh face = wedge(flare, st[1] - st[0], CHANNEL_DEPTH);
                if (w < 0) rotate(face, {0, 0, 1}, 3.1415927f);  // rising to the west
                append(m,
                       translate(face, cx + w * (b.in - flare / 2), (st[0] + st[1]) / 2,
                                 b.floor + CHANNEL_DEPTH / 2),
                       seat);
            }
        }
        float outer = side < 0 ? cx - b.in - WALL : cx + b.in;
        add(m, outer, outer + WALL, GAP_SOUTH - POST_LENGTH, GAP_SOUTH, top, top + POST_HEIGHT,
            SIGNAL_RED);
    }
    addStriped(m, BRIDGE_X - inner - WALL, BRIDGE_X + inner + WALL, GAP_SOUTH - STOP_LENGTH,
               GAP_SOUTH, top, top + STOP_HEIGHT, 3);
    // Piers under the span's ends, clear of the channels.
    for (int side = -1; side <= 1; side += 2)
        add(m, BRIDGE_X + side * 0.6f - 0.06f, BRIDGE_X + side * 0.6f + 0.06f, GAP_SOUTH,
            GAP_SOUTH + 0.12f, 0, b.floor, CONCRETE);
}

// The bays beside the span and the fences along the ditch: nothing drives
// into the ditch but off the end of the bridge.
void addBaysAndFences(Mesh& m, const Bridge& b) {
    using namespace hazard;
    const float top = PLATEAU_TOP, high = top + FENCE_HEIGHT;
    const float westEnd = b.left - BAY_WIDTH, eastEnd = b.right + BAY_WIDTH;
    add(m, westEnd, b.left, GAP_SOUTH, GAP_NORTH, 0, top, ASPHALT);
    add(m, b.right, eastEnd, GAP_SOUTH, GAP_NORTH, 0, top, ASPHALT);
    const float northFence = BAY_NORTH - FENCE;
    addStriped(m, westEnd, b.roadW + FENCE, northFence, BAY_NORTH, top, high, 9);
    addStriped(m, b.roadE - FENCE, eastEnd, northFence, BAY_NORTH, top, high, 9);
    const float fenceX[4] = {westEnd, b.roadW, b.roadE - FENCE, eastEnd - FENCE};
    for (float x : fenceX) add(m, x, x + FENCE, GAP_SOUTH, northFence, top, high, HAZARD_YELLOW);
    const float ends[2][2] = {{-HALF, westEnd}, {eastEnd, HALF}};
    for (const auto& e : ends) {
        add(m, e[0], e[1], GAP_SOUTH - FENCE, GAP_SOUTH, top, high, HAZARD_YELLOW);
        add(m, e[0], e[1], GAP_NORTH, GAP_NORTH + FENCE, top, high, HAZARD_YELLOW);
    }
}

// A concrete floor at the ground plane, a striped kerb all round the rim,
// drums already stored in the far corner.
void addStore(Mesh& m) {
    using namespace hazard;
    const float top = PLATEAU_TOP, high = top + KERB_HEIGHT;
    add(m, STORE_X0, STORE_X1, STORE_Y0, STORE_Y1, -0.05f, 0.0f, CONCRETE);
    addStriped(m, STORE_X0 - KERB, STORE_X1 + KERB, STORE_Y0 - KERB, STORE_Y0, top, high, 17);
    addStriped(m, STORE_X0 - KERB, STORE_X1 + KERB, STORE_Y1, STORE_Y1 + KERB, top, high, 17);
    add(m, STORE_X0 - KERB, STORE_X0, STORE_Y0, STORE_Y1, top, high, HAZARD_YELLOW);
    add(m, STORE_X1, STORE_X1 + KERB, STORE_Y0, STORE_Y1, top, high, HAZARD_YELLOW);
    for (int k = 0; k < 3; k++) {
        Mesh drum = cylinder(0.25f, 0.8f, 10);
        append(m, translate(drum, STORE_X1 - 0.5f - k * 0.55f, STORE_Y1 - 0.5f, 0.4f),
               HAZARD_YELLOW);
    }
}

}  // namespace

QUORVEL_MODEL(hazard_terrain) {
    Mesh& m = model.mesh;
    const Bridge b = bridge();
    addPlateaus(m, b);
    addBridge(m, b);
    addBaysAndFences(m, b);
    addStore(m);
    // The protesters' camp on the south plateau, away from the road.
    for (int k = 0; k < 3; k++) {
        Mesh tent = extrude({{-0.6f, 0}, {0.6f, 0}, {0, 0.7f}}, 1.4f);
        rotate(tent, {1, 0, 0}, 1.5707964f);
        append(m, translate(tent, -9.0f + k * 1.8f, -11.0f, hazard::PLATEAU_TOP),
               k % 2 ? SIGNAL_RED : WHITE_PAINT);
    }
    model.edges.boundaries = false;
}

// What the ground plane shows: a muddy flat beyond and under the plateaus.
QUORVEL_MODEL(hazard_ground) {
    add(model.mesh, -40, 40, -40, 40, -0.2f, 0.0f, MUD);
    model.edges.boundaries = false;
}
