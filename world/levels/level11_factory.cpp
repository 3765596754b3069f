// Level 11, "factory": the truck has no grapple. Its boom works the feed
// lever and sweeps each box off the belt into the dumpster of its colour;
// both lids must stand open.
#include "world/levels/level11_factory.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props_dumpster.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

const dReal LEVER_HALF = 0.3;  // the lever body's half length above its foot

}  // namespace

void build_factory(LevelOut& out) {
    using namespace factory;
    makeTerrain(&geom_factory_terrain, nullptr);
    makeScenery(&geom_factory_scenery);
    addSmoothBox(BELT_STOP_X1 - BELT_STOP_X0, 2 * BELT_HALF, BELT_STOP_Z1 - BELT_STOP_Z0,
                 (BELT_STOP_X0 + BELT_STOP_X1) / 2, 0, (BELT_STOP_Z0 + BELT_STOP_Z1) / 2, nullptr);
    // Each lid hinges on the side away from the belt.
    const dReal north[3] = {DUMPSTER_X, DUMPSTER_Y, DUMPSTER_Z};
    const dReal south[3] = {DUMPSTER_X, -DUMPSTER_Y, DUMPSTER_Z};
    add(new Dumpster(north, false));
    add(new Dumpster(south, true));
    const dReal lever[3] = {PEDESTAL_X + 0.1, PEDESTAL_Y, PEDESTAL_TOP + LEVER_HALF};
    add(new ConveyerLever(lever));
    setTruckStart(out, -4, -3, 0.4);
    setCamera(out, 0.2f, 0.1f, 4.0f);
}

// The goal rule.

namespace {

// A fed box that came down on the hall floor, outside both bins: the boom
// has no grapple to lift it back, so the heaps can never be sorted.
bool boxOnTheFloor(const ConveyerLever* lever) {
    using namespace factory;
    for (int i = 0; i < lever->numBoxes; i++) {
        const dReal* p = dBodyGetPosition(lever->boxes[i]->body);
        bool overBin = std::fabs(p[0] - DUMPSTER_X) < DUMPSTER_HALF_X &&
                       std::fabs(std::fabs(p[1]) - DUMPSTER_Y) < DUMPSTER_HALF_Y;
        if (p[2] < BOX_ON_FLOOR_Z && !overBin) return true;
    }
    return false;
}

}  // namespace

// Both lids stand open past upright; then the feed's own judgement of the
// heaps decides. Without the lever nothing can be sorted, so no win. A box
// lost to the floor (swept onto a shut lid, say) ends the job.
void goal_factory(bool* won, bool* lost) {
    using namespace factory;
    const ConveyerLever* lever = nullptr;
    bool lidsOpen = true;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (strcmp(o->name, "dumpster") == 0) {
            const Dumpster* d = dynamic_cast<const Dumpster*>(o);
            if (d && !(dJointGetHingeAngle(d->hinge) > LID_OPEN_ANGLE)) lidsOpen = false;
        } else if (!lever && strcmp(o->name, "conveyerlever") == 0) {
            lever = dynamic_cast<const ConveyerLever*>(o);
        }
    }
    if (lever && boxOnTheFloor(lever)) {
        *lost = true;
        return;
    }
    *won = lidsOpen && lever && lever->completed;
}
