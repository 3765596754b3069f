// Jobs 15 to 24 and the sandbox: each place rests quietly until the player
// acts; its goal objects put into their places win and out of them do not;
// the machines hand over as the job goes on; and the terrain really holds
// the goal objects at the heights the goals want.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "vehicles/crane.h"
#include "vehicles/dumptruck.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/racer.h"
#include "vehicles/skidloader.h"
#include "vehicles/skycrane.h"
#include "vehicles/train.h"
#include "vehicles/truck.h"
#include "world/goals_query.h"
#include "world/levels.h"
#include "world/levels/level15_dump.h"
#include "world/levels/level16_cleanup.h"
#include "world/levels/level17_chemistry.h"
#include "world/levels/level18_daredevil.h"
#include "world/levels/level19_hockeyriot.h"
#include "world/levels/level20_canal.h"
#include "world/levels/level21_egghunt.h"
#include "world/levels/level22_superpac.h"
#include "world/levels/level23_powerlift.h"
#include "world/levels/level24_yukon.h"
#include "world/levels/level_common.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

int endGames = 0, lastWin = -1;
std::vector<std::string> switches;
void onEndGame(const char* text) {
    endGames++;
    lastWin = argInt(text, "win");
}
void onSwitch(const char* text) {
    char vehicle[64] = "";
    argString(text, "vehicle", vehicle, sizeof vehicle);
    switches.push_back(vehicle);
}

class LevelsC : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        endGames = 0;
        lastWin = -1;
        switches.clear();
        wld_truckFactory = truck_create;
        addListener("endGame", onEndGame);
        addListener("vehicleSwitch", onSwitch);
    }
    void TearDown() override {
        if (wld_created()) wld_destroy();
        levels_setSandboxAttachment(0);
        bus_reset();
    }
    void build(int level) { wld_create(level, nullptr); }
    void run(int ticks) {
        for (int i = 0; i < ticks; i++) game_step(GAME_TICK);
    }
    bool won() const { return endGames > 0 && lastWin == 1; }
    bool lost() const { return endGames > 0 && lastWin == 0; }

    std::vector<DynamicWorldObj*> named(const char* name) {
        std::vector<DynamicWorldObj*> found;
        for (int i = 0; i < wld_objectCount(); i++)
            if (std::string(wld_object(i)->name) == name) found.push_back(wld_object(i));
        return found;
    }
    // A fresh quarry with the dump truck up on the plateau facing north, its
    // rear wheels 0.2 m past the stance line up on the tray's edge, moved by
    // (dx, dy) from the tray's middle line.
    DumpTruckObj* dumpTruckBackedOntoTheTray(dReal dx, dReal dy) {
        using namespace dump;
        const dReal rearWheelBehind = 0.624 + 0.25, ride = 0.62;
        if (wld_created()) wld_destroy();
        endGames = 0;
        build(15);
        run(5);
        DumpTruckObj* dumpTruck = dynamic_cast<DumpTruckObj*>(named("dumpTruck")[0]);
        if (!dumpTruck) return nullptr;
        turnAssembly(dumpTruck->body, M_PI / 2);
        const dReal* c = at(dumpTruck);
        shiftAssembly(dumpTruck->body, (UNLOADED_X0 + UNLOADED_X1) / 2 + dx - c[0],
                      STANCE_Y - 0.2 + rearWheelBehind + dy - c[1], TOP_Z + ride - c[2]);
        dumpTruck->update(0);
        return dumpTruck;
    }
    // The dump truck, its load tipped out, pulls forward off it: every block
    // lies in the unloading box in one layer, and the job is won.
    void pullOffAndExpectOneLayer(const std::vector<DynamicWorldObj*>& blocks) {
        using namespace dump;
        postMessage("accelcontrol setting=0.3");
        run(60);
        postMessage("accelcontrol setting=0");
        run(120);
        EXPECT_TRUE(won());
        for (DynamicWorldObj* b : blocks) {
            Pose p = poseOf(b);
            EXPECT_TRUE(UNLOADED_X0 < p.x && p.x < UNLOADED_X1 && UNLOADED_Y0 < p.y &&
                        p.y < UNLOADED_Y1)
                << p.x << " " << p.y;
            EXPECT_TRUE(UNLOADED_Z0 < p.z && p.z < UNLOADED_Z1) << "one layer: " << p.z;
        }
    }
    // Puts a body at rest at a place, turned by angle about z.
    void teleport(DynamicWorldObj* o, dReal x, dReal y, dReal z, dReal angle = 0) {
        dMatrix3 r;
        dRFromAxisAndAngle(r, 0, 0, 1, angle);
        dBodySetRotation(o->body, r);
        dBodySetPosition(o->body, x, y, z);
        dBodySetLinearVel(o->body, 0, 0, 0);
        dBodySetAngularVel(o->body, 0, 0, 0);
        dBodyEnable(o->body);
        o->update(0);
    }
    // The canal's south risers stood in their sockets turned by turn, and
    // girder g dropped onto its span on the south rail from just over the guides,
    // turned by yaw and off its line by off: where it comes to rest.
    Pose girderOnSouthSpan(dReal turn, int g = 0, dReal yaw = 0, dReal off = 0) {
        using namespace canal;
        auto risers = named("riser");
        auto girders = named("girder");
        run(30);
        for (int s = 0; s < 2; s++)
            teleport(risers[s], socketX(s), socketY(s), PILLAR_TOP + RISER_HEIGHT / 2 + 0.002,
                     turn);
        run(30);
        const dReal span[3] = {spanMiddle(1), spanMiddle(0), spanMiddle(2)};
        const dReal above = GUIDE_RISE + 0.01;
        teleport(girders[g], span[g / 2], -RAIL_Y + off, SEAT_Z + GIRDER_FOOT_BELOW + above, yaw);
        run(60 * 2);
        return poseOf(girders[g]);
    }
    // A body and every body jointed to it, directly or through others.
    std::vector<dBodyID> assemblyBodies(dBodyID root) {
        std::vector<dBodyID> seen{root};
        for (size_t k = 0; k < seen.size(); k++) {
            for (int j = 0; j < dBodyGetNumJoints(seen[k]); j++) {
                dJointID joint = dBodyGetJoint(seen[k], j);
                if (dJointGetType(joint) == dJointTypeContact) continue;
                for (int b = 0; b < 2; b++) {
                    dBodyID other = dJointGetBody(joint, b);
                    bool known = !other;
                    for (dBodyID s : seen) known = known || s == other;
                    if (!known) seen.push_back(other);
                }
            }
        }
        return seen;
    }
    // Moves a body and every body jointed to it by the same offset.
    void shiftAssembly(dBodyID root, dReal dx, dReal dy, dReal dz) {
        for (dBodyID b : assemblyBodies(root)) {
            const dReal* p = dBodyGetPosition(b);
            dBodySetPosition(b, p[0] + dx, p[1] + dy, p[2] + dz);
            dBodySetLinearVel(b, 0, 0, 0);
            dBodyEnable(b);
        }
    }
    // Turns a body and every body jointed to it about z through the root.
    void turnAssembly(dBodyID root, dReal angle) {
        const dReal* c = dBodyGetPosition(root);
        const dReal cx = c[0], cy = c[1], co = cos(angle), si = sin(angle);
        dMatrix3 turn, turned;
        dRFromAxisAndAngle(turn, 0, 0, 1, angle);
        for (dBodyID b : assemblyBodies(root)) {
            const dReal* p = dBodyGetPosition(b);
            dReal dx = p[0] - cx, dy = p[1] - cy;
            dBodySetPosition(b, cx + co * dx - si * dy, cy + si * dx + co * dy, p[2]);
            dMultiply0_333(turned, turn, dBodyGetRotation(b));
            dBodySetRotation(b, turned);
            dBodySetLinearVel(b, 0, 0, 0);
            dBodySetAngularVel(b, 0, 0, 0);
            dBodyEnable(b);
        }
    }
    const dReal* at(DynamicWorldObj* o) { return dBodyGetPosition(o->body); }
    // Lays the daredevil's ramp on its marks, first step to last: each entry
    // is the number of bases under that step's top, '-' for a step left out.
    void layRamp(const std::string& steps) {
        using namespace daredevil;
        auto bases = named("rampbase"), tops = named("ramptop");
        size_t b = 0;
        for (int step = 0; step < 3; step++) {
            if (steps[step] == '-') continue;
            int under = steps[step] - '0';
            dReal x = RAMP_LAST_X - RAMP_PITCH * (2 - step);
            for (int k = 0; k < under; k++) teleport(bases[b++], x, 0, 0.402 + 0.45 * k);
            teleport(tops[step], x, 0, 0.352 + 0.45 * under);
        }
    }
    // The racer's lowest part: its geom whose box reaches lowest, and where.
    struct Low {
        dReal x, z;
    };
    Low racerLowest(Racer* racer) {
        Low low = {0, 1e9};
        for (int i = 0; i < dSpaceGetNumGeoms(racer->space); i++) {
            dReal b[6];
            dGeomGetAABB(dSpaceGetGeom(racer->space, i), b);
            if (b[4] < low.z) low = {0.5 * (b[0] + b[1]), b[4]};
        }
        return low;
    }
    // Builds the daredevil with its ramp laid as layRamp's steps, the far
    // edge raised by a block standing on it, and the fork lift parked in the
    // shed, which starts the racer. Returns the block.
    dGeomID startRacerOff(const std::string& steps, dReal raised = 0) {
        using namespace daredevil;
        build(18);
        run(2);
        layRamp(steps);
        dGeomID block = nullptr;
        if (raised > 0) {
            const dReal depth = FAR_TOP + raised - CANYON_FLOOR, length = 0.3;
            block = dCreateBox(wld_space(), length, 2 * HALF_Y, depth);
            dGeomSetPosition(block, FAR_X + length / 2, 0, CANYON_FLOOR + depth / 2);
            dGeomID ground = wld_terrain()->geom;
            dGeomSetData(block, dGeomGetData(ground));
            dGeomSetCategoryBits(block, dGeomGetCategoryBits(ground));
            dGeomSetCollideBits(block, dGeomGetCollideBits(ground));
        }
        run(60);
        const dReal* f = at(named("forkLift")[0]);
        shiftAssembly(named("forkLift")[0]->body, -35 - f[0], 3.8 - f[1], 0.01);
        return block;
    }
    // The landing hill's height at x: an arc from the far edge down to the
    // flat beyond.
    dReal landingHeight(dReal x) {
        using namespace daredevil;
        const dReal R = LANDING_RADIUS, centre = FAR_X + R * sin(LANDING_ANGLE);
        if (x >= centre) return LANDING_Z;
        return LANDING_Z + R - sqrt(R * R - (centre - x) * (centre - x));
    }
    // Where the racer's lowest part first comes down on the landing hill,
    // or far short if the racer never gets there.
    dReal racerLanding() {
        using namespace daredevil;
        Racer* racer = dynamic_cast<Racer*>(named("racer")[0]);
        for (int t = 0; t < 900 && endGames == 0; t++) {
            run(1);
            Low l = racerLowest(racer);
            if (l.x > FAR_X && l.z > LANDING_Z - 1 && l.z < landingHeight(l.x) + 0.02) return l.x;
        }
        return -1e9;
    }
    // Tips a lever about y for a while, as the grapple pulling it would.
    void pull(LeverProp* lever, dReal omega, int ticks) {
        for (int i = 0; i < ticks; i++) {
            dBodyEnable(lever->body);
            dBodySetAngularVel(lever->body, 0, omega, 0);
            run(1);
        }
    }
    float lowestTerrainPoint() {
        if (!wld_terrain()) return 0;  // the sandbox's ground plane
        const geomdesc* g = wld_terrain()->geometry;
        float low = 1e30f;
        for (int v = 0; v < 3 * g->numt; v++) low = fminf(low, g->tridata[v * 9 + 2]);
        return low;
    }
    std::vector<std::string> objectNames() {
        std::vector<std::string> names;
        for (int i = 0; i < wld_objectCount(); i++)
            if (wld_object(i) != wld_truck()) names.push_back(wld_object(i)->name);
        return names;
    }
};

const int MY_LEVELS[] = {15, 16, 17, 18, 19, 20, 21, 22, 23, 24, LEVEL_SANDBOX};

}  // namespace

// ------------------------------------------------------------ every level

TEST_F(LevelsC, EveryLevelRestsIdleForTenSecondsAboveItsTerrain) {
    for (int level : MY_LEVELS) {
        SCOPED_TRACE(level);
        endGames = 0;
        build(level);
        if (level != LEVEL_SANDBOX) {
            ASSERT_NE(wld_terrain(), nullptr);
        }
        float floor = lowestTerrainPoint();
        run(600);
        ASSERT_NE(wld_objectOfInterest(), nullptr);
        EXPECT_EQ(endGames, 0);
        for (int i = 0; i < wld_objectCount(); i++) {
            DynamicWorldObj* o = wld_object(i);
            SCOPED_TRACE(o->name);
            const dReal* p = at(o);
            ASSERT_TRUE(std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]));
            EXPECT_GT(p[2], floor);
        }
        wld_destroy();
    }
}

namespace {
std::vector<std::string> times(int n, const char* name) {
    return std::vector<std::string>(n, name);
}
std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
}  // namespace

// The catalogue's construction order, the world's truck left out. Level 17's
// pallets each carry their canister; which canister is an acid is the
// level's own table, and level 22's letters are its own choice.
TEST_F(LevelsC, RebuildingGivesTheSameObjectsInTheSameOrder) {
    const std::vector<std::string> sandboxStations =
        times(6, "packcrate") + times(1, "stacker") + times(2, "segment") + times(4, "pillar") +
        times(2, "crate") + times(1, "heavyweight") + times(4, "soccerball") +
        times(2, "housewall") + times(2, "pallet") + times(4, "pole");
    const struct {
        int level;
        std::vector<std::string> names;
    } catalogue[] = {
        {15, times(1, "dumpTruck") + times(6, "block")},
        {16, std::vector<std::string>{"skidLoader", "dumpTruck"} + times(4, "sphere")},
        {17,
         {"forkLift", "paller", "acid", "paller", "base", "paller", "base", "paller", "acid",
          "paller", "base", "paller", "acid", "paller", "acid", "paller", "base"}},
        {18, times(3, "rampbase") + times(3, "ramptop") + times(1, "racer") + times(1, "forkLift")},
        {19, times(2, "policeCar") + times(1, "forkLift")},
        {20, times(4, "riser") + times(1, "train") + times(6, "girder") + times(1, "lever")},
        {21, times(1, "trailer") + times(8, "egg")},
        {22, {"L", "E", "V", "R", "O", "U", "Q"}},
        {23, {"skyCrane", "powermast"}},
        {24, times(1, "skidLoader") + times(20, "gravel")},
        {LEVEL_SANDBOX, times(1, "forkLift") + sandboxStations},
    };
    for (const auto& c : catalogue) {
        SCOPED_TRACE(c.level);
        for (int round = 0; round < 2; round++) {
            build(c.level);
            EXPECT_EQ(objectNames(), c.names);
            run(10);
            wld_destroy();
        }
    }
}

TEST_F(LevelsC, MachineLevelsBuildNoTruckOfTheWorld) {
    for (int level : {16, 17, 18, 19, 23, (int)LEVEL_SANDBOX}) {
        SCOPED_TRACE(level);
        build(level);
        EXPECT_EQ(wld_truck(), nullptr);
        wld_destroy();
    }
}

TEST_F(LevelsC, OnlyTheSandboxAnnouncesTheVehicleItSwitchesOn) {
    const struct {
        int level;
        const char* vehicle;
    } cases[] = {{17, "forkLift"},
                 {18, "forkLift"},
                 {19, "forkLift"},
                 {23, "skyCrane"},
                 {LEVEL_SANDBOX, "forkLift"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.level);
        build(c.level);
        switches.clear();
        testing::internal::CaptureStdout();
        run(2);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(switches, std::vector<std::string>{c.vehicle});
        bool announced =
            out.find("Activating '" + std::string(c.vehicle) + "'\n") != std::string::npos;
        EXPECT_EQ(announced, c.level == LEVEL_SANDBOX);
        wld_destroy();
    }
}

// ------------------------------------------------------------------- dump

TEST_F(LevelsC, DumpHandsOverWithSixBlocksInTheBedAndBack) {
    build(15);
    auto blocks = named("block");
    ASSERT_EQ(blocks.size(), 6u);
    DumpTruckObj* dumpTruck = dynamic_cast<DumpTruckObj*>(named("dumpTruck")[0]);
    ASSERT_NE(dumpTruck, nullptr);
    run(5);
    const dReal* b = at(dumpTruck->bed);
    for (int i = 0; i < 6; i++)
        teleport(blocks[i], b[0] - 0.4 + 0.3 * (i % 3), b[1] - 0.15 + 0.3 * (i / 3), b[2] - 0.02);
    run(10);
    EXPECT_EQ(wld_objectOfInterest(), dumpTruck);
    EXPECT_TRUE(dumpTruck->isActive());
    ASSERT_FALSE(switches.empty());
    EXPECT_EQ(switches.back(), "dumpTruck");
    EXPECT_EQ(endGames, 0);
    // Emptied again onto the quarry floor: the truck takes over.
    for (int i = 0; i < 6; i++)
        teleport(blocks[i], dump::PYRAMID_X + 0.3 * i, dump::PYRAMID_Y, dump::FLOOR_Z + 0.13);
    run(10);
    EXPECT_EQ(wld_objectOfInterest(), wld_truck());
    EXPECT_EQ(switches.back(), "truck");
    EXPECT_EQ(endGames, 0);
}

// The claws' hold on a block flickers: six in the bed hand over only a
// second after the claws last held one, so the sixth, still hanging in them
// over the bed when the hold drops out for a tick, does not hand control to
// the dump truck with the crane frozen round it.
TEST_F(LevelsC, DumpHandsOverOnlyASecondAfterTheClawsLastHeldABlock) {
    build(15);
    auto blocks = named("block");
    DumpTruckObj* dumpTruck = dynamic_cast<DumpTruckObj*>(named("dumpTruck")[0]);
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    ASSERT_TRUE(dumpTruck && truck && truck->crane && truck->crane->grapple);
    run(5);
    const dReal* b = at(dumpTruck->bed);
    for (int i = 0; i < 6; i++)
        teleport(blocks[i], b[0] - 0.4 + 0.3 * (i % 3), b[1] - 0.15 + 0.3 * (i / 3), b[2] - 0.02);
    // Held for the goal's look at it; the grapple, touching nothing, lets
    // it go again on the next tick.
    truck->crane->grapple->grasped = blocks[5];
    bool won = false, lost = false;
    goal_dump(&won, &lost);
    run(40);
    EXPECT_FALSE(dumpTruck->isActive());
    EXPECT_EQ(truck->crane->grapple->grasped, nullptr);
    run(30);
    EXPECT_TRUE(dumpTruck->isActive());
    EXPECT_EQ(endGames, 0);
}

TEST_F(LevelsC, DumpIsWonWithSixBlocksInTheBinAndLostByOneInTheBay) {
    using namespace dump;
    build(15);
    auto blocks = named("block");
    for (int i = 0; i < 5; i++)
        teleport(blocks[i], UNLOADED_X0 + 0.2 + 0.3 * (i % 2), UNLOADED_Y0 + 0.2 + 0.28 * (i / 2),
                 trayFloorZ(UNLOADED_Y1) + 0.13);
    run(30);
    EXPECT_EQ(endGames, 0);  // five are not enough
    teleport(blocks[5], UNLOADED_X0 + 0.5, UNLOADED_Y1 - 0.2, trayFloorZ(UNLOADED_Y1) + 0.13);
    run(30);
    EXPECT_TRUE(won());
    // The tray holds a block inside the goal's height band.
    EXPECT_NEAR(poseOf(blocks[5]).z, 1.0, 0.09);

    wld_destroy();
    endGames = 0;
    build(15);
    teleport(named("block")[0], -8.0, DUMPTRUCK_Y, BAY_Z + 0.13);
    run(5);
    EXPECT_TRUE(lost());
}

TEST_F(LevelsC, DumpTruckHaulsAFullBedUpTheRoadWithoutLosingABlock) {
    using namespace dump;
    build(15);
    run(5);
    DumpTruckObj* dumpTruck = dynamic_cast<DumpTruckObj*>(named("dumpTruck")[0]);
    ASSERT_NE(dumpTruck, nullptr);
    auto blocks = named("block");
    auto inBed = [&](DynamicWorldObj* b) {
        dVector3 l;
        const dReal* p = at(b);
        dBodyGetPosRelPoint(dumpTruck->bed->body, p[0], p[1], p[2], l);
        return fabs(l[0]) <= 0.9 && fabs(l[1]) <= 0.45 && -0.08 <= l[2] && l[2] <= 0.8;
    };
    for (int i = 0; i < 6; i++) {
        dVector3 p;
        dBodyGetRelPointPos(dumpTruck->bed->body, -0.34 + 0.34 * (i % 3), i < 3 ? -0.155 : 0.155,
                            -0.18 + BLOCK_SIZE / 2 + 0.003, p);
        teleport(blocks[i], p[0], p[1], p[2]);
    }
    run(30);
    ASSERT_TRUE(dumpTruck->isActive());
    // East along the bay and up the haul road, held on the bay's middle line.
    const dReal laneY = (BAY_Y0 + BAY_Y1) / 2;
    int t = 0;
    for (; t < 3000 && at(dumpTruck)[0] < RAMP_X1 + 1.5f; t++) {
        const dReal* r = dBodyGetRotation(dumpTruck->body);
        dReal heading = atan2(r[4], r[0]);
        dReal error = atan2(laneY - at(dumpTruck)[1], 2.0) - heading;
        char line[96];
        snprintf(line, sizeof line, "steer setting=%f",
                 std::max(-1.0, std::min(1.0, -2.0 * error)));
        postMessage(line);
        postMessage("accelcontrol setting=0.6");
        run(1);
    }
    postMessage("accelcontrol setting=0");
    run(120);
    EXPECT_LT(t, 3000) << "stuck on the road at x " << at(dumpTruck)[0];
    EXPECT_NEAR(at(dumpTruck)[2], TOP_Z + 0.62, 0.1) << "up on the landing";
    int kept = 0;
    for (DynamicWorldObj* b : blocks) kept += inBed(b);
    EXPECT_EQ(kept, 6);
    EXPECT_EQ(endGames, 0);
}

TEST_F(LevelsC, DumpTrayTakesTheLoadTippedNearTheStanceInOneLayer) {
    using namespace dump;
    // Up on the plateau facing north with the rear wheels on the tray's edge, six blocks in one
    // layer in the bed, set down as a crane leaves them (a few centimetres and degrees off their
    // places): tipped slowly right up, and the truck pulled away from the last ones leaning on the
    // tail's lip, all six lie in the unloading box, none on another.
    const dReal offsets[][2] = {{0, 0},   {0, -0.1},  {-0.03, 0},   {0.03, 0},
                                {0, 0.1}, {0, -0.05}, {0.03, -0.05}};
    const dReal jitter[6][3] = {{0.03, -0.02, 0.1},   {-0.02, 0.03, -0.08}, {0.0, -0.03, 0.05},
                                {-0.03, 0.02, -0.12}, {0.02, 0.0, 0.15},    {0.01, -0.02, -0.05}};
    for (int k = 0; k < 14; k++) {
        const auto& off = offsets[k % 7];
        const dReal j = k < 7 ? 0 : 1;
        SCOPED_TRACE(testing::Message() << off[0] << " " << off[1] << " jitter " << j);
        DumpTruckObj* dumpTruck = dumpTruckBackedOntoTheTray(off[0], off[1]);
        ASSERT_NE(dumpTruck, nullptr);
        auto blocks = named("block");
        for (int i = 0; i < 6; i++) {
            dVector3 p;
            dBodyGetRelPointPos(dumpTruck->bed->body, -0.34 + 0.34 * (i % 3) + j * jitter[i][0],
                                (i < 3 ? -0.155 : 0.155) + j * jitter[i][1],
                                -0.18 + BLOCK_SIZE / 2 + 0.003, p);
            teleport(blocks[i], p[0], p[1], p[2], M_PI / 2 + j * jitter[i][2]);
        }
        run(60);
        ASSERT_TRUE(dumpTruck->isActive()) << "six in the bed hand over to the dump truck";
        EXPECT_EQ(endGames, 0);
        // Tipped slowly: at a full lever the load jumps out over the tail.
        postMessage("cranecontrol tag=elevate setting=0.15");
        run(1500);
        postMessage("cranecontrol tag=elevate setting=0");
        pullOffAndExpectOneLayer(blocks);
    }
}

// A block knocked out of the claws onto the bay's parapet does not stay up
// there out of reach: it ends on the quarry floor, or in the bay, which
// loses the game.
TEST_F(LevelsC, DumpParapetShedsABlockLandingOnItsTop) {
    using namespace dump;
    const dReal top = FLOOR_Z + PARAPET_HEIGHT + BLOCK_SIZE / 2 + 0.01;
    for (dReal across : {0.0, 0.03, 0.06, 0.09}) {
        for (dReal yaw : {0.0, 0.3, 0.785}) {
            SCOPED_TRACE(testing::Message() << across << " turned " << yaw);
            if (wld_created()) wld_destroy();
            endGames = 0;
            build(15);
            run(5);
            DynamicWorldObj* block = named("block")[5];
            teleport(block, PYRAMID_X - 2.0, BAY_Y1 + across, top, yaw);
            run(240);
            Pose p = poseOf(block);
            bool onFloor =
                p.y > BAY_Y1 + PARAPET_WIDTH && fabsf(p.z - (FLOOR_Z + BLOCK_SIZE / 2)) < 0.01;
            EXPECT_TRUE(onFloor || lost()) << p.y << " " << p.z;
        }
    }
}

// Loads as the haul road leaves them, slid back against the tail and
// askew (block, chassis frame: along, across, yaw): tipped as slowly as in
// the even case, every block still comes out onto the tray's floor and none
// ends on another (two loads the haul left, each also mirrored side for
// side). On a floor that held each block where it landed, the next one off
// the lip rode up onto it.
TEST_F(LevelsC, DumpTrayTakesAShiftedLoadInOneLayer) {
    using namespace dump;
    const dReal loads[][6][3] = {
        {{-0.081, 0.192, -2.865},
         {-0.352, 0.148, -3.05},
         {-0.611, 0.068, 3.137},
         {-0.111, -0.095, -2.773},
         {-0.360, -0.245, -3.138},
         {-0.611, -0.224, -3.139}},
        {{-0.371, 0.266, -0.006},
         {-0.057, 0.082, -3.124},
         {-0.615, 0.066, -3.141},
         {-0.106, -0.234, 2.96},
         {-0.342, -0.107, 1.4},
         {-0.614, -0.257, -3.14}},
    };
    for (int k = 0; k < 4; k++) {
        SCOPED_TRACE(k);
        const dReal side = k < 2 ? 1 : -1;
        const auto& load = loads[k % 2];
        DumpTruckObj* dumpTruck = dumpTruckBackedOntoTheTray(0, 0);
        ASSERT_NE(dumpTruck, nullptr);
        auto blocks = named("block");
        for (int i = 0; i < 6; i++) {
            dVector3 p;
            dBodyGetRelPointPos(dumpTruck->body, load[i][0], side * load[i][1], 0.147, p);
            teleport(blocks[i], p[0], p[1], p[2], M_PI / 2 + side * load[i][2]);
        }
        run(60);
        ASSERT_TRUE(dumpTruck->isActive());
        int t = 0;
        for (; t < 2400 && dJointGetHingeAngle(dumpTruck->bedHinge) < 1.4; t++) {
            postMessage("cranecontrol tag=elevate setting=0.15");
            run(1);
        }
        postMessage("cranecontrol tag=elevate setting=0");
        run(600);
        pullOffAndExpectOneLayer(blocks);
    }
}

// ---------------------------------------------------------------- cleanup

TEST_F(LevelsC, CleanupStartsWithTheDumpTruckAndTippingHandsToTheSkidLoader) {
    build(16);
    run(2);
    DumpTruckObj* dumpTruck = dynamic_cast<DumpTruckObj*>(named("dumpTruck")[0]);
    SkidLoader* loader = dynamic_cast<SkidLoader*>(named("skidLoader")[0]);
    ASSERT_TRUE(dumpTruck && loader);
    EXPECT_EQ(wld_objectOfInterest(), dumpTruck);
    EXPECT_TRUE(dumpTruck->isActive());
    postMessage("cranecontrol tag=elevate setting=1");
    run(120);
    EXPECT_EQ(wld_objectOfInterest(), loader);
    EXPECT_TRUE(loader->isActive());
    EXPECT_FALSE(dumpTruck->isActive());
    ASSERT_GE(switches.size(), 2u);
    EXPECT_EQ(switches.back(), "skidLoader");
}

TEST_F(LevelsC, CleanupTippedAtAStandstillLeavesEverySphereOnTheYardForTheLoader) {
    build(16);
    run(2);
    postMessage("cranecontrol tag=elevate setting=1");
    run(300);
    for (DynamicWorldObj* sphere : named("sphere")) {
        vec3f p = sphere->getPosition();
        EXPECT_LT(p.z, 0.2f) << "still on the bed";
        EXPECT_GT(p.y, cleanup::PIT_HALF + 3) << "the loader still has work to do";
        EXPECT_LT(p.x, cleanup::GUTTER_EAST) << "left inside the pen";
        EXPECT_NEAR(p.x, cleanup::LANE_X, 0.35f) << "not gathered in the gutter";
    }
}

TEST_F(LevelsC, CleanupPenHoldsTheDumpTruckWhicheverWayItDrives) {
    for (const char* pedal : {"accelcontrol setting=-1", "accelcontrol setting=1"}) {
        build(16);
        run(2);
        postMessage("steer setting=1");
        postMessage(pedal);
        run(400);
        vec3f p = named("dumpTruck")[0]->getPosition();
        EXPECT_NEAR(p.x, cleanup::DUMPTRUCK_X, 0.3f) << pedal;
        EXPECT_NEAR(p.y, cleanup::DUMPTRUCK_Y, 0.3f) << pedal;
        EXPECT_GT(p.z, 0.4f) << pedal;
        wld_destroy();
    }
}

TEST_F(LevelsC, CleanupIsWonOnlyWithEverySphereInThePit) {
    build(16);
    auto spheres = named("sphere");
    ASSERT_EQ(spheres.size(), 4u);
    for (int i = 0; i < 3; i++) teleport(spheres[i], -0.5 + 0.4 * i, 0.3, -0.9);
    teleport(spheres[3], 1.5, 0, 0.16);
    run(30);
    EXPECT_EQ(endGames, 0);
    teleport(spheres[3], 0.5, -0.4, -0.9);
    run(30);
    EXPECT_TRUE(won());
    EXPECT_LT(poseOf(spheres[3]).z, -1.0f);
}

// -------------------------------------------------------------- chemistry

TEST_F(LevelsC, ChemistryDocksHoldCanistersInsideTheZonesHeightBand) {
    using namespace chemistry;
    build(17);
    auto pallets = named("paller");
    ASSERT_EQ(pallets.size(), 8u);
    run(30);
    EXPECT_EQ(endGames, 0);  // mixed up on dock B
    // Each base with its pallet to a seat on dock A, a little off the middle
    // of the seat and askew: the deck still holds it level.
    int bases = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (std::string(o->name) != "base") continue;
        DynamicWorldObj* pallet = wld_object(i - 1);
        const dReal* p = at(pallet);
        dReal off = bases % 2 ? 0.04 : -0.04;
        shiftAssembly(pallet->body, seatX(2 * bases) + off - p[0], SEAT_Y + 0.03 - p[1], 0.01);
        turnAssembly(pallet->body, 0.05);
        const dReal* c = at(o);
        dBodySetPosition(o->body, at(pallet)[0], at(pallet)[1], c[2] + 0.01);
        dBodyEnable(o->body);
        bases++;
    }
    run(90);
    EXPECT_TRUE(won());
    for (DynamicWorldObj* c : named("acid")) EXPECT_NEAR(poseOf(c).z, 1.255f, 0.003f);
    for (DynamicWorldObj* c : named("base")) EXPECT_NEAR(poseOf(c).z, 1.255f, 0.003f);
}

TEST_F(LevelsC, ChemistryIsLostWhenACanisterFalls) {
    build(17);
    DynamicWorldObj* acid = named("acid")[0];
    dMatrix3 onSide;
    dRFromAxisAndAngle(onSide, 1, 0, 0, M_PI / 2);
    dBodySetRotation(acid->body, onSide);
    dBodySetPosition(acid->body, 0, -3, 1.2);
    run(20);
    EXPECT_TRUE(lost());
}

// -------------------------------------------------------------- daredevil

TEST_F(LevelsC, DaredevilStartsTheRacerWhenTheForkLiftParksInTheShed) {
    build(18);
    run(2);
    ForkLift* forkLift = dynamic_cast<ForkLift*>(named("forkLift")[0]);
    Racer* racer = dynamic_cast<Racer*>(named("racer")[0]);
    ASSERT_TRUE(forkLift && racer);
    EXPECT_TRUE(forkLift->isActive());
    run(60);
    EXPECT_NE(wld_objectOfInterest(), racer);
    const dReal* f = at(forkLift);
    shiftAssembly(forkLift->body, -35 - f[0], 3.8 - f[1], 0.01);
    run(120);
    EXPECT_EQ(wld_objectOfInterest(), racer);
    EXPECT_GT(poseOf(racer).x, -30.0f + 1.0f);  // it is off
}

TEST_F(LevelsC, DaredevilIsWonOnTheFarSideAndLostInTheCanyon) {
    using namespace daredevil;
    build(18);
    Racer* racer = dynamic_cast<Racer*>(named("racer")[0]);
    shiftAssembly(racer->body, 42, 0, 0.05);
    run(20);
    EXPECT_TRUE(won());
    wld_destroy();
    endGames = 0;
    build(18);
    racer = dynamic_cast<Racer*>(named("racer")[0]);
    shiftAssembly(racer->body, (LIP_X + FAR_X) / 2 - RACER_X, 0, 0);
    run(150);
    EXPECT_TRUE(lost());
}

// The lip's kerb holds the fork lift driven at the canyon beside the ramp,
// nose first or backing.
TEST_F(LevelsC, DaredevilForkLiftCannotDriveIntoTheCanyon) {
    using namespace daredevil;
    for (dReal pedal : {1.0, -1.0}) {
        SCOPED_TRACE(pedal);
        endGames = 0;
        build(18);
        run(2);
        ForkLift* forkLift = dynamic_cast<ForkLift*>(named("forkLift")[0]);
        ASSERT_NE(forkLift, nullptr);
        if (pedal < 0) turnAssembly(forkLift->body, M_PI);
        const dReal* f = at(forkLift);
        shiftAssembly(forkLift->body, LIP_X - 2.5 - f[0], -3.0 - f[1], 0.01);
        for (int i = 0; i < 60 * 8; i++) {
            postMessage(pedal > 0 ? "accelcontrol setting=1.0" : "accelcontrol setting=-1.0");
            run(1);
        }
        Pose p = poseOf(forkLift);
        EXPECT_LT(p.x, LIP_X);
        EXPECT_GT(p.z, 0.1f);
        EXPECT_GT(p.upright, 0.9f);
        wld_destroy();
    }
}

// The racer climbs the ramp built on its marks without bouncing and clears
// the canyon; a ramp short of its bases or its tallest step, or none, lets
// it fall into the canyon, where the level is lost. Without the first step
// it rams the second one's face and tumbles: into the canyon, or onto its
// back against the lip's kerb, where lying still loses as well.
TEST_F(LevelsC, DaredevilIsJumpedOnlyFromTheWholeRamp) {
    const struct {
        const char* steps;
        bool jumps;
    } cases[] = {{"012", true}, {"---", false}, {"000", false}, {"01-", false}, {"-12", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.steps);
        endGames = 0;
        build(18);
        run(2);
        layRamp(c.steps);
        run(60);
        ForkLift* forkLift = dynamic_cast<ForkLift*>(named("forkLift")[0]);
        const dReal* f = at(forkLift);
        shiftAssembly(forkLift->body, -35 - f[0], 3.8 - f[1], 0.01);
        for (int i = 0; i < 900 && endGames == 0; i++) run(1);
        EXPECT_EQ(won(), c.jumps);
        EXPECT_EQ(lost(), !c.jumps);
        wld_destroy();
    }
}

// The racer runs once: started and then standing still short of the winning
// line, it has lost, but not while it is still rolling to a stop.
TEST_F(LevelsC, DaredevilRacerLeftStandingAfterItsRunLoses) {
    using namespace daredevil;
    build(18);
    run(2);
    ForkLift* forkLift = dynamic_cast<ForkLift*>(named("forkLift")[0]);
    Racer* racer = dynamic_cast<Racer*>(named("racer")[0]);
    ASSERT_TRUE(forkLift && racer);
    const dReal* f = at(forkLift);
    shiftAssembly(forkLift->body, -35 - f[0], 3.8 - f[1], 0.01);
    run(120);
    ASSERT_EQ(wld_objectOfInterest(), racer);
    EXPECT_FALSE(lost()) << "running";
    // Knocked back onto the run-up and left there, its drive taken off.
    racer->stopRacer();
    const dReal* r = at(racer);
    shiftAssembly(racer->body, RACER_X - 2 - r[0], 0, 0.05);
    for (dBodyID b : assemblyBodies(racer->body)) {
        dBodySetLinearVel(b, 0, 0, 0);
        dBodySetAngularVel(b, 0, 0, 0);
    }
    run(RACER_REST_TICKS / 2);
    EXPECT_FALSE(lost()) << "settling";
    for (int i = 0; i < 4 * RACER_REST_TICKS && endGames == 0; i++) run(1);
    EXPECT_TRUE(lost());
    EXPECT_FALSE(won());
}

// Off the whole ramp the racer comes down on the landing hill, not on the
// far edge, and rolls on to win, even with that edge raised; off a ramp
// short of its tallest step, of its bases or of its first step it falls
// into the canyon.
TEST_F(LevelsC, DaredevilWholeRampCarriesTheRacerOverAndAHalfRampDoesNot) {
    using namespace daredevil;
    const dReal MARGIN = 0.1;
    dGeomID raised = startRacerOff("012", MARGIN);
    EXPECT_GT(racerLanding(), FAR_X + 0.3);
    for (int t = 0; t < 600 && endGames == 0; t++) run(1);
    EXPECT_TRUE(won());
    dGeomDestroy(raised);
    wld_destroy();
    for (const char* steps : {"01-", "000", "-12"}) {
        SCOPED_TRACE(steps);
        endGames = 0;
        startRacerOff(steps);
        EXPECT_LT(racerLanding(), FAR_X);
        EXPECT_FALSE(won());
        wld_destroy();
    }
}

// A ramp without its middle step, or with a top on one base at each of the
// last two marks in place of the tallest step, does not carry the racer
// over: without the middle step it drops off the first top against the
// tallest step's face, and off the lower last step it meets the far face.
TEST_F(LevelsC, DaredevilIsNotJumpedWithoutTheMiddleStepOrTheTallestStep) {
    for (const char* steps : {"0-2", "011"}) {
        SCOPED_TRACE(steps);
        endGames = 0;
        startRacerOff(steps);
        for (int i = 0; i < 900 && endGames == 0; i++) run(1);
        EXPECT_FALSE(won());
        wld_destroy();
    }
}

// ------------------------------------------------------------- hockeyriot

TEST_F(LevelsC, HockeyriotNeedsBothCarsUprightInTheYard) {
    using namespace hockeyriot;
    build(19);
    auto cars = named("policeCar");
    ASSERT_EQ(cars.size(), 2u);
    run(300);  // the spins die down and the cars stay on their wheels
    for (DynamicWorldObj* c : cars) EXPECT_GT(poseOf(c).upright, 0.97f);
    const dReal* p = at(cars[0]);
    shiftAssembly(cars[0]->body, -24 - p[0], 10 - p[1], 0.02);
    run(60);
    EXPECT_EQ(endGames, 0);
    p = at(cars[1]);
    shiftAssembly(cars[1]->body, -20 - p[0], 13 - p[1], 0.02);
    run(60);
    EXPECT_TRUE(won());
}

// Both police cars come to the street still turning from the riot: in the
// first second each one's heading swings far enough to see.
TEST_F(LevelsC, HockeyriotCarsVisiblyTurnInTheFirstSecond) {
    build(19);
    auto cars = named("policeCar");
    ASSERT_EQ(cars.size(), 2u);
    auto yaw = [](DynamicWorldObj* c) {
        const dReal* r = dBodyGetRotation(c->body);
        return atan2(r[4], r[0]);
    };
    double last[2] = {yaw(cars[0]), yaw(cars[1])}, turned[2] = {0, 0};
    for (int tick = 0; tick < 60; tick++) {
        run(1);
        for (int i = 0; i < 2; i++) {
            double now = yaw(cars[i]), d = now - last[i];
            turned[i] += atan2(sin(d), cos(d));
            last[i] = now;
        }
    }
    for (int i = 0; i < 2; i++) {
        EXPECT_GT(fabs(turned[i]), 0.3) << "car " << i;
        EXPECT_GT(poseOf(cars[i]).upright, 0.97f) << "car " << i;
    }
}

// A police car rolls only along its length. Pushed backwards from where
// its spin left it, the east car's own line must run through the gate
// into the yard rather than into a gate post.
TEST_F(LevelsC, HockeyriotEastCarRollsBackwardsThroughTheGateIntoTheYard) {
    using namespace hockeyriot;
    build(19);
    DynamicWorldObj* car = named("policeCar")[1];
    run(300);
    for (int tick = 0; tick < 3000 && poseOf(car).y < BACK_Y0 + 2; tick++) {
        const dReal* r = dBodyGetRotation(car->body);
        const dReal* v = dBodyGetLinearVel(car->body);
        if (v[0] * v[0] + v[1] * v[1] < 0.25) dBodyAddForce(car->body, -r[0], -r[4], 0);
        dBodyEnable(car->body);
        run(1);
    }
    Pose p = poseOf(car);
    EXPECT_GT(p.y, BACK_Y0 + 2);
    EXPECT_GT(p.x, BACK_X0);
    EXPECT_LT(p.x, BACK_X1);
    EXPECT_GT(p.upright, BACK_UPRIGHT);
}

// ------------------------------------------------------------------ canal

TEST_F(LevelsC, CanalLeverSendsTheTrainWhichWinsOverTheFinishedBridge) {
    // Each girder laid on its place, then each one up to 2.5 cm off along
    // the rail, the west span's towards the bank and the middle one's east,
    // so that the gaps between rail heads run from 2 cm at the east pillar
    // to 12 cm at the west one: the girders still lie clear of each other,
    // and the train rolls over every gap.
    const dReal neat[3] = {0, 0, 0}, shifted[3] = {-0.025, 0.025, -0.025};
    for (const dReal* along : {neat, shifted}) {
        SCOPED_TRACE(along[1]);
        endGames = 0;
        build(20);
        TrainObj* train = dynamic_cast<TrainObj*>(named("train")[0]);
        RailLever* lever = dynamic_cast<RailLever*>(named("lever")[0]);
        ASSERT_TRUE(train && lever);
        auto risers = named("riser");
        auto girders = named("girder");
        ASSERT_EQ(risers.size(), 4u);
        ASSERT_EQ(girders.size(), 6u);
        // Risers into the sockets with their handles across the rails, turned
        // as the crane sets them in from the stances (the handles slope a
        // little, and lean the girders' heads outwards, not into the wheels'
        // flanges), girders from seat to riser to riser to seat.
        using namespace canal;
        for (int i = 0; i < 4; i++)
            teleport(risers[i], socketX(i), socketY(i), PILLAR_TOP + RISER_HEIGHT / 2 + 0.002,
                     (i / 2 ? -1 : 1) * M_PI / 2);
        run(30);
        for (int i = 0; i < 6; i++)
            teleport(girders[i], spanMiddle(i / 2) + along[i / 2], (i % 2 ? 1 : -1) * RAIL_Y,
                     SEAT_Z + GIRDER_FOOT_BELOW + 0.008);
        run(60);
        for (int i = 0; i < 6; i++) {
            Pose g = poseOf(girders[i]);
            EXPECT_NEAR(g.x, spanMiddle(i / 2) + along[i / 2], 0.003) << i;
            EXPECT_NEAR(g.z + GIRDER_HEAD_ABOVE, RAIL_HEAD, 0.006) << i;
        }
        EXPECT_FALSE(train->started);
        pull(lever, 4.0, 40);
        EXPECT_TRUE(lever->pulled) << lever->angle();
        EXPECT_TRUE(train->started);
        run(60 * 30);  // it settles to under 1 m/s on its heavy axles
        EXPECT_TRUE(won());
        EXPECT_LT(poseOf(train).x, -14.0f);
        wld_destroy();
    }
}

TEST_F(LevelsC, CanalTruckDrivesOverTheLevelCrossingAndBack) {
    using namespace canal;
    build(20);
    DynamicWorldObj* truck = wld_truck();
    ASSERT_NE(truck, nullptr);
    run(30);
    // Square onto the crossing from the north, facing south.
    const dReal* p = at(truck);
    shiftAssembly(truck->body, (CROSSING_X0 + CROSSING_X1) / 2 - p[0], 3.0 - p[1], 0.02);
    turnAssembly(truck->body, -M_PI / 2);
    for (dReal pedal : {0.5, -0.5}) {
        for (int i = 0; i < 60 * 9; i++) {
            postMessage(pedal > 0 ? "accelcontrol setting=0.5" : "accelcontrol setting=-0.5");
            run(1);
        }
        Pose t = poseOf(truck);
        if (pedal > 0)
            EXPECT_LT(t.y, -2.5f) << "stopped at the rails";
        else
            EXPECT_GT(t.y, 2.5f) << "stopped at the rails on the way back";
        EXPECT_GT(t.upright, 0.95f);
        EXPECT_NEAR(t.x, (CROSSING_X0 + CROSSING_X1) / 2, 0.4f);
    }
    EXPECT_EQ(endGames, 0);
}

// A riser set down a little off its socket's middle, or turned, stands in
// it upright with its handles' tops level with the seats and its handles on the
// rail's line to within a centimetre: the foot clears the walls, and they
// hold it there. One dropped on a funnel plate lies on it rather than
// falling through.
TEST_F(LevelsC, CanalSocketsSeatRisersLevelWithTheSeats) {
    using namespace canal;
    build(20);
    auto risers = named("riser");
    ASSERT_EQ(risers.size(), 4u);
    run(30);
    const dReal off[3][2] = {{0.008, 0}, {0, -0.007}, {-0.005, 0.005}};
    const dReal turn[3] = {0, 0.03, 0.06};
    for (int s = 0; s < 3; s++)
        teleport(risers[s], socketX(s) + off[s][0], socketY(s) + off[s][1],
                 PILLAR_TOP + RISER_HEIGHT / 2 + 0.005, turn[s]);
    // Lying across the last socket's west plate.
    teleport(risers[3], socketX(3) - SOCKET_INNER / 2 - FUNNEL_REACH / 2, socketY(3),
             FUNNEL_TOP + 0.3);
    dMatrix3 lying;
    dRFromAxisAndAngle(lying, 1, 0, 0, M_PI / 2);
    dBodySetRotation(risers[3]->body, lying);
    run(60 * 2);
    for (int s = 0; s < 3; s++) {
        Pose p = poseOf(risers[s]);
        EXPECT_NEAR(p.x, socketX(s), 0.011) << s;
        EXPECT_NEAR(p.y, socketY(s), 0.011) << s;
        EXPECT_NEAR(p.z + RISER_HEIGHT / 2 + CAP_ABOVE + HANDLE_PROUD, SEAT_Z, 0.005) << s;
        EXPECT_GT(p.upright, 0.999f) << s;
    }
    EXPECT_GT(poseOf(risers[3]).z, PILLAR_TOP);
    EXPECT_EQ(endGames, 0);
}

// A girder let down onto risers standing with their handles across the
// rail lies on the handles with its rail head level with the banks' rails
// and on the rail's line, even let down a few degrees askew and off its
// line: the guides square it, on the pillars and on the seats alike.
TEST_F(LevelsC, CanalGuidesSquareAGirderOntoRisersTurnedAcrossTheRail) {
    using namespace canal;
    const struct {
        int girder;
        dReal yaw, off;
    } drops[] = {{0, 0, 0}, {0, 0.07, 0.02}, {0, -0.07, -0.02}, {2, 0.07, -0.02}, {4, -0.05, 0.02}};
    for (const auto& d : drops) {
        build(20);
        Pose g = girderOnSouthSpan(M_PI / 2, d.girder, d.yaw, d.off);
        EXPECT_NEAR(g.z + GIRDER_HEAD_ABOVE, RAIL_HEAD, 0.006) << d.girder << " " << d.yaw;
        EXPECT_NEAR(g.y, -RAIL_Y, 0.008) << d.girder << " " << d.yaw;
        const dReal* r = dBodyGetRotation(named("girder")[d.girder]->body);
        EXPECT_NEAR(atan2(r[4], r[0]), 0, 0.01) << d.girder << " " << d.yaw;
        EXPECT_GT(g.upright, 0.997f) << d.girder << " " << d.yaw;  // the handles slope a little
        EXPECT_EQ(endGames, 0);
        wld_destroy();
    }
}

// Risers set in with their handles along the rail leave a girder's foot
// between the handles, below the banks' rails: a step the train would drop
// into, not a rail.
TEST_F(LevelsC, CanalGirderSinksBetweenHandlesAlongTheRail) {
    using namespace canal;
    build(20);
    Pose g = girderOnSouthSpan(0);
    EXPECT_LT(g.z + GIRDER_HEAD_ABOVE, RAIL_HEAD - 0.015);
}

// Sent off with no bridge, the train runs to the east bank's edge and stops
// there nose down: it can never be sent again, so the job ends at once.
TEST_F(LevelsC, CanalTrainSentOverTheUnbuiltBridgeStopsAtTheGapAndIsLost) {
    build(20);
    TrainObj* train = dynamic_cast<TrainObj*>(named("train")[0]);
    RailLever* lever = dynamic_cast<RailLever*>(named("lever")[0]);
    ASSERT_TRUE(train && lever);
    run(30);
    pull(lever, 4.0, 40);
    ASSERT_TRUE(train->started);
    EXPECT_EQ(endGames, 0) << "lost the moment it set off";
    run(60 * 20);
    EXPECT_TRUE(lost());
    EXPECT_GT(poseOf(train).x, canal::EAST_EDGE);
}

TEST_F(LevelsC, CanalTrainIsLostWhenItLeansOffTheRails) {
    build(20);
    TrainObj* train = dynamic_cast<TrainObj*>(named("train")[0]);
    run(30);
    EXPECT_EQ(endGames, 0);
    dMatrix3 leaning;
    dRFromAxisAndAngle(leaning, 1, 0, 0, 0.2);
    dBodySetRotation(train->body, leaning);
    run(1);
    EXPECT_TRUE(lost());
}

// ---------------------------------------------------------------- egghunt

TEST_F(LevelsC, EgghuntCountsEveryEggInTheTrailerButNotOneOnTheGround) {
    build(21);
    auto eggs = named("egg");
    ASSERT_EQ(eggs.size(), 8u);
    DynamicWorldObj* trailer = named("trailer")[0];
    run(30);
    const dReal* t = at(trailer);
    for (int i = 0; i < 7; i++)
        teleport(eggs[i], t[0] - 0.6 + 0.3 * (i % 4), t[1] - 0.12 + 0.25 * (i / 4), t[2] + 0.2);
    run(60);
    EXPECT_EQ(endGames, 0);
    teleport(eggs[7], t[0] + 0.6, t[1] + 0.13, t[2] + 0.2);
    run(60);
    EXPECT_TRUE(won());
}

TEST_F(LevelsC, EgghuntPondRimStopsTheTruckDrivingIntoThePond) {
    using namespace egghunt;
    build(21);
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    ASSERT_NE(truck, nullptr);
    run(30);
    // Facing the pond's south side from three metres off, and full ahead.
    turnAssembly(truck->body, M_PI / 2);
    const dReal* p = at(truck);
    shiftAssembly(truck->body, POND_X - p[0], POND_Y - POND_R - 3 - p[1], 0);
    run(30);
    postMessage("accelcontrol setting=1.0");
    run(600);
    p = at(truck);
    EXPECT_LT(p[1], POND_Y - POND_R);
    EXPECT_GT(p[2], 0.2);
}

TEST_F(LevelsC, EgghuntHumpTopplesAStandingEggTowardTheTailAndKeepsItAboard) {
    using namespace egghunt;
    build(21);
    TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
    ASSERT_NE(truck, nullptr);
    DynamicWorldObj* trailer = named("trailer")[0];
    DynamicWorldObj* egg = named("egg")[0];
    run(30);
    // Heading west a metre short of the first hump's steep face.
    turnAssembly(truck->body, M_PI);
    const dReal* p = at(truck);
    shiftAssembly(truck->body, HUMPS[0].steepFootX + 1.4 - p[0], HUMPS[0].y - p[1], 0);
    run(30);
    const dReal* t = at(trailer);
    teleport(egg, t[0] - 0.04, t[1], t[2] + 0.18);  // standing on the front half
    run(30);
    ASSERT_GT(poseOf(egg).upright, 0.95f);
    // Gently, as a careful driver tows eggs: yanked over at speed, a lone
    // egg tumbles on over the tail wall.
    postMessage("accelcontrol setting=0.2");
    run(800);
    postMessage("accelcontrol setting=0");
    run(300);
    Pose e = poseOf(egg);
    const float q[3] = {e.x, e.y, e.z};
    float l[3];
    localCoordinates(trailer, q, l);
    EXPECT_LT(fabsf(e.upright), 0.5f);    // lying
    EXPECT_LT(l[0], -0.2f);               // on the rear half
    EXPECT_GT(l[0], -IN_TRAILER_HALF_X);  // and still aboard
    EXPECT_LT(fabsf(l[1]), IN_TRAILER_HALF_Y);
    // Over the hump and down on the flat, short of the next one.
    const float over = HUMPS[0].steepFootX - HUMP_STEEP_RUN - HUMP_FLAT - HUMP_GENTLE_RUN;
    EXPECT_LT(at(trailer)[0], over);
    EXPECT_GT(at(truck)[0], HUMPS[1].steepFootX);
}

TEST_F(LevelsC, EgghuntHumpRailsKeepATruckOnTopFromDrivingOffTheSide) {
    using namespace egghunt;
    for (int side : {1, -1}) {
        build(21);
        TruckObj* truck = dynamic_cast<TruckObj*>(wld_truck());
        ASSERT_NE(truck, nullptr);
        run(30);
        // Across the last hump's flat top, toward one long edge, full ahead.
        turnAssembly(truck->body, side * M_PI / 2);
        const Hump& h = HUMPS[HUMP_COUNT - 1];
        const dReal* p = at(truck);
        shiftAssembly(truck->body, h.steepFootX - HUMP_STEEP_RUN - HUMP_FLAT / 2 - p[0], h.y - p[1],
                      HUMP_TOP + 0.05);
        run(30);
        postMessage("accelcontrol setting=1.0");
        run(400);
        p = at(truck);
        EXPECT_LT(fabs(p[1] - h.y), HUMP_HALF_WIDTH) << "side " << side;
        EXPECT_GT(p[2], HUMP_TOP) << "side " << side;
        wld_destroy();
    }
}

// --------------------------------------------------------------- superpac

TEST_F(LevelsC, SuperpacLedgeHangsEachBoardInItsPlace) {
    using namespace superpac;
    build(22);
    const char* letters = levelBoardLetters();
    for (int i = 0; i < 7; i++) {
        std::string letter(1, letters[i]);
        auto boards = named(letter.c_str());
        ASSERT_EQ(boards.size(), 1u) << letter;
        teleport(boards[0], HUNG_X, levelBoardPlace(letters[i]), LEDGE_Z + 0.66);
    }
    run(90);
    EXPECT_TRUE(won());
    for (int i = 0; i < 7; i++) {
        std::string letter(1, letters[i]);
        Pose p = poseOf(named(letter.c_str())[0]);
        EXPECT_NEAR(p.z, HUNG_Z, HUNG_Z_TOLERANCE);
        EXPECT_NEAR(p.y, levelBoardPlace(letters[i]), 0.03f);
    }
}

TEST_F(LevelsC, SuperpacBoardStandingBelowItsPlaceDoesNotCount) {
    using namespace superpac;
    build(22);
    const char* letters = levelBoardLetters();
    for (int i = 0; i < 7; i++) {
        std::string letter(1, letters[i]);
        // The last one stands on the grass under the arch, right below its place.
        const dReal z = i < 6 ? LEDGE_Z + 0.66 : 0.66;
        teleport(named(letter.c_str())[0], HUNG_X, levelBoardPlace(letters[i]), z);
    }
    run(90);
    EXPECT_FALSE(won());
}

TEST_F(LevelsC, SuperpacBoardFallenOffTheTerraceLosesAndOneLyingOnItDoesNot) {
    // Knocked over the guard a board lands on the grass 3.6 m down, where the
    // crane cannot reach it; one tipped over on the terrace can be stood up.
    using namespace superpac;
    build(22);
    DynamicWorldObj* board = named(std::string(1, levelBoardLetters()[0]).c_str())[0];
    run(30);
    dMatrix3 flat;
    dRFromAxisAndAngle(flat, 0, 1, 0, M_PI / 2);
    dBodySetRotation(board->body, flat);
    dBodySetPosition(board->body, NARROW_X0 + 0.6, 2.0, TERRACE_Z + 0.06);
    run(60);
    EXPECT_EQ(endGames, 0);
    teleport(board, NARROW_X0 - 1.5, 2.0, 0.7);
    run(60);
    EXPECT_TRUE(lost());
}

TEST_F(LevelsC, SuperpacSlotSquaresABoardSetDownOffItsPlace) {
    // Let down a few centimetres off its place or a little turned, a board
    // hanging from the grapple ends square in the slot; one standing on 6 cm
    // feet turned a few degrees was tipped off the ledge by its neighbour.
    using namespace superpac;
    build(22);
    const char letter = levelBoardLetters()[3];
    DynamicWorldObj* board = named(std::string(1, letter).c_str())[0];
    const dReal place = levelBoardPlace(letter);
    // A board hung by its top bar from a hook, as the grapple's finger holds
    // it, let down onto the ledge from over (x, its place) turned by turn; the
    // hook lets go once the board stands. Where it comes to rest.
    auto letDown = [&](dReal x, dReal turn) {
        const dReal BAR = 0.45, SPEED = 0.1;  // above the centre; metres a second
        dReal z = LEDGE_Z + RAIL_HEIGHT + 0.03 + (HUNG_Z - LEDGE_Z);
        dBodyID hook = dBodyCreate(wld_world());
        dBodySetKinematic(hook);
        dBodySetPosition(hook, x, place, z + BAR);
        dBodySetLinearVel(hook, 0, 0, -SPEED);
        teleport(board, x, place, z, turn);
        dJointID hold = dJointCreateBall(wld_world(), nullptr);
        dJointAttach(hold, board->body, hook);
        dJointSetBallAnchor(hold, x, place, z + BAR);
        for (; z > HUNG_Z; z -= SPEED * GAME_TICK) {
            dBodySetPosition(hook, x, place, z + BAR);
            run(1);
        }
        dJointDestroy(hold);
        dBodyDestroy(hook);
        run(60);
        return poseOf(board);
    };
    for (dReal dx : {-0.02, -0.01, 0.0, 0.01})
        for (dReal turn : {-0.03, 0.0, 0.03}) {
            Pose p = letDown(HUNG_X + dx, turn);
            EXPECT_NEAR(p.x, HUNG_X, 0.015) << dx << " " << turn;
            EXPECT_NEAR(p.z, HUNG_Z, 0.005) << dx << " " << turn;
            EXPECT_GT(p.heading, 0.999) << dx << " " << turn;
            EXPECT_GT(p.upright, 0.999) << dx << " " << turn;
        }
}

// Whether the straight line from a to b passes clear of the terrain.
bool clearOfTerrain(const dReal a[3], const dReal b[3]) {
    const dReal d[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    const dReal length = sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    dGeomID ray = dCreateRay(nullptr, length);
    dGeomRaySet(ray, a[0], a[1], a[2], d[0], d[1], d[2]);
    dContactGeom hit;
    const int hits = dCollide(ray, wld_terrain()->geom, 1, &hit, sizeof hit);
    dGeomDestroy(ray);
    return hits == 0;
}

// The height of the terrain's highest surface below (x, y, from); paint
// stands a few millimetres proud.
dReal terrainBelow(dReal x, dReal y, dReal from) {
    dGeomID ray = dCreateRay(nullptr, from + 10);
    dGeomRaySet(ray, x, y, from, 0, 0, -1);
    dContactGeom hits[16];
    const int n = dCollide(ray, wld_terrain()->geom, 16, hits, sizeof hits[0]);
    dGeomDestroy(ray);
    dReal top = -1e9;
    for (int i = 0; i < n; i++) top = fmax(top, hits[i].pos[2]);
    return top;
}

TEST_F(LevelsC, SuperpacLedgeIsOneHeightUnderEveryBoardsFeet) {
    // Places over an arch once stood on its lintel, a hand higher than over
    // a pier: a board seated there stood too high to count.
    using namespace superpac;
    build(22);
    const char* letters = levelBoardLetters();
    for (int i = 0; i < 7; i++) {
        const dReal place = levelBoardPlace(letters[i]);
        for (dReal foot : {-0.19, 0.19})
            for (dReal x : {(double)SLOT_X0 + 0.005, (double)HUNG_X, SLOT_X1 - 0.005})
                EXPECT_NEAR(terrainBelow(x, place + foot, PARAPET_TOP + 1), LEDGE_Z, 0.005)
                    << letters[i] << " foot " << foot << " x " << x;
    }
}

TEST_F(LevelsC, SuperpacStartViewSeesEveryBoardOverTheTerraceEdge) {
    // The start camera looks east from low behind the truck, so the terrace's
    // edge is what could hide the boards standing on it.
    build(22);
    run(30);
    const dReal* truck = at(wld_truck());
    const dReal eye[3] = {truck[0] - 4.83 * cos(0.058), truck[1], truck[2] + 4.83 * sin(0.058)};
    const char* letters = levelBoardLetters();
    for (int i = 0; i < 7; i++) {
        std::string letter(1, letters[i]);
        const dReal* c = at(named(letter.c_str())[0]);
        // The letter's middle and the panel's top, on the face toward the eye.
        for (dReal up : {0.0, 0.3}) {
            const dReal target[3] = {c[0] - 0.06, c[1], c[2] + up};
            EXPECT_TRUE(clearOfTerrain(eye, target)) << letter << " at " << up;
        }
    }
}

// -------------------------------------------------------------- powerlift

TEST_F(LevelsC, PowerliftPadHoldsTheSkyCraneAtItsHomeHeight) {
    build(23);
    SkyCrane* crane = dynamic_cast<SkyCrane*>(named("skyCrane")[0]);
    ASSERT_NE(crane, nullptr);
    run(300);
    EXPECT_TRUE(crane->isActive());
    EXPECT_NEAR(poseOf(crane).z, 11.14f, 0.03f) << poseOf(crane).z;
    EXPECT_EQ(endGames, 0);  // home, but still with the hook
}

TEST_F(LevelsC, PowerliftMastAtTheSiteLetsGoAndTheCraneHomeWins) {
    using namespace powerlift;
    build(23);
    SkyCrane* crane = dynamic_cast<SkyCrane*>(named("skyCrane")[0]);
    DynamicWorldObj* mast = named("powermast")[0];
    run(240);
    teleport(mast, SITE_X, SITE_Y, SITE_TOP + 5.003);
    run(60);
    EXPECT_EQ(dJointGetBody(crane->hookHinge, 0), nullptr);
    run(120);
    EXPECT_TRUE(won());
}

TEST_F(LevelsC, PowerliftMastHeldAboveTheSiteIsNotLetGo) {
    using namespace powerlift;
    build(23);
    SkyCrane* crane = dynamic_cast<SkyCrane*>(named("skyCrane")[0]);
    DynamicWorldObj* mast = named("powermast")[0];
    run(240);
    // Hanging 0.15 m over its footings, as a hook would hold it.
    for (int i = 0; i < 60; i++) {
        teleport(mast, SITE_X, SITE_Y, SITE_TOP + 5.15);
        run(1);
    }
    EXPECT_NE(dJointGetBody(crane->hookHinge, 0), nullptr);
    EXPECT_EQ(endGames, 0);
}

TEST_F(LevelsC, PowerliftMastStandsOnThePlateauAnywhereTheHookLetsGo) {
    using namespace powerlift;
    for (int corner = 0; corner < 4; corner++) {
        build(23);
        DynamicWorldObj* mast = named("powermast")[0];
        const dReal x = SITE_X + (corner % 2 ? 3.9 : -3.9), y = SITE_Y + (corner / 2 ? 3.9 : -3.9);
        teleport(mast, x, y, SITE_TOP + 5.003, 0.4 * corner);
        run(120);
        Pose p = poseOf(mast);
        EXPECT_GT(p.upright, 0.99f) << corner;
        EXPECT_GT(p.z, 10.85f) << corner;  // on the plateau, not tipped off its edge
        EXPECT_LT(p.z, 11.0f) << corner;
        wld_destroy();
    }
}

// ------------------------------------------------------------------ yukon

TEST_F(LevelsC, YukonTrayCollectsGravelTheBeltWashesItAndTheMachinesSwap) {
    using namespace yukon;
    build(24);
    auto stones = named("gravel");
    ASSERT_EQ(stones.size(), 20u);
    SkidLoader* loader = dynamic_cast<SkidLoader*>(named("skidLoader")[0]);
    // Eleven stones in the tray fall asleep and outnumber the rest.
    for (int i = 0; i < 11; i++)
        teleport(stones[i], TRAY_X0 + 0.4 + 0.35 * i, -6.85, BENCH_Z + GRAVEL_RADIUS + 0.002);
    run(240);
    EXPECT_EQ(named("collectedgravel").size(), 11u);
    EXPECT_EQ(wld_objectOfInterest(), loader);
    EXPECT_EQ(switches.back(), "skidLoader");
    // Every stone laid on the belt's start, one after another, rides it
    // through the guides past the wash point.
    for (int i = 0; i < 20; i++) {
        DynamicWorldObj* s = wld_object(1 + i);
        s->name = "collectedgravel";
        teleport(s, BELT_X0 + 0.3, (TRAY_Y0 + TRAY_Y1) / 2, BENCH_Z + GRAVEL_RADIUS + 0.01);
        run(90);
    }
    run(60 * 25);  // a stone rolls along the belt at about a quarter of its speed
    EXPECT_TRUE(won());
    EXPECT_EQ(named("washedgravel").size(), 20u);
}

// The stone is washed under the sluice, not anywhere along the belt before
// it, and the belt's end drops it into the bin, where it stays washed and
// ends nothing. Two stones coming through the narrows abreast both reach the
// bin: the northern one rides on the wash point's north side, which lies
// over the bin's north wall.
TEST_F(LevelsC, YukonBeltWashesAStoneAtTheSluiceAndDropsItInTheBin) {
    using namespace yukon;
    build(24);
    auto stones = named("gravel");
    run(30);
    stones[0]->name = "collectedgravel";
    teleport(stones[0], BELT_X0 + 0.3, TRAY_MID_Y, BENCH_Z + GRAVEL_RADIUS + 0.01);
    dReal washedAt = 0;
    for (int t = 0; t < 60 * 40 && !washedAt; t++) {
        run(1);
        if (std::string(stones[0]->name) == "washedgravel") washedAt = at(stones[0])[0];
    }
    EXPECT_NEAR(washedAt, WASH_X - WASH_RADIUS, 0.05);
    run(60 * 8);
    const dReal free = GUIDE_HALF_AT_WASH - 0.06 - GRAVEL_RADIUS;  // either side of the middle
    for (int s = 1; s <= 2; s++) {
        stones[s]->name = "collectedgravel";
        teleport(stones[s], WASH_X - 0.3 * s, WASH_Y + (s == 1 ? free : -free),
                 BENCH_Z + GRAVEL_RADIUS + 0.01);
    }
    run(60 * 10);
    for (int s = 0; s <= 2; s++) {
        const dReal* p = at(stones[s]);
        EXPECT_STREQ(stones[s]->name, "washedgravel") << s;
        EXPECT_GT(p[0], BELT_X1 + GRAVEL_RADIUS - 0.005)
            << s;  // against the bin's end wall at most
        EXPECT_LT(p[0], BIN_X1 - GRAVEL_RADIUS) << s;
        EXPECT_LT(p[1], BELT_Y1 - GRAVEL_RADIUS) << s;
        EXPECT_LT(p[2], 0.0) << s;
        EXPECT_FALSE(dBodyIsEnabled(stones[s]->body)) << s;
    }
    EXPECT_EQ(endGames, 0);
}

// The tray's floor is smooth and follows its drawn slopes: a stone let go
// anywhere across it slides down to the middle line without turning, and
// rests there at the floor's height.
TEST_F(LevelsC, YukonStoneInTheTraySlidesToItsMiddleLine) {
    using namespace yukon;
    build(24);
    auto stones = named("gravel");
    const dReal across[4] = {TRAY_Y0 + 0.15, TRAY_MID_Y - 0.3, TRAY_MID_Y + 0.3, TRAY_Y1 - 0.15};
    for (int i = 0; i < 4; i++)
        teleport(stones[i], TRAY_X0 + 0.5 + 2.0 * i, across[i], BENCH_Z + 0.2);
    dReal spin = 0;
    for (int t = 0; t < 60 * 15; t++) {
        run(1);
        for (int i = 0; i < 4; i++)
            spin = std::max(spin, dLENGTH(dBodyGetAngularVel(stones[i]->body)));
    }
    EXPECT_LT(spin, 0.5);  // rolling at a few cm/s would turn it at several rad/s
    for (int i = 0; i < 4; i++) {
        const dReal* p = at(stones[i]);
        EXPECT_NEAR(p[1], TRAY_MID_Y, 0.03) << i;
        EXPECT_NEAR(p[2], BENCH_Z + GRAVEL_RADIUS, 0.005) << i;
        EXPECT_STREQ(stones[i]->name, "collectedgravel") << i;
    }
}

TEST_F(LevelsC, YukonStoneFallingBackIsGravelAgain) {
    using namespace yukon;
    build(24);
    DynamicWorldObj* stone = named("gravel")[0];
    teleport(stone, (TRAY_X0 + TRAY_X1) / 2, -6.85, BENCH_Z + GRAVEL_RADIUS + 0.002);
    run(120);
    EXPECT_STREQ(stone->name, "collectedgravel");
    teleport(stone, 0, -3, CREEK_Z + GRAVEL_RADIUS + 0.002);
    run(2);
    EXPECT_STREQ(stone->name, "gravel");
}

// A stone sits in its pocket and stays there; one knocked hard along the
// bar or across it is held by the bar's kerb, where the truck still works it.
TEST_F(LevelsC, YukonStonesRestInPocketsAndAKnockedStoneStaysOnTheBar) {
    using namespace yukon;
    build(24);
    auto stones = named("gravel");
    run(120);
    for (int i = 0; i < 20; i++) {
        float x, y;
        pocketAt(i, &x, &y);
        const dReal* p = at(stones[i]);
        EXPECT_NEAR(p[0], x, 0.01) << i;
        EXPECT_NEAR(p[1], y, 0.01) << i;
        EXPECT_GT(p[2], BAR_Z + GRAVEL_RADIUS) << i;
        EXPECT_FALSE(dBodyIsEnabled(stones[i]->body)) << i;
    }
    const dReal shoves[4][2] = {{0, 2}, {0, -2}, {-2, 0.3}, {2, -0.3}};
    for (int i : {12, 13}) {  // one of each row
        for (const auto& v : shoves) {
            DynamicWorldObj* stone = stones[i];
            float x, y;
            pocketAt(i, &x, &y);
            teleport(stone, x, y, BAR_Z + POCKET_HEIGHT + 0.08);
            dBodyEnable(stone->body);
            dBodySetLinearVel(stone->body, v[0], v[1], 0);
            run(600);
            const dReal* p = at(stone);
            EXPECT_GT(p[1], BAR_Y0) << i << ": " << v[0] << "," << v[1];
            EXPECT_LT(p[1], BAR_Y1) << i << ": " << v[0] << "," << v[1];
            EXPECT_GT(p[0], BAR_X0) << i << ": " << v[0] << "," << v[1];
            EXPECT_GT(p[2], BAR_Z) << i << ": " << v[0] << "," << v[1];
        }
    }
}

// The prongs opened round a stone reach 0.33 from the hub's axis: a
// neighbour nearer than 0.4 is knocked off its pocket by them. And every
// collar lies inside the bar's kerb, clear of it.
TEST_F(LevelsC, YukonPocketsKeepNeighboursClearOfTheOpenProngs) {
    using namespace yukon;
    const float collar = POCKET_HALF + POCKET_WALL;
    for (int i = 0; i < POCKETS; i++) {
        float xi, yi;
        pocketAt(i, &xi, &yi);
        EXPECT_GT(xi - collar, BAR_X0 + BAR_KERB) << i;
        EXPECT_LT(xi + collar, BAR_X1 - BAR_KERB) << i;
        EXPECT_GT(yi - collar, BAR_Y0 + BAR_KERB) << i;
        EXPECT_LT(yi + collar, BAR_Y1 - BAR_KERB) << i;
        for (int j = i + 1; j < POCKETS; j++) {
            float xj, yj;
            pocketAt(j, &xj, &yj);
            EXPECT_GE(std::hypot(xi - xj, yi - yj), 0.4f) << i << "," << j;
        }
    }
}

// A stone that comes to rest where no machine can pick it up again (the lane
// beside the truck, the lane's wall, the open creek, the bin at the belt's
// end) ends the job; one in a pocket or on the tray does not.
TEST_F(LevelsC, YukonStoneStrandedBelowTheBenchLosesTheJob) {
    using namespace yukon;
    const dReal r = GRAVEL_RADIUS + 0.002;
    const struct {
        const char* where;
        dReal x, y, z;
        bool lost;
    } cases[] = {
        {"lane", -5.0, STANCE_Y - 0.45, CREEK_Z + r, true},
        {"lane wall", -3.0, (LANE_NORTH_Y + BAR_Y0) / 2, LANE_WALL_TOP + r, true},
        {"creek", 0.0, 2.0, CREEK_Z + r, true},
        {"bin", BELT_X1 + 1.0, (BELT_Y0 + BELT_Y1) / 2, BIN_FLOOR + r, true},
        {"tray", -4.0, TRAY_MID_Y, BENCH_Z + r, false},
    };
    for (const auto& c : cases) {
        endGames = 0;
        build(24);
        teleport(named("gravel")[5], c.x, c.y, c.z);
        run(c.lost ? 240 : 40);
        EXPECT_EQ(lost(), c.lost) << c.where;
        wld_destroy();
    }
    endGames = 0;
    build(24);
    run(600);
    EXPECT_EQ(endGames, 0) << "stones resting in their pockets";
}

// ---------------------------------------------------------------- sandbox

TEST_F(LevelsC, SandboxBuildsTheChosenToyAndTenStationsAndNeverEnds) {
    const char* toys[5] = {"forkLift", "truck", "truck", "truck", "skidLoader"};
    for (int choice = 0; choice < 5; choice++) {
        SCOPED_TRACE(choice);
        levels_setSandboxAttachment(choice);
        build(LEVEL_SANDBOX);
        ASSERT_NE(wld_objectOfInterest(), nullptr);
        EXPECT_STREQ(wld_objectOfInterest()->name, toys[choice]);
        EXPECT_EQ(wld_objectCount(), 1 + 28);
        EXPECT_EQ(named("soccerball").size(), 4u);
        EXPECT_EQ(named("pallet").size(), 2u);
        run(60);
        EXPECT_EQ(endGames, 0);
        ASSERT_FALSE(switches.empty());
        EXPECT_EQ(switches.back(), toys[choice]);
        wld_destroy();
    }
}
