// The basketball court: a painted wooden floor, the hoop with its basket at
// the goal place, a stand holding the ball, and bleachers along one side.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level01_court.h"

using namespace kit;

namespace {

const Vec3 FLOOR = {0.80f, 0.60f, 0.38f};
const Vec3 KEY = {0.70f, 0.32f, 0.22f};
const float LINE = 0.05f;
const float HOOP_X = COURT_HOOP_X, RIM_Z = COURT_RIM_Z, RIM_R = COURT_RIM_R;

}  // namespace

QUORVEL_MODEL(court_terrain) {
    Mesh& m = model.mesh;
    slab(m, -14, 14, -10, 10, -0.5f, -0.02f, ASPHALT);
    slab(m, -6, 6, -4, 4, -0.5f, 0, FLOOR);
    markFrame(m, -5.8f, 5.8f, -3.8f, 3.8f, 0, LINE, PAINT);
    mark(m, -0.025f, 0.025f, -3.75f, 3.75f, 0, PAINT);
    mark(m, 0.8f, 3.3f, -0.9f, 0.9f, 0, KEY);
    markFrame(m, 0.8f, 3.3f, -0.9f, 0.9f, PAINT_HEIGHT, LINE, PAINT);
    // Hoop: rim, basket, backboard on its arm and pole.
    hoop(m, HOOP_X, 0, RIM_Z, RIM_R + 0.012f, 0.024f, 12, RED);
    basket(m, HOOP_X, 0, COURT_NET_BOTTOM_Z, COURT_NET_BOTTOM_R, RIM_Z, RIM_R, 12, PAINT);
    slab(m, 2.60f, 2.64f, -0.45f, 0.45f, 1.40f, 2.0f, PAINT);
    slab(m, 2.59f, 2.60f, -0.15f, 0.15f, 1.45f, 1.7f, RED);
    slab(m, 2.50f, 2.60f, -0.03f, 0.03f, RIM_Z - 0.03f, RIM_Z, RED);
    slab(m, 2.64f, 3.10f, -0.05f, 0.05f, 1.6f, 1.7f, STEEL);
    column(m, 3.10f, 0, 0, 1.7f, 0.07f, 8, STEEL);
    slab(m, 2.9f, 3.3f, -0.3f, 0.3f, 0, 0.15f, STEEL);
    // The ball's stand: a post with a rimmed cup.
    const float SX = COURT_STAND_X, SY = COURT_STAND_Y, ST = COURT_STAND_TOP;
    slab(m, SX - 0.1f, SX + 0.1f, SY - 0.1f, SY + 0.1f, 0, ST - 0.03f, STEEL);
    slab(m, SX - 0.15f, SX + 0.15f, SY - 0.15f, SY + 0.15f, ST - 0.03f, ST, RED);
    socket(m, SX, SY, 0.16f, 0.04f, ST, ST + 0.03f, RED);
    // Bleachers.
    for (int step = 0; step < 4; step++) {
        float y0 = 4.6f + 0.5f * step;
        slab(m, -5, 5, y0, y0 + 0.5f, 0, 0.3f * (step + 1), step % 2 ? WOOD : shade(WOOD, 0.85f));
    }
}

// A leather ball with dark seams, of the level's radius.
QUORVEL_MODEL(court_ball) {
    Mesh ball = sphere(COURT_BALL_RADIUS, 8, 12);
    paintBy(ball, [](Vec3 c, Vec3) {
        bool seam = fabsf(c.z) < 0.012f || fabsf(c.x) < 0.012f;
        return seam ? rgb(0.15f, 0.1f, 0.08f) : rgb(0.85f, 0.42f, 0.15f);
    });
    append(model.mesh, ball);
    model.edges.colourBoundaries = true;
}
