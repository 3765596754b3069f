// Level 21, "egghunt": eight eggs hidden about the meadow go into the
// trailer the truck pulls.
#include "world/levels/level21_egghunt.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/trailer.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal TRAILER_RIDE = 0.36;  // its wheels just touch the meadow
const dReal TRUCK_AHEAD = 1.75;   // of the trailer, where the hitch reaches
const dReal EGG_FOOT = 0.2;       // an egg's flat foot below its body
const dReal SETTLE = 0.003;

}  // namespace

void build_egghunt(LevelOut& out) {
    using namespace egghunt;
    makeTerrain(&geom_egghunt_terrain, nullptr);
    const dReal trailer[3] = {TRAILER_X, TRAILER_Y, TRAILER_RIDE};
    add(new TrailerObj("trailer", trailer));
    for (int i = 0; i < EGG_COUNT; i++) {
        const EggSpot& e = EGGS[i];
        const dReal pos[3] = {e.x, e.y, (e.onStump ? STUMP_TOP : 0) + EGG_FOOT + SETTLE};
        add(new Egg(i, pos));
    }
    setTruckStart(out, trailer[0] + TRUCK_AHEAD, trailer[1], trailer[2]);
    setCamera(out, 0.0f, 0.25f, 2.0f);
}

// The goal rule.

void goal_egghunt(bool* won, bool*) {
    using namespace egghunt;
    const WorldObj* trailer = findNamed("trailer");
    if (!trailer) return;
    const WorldObj* held = truckHeld();
    int inTrailer = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (o == held || strcmp(o->name, "egg") != 0) continue;
        Pose p = poseOf(o);
        const float q[3] = {p.x, p.y, p.z};
        float l[3];
        localCoordinates(trailer, q, l);
        if (fabsf(l[0]) < IN_TRAILER_HALF_X && fabsf(l[1]) < IN_TRAILER_HALF_Y &&
            IN_TRAILER_LOW_Z < l[2] && l[2] < IN_TRAILER_HIGH_Z)
            inTrailer++;
    }
    *won = inTrailer == EGG_COUNT;
}
