// The loose objects of the levels. Each shape follows its prop's collision
// geoms (sizes, offsets and turns in the body frame), so what the player sees
// is what collides; paint and small trims only decorate.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"

namespace {

const Vec3 X = {1, 0, 0}, Y = {0, 1, 0}, Z = {0, 0, 1};

void addBox(Model& m, float sx, float sy, float sz, Vec3 at, Vec3 colour, Vec3 axis = Z,
            float angle = 0) {
    append(m.mesh, placed(box(sx, sy, sz), at, axis, angle), colour);
}

// A box built of n slabs along an axis in two alternating shades (planks,
// tiles, stripes); the seams between slabs show as outlines.
void addSlats(Model& m, float sx, float sy, float sz, Vec3 at, int axis, int n, Vec3 a, Vec3 b) {
    float size[3] = {sx, sy, sz};
    float step = size[axis] / n;
    for (int k = 0; k < n; k++) {
        float s[3] = {sx, sy, sz};
        s[axis] = step;
        float offset = -size[axis] / 2 + step * (k + 0.5f);
        Vec3 p = {at.x + (axis == 0 ? offset : 0), at.y + (axis == 1 ? offset : 0),
                  at.z + (axis == 2 ? offset : 0)};
        append(m.mesh, placed(box(s[0], s[1], s[2]), p), k % 2 ? b : a);
    }
}

}  // namespace

QUORVEL_MODEL(crate) {
    addBox(model, 0.26f, 0.26f, 0.35f, {0, 0, 0}, WOOD);
    addBox(model, 0.34f, 0.34f, 0.1f, {0, 0, -0.175f}, WOOD_DARK);
    addBox(model, 0.34f, 0.34f, 0.1f, {0, 0, 0.175f}, WOOD_DARK);
}

QUORVEL_MODEL(frame) {
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 0.79f, 0.1f, 0.05f, {0, 0, s * 0.425f}, WHITE_PAINT);
        addBox(model, 0.05f, 0.1f, 0.9f, {s * 0.425f, 0, 0}, WHITE_PAINT);
    }
}

QUORVEL_MODEL(girder) {
    addBox(model, 1.98f, 0.08f, 0.08f, {0, 0, 0.12f}, GIRDER_RED);
    addBox(model, 1.98f, 0.2f, 0.05f, {0, 0, -0.025f}, GIRDER_RED);
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.7f, 0.08f, 0.08f, {s * 0.5f, 0, 0.04f}, shade(GIRDER_RED, 0.8f));
}

QUORVEL_MODEL(heavyweight) {
    // Hazard bands round an iron block, and the lifting boss on top.
    addSlats(model, 0.8f, 0.8f, 0.8f, {0, 0, 0}, 2, 5, IRON, shade(IRON, 0.8f));
    append(model.mesh, placed(cylinder(0.19f, 0.05f, 16), {0, 0, 0.55f}), HAZARD_YELLOW);
    addBox(model, 0.06f, 0.06f, 0.1f, {0, 0, 0.45f}, IRON);
}

QUORVEL_MODEL(chimney) {
    addSlats(model, 0.2f, 0.2f, 1.35f, {0, 0, 0.075f}, 2, 9, BRICK, shade(BRICK, 0.85f));
    addBox(model, 0.2f, 0.3f, 0.05f, {0, 0, 0.875f}, CONCRETE);
    addBox(model, 0.15f, 0.2f, 0.3f, {-0.175f, 0, -0.45f}, shade(BRICK, 0.85f));
    for (int s = -1; s <= 1; s += 2) addBox(model, 0.2f, 0.05f, 0.2f, {0, s * 0.125f, 0.8f}, BRICK);
}

namespace {

// A gable end wall in the y-z plane, thickness along x, from its outline.
Mesh gable(const std::vector<Vec2>& outline) {
    Mesh m = extrude(outline, 0.05f);
    return rotate(m, {1, 1, 1}, 2.0943951f);  // outline x,y,z -> y,z,x
}

}  // namespace

QUORVEL_MODEL(houseback) {
    // The wall with its 45-degree gable square and a doorway in the middle.
    append(model.mesh,
           gable({{-0.5f, -0.5f},
                  {-0.1f, -0.5f},
                  {-0.1f, -0.2f},
                  {0.1f, -0.2f},
                  {0.1f, -0.5f},
                  {0.5f, -0.5f},
                  {0.5f, 0.3f},
                  {0, 0.8f},
                  {-0.5f, 0.3f}}),
           PLASTER);
    addBox(model, 0.125f, 0.1f, 0.06f, {-0.0875f, 0, 0.7f}, WOOD_DARK);
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.1f, 0.05f, 0.3f, {-0.075f, s * 0.425f, -0.35f}, WOOD_DARK);
}

QUORVEL_MODEL(housefront) {
    append(model.mesh,
           gable({{-0.5f, -0.5f},
                  {-0.4f, -0.5f},
                  {-0.4f, -0.1f},
                  {-0.2f, -0.1f},
                  {-0.2f, -0.5f},
                  {0.5f, -0.5f},
                  {0.5f, 0.4f},
                  {0.4f, 0.4f},
                  {0, 0.8f},
                  {-0.4f, 0.4f},
                  {-0.5f, 0.4f}}),
           PLASTER);
    addBox(model, 0.3f, 0.1f, 0.06f, {0, 0, 0.7f}, WOOD_DARK);
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.1f, 0.05f, 0.3f, {0.075f, s * 0.425f, -0.35f}, WOOD_DARK);
    addBox(model, 0.15f, 0.7f, 0.05f, {-0.1f, 0.15f, -0.375f}, WOOD_DARK);
    // Painted windows either side of the wall (decoration only, 2 mm proud).
    addBox(model, 0.054f, 0.24f, 0.18f, {0, 0.2f, 0.1f}, WINDOW);
}

QUORVEL_MODEL(housewall) {
    Mesh wall = panel(1.24f, 0.75f, 0.05f, {{-0.33f, 0.025f, 0.33f, 0.325f}});
    append(model.mesh, placed(wall, {0, 0, -0.025f}), PLASTER);
    addBox(model, 0.05f, 0.35f, 0.2f, {0.425f, 0, -0.2f}, WOOD_DARK);
    addBox(model, 0.05f, 0.34f, 0.2f, {-0.425f, 0, -0.2f}, WOOD_DARK);
    addBox(model, 0.66f, 0.03f, 0.02f, {0, 0, 0.05f}, WOOD_DARK);  // glazing bar
}

QUORVEL_MODEL(houseroof) {
    for (int s = -1; s <= 1; s += 2) {
        Model slab;
        addSlats(slab, 1.24f, 0.85f, 0.025f, {0, 0, 0}, 1, 6, ROOF_TILE, shade(ROOF_TILE, 0.85f));
        append(model.mesh, placed(slab.mesh, {0, s * 0.3f, 0}, X, -s * 0.785398f));
    }
    append(model.mesh, placed(capsule(0.075f, 1.09f, 10, 6), {0, 0, 0.37f}, Y, 1.570796f),
           shade(ROOF_TILE, 0.7f));
}

QUORVEL_MODEL(markerpole) {
    addSlats(model, 0.1f, 0.1f, 0.6f, {0, 0, 0}, 2, 6, SIGNAL_RED, WHITE_PAINT);
    addBox(model, 0.2f, 0.2f, 0.05f, {0, 0, -0.325f}, CONCRETE);
}

QUORVEL_MODEL(packcrate) {
    // Light panels set back between a frame of twelve edge beams.
    addBox(model, 0.38f, 0.38f, 0.38f, {0, 0, 0}, WOOD);
    for (int a = -1; a <= 1; a += 2)
        for (int b = -1; b <= 1; b += 2) {
            addBox(model, 0.4f, 0.1f, 0.1f, {0, a * 0.15f, b * 0.15f}, WOOD_DARK);
            addBox(model, 0.1f, 0.19f, 0.1f, {a * 0.15f, 0, b * 0.15f}, WOOD_DARK);
            addBox(model, 0.1f, 0.1f, 0.19f, {a * 0.15f, b * 0.15f, 0}, WOOD_DARK);
        }
}

QUORVEL_MODEL(pallet) {
    for (int s = -1; s <= 1; s += 2)
        addSlats(model, 0.62f, 0.68f, 0.02f, {0, 0, s * 0.03f}, 0, 5, WOOD, shade(WOOD, 0.88f));
    for (int k = -1; k <= 1; k++) addBox(model, 0.62f, 0.04f, 0.04f, {0, k * 0.31f, 0}, WOOD_DARK);
}

namespace {

const float STRUT = 0.12f;

void strut(Model& m, Vec3 a, Vec3 b, float side = STRUT) {
    append(m.mesh, beam(a, b, side, side), GALVANISED);
}

// One face of the lattice: x-braces between two posts at heights zs, the
// face spanning from corner a to corner b.
void latticeFace(Model& m, Vec3 a0, Vec3 b0, Vec3 a1, Vec3 b1, int bays) {
    auto lerp = [](Vec3 p, Vec3 q, float t) {
        return Vec3{p.x + (q.x - p.x) * t, p.y + (q.y - p.y) * t, p.z + (q.z - p.z) * t};
    };
    for (int k = 0; k < bays; k++) {
        float t0 = (float)k / bays, t1 = (float)(k + 1) / bays;
        Vec3 pa = lerp(a0, a1, t0), pb = lerp(b0, b1, t0);
        Vec3 qa = lerp(a0, a1, t1), qb = lerp(b0, b1, t1);
        strut(m, pa, qb, 0.07f);
        strut(m, pb, qa, 0.07f);
        strut(m, qa, qb, 0.08f);
    }
}

}  // namespace

QUORVEL_MODEL(powermast) {
    const float h = 1.44f;  // half the body's 2.88 post spacing, inside its 3.0 box
    const int corners[4][2] = {{1, 1}, {1, -1}, {-1, -1}, {-1, 1}};
    // Feet, splayed legs up to the body, and the body's four posts.
    for (const auto& c : corners) {
        addBox(model, 1, 1, 1, {c[0] * 2.5f, c[1] * 2.5f, -4.5f}, CONCRETE);
        strut(model, {c[0] * 2.5f, c[1] * 2.5f, -4.0f}, {c[0] * h, c[1] * h, 0.0f}, 0.16f);
        strut(model, {c[0] * h, c[1] * h, 0.0f}, {c[0] * h, c[1] * h, 5.8f}, 0.16f);
    }
    for (int k = 0; k < 4; k++) {
        const int* c = corners[k];
        const int* d = corners[(k + 1) % 4];
        latticeFace(model, {c[0] * 2.5f, c[1] * 2.5f, -4.0f}, {d[0] * 2.5f, d[1] * 2.5f, -4.0f},
                    {c[0] * h, c[1] * h, 0}, {d[0] * h, d[1] * h, 0}, 2);
        latticeFace(model, {c[0] * h, c[1] * h, 0}, {d[0] * h, d[1] * h, 0},
                    {c[0] * h, c[1] * h, 5.8f}, {d[0] * h, d[1] * h, 5.8f}, 4);
    }
    // The four top legs lean in to the peak, with their physics turns.
    const float PI_F = 3.14159265f;
    const float legs[4][4] = {{0.75f, 0.9f, 0.14833f, -0.18333f},
                              {0.75f, -0.9f, -0.14833f, -0.18333f},
                              {-0.75f, 0.9f, 0.14833f, 0.18333f},
                              {-0.75f, -0.9f, -0.14833f, 0.18333f}};
    for (const auto& l : legs) {
        Mesh leg = box(0.2f, 0.2f, 2.65f);
        rotate(leg, Y, l[3] * PI_F);
        rotate(leg, X, l[2] * PI_F);
        append(model.mesh, translate(leg, l[0], l[1], 6.8f), GALVANISED);
    }
    append(model.mesh, placed(cylinder(0.05f, 0.7f, 8), {0, 0, 7.8f}, X, PI_F / 2), GALVANISED);
    for (int s = -1; s <= 1; s += 2)  // insulators hanging from the cross arm
        append(model.mesh, placed(cylinder(0.06f, 0.25f, 8), {0, s * 0.3f, 7.65f}), INSULATOR);
}

QUORVEL_MODEL(prisonwall) {
    addBox(model, 0.1f, 0.98f, 1.2f, {0, 0, 0}, CONCRETE);
    addBox(model, 0.1f, 0.8f, 0.2f, {0, 0, -0.7f}, shade(CONCRETE, 0.85f));
    addBox(model, 0.7f, 0.8f, 0.1f, {0, 0, -0.55f}, shade(CONCRETE, 0.8f));
    addBox(model, 0.1f, 0.98f, 0.1f, {0, 0, 0.75f}, IRON);
    for (int s = -1; s <= 1; s += 2) addBox(model, 0.1f, 0.29f, 0.1f, {0, s * 0.35f, 0.65f}, IRON);
}

QUORVEL_MODEL(ramptop) {
    addBox(model, 1.272f, 0.85f, 0.1f, {0, 0, 0.1f}, STEEL, Y, -0.11667f * 3.14159265f);
    addBox(model, 0.08f, 0.85f, 0.25f, {-0.54f, 0, -0.225f}, HAZARD_YELLOW);
    addBox(model, 0.08f, 0.85f, 0.65f, {0.54f, 0, -0.025f}, HAZARD_YELLOW);
    addBox(model, 1.0f, 0.85f, 0.08f, {0, 0, -0.2f}, shade(STEEL, 0.8f));
}

QUORVEL_MODEL(rampbase) {
    addBox(model, 0.96f, 0.85f, 0.1f, {0, 0, 0.05f}, STEEL);
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.1f, 0.85f, 0.45f, {s * 0.55f, 0, -0.175f}, HAZARD_YELLOW);
}

QUORVEL_MODEL(shutter) {
    addSlats(model, 0.36f, 0.05f, 0.3f, {0, 0, 0}, 2, 6, STEEL, shade(STEEL, 0.85f));
    addBox(model, 0.36f, 0.05f, 0.05f, {0, 0, 0.275f}, IRON);
}

QUORVEL_MODEL(stacker) {
    const float q = 0.785398f;
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 0.1f, 0.0707f, 0.0707f, {0, s * 0.05f, 0.25f}, IRON, X, q);
        addBox(model, 0.0707f, 0.1f, 0.0707f, {s * 0.05f, 0, 0.25f}, IRON, Y, q);
        addBox(model, 0.035f, 0.27f, 0.4f, {s * 0.118f, 0, 0}, HAZARD_YELLOW);
        addBox(model, 0.27f, 0.035f, 0.4f, {0, s * 0.118f, 0}, HAZARD_YELLOW);
    }
    addBox(model, 0.1f, 0.1f, 0.05f, {0, 0, 0.275f}, IRON);
    addBox(model, 0.3414f, 0.3414f, 0.05f, {0, 0, 0.225f}, STEEL);
}

QUORVEL_MODEL(templecornice) {
    const float tilt = 0.04444f * 3.14159265f;
    addBox(model, 3.4f, 0.2f, 0.24f, {0, 0, -0.1f}, MARBLE);
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 1.7f, 0.1f, 0.4f, {s * 0.82f, 0, 0.1f}, shade(MARBLE, 0.92f), Y, s * tilt);
        addBox(model, 1.75f, 0.2f, 0.05f, {s * 0.85f, 0, 0.3f}, MARBLE, Y, s * tilt);
    }
}

QUORVEL_MODEL(templepillar) {
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 0.4f, 0.4f, 0.1f, {0, 0, s * 0.75f}, MARBLE);
        addBox(model, 0.22f, 0.22f, 0.074f, {0, 0, s * 0.666f}, shade(MARBLE, 0.92f));
        append(model.mesh, placed(sphere(0.15f, 6, 10), {0, 0, s * 0.62f}), shade(MARBLE, 0.95f));
    }
    addBox(model, 0.12f, 0.12f, 1.1f, {0, 0, 0}, MARBLE);
}

QUORVEL_MODEL(tombseal) {
    addBox(model, 1.8f, 1.8f, 0.1f, {0, 0, 0}, STONE);
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 0.1f, 2.0f, 0.2f, {s * 0.95f, 0, -0.05f}, shade(STONE, 0.85f));
        addBox(model, 2.0f, 0.1f, 0.2f, {0, s * 0.95f, -0.05f}, shade(STONE, 0.85f));
        addBox(model, 0.07f, 0.18f, 0.2f, {s * 0.324f, 0, 0.15f}, IRON);
    }
    append(model.mesh, placed(capsule(0.1f, 0.87f, 10, 6), {0, 0, 0.25f}, Y, 1.570796f), IRON);
}

namespace {

// Eight eggs on pedestals; each variant its own colours and pattern, with
// the pattern's borders outlined.
Vec3 eggColour(int variant, Vec3 c) {
    const Vec3 palette[8][2] = {
        {{0.95f, 0.92f, 0.80f}, {0.85f, 0.78f, 0.60f}},
        {{0.25f, 0.45f, 0.85f}, WHITE_PAINT},
        {{0.90f, 0.20f, 0.20f}, {0.98f, 0.85f, 0.20f}},
        {{0.30f, 0.70f, 0.30f}, WHITE_PAINT},
        {{0.60f, 0.30f, 0.75f}, {0.95f, 0.65f, 0.80f}},
        {{0.95f, 0.55f, 0.15f}, {0.45f, 0.25f, 0.10f}},
        {{0.15f, 0.65f, 0.65f}, WHITE_PAINT},
        {{0.90f, 0.75f, 0.20f}, {0.30f, 0.20f, 0.10f}},
    };
    const float r = 0.12f;
    float lat = std::asin(std::max(-1.0f, std::min(1.0f, (c.z - r) / r)));  // -pi/2..pi/2
    float lon = std::atan2(c.y, c.x);                                       // -pi..pi
    int band = (int)std::floor((lat + 1.5708f) / 0.3927f);                  // 8 rings
    int seg = (int)std::floor((lon + 3.14159f) / 0.3927f);                  // 16 segments
    bool second = false;
    switch (variant) {
        case 0:
            second = band == 0;
            break;  // plain, darker base
        case 1:
            second = band % 2 == 1;
            break;  // rings
        case 2:
            second = seg % 2 == 1;
            break;  // segments
        case 3:
            second = c.z > r;
            break;  // two halves
        case 4:
            second = (band + seg) % 2 == 1;
            break;  // checks
        case 5:
            second = (band * 7 + seg * 3) % 5 == 0;
            break;  // spots
        case 6:
            second = ((seg + band) / 2) % 2 == 1;
            break;  // zigzag
        case 7:
            second = band == 3 || band == 4;
            break;  // a belt
    }
    return palette[variant][second ? 1 : 0];
}

}  // namespace

static const int eggsRegistered = [] {
    for (int v = 0; v < 8; v++) {
        registerModel("egg" + std::to_string(v), [v](Model& model) {
            Mesh egg = placed(sphere(0.12f, 8, 16), {0, 0, 0.12f});
            paintBy(egg, [v](Vec3 c, Vec3) { return eggColour(v, c); });
            append(model.mesh, egg);
            addBox(model, 0.2f, 0.2f, 0.2f, {0, 0, -0.1f}, WOOD);
            model.edges.colourBoundaries = true;
        });
    }
    return 0;
}();

namespace {

void riser(Model& model, float h) {
    addSlats(model, 0.19f, 0.19f, h, {0, 0, 0}, 2, std::max(1, (int)std::lround(h / 0.22f)),
             CONCRETE, shade(CONCRETE, 0.9f));
    addBox(model, 0.3f, 0.3f, 0.1f, {0, 0, h / 2}, STEEL);
    const float turn = 0.48333f * 3.14159265f;
    append(model.mesh,
           placed(capsule(0.025f, 0.3f, 8, 4), {-0.002617f, 0.125f, h / 2 + 0.05f}, Y, turn),
           HAZARD_YELLOW);
    append(model.mesh,
           placed(capsule(0.025f, 0.3f, 8, 4), {0.002617f, -0.125f, h / 2 + 0.05f}, Y, turn),
           HAZARD_YELLOW);
}

}  // namespace

// The riser of height 1.1, and the one every other height shares, drawn at 0.7.
QUORVEL_MODEL(riser11) { riser(model, 1.1f); }
QUORVEL_MODEL(riser) { riser(model, 0.7f); }

QUORVEL_MODEL(sealpin) {
    addBox(model, 0.26f, 0.15f, 0.1f, {0, 0, 0.55f}, BRASS);
    addBox(model, 0.26f, 0.15f, 0.1f, {0, 0, 0.55f}, shade(BRASS, 0.9f), Z, 1.047198f);
    append(model.mesh, capsule(0.05f, 1.0f, 10, 4), IRON);
}

QUORVEL_MODEL(sealdoor) {
    addSlats(model, 0.07f, 1.1f, 0.6f, {0, 0, 0}, 1, 5, WOOD_DARK, shade(WOOD_DARK, 0.85f));
    for (float z : {0.35f, -0.15f}) {
        addBox(model, 0.21f, 1.29f, 0.1f, {0, 0, z}, IRON);
        for (int s = -1; s <= 1; s += 2) {
            addBox(model, 0.21f, 0.05f, 0.1f, {0, s * 0.78f, z}, IRON);
            for (int t = -1; t <= 1; t += 2)
                addBox(model, 0.05f, 0.11f, 0.1f, {t * 0.08f, s * 0.7f, z}, shade(IRON, 1.2f));
        }
    }
}

QUORVEL_MODEL(bridgesegment) {
    // The deck with its fork pockets marked where the guides lie in it.
    addBox(model, 1.96f, 1.0f, 0.05f, {0, 0, 0}, STEEL);
    const float pockets[4][2] = {
        {-0.515f, -0.275f}, {0.515f, -0.275f}, {0.515f, 0.275f}, {-0.515f, 0.275f}};
    for (const auto& p : pockets)
        addBox(model, 0.8f, 0.3f, 0.052f, {p[0], p[1], 0}, shade(STEEL, 0.85f));
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.08f, 1.0f, 0.1f, {s * 0.94f, 0, -0.075f}, HAZARD_YELLOW);
}

QUORVEL_MODEL(canister) {
    // A plastic jerrycan filling the 0.25 x 0.25 x 0.35 box: a body with
    // chamfered uprights, a handle in the top corner and a capped spout.
    const float b = 0.125f, c = 0.03f;
    Mesh body = extrude({{-b + c, -b},
                         {b - c, -b},
                         {b, -b + c},
                         {b, b - c},
                         {b - c, b},
                         {-b + c, b},
                         {-b, b - c},
                         {-b, -b + c}},
                        0.29f);
    append(model.mesh, translate(body, 0, 0, -0.03f), CANISTER);
    addBox(model, 0.2f, 0.05f, 0.05f, {-0.01f, 0, 0.15f}, shade(CANISTER, 0.85f));
    for (int s = -1; s <= 1; s += 2)
        addBox(model, 0.03f, 0.05f, 0.06f, {-0.01f + s * 0.085f, 0, 0.13f}, shade(CANISTER, 0.85f));
    append(model.mesh, placed(cylinder(0.035f, 0.05f, 10), {0.07f, 0.07f, 0.14f}), SIGNAL_RED);
}

QUORVEL_MODEL(charboard) {
    addBox(model, 0.1f, 0.48f, 0.7f, {0, 0, 0}, WHITE_PAINT);
    for (int s = -1; s <= 1; s += 2) {
        addBox(model, 0.06f, 0.06f, 0.3f, {0, s * 0.19f, -0.5f}, WOOD_DARK);
        addBox(model, 0.1f, 0.1f, 0.1f, {0, s * 0.19f, 0.4f}, SIGNAL_RED);
        addBox(model, 0.104f, 0.02f, 0.66f, {0, s * 0.23f, 0}, SIGNAL_RED);  // border
    }
    addBox(model, 0.06f, 0.4f, 0.06f, {0, 0, 0.45f}, WOOD_DARK);
}

QUORVEL_MODEL(lever) {
    // The handle, its red grip, and the hub round the hinge it turns on.
    append(model.mesh, capsule(0.04f, 0.5f, 10, 4), STEEL);
    append(model.mesh, placed(cylinder(0.05f, 0.12f, 10), {0, 0, 0.2f}), SIGNAL_RED);
    append(model.mesh, placed(cylinder(0.07f, 0.08f, 12), {-0.1f, 0, -0.25f}, X, 1.570796f), IRON);
    append(model.mesh, beam({-0.1f, 0, -0.25f}, {0, 0, -0.2f}, 0.04f, 0.04f), IRON);
}

QUORVEL_MODEL(liftplatform) {
    // A steel deck on its body at offset (0, -0.6, 0), hazard-striped ends.
    addSlats(model, 3.1f, 1.1f, 0.05f, {0, -0.6f, 0}, 0, 10, STEEL, shade(STEEL, 0.9f));
    for (int s = -1; s <= 1; s += 2)
        addSlats(model, 0.2f, 1.1f, 0.05f, {s * 1.65f, -0.6f, 0}, 1, 6, HAZARD_YELLOW, IRON);
}

QUORVEL_MODEL(conveyor) {
    // The 10 x 0.45 x 0.05 belt: rubber with cleats, side rails and rollers
    // showing underneath along its length.
    addSlats(model, 10.0f, 0.41f, 0.05f, {0, 0, 0}, 0, 40, RUBBER, shade(RUBBER, 1.4f));
    for (int s = -1; s <= 1; s += 2) addBox(model, 10.0f, 0.02f, 0.05f, {0, s * 0.215f, 0}, STEEL);
    for (int k = 0; k < 11; k++)
        append(model.mesh, placed(cylinder(0.04f, 0.45f, 8), {-5.0f + k, 0, -0.045f}, X, 1.570796f),
               STEEL);
}

QUORVEL_MODEL(greenbox) {
    addSlats(model, 0.28f, 0.28f, 0.28f, {0, 0, 0}, 2, 3, BOX_GREEN, shade(BOX_GREEN, 0.85f));
}
QUORVEL_MODEL(redbox) {
    addSlats(model, 0.28f, 0.28f, 0.28f, {0, 0, 0}, 2, 3, BOX_RED, shade(BOX_RED, 0.85f));
}

QUORVEL_MODEL(dumpster) {
    addBox(model, 2.0f, 1.0f, 0.05f, {0, 0, -0.25f}, shade(DUMPSTER, 0.8f));
    for (int s = -1; s <= 1; s += 2) {
        addSlats(model, 2.0f, 0.05f, 0.6f, {0, s * 0.475f, 0.075f}, 0, 8, DUMPSTER,
                 shade(DUMPSTER, 0.9f));
        addBox(model, 0.05f, 0.95f, 0.6f, {s * 0.975f, 0, 0.075f}, DUMPSTER);
    }
}

QUORVEL_MODEL(dumpsterlid) {
    addBox(model, 2.0f, 1.0f, 0.05f, {0, 0, 0}, shade(DUMPSTER, 1.15f));
    addBox(model, 2.5f, 0.1f, 0.05f, {0, -0.55f, 0}, IRON);
}
