// Level 12, "ufo": move the six prison-wall sections from their store slot
// into the wall slot, closing the compound off.
#include "world/levels/level12_ufo.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

void build_ufo(LevelOut& out) {
    using namespace ufo;
    makeTerrain(&geom_ufo_terrain, &geom_ufo_collision);
    for (int i = 0; i < 6; i++) {
        const dReal pos[3] = {STORE_SLOT_X, (i - 2.5) * WALL_SPACING, WALL_Z + 0.002};
        add(new PrisonWall(pos));
    }
    setTruckStart(out, -7, 0, 0.4);
    setCamera(out, -1.5f, 0.06f, 5.8f);
}

// The goal rule.

void goal_ufo(bool* won, bool*) {
    using namespace ufo;
    *won = everyNamed("prisonwall", [](const Pose& p) {
        return fabsf(p.x - WALL_SLOT_X) < WALL_TOLERANCE && fabsf(p.z - WALL_Z) < WALL_TOLERANCE;
    });
}
