#include "vehicles/dumptruck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/core/loader_world.h"

namespace {

enum { REAR_LEFT = 2, REAR_RIGHT = 3 };

class DumpTruck : public LoaderWorld {
   protected:
    DumpTruckObj* truck = nullptr;
    void create(const char* variant = "dumptruck") {
        LoaderWorld::create(variant);
        truck = dumptruck_current;
        ASSERT_NE(truck, nullptr);
        ASSERT_TRUE(truck->isActive());
    }
    // The rear wheels' drive target v, forward positive (the joints turn at -v).
    dReal rearTarget(int wheel = REAR_LEFT) {
        return -dJointGetHinge2Param(truck->wheelJoints[wheel], dParamVel2);
    }
    dReal rearForce() { return dJointGetHinge2Param(truck->wheelJoints[REAR_LEFT], dParamFMax2); }
    dReal forwardSpeed() {
        const dReal* v = dBodyGetLinearVel(truck->body);
        const dReal* r = dBodyGetRotation(truck->body);
        return v[0] * r[0] + v[1] * r[4] + v[2] * r[8];
    }
    dReal bedAngle() { return dJointGetHingeAngle(truck->bedHinge); }
};

}  // namespace

TEST_F(DumpTruck, FullThrottleFromRestRampsTheRearWheelsTowardTwelve) {
    create();
    post("accelcontrol setting=1.0");
    const dReal expected[] = {0.6, 1.17, 1.7115};
    for (dReal e : expected) {
        tick();
        EXPECT_NEAR(rearTarget(REAR_LEFT), e, 1e-6);
        EXPECT_NEAR(rearTarget(REAR_RIGHT), e, 1e-6);
        EXPECT_NEAR(rearForce(), 0.9, 1e-6);
    }
    const dReal start = dBodyGetPosition(truck->body)[0];
    run(3);
    EXPECT_GT(rearTarget(), 11.0);
    EXPECT_GT(dBodyGetPosition(truck->body)[0] - start, 1.0);  // it drives toward +x
    EXPECT_GT(forwardSpeed(), 0.2);
}

TEST_F(DumpTruck, BrakeAtSpeedHoldsUntilStandingThenReversesAndLettingGoEndsReverse) {
    create();
    post("accelcontrol setting=1.0");
    run(3);
    ASSERT_GT(forwardSpeed(), 0.2);
    post("accelcontrol setting=-1.0");
    tick();
    EXPECT_EQ(rearTarget(), 0.0);
    int braking = 1;
    while (rearTarget() == 0 && braking < 600) {
        EXPECT_FALSE(truck->reverse);
        EXPECT_NEAR(rearForce(), 50, 1e-9);
        tick();
        braking++;
    }
    ASSERT_LT(braking, 600) << "never reversed";
    EXPECT_GT(braking, 10);
    // Reverse begins only once the truck has been slow for more than 0.15 s,
    // and then at full reverse speed at once.
    EXPECT_TRUE(truck->reverse);
    EXPECT_GT(truck->slowTimer, 0.15f - 1e-6f);
    EXPECT_LT(truck->slowTimer, 0.15f + 1.5f / 60);
    EXPECT_NEAR(rearTarget(), -12, 1e-9);
    EXPECT_NEAR(rearForce(), 0.9, 1e-6);
    const dReal stopped = dBodyGetPosition(truck->body)[0];
    run(1);
    EXPECT_LT(dBodyGetPosition(truck->body)[0], stopped - 0.2);

    post("accelcontrol setting=0.0");
    dReal before = rearTarget();
    tick();
    EXPECT_FALSE(truck->reverse);
    EXPECT_NEAR(rearTarget(), 0.9 * before, 1e-9);
    EXPECT_NEAR(rearForce(), 0.5, 1e-9);
}

TEST_F(DumpTruck, CoastingDecaysTheTargetByATenthAFrameWithoutSnapping) {
    create();
    post("accelcontrol setting=1.0");
    run(1);
    post("accelcontrol setting=0.0");
    dReal previous = rearTarget();
    for (int i = 0; i < 300; i++) {
        tick();
        ASSERT_NEAR(rearTarget(), 0.9 * previous, 1e-12 + 1e-9 * fabs(previous)) << "frame " << i;
        previous = rearTarget();
    }
    EXPECT_NE(previous, 0.0);
}

TEST_F(DumpTruck, BedRisesToItsStopTipperHigherThanFlatBed) {
    const char* variants[] = {"dumptruck", "flatbed"};
    const dReal stops[] = {0.45 * M_PI, 0.34 * M_PI};
    for (int k = 0; k < 2; k++) {
        SCOPED_TRACE(variants[k]);
        create(variants[k]);
        EXPECT_EQ(truck->bed->flatBed, k == 1);
        post("cranecontrol tag=elevate setting=1.0");
        run(6);
        EXPECT_NEAR(bedAngle(), stops[k], 0.03);
        EXPECT_NEAR(dJointGetHingeParam(truck->bedHinge, dParamHiStop), stops[k], 1e-6);
        wld_destroy();
    }
}

TEST_F(DumpTruck, ReleasedBedHoldsItsAngleAgainstGravity) {
    create();
    post("cranecontrol tag=elevate setting=1.0");
    run(1.5f);
    post("cranecontrol tag=elevate setting=0.0");
    const dReal held = bedAngle();
    ASSERT_GT(held, 0.4);
    EXPECT_NEAR(dJointGetHingeParam(truck->bedHinge, dParamLoStop), held, 1e-9);
    run(4);
    EXPECT_GT(bedAngle(), held - 0.02);
    // Lowering frees the whole travel again.
    post("cranecontrol tag=elevate setting=-1.0");
    EXPECT_EQ(dJointGetHingeParam(truck->bedHinge, dParamLoStop), 0.0);
    run(4);
    EXPECT_LT(bedAngle(), 0.05);
}

TEST_F(DumpTruck, OnlyTheElevateLeverMovesTheBed) {
    create();
    for (const char* tag : {"rotate", "bend", "extend", "grapple", "bucket", "left"})
        post("cranecontrol tag=%s setting=1.0", tag);
    run(1);
    EXPECT_EQ(dJointGetHingeParam(truck->bedHinge, dParamVel), 0.0);
    EXPECT_NEAR(bedAngle(), 0, 0.01);
}

TEST_F(DumpTruck, SwitchedOffItIgnoresControlsHoldsLightlyAndSleeps) {
    create();
    truck->setActive(false);
    post("accelcontrol setting=1.0");
    post("steer setting=1.0");
    post("cranecontrol tag=elevate setting=1.0");
    EXPECT_EQ(truck->throttle, 0.0f);
    EXPECT_EQ(truck->steer, 0.0f);
    run(2);
    EXPECT_EQ(rearTarget(), 0.0);
    EXPECT_NEAR(rearForce(), 0.05, 1e-9);
    EXPECT_EQ(dJointGetHinge2Param(truck->wheelJoints[0], dParamVel), 0.0);
    EXPECT_FALSE(dBodyIsEnabled(truck->body));
    EXPECT_FALSE(dBodyIsEnabled(truck->bed->body));
}

TEST_F(DumpTruck, AControlWithoutASettingChangesNothing) {
    create();
    post("accelcontrol setting=0.5");
    post("accelcontrol");
    EXPECT_EQ(truck->throttle, 0.5f);
    post("cranecontrol tag=elevate");
    EXPECT_EQ(dJointGetHingeParam(truck->bedHinge, dParamVel), 0.0);
}

TEST_F(DumpTruck, SteeringTurnsTheFrontWheelsOnly) {
    create();
    post("steer setting=1.0");
    run(1);
    EXPECT_NEAR(dJointGetHinge2Angle1(truck->wheelJoints[0]), 0.6, 0.05);
    EXPECT_NEAR(dJointGetHinge2Angle1(truck->wheelJoints[1]), 0.6, 0.05);
    EXPECT_NEAR(dJointGetHinge2Angle1(truck->wheelJoints[REAR_LEFT]), 0, 0.02);
    float spin = -1;
    EXPECT_TRUE(truck->getWheelSpin(truck->wheels[1]->cylinder, spin));
    EXPECT_GE(spin, 0);
    spin = -1;
    EXPECT_FALSE(truck->getWheelSpin(truck->chassis[0], spin));
    EXPECT_EQ(spin, -1);
}
