#include "vehicles/skycrane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/core/loader_world.h"
#include "tools/arena/machines2.h"
#include "world/contact.h"

namespace {

int engineStops = 0;
void onAccel(const char* text) {
    if (argFloat(text, "setting") == 0.0f) engineStops++;
}

class SkyCraneTest : public LoaderWorld {
   protected:
    SkyCrane* crane = nullptr;
    void SetUp() override {
        LoaderWorld::SetUp();
        engineStops = 0;
        addListener("accelcontrol", onAccel);
    }
    void create() {
        wld_setLevelBuilder(machines2_builder("skycrane"));
        wld_create(0, nullptr);
        crane = skycrane_current;
        ASSERT_NE(crane, nullptr);
        ASSERT_TRUE(crane->isActive());
    }
    dReal z() { return dBodyGetPosition(crane->body)[2]; }
    dReal vz() { return dBodyGetLinearVel(crane->body)[2]; }
    // The lean of the fuselage's up axis away from the vertical.
    dReal tilt() { return std::acos(std::fmin(1.0, dBodyGetRotation(crane->body)[10])); }
    void collective(float s) { post("cranecontrol tag=collective setting=%f", s); }
    // Climbs gently to the given height, then brakes until it stops rising.
    void climbTo(dReal height) {
        collective(0.2f);
        for (int i = 0; i < 1200 && z() < height; i++) tick();
        ASSERT_GE(z(), height);
        collective(-1);
        for (int i = 0; i < 600 && vz() > 0; i++) tick();
        ASSERT_LE(vz(), 0);
    }
    // The fuselage's nose axis in the ground plane.
    void noseAxis(dReal xh[2]) {
        const dReal* r = dBodyGetRotation(crane->body);
        dReal n = std::hypot(r[0], r[4]);
        xh[0] = r[0] / n, xh[1] = r[4] / n;
    }
    // A static wall in the rotor's sweep ahead of the nose.
    void wallAhead() {
        dGeomID wall = dCreateBox(wld_space(), 0.4, 4, 4);
        setCollision(wall, wld_terrain(), CAT_STATIC, COLLIDE_STATIC);
        dGeomSetPosition(wall, 3.6, 0, 2);
    }
};

}  // namespace

TEST(Stabiliser, FirstStepHasNoDerivativeLaterStepsDo) {
    Stabiliser s = stabiliser_make();
    const float h = 0.007505f;
    // First step: smoothed = previous = e, so only kP e + kI e remain.
    EXPECT_NEAR(stabiliser_step(s, 0.3f, h), -0.5f * 0.3f - 0.5f * 0.3f, 1e-6);
    EXPECT_FALSE(s.firstStep);
    // A jump of the error now shows through the derivative.
    float out = stabiliser_step(s, 0.4f, h);
    float smoothed = (1 - h) * 0.3f + h * 0.4f;
    EXPECT_NEAR(out, -0.5f * 0.4f - 0.5f * smoothed - 0.3f * 0.1f / h, 1e-3);
}

TEST(SkyCraneLift, FallsOffLogarithmicallyAboveElevenMetres) {
    EXPECT_FLOAT_EQ(skycrane_liftFactor(5), 1.0f);
    EXPECT_FLOAT_EQ(skycrane_liftFactor(11), 1.0f);
    EXPECT_NEAR(skycrane_liftFactor(20), 1 - 0.04 * std::log(10.0), 1e-6);
    EXPECT_NEAR(skycrane_liftFactor(20), 0.908, 0.001);
}

TEST_F(SkyCraneTest, LeversMapToCollectiveAndAntitorqueWithinTheirRanges) {
    create();
    EXPECT_EQ(crane->collective, 0.0f);
    EXPECT_EQ(crane->antitorque, 0.5f);
    collective(-1);
    EXPECT_FLOAT_EQ(crane->collective, 0.6f);
    collective(1);
    EXPECT_FLOAT_EQ(crane->collective, 1.1f);
    post("cranecontrol tag=antitorque setting=0");
    EXPECT_FLOAT_EQ(crane->antitorque, 0.5f);
    post("cranecontrol tag=rotate setting=1");
    EXPECT_FLOAT_EQ(crane->collective, 1.1f);
    // Out-of-range and missing settings cannot push the lift past its travel.
    collective(25);
    EXPECT_FLOAT_EQ(crane->collective, 1.1f);
    post("cranecontrol tag=collective");
    EXPECT_FLOAT_EQ(crane->collective, 1.1f);
    post("cycliccontrol x=1 y=-1");
    EXPECT_FLOAT_EQ(crane->cyclicX, 0.4f);
    EXPECT_FLOAT_EQ(crane->cyclicY, -0.4f);
    post("cycliccontrol x=1e30 y=-1");
    EXPECT_FLOAT_EQ(crane->cyclicX, 0.4f);
    post("cycliccontrol y=0.5");
    EXPECT_FLOAT_EQ(crane->cyclicY, -0.4f);
}

TEST_F(SkyCraneTest, StaysOnTheGroundUntilTheCollectiveMoves) {
    create();
    const dReal start = z();
    run(3);
    EXPECT_LT(z(), start + 0.02);
    EXPECT_GT(z(), start - 0.3);
    EXPECT_LT(tilt(), 0.05);
}

TEST_F(SkyCraneTest, ParkedWithTheCollectiveDownItNeitherRollsNorYaws) {
    create();
    collective(-1);  // the bottom of the lever: light on its wheels
    post("cycliccontrol x=0 y=0");
    const dReal start[3] = {dBodyGetPosition(crane->body)[0], dBodyGetPosition(crane->body)[1], 0};
    dReal fastest = 0, worstYaw = 0;
    for (int i = 0; i < 8 * 60; i++) {
        tick();
        const dReal* v = dBodyGetLinearVel(crane->body);
        if (i >= 3 * 60) fastest = std::fmax(fastest, v[0] * v[0] + v[1] * v[1]);
        worstYaw = std::fmax(worstYaw, std::fabs(heading(crane->body)));
    }
    EXPECT_LT(fastest, 0.0004);  // the goal's "stopped"
    EXPECT_LT(worstYaw, 0.02);
    EXPECT_LT(distance2d(dBodyGetPosition(crane->body), start), 0.05);
}

TEST_F(SkyCraneTest, LandedWithCentredControlsItComesToRestWithinThreeSeconds) {
    create();
    climbTo(3);
    post("cycliccontrol x=0.5 y=0");  // drifting forward as it comes down
    collective(-0.3f);
    run(1.5f);
    post("cycliccontrol x=0 y=0");
    collective(-1);
    const dReal rest = MACHINES2_SKYCRANE_POS[2];
    int t = 0;
    while (z() > rest + 0.05 && t < 1200) tick(), t++;
    ASSERT_LT(t, 1200) << "never landed";
    const dReal* v = dBodyGetLinearVel(crane->body);
    EXPECT_GT(v[0] * v[0] + v[1] * v[1], 0.0004);  // it touches down moving
    run(3);
    dReal fastest = 0;
    for (int i = 0; i < 120; i++) {
        tick();
        fastest = std::fmax(fastest, v[0] * v[0] + v[1] * v[1]);
    }
    EXPECT_LT(fastest, 0.0004);
    EXPECT_LT(tilt(), 0.05);
}

TEST_F(SkyCraneTest, HoversLevelAtTheBalancingCollective) {
    create();
    climbTo(4);
    collective(-0.17f);  // collective 0.8075: 2L balances 0.3367625 x 4.8
    dReal worst = 0;
    for (int i = 0; i < 300; i++) {
        tick();
        worst = std::fmax(worst, std::fabs(vz()));
    }
    EXPECT_LT(worst, 0.05);
    EXPECT_LT(tilt(), 0.05);  // the stabiliser holds it level, cyclic centred
    EXPECT_GT(z(), 3.5);
}

TEST_F(SkyCraneTest, CyclicTiltsItAndItDriftsThatWay) {
    create();
    climbTo(4);
    collective(-0.1f);
    dReal before[2];
    noseAxis(before);
    const dReal* p = dBodyGetPosition(crane->body);
    const dReal start[2] = {p[0], p[1]};
    post("cycliccontrol x=1 y=0");
    run(3);
    dReal xh[2];
    noseAxis(xh);
    const dReal* r = dBodyGetRotation(crane->body);
    EXPECT_GT(xh[0] * r[2] + xh[1] * r[6], 0.2);  // nose down toward the 0.4 target
    const dReal* v = dBodyGetLinearVel(crane->body);
    EXPECT_GT(xh[0] * v[0] + xh[1] * v[1], 0.5);
    p = dBodyGetPosition(crane->body);
    EXPECT_GT(before[0] * (p[0] - start[0]) + before[1] * (p[1] - start[1]), 1.0);
}

TEST_F(SkyCraneTest, LiftAtTwentyMetresIsTwiceTheReducedCollectiveAlongItsUpAxis) {
    create();
    collective(1);
    dBodySetPosition(crane->body, 0, 0, 20);
    dBodySetForce(crane->body, 0, 0, 0);
    dBodySetTorque(crane->body, 0, 0, 0);
    crane->physicsStep(WLD_SUBSTEP);
    const dReal* f = dBodyGetForce(crane->body);
    EXPECT_NEAR(f[2], 2 * 1.1 * (1 - 0.04 * std::log(10.0)), 1e-4);
    // The tail rotor's push is the only sideways force.
    EXPECT_NEAR(std::hypot(f[0], f[1]), 0.0665 * 0.5, 1e-4);
}

TEST_F(SkyCraneTest, HookReleasesOnceClimbingThroughThirteenMetresAndStaysDown) {
    create();
    EXPECT_FALSE(crane->hookReleased());
    collective(1);
    int starts = 0;
    bool was = false;
    dReal releasedAt = 0;
    for (int i = 0; i < 900; i++) {
        tick();
        if (crane->releasing && !was) starts++, releasedAt = z();
        was = crane->releasing;
    }
    EXPECT_EQ(starts, 1);
    EXPECT_GT(releasedAt, 13.0);
    EXPECT_LT(releasedAt, 13.5);
    EXPECT_FALSE(crane->releasing);
    EXPECT_NEAR(dJointGetHingeParam(crane->hookHinge, dParamHiStop), 2.4, 0.01);
    EXPECT_GT(dJointGetHingeAngle(crane->hookHinge), 0.5);  // swung down
    // Down again below 13 m: the hook is not stowed.
    collective(-1);
    for (int i = 0; i < 1200 && z() > 8; i++) tick();
    ASSERT_LT(z(), 8);
    EXPECT_FALSE(crane->releasing);
    EXPECT_TRUE(crane->hookReleased());
    EXPECT_NEAR(dJointGetHingeParam(crane->hookHinge, dParamHiStop), 2.4, 0.01);
}

TEST_F(SkyCraneTest, BladeTouchingAWallEndsFlightForGood) {
    create();
    ASSERT_EQ(engineStops, 0);
    wallAhead();
    collective(1);
    tick(2);
    EXPECT_TRUE(crane->rotor->hit);
    EXPECT_TRUE(crane->rotorLost());
    EXPECT_EQ(engineStops, 1);
    run(2);
    EXPECT_EQ(engineStops, 1);
    // No lift however hard the lever is pulled.
    dBodySetForce(crane->body, 0, 0, 0);
    crane->physicsStep(WLD_SUBSTEP);
    const dReal* f = dBodyGetForce(crane->body);
    EXPECT_EQ(f[0], 0);
    EXPECT_EQ(f[1], 0);
    EXPECT_EQ(f[2], 0);
    EXPECT_LT(z(), MACHINES2_SKYCRANE_POS[2] + 0.1);
}

TEST_F(SkyCraneTest, NoFlightForcesUnlessItIsTheObjectOfInterest) {
    create();
    wld_setObjectOfInterest(crane->hook);
    collective(1);
    run(2);
    EXPECT_LT(z(), MACHINES2_SKYCRANE_POS[2] + 0.02);
    wld_setObjectOfInterest(crane);
    run(2);
    EXPECT_GT(z(), MACHINES2_SKYCRANE_POS[2] + 1.0);
}

TEST_F(SkyCraneTest, SwitchedOffItSleepsAndIgnoresItsLevers) {
    create();
    crane->setActive(false);
    EXPECT_FALSE(crane->isActive());
    EXPECT_FALSE(dBodyIsEnabled(crane->body));
    for (ForkLiftWheel* w : crane->wheels) EXPECT_FALSE(dBodyIsEnabled(w->body));
    collective(1);
    EXPECT_EQ(crane->collective, 0.0f);
    float spin = -1;
    EXPECT_TRUE(crane->getWheelSpin(crane->wheels[1]->cylinder, spin));
    EXPECT_GE(spin, 0.0f);
    spin = -1;
    EXPECT_FALSE(crane->getWheelSpin(crane->fuselage[0], spin));
    EXPECT_EQ(spin, -1.0f);
}
