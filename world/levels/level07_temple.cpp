// Level 7, "temple": put the fallen pillar back into its socket and lift the
// cornice onto it and the standing pillar.
#include "world/levels/level07_temple.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Both stones lie on the paving south of the temple front.
const dReal STONES_Y = -3.2;
const dReal PILLAR_LYING_X = -7.5, PILLAR_HALF_WIDTH = 0.2;

}  // namespace

void build_temple(LevelOut& out) {
    makeTerrain(&geom_temple_terrain, nullptr);
    const dReal cornice[3] = {TEMPLE_CORNICE_X, STONES_Y, TEMPLE_FLOOR + TEMPLE_CORNICE_ABOVE};
    add(new TempleCornice(cornice));
    const dReal pillar[3] = {PILLAR_LYING_X, STONES_Y, TEMPLE_FLOOR + PILLAR_HALF_WIDTH};
    TemplePillar* p = add(new TemplePillar(pillar));
    if (p) {
        dMatrix3 r;
        dRFromAxisAndAngle(r, 0, 1, 0, M_PI / 2);
        dBodySetRotation(p->body, r);
    }
    setTruckStart(out, -9, 5, 6);
    setCamera(out, -0.5f, 0.4f, 3.33f);
}

// The goal rule.

void goal_temple(bool* won, bool*) {
    bool cornice = everyNamed("cornice", [](const Pose& p) {
        return fabsf(p.x - TEMPLE_CORNICE_X) <= TEMPLE_CORNICE_PLAY &&
               fabsf(p.y) <= TEMPLE_CORNICE_PLAY &&
               fabsf(p.z - TEMPLE_CORNICE_Z) <= TEMPLE_CORNICE_PLAY_Z &&
               p.upright >= TEMPLE_CORNICE_LEVEL;
    });
    bool pillars = everyNamed("pillar", [](const Pose& p) {
        return fabsf(p.upright) >= TEMPLE_PILLAR_UPRIGHT &&
               fabsf(p.x - TEMPLE_MOVABLE_X) <= TEMPLE_PILLAR_PLAY &&
               fabsf(p.y) <= TEMPLE_PILLAR_PLAY;
    });
    *won = cornice && pillars;
}
