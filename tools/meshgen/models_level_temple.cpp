// The temple: a plateau high over a sandy valley, paved around the ruin of a
// temple front: a back row still standing under its cornice, one front pillar
// standing and the socket of the fallen one.
#include <cmath>

#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level07_temple.h"

using namespace kit;

namespace {

const float F = TEMPLE_FLOOR, TOP = TEMPLE_PILLAR_TOP;
const float BACK_ROW_Y = -1.6f;

// A pillar standing from z0 to TOP with a foot and a capital.
void pillar(Mesh& m, float x, float y, float z0) {
    slab(m, x - 0.2f, x + 0.2f, y - 0.2f, y + 0.2f, z0, z0 + 0.1f, STONE);
    column(m, x, y, z0 + 0.1f, TOP - 0.1f, 0.09f, 10, shade(STONE, 0.95f));
    slab(m, x - 0.11f, x + 0.11f, y - 0.11f, y + 0.11f, TOP - 0.174f, TOP - 0.1f, STONE);
    slab(m, x - 0.2f, x + 0.2f, y - 0.2f, y + 0.2f, TOP - 0.1f, TOP, STONE);
}

// Along the plateau's rim, inside it, so the cliff below is rock all the way.
void parapet(Mesh& m) {
    const float X0 = TEMPLE_PLATEAU_WEST, X1 = TEMPLE_PLATEAU_EAST;
    const float Y0 = TEMPLE_PLATEAU_SOUTH, Y1 = TEMPLE_PLATEAU_NORTH;
    const float T = TEMPLE_PARAPET_THICK, Z0 = TEMPLE_FLOOR, Z1 = Z0 + TEMPLE_PARAPET_HEIGHT;
    slab(m, X0, X1, Y0, Y0 + T, Z0, Z1, STONE);
    slab(m, X0, X1, Y1 - T, Y1, Z0, Z1, STONE);
    slab(m, X0, X0 + T, Y0 + T, Y1 - T, Z0, Z1, STONE);
    slab(m, X1 - T, X1, Y0 + T, Y1 - T, Z0, Z1, STONE);
}

}  // namespace

QUORVEL_MODEL(temple_terrain) {
    Mesh& m = model.mesh;
    const float X0 = TEMPLE_PLATEAU_WEST, X1 = TEMPLE_PLATEAU_EAST;
    const float Y0 = TEMPLE_PLATEAU_SOUTH, Y1 = TEMPLE_PLATEAU_NORTH;
    // The valley and the plateau's rock, paved on top except for the socket.
    slab(m, -40, 30, -30, 30, -0.5f, 0, SAND);
    const float SX = TEMPLE_MOVABLE_X, SH = TEMPLE_SOCKET_HALF;
    slab(m, X0, SX - SH, Y0, Y1, 0, F, ROCK);
    slab(m, SX + SH, X1, Y0, Y1, 0, F, ROCK);
    slab(m, SX - SH, SX + SH, Y0, -SH, 0, F, ROCK);
    slab(m, SX - SH, SX + SH, SH, Y1, 0, F, ROCK);
    slab(m, SX - SH, SX + SH, -SH, SH, 0, TEMPLE_SOCKET_FLOOR, shade(ROCK, 0.7f));
    parapet(m);
    const float LW = TEMPLE_LIP_WIDTH, LZ = F + TEMPLE_LIP_HEIGHT;
    slab(m, SX - SH - LW, SX + SH + LW, -SH - LW, -SH, F, LZ, STONE);
    slab(m, SX - SH - LW, SX + SH + LW, SH, SH + LW, F, LZ, STONE);
    slab(m, SX - SH - LW, SX - SH, -SH, SH, F, LZ, STONE);
    slab(m, SX + SH, SX + SH + LW, -SH, SH, F, LZ, STONE);
    markFrame(m, -7.0f, -1.6f, -2.2f, 0.8f, F, 0.1f, STONE);
    // The standing pillar of the front, and the back row under its cornice.
    pillar(m, TEMPLE_FIXED_X, 0, F);
    pillar(m, TEMPLE_MOVABLE_X, BACK_ROW_Y, F);
    pillar(m, TEMPLE_FIXED_X, BACK_ROW_Y, F);
    slab(m, TEMPLE_CORNICE_X - 1.7f, TEMPLE_CORNICE_X + 1.7f, BACK_ROW_Y - 0.1f, BACK_ROW_Y + 0.1f,
         TOP, TOP + 0.24f, STONE);
    prismXZ(m,
            {{TEMPLE_CORNICE_X - 1.7f, TOP + 0.24f},
             {TEMPLE_CORNICE_X + 1.7f, TOP + 0.24f},
             {TEMPLE_CORNICE_X, TOP + 0.56f}},
            BACK_ROW_Y - 0.05f, BACK_ROW_Y + 0.05f, shade(STONE, 0.9f));
    for (float side : {-1.0f, 1.0f}) {
        const float x = TEMPLE_WAITING_X + side * TEMPLE_PIER_APART * cosf(TEMPLE_WAITING_YAW);
        const float y = TEMPLE_WAITING_Y + side * TEMPLE_PIER_APART * sinf(TEMPLE_WAITING_YAW);
        const float h = TEMPLE_PIER_HALF;
        slab(m, x - h, x + h, y - h, y + h, F, TEMPLE_PIER_TOP, STONE);
    }
    // Broken drums of other columns lying about.
    column(m, -8.5f, -3.5f, F, F + 0.3f, 0.12f, 10, STONE);
    column(m, -1.0f, 7.5f, F, F + 0.45f, 0.12f, 10, STONE);
    // Stairs down the cliff's east face, for the look of a way up.
    for (int s = 0; s < 8; s++)
        slab(m, X1, X1 + 0.5f * (8 - s), -0.8f, 0.8f, F * s / 8, F * (s + 1) / 8, STONE);
}
