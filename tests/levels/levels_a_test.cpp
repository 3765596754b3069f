// Jobs 0 to 7 (parkinglot, court, lockdown, seesaw, trainlot, bridge,
// stackem, temple): each builds a place that rests quietly until the player
// acts, and its terrain really holds the goal objects where the goal wants
// them: the hoop catches the ball, the cart holds the balls in the band, the
// ledges carry the segments at deck height, the shaft's funnel centres the
// stackers and the socket makes the pillar the right height.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "vehicles/train.h"
#include "vehicles/truck.h"
#include "world/goals_query.h"
#include "world/levels.h"
#include "world/levels/level01_court.h"
#include "world/levels/level03_seesaw.h"
#include "world/levels/level04_trainlot.h"
#include "world/levels/level05_bridge.h"
#include "world/levels/level06_stackem.h"
#include "world/levels/level07_temple.h"
#include "world/wld.h"

namespace {

int endGames = 0, lastWin = -1;
void onEndGame(const char* text) {
    endGames++;
    lastWin = argInt(text, "win");
}

class LevelsA : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        endGames = 0;
        lastWin = -1;
        wld_truckFactory = truck_create;
        addListener("endGame", onEndGame);
    }
    void TearDown() override {
        if (wld_created()) wld_destroy();
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
    // Puts a body at rest at a place with a given orientation (default upright).
    void teleport(DynamicWorldObj* o, dReal x, dReal y, dReal z, dReal ax = 0, dReal ay = 0,
                  dReal az = 1, dReal angle = 0) {
        dMatrix3 r;
        dRFromAxisAndAngle(r, ax, ay, az, angle);
        dBodySetRotation(o->body, r);
        dBodySetPosition(o->body, x, y, z);
        dBodySetLinearVel(o->body, 0, 0, 0);
        dBodySetAngularVel(o->body, 0, 0, 0);
        dBodyEnable(o->body);
        o->update(0);
    }
    // The truck's body and every body jointed to it (wheels, crane, grapple,
    // a hitched trailer).
    std::vector<dBodyID> truckBodies() {
        std::vector<dBodyID> seen{wld_truck()->body};
        for (size_t k = 0; k < seen.size(); k++) {
            for (int j = 0; j < dBodyGetNumJoints(seen[k]); j++) {
                dJointID joint = dBodyGetJoint(seen[k], j);
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
    // Moves the truck with everything jointed to it by the same offset.
    void shiftTruck(dReal dx, dReal dy, dReal dz) {
        for (dBodyID b : truckBodies()) {
            const dReal* p = dBodyGetPosition(b);
            dBodySetPosition(b, p[0] + dx, p[1] + dy, p[2] + dz);
            dBodyEnable(b);
        }
    }
    // Stops the truck and turns it, with everything jointed to it, about its
    // own centre until it faces east again.
    void squareTruck() {
        const dReal* c = dBodyGetPosition(wld_truck()->body);
        const dReal* rt = dBodyGetRotation(wld_truck()->body);
        const dReal centre[2] = {c[0], c[1]};
        dMatrix3 turn;
        dRFromAxisAndAngle(turn, 0, 0, 1, -atan2(rt[4], rt[0]));
        for (dBodyID b : truckBodies()) {
            const dReal* p = dBodyGetPosition(b);
            dVector3 off = {p[0] - centre[0], p[1] - centre[1], p[2], 0}, moved;
            dMultiply0_331(moved, turn, off);
            dMatrix3 r;
            dMultiply0_333(r, turn, dBodyGetRotation(b));
            dBodySetRotation(b, r);
            dBodySetPosition(b, centre[0] + moved[0], centre[1] + moved[1], p[2]);
            dBodySetLinearVel(b, 0, 0, 0);
            dBodySetAngularVel(b, 0, 0, 0);
            dBodyEnable(b);
        }
    }
    void truckTo(dReal x, dReal y) {
        const dReal* p = dBodyGetPosition(wld_truck()->body);
        shiftTruck(x - p[0], y - p[1], 0);
    }
    float lowestTerrainPoint() {
        const geomdesc* g = wld_terrain()->geometry;
        float low = 1e30f;
        for (int v = 0; v < 3 * g->numt; v++) low = fminf(low, g->tridata[v * 9 + 2]);
        return low;
    }
    std::vector<std::string> objectNames() {
        std::vector<std::string> names;
        for (int i = 0; i < wld_objectCount(); i++) names.push_back(wld_object(i)->name);
        return names;
    }
};

const int MY_LEVELS[] = {0, 1, 2, 3, 4, 5, 6, 7};

}  // namespace

TEST_F(LevelsA, EveryLevelRestsIdleForTenSecondsAboveItsTerrain) {
    for (int level : MY_LEVELS) {
        SCOPED_TRACE(level);
        endGames = 0;
        build(level);
        ASSERT_NE(wld_terrain(), nullptr);
        ASSERT_NE(wld_truck(), nullptr);
        float floor = lowestTerrainPoint();
        run(600);
        EXPECT_EQ(endGames, 0);
        for (int i = 0; i < wld_objectCount(); i++) {
            Pose p = poseOf(wld_object(i));
            SCOPED_TRACE(wld_object(i)->name);
            EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z));
            EXPECT_GT(p.z, floor);
        }
        wld_destroy();
    }
}

TEST_F(LevelsA, RebuildingGivesTheSameObjectsInTheSameOrder) {
    const std::vector<std::string> expected[] = {
        {"pole", "pole", "pole", "pole", "pole", "pole", "truck"},
        {"soccerball", "truck"},
        {"sealpin", "sealpin", "sealdoor", "truck"},
        {"plank", "heavyweight", "cart", "shutter", "soccerball", "soccerball", "soccerball",
         "soccerball", "soccerball", "truck"},
        {"crate", "crate", "crate", "train", "truck"},
        {"segment", "segment", "truck"},
        {"trailer", "stacker", "stacker", "stacker", "truck"},
        {"cornice", "pillar", "truck"},
    };
    for (int level : MY_LEVELS) {
        SCOPED_TRACE(level);
        for (int round = 0; round < 2; round++) {
            build(level);
            EXPECT_EQ(objectNames(), expected[level]);
            wld_destroy();
        }
    }
}

TEST_F(LevelsA, ParkinglotPolesStandOutsideTheSlotAndTheBayJudgesEveryWheel) {
    build(0);
    run(1);
    for (DynamicWorldObj* pole : named("pole")) {
        Pose p = poseOf(pole);
        EXPECT_FALSE(p.x > 0.2f && p.x < 1.7f);
        EXPECT_FLOAT_EQ(p.y, -0.85f);
    }
    truckTo(0.75, 1.6);  // beside the slot, across the lane: not parked
    run(20);
    EXPECT_EQ(endGames, 0);
    truckTo(0.75 + 0.5, -1.27);  // the front wheels past the bay's end
    run(5);
    EXPECT_EQ(endGames, 0);
    truckTo(0.75, -1.27);
    run(5);
    EXPECT_TRUE(won());
}

TEST_F(LevelsA, ParkinglotKnockedPoleLoses) {
    build(0);
    run(5);
    DynamicWorldObj* pole = named("pole")[4];
    teleport(pole, 1.94, -0.85, 0.1, 1, 0, 0, M_PI / 2);
    run(5);
    EXPECT_TRUE(lost());
}

TEST_F(LevelsA, CourtHoopCatchesADroppedBallInsideTheGoalBox) {
    build(1);
    run(5);
    EXPECT_EQ(endGames, 0);
    teleport(named("soccerball")[0], COURT_HOOP_X + 0.03, 0.02, 1.8);
    run(180);
    EXPECT_TRUE(won());
    Pose p = poseOf(named("soccerball")[0]);
    EXPECT_NEAR(p.x, COURT_HOOP_X, 0.05);
    EXPECT_GT(p.z, 1.3f);
}

TEST_F(LevelsA, CourtBallMissingTheHoopLandsOnTheFloorAndLoses) {
    build(1);
    teleport(named("soccerball")[0], COURT_HOOP_X - 0.6, 0.8, 1.8);
    run(120);
    EXPECT_TRUE(lost());
}

TEST_F(LevelsA, LockdownGateHoldsUntilThePinsArePulled) {
    build(2);
    run(30);
    truckTo(-1.5, 0);
    postMessage("accelcontrol setting=1.0");
    run(300);
    EXPECT_LT(poseOf(wld_truck()).x, 0.3f);  // the door holds against full throttle
    EXPECT_EQ(endGames, 0);
    // Pins lifted clear of the eyelets and laid aside: the door gives way.
    std::vector<DynamicWorldObj*> pins = named("sealpin");
    teleport(pins[0], -2.0, 2.0, -0.6, 1, 0, 0, M_PI / 2);
    teleport(pins[1], -3.0, 2.0, -0.6, 1, 0, 0, M_PI / 2);
    run(600);
    EXPECT_TRUE(won());
}

TEST_F(LevelsA, LockdownDoorLeftOnOnePinJamsWhenRammedButSlidesOutOnceFree) {
    // Either pin left standing, the truck rammed in from a short and a long
    // run-up, straight and steering: the door may turn a little about the
    // pin, but never far enough to let the truck past its free end.
    struct Ram {
        dReal from, steer;
    };
    const Ram rams[] = {{-1.5, 0.0}, {-1.5, 0.3}, {-1.5, -0.3}, {-4.0, 0.0}};
    for (int kept = 0; kept < 2; kept++) {
        for (const Ram& ram : rams) {
            SCOPED_TRACE(testing::Message()
                         << "pin " << kept << " from " << ram.from << " steer " << ram.steer);
            endGames = 0;
            build(2);
            run(30);
            std::vector<DynamicWorldObj*> pins = named("sealpin");
            teleport(pins[1 - kept], -3.0, 2.0, -0.6, 1, 0, 0, M_PI / 2);
            truckTo(ram.from, 0);
            postMessage(("steer setting=" + std::to_string(ram.steer)).c_str());
            postMessage("accelcontrol setting=1.0");
            run(500);
            EXPECT_LT(poseOf(wld_truck()).x, 0.5f);
            EXPECT_EQ(endGames, 0);
            // The last pin pulled as well, the truck backed off and lined up
            // again: the jammed door is pushed out.
            teleport(pins[kept], -3.0, -2.0, -0.6, 1, 0, 0, M_PI / 2);
            postMessage("steer setting=0");
            squareTruck();
            truckTo(-1.5, 0);
            run(900);
            EXPECT_TRUE(won());
            wld_destroy();
        }
    }
}

TEST_F(LevelsA, SeesawCartHoldsFiveBallsInTheBandButNotSix) {
    build(3);
    run(30);
    std::vector<DynamicWorldObj*> balls = named("soccerball");
    ASSERT_EQ(balls.size(), 5u);
    for (int i = 0; i < 5; i++)
        teleport(balls[i], SEESAW_CART_X - 0.6 + 0.3 * i, SEESAW_CART_Y, SEESAW_CART_Z + 0.3);
    run(120);
    EXPECT_TRUE(won());
    for (DynamicWorldObj* b : balls) {
        Pose p = poseOf(b);
        EXPECT_GT(p.z, 0.6f);
        EXPECT_LT(p.z, 1.0f);
    }
}

TEST_F(LevelsA, SeesawBallsRestOnTheRackUntilTakenAndFourAreNotEnough) {
    build(3);
    run(300);
    std::vector<DynamicWorldObj*> balls = named("soccerball");
    for (DynamicWorldObj* b : balls) EXPECT_NEAR(poseOf(b).z, 2.0f, 0.01f);
    for (int i = 0; i < 4; i++)
        teleport(balls[i], SEESAW_CART_X - 0.45 + 0.3 * i, SEESAW_CART_Y, SEESAW_CART_Z + 0.3);
    run(120);
    EXPECT_EQ(endGames, 0);
}

TEST_F(LevelsA, SeesawTipsUnderATruckOnItsShortArmUnlessTheWeightHoldsIt) {
    for (bool weighted : {false, true}) {
        SCOPED_TRACE(weighted);
        endGames = 0;
        build(3);
        run(30);
        if (weighted) {  // set down by the grapple, which leaves it heavier
            DynamicWorldObj* weight = named("heavyweight")[0];
            weight->setGrasped(true);
            weight->setGrasped(false);
            teleport(weight, -4.0, 0.7, 0.5);
        }
        truckTo(0.6, -0.55);  // the truck's whole weight on the short arm
        run(240);
        // Without the weight the short arm drops and pitches the truck into
        // the trench, where the level is lost rather than left stuck; with
        // it nothing moves.
        DynamicWorldObj* plank = named("plank")[0];
        EXPECT_EQ(fabsf(plank->modelMatrix[2]) < 0.05f, weighted);
        EXPECT_EQ(poseOf(wld_truck()).z > 0.3f, weighted);
        EXPECT_EQ(lost(), !weighted);
        wld_destroy();
    }
}

TEST_F(LevelsA, SeesawTruckDrivenRoundThePlankFallsIntoTheTrenchAndLoses) {
    for (dReal y : {-3.0, 3.0, 7.0}) {  // beside the plank and along the wall
        SCOPED_TRACE(y);
        endGames = 0;
        build(3);
        run(30);
        truckTo(SEESAW_TRENCH_WEST - 1.0, y);
        postMessage("accelcontrol setting=1.0");
        run(300);
        EXPECT_LT(poseOf(wld_truck()).x, SEESAW_DOCK_WEST);
        EXPECT_TRUE(lost());
        wld_destroy();
    }
}

TEST_F(LevelsA, SeesawBallKnockedOffTheRackStaysOnThePlatform) {
    build(3);
    run(30);
    std::vector<DynamicWorldObj*> balls = named("soccerball");
    // Nudged north, south and off both ends of the rack, as a prong would.
    const dReal push[4][2] = {{0, 1}, {0, -1}, {-1, 0}, {1, 0}};
    const int which[4] = {2, 1, 0, 4};
    for (int i = 0; i < 4; i++) {
        dBodySetLinearVel(balls[which[i]]->body, push[i][0], push[i][1], 0.5);
        dBodyEnable(balls[which[i]]->body);
    }
    run(600);
    EXPECT_EQ(endGames, 0);
    for (int i = 0; i < 4; i++) {
        SCOPED_TRACE(i);
        Pose p = poseOf(balls[which[i]]);
        EXPECT_GT(p.z, SEESAW_PLATFORM_TOP);  // back in the rack or on the platform
        EXPECT_GT(p.x, SEESAW_PLATFORM_WEST);
        EXPECT_LT(p.x, SEESAW_PLATFORM_EAST);
        EXPECT_GT(p.y, SEESAW_PLATFORM_SOUTH);
        EXPECT_LT(p.y, SEESAW_PLATFORM_NORTH);
    }
}

TEST_F(LevelsA, TrainlotCratesInsideTheTunnelWinAndOneLeftBehindDoesNot) {
    build(4);
    run(5);
    std::vector<DynamicWorldObj*> crates = named("crate");
    ASSERT_EQ(crates.size(), 3u);
    for (int i = 0; i < 2; i++) teleport(crates[i], 16 + 0.5 * i, -3, 1.2);
    run(60);
    EXPECT_EQ(endGames, 0);
    teleport(crates[2], 17, -3, 1.2);
    run(60);
    EXPECT_TRUE(won());
}

TEST_F(LevelsA, TrainlotHillAndPortalStopTheTruckAtFullThrottle) {
    // Along the north and the south edge, where a short hill would leave a
    // way round it, and along the track into the portal.
    for (dReal y : {9.0, (dReal)TRAINLOT_TRACK_Y, -12.5}) {
        SCOPED_TRACE(y);
        build(4);
        run(30);
        truckTo(TRAINLOT_TUNNEL_X - 3, y);
        for (int i = 0; i < 60 * 8; i++) {
            postMessage("accelcontrol setting=1.0");
            run(1);
        }
        Pose t = poseOf(wld_truck());
        EXPECT_LT(t.x, TRAINLOT_TUNNEL_X) << "the truck got into the hill";
        wld_destroy();
    }
}

TEST_F(LevelsA, TrainlotWagonRidesItsTreadsStaysPutWhenNudgedAndRollsItsCratesIntoTheTunnel) {
    build(4);
    run(30);
    TrainObj* train = dynamic_cast<TrainObj*>(named("train")[0]);
    ASSERT_NE(train, nullptr);
    // Standing on the rails: the treads' radius above their tops, not the
    // flanges' on the gravel between them.
    const dReal treadsOnRails = TRAINLOT_GROUND + TRAINLOT_RAIL_HEIGHT + 0.16;
    for (TrainAxle* a : train->axles)
        EXPECT_NEAR(dBodyGetPosition(a->body)[2], treadsOnRails, 0.005);
    // Loaded on the middle deck and given a walking pace east.
    std::vector<DynamicWorldObj*> crates = named("crate");
    const dReal deck = dBodyGetPosition(train->body)[2];
    for (int i = 0; i < 3; i++)
        teleport(crates[i], TRAINLOT_TRAIN_X + 0.7 * (i - 1), TRAINLOT_TRACK_Y, deck + 0.235);
    run(60);
    // Bumped as a crate is set down, it stays where the crane works.
    const dReal nudge[3] = {0.05, 0, 0};
    train->launch(nudge);
    run(180);
    EXPECT_NEAR(poseOf(train).x, TRAINLOT_TRAIN_X, 0.1) << "a bump sent the wagon rolling";
    const dReal gentle[3] = {1.0, 0, 0};
    train->launch(gentle);
    float drift = 0;
    for (int s = 0; s < 60 && !won(); s++) {
        run(60);
        for (TrainAxle* a : train->axles)
            drift = fmaxf(drift, fabsf(dBodyGetPosition(a->body)[1] - TRAINLOT_TRACK_Y));
    }
    EXPECT_TRUE(won());
    EXPECT_LT(drift, 0.02f) << "the flanges let the wagon off the rails";
    for (DynamicWorldObj* c : crates) EXPECT_GT(poseOf(c).z, TRAINLOT_GROUND - TRAINLOT_FALL);
}

// Where the two segments lie laid, side by side along the road across the
// hole, one under each wheel track.
const dReal BRIDGE_PLACE_X = -9.0, BRIDGE_PLACE_Y[2] = {0.6, -0.6};

TEST_F(LevelsA, BridgeLedgesCarrySegmentsAtDeckHeightAndTheCrossingWins) {
    // Set down a little off their places: the groove, the shelf and the
    // ledge seat them at deck height, and a truck driven over both from the
    // west bank gets across, which wins.
    build(5);
    run(5);
    std::vector<DynamicWorldObj*> segments = named("segment");
    ASSERT_EQ(segments.size(), 2u);
    teleport(segments[0], BRIDGE_PLACE_X + 0.05, BRIDGE_PLACE_Y[0] + 0.03, -0.05);
    teleport(segments[1], BRIDGE_PLACE_X - 0.01, BRIDGE_PLACE_Y[1] - 0.03, -0.05);
    run(120);
    for (DynamicWorldObj* s : segments) {
        Pose p = poseOf(s);
        EXPECT_GE(p.z, -0.125f);
        EXPECT_LE(p.z, -0.075f);
    }
    EXPECT_EQ(endGames, 0);
    truckTo(-12, 0);
    postMessage("accelcontrol setting=0.5");
    for (int i = 0; i < 60 * 40 && !endGames; i++) run(1);
    EXPECT_TRUE(won());
    for (DynamicWorldObj* s : segments) EXPECT_GE(poseOf(s).z, -0.125f) << "driven off its seat";
}

TEST_F(LevelsA, BridgeTruckCreptOffTheRoadEndIntoTheEmptyGapFallsAndLoses) {
    // Creeping on into the open hole, at any pace the truck must drop clear
    // into the gorge and lose, not hang on its crane or wedge between the
    // shelf and the ledge with no loss to end the game, and come to rest on
    // the gorge's floor rather than fall through it.
    for (dReal throttle : {0.2, 0.3, 0.6}) {
        for (int ticks : {150, 300}) {
            SCOPED_TRACE(testing::Message() << "throttle " << throttle << " for " << ticks);
            endGames = 0;
            build(5);
            run(5);
            truckTo(BRIDGE_GAP_WEST - 0.85, 0);  // the front wheels 0.2 short of the hole
            postMessage(("accelcontrol setting=" + std::to_string(throttle)).c_str());
            run(ticks);
            postMessage("accelcontrol setting=-0.8");
            run(400);
            EXPECT_TRUE(lost());
            run(400);
            EXPECT_GT(poseOf(wld_truck()).z, BRIDGE_GORGE_FLOOR - 0.5f);
            wld_destroy();
        }
    }
}

TEST_F(LevelsA, BridgeTruckDrivenOnFromAStandWithOneSegmentLaidDoesNotGetAcross) {
    // With either segment laid alone the truck on the road's line has one
    // wheel track over the open half: driven on from a stand short of the
    // hole it does not get onto the road beyond (slowly it tips in and
    // drops into the gorge; at full throttle it sticks at the hole's east
    // end, and backed off from there it hangs leaning in the hole, which
    // ends the job). Run along the laid one's own line, both tracks on it, it
    // is stopped by the wall across the abutment's corner rather than running
    // its outer wheels off over the gorge there.
    for (int laid : {0, 1}) {
        for (dReal throttle : {0.3, 0.6, 1.0}) {
            for (bool ownLine : {false, true}) {
                SCOPED_TRACE(testing::Message() << "segment " << laid << ", throttle " << throttle
                                                << (ownLine ? " on its line" : ""));
                endGames = 0;
                build(5);
                run(5);
                teleport(named("segment")[laid], BRIDGE_PLACE_X, BRIDGE_PLACE_Y[laid], -0.1);
                truckTo(BRIDGE_GAP_WEST - 1.5, ownLine ? BRIDGE_PLACE_Y[laid] : 0);
                postMessage(("accelcontrol setting=" + std::to_string(throttle)).c_str());
                run(60 * 8);
                EXPECT_LT(poseOf(wld_truck()).x, BRIDGE_GAP_EAST + 0.6f);
                EXPECT_FALSE(won());
                if (ownLine) {  // against the wall, not on past the abutment's end
                    EXPECT_LT(poseOf(wld_truck()).x, BRIDGE_GAP_EAST + 0.2f);
                }
                if (endGames == 0) {
                    // Stuck at the hole's east end or the wall: backed off, it
                    // gets clear, or it leans in over the open half and the
                    // job ends; it never hangs there with the game going on.
                    postMessage("accelcontrol setting=-0.6");
                    run(60 * 10);
                    Pose t = poseOf(wld_truck());
                    EXPECT_TRUE(lost() || (t.x < BRIDGE_GAP_WEST && t.upright > 0.95f))
                        << "hanging in the hole at x " << t.x << ", upright " << t.upright;
                }
                wld_destroy();
            }
        }
    }
}

TEST_F(LevelsA, BridgePlazaIsNoWayRoundTheHole) {
    // Driven east on the plaza beside the hole at full throttle, straight
    // on or turned along it, the truck is stopped by the walls (or drops
    // into the hole), and never gets past it.
    for (float steer : {0.0f, -1.0f, 1.0f}) {
        for (dReal y : {2.0, -2.0}) {
            SCOPED_TRACE(testing::Message() << "steer " << steer << " from y " << y);
            endGames = 0;
            build(5);
            run(5);
            truckTo(-11.3, y);
            postMessage(("steer setting=" + std::to_string(steer)).c_str());
            postMessage("accelcontrol setting=1.0");
            run(60 * 6);
            EXPECT_LT(poseOf(wld_truck()).x, BRIDGE_GAP_EAST);
            EXPECT_FALSE(won());
            wld_destroy();
        }
    }
}

TEST_F(LevelsA, BridgeFallIntoTheGorgeLoses) {
    build(5);
    truckTo(0, 4);  // beside the bridge, over the gorge
    run(400);
    EXPECT_TRUE(lost());
}

TEST_F(LevelsA, StackemStartsHitchedAndTheFunnelCentresDroppedStackers) {
    build(6);
    run(30);
    Pose truck = poseOf(wld_truck());
    Pose trailer = poseOf(named("trailer")[0]);
    EXPECT_NEAR(truck.x - trailer.x, 1.75f, 0.05f);
    // Dropped slightly off the axis, one after the other.
    const dReal offsets[3][2] = {{0.08, -0.06}, {-0.07, 0.05}, {0.05, 0.07}};
    std::vector<DynamicWorldObj*> stackers = named("stacker");
    ASSERT_EQ(stackers.size(), 3u);
    for (int i = 0; i < 3; i++) {
        teleport(stackers[i], STACKEM_SHAFT_X + offsets[i][0], STACKEM_SHAFT_Y + offsets[i][1],
                 0.7);
        run(300);
        if (i < 2) {
            EXPECT_EQ(endGames, 0);
        }
    }
    EXPECT_TRUE(won());
}

// Let go over the funnel turned by up to 15 degrees and up to 0.1 off the
// axis, each stacker is squared by the smooth plates and seats on the floor or
// the one below, flat and well inside the goal's 0.025.
TEST_F(LevelsA, StackemFunnelSquaresTurnedStackersAndSeatsThemOnTheAxis) {
    const dReal drops[][3] = {{0.0, 0.0, 0.26},    {0.1, -0.04, -0.2}, {-0.06, 0.09, 0.12},
                              {0.08, 0.08, -0.26}, {-0.1, 0.0, 0.08},  {0.03, -0.1, 0.2}};
    const int count = sizeof(drops) / sizeof(drops[0]);
    for (int first = 0; first < count; first += 3) {
        build(6);
        run(10);
        std::vector<DynamicWorldObj*> stackers = named("stacker");
        ASSERT_EQ(stackers.size(), 3u);
        for (int i = 0; i < 3; i++) {
            const dReal* d = drops[first + i];
            const dReal z = STACKEM_FUNNEL_TOP + 0.25 + 0.45 * i;
            teleport(stackers[i], STACKEM_SHAFT_X + d[0], STACKEM_SHAFT_Y + d[1], z, 0, 0, 1, d[2]);
            run(300);
            Pose p = poseOf(stackers[i]);
            EXPECT_NEAR(p.x, STACKEM_SHAFT_X, 0.012) << "drop " << first + i;
            EXPECT_NEAR(p.y, STACKEM_SHAFT_Y, 0.012) << "drop " << first + i;
            EXPECT_NEAR(p.z, STACKEM_SHAFT_FLOOR + 0.2 + 0.45 * i, 0.02) << "drop " << first + i;
            EXPECT_GT(p.upright, 0.999f) << "drop " << first + i;
        }
        EXPECT_TRUE(won());
        wld_destroy();
        bus_reset();
        addListener("endGame", onEndGame);
        endGames = 0;
        lastWin = -1;
    }
}

// The grapple sets the pillar down turned however the crane's slew left it:
// the socket must take the foot at any heading and stand it at the height
// the cornice's tolerance hangs on.
TEST_F(LevelsA, TempleSocketStandsThePillarTurnedAnyWayAtTheCornicesHeight) {
    build(7);
    run(30);
    DynamicWorldObj* pillar = named("pillar")[0];
    for (dReal turn : {0.0, 0.35, M_PI / 4}) {
        const dReal z = TEMPLE_SOCKET_FLOOR + TEMPLE_PILLAR_HALF_HEIGHT + 0.01;
        teleport(pillar, TEMPLE_MOVABLE_X + 0.05, 0.03, z, 0, 0, 1, turn);
        run(120);
        Pose p = poseOf(pillar);
        EXPECT_GT(p.upright, 0.999f) << "turned " << turn;
        EXPECT_NEAR(p.z + TEMPLE_PILLAR_HALF_HEIGHT, TEMPLE_PILLAR_TOP, 0.005) << "turned " << turn;
        EXPECT_LE(fabsf(p.x - TEMPLE_MOVABLE_X), TEMPLE_PILLAR_PLAY) << "turned " << turn;
        EXPECT_LE(fabsf(p.y), TEMPLE_PILLAR_PLAY) << "turned " << turn;
    }
}

// The stones wait where the crane can take them: the pillar standing, the
// cornice level on its piers and clear of the paving.
TEST_F(LevelsA, TempleStonesWaitStandingAndOnThePiers) {
    build(7);
    run(300);
    Pose pillar = poseOf(named("pillar")[0]);
    Pose cornice = poseOf(named("cornice")[0]);
    EXPECT_GT(pillar.upright, 0.999f);
    EXPECT_NEAR(pillar.z, TEMPLE_FLOOR + TEMPLE_PILLAR_HALF_HEIGHT, 0.01);
    EXPECT_GT(cornice.upright, 0.999f);
    EXPECT_NEAR(cornice.z, TEMPLE_PIER_TOP + TEMPLE_CORNICE_ABOVE, 0.01);
    EXPECT_NEAR(cornice.x, TEMPLE_WAITING_X, 0.01);
    EXPECT_NEAR(cornice.y, TEMPLE_WAITING_Y, 0.01);
    EXPECT_EQ(endGames, 0);
}

TEST_F(LevelsA, TempleCorniceOnBothPillarsWinsAndOnTheGroundDoesNot) {
    build(7);
    run(30);
    DynamicWorldObj* pillar = named("pillar")[0];
    DynamicWorldObj* cornice = named("cornice")[0];
    teleport(pillar, TEMPLE_MOVABLE_X, 0, TEMPLE_SOCKET_FLOOR + TEMPLE_PILLAR_HALF_HEIGHT + 0.01);
    run(60);
    EXPECT_EQ(endGames, 0);  // the cornice still lies on the paving
    teleport(cornice, TEMPLE_CORNICE_X, 0, TEMPLE_PILLAR_TOP + TEMPLE_CORNICE_ABOVE + 0.01);
    run(120);
    EXPECT_TRUE(won());
}

// The truck backing off with the cornice on its beam stops it a little short
// of or past its place, a little turned: it must still lie level on both
// pillars, the piers it waited on (just south of the front) never under it.
TEST_F(LevelsA, TempleCorniceSetDownOffItsPlaceLiesOnThePillarsNotThePiers) {
    struct Miss {
        dReal y, turn;
    };
    for (Miss m : {Miss{-0.12, 0.0}, Miss{0.12, 0.0}, Miss{-0.08, 0.06}, Miss{0.05, -0.06}}) {
        build(7);
        run(30);
        teleport(named("pillar")[0], TEMPLE_MOVABLE_X, 0,
                 TEMPLE_SOCKET_FLOOR + TEMPLE_PILLAR_HALF_HEIGHT + 0.01);
        run(60);
        DynamicWorldObj* cornice = named("cornice")[0];
        teleport(cornice, TEMPLE_CORNICE_X, m.y, TEMPLE_PILLAR_TOP + TEMPLE_CORNICE_ABOVE + 0.01, 0,
                 0, 1, m.turn);
        run(120);
        Pose k = poseOf(cornice);
        EXPECT_NEAR(k.z, TEMPLE_CORNICE_Z, 0.005) << "off by " << m.y << " turned " << m.turn;
        EXPECT_GT(k.upright, TEMPLE_CORNICE_LEVEL) << "off by " << m.y << " turned " << m.turn;
        EXPECT_TRUE(won()) << "off by " << m.y << " turned " << m.turn;
        wld_destroy();
        bus_reset();
        addListener("endGame", onEndGame);
        endGames = 0;
        lastWin = -1;
    }
}
