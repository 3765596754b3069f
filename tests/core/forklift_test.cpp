#include "vehicles/forklift.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/loader_world.h"
#include "world/props.h"

namespace {

enum { FRONT_LEFT, FRONT_RIGHT, REAR_LEFT, REAR_RIGHT };

class ForkLiftTest : public LoaderWorld {
   protected:
    ForkLift* lift = nullptr;
    void create() {
        LoaderWorld::create("forklift");
        lift = forklift_current;
        ASSERT_NE(lift, nullptr);
        ASSERT_TRUE(lift->isActive());
    }
    dReal frontTarget(int i = FRONT_LEFT) {
        return dJointGetHingeParam(lift->wheelJoints[i], dParamVel);
    }
    dReal slider() { return dJointGetSliderPosition(lift->arm->lift); }
    dReal sliderLow() { return dJointGetSliderParam(lift->arm->lift, dParamLoStop); }
    dReal tiltLow() { return dJointGetHingeParam(lift->tilt, dParamLoStop); }
    dBodyID carriage() { return lift->arm->carriage->body; }
};

}  // namespace

TEST_F(ForkLiftTest, AcceleratorDrivesTowardTheForksGainingFivePercentAFrame) {
    create();
    EXPECT_TRUE(lift->isAlmostStopped());
    post("accelcontrol setting=1");
    for (int k = 1; k <= 5; k++) {
        tick();
        EXPECT_NEAR(frontTarget(FRONT_LEFT), -14 * (1 - pow(0.95, k)), 1e-9);
        EXPECT_NEAR(frontTarget(FRONT_RIGHT), -14 * (1 - pow(0.95, k)), 1e-9);
        EXPECT_NEAR(dJointGetHingeParam(lift->wheelJoints[FRONT_LEFT], dParamFMax), 0.7, 1e-6);
    }
    const dReal start[3] = {dBodyGetPosition(lift->body)[0], dBodyGetPosition(lift->body)[1], 0};
    run(3);
    EXPECT_NEAR(frontTarget(), -14, 0.05);
    const dReal* p = dBodyGetPosition(lift->body);
    EXPECT_GT(p[0] - start[0], 1.0);
    EXPECT_LT(fabs(p[1] - start[1]), 0.2);
    EXPECT_FALSE(lift->isAlmostStopped());
}

TEST_F(ForkLiftTest, LiftsAPalletOnItsTinesAndCarriesItThreeMetres) {
    create();
    // The tines sit in the pallet's slots, just under its top deck.
    const float* c = lift->arm->carriage->modelMatrix;
    tick();
    const dReal at[3] = {c[12] + 0.35, c[13], c[14] - 0.26};
    Pallet* pallet = new Pallet("pallet", at);
    wld_addObject(pallet);
    run(0.5f);

    post("cranecontrol tag=elevate setting=1");
    run(1.2f);
    post("cranecontrol tag=elevate setting=0");
    post("cranecontrol tag=rotate setting=1");
    run(0.5f);
    post("cranecontrol tag=rotate setting=0");
    const dReal raised = dBodyGetPosition(pallet->body)[2];
    EXPECT_GT(raised, at[2] + 0.2);

    const dReal start = dBodyGetPosition(lift->body)[0];
    post("accelcontrol setting=1");
    int ticks = 0;
    while (dBodyGetPosition(lift->body)[0] - start < 3.0 && ticks < 1200) tick(), ticks++;
    ASSERT_LT(ticks, 1200) << "did not cover 3 m";
    post("accelcontrol setting=0");
    run(1);
    const dReal* p = dBodyGetPosition(pallet->body);
    EXPECT_GT(p[2], raised - 0.1);  // still up on the forks
    EXPECT_LT(distance2d(p, dBodyGetPosition(carriage())), 0.6);
}

TEST_F(ForkLiftTest, ReleasedLiftLeverLocksWhereTheCarriageStands) {
    create();
    post("cranecontrol tag=elevate setting=1");
    EXPECT_EQ(sliderLow(), FORKLIFT_LIFT_MIN);
    run(0.8f);
    EXPECT_GT(slider(), 0.1);
    post("cranecontrol tag=elevate setting=0.0005");  // counts as released
    const dReal held = slider();
    EXPECT_NEAR(sliderLow(), held, 1e-9);
    EXPECT_NEAR(dJointGetSliderParam(lift->arm->lift, dParamHiStop), FORKLIFT_LIFT_MAX, 1e-9);
    run(2);
    EXPECT_GT(slider(), held - 0.01);
}

// Tine height after pressing the lift lever fully for some ticks: at the
// release, and two seconds later.
struct Press {
    dReal rise, drift;
};

class TineHeight : public ForkLiftTest {
   protected:
    Press press(int ticks, bool loaded) {
        create();
        dBodyID c = carriage();
        if (loaded) {
            // A crate on the tines, centred along them.
            tick();
            const dReal* p = dBodyGetPosition(c);
            const dReal at[3] = {p[0] + 0.3, p[1], p[2] - 0.2475 + 0.225 + 0.002};
            wld_addObject(new Crate(at));
        }
        run(1);
        const dReal start = dBodyGetPosition(c)[2];
        post("cranecontrol tag=elevate setting=1");
        tick(ticks);
        post("cranecontrol tag=elevate setting=0");
        const dReal released = dBodyGetPosition(c)[2];
        run(2);
        Press r = {released - start, dBodyGetPosition(c)[2] - released};
        wld_destroy();
        return r;
    }
};

TEST_F(TineHeight, ReleasedTinesStayWithinTwoMillimetresOfWhereTheyWereLetGo) {
    for (bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "loaded" : "empty");
        for (int ticks : {10, 30}) {
            Press p = press(ticks, loaded);
            EXPECT_GT(p.rise, 0.03);
            EXPECT_LT(fabs(p.drift), 0.002) << ticks << " ticks";
        }
    }
}

TEST_F(TineHeight, ALongerPressRaisesTheTinesHigher) {
    for (bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "loaded" : "empty");
        dReal previous = 0;
        for (int ticks : {5, 10, 12, 14, 20}) {
            Press p = press(ticks, loaded);
            EXPECT_GT(p.rise + p.drift, previous + 0.005) << ticks << " ticks";
            previous = p.rise + p.drift;
        }
    }
}

TEST_F(ForkLiftTest, ReleasedTiltHoldsTheMastAtItsAngleEvenLeaningBack) {
    create();
    post("cranecontrol tag=rotate setting=1");
    run(1);
    post("cranecontrol tag=rotate setting=0");
    const dReal held = dJointGetHingeAngle(lift->tilt);
    ASSERT_GT(held, 0.2);
    run(2);
    EXPECT_NEAR(dJointGetHingeAngle(lift->tilt), held, 0.002);
}

TEST_F(ForkLiftTest, TiltReleasedPastItsTravelLocksAtTheClampedAngle) {
    create();
    post("cranecontrol tag=rotate setting=1");
    run(4);
    post("cranecontrol tag=rotate setting=0");
    EXPECT_LE(tiltLow(), FORKLIFT_TILT_MAX);
    EXPECT_GT(tiltLow(), FORKLIFT_TILT_MAX - 0.05);
    post("cranecontrol tag=rotate setting=-1");
    EXPECT_NEAR(tiltLow(), FORKLIFT_TILT_MIN, 1e-9);
    run(5);
    post("cranecontrol tag=rotate setting=0");
    EXPECT_GE(tiltLow(), FORKLIFT_TILT_MIN);
    EXPECT_LT(tiltLow(), FORKLIFT_TILT_MIN + 0.05);
    // Tags of other machines change nothing.
    post("cranecontrol tag=bucket setting=1");
    EXPECT_EQ(dJointGetHingeParam(lift->tilt, dParamVel), 0.0);
    EXPECT_EQ(dJointGetSliderParam(lift->arm->lift, dParamVel), 0.0);
}

TEST_F(ForkLiftTest, RearWheelsSteerAgainstTheDemandAtBoundedSpeed) {
    create();
    post("steer setting=1");
    for (int i = 0; i < 60; i++) {
        tick();
        EXPECT_LE(fabs(dJointGetHinge2Param(lift->wheelJoints[REAR_LEFT], dParamVel)), 6.0 + 1e-9);
    }
    EXPECT_NEAR(dJointGetHinge2Angle1(lift->wheelJoints[REAR_LEFT]), -0.8, 0.05);
    EXPECT_NEAR(dJointGetHinge2Angle1(lift->wheelJoints[REAR_RIGHT]), -0.8, 0.05);
}

TEST_F(ForkLiftTest, SwitchedOffItHoldsItsWheelsAndSleeps) {
    create();
    lift->setActive(false);
    post("accelcontrol setting=1");
    post("steer setting=1");
    EXPECT_EQ(lift->accelSetting, 0.0f);
    EXPECT_EQ(lift->steerSetting, 0.0f);
    run(1);
    EXPECT_EQ(frontTarget(), 0.0);
    EXPECT_NEAR(dJointGetHingeParam(lift->wheelJoints[FRONT_LEFT], dParamFMax), 0.35, 1e-9);
    EXPECT_EQ(dJointGetHinge2Param(lift->wheelJoints[REAR_LEFT], dParamVel), 0.0);
    EXPECT_FALSE(dBodyIsEnabled(lift->body));
    EXPECT_FALSE(dBodyIsEnabled(lift->arm->body));
    EXPECT_FALSE(dBodyIsEnabled(carriage()));
    for (ForkLiftWheel* w : lift->wheels) EXPECT_FALSE(dBodyIsEnabled(w->body));
}

TEST_F(ForkLiftTest, ANewForkLiftStaysAsleepUntilSwitchedOn) {
    create();
    const dReal p[3] = {0, 4, 0.31};
    ForkLift* second = new ForkLift(p);
    wld_addObject(second);
    EXPECT_EQ(forklift_current, second);
    run(2);
    EXPECT_FALSE(dBodyIsEnabled(second->body));
    EXPECT_FALSE(dBodyIsEnabled(second->arm->carriage->body));
    EXPECT_NEAR(dJointGetHingeParam(second->wheelJoints[FRONT_LEFT], dParamFMax), 0.35, 1e-9);
    vec3f w = second->getWheelPosition(0);
    EXPECT_NEAR(w.x, 0.65, 1e-4);
    EXPECT_NEAR(w.y, 4.28, 1e-4);
    EXPECT_NEAR(w.z, 0.16, 1e-4);
    vec3f forks = second->getPosition();
    EXPECT_NEAR(forks.x, 0.86, 1e-4);
    EXPECT_NEAR(forks.z, 0.81, 1e-4);
    // Handing over: the new one wakes when switched on.
    lift->setActive(false);
    second->setActive(true);
    EXPECT_TRUE(dBodyIsEnabled(second->body));
}

TEST_F(ForkLiftTest, WheelSpinIsReportedForItsOwnWheelsOnly) {
    create();
    post("accelcontrol setting=1");
    run(1);
    float spin = -1;
    EXPECT_TRUE(lift->getWheelSpin(lift->wheels[FRONT_RIGHT]->cylinder, spin));
    EXPECT_GT(spin, 1.0f);
    spin = -1;
    EXPECT_FALSE(lift->getWheelSpin(lift->chassis[0], spin));
    EXPECT_EQ(spin, -1.0f);
}

TEST_F(ForkLiftTest, PicksALoadedPalletOffTheGroundThroughItsSlots) {
    wld_setLevelBuilder(loaders_builder("forklift"));  // a pallet with a crate ahead
    wld_create(0, nullptr);
    lift = forklift_current;
    DynamicWorldObj* pallet = wld_object(1);
    DynamicWorldObj* crate = wld_object(2);
    ASSERT_STREQ(pallet->name, "pallet");
    ASSERT_STREQ(crate->name, "crate");
    const dReal ground = dBodyGetPosition(pallet->body)[2];

    // Tines down level with the slots, as the driver would watch them go.
    post("cranecontrol tag=elevate setting=-1");
    for (int i = 0; i < 300 && dBodyGetPosition(carriage())[2] - 0.26 > ground + 0.009; i++) tick();
    post("cranecontrol tag=elevate setting=0");
    post("accelcontrol setting=0.3");  // in under the top deck
    run(3);
    post("accelcontrol setting=0");
    run(0.5f);
    EXPECT_GT(dBodyGetPosition(lift->body)[0], 0.8);
    EXPECT_LT(fabs(dBodyGetPosition(pallet->body)[2] - ground), 0.01);  // slid in, not pushed over
    post("cranecontrol tag=elevate setting=1");
    run(1.5f);
    post("cranecontrol tag=elevate setting=0");
    post("cranecontrol tag=rotate setting=1");  // mast back, so the load leans on it
    run(0.7f);
    post("cranecontrol tag=rotate setting=0");
    post("accelcontrol setting=-0.4");
    run(2);
    const dReal* p = dBodyGetPosition(pallet->body);
    EXPECT_GT(p[2], ground + 0.3);
    EXPECT_LT(p[0], 1.5);                               // it came back with the fork lift
    EXPECT_GT(dBodyGetPosition(crate->body)[2], p[2]);  // the crate is still on it
}
