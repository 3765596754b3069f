// The chemical store: a walled floor with a notched dock along either side,
// a yard around it; hazard signs, racks and a roof frame as scenery. The
// collision shape is the floor, walls and docks without the paint.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level17_chemistry.h"

using namespace kit;
using namespace chemistry;

namespace {

const Vec3 EPOXY = {0.55f, 0.62f, 0.58f};
const Vec3 DECK = {0.62f, 0.64f, 0.60f};
const Vec3 ACID = {0.95f, 0.45f, 0.10f};
const Vec3 BASE = {0.20f, 0.40f, 0.85f};
const float WALL = 0.3f;

// One dock between |y| = DECK_Y0 and the wall, on the side s (+1 north, -1
// south): solid behind the notches, and along the face the deck between them.
void dock(Mesh& m, int s) {
    const float Y = STORE_HALF_Y, n = DECK_Y0 + NOTCH_LENGTH;
    slab(m, DECK_X0, STORE_X1, fminf(s * n, s * Y), fmaxf(s * n, s * Y), FLOOR_Z, SEAT_Z, DECK);
    float y0 = fminf(s * DECK_Y0, s * n), y1 = fmaxf(s * DECK_Y0, s * n);
    float from = DECK_X0;
    for (int k = 0; k < SEATS; k++) {
        float x = seatX(k);
        slab(m, from, x - NOTCH_OUTER, y0, y1, FLOOR_Z, SEAT_Z, DECK);
        slab(m, x - NOTCH_INNER, x + NOTCH_INNER, y0, y1, FLOOR_Z, SEAT_Z, DECK);
        from = x + NOTCH_OUTER;
    }
    slab(m, from, STORE_X1, y0, y1, FLOOR_Z, SEAT_Z, DECK);
}

void solid(Mesh& m) {
    const float Y = STORE_HALF_Y, T = FLOOR_Z + WALL_HEIGHT;
    const float X0 = STORE_X0 - WALL, X1 = STORE_X1 + WALL;
    slab(m, -30, 30, -30, 30, -1.0f, 0, ASPHALT);
    slab(m, X0, X1, -Y - WALL, Y + WALL, 0, FLOOR_Z, EPOXY);
    // Walls all round the store.
    slab(m, X0, STORE_X0, -Y, Y, FLOOR_Z, T, CONCRETE);
    slab(m, STORE_X1, X1, -Y, Y, FLOOR_Z, T, CONCRETE);
    slab(m, X0, X1, Y, Y + WALL, FLOOR_Z, T, CONCRETE);
    slab(m, X0, X1, -Y - WALL, -Y, FLOOR_Z, T, CONCRETE);
    dock(m, 1);
    dock(m, -1);
}

// A dock's paint: the zone's outline behind the seats and each seat's
// middle ridge, in the colour of what belongs there.
void dockPaint(Mesh& m, int s, Vec3 c) {
    float y0 = DECK_Y0 + NOTCH_LENGTH + 0.05f;
    if (s > 0)
        markFrame(m, DOCK_X0, DOCK_X1, y0, DOCK_Y1, SEAT_Z, 0.08f, c);
    else
        markFrame(m, DOCK_X0, DOCK_X1, -DOCK_Y1, -y0, SEAT_Z, 0.08f, c);
    float n0 = fminf(s * DECK_Y0, s * (DECK_Y0 + NOTCH_LENGTH));
    float n1 = fmaxf(s * DECK_Y0, s * (DECK_Y0 + NOTCH_LENGTH));
    for (int k = 0; k < SEATS; k++)
        mark(m, seatX(k) - NOTCH_INNER, seatX(k) + NOTCH_INNER, n0, n1, SEAT_Z, c);
}

}  // namespace

QUORVEL_MODEL(chemistry_collision) { solid(model.mesh); }

QUORVEL_MODEL(chemistry_terrain) {
    Mesh& m = model.mesh;
    solid(m);
    // Dock A north for the bases, dock B south for the acids.
    dockPaint(m, 1, BASE);
    dockPaint(m, -1, ACID);
    // The aisle's middle line.
    for (float x = STORE_X0 + 0.5f; x < STORE_X1 - 0.5f; x += 1.2f)
        mark(m, x, x + 0.6f, -0.05f, 0.05f, FLOOR_Z, YELLOW);
}

QUORVEL_MODEL(chemistry_scenery) {
    Mesh& m = model.mesh;
    const float Y = STORE_HALF_Y + 0.15f, T = FLOOR_Z + 3.2f;
    // Roof frame on columns standing in the walls.
    for (float x : {STORE_X0 - 0.15f, 0.5f, STORE_X1 + 0.15f})
        for (float y : {-Y, Y}) column(m, x, y, FLOOR_Z, T, 0.12f, 8, STEEL);
    strut(m, {STORE_X0 - 0.15f, -Y, T}, {STORE_X1 + 0.15f, -Y, T}, 0.2f, STEEL);
    strut(m, {STORE_X0 - 0.15f, Y, T}, {STORE_X1 + 0.15f, Y, T}, 0.2f, STEEL);
    for (float x : {STORE_X0 - 0.15f, 0.5f, STORE_X1 + 0.15f})
        strut(m, {x, -Y, T}, {x, Y, T + 0.8f}, 0.15f, STEEL);
    // Hazard signs on the wall behind each dock.
    const float W = STORE_HALF_Y;
    slab(m, 0.4f, 0.6f, W - 0.05f, W, SEAT_Z + 0.4f, SEAT_Z + 0.95f, BASE);
    slab(m, 0.4f, 0.6f, -W, -W + 0.05f, SEAT_Z + 0.4f, SEAT_Z + 0.95f, ACID);
    // Racks of drums outside the west wall.
    for (int i = 0; i < 5; i++)
        column(m, STORE_X0 - 2.5f, -4 + 2.0f * i, 0, 0.9f, 0.3f, 10, i % 2 ? ACID : BASE);
}
