#include "vehicles/crane.h"

#include <gtest/gtest.h>

#include <cmath>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/arena/truckyard.h"
#include "vehicles/truck.h"
#include "world/wld.h"

namespace {

int clicks = 0;
void countClick(const char*) { clicks++; }

class CraneArm : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        clicks = 0;
        addListener("craneClick", countClick);
        wld_truckFactory = truck_create;
        wld_setLevelBuilder(truckyard_emptyBuilder());
        wld_create(0, nullptr);
        crane = crane_current;
        ASSERT_NE(crane, nullptr);
        ticks(30);
    }
    void TearDown() override {
        wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
    }
    void ticks(int n) {
        for (int i = 0; i < n; i++) game_step(GAME_TICK);
    }
    void lever(const char* tag, float setting) {
        char msg[128];
        format128(msg, "cranecontrol tag=%s setting=%f", tag, setting);
        postMessage(msg);
    }
    // Holds a lever for n ticks, then lets it spring back as the HUD does.
    void hold(const char* tag, float setting, int n) {
        lever(tag, setting);
        ticks(n);
        lever(tag, 0);
    }
    dReal elevation() { return dJointGetHingeAngle(crane->hingeA); }
    dReal bend() { return dJointGetHingeAngle(crane->hingeB); }
    dReal extension() { return dJointGetSliderPosition(crane->sliderC); }
    Crane* crane = nullptr;
};

}  // namespace

TEST_F(CraneArm, ElevateRaisesTheBoomAndTheRatchetHoldsIt) {
    dReal start = elevation();
    hold("elevate", 1, 40);
    dReal raised = elevation();
    EXPECT_GT(raised, start + 0.3);
    EXPECT_NEAR(dJointGetHingeParam(crane->hingeA, dParamLoStop), raised, 0.02);
    ticks(300);  // five seconds with the lever at rest
    EXPECT_NEAR(elevation(), raised, 0.01);
}

TEST_F(CraneArm, NegativeElevateLowersAndRelocks) {
    hold("elevate", 1, 40);
    dReal raised = elevation();
    lever("elevate", -1);
    EXPECT_EQ(dJointGetHingeParam(crane->hingeA, dParamLoStop), 0);
    EXPECT_EQ(dJointGetAMotorParam(crane->motorA, dParamVel), -0.5);
    ticks(15);
    lever("elevate", 0);
    dReal lowered = elevation();
    EXPECT_LT(lowered, raised - 0.1);
    ticks(120);
    EXPECT_NEAR(elevation(), lowered, 0.01);
}

TEST_F(CraneArm, BendFoldsDownAndHolds) {
    hold("bend", -1, 30);
    dReal folded = bend();
    EXPECT_LT(folded, -0.2);
    ticks(300);
    EXPECT_NEAR(bend(), folded, 0.01);
}

TEST_F(CraneArm, ExtendLocksShortOfTheStop) {
    hold("extend", 1, 120);
    EXPECT_NEAR(dJointGetSliderParam(crane->sliderC, dParamLoStop), 0.79, 1e-9);
    EXPECT_NEAR(dJointGetSliderParam(crane->sliderC, dParamHiStop), 0.79, 1e-9);
    ticks(60);
    EXPECT_NEAR(extension(), 0.79, 0.01);
    hold("extend", -1, 40);
    dReal p = extension();
    EXPECT_LT(p, 0.6);
    ticks(120);
    EXPECT_NEAR(extension(), p, 0.01);
}

TEST_F(CraneArm, RotateSlewsTheTurntable) {
    hold("rotate", 1, 60);
    EXPECT_EQ(dJointGetHingeParam(crane->slew, dParamVel), 0);
    EXPECT_GT(fabs(dJointGetHingeAngle(crane->slew)), 0.3);
}

TEST_F(CraneArm, ClicksAtMostOncePerUpdate) {
    EXPECT_EQ(clicks, 0);
    lever("elevate", 1);
    lever("bend", -1);
    int worst = 0;
    for (int i = 0; i < 60; i++) {
        int before = clicks;
        ticks(1);
        worst = std::max(worst, clicks - before);
    }
    EXPECT_EQ(worst, 1);
    EXPECT_GE(clicks, 5);
}

TEST_F(CraneArm, UnknownTagsAndMissingCraneChangeNothing) {
    lever("wiggle", 1);
    EXPECT_EQ(dJointGetAMotorParam(crane->motorA, dParamVel), 0);
    crane_current = nullptr;
    lever("elevate", 1);
    EXPECT_EQ(dJointGetAMotorParam(crane->motorA, dParamVel), 0);
    crane_current = crane;
}

TEST_F(CraneArm, SwitchedOffTheArmStopsAndSleeps) {
    lever("rotate", 1);
    lever("extend", 1);
    truck_current->setActive(false);
    EXPECT_EQ(dJointGetHingeParam(crane->slew, dParamVel), 0);
    EXPECT_EQ(dJointGetLMotorParam(crane->motorC, dParamVel), 0);
    EXPECT_FALSE(dBodyIsEnabled(crane->beamC->body));
    EXPECT_FALSE(dBodyIsEnabled(crane->grapple->body));
    lever("elevate", 1);  // no longer heard
    EXPECT_EQ(dJointGetAMotorParam(crane->motorA, dParamVel), 0);
}
