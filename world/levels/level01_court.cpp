// Level 1, "court": lift the ball off its stand and drop it into the hoop.
// A ball that touches the floor is lost.
#include "world/levels/level01_court.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props_basic.h"
#include "world/wld.h"

void build_court(LevelOut& out) {
    makeTerrain(&geom_court_terrain, nullptr);
    const dReal ball[3] = {COURT_STAND_X, COURT_STAND_Y, COURT_STAND_TOP + COURT_BALL_RADIUS};
    add(new SphereObj("soccerball", &geom_court_ball, ball, COURT_BALL_RADIUS));
    setTruckStart(out, -3, -1, 0.5);
    setCamera(out, -0.524f, 0.101f, 2.72f);
}

// The goal rule.

void goal_court(bool* won, bool* lost) {
    *won = anyNamed("soccerball", [](const Pose& p) {
        return COURT_GOAL_X0 < p.x && p.x < COURT_GOAL_X1 && -COURT_GOAL_HALF_Y < p.y &&
               p.y < COURT_GOAL_HALF_Y && COURT_GOAL_Z0 < p.z && p.z < COURT_GOAL_Z1;
    });
    *lost = anyNamed("soccerball", [](const Pose& p) { return p.z <= COURT_BALL_DROPPED_Z; });
}
