// Level 10, "babel": stack seven pack crates into one tower. From the yard
// the arm reaches only halfway up; the dock is the way to the top, once the
// two bridge segments span the gap in front of it.
#include "world/levels/level10_babel.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const int CRATES = 7;
const dReal CRATE_HALF = 0.2;
const dReal SEGMENT_RESTING = 0.125;  // a segment lying on its end rails

}  // namespace

void build_babel(LevelOut& out) {
    makeTerrain(&geom_babel_terrain, nullptr);
    const dReal segments[2][3] = {{-5.5, 2.0, SEGMENT_RESTING}, {-5.5, 3.4, SEGMENT_RESTING}};
    for (const auto& s : segments) add(new BridgeSegment(s));
    // Two rows south of the truck's path: four and three.
    for (int i = 0; i < CRATES; i++) {
        int row = i / 4, col = i % 4;
        const dReal pos[3] = {-6.0 + 0.7 * col + 0.35 * row, -2.4 - 0.8 * row, CRATE_HALF};
        add(new PackCrate(pos));
    }
    setTruckStart(out, -8, -0.5, 0.4);
    setCamera(out, -0.1f, 0.1f, 4.5f);
}

// The goal rule.

// Seven crates, each 0.4 above the one below and at most 0.2 beside it.
void goal_babel(bool* won, bool*) {
    using namespace babel;
    const int SLOTS = 7;
    float zmin = 1e30f, zmax = -1e30f;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        zmin = fminf(zmin, poseOf(o).z);
        zmax = fmaxf(zmax, poseOf(o).z);
    }
    if (!(fabsf((zmax - zmin) / (SLOTS - 1) - TOWER_STEP) < TOWER_STEP_SPREAD)) return;
    WorldObj* slot[SLOTS] = {};
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        int k = (int)floorf((poseOf(o).z - zmin) / TOWER_STEP + 0.5f);
        if (k >= 0 && k < SLOTS) slot[k] = o;
    }
    for (int k = 0; k < SLOTS; k++) {
        if (!slot[k]) return;
    }
    for (int k = 1; k < SLOTS; k++) {
        Pose a = poseOf(slot[k]), b = poseOf(slot[k - 1]);
        if (fabsf(a.x - b.x) > TOWER_OFFSET || fabsf(a.y - b.y) > TOWER_OFFSET ||
            fabsf(a.z - b.z - TOWER_STEP) > TOWER_STEP_TOLERANCE)
            return;
    }
    *won = true;
}
