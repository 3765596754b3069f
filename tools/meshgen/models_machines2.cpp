// The sky crane, the racer, the police car and the train wagon. Each shape
// is drawn in its body's own frame (+x forward, +y left, +z up); axle and
// wheel shapes have their axle on z, as the physics cylinders do.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"

namespace {

const float PI_F = 3.14159265f;

const Vec3 HELI = {0.86f, 0.62f, 0.16f};  // sky crane paint
const Vec3 HELI_DARK = {0.34f, 0.36f, 0.38f};
const Vec3 BLADE = {0.20f, 0.21f, 0.23f};
const Vec3 DISC = {0.55f, 0.57f, 0.60f};
const Vec3 RACER_RED = {0.82f, 0.10f, 0.10f};
const Vec3 HELMET = {0.95f, 0.85f, 0.15f};
const Vec3 POLICE_DARK = {0.10f, 0.11f, 0.14f};
const Vec3 LIGHT_BLUE = {0.15f, 0.35f, 1.00f};
const Vec3 HUB = {0.78f, 0.78f, 0.74f};

Mesh at(Mesh m, float x, float y, float z) { return translate(m, x, y, z); }

void addBox(Mesh& dst, float sx, float sy, float sz, float x, float y, float z, Vec3 colour) {
    append(dst, at(box(sx, sy, sz), x, y, z), colour);
}

// A box placed the way a physics box with an offset and a turn sits on its body.
void addTurned(Mesh& dst, float sx, float sy, float sz, Vec3 at, Vec3 axis, float angle,
               Vec3 colour) {
    append(dst, placed(box(sx, sy, sz), at, axis, angle), colour);
}

// A flat ring in the x-y plane between radii r0 and r1, thickness t, at height z.
Mesh ring(float r0, float r1, float t, float z, int sides) {
    Mesh m;
    for (int i = 0; i < sides; i++) {
        float a0 = 2 * PI_F * i / sides, a1 = 2 * PI_F * (i + 1) / sides;
        Vec3 in0 = {r0 * cosf(a0), r0 * sinf(a0), 0}, in1 = {r0 * cosf(a1), r0 * sinf(a1), 0};
        Vec3 out0 = {r1 * cosf(a0), r1 * sinf(a0), 0}, out1 = {r1 * cosf(a1), r1 * sinf(a1), 0};
        auto up = [&](Vec3 v) { return Vec3{v.x, v.y, z + t / 2}; };
        auto dn = [&](Vec3 v) { return Vec3{v.x, v.y, z - t / 2}; };
        Vec3 c = {1, 1, 1};
        m.tris.push_back({{up(in0), up(out0), up(out1)}, c});
        m.tris.push_back({{up(in0), up(out1), up(in1)}, c});
        m.tris.push_back({{dn(in0), dn(out1), dn(out0)}, c});
        m.tris.push_back({{dn(in0), dn(in1), dn(out1)}, c});
        m.tris.push_back({{dn(out0), up(out1), up(out0)}, c});
        m.tris.push_back({{dn(out0), dn(out1), up(out1)}, c});
        m.tris.push_back({{dn(in0), up(in0), up(in1)}, c});
        m.tris.push_back({{dn(in0), up(in1), dn(in1)}, c});
    }
    return m;
}

// A tyre on the axle's z axis at along, with a light hub on its outer face
// (the face away from the axle's middle) and tread blocks that show it turn.
void tyre(Mesh& dst, float radius, float length, float along, Vec3 hubColour) {
    const int SIDES = 18;
    Mesh t = cylinder(radius, length, SIDES);
    const float rim = length / 2 - 1e-3f;
    paintBy(t, [rim](Vec3 c, Vec3) {
        if (std::fabs(c.z) > rim) return RUBBER;
        int sector = (int)std::floor((std::atan2(c.y, c.x) + PI_F) / (2 * PI_F) * SIDES);
        return sector % 2 ? RUBBER : shade(RUBBER, 2.2f);
    });
    append(dst, translate(t, 0, 0, along));
    float out = along < 0 ? -1.0f : 1.0f;
    Mesh hub = cylinder(radius * 0.55f, 0.02f, 12);
    append(dst, translate(hub, 0, 0, along + out * (length / 2 + 0.005f)), hubColour);
}

void shaft(Mesh& dst, float radius, float length) {
    append(dst, cylinder(radius, length, 8), IRON);
}

// A window pane standing just proud of a face whose outward normal is axis.
void pane(Mesh& dst, char axis, float sign, float w, float h, float x, float y, float z) {
    const float t = 0.01f;
    if (axis == 'x') addBox(dst, t, w, h, x + sign * t / 2, y, z, WINDOW);
    if (axis == 'y') addBox(dst, w, t, h, x, y + sign * t / 2, z, WINDOW);
}

}  // namespace

// --------------------------------------------------------------- sky crane

QUORVEL_MODEL(skycrane) {
    Mesh& m = model.mesh;
    // Spine over the main body (the collision boom runs from x -5.0 to 1.7).
    addBox(m, 3.4f, 0.5f, 0.42f, -0.05f, 0, 0.14f, HELI);
    addBox(m, 3.2f, 0.34f, 0.26f, -3.4f, 0, 0.2f, HELI);        // tail boom
    addBox(m, 3.2f, 0.36f, 0.04f, -3.4f, 0, 0.09f, HELI_DARK);  // stripe under the boom
    // Cabin (1.0 x 0.8 x 1.1 at (2.1, 0, -0.15)) with a glazed front.
    addBox(m, 1.0f, 0.8f, 1.1f, 2.1f, 0, -0.15f, HELI);
    pane(m, 'x', 1, 0.7f, 0.45f, 2.6f, 0, 0.12f);
    for (float s : {1.0f, -1.0f}) pane(m, 'y', s, 0.6f, 0.4f, 2.2f, s * 0.4f, 0.12f);
    addBox(m, 0.3f, 0.7f, 0.3f, 2.6f, 0, -0.5f, HELI_DARK);  // chin
    // Engines and the rotor mast up to the hub at z 0.86.
    addBox(m, 1.8f, 0.7f, 0.3f, 0.1f, 0, 0.5f, HELI_DARK);
    for (float s : {1.0f, -1.0f}) {
        Mesh pod = cylinder(0.16f, 1.4f, 12);
        rotate(pod, {0, 1, 0}, PI_F / 2);
        append(m, translate(pod, 0.2f, s * 0.42f, 0.5f), HELI);
    }
    append(m, at(cylinder(0.08f, 0.3f, 10), 0, 0, 0.74f), STEEL);
    // Cross beam carrying the main gear at x -1.0, y +-1.5.
    addBox(m, 0.14f, 3.0f, 0.12f, -1.0f, 0, -0.02f, HELI_DARK);
    // Tail fin, tail plane, and the tail-rotor pylon.
    addTurned(m, 0.6f, 0.06f, 0.9f, {-4.95f, 0, 0.6f}, {0, 1, 0}, -0.3f, HELI);
    addBox(m, 0.4f, 1.2f, 0.04f, -4.6f, 0, 0.3f, HELI);
    addBox(m, 0.3f, 0.06f, 0.1f, -5.25f, 0.04f, 0.9f, HELI_DARK);
    // Hook well under the belly, where the stowed hook hangs.
    addBox(m, 0.2f, 0.3f, 0.1f, 0, 0, -0.07f, HELI_DARK);
}

QUORVEL_MODEL(skycrane_strut) {
    Mesh& m = model.mesh;
    // A fork round the wheel up to the fuselage, 0.95 above the axle.
    for (float y : {0.075f, -0.075f}) addBox(m, 0.04f, 0.03f, 0.95f, 0, y, 0.475f, STEEL);
    addBox(m, 0.08f, 0.2f, 0.05f, 0, 0, 0.95f, STEEL);
    Mesh pin = cylinder(0.02f, 0.2f, 8);
    rotate(pin, {1, 0, 0}, PI_F / 2);
    append(m, pin, IRON);
    model.edges.featureAngle = 50.0f;
}

QUORVEL_MODEL(skycrane_wheel_nose) {
    tyre(model.mesh, 0.12f, 0.1f, 0, HUB);
    model.edges.featureAngle = 50.0f;
}

QUORVEL_MODEL(skycrane_wheel_main) {
    tyre(model.mesh, 0.15f, 0.1f, 0, HUB);
    model.edges.featureAngle = 50.0f;
}

QUORVEL_MODEL(skycrane_rotor) {
    Mesh& m = model.mesh;
    append(m, cylinder(0.18f, 0.12f, 12), HELI_DARK);
    for (int k = 0; k < 3; k++) {
        Mesh blade = box(7.72f, 0.15f, 0.05f);
        paintBy(blade, [](Vec3 c, Vec3) { return std::fabs(c.x) > 3.5f ? HAZARD_YELLOW : BLADE; });
        rotate(blade, {0, 0, 1}, k * PI_F / 3);
        append(m, blade);
    }
}

QUORVEL_MODEL(skycrane_disc) {
    // The blur of the spinning blades: a ring at the tips and a faint inner one.
    append(model.mesh, ring(3.5f, 3.86f, 0.02f, 0.04f, 48), DISC);
    append(model.mesh, ring(2.0f, 2.08f, 0.02f, 0.04f, 40), DISC);
    model.edges.featureAngle = 60.0f;
}

QUORVEL_MODEL(skycrane_tailrotor) {
    Mesh& m = model.mesh;
    Mesh hub = cylinder(0.07f, 0.08f, 10);
    rotate(hub, {1, 0, 0}, PI_F / 2);
    append(m, hub, HELI_DARK);
    for (int k = 0; k < 2; k++) {
        Mesh blade = box(1.0f, 0.02f, 0.09f);
        paintBy(blade, [](Vec3 c, Vec3) { return std::fabs(c.x) > 0.4f ? SIGNAL_RED : BLADE; });
        rotate(blade, {0, 1, 0}, k * PI_F / 2);
        append(m, translate(blade, 0, 0.05f, 0));
    }
}

QUORVEL_MODEL(skycrane_hook) {
    Mesh& m = model.mesh;
    // Box for box as it collides: the arm, the drop at its far end, the tip.
    Mesh arm = box(2.9f, 0.25f, 0.1f);
    paintBy(arm,
            [](Vec3 c, Vec3) { return (int)std::floor(c.x / 0.3f) % 2 ? HAZARD_YELLOW : INK; });
    append(m, arm);
    addBox(m, 0.1f, 0.25f, 0.2f, -1.4f, 0, -0.15f, IRON);
    addTurned(m, 0.4f, 0.25f, 0.1f, {-1.2f, 0, -0.39f}, {0, 0, 1}, PI_F / 6, IRON);
}

// ------------------------------------------------------------------- racer

QUORVEL_MODEL(racer) {
    Mesh& m = model.mesh;
    // Tub over the 1.45 x 0.4 x 0.2 box, a nose cone and the driver's capsule.
    addBox(m, 1.0f, 0.4f, 0.2f, -0.2f, 0, 0, RACER_RED);
    Mesh nose = wedge(0.45f, 0.3f, 0.2f);
    rotate(nose, {0, 0, 1}, PI_F);  // tall end back, sloping down to the tip
    append(m, translate(nose, 0.5f, 0, 0), RACER_RED);
    Mesh cowl = capsule(0.1f, 0.5f, 12, 4);
    rotate(cowl, {0, 1, 0}, PI_F / 2);
    append(m, translate(cowl, -0.3f, 0, 0.1f), RACER_RED);
    append(m, at(sphere(0.09f, 6, 10), 0.02f, 0, 0.2f), HELMET);
    addBox(m, 0.1f, 0.3f, 0.1f, 0.18f, 0, 0.15f, WINDOW);  // screen
    // Wings: front low between the front wheels, rear high behind the cowl.
    addBox(m, 0.2f, 0.44f, 0.03f, 0.68f, 0, -0.08f, INK);
    addBox(m, 0.22f, 0.6f, 0.03f, -0.72f, 0, 0.3f, INK);
    for (float y : {0.2f, -0.2f}) addBox(m, 0.04f, 0.03f, 0.22f, -0.68f, y, 0.18f, INK);
    addBox(m, 0.3f, 0.06f, 0.22f, -0.72f, 0.3f, 0.3f, RACER_RED);
    addBox(m, 0.3f, 0.06f, 0.22f, -0.72f, -0.3f, 0.3f, RACER_RED);
    for (float y : {0.215f, -0.215f}) addBox(m, 0.5f, 0.03f, 0.08f, -0.1f, y, 0.0f, WHITE_PAINT);
}

QUORVEL_MODEL(racer_axle_rear) {
    for (float s : {-1.0f, 1.0f}) tyre(model.mesh, 0.2f, 0.2f, s * 0.35f, HUB);
    shaft(model.mesh, 0.03f, 0.5f);
    model.edges.featureAngle = 50.0f;
}

QUORVEL_MODEL(racer_axle_front) {
    for (float s : {-1.0f, 1.0f}) tyre(model.mesh, 0.14f, 0.1f, s * 0.275f, HUB);
    shaft(model.mesh, 0.025f, 0.45f);
    model.edges.featureAngle = 50.0f;
}

// -------------------------------------------------------------- police car

QUORVEL_MODEL(policecar) {
    Mesh& m = model.mesh;
    const float TILT = 0.0349066f;  // the body box is nosed 2 degrees down
    // Black ends, white doors, on the 2.4 x 1.0 x 0.3 box.
    Mesh body = box(2.4f, 1.0f, 0.3f);
    paintBy(body, [](Vec3 c, Vec3) { return std::fabs(c.x) < 0.6f ? WHITE_PAINT : POLICE_DARK; });
    append(m, placed(body, {0, 0, 0}, {0, 1, 0}, TILT));
    // Cabin 0.7 x 0.9 x 0.36 at (-0.2, 0, 0.2): white with glass all round.
    addBox(m, 0.7f, 0.9f, 0.36f, -0.2f, 0, 0.2f, WHITE_PAINT);
    addBox(m, 0.72f, 0.92f, 0.03f, -0.2f, 0, 0.385f, POLICE_DARK);  // roof
    pane(m, 'x', 1, 0.8f, 0.2f, 0.15f, 0, 0.24f);
    pane(m, 'x', -1, 0.8f, 0.2f, -0.55f, 0, 0.24f);
    for (float s : {1.0f, -1.0f}) pane(m, 'y', s, 0.55f, 0.18f, -0.2f, s * 0.45f, 0.25f);
    addBox(m, 1.0f, 0.9f, 0.1f, 0, 0, -0.18f, POLICE_DARK);  // floor pan
    // Light bar: red on the left, blue on the right, a dark bridge between.
    addBox(m, 0.16f, 0.7f, 0.04f, -0.15f, 0, 0.42f, POLICE_DARK);
    addBox(m, 0.14f, 0.3f, 0.07f, -0.15f, 0.18f, 0.47f, SIGNAL_RED);
    addBox(m, 0.14f, 0.3f, 0.07f, -0.15f, -0.18f, 0.47f, LIGHT_BLUE);
    // Bumpers and lamps.
    addBox(m, 0.06f, 1.02f, 0.1f, 1.2f, 0, -0.1f, STEEL);
    addBox(m, 0.06f, 1.02f, 0.1f, -1.22f, 0, -0.02f, STEEL);
    for (float y : {0.35f, -0.35f}) {
        addBox(m, 0.02f, 0.16f, 0.06f, 1.2f, y, 0.04f, WHITE_PAINT);
        addBox(m, 0.02f, 0.16f, 0.06f, -1.21f, y, 0.1f, SIGNAL_RED);
    }
}

QUORVEL_MODEL(policecar_axle) {
    for (float s : {-1.0f, 1.0f}) tyre(model.mesh, 0.182f, 0.13f, s * 0.4425f, HUB);
    shaft(model.mesh, 0.03f, 0.8f);
    model.edges.featureAngle = 50.0f;
}

// ------------------------------------------------------------------- train

QUORVEL_MODEL(train) {
    Mesh& m = model.mesh;
    // Plank deck (2.2 x 1.2 x 0.05 at z -0.025) between two bogie platforms
    // (1.0 x 0.72 x 0.05 at x +-1.75, z 0.075).
    Mesh deck = box(2.2f, 1.2f, 0.05f);
    paintBy(deck,
            [](Vec3 c, Vec3) { return (int)std::floor(c.y / 0.2f + 10) % 2 ? WOOD : WOOD_DARK; });
    append(m, translate(deck, 0, 0, -0.025f));
    for (float x : {1.75f, -1.75f}) {
        addBox(m, 1.0f, 0.72f, 0.05f, x, 0, 0.075f, GIRDER_RED);
        addBox(m, 0.06f, 0.72f, 0.12f, x + (x > 0 ? 0.47f : -0.47f), 0, 0.04f, IRON);  // headstock
        for (float y : {0.25f, -0.25f}) {                                              // buffers
            Mesh buffer = cylinder(0.05f, 0.12f, 8);
            rotate(buffer, {0, 1, 0}, PI_F / 2);
            append(m, translate(buffer, x + (x > 0 ? 0.56f : -0.56f), y, 0.04f), STEEL);
        }
    }
    // Side sills along the deck and ramps up to the platforms.
    for (float y : {0.58f, -0.58f}) addBox(m, 2.2f, 0.04f, 0.08f, 0, y, -0.02f, IRON);
    for (float x : {1.2f, -1.2f}) addBox(m, 0.2f, 0.72f, 0.1f, x, 0, 0.0f, IRON);
}

QUORVEL_MODEL(train_axle) {
    Mesh& m = model.mesh;
    for (float s : {-1.0f, 1.0f}) {
        append(m, at(cylinder(0.2f, 0.05f, 18), 0, 0, s * 0.425f), IRON);
        append(m, at(cylinder(0.16f, 0.05f, 18), 0, 0, s * 0.475f), STEEL);
        Mesh spoke = box(0.3f, 0.04f, 0.01f);
        append(m, translate(spoke, 0, 0, s * 0.503f), SIGNAL_RED);
    }
    shaft(m, 0.04f, 0.9f);
    model.edges.featureAngle = 50.0f;
}
