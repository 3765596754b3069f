// Level 8, "hazard": carry two waste stackers over a ditch into the store.
// The bridge's girders were taken out and lie by the road with the waste.
#include "world/levels/level08_hazard.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Stacker, girder, stacker, girder: beside the truck's start on the south
// bank, the girders lengthwise and abreast of its crane so the arm picks
// them up square from the side.
const dReal PLACES[4][3] = {
    {-4.6, -8.2, hazard::PLATEAU_TOP + 0.2},
    {-2.13, -8.5, hazard::PLATEAU_TOP + 0.05},
    {-4.6, -5.8, hazard::PLATEAU_TOP + 0.2},
    {-2.13, -5.5, hazard::PLATEAU_TOP + 0.05},
};

}  // namespace

void build_hazard(LevelOut& out) {
    makeTerrain(&geom_hazard_terrain, nullptr);
    makeGround(&geom_hazard_ground);
    for (int i = 0; i < 4; i++) {
        if (i % 2 == 0)
            add(new Stacker(PLACES[i]));
        else
            add(new Girder(PLACES[i]));
    }
    setTruckStart(out, -2.5, -7, 1.4);
    setCamera(out, 0.6f, 0.4f, 5.5f);
}

// The goal rule.

void goal_hazard(bool* won, bool*) {
    *won = countNamed("stacker", [](const Pose& p) {
               using namespace hazard;
               return p.z < STORED_BELOW_Z && STORED_X0 < p.x && p.x < STORED_X1 &&
                      STORED_Y0 < p.y && p.y < STORED_Y1;
           }) == 2;
}
