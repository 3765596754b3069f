// Level 8, "hazard": carry two waste stackers over a ditch into the store.
// The bridge's girders were taken out and lie by the road with the waste.
#include "world/levels/level08_hazard.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/truck.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Stacker, girder, stacker, girder on the south bank, each beside a line
// the truck drives anyway, abreast of its crane where it stops: the girders
// lie square to the arm, so it picks them up square.
struct Place {
    dReal pos[3];
    dReal yaw;
};
// Reach to spare by the solver kit's model at the hub's grip over each, from
// the stance named, where the recorded solution's truck came to rest.
const Place PLACES[4] = {
    {{-0.25, -5.5, hazard::PLATEAU_TOP + 0.2}, 0},         // 0.36 m from (1.25, -5.87)
    {{6.25, -6.0, hazard::PLATEAU_TOP + 0.05}, M_PI / 2},  // 0.29 m from (4.75, -6.37)
    {{4.6, -10.3, hazard::PLATEAU_TOP + 0.2}, 0},          // 0.27 m from (3.0, -10.67)
    {{-2.13, -5.5, hazard::PLATEAU_TOP + 0.05}, 0},        // 0.31 m from the start
};

}  // namespace

void build_hazard(LevelOut& out) {
    makeTerrain(&geom_hazard_terrain, nullptr);
    makeGround(&geom_hazard_ground);
    for (int i = 0; i < 4; i++) {
        DynamicWorldObj* o;
        if (i % 2 == 0)
            o = new Stacker(PLACES[i].pos);
        else
            o = new Girder(PLACES[i].pos);
        // Turned before it is appended: a full list deletes what it refuses.
        dMatrix3 r;
        dRFromAxisAndAngle(r, 0, 0, 1, PLACES[i].yaw);
        dBodySetRotation(o->body, r);
        add(o);
    }
    setTruckStart(out, -2.5, -7, 1.4);
    setCamera(out, 0.6f, 0.4f, 5.5f);
}

// The goal rule.

namespace {

// A girder sits in its channel when it lies down on the seats along the
// channel's line.
bool girderLaid(const Pose& p) {
    using namespace hazard;
    bool inChannel = std::fabs(std::fabs(p.x - BRIDGE_X) - TRACK) < 0.1f;
    return inChannel && std::fabs(p.y - LAID_Y) < 0.1f && p.z < PLATEAU_TOP;
}

// A truck run out over the span before both girders are in cannot cross and,
// slewed or sagging onto the stop, the posts or a girder's end, mostly
// cannot back off either: the ditch and the half-built bridge are no place
// to wait for ever, so a wheel out over the span of an unfinished bridge
// loses the job.
bool wheelOverUnfinishedSpan() {
    using namespace hazard;
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    if (!truck || countNamed("girder", girderLaid) >= 2) return false;
    for (int i = 0; i < TRUCK_WHEELS; i++) {
        Pose w = poseOf(truck->wheels[i]);
        bool overSpan = GAP_SOUTH < w.y && w.y < GAP_NORTH;
        if (overSpan && std::fabs(w.x - BRIDGE_X) < SPAN_HALF_WIDTH) return true;
    }
    return false;
}

}  // namespace

void goal_hazard(bool* won, bool* lost) {
    *won = countNamed("stacker", [](const Pose& p) {
               using namespace hazard;
               return p.z < STORED_BELOW_Z && STORED_X0 < p.x && p.x < STORED_X1 &&
                      STORED_Y0 < p.y && p.y < STORED_Y1;
           }) == 2;
    *lost = wheelOverUnfinishedSpan();
}
