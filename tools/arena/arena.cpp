#include "tools/arena/arena.h"

#include "geom/records.h"
#include "tools/arena/arena_terrain.h"
#include "world/props_basic.h"

namespace {

ArenaGeometry geometry = {&geom_arena_terrain, &geom_arena_crate, &geom_arena_ball};

float height(float x, float y) { return arena_height(x, y); }

void build(int, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    geomdesc* terrain = geometry.terrain ? geometry.terrain : &geom_arena_terrain;
    const float origin[3] = {0, 0, 0};
    wld_setTerrain(new StaticWorldObj(terrain, nullptr, origin));

    // A stack of boxes, two wide and three high.
    const dReal size[3] = {ARENA_CRATE, ARENA_CRATE, ARENA_CRATE};
    const dReal noOffset[3] = {0, 0, 0};
    for (int level = 0; level < 3; level++) {
        for (int k = 0; k < 2; k++) {
            dReal pos[3] = {0.0, -0.25 + 0.5 * k, height(0, 0) + 0.2 + 0.41 * level};
            wld_addObject(new BoxObj("crate", geometry.box, pos, size, 1.0, noOffset));
        }
    }
    // Spheres on the ramp roll down into the stack.
    DynamicWorldObj* first = nullptr;
    for (int k = 0; k < 4; k++) {
        float x = -7.0f - 0.6f * k, y = -0.3f + 0.2f * k;
        dReal pos[3] = {x, y, height(x, y) + 0.3};
        SphereObj* ball = new SphereObj("ball", geometry.sphere, pos, ARENA_BALL_RADIUS);
        wld_addObject(ball);
        if (!first) first = ball;
    }
    wld_setObjectOfInterest(first);
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
    *orbit = 0.6f;
    *elevation = 0.35f;
    *distance = 9.0f;
}

void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }

const LevelBuilder arena = {build, noGoals};

}  // namespace

const LevelBuilder* arena_builder() { return &arena; }

void arena_setGeometry(const ArenaGeometry& g) { geometry = g; }
