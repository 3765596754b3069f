// The compound in the Nevada desert: a sand yard with the two wall slots,
// the hangar (with what it hides), a watchtower, fence and far dunes. The
// collision record holds only what can be touched in play.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/models_level_ground.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level12_ufo.h"

namespace {

const Vec3 SAND = {0.85f, 0.72f, 0.50f};
const Vec3 DUNE = {0.80f, 0.64f, 0.42f};
const Vec3 HANGAR = {0.58f, 0.60f, 0.55f};
const Vec3 SAUCER = {0.75f, 0.80f, 0.82f};
const Vec3 GLOW = {0.40f, 0.95f, 0.55f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// One slot cut into the ground along y at x = cx: chamfered lips, upright
// walls, end walls and the floor.
void slot(Mesh& m, float cx) {
    using namespace ufo;
    const float L = SLOT_HALF_LENGTH, w = SLOT_HALF, c = SLOT_HALF + CHAMFER, cd = -CHAMFER_DEPTH;
    const Vec3 lip = shade(SAND, 0.85f), wall = shade(CONCRETE, 0.7f);
    // Lips slope down into the slot from either side.
    groundQuad(m, {cx - c, -L, 0}, {cx - w, -L, cd}, {cx - w, L, cd}, {cx - c, L, 0}, lip);
    groundQuad(m, {cx + w, -L, cd}, {cx + c, -L, 0}, {cx + c, L, 0}, {cx + w, L, cd}, lip);
    groundQuad(m, {cx - w, -L, SLOT_FLOOR}, {cx - w, L, SLOT_FLOOR}, {cx - w, L, cd},
               {cx - w, -L, cd}, wall);
    groundQuad(m, {cx + w, L, SLOT_FLOOR}, {cx + w, -L, SLOT_FLOOR}, {cx + w, -L, cd},
               {cx + w, L, cd}, wall);
    flatFloor(m, cx - w, cx + w, -L, L, SLOT_FLOOR, shade(CONCRETE, 0.6f));
    for (int s = -1; s <= 1; s += 2) {
        float y = s * L;
        // Each end: the lip's trapezoid and the wall below it, facing in.
        Vec3 p0 = {cx - c, y, 0}, p1 = {cx + c, y, 0}, p2 = {cx + w, y, cd}, p3 = {cx - w, y, cd};
        Vec3 p4 = {cx + w, y, SLOT_FLOOR}, p5 = {cx - w, y, SLOT_FLOOR};
        if (s < 0) {
            groundQuad(m, p0, p3, p2, p1, wall);
            groundQuad(m, p3, p5, p4, p2, wall);
        } else {
            groundQuad(m, p0, p1, p2, p3, wall);
            groundQuad(m, p3, p2, p4, p5, wall);
        }
    }
}

// Everything the player can touch: yard, slots, hangar.
void touchable(Mesh& m) {
    using namespace ufo;
    const float W = 16.0f, c = SLOT_HALF + CHAMFER, L = SLOT_HALF_LENGTH;
    add(m, -W - 4, W, -W, W, -1.0f, -0.5f, shade(SAND, 0.8f));
    std::vector<GroundHole> holes;
    for (float cx : {STORE_SLOT_X, WALL_SLOT_X}) holes.push_back({cx - c, cx + c, -L, L, -0.0001f});
    flatGround(m, -W - 4, W, -W, W, 0.0f, holes, -0.5f, [](float, float) { return SAND; });
    slot(m, STORE_SLOT_X);
    slot(m, WALL_SLOT_X);
    // The hangar: a closed shed under a gabled roof.
    add(m, HANGAR_X0, HANGAR_X1, HANGAR_Y0, HANGAR_Y1, 0, 3.0f, HANGAR);
    // The roof's gable outline runs across y and is extruded along x.
    Mesh r2 = extrude({{HANGAR_Y0, 0}, {HANGAR_Y1, 0}, {(HANGAR_Y0 + HANGAR_Y1) / 2, 1.5f}},
                      HANGAR_X1 - HANGAR_X0);
    rotate(r2, {1, 0, 0}, 1.5707964f);  // outline y -> z, extrusion -> -y
    rotate(r2, {0, 0, 1}, 1.5707964f);  // outline x -> y, extrusion -> x
    append(m, translate(r2, (HANGAR_X0 + HANGAR_X1) / 2, 0, 3.0f), shade(HANGAR, 0.85f));
}

}  // namespace

QUORVEL_MODEL(ufo_terrain) {
    using namespace ufo;
    Mesh& m = model.mesh;
    touchable(m);
    // Paint where the wall belongs, and the hangar's door.
    add(m, WALL_SLOT_X + 0.5f, WALL_SLOT_X + 0.56f, -SLOT_HALF_LENGTH, SLOT_HALF_LENGTH, -0.01f,
        0.002f, HAZARD_YELLOW);
    add(m, HANGAR_X0 - 0.02f, HANGAR_X0, HANGAR_Y0 + 1.5f, HANGAR_Y1 - 1.5f, 0.0f, 2.6f, IRON);
    // What the attention is about: a saucer parked beside the hangar.
    Mesh disc = cone(1.6f, 0.5f, 0.35f, 16);
    append(m, translate(disc, 8.0f, 0.0f, 0.75f), SAUCER);
    Mesh under = cone(0.6f, 1.6f, 0.25f, 16);
    append(m, translate(under, 8.0f, 0.0f, 0.45f), shade(SAUCER, 0.8f));
    Mesh dome = sphere(0.45f, 4, 12);
    append(m, translate(dome, 8.0f, 0.0f, 0.95f), GLOW);
    for (int k = 0; k < 3; k++) {
        float a = k * 2.0943951f;
        Mesh leg = cylinder(0.04f, 0.45f, 6);
        append(m, translate(leg, 8.0f + 1.0f * cosf(a), 1.0f * sinf(a), 0.2f), IRON);
    }
    // A watchtower at the corner and a fence line to the east.
    for (int i = 0; i < 4; i++) {
        float x = -12.0f + (i % 2) * 1.4f, y = -12.0f + (i / 2) * 1.4f;
        add(m, x - 0.06f, x + 0.06f, y - 0.06f, y + 0.06f, 0, 4.0f, IRON);
    }
    add(m, -12.2f, -10.4f, -12.2f, -10.4f, 4.0f, 4.2f, WOOD_DARK);
    add(m, -12.1f, -10.5f, -12.1f, -10.5f, 4.2f, 5.0f, shade(WOOD, 0.9f));
    for (int k = 0; k < 14; k++) {
        float y = -13.0f + k * 2.0f;
        add(m, 14.0f, 14.08f, y - 0.04f, y + 0.04f, 0, 1.6f, GALVANISED);
    }
    add(m, 14.0f, 14.02f, -13.0f, 13.0f, 0.3f, 1.5f, shade(GALVANISED, 0.8f));
    // Dunes beyond the compound.
    Mesh dunes = heightfield(18, 6, 4.0f, -36.0f, 16.0f, [](float x, float y) {
        return -0.5f + 0.8f * (1 + sinf(x * 0.35f + y * 0.2f)) * fminf(1.0f, (y - 16.0f) / 8.0f);
    });
    append(m, dunes, DUNE);
    model.edges.boundaries = false;
}

QUORVEL_MODEL(ufo_collision) {
    touchable(model.mesh);
    model.edges.boundaries = false;
}
