// The truck with its crane and grapples, and the trailer. Every shape is in
// its body's own frame over the geoms it collides with: +x forward, +y left,
// +z up; wheels have their axle on z with the rim on the +z (outer) face.
#include <cmath>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"

namespace {

const float PI_F = 3.14159265f;
const Vec3 CAB_BLUE = {0.16f, 0.36f, 0.70f};
const Vec3 CRANE_YELLOW = {0.96f, 0.72f, 0.12f};
const Vec3 CHASSIS_DARK = {0.22f, 0.23f, 0.25f};
const Vec3 RIM = {0.80f, 0.80f, 0.76f};
const Vec3 TRAILER_ORANGE = {0.88f, 0.46f, 0.14f};
const float FINGER_TURN = 0.9250245f;

void addBox(Mesh& dst, float sx, float sy, float sz, float x, float y, float z, Vec3 colour) {
    append(dst, placed(box(sx, sy, sz), {x, y, z}), colour);
}

// A box turned about y through its own centre, then placed.
void addTurnedBox(Mesh& dst, float sx, float sy, float sz, float x, float y, float z, float angle,
                  Vec3 colour) {
    append(dst, placed(box(sx, sy, sz), {x, y, z}, {0, 1, 0}, angle), colour);
}

// A pin across y (hinge axles of the arm).
void addPin(Mesh& dst, float radius, float length, float x, float z, Vec3 colour) {
    append(dst, placed(cylinder(radius, length, 10), {x, 0, z}, {1, 0, 0}, PI_F / 2), colour);
}

// A tyre with a tread pattern and a rim with spokes on the outer face, so a
// turning wheel reads as turning.
void wheel(Model& model, float radius, float length) {
    Mesh tyre = cylinder(radius, length, 18);
    paintBy(tyre, [](Vec3 c, Vec3) {
        float a = std::atan2(c.y, c.x);
        int sector = (int)std::floor((a + PI_F) / (2 * PI_F) * 9);
        return sector % 2 ? RUBBER : shade(RUBBER, 1.5f);
    });
    append(model.mesh, tyre);
    append(model.mesh, placed(cylinder(radius * 0.62f, 0.02f, 14), {0, 0, length / 2 + 0.005f}),
           RIM);
    for (int k = 0; k < 3; k++) {
        Mesh spoke = box(radius * 1.1f, radius * 0.12f, 0.012f);
        append(model.mesh, placed(spoke, {0, 0, length / 2 + 0.02f}, {0, 0, 1}, k * PI_F / 3),
               shade(RIM, 0.7f));
    }
    model.edges.featureAngle = 50.0f;
}

// Claws of grapple kinds 1 to 4; wide kinds stretch along y.
void claw(Model& model, bool wide, bool tip) {
    float y = wide ? 0.05f * 3.5f + 0.013f : 0.05f;
    addBox(model.mesh, 0.05f, y, 0.15f, 0, 0, 0.05f, CRANE_YELLOW);
    addTurnedBox(model.mesh, 0.05f, y, 0.1f, -0.05f, 0, -0.05f, FINGER_TURN, STEEL);
    if (tip) addTurnedBox(model.mesh, 0.1f, y, 0.05f, -0.13f, 0, -0.04f, FINGER_TURN, IRON);
}

void hub(Model& model, bool wide) {
    Mesh& m = model.mesh;
    append(m, placed(cylinder(0.15f, 0.2f, 16), {0, 0, 0.15f}), CRANE_YELLOW);
    addBox(m, 0.05f, 0.08f, 0.1f, 0, 0, 0.27f, STEEL);  // the eye on the swing pin
    if (wide) addBox(m, 0.1f, 0.36f, 0.05f, 0, 0, 0.03f, IRON);
}

void beam(Model& model, float sx, float sy, float sz, Vec3 colour) {
    addBox(model.mesh, sx, sy, sz, 0.175f, 0, 0, colour);
    addBox(model.mesh, sx * 0.9f, sy + 0.004f, sz * 0.25f, 0.175f, 0, sz * 0.3f,
           shade(colour, 0.8f));
    addPin(model.mesh, sz * 0.3f, sy + 0.03f, 0, 0, STEEL);
}

}  // namespace

// ------------------------------------------------------------------ truck

QUORVEL_MODEL(truck) {
    Mesh& m = model.mesh;
    // Chassis box 1.2 x 0.7 x 0.4 at (0, 0, 0.1): a dark frame, a cab at the
    // front and a flat deck behind the turntable.
    addBox(m, 1.2f, 0.5f, 0.12f, 0, 0, -0.04f, CHASSIS_DARK);
    addBox(m, 1.2f, 0.7f, 0.06f, 0, 0, 0.05f, CAB_BLUE);
    addBox(m, 0.34f, 0.66f, 0.22f, 0.42f, 0, 0.19f, CAB_BLUE);
    addBox(m, 0.01f, 0.56f, 0.12f, 0.595f, 0, 0.2f, WINDOW);
    for (float s : {1.0f, -1.0f}) addBox(m, 0.2f, 0.01f, 0.1f, 0.44f, s * 0.335f, 0.2f, WINDOW);
    addBox(m, 0.03f, 0.5f, 0.06f, 0.6f, 0, 0.0f, STEEL);          // bumper
    addBox(m, 0.5f, 0.66f, 0.1f, -0.32f, 0, 0.13f, WOOD);         // deck
    addBox(m, 0.03f, 0.66f, 0.16f, -0.585f, 0, 0.16f, CAB_BLUE);  // tailboard
    for (float s : {1.0f, -1.0f}) {
        for (float x : {0.45f, -0.45f}) addBox(m, 0.46f, 0.04f, 0.05f, x, s * 0.33f, 0.1f, IRON);
    }
}

QUORVEL_MODEL(truck_wheel) { wheel(model, 0.2f, 0.15f); }

// ------------------------------------------------------------------ crane

QUORVEL_MODEL(crane_base) {
    // The turntable on the deck and the post that carries the boom hinge.
    Mesh& m = model.mesh;
    append(m, placed(cylinder(0.2f, 0.08f, 20), {0, 0, -0.05f}), IRON);
    append(m, placed(cylinder(0.16f, 0.1f, 16), {0, 0, 0.04f}), CRANE_YELLOW);
    addBox(m, 0.16f, 0.2f, 0.2f, -0.1f, 0, 0.17f, CRANE_YELLOW);
    addPin(m, 0.04f, 0.26f, -0.1f, 0.3f, STEEL);
}

QUORVEL_MODEL(crane_beam_a) { beam(model, 0.95f, 0.16f, 0.16f, CRANE_YELLOW); }
QUORVEL_MODEL(crane_beam_b) { beam(model, 0.95f, 0.128f, 0.128f, shade(CRANE_YELLOW, 0.92f)); }
QUORVEL_MODEL(crane_beam_c) { beam(model, 0.95f, 0.098f, 0.098f, GALVANISED); }

QUORVEL_MODEL(grapple_hub) { hub(model, false); }
QUORVEL_MODEL(grapple_hub_wide) { hub(model, true); }

QUORVEL_MODEL(prong_claw) { claw(model, false, false); }
QUORVEL_MODEL(prong_claw_tip) { claw(model, false, true); }
QUORVEL_MODEL(prong_wide_tip) { claw(model, true, true); }
QUORVEL_MODEL(prong_wide) { claw(model, true, false); }

QUORVEL_MODEL(prong_paddle) {
    Mesh& m = model.mesh;
    addBox(m, 0.04f, 0.36f, 0.2f, 0, 0, 0.03f, CRANE_YELLOW);
    addBox(m, 0.1f, 0.36f, 0.04f, -0.07f, 0, -0.05f, STEEL);
    addTurnedBox(m, 0.04f, 0.36f, 0.04f, -0.12f, 0, -0.05f, PI_F / 4, IRON);
    for (float y : {-0.16f, 0.16f}) addBox(m, 0.1f, 0.04f, 0.11f, -0.07f, y, 0.025f, STEEL);
}

// ---------------------------------------------------------------- trailer

QUORVEL_MODEL(trailer) {
    Mesh& m = model.mesh;
    addBox(m, 1.6f, 0.62f, 0.05f, 0, 0, -0.05f, WOOD);
    for (float y : {-0.28f, 0.28f}) addBox(m, 1.6f, 0.05f, 0.2f, 0, y, 0.075f, TRAILER_ORANGE);
    for (float x : {-0.77f, 0.77f}) addBox(m, 0.05f, 0.62f, 0.2f, x, 0, 0.075f, TRAILER_ORANGE);
    // The drawbar to the hitch 1.0 ahead of the body.
    addBox(m, 0.22f, 0.04f, 0.04f, 0.9f, 0, -0.05f, IRON);
}

QUORVEL_MODEL(trailer_wheels) {
    Model one;
    wheel(one, 0.2f, 0.15f);
    // Body z is the trailer's left, so each rim faces away from the axle.
    append(model.mesh, placed(one.mesh, {0, 0, 0.4f}));
    append(model.mesh, placed(one.mesh, {0, 0, -0.4f}, {1, 0, 0}, PI_F));
    append(model.mesh, cylinder(0.03f, 0.8f, 8), IRON);
    model.edges.featureAngle = 50.0f;
}
