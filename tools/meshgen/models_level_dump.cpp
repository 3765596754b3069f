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

void plateau(Mesh& m) {
    slab(m, CLIFF_X, EAST_X, SOUTH_Y, BAY_Y0, DEEP_Z, TOP_Z, ROCK);
    // The haul road's landing at the top, north of the plateau.
    slab(m, RAMP_X1, EAST_X, BAY_Y0, NORTH_Y, DEEP_Z, TOP_Z, ROCK);
    // The tray under the unloading box, its walls, and the line where the
    // rear wheels stop.
    slab(m, TRAY_X0, TRAY_X1, TRAY_Y0, UNLOADED_Y1, TOP_Z, TRAY_Z, CONCRETE);
    for (float x0 : {TRAY_X0 - WALL_WIDTH, TRAY_X1})
        slab(m, x0, x0 + WALL_WIDTH, TRAY_Y0 - WALL_WIDTH, WALL_FROM_Y, TOP_Z, TOP_Z + WALL_HEIGHT,
             YELLOW);
    slab(m, TRAY_X0, TRAY_X1, TRAY_Y0 - WALL_WIDTH, TRAY_Y0, TOP_Z, TOP_Z + WALL_HEIGHT, YELLOW);
    markFrame(m, UNLOADED_X0, UNLOADED_X1, UNLOADED_Y0, UNLOADED_Y1, TRAY_Z + PAINT_HEIGHT, 0.04f,
              PAINT);
    mark(m, TRAY_X0 - 0.3f, TRAY_X1 + 0.3f, STANCE_Y, STANCE_Y + 0.08f, TOP_Z, YELLOW);
}

}  // namespace

QUORVEL_MODEL(dump_terrain) {
    Mesh& m = model.mesh;
    // The quarry floor, and south of the bay the floor under the cliff.
    slab(m, BAY_X0, 4.0f, BAY_Y1, NORTH_Y, DEEP_Z, FLOOR_Z, GRAVEL);
    slab(m, BAY_X0, CLIFF_X, SOUTH_Y, BAY_Y0, DEEP_Z, FLOOR_Z, GRAVEL);
    slab(m, 4.0f, RAMP_X1, BAY_Y1, NORTH_Y, DEEP_Z, FLOOR_Z, GRAVEL);
    // The loading bay, and the haul road rising out of it to the top.
    slab(m, BAY_X0, RAMP_X0, BAY_Y0, BAY_Y1, DEEP_Z, BAY_Z, CONCRETE);
    ramp(m, RAMP_X0, RAMP_X1, BAY_Y0, BAY_Y1, BAY_Z, TOP_Z, DEEP_Z, SAND);
    // Under the cliff the haul road runs in a cutting.
    slab(m, CLIFF_X, RAMP_X0, BAY_Y0 - 0.01f, BAY_Y0, BAY_Z, TOP_Z, ROCK);
    plateau(m);
    // Walls around the quarry so nothing leaves it sideways.
    slab(m, BAY_X0 - 1, BAY_X0, SOUTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z, ROCK);
    slab(m, BAY_X0 - 1, RAMP_X1, NORTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z, ROCK);
    slab(m, EAST_X, EAST_X + 1, SOUTH_Y, NORTH_Y + 1, DEEP_Z, TOP_Z + 0.5f, ROCK);
    slab(m, CLIFF_X, EAST_X, SOUTH_Y - 1, SOUTH_Y, DEEP_Z, TOP_Z + 0.5f, ROCK);
    // Where the blocks wait, and the parapet along the bay's edge.
    markFrame(m, PYRAMID_X - 0.8f, PYRAMID_X + 0.8f, PYRAMID_Y - 0.5f, PYRAMID_Y + 0.5f, FLOOR_Z,
              0.05f, YELLOW);
    slab(m, BAY_X0, RAMP_X0, BAY_Y1, BAY_Y1 + PARAPET_WIDTH, FLOOR_Z, FLOOR_Z + PARAPET_HEIGHT,
         YELLOW);
}

QUORVEL_MODEL(dump_block) { append(model.mesh, box(BLOCK_SIZE, BLOCK_SIZE, BLOCK_SIZE), GRANITE); }
