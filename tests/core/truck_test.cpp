#include "vehicles/truck.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/arena/truckyard.h"
#include "vehicles/trailer.h"
#include "world/wld.h"

namespace {

enum { FRONT_LEFT, FRONT_RIGHT, REAR_LEFT, REAR_RIGHT };

class Truck : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        wld_truckFactory = truck_create;
        wld_setLevelBuilder(truckyard_emptyBuilder());
        wld_create(0, nullptr);
        truck = truck_current;
        ASSERT_NE(truck, nullptr);
        ticks(30);  // settle on the suspension
    }
    void TearDown() override {
        wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
    }
    void ticks(int n) {
        for (int i = 0; i < n; i++) game_step(GAME_TICK);
    }
    dReal rollTarget(int wheel) {
        return dJointGetHinge2Param(truck->wheelJoints[wheel], dParamVel2);
    }
    const dReal* chassisPos() { return dBodyGetPosition(truck->body); }
    TruckObj* truck = nullptr;
};

}  // namespace

TEST_F(Truck, FullThrottleRampsTheRearWheelTargetTowardTwelve) {
    postMessage("accelcontrol setting=1.0");
    const dReal expected[3] = {3.6, 6.12, 7.884};
    for (dReal e : expected) {
        ticks(1);
        // A negative axis-2 target rolls the wheel toward +x.
        EXPECT_NEAR(rollTarget(REAR_LEFT), -e, 1e-5);
        EXPECT_NEAR(rollTarget(REAR_RIGHT), -e, 1e-5);
    }
    ticks(60);
    EXPECT_NEAR(rollTarget(REAR_LEFT), -12.0, 1e-3);
    // The front-left wheel runs free while the throttle is held.
    EXPECT_EQ(dJointGetHinge2Param(truck->wheelJoints[FRONT_LEFT], dParamFMax2), 0);
}

TEST_F(Truck, ReleasedThrottleDecaysBySixTenthsAndSnapsToZero) {
    postMessage("accelcontrol setting=1.0");
    ticks(60);
    postMessage("accelcontrol setting=0");
    dReal previous = -rollTarget(REAR_LEFT);
    int frames = 0;
    while (previous != 0 && frames < 100) {
        ticks(1);
        frames++;
        dReal now = -rollTarget(REAR_LEFT);
        if (fabs(previous) < 0.1)
            EXPECT_EQ(now, 0);
        else
            EXPECT_NEAR(now, 0.6 * previous, 1e-9);
        EXPECT_EQ(dJointGetHinge2Param(truck->wheelJoints[REAR_LEFT], dParamFMax2), 0.07);
        previous = now;
    }
    EXPECT_LT(frames, 20);
}

TEST_F(Truck, DrivesForwardUnderThrottleAndBackwardInReverse) {
    dReal x0 = chassisPos()[0];
    postMessage("accelcontrol setting=1.0");
    ticks(120);
    EXPECT_GT(chassisPos()[0] - x0, 3.0);
    EXPECT_LT(fabs(chassisPos()[1]), 0.2);

    postMessage("accelcontrol setting=-1.0");
    ticks(1);
    EXPECT_GT(rollTarget(REAR_LEFT), -12.0 * 0.7);  // the same ramp, now toward -12
    ticks(240);
    EXPECT_NEAR(rollTarget(REAR_LEFT), 12.0, 1e-3);
    dReal x1 = chassisPos()[0];
    ticks(60);
    EXPECT_LT(chassisPos()[0], x1 - 1.0);
}

TEST_F(Truck, PositiveSteerTurnsRight) {
    postMessage("accelcontrol setting=0.6");
    postMessage("steer setting=1.0");
    ticks(60);
    // Right is -y for a truck facing +x; its heading swings toward -y too.
    EXPECT_LT(chassisPos()[1], -0.3);
    EXPECT_LT(truck->modelMatrix[1], -0.3);
    EXPECT_NEAR(dJointGetHinge2Angle1(truck->wheelJoints[FRONT_RIGHT]), 0.6, 0.05);
}

TEST_F(Truck, AckermannGeometryAndRearDifferential) {
    TruckDrive straight = truck_driveTargets(1, 0.05f / 0.6f, 0, true);
    EXPECT_EQ(straight.steerLeft, straight.steerRight);
    EXPECT_EQ(straight.radius[0], straight.radius[1]);

    TruckDrive right = truck_driveTargets(1, 1, 0, true);
    EXPECT_NEAR(right.steerRight, 0.6, 1e-6);
    EXPECT_GT(right.steerLeft, 0);
    EXPECT_LT(right.steerLeft, right.steerRight);
    EXPECT_GT(right.radius[0], right.radius[1]);  // the outer rear wheel turns faster

    TruckDrive left = truck_driveTargets(1, -1, 0, true);
    EXPECT_NEAR(left.steerLeft, -0.6, 1e-6);
    EXPECT_GT(left.steerRight, left.steerLeft);
    EXPECT_GT(left.radius[1], left.radius[0]);

    postMessage("accelcontrol setting=0.5");
    postMessage("steer setting=1.0");
    ticks(60);
    dReal inner = rollTarget(REAR_RIGHT), outer = rollTarget(REAR_LEFT);
    EXPECT_LT(outer, inner);  // both negative: forward, the outer one faster
}

TEST_F(Truck, SteeringBeyondTheStopsIsHeldAtThem) {
    postMessage("steer setting=3.0");
    ticks(90);
    EXPECT_LT(dJointGetHinge2Angle1(truck->wheelJoints[FRONT_RIGHT]), 0.75 + 0.03);
    EXPECT_LT(dJointGetHinge2Angle1(truck->wheelJoints[FRONT_LEFT]), 0.75 + 0.03);
}

TEST_F(Truck, DeactivatedTruckStopsListeningAndSleeps) {
    postMessage("accelcontrol setting=1.0");
    postMessage("steer setting=0.5");
    ticks(60);
    truck->setActive(false);
    EXPECT_FALSE(truck->isActive());
    ticks(1);
    EXPECT_EQ(rollTarget(REAR_LEFT), 0);
    EXPECT_EQ(rollTarget(REAR_RIGHT), 0);
    EXPECT_EQ(dJointGetHinge2Param(truck->wheelJoints[FRONT_LEFT], dParamVel), 0);
    EXPECT_EQ(dJointGetHinge2Param(truck->wheelJoints[FRONT_RIGHT], dParamVel), 0);
    EXPECT_FALSE(dBodyIsEnabled(truck->body));
    for (CylObj* w : truck->wheels) EXPECT_FALSE(dBodyIsEnabled(w->body));
    dReal x = chassisPos()[0];
    postMessage("accelcontrol setting=-1.0");
    EXPECT_EQ(truck->throttle, 1.0f);  // no longer heard
    ticks(120);
    EXPECT_NEAR(chassisPos()[0], x, 1e-9);
}

TEST_F(Truck, ControlMessagesWithoutASettingAreIgnored) {
    postMessage("accelcontrol setting=0.5");
    postMessage("accelcontrol");
    postMessage("steer setting=nan");
    EXPECT_EQ(truck->throttle, 0.5f);
    EXPECT_EQ(truck->steer, 0.0f);
}

TEST_F(Truck, WheelSpinIsReportedOnlyForItsOwnWheels) {
    postMessage("accelcontrol setting=1.0");
    ticks(60);
    float spin = -1;
    EXPECT_TRUE(truck->getWheelSpin(truck->wheels[REAR_LEFT]->cylinder, spin));
    EXPECT_GT(spin, 5.0f);
    spin = -1;
    EXPECT_FALSE(truck->getWheelSpin(truck->chassis, spin));
    EXPECT_FALSE(truck->getWheelSpin(truck->crane->beamA->box, spin));
    EXPECT_EQ(spin, -1);
}

TEST_F(Truck, ReportsTheCraneTipAsItsPosition) {
    vec3f p = truck->getPosition();
    vec3f tip = truck->crane->beamC->getPosition();
    EXPECT_EQ(p.x, tip.x);
    EXPECT_EQ(p.z, tip.z);
    EXPECT_GT(p.z, truck->modelMatrix[14]);
}

TEST_F(Truck, HitchingTwiceLeavesOneJoint) {
    EXPECT_FALSE(trailer_hitch());  // no trailer yet
    const dReal at[3] = {-1.75, 0, 0.35};
    TrailerObj* trailer = new TrailerObj("trailer", at);
    wld_addObject(trailer);
    ASSERT_TRUE(trailer_hitch());
    dJointID first = trailer->hitch;
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(trailer_hitch());
    EXPECT_EQ(trailer->hitch, first);
    EXPECT_EQ(dJointGetBody(first, 0), trailer->body);
    EXPECT_EQ(dJointGetBody(first, 1), truck->body);

    // The truck tows it.
    postMessage("accelcontrol setting=1.0");
    ticks(120);
    EXPECT_GT(dBodyGetPosition(trailer->body)[0], 1.0);
}
