// Level 7, "temple": stand the loose pillar in its socket and lift the
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

// The loose pillar stands on the paving north-west of its socket, turned so
// that a grapple reaching it from north of the front meets its capital's
// faces square: turned the other way the open fingers land on the corners.
// From the stance north of the front (truck at about (-4.88, 0.8), facing
// south) the crane has 0.45 m of reach to spare over its top, 0.38 m over
// the socket with the pillar carried clear of the paving and 0.49 m as it
// is let down into it.
const dReal PILLAR_X = -6.06, PILLAR_Y = 0.72, PILLAR_YAW = 0.2;

}  // namespace

void build_temple(LevelOut& out) {
    makeTerrain(&geom_temple_terrain, nullptr);
    const dReal cornice[3] = {TEMPLE_WAITING_X, TEMPLE_WAITING_Y,
                              TEMPLE_PIER_TOP + TEMPLE_CORNICE_ABOVE};
    TempleCornice* k = add(new TempleCornice(cornice));
    if (k) {
        dMatrix3 r;
        dRFromAxisAndAngle(r, 0, 0, 1, TEMPLE_WAITING_YAW);
        dBodySetRotation(k->body, r);
    }
    const dReal pillar[3] = {PILLAR_X, PILLAR_Y, TEMPLE_FLOOR + TEMPLE_PILLAR_HALF_HEIGHT};
    TemplePillar* p = add(new TemplePillar(pillar));
    if (p) {
        dMatrix3 r;
        dRFromAxisAndAngle(r, 0, 0, 1, PILLAR_YAW);
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
