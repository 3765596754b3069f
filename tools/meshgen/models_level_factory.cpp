// The factory: a walled hall floor with the belt's legs and the lever's
// pedestal (collision), and the belt, its frame, the columns and the
// overhead gantry as scenery.
#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level11_factory.h"

namespace {

const Vec3 FLOOR = {0.55f, 0.56f, 0.55f};
const Vec3 WALL_PAINT = {0.72f, 0.70f, 0.62f};
const Vec3 BLUE_STEEL = {0.25f, 0.38f, 0.58f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

}  // namespace

QUORVEL_MODEL(factory_terrain) {
    using namespace factory;
    Mesh& m = model.mesh;
    const float x0 = HALL_X0, x1 = HALL_X1, h = HALL_HALF, w = HALL_WALL, hw = HALL_WALL_HEIGHT;
    add(m, x0 - 8, x1 + 8, -h - 8, h + 8, -1, 0, shade(FLOOR, 0.8f));
    add(m, x0, x1, -h, h, -0.02f, 0.001f, FLOOR);
    add(m, x0 - w, x1 + w, h, h + w, 0, hw, WALL_PAINT);
    add(m, x0 - w, x1 + w, -h - w, -h, 0, hw, WALL_PAINT);
    add(m, x0 - w, x0, -h, h, 0, hw, WALL_PAINT);
    add(m, x1, x1 + w, -h, h, 0, hw, WALL_PAINT);
    // Sorting bays painted on the floor: green to the north, red to the south.
    add(m, DUMPSTER_X - 1.3f, DUMPSTER_X + 1.3f, DUMPSTER_Y - 0.65f, DUMPSTER_Y + 0.65f, -0.01f,
        0.002f, BOX_GREEN);
    add(m, DUMPSTER_X - 1.3f, DUMPSTER_X + 1.3f, -DUMPSTER_Y - 0.65f, -DUMPSTER_Y + 0.65f, -0.01f,
        0.002f, BOX_RED);
    // The belt's legs, clear of the dumpsters' footprint.
    for (int k = 0; k < 5; k++) {
        float x = BELT_X0 + 0.4f + k * 2.0f;
        for (int s = -1; s <= 1; s += 2)
            add(m, x - 0.04f, x + 0.04f, s * 0.18f - 0.03f, s * 0.18f + 0.03f, 0, BELT_BOTTOM,
                STEEL);
    }
    // The lever's pedestal, a control desk with a yellow top.
    add(m, PEDESTAL_X - 0.15f, PEDESTAL_X + 0.15f, PEDESTAL_Y - 0.2f, PEDESTAL_Y + 0.2f, 0,
        PEDESTAL_TOP - 0.02f, IRON);
    add(m, PEDESTAL_X - 0.15f, PEDESTAL_X + 0.15f, PEDESTAL_Y - 0.2f, PEDESTAL_Y + 0.2f,
        PEDESTAL_TOP - 0.02f, PEDESTAL_TOP, HAZARD_YELLOW);
    model.edges.boundaries = false;
}

QUORVEL_MODEL(factory_scenery) {
    using namespace factory;
    Mesh& m = model.mesh;
    // The belt itself: rubber with cleats and steel side rails.
    for (int k = 0; k < 40; k++) {
        float a = BELT_X0 + k * 0.25f;
        add(m, a, a + 0.25f, -0.205f, 0.205f, BELT_BOTTOM, BELT_BOTTOM + 0.05f,
            k % 2 ? RUBBER : shade(RUBBER, 1.4f));
    }
    for (int s = -1; s <= 1; s += 2)
        add(m, BELT_X0, BELT_X1, s * BELT_HALF - 0.02f, s * BELT_HALF, BELT_BOTTOM - 0.04f,
            BELT_BOTTOM + 0.06f, STEEL);
    // The stop short of the belt's end (it collides as a box of its own).
    add(m, BELT_STOP_X0, BELT_STOP_X1, -BELT_HALF, BELT_HALF, BELT_STOP_Z0, BELT_STOP_Z1,
        HAZARD_YELLOW);
    // The feed hopper at the belt's start.
    Mesh hopper = cone(0.2f, 0.45f, 0.6f, 4);
    rotate(hopper, {0, 0, 1}, 0.7853982f);
    append(m, translate(hopper, BELT_X0 + 0.3f, 0, 1.5f), BLUE_STEEL);
    // Columns along the walls and a gantry overhead.
    for (int k = 0; k < 5; k++) {
        float x = HALL_X0 + 0.4f + k * (HALL_X1 - HALL_X0 - 0.8f) / 4;
        for (int s = -1; s <= 1; s += 2)
            add(m, x - 0.15f, x + 0.15f, s * HALL_HALF - 0.15f, s * HALL_HALF + 0.15f, 0, 5.0f,
                BLUE_STEEL);
    }
    for (int s = -1; s <= 1; s += 2)
        add(m, HALL_X0, HALL_X1, s * HALL_HALF - 0.12f, s * HALL_HALF + 0.12f, 5.0f, 5.3f,
            HAZARD_YELLOW);
    add(m, -5.2f, -4.8f, -HALL_HALF, HALL_HALF, 5.3f, 5.6f, HAZARD_YELLOW);
    // Lamps hanging from the gantry.
    for (int k = 0; k < 3; k++) {
        Mesh lamp = cone(0.3f, 0.05f, 0.25f, 8);
        append(m, translate(lamp, -5.0f, -3.0f + k * 3.0f, 5.0f), WHITE_PAINT);
    }
}
