// Level 17, "chemistry": acids and bases stand mixed on eight pallets on one
// dock of the store; the fork lift carries the bases across to the other.
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
// Four acids and four bases, mixed up along dock B.
const char* const FORMULAS[8] = {"HCl", "KOH", "NaH", "HBr", "LiOH", "HNO3", "HCl", "KOH"};

}  // namespace

void build_chemistry(LevelOut& out) {
    using namespace chemistry;
    makeTerrain(&geom_chemistry_terrain, &geom_chemistry_collision);
    makeScenery(&geom_chemistry_scenery);
    const dReal liftAt[3] = {FORKLIFT_X, FORKLIFT_Y, FLOOR_Z + FORKLIFT_RIDE};
    ForkLift* forkLift = add(new ForkLift(liftAt));
    if (forkLift) wld_setObjectOfInterest(forkLift);
    // Each pallet stands across its seat, its long side along the dock, so
    // both edges rest on the deck beside the notches.
    dMatrix3 across;
    dRFromAxisAndAngle(across, 0, 0, 1, M_PI / 2);
    for (int i = 0; i < 8; i++) {
        const dReal pallet[3] = {seatX(i), -SEAT_Y, SEAT_Z + PALLET_HALF + SETTLE};
        DynamicWorldObj* p = add(new Pallet("paller", pallet));
        if (p) dBodySetRotation(p->body, across);
        const dReal canister[3] = {pallet[0], pallet[1], pallet[2] + CANISTER_ABOVE + SETTLE};
        add(new Canister(FORMULAS[i], canister));
    }
    setCamera(out, -0.6f, 0.2f, 5.0f);
}

// The goal rule.

namespace {

bool inZones(const Pose& p, float y0, float y1) {
    using namespace chemistry;
    return DOCK_X0 < p.x && p.x < DOCK_X1 && y0 < p.y && p.y < y1 && DOCK_Z0 < p.z && p.z < DOCK_Z1;
}

bool inZoneA(const Pose& p) { return inZones(p, chemistry::DOCK_Y0, chemistry::DOCK_Y1); }

bool inZoneB(const Pose& p) { return inZones(p, -chemistry::DOCK_Y1, -chemistry::DOCK_Y0); }

}  // namespace

void goal_chemistry(bool* won, bool* lost) {
    ForkLift* forkLift = forkLiftOn();
    bool basesInA = countNamed("base", inZoneA) == 4, acidsInB = countNamed("acid", inZoneB) == 4;
    bool basesInB = countNamed("base", inZoneB) == 4, acidsInA = countNamed("acid", inZoneA) == 4;
    *won = (basesInA && acidsInB) || (basesInB && acidsInA);
    auto toppled = [](const Pose& p) { return p.upright < chemistry::CANISTER_TOPPLED; };
    *lost = anyNamed("base", toppled) || anyNamed("acid", toppled) ||
            (forkLift && poseOf(forkLift).upright < chemistry::FORKLIFT_TOPPLED);
}
