// The chemical store: its raised floor with the two docks, low walls and
// bumpers, a yard around it; hazard signs, racks and a roof frame as scenery.
// The collision shape is the floor, walls and bumpers without the paint.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level17_chemistry.h"

using namespace kit;
using namespace chemistry;

namespace {

const Vec3 EPOXY = {0.55f, 0.62f, 0.58f};
const Vec3 ACID = {0.95f, 0.45f, 0.10f};
const Vec3 BASE = {0.20f, 0.40f, 0.85f};
const Vec3 BUMPER = {0.16f, 0.16f, 0.17f};

void solid(Mesh& m) {
    const float Y = STORE_HALF_Y, F = FLOOR_Z, T = F + WALL_HEIGHT;
    slab(m, -30, 30, -30, 30, -1.0f, 0, ASPHALT);
    slab(m, STORE_X0, STORE_X1, -Y, Y, 0, F, EPOXY);
    // Walls at the ends of the aisle; the docks' open edges get bumpers.
    slab(m, STORE_X0 - 0.3f, STORE_X0, -Y, Y, F, T, CONCRETE);
    slab(m, STORE_X1, STORE_X1 + 0.3f, -Y, Y, F, T, CONCRETE);
    for (int s = -1; s <= 1; s += 2) {
        float y0 = s * Y, y1 = s * (Y - 0.3f);
        slab(m, STORE_X0, STORE_X1, fminf(y0, y1), fmaxf(y0, y1), F, F + BUMPER_HEIGHT, BUMPER);
    }
}

}  // namespace

QUORVEL_MODEL(chemistry_collision) { solid(model.mesh); }

QUORVEL_MODEL(chemistry_terrain) {
    Mesh& m = model.mesh;
    solid(m);
    const float F = FLOOR_Z;
    // Dock A north, dock B south, each framed in its colour.
    markFrame(m, DOCK_X0, DOCK_X1, DOCK_Y0, DOCK_Y1, F, 0.08f, BASE);
    markFrame(m, DOCK_X0, DOCK_X1, -DOCK_Y1, -DOCK_Y0, F, 0.08f, ACID);
    mark(m, DOCK_X0 - 1.2f, DOCK_X0 - 0.4f, 3.8f, 4.6f, F, BASE);
    mark(m, DOCK_X0 - 1.2f, DOCK_X0 - 0.4f, -4.6f, -3.8f, F, ACID);
    // The aisle's walkway lines.
    for (float x = STORE_X0 + 0.5f; x < STORE_X1 - 0.5f; x += 1.2f) {
        mark(m, x, x + 0.6f, 1.85f, 1.95f, F, YELLOW);
        mark(m, x, x + 0.6f, -1.95f, -1.85f, F, YELLOW);
    }
    // Steps up to the floor at the west end, for the drivers.
    for (int i = 0; i < 4; i++)
        slab(m, STORE_X0 - 1.2f + 0.3f * i, STORE_X0 - 0.3f, -1.0f, 1.0f, 0, 0.25f * (i + 1),
             CONCRETE);
}

QUORVEL_MODEL(chemistry_scenery) {
    Mesh& m = model.mesh;
    const float Y = STORE_HALF_Y, T = FLOOR_Z + 3.2f;
    // Roof frame on columns.
    for (float x : {STORE_X0 - 0.15f, 0.5f, STORE_X1 + 0.15f})
        for (float y : {-Y + 0.15f, Y - 0.15f}) column(m, x, y, FLOOR_Z, T, 0.12f, 8, STEEL);
    strut(m, {STORE_X0 - 0.15f, -Y + 0.15f, T}, {STORE_X1 + 0.15f, -Y + 0.15f, T}, 0.2f, STEEL);
    strut(m, {STORE_X0 - 0.15f, Y - 0.15f, T}, {STORE_X1 + 0.15f, Y - 0.15f, T}, 0.2f, STEEL);
    for (float x : {STORE_X0 - 0.15f, 0.5f, STORE_X1 + 0.15f})
        strut(m, {x, -Y + 0.15f, T}, {x, Y - 0.15f, T + 0.8f}, 0.15f, STEEL);
    // Hazard signs over each dock.
    slab(m, 0.4f, 0.6f, Y - 0.3f, Y - 0.25f, FLOOR_Z + 2.0f, FLOOR_Z + 2.6f, BASE);
    slab(m, 0.4f, 0.6f, -Y + 0.25f, -Y + 0.3f, FLOOR_Z + 2.0f, FLOOR_Z + 2.6f, ACID);
    // Racks of drums outside the west wall.
    for (int i = 0; i < 5; i++)
        column(m, STORE_X0 - 2.5f, -4 + 2.0f * i, 0, 0.9f, 0.3f, 10, i % 2 ? ACID : BASE);
}
