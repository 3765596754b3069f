// The rail yard: a gravel yard with a track running east into a tunnel under
// a rock hill, a loading dock beside the track and the crates' stacking area.
// The hill over the tunnel is terrain and collides; scenery: a station shed
// and a signal.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level04_trainlot.h"

using namespace kit;

namespace {

const Vec3 GRAVEL = {0.62f, 0.58f, 0.52f};
const float G = TRAINLOT_GROUND;
const float TY = TRAINLOT_TRACK_Y, TH = TRAINLOT_TUNNEL_HALF;
const float TOP = G + TRAINLOT_TUNNEL_HEIGHT;
// The hill: a grassy cap over a rock base just under its lowest line.
const float HILL_HALF = 9.0f, HILL_BASE = G + 3.28f;
const int HILL_CELLS_X = 11, HILL_CELLS_Y = 9;  // 2 m cells

}  // namespace

QUORVEL_MODEL(trainlot_terrain) {
    Mesh& m = model.mesh;
    slab(m, -18, 40, -14, 12, G - 0.5f, G, GRAVEL);
    // Track: two rails and sleepers every 0.6 m (the sleepers are paint-thin).
    for (int side = -1; side <= 1; side += 2) {
        float y = TY + side * TRAINLOT_GAUGE / 2;
        slab(m, TRAINLOT_TRACK_WEST, TRAINLOT_TRACK_EAST, y - 0.025f, y + 0.025f, G,
             G + TRAINLOT_RAIL_HEIGHT, STEEL);
    }
    for (float x = TRAINLOT_TRACK_WEST; x < TRAINLOT_TRACK_EAST; x += 0.6f)
        mark(m, x, x + 0.18f, TY - 0.55f, TY + 0.55f, G, WOOD);
    slab(m, TRAINLOT_TRACK_WEST - 0.3f, TRAINLOT_TRACK_WEST, TY - 0.6f, TY + 0.6f, G, G + 0.5f,
         RED);
    // The hill the tunnel runs under, solid to the ground on both sides of
    // the bore, so that nothing drives or drops into it but through the bore.
    const float X0 = TRAINLOT_TUNNEL_X, X1 = TRAINLOT_TRACK_EAST;
    slab(m, X0, X1, TY - HILL_HALF, TY - TH, G, HILL_BASE, ROCK);
    slab(m, X0, X1, TY + TH, TY + HILL_HALF, G, HILL_BASE, ROCK);
    slab(m, X0, X1, TY - TH, TY + TH, TOP, HILL_BASE, ROCK);
    Mesh hill = heightfield(HILL_CELLS_X, HILL_CELLS_Y, (X1 - X0) / HILL_CELLS_X, X0,
                            TY - HILL_HALF, [](float x, float y) {
                                float dx = (x - 24) / 14, dy = (y - TY) / 8;
                                float h = 7.0f * (1.0f - dx * dx - dy * dy);
                                return G + (h > 3.3f ? h : 3.3f);
                            });
    append(m, hill, shade(GRASS, 0.85f));
    slab(m, TRAINLOT_TUNNEL_X - 0.2f, TRAINLOT_TUNNEL_X, TY - TH - 0.2f, TY + TH + 0.2f, TOP,
         TOP + 0.3f, STONE);
    // Loading dock north of the track and the crates' stacking area.
    slab(m, -6, 2, -1.8f, -1.2f, G, G + 0.3f, CONCRETE);
    markFrame(m, -4.5f, -1.5f, 1.0f, 3.0f, G, 0.05f, YELLOW);
}

QUORVEL_MODEL(trainlot_scenery) {
    Mesh& m = model.mesh;
    // A station shed west of the dock, and a signal at the tunnel mouth.
    slab(m, -12, -8, 0.5f, 3.0f, G, G + 1.8f, BRICK);
    prismXZ(m, {{-12.2f, G + 1.8f}, {-7.8f, G + 1.8f}, {-10, G + 2.6f}}, 0.3f, 3.2f, RED);
    column(m, TRAINLOT_TUNNEL_X - 1.0f, TY + 1.0f, G, G + 2.5f, 0.05f, 6, STEEL);
    slab(m, TRAINLOT_TUNNEL_X - 1.1f, TRAINLOT_TUNNEL_X - 0.9f, TY + 0.95f, TY + 1.05f, G + 2.2f,
         G + 2.6f, RED);
}
