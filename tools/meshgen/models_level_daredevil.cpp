// The canyon: desert run-up and landing, a deep canyon between them, the
// storage shed, and painted guides for the run-up and the ramp. The
// collision shape leaves out the paint and the rock detail.
#include <cmath>

#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level18_daredevil.h"

using namespace kit;
using namespace daredevil;

namespace {

const Vec3 DUST = {0.80f, 0.62f, 0.42f};
const Vec3 CLIFF = {0.66f, 0.42f, 0.30f};

// The lead-in's arc: its radius and its length along the run-up.
const float LEAD_RADIUS = LEAD_HEIGHT / (1 - cosf(TOP_TILT));
const float LEAD_LENGTH = LEAD_RADIUS * sinf(TOP_TILT);

// The lead-in's arc in straight pieces, the last one cut back under the
// first top's low edge.
void leadIn(Mesh& m) {
    const float R = LEAD_RADIUS, x0 = LEAD_EDGE_X - LEAD_LENGTH;
    for (int i = 0; i < LEAD_PIECES; i++) {
        float a0 = TOP_TILT * i / LEAD_PIECES, a1 = TOP_TILT * (i + 1) / LEAD_PIECES;
        float xa = x0 + R * sinf(a0), za = R * (1 - cosf(a0));
        if (i + 1 < LEAD_PIECES) {
            ramp(m, xa, x0 + R * sinf(a1), -0.6f, 0.6f, za, R * (1 - cosf(a1)), 0, DUST);
        } else {
            prismXZ(m,
                    {{xa, 0},
                     {LEAD_X1, 0},
                     {LEAD_X1, LEAD_CUT_Z},
                     {LEAD_EDGE_X, LEAD_HEIGHT},
                     {xa, za}},
                    -0.6f, 0.6f, DUST);
        }
    }
}

// The landing hill: from the far edge an arc down onto the flat, as steep
// at the edge as the racer comes down there.
void landing(Mesh& m) {
    const float R = LANDING_RADIUS, A = LANDING_ANGLE;
    auto x = [&](float a) { return FAR_X + R * (sinf(A) - sinf(a)); };
    auto z = [&](float a) { return LANDING_Z + R * (1 - cosf(a)); };
    for (int i = 0; i < LANDING_PIECES; i++) {
        float a0 = A * (LANDING_PIECES - i) / LANDING_PIECES,
              a1 = A * (LANDING_PIECES - i - 1) / LANDING_PIECES;
        ramp(m, x(a0), x(a1), -HALF_Y, HALF_Y, z(a0), z(a1), LANDING_Z, DUST);
    }
}

void solid(Mesh& m) {
    // Both sides of the canyon are solid down to below its floor, so that a
    // racer that falls short cannot pass under the far side.
    const float BEDROCK = CANYON_FLOOR - 1;
    slab(m, WEST_X, LIP_X, -HALF_Y, HALF_Y, BEDROCK, 0, DUST);
    slab(m, FAR_X, EAST_X, -HALF_Y, HALF_Y, BEDROCK, LANDING_Z, DUST);
    landing(m);
    slab(m, LIP_X + GUARD_WIDTH, FAR_X, -HALF_Y, HALF_Y, BEDROCK, CANYON_FLOOR, CLIFF);
    slab(m, LIP_X, LIP_X + GUARD_WIDTH, -HALF_Y, HALF_Y, BEDROCK, GUARD_HEIGHT, CLIFF);
    leadIn(m);
    // The shed: back wall and two side walls, open toward the run-up (+x).
    const float W = SHED_WALL, T = SHED_HEIGHT;
    slab(m, SHED_X0 - W, SHED_X0, SHED_Y0 - W, SHED_Y1 + W, 0, T, WOOD);
    slab(m, SHED_X0, SHED_X1, SHED_Y0 - W, SHED_Y0, 0, T, WOOD);
    slab(m, SHED_X0, SHED_X1, SHED_Y1, SHED_Y1 + W, 0, T, WOOD);
}

}  // namespace

QUORVEL_MODEL(daredevil_collision) { solid(model.mesh); }

QUORVEL_MODEL(daredevil_terrain) {
    Mesh& m = model.mesh;
    solid(m);
    // Rock strata on the canyon walls, a touch proud of them.
    for (int i = 0; i < 5; i++) {
        float z0 = CANYON_FLOOR + 2.2f * i, z1 = z0 + 1.1f;
        slab(m, LIP_X - 0.02f, LIP_X, -HALF_Y, HALF_Y, z0, z1, shade(CLIFF, 0.85f));
        slab(m, FAR_X, FAR_X + 0.02f, -HALF_Y, HALF_Y, z0, z1, shade(CLIFF, 0.85f));
    }
    // The run-up's centre line, the ramp's bed at the lip, the landing line.
    for (float x = RACER_X + 1.5f; x < LEAD_X1 - LEAD_LENGTH - 0.5f; x += 2.0f)
        mark(m, x, x + 1.0f, -0.04f, 0.04f, 0, PAINT);
    for (int i = 0; i < 3; i++) {
        float x = RAMP_LAST_X - RAMP_PITCH * i;
        markFrame(m, x - RAMP_MARK_HALF, x + RAMP_MARK_HALF, -0.45f, 0.45f, 0, 0.05f, YELLOW);
    }
    for (float y = -HALF_Y + 0.5f; y < HALF_Y; y += 2.0f)  // the winning line
        mark(m, RACER_WON_X, RACER_WON_X + 0.15f, y, y + 1.0f, LANDING_Z, RED);
    markFrame(m, SHED_X0 + 0.6f, SHED_X0 + 2.6f, SHED_Y0 + 0.6f, SHED_Y1 - 0.6f, 0, 0.05f, YELLOW);
    // The shed's roof line, on the walls' tops.
    slab(m, SHED_X0 - SHED_WALL, SHED_X1, SHED_Y0 - 0.3f, SHED_Y1 + 0.3f, SHED_HEIGHT,
         SHED_HEIGHT + 0.08f, RED);
}
