// Level 23, "powerlift": the sky crane lifts the power mast by its top bar,
// carries it over the river to its footings and flies back to its pad.
#include "bus/bus.h"
#include "geom/records.h"
#include "vehicles/skycrane.h"
#include "world/levels/level23_powerlift.h"
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
