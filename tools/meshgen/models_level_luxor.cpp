// Luxor: desert sand by the Nile, the family tomb with its burial chamber,
// palms, obelisks and pyramids on the horizon; and the coffins themselves.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"
#include "world/levels/level09_luxor.h"

namespace {

const Vec3 SAND = {0.86f, 0.76f, 0.52f};
const Vec3 SANDSTONE = {0.80f, 0.66f, 0.44f};
const Vec3 NILE = {0.22f, 0.42f, 0.52f};
const Vec3 PALM = {0.30f, 0.52f, 0.22f};
const Vec3 GOLD = {0.88f, 0.70f, 0.22f};
const Vec3 LAPIS = {0.15f, 0.25f, 0.60f};

void add(Mesh& dst, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh m = box(x1 - x0, y1 - y0, z1 - z0);
    append(dst, translate(m, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// A square pyramid standing on z = 0.
Mesh pyramid(float base, float height) {
    Mesh m = cone(base * 0.7071f, 0.0f, height, 4);
    rotate(m, {0, 0, 1}, 0.7853982f);
    return translate(m, 0, 0, height / 2);
}

}  // namespace

QUORVEL_MODEL(luxor_terrain) {
    using namespace luxor;
    Mesh& m = model.mesh;
    const float W = 30.0f;
    // Sand around the tomb's footprint, then the bank down to the river.
    float x0 = TOMB_X - HALF_LOWER, x1 = TOMB_X + HALF_LOWER;
    float y0 = TOMB_Y - HALF_LOWER, y1 = TOMB_Y + HALF_LOWER;
    add(m, -W, x0, -W, W, -1, 0, SAND);
    add(m, x1, RIVER_X, -W, W, -1, 0, SAND);
    add(m, x0, x1, -W, y0, -1, 0, SAND);
    add(m, x0, x1, y1, W, -1, 0, SAND);
    Mesh bank = extrude({{0, 0}, {0, -4.0f}, {3.0f, -4.0f}, {3.0f, RIVER_BED}}, 2 * W);
    rotate(bank, {1, 0, 0}, 1.5707964f);
    append(m, translate(bank, RIVER_X, 0, 0), SAND);
    add(m, RIVER_X + 3.0f, RIVER_X + 20.0f, -W, W, -4.0f, RIVER_BED, NILE);

    // The tomb: walls from the chamber floor up, wider below the step.
    const float in = HALF_INNER;
    auto ring = [&](float half, float z0, float z1, Vec3 c) {
        add(m, TOMB_X - half, TOMB_X + half, TOMB_Y + in, TOMB_Y + half, z0, z1, c);
        add(m, TOMB_X - half, TOMB_X + half, TOMB_Y - half, TOMB_Y - in, z0, z1, c);
        add(m, TOMB_X - half, TOMB_X - in, TOMB_Y - in, TOMB_Y + in, z0, z1, c);
        add(m, TOMB_X + in, TOMB_X + half, TOMB_Y - in, TOMB_Y + in, z0, z1, c);
    };
    ring(HALF_LOWER, CHAMBER_FLOOR, STEP_Z, SANDSTONE);
    ring(HALF_UPPER, STEP_Z, TOMB_TOP, shade(SANDSTONE, 0.9f));
    const float out = HALF_LOWER;  // the floor fills the footprint down to the sand's base
    add(m, TOMB_X - out, TOMB_X + out, TOMB_Y - out, TOMB_Y + out, -1, CHAMBER_FLOOR,
        shade(SANDSTONE, 0.6f));
    // Obelisks flanking the tomb's north face.
    for (int s = -1; s <= 1; s += 2) {
        Mesh shaft = cone(0.16f, 0.10f, 2.4f, 4);
        rotate(shaft, {0, 0, 1}, 0.7853982f);
        append(m, translate(shaft, TOMB_X + s * 1.3f, TOMB_Y + 1.6f, 1.2f), SANDSTONE);
        Mesh tip = pyramid(0.14f, 0.2f);
        append(m, translate(tip, TOMB_X + s * 1.3f, TOMB_Y + 1.6f, 2.4f), GOLD);
    }
    // Palms along the river bank.
    for (int k = 0; k < 5; k++) {
        float x = RIVER_X - 1.2f - (k % 2) * 0.8f, y = -9.0f + k * 4.3f;
        Mesh trunk = cone(0.09f, 0.06f, 2.2f, 6);
        append(m, translate(trunk, x, y, 1.1f), WOOD_DARK);
        Mesh crown = cone(0.9f, 0.0f, 0.45f, 7);
        append(m, translate(crown, x, y, 2.35f), PALM);
    }
    // Pyramids on the horizon.
    Mesh big = pyramid(16.0f, 10.0f);
    append(m, translate(big, -22.0f, 16.0f, 0), SANDSTONE);
    Mesh small = pyramid(8.0f, 5.0f);
    append(m, translate(small, -12.0f, 22.0f, 0), shade(SANDSTONE, 0.95f));
    model.edges.boundaries = false;
}

// A painted sarcophagus: gold, a lapis stripe, and a face at the head end.
QUORVEL_MODEL(luxor_coffin) {
    using namespace luxor;
    const float* s = COFFIN_SIZE;
    Mesh body = box(s[0], s[1], s[2]);
    append(model.mesh, body, GOLD);
    Mesh stripe = box(s[0] * 0.7f, s[1] * 1.02f, s[2] * 0.25f);
    append(model.mesh, translate(stripe, -0.05f, 0, 0), LAPIS);
    Mesh face = box(0.14f, s[1] * 0.6f, 0.02f);
    append(model.mesh, translate(face, s[0] / 2 - 0.12f, 0, s[2] / 2 + 0.01f), SANDSTONE);
    Mesh bar = box(BAR_SIZE[0], BAR_SIZE[1], BAR_SIZE[2]);
    append(model.mesh, translate(bar, 0, 0, s[2] / 2 + BAR_HEIGHT), GOLD);
    for (int k = -1; k <= 1; k += 2) {
        Mesh post = box(POST_SIZE[0], POST_SIZE[1], POST_SIZE[2]);
        append(model.mesh, translate(post, k * POST_X, 0, s[2] / 2 + POST_SIZE[2] / 2), LAPIS);
    }
}
