// Every map is walled in: a ball thrown hard at any stretch of a level's
// edge, just under the wall's top, bounces back and stays on the map.
#include <gtest/gtest.h>

#include <vector>

#include "bus/bus.h"
#include "geom/records.h"
#include "shell/gametick.h"
#include "vehicles/truck.h"
#include "world/levels.h"
#include "world/levels/level_edge.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal THROW_SPEED = 8.0, START_INSIDE = 1.5, BELOW_TOP = 0.3, BALL_RADIUS = 0.1;
const int FLIGHT_TICKS = 180;

class LevelEdges : public ::testing::TestWithParam<int> {
   protected:
    void SetUp() override {
        bus_reset();
        wld_truckFactory = truck_create;
        wld_create(GetParam(), nullptr);
    }
    void TearDown() override {
        if (wld_created()) wld_destroy();
        bus_reset();
    }
    SphereObj* throwBall(dReal x, dReal y, dReal z, dReal vx, dReal vy) {
        const dReal pos[3] = {x, y, z};
        SphereObj* ball = new SphereObj("testball", &geom_court_ball, pos, BALL_RADIUS);
        if (!wld_addObject(ball)) {
            delete ball;
            return nullptr;
        }
        dBodySetLinearVel(ball->body, vx, vy, 0);
        return ball;
    }
};

TEST_P(LevelEdges, BallsThrownAtEveryWallStayOnTheMap) {
    const EdgeWall& e = levelEdgeWall(GetParam());
    const dReal z = e.top - BELOW_TOP, d = START_INSIDE, v = THROW_SPEED;
    std::vector<SphereObj*> balls;
    for (dReal f : {0.3, 0.55, 0.8}) {
        dReal x = e.west + f * (e.east - e.west), y = e.south + f * (e.north - e.south);
        balls.push_back(throwBall(e.west + d, y, z, -v, 0));
        balls.push_back(throwBall(e.east - d, y, z, v, 0));
        balls.push_back(throwBall(x, e.south + d, z, 0, -v));
        balls.push_back(throwBall(x, e.north - d, z, 0, v));
    }
    for (int i = 0; i < FLIGHT_TICKS; i++) game_step(GAME_TICK);
    for (SphereObj* ball : balls) {
        ASSERT_NE(ball, nullptr);
        const dReal* p = dBodyGetPosition(ball->body);
        EXPECT_GT(p[0], e.west);
        EXPECT_LT(p[0], e.east);
        EXPECT_GT(p[1], e.south);
        EXPECT_LT(p[1], e.north);
        EXPECT_GT(p[2], e.foot);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelEdges,
                         ::testing::Range((int)LEVEL_SANDBOX, (int)LEVEL_COUNT));

}  // namespace
