// The rail yard: a gravel yard with a track running east into a tunnel under
// a rock hill, the crates waiting beside the track and a platform south of
// it. Everything standing collides, the hill down to the ground; the
// scenery is paint.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level04_trainlot.h"

using namespace kit;

namespace {

const Vec3 GRAVEL = {0.62f, 0.58f, 0.52f};
const float G = TRAINLOT_GROUND;
const float TY = TRAINLOT_TRACK_Y, TH = TRAINLOT_TUNNEL_HALF;
const float TOP = G + TRAINLOT_TUNNEL_HEIGHT;
const float LOW = G - TRAINLOT_FALL;  // the bore's floor beyond the fall
const float BED = 0.5f;               // depth of the ground slab
// The map, whose edge wall the hill meets on three sides.
const float MAP_X0 = -18, MAP_X1 = 40, MAP_Y0 = -14, MAP_Y1 = 12;
// The hill: a grassy cap over a rock base just under its lowest line.
const float HILL_BASE = G + 3.28f;
const int HILL_CELLS_X = 14, HILL_CELLS_Y = 13;  // 2 m cells
const float BUFFER_X = TRAINLOT_TUNNEL_END - TRAINLOT_BUFFER_DEPTH;

// One rail at y from x0 (its foot at z0) to x1 (at z1).
void rail(Mesh& m, float y, float x0, float z0, float x1, float z1) {
    const float h = TRAINLOT_RAIL_HEIGHT;
    prismXZ(m, {{x0, z0}, {x1, z1}, {x1, z1 + h}, {x0, z0 + h}}, y - TRAINLOT_RAIL_WIDTH / 2,
            y + TRAINLOT_RAIL_WIDTH / 2, STEEL);
}

// A hump on a rail from x0 to x1, highest in its middle.
void chock(Mesh& m, float y, float x0, float x1) {
    const float top = G + TRAINLOT_RAIL_HEIGHT;
    prismXZ(m, {{x0, top}, {x1, top}, {(x0 + x1) / 2, top + TRAINLOT_CHOCK_HEIGHT}},
            y - TRAINLOT_RAIL_WIDTH / 2, y + TRAINLOT_RAIL_WIDTH / 2, STEEL);
}

// The track: the yard's flat stretch, the fall inside the bore and the flat
// run to the buffer.
void track(Mesh& m) {
    for (int side = -1; side <= 1; side += 2) {
        float y = TY + side * TRAINLOT_GAUGE / 2;
        rail(m, y, TRAINLOT_TRACK_WEST, G, TRAINLOT_FALL_WEST, G);
        rail(m, y, TRAINLOT_FALL_WEST, G, TRAINLOT_FALL_EAST, LOW);
        rail(m, y, TRAINLOT_FALL_EAST, LOW, BUFFER_X, LOW);
        for (int end = -1; end <= 1; end += 2) {
            float near = TRAINLOT_TRAIN_X + end * TRAINLOT_CHOCK_CLEAR;
            chock(m, y, fminf(near, near + end * TRAINLOT_CHOCK_LENGTH),
                  fmaxf(near, near + end * TRAINLOT_CHOCK_LENGTH));
        }
    }
    slab(m, TRAINLOT_TRACK_WEST - 0.3f, TRAINLOT_TRACK_WEST, TY - 0.6f, TY + 0.6f, G, G + 0.5f,
         RED);
    slab(m, BUFFER_X, TRAINLOT_TUNNEL_END, TY - 0.6f, TY + 0.6f, LOW, LOW + 0.5f, RED);
}

// The gravel: flat everywhere (under the hill too) but in the bore past the
// top of the fall, where its floor falls with the track.
void ground(Mesh& m) {
    slab(m, MAP_X0, MAP_X1, MAP_Y0, TY - TH, G - BED, G, GRAVEL);
    slab(m, MAP_X0, MAP_X1, TY + TH, MAP_Y1, G - BED, G, GRAVEL);
    slab(m, MAP_X0, TRAINLOT_FALL_WEST, TY - TH, TY + TH, G - BED, G, GRAVEL);
    ramp(m, TRAINLOT_FALL_WEST, TRAINLOT_FALL_EAST, TY - TH, TY + TH, G, LOW, LOW - BED, GRAVEL);
    slab(m, TRAINLOT_FALL_EAST, MAP_X1, TY - TH, TY + TH, LOW - BED, LOW, GRAVEL);
}

// The hill east of the face, from the map's edge to the bore on both sides,
// its portal over the bore's mouth and the rock closing the bore's end.
void hill(Mesh& m) {
    const float X0 = TRAINLOT_TUNNEL_X, X1 = MAP_X1, FOOT = LOW - BED;
    const float PORTAL = G + TRAINLOT_PORTAL_HEIGHT, INSIDE = X0 + TRAINLOT_PORTAL_DEPTH;
    slab(m, X0, X1, MAP_Y0, TY - TH, FOOT, HILL_BASE, ROCK);
    slab(m, X0, X1, TY + TH, MAP_Y1, FOOT, HILL_BASE, ROCK);
    slab(m, X0, INSIDE, TY - TH, TY + TH, PORTAL, HILL_BASE, ROCK);
    slab(m, INSIDE, TRAINLOT_TUNNEL_END, TY - TH, TY + TH, TOP, HILL_BASE, ROCK);
    slab(m, TRAINLOT_TUNNEL_END, X1, TY - TH, TY + TH, FOOT, HILL_BASE, ROCK);
    Mesh cap = heightfield(HILL_CELLS_X, HILL_CELLS_Y, (X1 - X0) / HILL_CELLS_X, X0, MAP_Y0,
                           [](float x, float y) {
                               float dx = (x - 26) / 16, dy = (y - TY) / 12;
                               float h = 7.0f * (1.0f - dx * dx - dy * dy);
                               return G + (h > 3.3f ? h : 3.3f);
                           });
    append(m, cap, shade(GRASS, 0.85f));
    // The portal's stone lintel, the loading gauge the wagon passes under.
    slab(m, X0 - 0.2f, X0, TY - TH - 0.2f, TY + TH + 0.2f, PORTAL, PORTAL + 0.3f, STONE);
}

}  // namespace

QUORVEL_MODEL(trainlot_terrain) {
    Mesh& m = model.mesh;
    ground(m);
    track(m);
    hill(m);
    // The crates' dock beside the wagon, a platform south of the track, a
    // station shed west of it and a signal at the tunnel mouth, all solid.
    slab(m, TRAINLOT_CRATES_X0, TRAINLOT_CRATES_X1, TRAINLOT_CRATES_Y0, TRAINLOT_CRATES_Y1, G,
         G + TRAINLOT_DOCK_HEIGHT, CONCRETE);
    slab(m, -6, 2, TY - 1.8f, TY - 1.2f, G, G + 0.3f, CONCRETE);
    slab(m, -12, -8, 0.5f, 3.0f, G, G + 1.8f, BRICK);
    prismXZ(m, {{-12.2f, G + 1.8f}, {-7.8f, G + 1.8f}, {-10, G + 2.6f}}, 0.3f, 3.2f, RED);
    column(m, TRAINLOT_TUNNEL_X - 1.0f, TY + 1.0f, G, G + 2.5f, 0.05f, 6, STEEL);
    slab(m, TRAINLOT_TUNNEL_X - 1.1f, TRAINLOT_TUNNEL_X - 0.9f, TY + 0.95f, TY + 1.05f, G + 2.2f,
         G + 2.6f, RED);
}

QUORVEL_MODEL(trainlot_scenery) {
    Mesh& m = model.mesh;
    // Paint only: the track's sleepers and the dock's edge.
    for (float x = TRAINLOT_TRACK_WEST; x < TRAINLOT_TUNNEL_X; x += 0.6f)
        mark(m, x, x + 0.18f, TY - 0.55f, TY + 0.55f, G, WOOD);
    markFrame(m, TRAINLOT_CRATES_X0, TRAINLOT_CRATES_X1, TRAINLOT_CRATES_Y0, TRAINLOT_CRATES_Y1,
              G + TRAINLOT_DOCK_HEIGHT, 0.05f, YELLOW);
}
