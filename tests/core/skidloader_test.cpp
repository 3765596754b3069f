#include "vehicles/skidloader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/core/loader_world.h"

namespace {

std::vector<float> engine;  // every "accelcontrol" setting the loader posted
void onAccel(const char* text) { engine.push_back(argFloat(text, "setting")); }

class SkidLoaderTest : public LoaderWorld {
   protected:
    SkidLoader* loader = nullptr;
    void create() {
        LoaderWorld::create("skidloader");
        loader = skidloader_current;
        ASSERT_NE(loader, nullptr);
        ASSERT_TRUE(loader->isActive());
        engine.clear();
        addListener("accelcontrol", onAccel);
    }
    dReal wheelTarget(int i) { return dJointGetHingeParam(loader->wheelJoints[i], dParamVel); }
    dReal wheelForce(int i) { return dJointGetHingeParam(loader->wheelJoints[i], dParamFMax); }
    dReal armLow() { return dJointGetHingeParam(loader->armHinge, dParamLoStop); }
};

}  // namespace

TEST_F(SkidLoaderTest, OppositeLeversTurnItOnTheSpot) {
    create();
    const dReal start[3] = {dBodyGetPosition(loader->body)[0], dBodyGetPosition(loader->body)[1],
                            0};
    const dReal heading0 = heading(loader->body);
    post("cranecontrol tag=left setting=1");
    post("cranecontrol tag=right setting=-1");
    ASSERT_EQ(engine.size(), 2u);
    EXPECT_FLOAT_EQ(engine.back(), 1.0f);
    tick();
    EXPECT_NEAR(wheelTarget(0), -0.35, 1e-9);
    EXPECT_NEAR(wheelTarget(2), -0.35, 1e-9);
    EXPECT_NEAR(wheelTarget(1), 0.35, 1e-9);
    EXPECT_NEAR(wheelTarget(3), 0.35, 1e-9);
    EXPECT_NEAR(wheelForce(0), 0.7, 1e-6);
    dReal turned = 0, last = heading0;
    for (int i = 0; i < 120; i++) {
        tick();
        turned += std::remainder(heading(loader->body) - last, 2 * M_PI);
        last = heading(loader->body);
    }
    EXPECT_LT(turned, -1.0);  // left forward, right back: clockwise seen from above
    EXPECT_LT(distance2d(dBodyGetPosition(loader->body), start), 0.3);
}

TEST_F(SkidLoaderTest, EqualLeversDriveTowardTheBucket) {
    create();
    const dReal start = dBodyGetPosition(loader->body)[0];
    post("cranecontrol tag=left setting=1");
    post("cranecontrol tag=right setting=1");
    run(2);
    EXPECT_NEAR(wheelTarget(0), -7 * (1 - pow(0.95, 120)), 1e-6);
    EXPECT_GT(dBodyGetPosition(loader->body)[0] - start, 1.0);
    EXPECT_LT(fabs(dBodyGetPosition(loader->body)[1]), 0.3);
}

TEST_F(SkidLoaderTest, EngineHearsHalfTheSumOfTheDriveLeversOnly) {
    create();
    post("cranecontrol tag=left setting=0.5");
    post("cranecontrol tag=right setting=0");
    ASSERT_EQ(engine.size(), 2u);
    EXPECT_FLOAT_EQ(engine[0], 0.25f);
    EXPECT_FLOAT_EQ(engine[1], 0.25f);
    post("cranecontrol tag=elevate setting=1");
    post("cranecontrol tag=bucket setting=-1");
    post("cranecontrol tag=rotate setting=1");
    post("cranecontrol tag=right");  // no setting: ignored
    EXPECT_EQ(engine.size(), 2u);
    EXPECT_EQ(loader->rightSetting, 0.0f);
}

TEST_F(SkidLoaderTest, ArmRisesAndHoldsWhereTheLeverIsLetGo) {
    create();
    post("cranecontrol tag=elevate setting=1");
    EXPECT_NEAR(armLow(), SKIDLOADER_ARM_MIN, 1e-9);  // below the 0 it was built with
    run(1.5f);
    post("cranecontrol tag=elevate setting=0");
    const dReal held = dJointGetHingeAngle(loader->armHinge);
    EXPECT_GT(held, 0.4);
    EXPECT_NEAR(armLow(), held, 1e-9);
    run(3);
    EXPECT_GT(dJointGetHingeAngle(loader->armHinge), held - 0.02);
    // Raised past its travel and let go, the stop is the top of the travel.
    post("cranecontrol tag=elevate setting=1");
    run(4);
    post("cranecontrol tag=elevate setting=0");
    EXPECT_LE(armLow(), SKIDLOADER_ARM_MAX);
    EXPECT_GT(armLow(), SKIDLOADER_ARM_MAX - 0.05);
}

TEST_F(SkidLoaderTest, BucketCurlsWithinItsTravel) {
    create();
    post("cranecontrol tag=bucket setting=1");
    run(2);
    post("cranecontrol tag=bucket setting=0");
    dReal a = dJointGetHingeAngle(loader->arm->bucketHinge);
    EXPECT_GT(a, 0.3);
    EXPECT_LT(a, SKIDLOADER_BUCKET_MAX + 0.03);
    EXPECT_NEAR(dJointGetHingeParam(loader->arm->bucketHinge, dParamLoStop),
                std::min(a, SKIDLOADER_BUCKET_MAX), 1e-9);
}

TEST_F(SkidLoaderTest, BucketPushesABallAlongFlatGround) {
    create();
    const dReal at[3] = {1.3, 0, 0.25};
    SphereObj* ball = new SphereObj("soccerball", nullptr, at, 0.25);
    wld_addObject(ball);
    post("cranecontrol tag=left setting=1");
    post("cranecontrol tag=right setting=1");
    run(4);
    const dReal* b = dBodyGetPosition(ball->body);
    EXPECT_GT(b[0], 2.5);
    EXPECT_LT(fabs(b[1]), 0.5);
    EXPECT_LT(b[0] - dBodyGetPosition(loader->body)[0], 1.6);  // still in front of the bucket
}

TEST_F(SkidLoaderTest, SwitchedOffItsWheelsAreHeldLightlyAndItSleeps) {
    create();
    post("cranecontrol tag=left setting=1");
    run(0.5f);
    loader->setActive(false);
    engine.clear();
    post("cranecontrol tag=left setting=-1");
    EXPECT_TRUE(engine.empty());
    EXPECT_EQ(loader->leftSetting, 1.0f);
    tick();
    for (int i = 0; i < SKIDLOADER_WHEELS; i++) {
        EXPECT_EQ(wheelTarget(i), 0.0);
        EXPECT_NEAR(wheelForce(i), 0.05, 1e-9);
    }
    EXPECT_EQ(dJointGetHingeParam(loader->armHinge, dParamVel), 0.0);
    float spin = -1;
    EXPECT_FALSE(
        loader->getWheelSpin(loader->arm->bucket->body ? loader->chassis[1] : nullptr, spin));
    EXPECT_EQ(spin, -1.0f);
}
