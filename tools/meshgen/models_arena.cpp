// The test arena's shapes: its terrain, the stacked crate cube and the ball.
#include "tools/arena/arena_terrain.h"
#include "tools/meshgen/model.h"

namespace {

const Vec3 GRASS = {0.45f, 0.62f, 0.32f};
const Vec3 RAMP = {0.62f, 0.55f, 0.40f};

}  // namespace

QUORVEL_MODEL(arena_terrain) {
    model.mesh =
        heightfield(ARENA_GRID, ARENA_GRID, ARENA_CELL, -ARENA_HALF, -ARENA_HALF, arena_height);
    // A checker of two shades, and the ramp in earth colour, so slopes read.
    paintBy(model.mesh, [](Vec3 c, Vec3) {
        int i = (int)((c.x + ARENA_HALF) / ARENA_CELL), j = (int)((c.y + ARENA_HALF) / ARENA_CELL);
        Vec3 base = c.x < -4.0f ? RAMP : GRASS;
        return (i + j) % 2 ? base : shade(base, 0.92f);
    });
    model.edges.boundaries = false;  // the far border would outline the horizon
}

QUORVEL_MODEL(arena_crate) {
    const float s = ARENA_CRATE;
    const Vec3 wood = {0.72f, 0.52f, 0.30f};
    append(model.mesh, box(s, s, s), wood);
    // Darker slats across each side face, slightly proud of it.
    for (int k = -1; k <= 1; k += 2) {
        Mesh slat = box(s * 1.02f, s * 1.02f, s * 0.12f);
        append(model.mesh, translate(slat, 0, 0, k * s * 0.3f), shade(wood, 0.75f));
    }
}

QUORVEL_MODEL(arena_ball) {
    Mesh ball = sphere(ARENA_BALL_RADIUS, 8, 12);
    paintBy(ball, [](Vec3 c, Vec3) {
        return c.z > 0 ? rgb(0.85f, 0.2f, 0.15f) : rgb(0.95f, 0.92f, 0.85f);
    });
    append(model.mesh, ball);
    model.edges.colourBoundaries = true;  // the seam shows the ball rolling
}
