// The seesaw yard: a trench bridged by the seesaw plank, the dock beyond it
// with a ramp up to the loading platform, the cart's stands and the rack the
// balls wait on.
#include <cmath>

#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level03_seesaw.h"

using namespace kit;

// Ramp up to the loading platform, the platform itself and the kerb round
// it: the ramp's top is the only way on or off.
static void platform(Mesh& m) {
    const float P = SEESAW_PLATFORM_TOP, K = SEESAW_KERB_WIDTH, H = P + SEESAW_KERB_HEIGHT;
    const float W0 = SEESAW_PLATFORM_WEST, E = SEESAW_PLATFORM_EAST;
    const float S = SEESAW_PLATFORM_SOUTH, N = SEESAW_PLATFORM_NORTH;
    ramp(m, W0 - 2.0f, W0, S, SEESAW_RAMP_NORTH, 0, P, 0, CONCRETE);
    // A ball rolling for the ramp drops into a gutter across its top, which
    // the truck's wheels roll over.
    const float G = SEESAW_GUTTER_WIDTH;
    slab(m, W0, W0 + G, S, SEESAW_RAMP_NORTH, 0, P - SEESAW_GUTTER_DEPTH, ROCK);
    slab(m, W0, W0 + G, SEESAW_RAMP_NORTH, N, 0, P, CONCRETE);
    slab(m, W0 + G, E, S, N, 0, P, CONCRETE);
    slab(m, W0, E, S, S + K, P, H, STEEL);
    slab(m, W0, E, N - K, N, P, H, STEEL);
    slab(m, E - K, E, S + K, N - K, P, H, STEEL);
    slab(m, W0, W0 + K, SEESAW_RAMP_NORTH, N - K, P, H, STEEL);
    markFrame(m, SEESAW_CART_X - 0.95f, SEESAW_CART_X + 0.95f, SEESAW_CART_Y - 0.45f,
              SEESAW_CART_Y + 0.45f, P, 0.04f, YELLOW);
}

// Stands under both ends of the cart keep it level on its one axle.
static void cart_stands(Mesh& m) {
    for (int end = -1; end <= 1; end += 2) {
        float x = SEESAW_CART_X + end * 0.62f;
        slab(m, x - 0.12f, x + 0.12f, SEESAW_CART_Y - 0.2f, SEESAW_CART_Y + 0.2f,
             SEESAW_PLATFORM_TOP, SEESAW_CART_STAND_TOP, STEEL);
    }
}

// The rack: a gutter between two rails with stops at both ends, and a board
// behind it that sends a ball knocked north back into the gutter.
static void rack(Mesh& m) {
    const float R0 = SEESAW_RACK_WEST, R1 = SEESAW_RACK_EAST, RY = SEESAW_RACK_Y;
    const float T = SEESAW_RACK_TOP;
    slab(m, R0, R1, RY - 0.25f, RY + 0.25f, SEESAW_PLATFORM_TOP, T, WOOD);
    const float rail = T + SEESAW_RAIL_HEIGHT;  // low, for the prongs to reach under a ball
    slab(m, R0, R1, RY - 0.17f, RY - 0.13f, T, rail, STEEL);
    slab(m, R0, R1, RY + 0.13f, RY + 0.17f, T, rail, STEEL);
    slab(m, R0, R0 + 0.05f, RY - 0.13f, RY + 0.13f, T, rail, STEEL);
    slab(m, R1 - 0.05f, R1, RY - 0.13f, RY + 0.13f, T, rail, STEEL);
    slab(m, R0, R1, RY + 0.25f, RY + 0.35f, SEESAW_PLATFORM_TOP, T + 0.4f, WOOD);
    // Each ball sits on four studs, which roll it back to its own place when
    // the prongs brush it; their inner edges carry it with its centre 2 m up,
    // where it starts. They stand along and across the rack, clear of the
    // prongs, which come in across the corners.
    const float r = SEESAW_BALL_RADIUS, d = SEESAW_SEAT_HALF, s = SEESAW_SEAT_STUD;
    const float studTop = T + r - sqrtf(r * r - d * d);
    for (int i = 0; i < SEESAW_BALLS; i++) {
        float x = SEESAW_RACK_FIRST + i * SEESAW_RACK_STEP;
        for (float x0 : {x - d - s, x + d})
            slab(m, x0, x0 + s, RY - s / 2, RY + s / 2, T, studTop, STEEL);
        for (float y0 : {RY - d - s, RY + d})
            slab(m, x - s / 2, x + s / 2, y0, y0 + s, T, studTop, STEEL);
    }
}

QUORVEL_MODEL(seesaw_terrain) {
    Mesh& m = model.mesh;
    const float W = SEESAW_TRENCH_HALF, N = SEESAW_YARD_NORTH;
    const float base = SEESAW_TRENCH_FLOOR - 0.3f;
    // Yard west of the trench, solid down to the trench's floor so its side
    // is a wall, and the notch where the plank's end rests.
    slab(m, -14, SEESAW_NOTCH_WEST, -N, N, base, 0, GRASS);
    slab(m, SEESAW_NOTCH_WEST, SEESAW_TRENCH_WEST, W, N, base, 0, GRASS);
    slab(m, SEESAW_NOTCH_WEST, SEESAW_TRENCH_WEST, -N, -W, base, 0, GRASS);
    slab(m, SEESAW_NOTCH_WEST, SEESAW_TRENCH_WEST, -W, W, base, -SEESAW_PLANK_HALF_THICK, CONCRETE);
    // The trench, wall to wall across the yard.
    slab(m, SEESAW_TRENCH_WEST, SEESAW_DOCK_WEST, -N, N, base, SEESAW_TRENCH_FLOOR, ROCK);
    // The trestle under the axle, drawn from the trench floor.
    slab(m, -0.1f, 0.1f, -W, -W + 0.15f, SEESAW_TRENCH_FLOOR, -0.08f, WOOD);
    slab(m, -0.1f, 0.1f, W - 0.15f, W, SEESAW_TRENCH_FLOOR, -0.08f, WOOD);
    // The dock east of the trench.
    slab(m, SEESAW_DOCK_WEST, 14, -N, N, base, 0, CONCRETE);
    mark(m, SEESAW_DOCK_WEST, SEESAW_DOCK_WEST + 0.1f, -W, W, 0, YELLOW);
    platform(m);
    cart_stands(m);
    rack(m);
}

// The plank is drawn about its hinge, which sits off its middle.
QUORVEL_MODEL(seesaw_plank) {
    Mesh& m = model.mesh;
    slab(m, SEESAW_PLANK_WEST, SEESAW_PLANK_EAST, -SEESAW_PLANK_HALF_WIDTH, SEESAW_PLANK_HALF_WIDTH,
         -SEESAW_PLANK_HALF_THICK, SEESAW_PLANK_HALF_THICK, WOOD);
    for (float x = SEESAW_PLANK_WEST + 0.3f; x < SEESAW_PLANK_EAST; x += 0.6f)
        slab(m, x - 0.02f, x + 0.02f, -SEESAW_PLANK_HALF_WIDTH, SEESAW_PLANK_HALF_WIDTH,
             SEESAW_PLANK_HALF_THICK - 0.001f, SEESAW_PLANK_HALF_THICK + 0.001f, shade(WOOD, 0.8f));
    column(m, 0, 0, -SEESAW_PLANK_HALF_THICK - 0.06f, -SEESAW_PLANK_HALF_THICK, 0.06f, 8, STEEL);
}

// A football: white with black patches, of the rack's ball radius.
QUORVEL_MODEL(seesaw_ball) {
    Mesh ball = sphere(SEESAW_BALL_RADIUS, 8, 12);
    paintBy(ball, [](Vec3 c, Vec3) {
        int patch = (int)floorf(atan2f(c.y, c.x) * 2.5f) + (int)floorf(c.z * 25);
        return patch % 2 ? rgb(0.95f, 0.95f, 0.92f) : rgb(0.12f, 0.12f, 0.12f);
    });
    append(model.mesh, ball);
    model.edges.colourBoundaries = true;
}
