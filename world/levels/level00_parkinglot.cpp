// Level 0, "parkinglot": parallel-park the truck in the slot between two
// marker poles, without knocking any pole over.
#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/truck.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// A row from -2.8 in steps of 0.79, leaving out the slot 0.2 < x < 1.7.
const dReal POLE_X[] = {-2.8, -2.01, -1.22, -0.43, 1.94, 2.73};
const dReal POLE_Y = -0.85, POLE_Z = 0.35;
// The bay every wheel must stand in, and how far a pole may lean before it
// counts as knocked over.
const float BAY_X0 = 0.078f, BAY_X1 = 1.422f, BAY_Y0 = -1.73f, BAY_Y1 = -0.82f;
const float POLE_KNOCKED = 0.4f;

}  // namespace

void build_parkinglot(LevelOut& out) {
    makeTerrain(&geom_parkinglot_terrain, nullptr);
    for (dReal x : POLE_X) {
        const dReal pos[3] = {x, POLE_Y, POLE_Z};
        add(new MarkerPole(pos));
    }
    setTruckStart(out, 0, 0, 1);
    setCamera(out, 0.4f, 0.4f, 4.0f);
}

// The goal rule.

// Every wheel of the truck inside the slot's bay; a truck without wheels
// (a stand-in) is never parked.
void goal_parkinglot(bool* won, bool* lost) {
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    bool parked = truck != nullptr;
    for (int i = 0; parked && i < TRUCK_WHEELS; i++) {
        Pose p = poseOf(truck->wheels[i]);
        parked = BAY_X0 <= p.x && p.x <= BAY_X1 && BAY_Y0 <= p.y && p.y <= BAY_Y1;
    }
    *won = parked;
    *lost = anyNamed("pole", [](const Pose& p) { return p.upright < POLE_KNOCKED; });
}
