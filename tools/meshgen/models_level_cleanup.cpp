// The clean-up yard: paving around a square drain pit with a hazard frame,
// walls of stacked junk around the edges, and the sphere the dump truck
// brings.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level16_cleanup.h"

using namespace kit;
using namespace cleanup;

QUORVEL_MODEL(cleanup_terrain) {
    Mesh& m = model.mesh;
    const float H = PIT_HALF, Y = YARD_HALF;
    slab(m, -Y, -H, -Y, Y, DEEP_Z, 0, ASPHALT);
    slab(m, H, Y, -Y, Y, DEEP_Z, 0, ASPHALT);
    slab(m, -H, H, -Y, -H, DEEP_Z, 0, ASPHALT);
    slab(m, -H, H, GUTTER_NORTH, Y, DEEP_Z, 0, ASPHALT);
    // The gutter from the pen to the pit's mouth.
    prismXZ(m,
            {{-H, DEEP_Z},
             {H, DEEP_Z},
             {H, 0},
             {GUTTER_EAST, 0},
             {LANE_X, -GUTTER_DEPTH},
             {GUTTER_WEST, 0}},
            H, GUTTER_NORTH, ASPHALT);
    slab(m, -H, H, -H, H, DEEP_Z, PIT_FLOOR, STEEL);
    // Hazard stripes round the pit's mouth.
    for (int i = 0; i < 8; i++) {
        float a = -H - 0.3f + 0.33f * i;
        mark(m, a, a + 0.16f, -H - 0.3f, -H - 0.05f, 0, YELLOW);
        mark(m, a, a + 0.16f, H + 0.05f, H + 0.3f, 0, YELLOW);
        mark(m, -H - 0.3f, -H - 0.05f, a, a + 0.16f, 0, YELLOW);
        mark(m, H + 0.05f, H + 0.3f, a, a + 0.16f, 0, YELLOW);
    }
    // The dump truck's pen: a low tipping wall toward the pit, higher walls
    // on the other three sides.
    const float W = PEN_SIDE_WALL, S = DUMPTRUCK_Y - PEN_HALF, N = DUMPTRUCK_Y + PEN_HALF;
    slab(m, PEN_WEST - PEN_WALL, PEN_WEST, S, N, 0, TIP_WALL_HIGH, YELLOW);
    slab(m, PEN_EAST, PEN_EAST + W, S - W, N + W, 0, PEN_WALL_HIGH, CONCRETE);
    slab(m, PEN_WEST - PEN_WALL, PEN_EAST, S - W, S, 0, PEN_WALL_HIGH, CONCRETE);
    slab(m, PEN_WEST - PEN_WALL, PEN_EAST, N, N + W, 0, PEN_WALL_HIGH, CONCRETE);
    slab(m, CAB_ROOF_WEST, PEN_EAST + W, S - W, N + W, CAB_ROOF_LOW, CAB_ROOF_HIGH, STEEL);
    for (float y : {S - W, N})
        slab(m, PEN_EAST, PEN_EAST + W, y, y + W, PEN_WALL_HIGH, CAB_ROOF_LOW, STEEL);
    // Where the dump truck parks, and the yard's walls.
    markFrame(m, DUMPTRUCK_X - 1.2f, DUMPTRUCK_X + 1.0f, DUMPTRUCK_Y - 0.7f, DUMPTRUCK_Y + 0.7f, 0,
              0.05f, PAINT);
    slab(m, -Y - 0.5f, -Y, -Y, Y, 0, 0.8f, CONCRETE);
    slab(m, Y, Y + 0.5f, -Y, Y, 0, 0.8f, CONCRETE);
    slab(m, -Y - 0.5f, Y + 0.5f, -Y - 0.5f, -Y, 0, 0.8f, CONCRETE);
    slab(m, -Y - 0.5f, Y + 0.5f, Y, Y + 0.5f, 0, 0.8f, CONCRETE);
    // Junk heaped along the north wall.
    const Vec3 junk[3] = {RED, STEEL, WOOD};
    for (int i = 0; i < 7; i++) {
        float x = -12 + 3.6f * i;
        slab(m, x, x + 1.6f, Y - 1.8f, Y - 0.2f, 0, 0.5f + 0.2f * (i % 3), junk[i % 3]);
        slab(m, x + 0.4f, x + 1.2f, Y - 1.4f, Y - 0.6f, 0.5f + 0.2f * (i % 3),
             0.9f + 0.2f * (i % 2), junk[(i + 1) % 3]);
    }
}

QUORVEL_MODEL(cleanup_sphere) { append(model.mesh, sphere(SPHERE_RADIUS, 6, 10), RED); }
