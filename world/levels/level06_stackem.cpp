// Level 6, "stackem": the three stackers ride in the trailer. Reverse truck and
// trailer through the containment yard's gate and stack them in the shaft.
#include "world/levels/level06_stackem.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/trailer.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal STACKER_SPACING = 0.45;
const dReal STACKER_ABOVE_FLOOR = 0.2;   // its side plates' lower edge
const dReal TRAILER_FLOOR_TOP = -0.025;  // below the trailer body
const dReal TRUCK_AHEAD = 1.75;          // of the trailer, where the hitch reaches

}  // namespace

void build_stackem(LevelOut& out) {
    makeTerrain(&geom_stackem_terrain, nullptr);
    makeScenery(&geom_stackem_scenery);
    const dReal trailer[3] = {STACKEM_TRAILER_X, STACKEM_TRAILER_Y, STACKEM_TRAILER_Z};
    add(new TrailerObj("trailer", trailer));
    for (int i = -1; i <= 1; i++) {
        const dReal pos[3] = {trailer[0] + STACKER_SPACING * i, trailer[1],
                              trailer[2] + TRAILER_FLOOR_TOP + STACKER_ABOVE_FLOOR};
        add(new Stacker(pos));
    }
    setTruckStart(out, trailer[0] + TRUCK_AHEAD, trailer[1], trailer[2]);
    setCamera(out, -1.55f, 0.2f, 5.9f);
}

// The goal rule.

void goal_stackem(bool* won, bool* lost) {
    *won = everyNamed("stacker", [](const Pose& p) {
        return fabsf(p.x + 9) <= 0.025f && fabsf(p.y - 3) <= 0.025f && p.z <= -0.42f;
    });
    *lost = truckBelow(-1.0f);
}
