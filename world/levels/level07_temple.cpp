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
        return fabsf(p.x + 4.3f) <= 0.2f && fabsf(p.y) <= 0.2f && fabsf(p.z - 7.24f) <= 0.02f &&
               p.upright >= 0.998f;
    });
    bool pillars = everyNamed("pillar", [](const Pose& p) {
        return fabsf(p.upright) >= 0.98f && fabsf(p.x + 5.8f) <= 0.1f && fabsf(p.y) <= 0.1f;
    });
    *won = cornice && pillars;
}
