#include <gtest/gtest.h>

#include <cmath>

#include "tools/sim/soak.h"

namespace {

class SoakFaults : public ::testing::Test {
   protected:
    void SetUp() override {
        world = dWorldCreate();
        body = dBodyCreate(world);
        dBodySetPosition(body, 1, 2, 3);
    }
    void TearDown() override { dWorldDestroy(world); }
    std::string fault() {
        std::string what;
        return soak_bodyFault(body, &what) ? what : "";
    }
    dWorldID world;
    dBodyID body;
};

TEST_F(SoakFaults, ABodyAtRestInTheLevelIsFine) { EXPECT_EQ(fault(), ""); }

TEST_F(SoakFaults, SpeedAboveAHundredMetresASecondIsAFault) {
    dBodySetLinearVel(body, 60, 0, -79);  // 99.2 m/s
    EXPECT_EQ(fault(), "");
    dBodySetLinearVel(body, 0, 80, -61);  // 100.6 m/s
    EXPECT_NE(fault().find("speed 100.6"), std::string::npos);
}

TEST_F(SoakFaults, FallingBelowFiftyMetresIsAFault) {
    dBodySetPosition(body, 0, 0, -49.9);
    EXPECT_EQ(fault(), "");
    dBodySetPosition(body, 0, 0, -50.1);
    EXPECT_NE(fault().find("fell to z -50.1"), std::string::npos);
}

TEST_F(SoakFaults, APoseThatIsNotANumberIsAFault) {
    dBodySetPosition(body, NAN, 0, 0);
    EXPECT_EQ(fault(), "pose not finite");
    dBodySetPosition(body, 0, 0, 0);
    dBodySetLinearVel(body, INFINITY, 0, 0);
    EXPECT_EQ(fault(), "pose not finite");
}

}  // namespace
