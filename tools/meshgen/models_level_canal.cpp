// The canal at low tide: banks with the railway's rails on sleepers, the
// drained bed with its puddles, two pillars with riser sockets, seats at
// the abutments, and a slipway down from the west bank. Scenery: houses,
// a signal and the lock gates up and down the canal.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level20_canal.h"

using namespace kit;
using namespace canal;

namespace {

const Vec3 MUD = {0.45f, 0.40f, 0.30f};
const Vec3 SLEEPER = {0.40f, 0.30f, 0.22f};

void rails(Mesh& m, float x0, float x1) {
    for (int s = -1; s <= 1; s += 2)
        slab(m, x0, x1, s * RAIL_Y - RAIL_WIDTH / 2, s * RAIL_Y + RAIL_WIDTH / 2, BANK_Z, RAIL_HEAD,
             STEEL);
    for (float x = x0 + 0.3f; x < x1 - 0.2f; x += 0.8f)
        mark(m, x, x + 0.25f, -0.75f, 0.75f, BANK_Z, SLEEPER);
}

// A seat for the girders' ends: a block at the bank's edge; its guides,
// drawn with the scenery, keep each girder's foot on its rail's line.
void seat(Mesh& m, float x) {
    slab(m, x - SEAT_HALF_X, x + SEAT_HALF_X, -0.8f, 0.8f, BED_Z, SEAT_Z, CONCRETE);
}

// A ramp whose slope runs across the railway: its side outline is given in
// (y, z) and it is extruded along x from x0 to x1.
void rampAcross(Mesh& m, float x0, float x1, const std::vector<Vec2>& outlineYZ, Vec3 c) {
    Mesh r = extrude(outlineYZ, x1 - x0);
    rotate(r, {1, 0, 0}, 1.5707964f);  // outline y -> z, extrusion -> -y
    rotate(r, {0, 0, 1}, 1.5707964f);  // outline x -> y, extrusion -> x
    append(m, translate(r, (x0 + x1) / 2, 0, 0), c);
}

// Planks level with the rail heads, so that a wheel meets no kerb, with a
// flangeway beside each rail's inner and outer face.
void levelCrossing(Mesh& m) {
    const float x0 = CROSSING_X0, x1 = CROSSING_X1;
    const float gap = RAIL_WIDTH / 2 + FLANGEWAY;
    slab(m, x0, x1, -RAIL_Y + gap, RAIL_Y - gap, BANK_Z, RAIL_HEAD, WOOD);
    for (int s = -1; s <= 1; s += 2) {
        float inner = s * (RAIL_Y + gap), outer = s * CROSSING_DECK_Y;
        slab(m, x0, x1, fminf(inner, outer), fmaxf(inner, outer), BANK_Z, RAIL_HEAD, WOOD);
        float foot = s * (CROSSING_DECK_Y + CROSSING_RAMP);
        rampAcross(m, x0, x1, {{outer, BANK_Z}, {foot, BANK_Z}, {outer, RAIL_HEAD}}, CONCRETE);
    }
}

void pillar(Mesh& m, float x) {
    slab(m, x - PILLAR_HALF_X, x + PILLAR_HALF_X, -PILLAR_HALF_Y, PILLAR_HALF_Y, BED_Z, PILLAR_TOP,
         STONE);
    for (int s = -1; s <= 1; s += 2)
        socket(m, x, s * RAIL_Y, SOCKET_INNER, SOCKET_WALL, PILLAR_TOP, PILLAR_TOP + SOCKET_DEPTH,
               YELLOW);
}

void funnelPlateMesh(Mesh& m, int s, int k) {
    const FunnelPlate p = funnelPlate(s, k);
    orientedBox(m, p.centre, p.up, p.along, p.length, p.width, FUNNEL_PLATE, STEEL);
}

void girderGuideMesh(Mesh& m, int k, int rail, int side, int end) {
    const FunnelPlate p = girderGuide(k, rail, side, end);
    orientedBox(m, p.centre, p.up, p.along, p.length, p.width, GUIDE_PLATE, YELLOW);
    if (end == 0) return;
    const Post q = guidePost(k, rail, side, end);
    slab(m, q.centre[0] - q.size[0] / 2, q.centre[0] + q.size[0] / 2, q.centre[1] - q.size[1] / 2,
         q.centre[1] + q.size[1] / 2, q.centre[2] - q.size[2] / 2, q.centre[2] + q.size[2] / 2,
         STEEL);
}

}  // namespace

QUORVEL_MODEL(canal_terrain) {
    Mesh& m = model.mesh;
    // West bank around the slipway's cutting, the slipway, the east bank.
    slab(m, WEST_X, WEST_EDGE, SLIP_Y1, HALF_Y, DEEP_Z, BANK_Z, GRASS);
    slab(m, WEST_X, WEST_EDGE, -HALF_Y, SLIP_Y0, DEEP_Z, BANK_Z, GRASS);
    slab(m, WEST_X, SLIP_X0, SLIP_Y0, SLIP_Y1, DEEP_Z, BANK_Z, GRASS);
    ramp(m, SLIP_X0, WEST_EDGE, SLIP_Y0, SLIP_Y1, BANK_Z, BED_Z, DEEP_Z, CONCRETE);
    slab(m, EAST_EDGE, EAST_X, -HALF_Y, HALF_Y, DEEP_Z, BANK_Z, GRASS);
    // The bed, with the low-tide channel of puddles down its middle.
    slab(m, WEST_EDGE, EAST_EDGE, -HALF_Y, HALF_Y, DEEP_Z, BED_Z, MUD);
    for (float y = -HALF_Y + 1; y < HALF_Y - 2; y += 3.5f)
        mark(m, -3.6f + 0.3f * sinf(y), -2.4f + 0.3f * sinf(y), y, y + 2.6f, BED_Z, WATER);
    // The banks' rails run out onto the seats to meet the girders' ends.
    rails(m, WEST_X, SUPPORT_X[0] - 0.01f);
    rails(m, SUPPORT_X[3] + 0.01f, EAST_X);
    levelCrossing(m);
    seat(m, SUPPORT_X[0]);
    seat(m, SUPPORT_X[3]);
    pillar(m, SUPPORT_X[1]);
    pillar(m, SUPPORT_X[2]);
    // Where the parts wait, and the lever's plinth mark.
    for (const auto& r : RISER_AT)
        markFrame(m, r[0] - 0.25f, r[0] + 0.25f, r[1] - 0.25f, r[1] + 0.25f, BED_Z, 0.04f, YELLOW);
    for (const auto& g : GIRDER_AT)
        markFrame(m, g[0] - 1.05f, g[0] + 1.05f, g[1] - 0.15f, g[1] + 0.15f, BED_Z, 0.03f, YELLOW);
}

QUORVEL_MODEL(canal_scenery) {
    Mesh& m = model.mesh;
    // The sockets' funnels and the girders' guides are drawn here; the
    // level collides them as smooth steel.
    for (int s = 0; s < 4; s++)
        for (int k = 0; k < 4; k++) funnelPlateMesh(m, s, k);
    forEachGirderGuide(
        [&](int k, int rail, int side, int end) { girderGuideMesh(m, k, rail, side, end); });
    // Lock gates far up and down the canal.
    for (float y : {-HALF_Y + 1.0f, HALF_Y - 1.5f})
        slab(m, WEST_EDGE, EAST_EDGE, y, y + 0.5f, BED_Z, BANK_Z + 0.3f, WOOD);
    // Houses along the banks.
    const Vec3 walls[3] = {BRICK, STONE, CONCRETE};
    for (int i = 0; i < 4; i++) {
        float y = -20 + 11.0f * i;
        if (y > -3 && y < 3) continue;
        slab(m, -22, -17, y, y + 4, BANK_Z, BANK_Z + 2.6f, walls[i % 3]);
        slab(m, 6, 11, y + 1, y + 5, BANK_Z, BANK_Z + 3.0f, walls[(i + 1) % 3]);
        prismXZ(m, {{-22.2f, BANK_Z + 2.6f}, {-16.8f, BANK_Z + 2.6f}, {-19.5f, BANK_Z + 3.8f}}, y,
                y + 4, RED);
    }
    // A railway signal east of the bridge.
    column(m, 3.0f, -1.4f, BANK_Z, BANK_Z + 3.0f, 0.06f, 6, STEEL);
    slab(m, 2.9f, 3.1f, -1.55f, -1.25f, BANK_Z + 2.5f, BANK_Z + 3.1f, RED);
}
