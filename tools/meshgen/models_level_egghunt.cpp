// The egg meadow: grass, hedge rows, a pond with a stone rim, trees and the
// stumps some eggs sit on, and flower beds.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level21_egghunt.h"

using namespace kit;
using namespace egghunt;

namespace {

const Vec3 HEDGE = {0.22f, 0.45f, 0.20f};
const Vec3 LEAVES = {0.30f, 0.55f, 0.25f};
const Vec3 BARK = {0.45f, 0.32f, 0.20f};
const Vec3 FLOWER[3] = {{0.90f, 0.40f, 0.60f}, {0.95f, 0.85f, 0.30f}, {0.70f, 0.50f, 0.90f}};

void tree(Mesh& m, float x, float y) {
    column(m, x, y, 0, 1.8f, 0.18f, 7, BARK);
    Mesh crown = cone(1.1f, 0.1f, 2.0f, 7);
    append(m, translate(crown, x, y, 2.6f), LEAVES);
}

}  // namespace

QUORVEL_MODEL(egghunt_terrain) {
    Mesh& m = model.mesh;
    // The meadow around the pond's basin.
    const float P0 = POND_X - POND_R, P1 = POND_X + POND_R;
    const float Q0 = POND_Y - POND_R, Q1 = POND_Y + POND_R;
    slab(m, -HALF, P0, -HALF, HALF, DEEP_Z, 0, GRASS);
    slab(m, P1, HALF, -HALF, HALF, DEEP_Z, 0, GRASS);
    slab(m, P0, P1, -HALF, Q0, DEEP_Z, 0, GRASS);
    slab(m, P0, P1, Q1, HALF, DEEP_Z, 0, GRASS);
    slab(m, P0, P1, Q0, Q1, DEEP_Z, POND_FLOOR, WATER);
    socket(m, POND_X, POND_Y, 2 * POND_R, POND_RIM_WALL, POND_FLOOR, POND_RIM_TOP, STONE);
    // Hedges along the meadow's edges and across its west half.
    slab(m, -HALF, HALF, HALF - 1, HALF, 0, 1.0f, HEDGE);
    slab(m, -HALF, HALF, -HALF, -HALF + 1, 0, 1.0f, HEDGE);
    slab(m, -HALF, -HALF + 1, -HALF, HALF, 0, 1.0f, HEDGE);
    slab(m, HALF - 1, HALF, -HALF, HALF, 0, 1.0f, HEDGE);
    slab(m, -16, -11, -8, -7.2f, 0, 0.8f, HEDGE);
    slab(m, 16, 21, 8, 8.8f, 0, 0.8f, HEDGE);
    // The tipping humps, solid down to the meadow.
    for (const Hump& h : HUMPS) {
        const float top0 = h.steepFootX - HUMP_STEEP_RUN, top1 = top0 - HUMP_FLAT;
        const float y0 = h.y - HUMP_HALF_WIDTH, y1 = h.y + HUMP_HALF_WIDTH;
        ramp(m, top0, h.steepFootX, y0, y1, HUMP_TOP, 0, 0, CONCRETE);
        slab(m, top1, top0, y0, y1, 0, HUMP_TOP, CONCRETE);
        ramp(m, top1 - HUMP_GENTLE_RUN, top1, y0, y1, 0, HUMP_TOP, 0, CONCRETE);
        for (float r0 : {y0, y1 - HUMP_RAIL_THICK}) {
            const float r1 = r0 + HUMP_RAIL_THICK, up = HUMP_RAIL_HIGH;
            ramp(m, top0, h.steepFootX, r0, r1, HUMP_TOP + up, up, 0, STONE);
            slab(m, top1, top0, r0, r1, 0, HUMP_TOP + up, STONE);
            ramp(m, top1 - HUMP_GENTLE_RUN, top1, r0, r1, up, HUMP_TOP + up, 0, STONE);
        }
    }
    // Stumps where eggs sit, trees, and flower beds.
    for (const EggSpot& e : EGGS)
        if (e.onStump) column(m, e.x, e.y, 0, STUMP_TOP, STUMP_R, 8, BARK);
    for (Vec2 t : {Vec2{-14, -14}, Vec2{10, 14}, Vec2{18, -12}, Vec2{-18, 12}, Vec2{4, -16}})
        tree(m, t.x, t.y);
    for (int i = 0; i < 12; i++) {
        float x = -20 + 3.5f * i, y = (i % 2 ? -19.5f : 19.0f);
        mark(m, x, x + 1.2f, y, y + 0.8f, 0, FLOWER[i % 3]);
    }
    markFrame(m, TRAILER_X - 1.2f, TRAILER_X + 3.4f, TRAILER_Y - 0.9f, TRAILER_Y + 0.9f, 0, 0.05f,
              PAINT);
}
