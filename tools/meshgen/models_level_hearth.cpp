// Hearth: a green valley with the house's old plot by the road and the hill
// with its new foundation. The collision record holds ground, hill, slabs,
// trees and fence; the smooth guides on the slabs are collided by the builder.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level13_hearth.h"

namespace {

const Vec3 GRASS = {0.40f, 0.60f, 0.30f};
const Vec3 HILL = {0.46f, 0.64f, 0.32f};
const Vec3 PATH = {0.70f, 0.62f, 0.48f};
const Vec3 LEAVES = {0.22f, 0.46f, 0.22f};
const Vec3 POND = {0.30f, 0.50f, 0.65f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// A foundation slab flush with the floor.
void foundation(Mesh& m, float cx, float cy, float floor) {
    using namespace hearth;
    add(m, cx + SLAB[0], cx + SLAB[1], cy + SLAB[2], cy + SLAB[3], floor - 0.05f, floor + 0.001f,
        CONCRETE);
}

// A ridge, a square bar turned 45 degrees along its length; a side wall's
// is laid wallOut further out.
void ridge(Mesh& m, const hearth::Ridge& r, float cx, float cy, float floor, float wallOut) {
    const float side = hearth::RIDGE_HIGH * 1.41421356f;
    float length = r.to - r.from, mid = (r.from + r.to) / 2;
    float at = r.wall ? r.at + std::copysign(wallOut, r.at) : r.at;
    Mesh bar = r.alongX ? box(length, side, side) : box(side, length, side);
    Vec3 where = r.alongX ? Vec3{cx + mid, cy + at, floor} : Vec3{cx + at, cy + mid, floor};
    Vec3 axis = r.alongX ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    append(m, placed(bar, where, axis, 0.7853982f), STONE);
}

// The new house's notches under its walls' feet: square bars across the
// wall, turned 45 degrees, as the builder collides them.
void notches(Mesh& m, float cx, float cy, float floor) {
    using namespace hearth;
    const float half = NOTCH_HIGH - NOTCH_CORNER;
    for (const Notch& n : WALL_NOTCHES)
        for (int wall = -1; wall <= 1; wall += 2)
            for (int flank = -1; flank <= 1; flank += 2) {
                Mesh bar = box(half * 1.41421356f, n.y1 - n.y0, half * 1.41421356f);
                Vec3 where = {cx + n.x + flank * (NOTCH_CLEAR + half),
                              cy + wall * (n.y0 + n.y1) / 2, floor + NOTCH_CORNER};
                append(m, placed(bar, where, {0, 1, 0}, 0.7853982f), STONE);
            }
}

// Its ridges and the chimney's smooth strip: the builder collides them as
// boxes of their own, smooth, so they are drawn here but kept out of the
// collision record. The rebuilt house's side walls stand further out, and
// its gables' ends and its walls' feet have guides of their own.
void guides(Mesh& m, float cx, float cy, float floor, bool rebuilt) {
    using namespace hearth;
    const float wallOut = rebuilt ? NEW_WALL_RIDGES_OUT : 0;
    for (const Ridge& r : RIDGES) ridge(m, r, cx, cy, floor, wallOut);
    if (rebuilt) {
        for (const Ridge& r : GABLE_ENDS) ridge(m, r, cx, cy, floor, 0);
        notches(m, cx, cy, floor);
    }
    const float* c = CHIMNEY_SLIDE;
    add(m, cx + c[0], cx + c[1], cy + c[2], cy + c[3], floor, floor + 0.001f + SLIDE_THICK, STEEL);
}

// The old house's upright bars beside its gables' feet (collided by the
// builder, like the ridges).
void slots(Mesh& m, float cx, float cy, float floor) {
    using namespace hearth;
    for (const SlotBar& b : GABLE_SLOTS) {
        float x = cx + b.at;
        add(m, x - SLOT_BAR / 2, x + SLOT_BAR / 2, cy + b.from, cy + b.to, floor, floor + SLOT_HIGH,
            STONE);
    }
}

void tree(Mesh& m, float x, float y) {
    Mesh trunk = cylinder(0.12f, 0.8f, 6);
    append(m, translate(trunk, x, y, 0.4f), WOOD_DARK);
    Mesh crown = cone(0.9f, 0.0f, 2.0f, 7);
    append(m, translate(crown, x, y, 1.8f), LEAVES);
}

// A picket fence along the hill top's north edge: the view they want. Its
// pickets stand on a close-boarded back as high as a house wall and the
// whole width of the hill top: a wall shoved north slipped between bare
// pickets, or tipped over them, and slid down the slope lying flat, where
// no claw can take it again.
void fence(Mesh& m) {
    using namespace hearth;
    const float y = HILL_CY + HILL_TOP_HALF - 0.2f;
    for (int k = 0; k < 18; k++) {
        float x = HILL_CX - 4.25f + k * 0.5f;
        add(m, x - 0.03f, x + 0.03f, y, y + 0.06f, HILL_TOP, HILL_TOP + FENCE_HIGH + 0.08f,
            WHITE_PAINT);
    }
    add(m, HILL_CX - HILL_TOP_HALF, HILL_CX + HILL_TOP_HALF, y + 0.06f, y + 0.09f, HILL_TOP,
        HILL_TOP + FENCE_HIGH, WHITE_PAINT);
}

// Everything standing that a machine or a load could run into.
void touchable(Mesh& m) {
    using namespace hearth;
    const float W = 18.0f;
    add(m, -W, W + 4, -W, W, -1, 0, GRASS);
    // The hill: a square frustum, gentle enough to drive up from any side.
    Mesh hill = cone(HILL_FOOT_HALF * 1.41421f, HILL_TOP_HALF * 1.41421f, HILL_TOP, 4);
    rotate(hill, {0, 0, 1}, 0.7853982f);
    append(m, translate(hill, HILL_CX, HILL_CY, HILL_TOP / 2), HILL);
    foundation(m, START_X, START_Y, HILL_TOP);
    foundation(m, HILL_X, HILL_Y, HILL_TOP);
    // Trees around the valley, clear of the hill's slopes.
    const float trees[][2] = {{-6, 4}, {-9, -2}, {0, 2},   {14, 15},
                              {18, 0}, {-4, 12}, {6, -13}, {-12, -12}};
    for (const auto& t : trees) tree(m, t[0], t[1]);
    fence(m);
}

}  // namespace

QUORVEL_MODEL(hearth_terrain) {
    using namespace hearth;
    Mesh& m = model.mesh;
    touchable(m);
    // A gravel path from the road up to the hill's foot.
    add(m, -2.0f, HILL_CX - 1.0f, -9.0f, -7.0f, -0.01f, 0.002f, PATH);
    add(m, HILL_CX - 1.0f, HILL_CX + 1.0f, -9.0f, HILL_CY - HILL_FOOT_HALF, -0.01f, 0.002f, PATH);
    guides(m, START_X, START_Y, HILL_TOP, false);
    slots(m, START_X, START_Y, HILL_TOP);
    guides(m, HILL_X, HILL_Y, HILL_TOP, true);
    Mesh pond = cylinder(2.5f, 0.02f, 12);
    append(m, translate(pond, -8.0f, 8.0f, 0.0f), POND);
    model.edges.boundaries = false;
}

QUORVEL_MODEL(hearth_collision) {
    touchable(model.mesh);
    model.edges.boundaries = false;
}
