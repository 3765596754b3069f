// Level 23, "powerlift": the sky crane lifts the power mast by its top bar,
// carries it over the river to its footings and flies back to its pad.
#include "world/levels/level23_powerlift.h"

#include <cmath>

#include "bus/bus.h"
#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/skycrane.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal SKYCRANE_RIDE = 1.19;  // fuselage above the pad when built
const dReal MAST_FEET = 5.0;       // the mast's feet below its body
const dReal SETTLE = 0.003;

}  // namespace

void build_powerlift(LevelOut& out) {
    using namespace powerlift;
    makeTerrain(&geom_powerlift_terrain, nullptr);
    makeScenery(&geom_powerlift_scenery);
    const dReal craneAt[3] = {PAD_X, PAD_Y, PAD_TOP + SKYCRANE_RIDE};
    SkyCrane* crane = add(new SkyCrane(craneAt));
    if (crane) wld_setObjectOfInterest(crane);
    const dReal mastAt[3] = {MAST_X, MAST_Y, MAST_FEET + SETTLE};
    add(new PowerMast(mastAt));
    postMessage("vehicleSwitch vehicle=skyCrane");
    setCamera(out, -0.1f, 0.3f, 8.7f);
}

// The goal rule.

namespace {

// Whether the sky crane still carries its hook. Letting go detaches the
// hinge rather than destroying it: the sky crane keeps using its handle.
bool hookHeld(const SkyCrane* crane) {
    return crane->hookHinge && dJointGetBody(crane->hookHinge, 0) != nullptr;
}

}  // namespace

void goal_powerlift(bool* won, bool* lost) {
    using namespace powerlift;
    SkyCrane* crane = findVehicle<SkyCrane>("skyCrane");
    if (!crane) return;
    if (!crane->isActive()) activateVehicle(crane);
    const WorldObj* mast = findNamed("powermast");
    if (mast && hookHeld(crane)) {
        Pose m = poseOf(mast);
        if (fabsf(m.x - SITE_X) < RELEASE_RADIUS && fabsf(m.y - SITE_Y) < RELEASE_RADIUS &&
            m.z < RELEASE_BELOW_Z && m.upright > RELEASE_UPRIGHT)
            dJointAttach(crane->hookHinge, nullptr, nullptr);
    }
    Pose c = poseOf(crane);
    const dReal* v = dBodyGetLinearVel(crane->body);
    dReal speed2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    *won = fabsf(c.x - PAD_X) < LANDED_RADIUS && fabsf(c.y - PAD_Y) < LANDED_RADIUS &&
           fabsf(c.z - LANDED_Z) < LANDED_DZ && !hookHeld(crane) && speed2 < LANDED_SPEED2;
    *lost = c.z < 0;
}
