// The river crossing: the base on its mesa with the helipad, plains either
// side of the river, and the mast site's four footings. Scenery: the
// existing power line marching off from the site, and the base's hangar.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level23_powerlift.h"

using namespace kit;
using namespace powerlift;

QUORVEL_MODEL(powerlift_terrain) {
    Mesh& m = model.mesh;
    slab(m, WEST_X, RIVER_X0, -HALF_Y, HALF_Y, DEEP_Z, 0, GRASS);
    slab(m, RIVER_X1, EAST_X, -HALF_Y, HALF_Y, DEEP_Z, 0, GRASS);
    slab(m, RIVER_X0, RIVER_X1, -HALF_Y, HALF_Y, DEEP_Z, RIVER_BED, SAND);
    slab(m, RIVER_X0, RIVER_X1, -HALF_Y, HALF_Y, RIVER_BED, WATER_Z, WATER);
    slab(m, MESA_X0, MESA_X1, MESA_Y0, MESA_Y1, 0, PAD_TOP, ROCK);
    // The helipad: a circle of marks and the H.
    markFrame(m, PAD_X - 3.0f, PAD_X + 3.0f, PAD_Y - 3.0f, PAD_Y + 3.0f, PAD_TOP, 0.15f, YELLOW);
    mark(m, PAD_X - 1.0f, PAD_X - 0.7f, PAD_Y - 1.2f, PAD_Y + 1.2f, PAD_TOP, PAINT);
    mark(m, PAD_X + 0.7f, PAD_X + 1.0f, PAD_Y - 1.2f, PAD_Y + 1.2f, PAD_TOP, PAINT);
    mark(m, PAD_X - 0.7f, PAD_X + 0.7f, PAD_Y - 0.15f, PAD_Y + 0.15f, PAD_TOP, PAINT);
    // The site's plateau with its footings flush on top, and the mast's
    // waiting spot.
    slab(m, SITE_X - SITE_HALF, SITE_X + SITE_HALF, SITE_Y - SITE_HALF, SITE_Y + SITE_HALF, 0,
         SITE_TOP, ROCK);
    for (int sx = -1; sx <= 1; sx += 2)
        for (int sy = -1; sy <= 1; sy += 2) {
            float x = SITE_X + sx * FOOTING_OFFSET, y = SITE_Y + sy * FOOTING_OFFSET;
            mark(m, x - 0.6f, x + 0.6f, y - 0.6f, y + 0.6f, SITE_TOP, CONCRETE);
        }
    markFrame(m, SITE_X - 3.5f, SITE_X + 3.5f, SITE_Y - 3.5f, SITE_Y + 3.5f, SITE_TOP, 0.1f,
              YELLOW);
    markFrame(m, MAST_X - 3.4f, MAST_X + 3.4f, MAST_Y - 3.4f, MAST_Y + 3.4f, 0, 0.1f, PAINT);
}

QUORVEL_MODEL(powerlift_scenery) {
    Mesh& m = model.mesh;
    // The old line: towers marching west from the site, clear of its plateau.
    for (int i = 1; i <= 3; i++) {
        float x = SITE_X - SITE_HALF - 2.0f - 8.0f * (i - 1);
        for (int sx = -1; sx <= 1; sx += 2)
            for (int sy = -1; sy <= 1; sy += 2)
                strut(m, {x + 1.8f * sx, SITE_Y + 1.8f * sy, 0},
                      {x + 0.5f * sx, SITE_Y + 0.5f * sy, 9.0f}, 0.15f, STEEL);
        slab(m, x - 0.2f, x + 0.2f, SITE_Y - 2.5f, SITE_Y + 2.5f, 9.0f, 9.3f, STEEL);
    }
    // The base's hangar beside the mesa.
    slab(m, -2.0f, 6.0f, -12.0f, -4.0f, 0, 4.0f, CONCRETE);
    prismXZ(m, {{-2.2f, 4.0f}, {6.2f, 4.0f}, {2.0f, 5.5f}}, -12.2f, -3.8f, RED);
}
