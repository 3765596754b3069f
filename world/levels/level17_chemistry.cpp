// Level 17, "chemistry": acids and bases stand mixed on eight pallets in the
// store's aisle; the fork lift separates them onto the two docks.
#include "world/levels/level17_chemistry.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_labelled.h"
#include "world/wld.h"

namespace {

const dReal FORKLIFT_RIDE = 0.32;
const dReal PALLET_HALF = 0.04;      // its lower deck's underside below the body
const dReal CANISTER_ABOVE = 0.215;  // canister centre above the pallet body
const dReal SETTLE = 0.003;
// Four acids and four bases, mixed up along the aisle.
const char* const FORMULAS[8] = {"HCl", "KOH", "NaH", "HBr", "LiOH", "HNO3", "HCl", "KOH"};

}  // namespace

void build_chemistry(LevelOut& out) {
    using namespace chemistry;
    makeTerrain(&geom_chemistry_terrain, &geom_chemistry_collision);
    makeScenery(&geom_chemistry_scenery);
    const dReal liftAt[3] = {FORKLIFT_X, FORKLIFT_Y, FLOOR_Z + FORKLIFT_RIDE};
    ForkLift* forkLift = add(new ForkLift(liftAt));
    if (forkLift) wld_setObjectOfInterest(forkLift);
    for (int i = 0; i < 8; i++) {
        dReal x = PALLET_X0 + PALLET_PITCH * (i % 4);
        dReal y = i < 4 ? PALLET_ROW_Y : -PALLET_ROW_Y;
        const dReal pallet[3] = {x, y, FLOOR_Z + PALLET_HALF + SETTLE};
        add(new Pallet("paller", pallet));
        const dReal canister[3] = {x, y, pallet[2] + CANISTER_ABOVE + SETTLE};
        add(new Canister(FORMULAS[i], canister));
    }
    setCamera(out, -0.6f, 0.2f, 5.0f);
}

// The goal rule.

namespace {

bool inZoneA(const Pose& p) {
    return -4 < p.x && p.x < 6 && 2.5f < p.y && p.y < 5.9f && 1.25f < p.z && p.z < 1.26f;
}

bool inZoneB(const Pose& p) {
    return -4 < p.x && p.x < 6 && -5.9f < p.y && p.y < -2.5f && 1.25f < p.z && p.z < 1.26f;
}

}  // namespace

void goal_chemistry(bool* won, bool* lost) {
    ForkLift* forkLift = forkLiftOn();
    bool basesInA = countNamed("base", inZoneA) == 4, acidsInB = countNamed("acid", inZoneB) == 4;
    bool basesInB = countNamed("base", inZoneB) == 4, acidsInA = countNamed("acid", inZoneA) == 4;
    *won = (basesInA && acidsInB) || (basesInB && acidsInA);
    auto toppled = [](const Pose& p) { return p.upright < 0.2f; };
    *lost = anyNamed("base", toppled) || anyNamed("acid", toppled) ||
            (forkLift && poseOf(forkLift).upright < 0.1f);
}
