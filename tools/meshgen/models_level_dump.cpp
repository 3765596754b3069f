// The granite quarry: quarry floor, sunken loading bay, the haul road up to
// the plateau, and the unloading tray on it. Plus the granite block.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level15_dump.h"

using namespace kit;
using namespace dump;

namespace {

const Vec3 GRAVEL = {0.62f, 0.58f, 0.52f};
const Vec3 GRANITE = {0.72f, 0.68f, 0.66f};

// A strip lying on the tray's falling floor, from y0 to y1.
void onTray(Mesh& m, float x0, float x1, float y0, float y1, float above, float thick, Vec3 c) {
    prismYZ(m,
            {{y0, trayFloorZ(y0) + above},
             {y1, trayFloorZ(y1) + above},
             {y1, trayFloorZ(y1) + above + thick},
             {y0, trayFloorZ(y0) + above + thick}},
            x0, x1, c);
}

void plateau(Mesh& m, bool trayFloor) {
    // The plateau, round the tray's recess.
    slab(m, CLIFF_X, TRAY_X0, SOUTH_Y, BAY_Y0, DEEP_Z, TOP_Z, ROCK);
    slab(m, TRAY_X1, EAST_X, SOUTH_Y, BAY_Y0, DEEP_Z, TOP_Z, ROCK);
    slab(m, TRAY_X0, TRAY_X1, SOUTH_Y, TRAY_Y0, DEEP_Z, TOP_Z, ROCK);
    slab(m, TRAY_X0, TRAY_X1, UNLOADED_Y1, BAY_Y0, DEEP_Z, TOP_Z, ROCK);
    slab(m, TRAY_X0, TRAY_X1, TRAY_Y0, UNLOADED_Y1, DEEP_Z, TRAY_BASE_Z, ROCK);
    // The haul road's landing at the top, north of the plateau.
    slab(m, RAMP_X1, EAST_X, BAY_Y0, NORTH_Y, DEEP_Z, TOP_Z, ROCK);
    // The tray's steel floor and walls, collided by the builder, smooth, so
    // drawn here but kept out of the collision record; the unloading box
    // painted on the floor; and the line where the rear wheels stop.
    if (trayFloor) {
        const float under = TRAY_BASE_Z - TRAY_SOUTH_Z;
        onTray(m, TRAY_X0, TRAY_X1, TRAY_Y0, UNLOADED_Y1, under, -under, STEEL);
        const float w = 0.04f;
        onTray(m, UNLOADED_X0, UNLOADED_X1, UNLOADED_Y0, UNLOADED_Y0 + w, 0, PAINT_HEIGHT, PAINT);
        onTray(m, UNLOADED_X0, UNLOADED_X1, UNLOADED_Y1 - w, UNLOADED_Y1, 0, PAINT_HEIGHT, PAINT);
        onTray(m, UNLOADED_X0, UNLOADED_X0 + w, UNLOADED_Y0 + w, UNLOADED_Y1 - w, 0, PAINT_HEIGHT,
               PAINT);
        onTray(m, UNLOADED_X1 - w, UNLOADED_X1, UNLOADED_Y0 + w, UNLOADED_Y1 - w, 0, PAINT_HEIGHT,
               PAINT);
        for (float x0 : {TRAY_X0 - WALL_WIDTH, TRAY_X1})
            slab(m, x0, x0 + WALL_WIDTH, TRAY_Y0 - WALL_WIDTH, WALL_FROM_Y, TOP_Z,
                 TOP_Z + WALL_HEIGHT, YELLOW);
        slab(m, TRAY_X0, TRAY_X1, TRAY_Y0 - WALL_WIDTH, TRAY_Y0, TOP_Z, TOP_Z + WALL_HEIGHT,
             YELLOW);
    }
    mark(m, TRAY_X0 - 0.3f, TRAY_X1 + 0.3f, STANCE_Y, STANCE_Y + 0.08f, TOP_Z, YELLOW);
}

void quarry(Mesh& m, bool trayFloor) {
    // The quarry floor, and south of the bay the floor under the cliff.
    slab(m, BAY_X0, 4.0f, BAY_Y1, NORTH_Y, DEEP_Z, FLOOR_Z, GRAVEL);
    slab(m, BAY_X0, CLIFF_X, SOUTH_Y, BAY_Y0, DEEP_Z, FLOOR_Z, GRAVEL);
    slab(m, 4.0f, RAMP_X1, BAY_Y1, NORTH_Y, DEEP_Z, FLOOR_Z, GRAVEL);
    // The loading bay, and the haul road rising out of it to the top.
    slab(m, BAY_X0, RAMP_X0, BAY_Y0, BAY_Y1, DEEP_Z, BAY_Z, CONCRETE);
    ramp(m, RAMP_X0, RAMP_X1, BAY_Y0, BAY_Y1, BAY_Z, TOP_Z, DEEP_Z, SAND);
    // Under the cliff the haul road runs in a cutting.
    slab(m, CLIFF_X, RAMP_X0, BAY_Y0 - 0.01f, BAY_Y0, BAY_Z, TOP_Z, ROCK);
    plateau(m, trayFloor);
    // Walls around the quarry so nothing leaves it sideways.
    slab(m, BAY_X0 - 1, BAY_X0, SOUTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z, ROCK);
    slab(m, BAY_X0 - 1, RAMP_X1, NORTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z, ROCK);
    slab(m, EAST_X, EAST_X + 1, SOUTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z + 0.5f, ROCK);
    slab(m, CLIFF_X, EAST_X, SOUTH_Y - 1, SOUTH_Y, DEEP_Z, TOP_Z + 0.5f, ROCK);
    // Where the blocks wait, and the parapet along the bay's edge.
    markFrame(m, PYRAMID_X - 0.8f, PYRAMID_X + 0.8f, PYRAMID_Y - 0.5f, PYRAMID_Y + 0.5f, FLOOR_Z,
              0.05f, YELLOW);
    prismYZ(m,
            {{BAY_Y1, FLOOR_Z},
             {BAY_Y1 + PARAPET_WIDTH, FLOOR_Z},
             {BAY_Y1 + PARAPET_WIDTH, FLOOR_Z + PARAPET_NORTH_HEIGHT},
             {BAY_Y1, FLOOR_Z + PARAPET_HEIGHT}},
            BAY_X0, RAMP_X0, YELLOW);
}

}  // namespace

QUORVEL_MODEL(dump_terrain) { quarry(model.mesh, true); }

QUORVEL_MODEL(dump_collision) { quarry(model.mesh, false); }

QUORVEL_MODEL(dump_block) { append(model.mesh, box(BLOCK_SIZE, BLOCK_SIZE, BLOCK_SIZE), GRANITE); }
