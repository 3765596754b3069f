// Level -1, "sandbox": the chosen toy in the middle of a sandy plain and ten
// stations of props round it, each turned to face the toy. No goal.
#include "world/levels/level_sandbox.h"

#include <cmath>

#include "bus/bus.h"
#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "vehicles/skidloader.h"
#include "vehicles/truck.h"
#include "vehicles/vehicle.h"
#include "world/goals_query.h"
#include "world/levels/level01_court.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_basic.h"
#include "world/vehicleobj.h"
#include "world/wld.h"

namespace {

enum Toy { TOY_FORKLIFT = 0, TOY_SKIDLOADER = 4 };

// Resting heights above the ground of the toys and the props.
const dReal FORKLIFT_RIDE = 0.32, SKIDLOADER_RIDE = 0.31, TRUCK_RIDE = 0.36;
const dReal SETTLE = 0.003;

enum Kind { PACKCRATE, STACKER, SEGMENT, PILLAR, CRATE, WEIGHT, BALL, WALL, PALLET, POLE };

struct Station {
    Kind kind;
    int nx, ny;    // a grid: nx toward the centre, ny across
    dReal dx, dy;  // its pitch
    dReal ride;    // body above the ground
};

const Station STATIONS_TABLE[sandbox::STATIONS] = {
    {PACKCRATE, 3, 2, 0.6, 0.6, 0.2}, {STACKER, 1, 1, 0, 0, 0.2},   {SEGMENT, 2, 1, 1.3, 0, 0.125},
    {PILLAR, 2, 2, 0.7, 0.7, 0.8},    {CRATE, 1, 2, 0, 0.6, 0.225}, {WEIGHT, 1, 1, 0, 0, 0.4},
    {BALL, 2, 2, 0.4, 0.4, 0.1},      {WALL, 1, 2, 0, 0.6, 0.4},    {PALLET, 1, 2, 0, 0.9, 0.04},
    {POLE, 2, 2, 0.6, 0.6, 0.35},
};

DynamicWorldObj* makeProp(Kind kind, const dReal pos[3]) {
    switch (kind) {
        case PACKCRATE:
            return new PackCrate(pos);
        case STACKER:
            return new Stacker(pos);
        case SEGMENT:
            return new BridgeSegment(pos);
        case PILLAR:
            return new TemplePillar(pos);
        case CRATE:
            return new Crate(pos);
        case WEIGHT:
            return new HeavyWeight(pos);
        case BALL:
            return new SphereObj("soccerball", &geom_court_ball, pos, COURT_BALL_RADIUS);
        case WALL:
            return new HouseWall("housewall", pos);
        case PALLET:
            return new Pallet("pallet", pos);
        case POLE:
            return new MarkerPole(pos);
    }
    return nullptr;
}

DynamicWorldObj* makeToy(int attachment) {
    if (attachment == TOY_FORKLIFT) {
        const dReal at[3] = {0, 0, FORKLIFT_RIDE};
        return new ForkLift(at);
    }
    if (attachment == TOY_SKIDLOADER) {
        const dReal at[3] = {0, 0, SKIDLOADER_RIDE};
        return new SkidLoader(at);
    }
    const dReal at[3] = {0, 0, TRUCK_RIDE};
    return new TruckObj(at, attachment);
}

void addStation(int i) {
    const Station& s = STATIONS_TABLE[i];
    dReal angle = 2 * M_PI * (i + 0.5) / sandbox::STATIONS;
    dReal cx = sandbox::STATION_RADIUS * cos(angle), cy = sandbox::STATION_RADIUS * sin(angle);
    // Local x points at the centre, local y across.
    dReal facing = angle + M_PI;
    dReal ux = cos(facing), uy = sin(facing);
    dMatrix3 turned;
    dRFromAxisAndAngle(turned, 0, 0, 1, facing);
    for (int a = 0; a < s.nx; a++) {
        for (int b = 0; b < s.ny; b++) {
            dReal lx = s.dx * (a - (s.nx - 1) / 2.0), ly = s.dy * (b - (s.ny - 1) / 2.0);
            const dReal pos[3] = {cx + lx * ux - ly * uy, cy + lx * uy + ly * ux, s.ride + SETTLE};
            DynamicWorldObj* prop = add(makeProp(s.kind, pos));
            if (prop) dBodySetRotation(prop->body, turned);
        }
    }
}

}  // namespace

void build_sandbox(LevelOut& out) {
    makeGround(&geom_sandbox_ground);
    int toyChoice =
        out.attachment >= TOY_FORKLIFT && out.attachment <= TOY_SKIDLOADER ? out.attachment : 1;
    DynamicWorldObj* toy = add(makeToy(toyChoice));
    if (toy) wld_setObjectOfInterest(toy);
    for (int i = 0; i < sandbox::STATIONS; i++) addStation(i);
}

// The goal rule.

void goal_sandbox(bool*, bool*) {
    if (!wld_objectOfInterest()) {
        QASSERT_AS(GOAL_SOURCE, wld_objectOfInterest(), "objectOfInterest");
        return;
    }
    vehicle_activateInterest();  // "Activating '%s'" and the switch, once
}
