// The dump truck, fork lift and skid loader. Every shape is drawn in its
// body's own frame, over the boxes it collides with: +x forward, +y left,
// +z up; wheels have their axle on z with the hub on the +z (outer) face.
#include <cmath>

#include "tools/meshgen/model.h"

namespace {

const float PI_F = 3.14159265f;

const Vec3 TYRE = {0.16f, 0.16f, 0.17f};
const Vec3 HUB = {0.78f, 0.78f, 0.74f};
const Vec3 STEEL = {0.38f, 0.40f, 0.42f};
const Vec3 DARK = {0.22f, 0.23f, 0.25f};
const Vec3 GLASS = {0.30f, 0.45f, 0.55f};
const Vec3 TRUCK_RED = {0.78f, 0.22f, 0.16f};
const Vec3 BED_YELLOW = {0.92f, 0.70f, 0.12f};
const Vec3 WOOD = {0.66f, 0.48f, 0.28f};
const Vec3 FORK_ORANGE = {0.95f, 0.52f, 0.10f};
const Vec3 LOADER_YELLOW = {0.95f, 0.78f, 0.15f};

Mesh at(Mesh m, float x, float y, float z) { return translate(m, x, y, z); }

void addBox(Mesh& dst, float sx, float sy, float sz, float x, float y, float z, Vec3 colour) {
    append(dst, at(box(sx, sy, sz), x, y, z), colour);
}

// A tyre with a tread pattern (so a turning wheel reads as turning), a hub
// on the outer face and a plain inner face.
void wheel(Model& model, float radius, float length, Vec3 hubColour) {
    Mesh tyre = cylinder(radius, length, 18);
    const float rim = length / 2 - 1e-3f;
    paintBy(tyre, [rim](Vec3 c, Vec3) {
        if (std::fabs(c.z) > rim) return TYRE;  // side walls stay plain
        float a = std::atan2(c.y, c.x);
        int sector = (int)std::floor((a + PI_F) / (2 * PI_F) * 18);
        return sector % 2 ? TYRE : shade(TYRE, 2.2f);
    });
    append(model.mesh, tyre);
    Mesh hub = cylinder(radius * 0.55f, 0.02f, 12);
    append(model.mesh, at(hub, 0, 0, length / 2 + 0.005f), hubColour);
    for (int k = 0; k < 4; k++) {  // wheel nuts
        float a = k * PI_F / 2;
        Mesh nut = cylinder(radius * 0.08f, 0.02f, 6);
        append(
            model.mesh,
            at(nut, radius * 0.3f * std::cos(a), radius * 0.3f * std::sin(a), length / 2 + 0.02f),
            DARK);
    }
    model.edges.featureAngle = 50.0f;  // no outline between the tread facets
}

// A window pane standing just proud of a face whose outward normal is axis.
void pane(Mesh& dst, char axis, float sign, float w, float h, float x, float y, float z) {
    const float t = 0.01f;
    if (axis == 'x') addBox(dst, t, w, h, x + sign * t / 2, y, z, GLASS);
    if (axis == 'y') addBox(dst, w, t, h, x, y + sign * t / 2, z, GLASS);
}

}  // namespace

// ------------------------------------------------------------- dump truck

QUORVEL_MODEL(dumptruck) {
    Mesh& m = model.mesh;
    // Frame (1.4 x 0.8 x 0.2 at z -0.1): a dark ladder with red fenders.
    addBox(m, 1.4f, 0.56f, 0.2f, 0, 0, -0.1f, DARK);
    for (float y : {0.34f, -0.34f}) addBox(m, 1.4f, 0.12f, 0.06f, 0, y, -0.03f, TRUCK_RED);
    addBox(m, 0.06f, 0.8f, 0.14f, 0.67f, 0, -0.12f, STEEL);  // bumper
    // Cab (0.28 x 0.34 x 0.4 at (0.56, 0, 0.2)).
    addBox(m, 0.28f, 0.34f, 0.4f, 0.56f, 0, 0.2f, TRUCK_RED);
    pane(m, 'x', 1, 0.28f, 0.16f, 0.70f, 0, 0.28f);
    for (float s : {1.0f, -1.0f}) pane(m, 'y', s, 0.16f, 0.14f, 0.59f, s * 0.17f, 0.28f);
    addBox(m, 0.03f, 0.3f, 0.06f, 0.71f, 0, 0.06f, STEEL);  // grille
}

QUORVEL_MODEL(dumptruck_wheel) { wheel(model, 0.25f, 0.2f, HUB); }

QUORVEL_MODEL(dumptruck_tipper) {
    Mesh& m = model.mesh;
    for (float y : {0.44f, -0.44f}) addBox(m, 1.5f, 0.04f, 0.45f, -0.15f, y, 0, BED_YELLOW);
    addBox(m, 0.04f, 0.88f, 0.45f, 0.6f, 0, 0, BED_YELLOW);                    // front wall
    addBox(m, 0.3f, 0.88f, 0.04f, 0.75f, 0, 0.25f, shade(BED_YELLOW, 0.85f));  // cab guard
    addBox(m, 1.2f, 0.88f, 0.04f, 0, 0, -0.2f, shade(BED_YELLOW, 0.7f));       // floor
    Mesh tail = box(0.04f, 0.88f, 0.54f);
    rotate(tail, {0, 1, 0}, -0.5857f);
    append(m, at(tail, -0.75f, 0, 0), shade(BED_YELLOW, 0.9f));
    // Ribs along the sides, slightly proud.
    for (float x : {-0.6f, -0.15f, 0.3f})
        for (float s : {1.0f, -1.0f}) addBox(m, 0.05f, 0.02f, 0.45f, x, s * 0.47f, 0, DARK);
}

QUORVEL_MODEL(dumptruck_flatbed) {
    Mesh& m = model.mesh;
    addBox(m, 1.6f, 0.88f, 0.02f, -0.2f, 0, -0.19f, WOOD);
    for (int k = 0; k < 7; k++)  // plank seams
        addBox(m, 1.6f, 0.01f, 0.004f, -0.2f, -0.33f + 0.11f * k, -0.178f, shade(WOOD, 0.7f));
    addBox(m, 0.02f, 0.88f, 0.3f, 0.59f, 0, -0.03f, STEEL);
    for (float y : {0.43f, -0.43f}) addBox(m, 1.6f, 0.02f, 0.03f, -0.2f, y, -0.195f, DARK);
}

// --------------------------------------------------------------- fork lift

QUORVEL_MODEL(forklift) {
    Mesh& m = model.mesh;
    // Lower body (1.0 x 0.64 x 0.3 at (0.15, 0, -0.05)) with the counterweight at the back.
    addBox(m, 0.8f, 0.64f, 0.3f, 0.25f, 0, -0.05f, FORK_ORANGE);
    Mesh weight = box(0.2f, 0.64f, 0.3f);
    append(m, at(weight, -0.25f, 0, -0.05f), DARK);
    Mesh round = cylinder(0.15f, 0.64f, 12);
    rotate(round, {1, 0, 0}, PI_F / 2);
    append(m, at(round, -0.3f, 0, -0.05f), DARK);
    // Seat and steering column inside the guard.
    addBox(m, 0.2f, 0.3f, 0.06f, 0.05f, 0, 0.13f, DARK);
    addBox(m, 0.04f, 0.3f, 0.2f, -0.05f, 0, 0.23f, DARK);
    Mesh column = beam({0.4f, 0, 0.1f}, {0.32f, 0, 0.3f}, 0.03f, 0.03f);
    append(m, column, DARK);
    // Overhead guard (0.64 x 0.6 x 0.4 at (0.2, 0, 0.3)): four posts and a grid roof.
    for (float x : {-0.1f, 0.5f})
        for (float y : {0.28f, -0.28f}) addBox(m, 0.04f, 0.04f, 0.4f, x, y, 0.3f, DARK);
    addBox(m, 0.64f, 0.04f, 0.03f, 0.2f, 0.28f, 0.49f, DARK);
    addBox(m, 0.64f, 0.04f, 0.03f, 0.2f, -0.28f, 0.49f, DARK);
    for (int k = 0; k < 5; k++) addBox(m, 0.03f, 0.6f, 0.02f, -0.1f + 0.15f * k, 0, 0.49f, DARK);
}

QUORVEL_MODEL(forklift_wheel_front) { wheel(model, 0.15f, 0.1f, FORK_ORANGE); }
QUORVEL_MODEL(forklift_wheel_rear) { wheel(model, 0.12f, 0.1f, FORK_ORANGE); }

QUORVEL_MODEL(forklift_mast) {
    Mesh& m = model.mesh;
    // Mast (0.1 x 0.4 x 1.0): two channel rails and cross ties.
    for (float y : {0.17f, -0.17f}) addBox(m, 0.1f, 0.06f, 1.0f, 0, y, 0, STEEL);
    for (float z : {-0.45f, 0.0f, 0.47f}) addBox(m, 0.06f, 0.28f, 0.05f, -0.02f, 0, z, DARK);
    addBox(m, 0.03f, 0.03f, 0.8f, -0.04f, 0, 0.05f, DARK);  // lift cylinder
}

QUORVEL_MODEL(forklift_carriage) {
    Mesh& m = model.mesh;
    addBox(m, 0.04f, 0.61f, 0.5f, 0, 0, 0, DARK);  // back plate
    for (float z : {0.2f, -0.15f}) addBox(m, 0.05f, 0.63f, 0.05f, 0.02f, 0, z, FORK_ORANGE);
    for (float y : {0.2f, -0.2f}) {
        addBox(m, 0.49f, 0.1f, 0.025f, 0.275f, y, -0.26f, STEEL);  // tine
        addBox(m, 0.03f, 0.1f, 0.3f, 0.035f, y, -0.12f, STEEL);    // its shank
        Mesh tip = box(0.06f, 0.06f, 0.02f);
        rotate(tip, {0, 0, 1}, PI_F / 4);
        append(m, at(tip, 0.47f, y, -0.26f), STEEL);
    }
}

// ------------------------------------------------------------- skid loader

QUORVEL_MODEL(skidloader) {
    Mesh& m = model.mesh;
    // Body (1.0 x 0.4 x 0.3 at (-0.1, 0, -0.05)), engine cover at the back.
    addBox(m, 1.0f, 0.4f, 0.3f, -0.1f, 0, -0.05f, LOADER_YELLOW);
    addBox(m, 0.3f, 0.42f, 0.06f, -0.45f, 0, 0.12f, shade(LOADER_YELLOW, 0.8f));
    for (int k = 0; k < 4; k++)
        addBox(m, 0.02f, 0.42f, 0.015f, -0.56f + 0.07f * k, 0, 0.155f, DARK);
    // Cab cage (0.64 x 0.36 x 0.4 at (-0.15, 0, 0.3)): dark frame, glass all round.
    addBox(m, 0.64f, 0.36f, 0.4f, -0.15f, 0, 0.3f, DARK);
    pane(m, 'x', 1, 0.3f, 0.3f, 0.17f, 0, 0.3f);
    for (float s : {1.0f, -1.0f}) pane(m, 'y', s, 0.5f, 0.28f, -0.15f, s * 0.18f, 0.31f);
    addBox(m, 0.66f, 0.38f, 0.03f, -0.15f, 0, 0.51f, LOADER_YELLOW);  // roof
    for (float y : {0.2f, -0.2f})
        addBox(m, 0.7f, 0.02f, 0.08f, 0, y, -0.15f, DARK);  // track guards
}

QUORVEL_MODEL(skidloader_wheel) { wheel(model, 0.2f, 0.15f, LOADER_YELLOW); }

QUORVEL_MODEL(skidloader_arm) {
    Mesh& m = model.mesh;
    for (float y : {0.225f, -0.225f}) {
        addBox(m, 1.0f, 0.05f, 0.15f, 0, y, 0, LOADER_YELLOW);
        // Drop link from the arm's nose down to the bucket pivot.
        append(m, beam({0.42f, y, 0}, {0.55f, y, -0.3f}, 0.08f, 0.05f), LOADER_YELLOW);
        Mesh pin = cylinder(0.035f, 0.07f, 8);
        rotate(pin, {1, 0, 0}, PI_F / 2);
        append(m, at(pin, 0.55f, y, -0.3f), DARK);
    }
    addBox(m, 0.06f, 0.4f, 0.06f, 0.42f, 0, 0, LOADER_YELLOW);  // cross tube
}

QUORVEL_MODEL(skidloader_bucket) {
    Mesh& m = model.mesh;
    for (float y : {0.39f, -0.39f}) addBox(m, 0.2f, 0.02f, 0.3f, 0.17f, y, 0.01f, DARK);
    addBox(m, 0.3f, 0.8f, 0.02f, 0.2f, 0, -0.15f, DARK);
    addBox(m, 0.02f, 0.76f, 0.3f, 0.06f, 0, 0.01f, DARK);
    addBox(m, 0.04f, 0.8f, 0.015f, 0.36f, 0, -0.152f, STEEL);  // cutting edge
}
