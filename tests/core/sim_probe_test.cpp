#include <gtest/gtest.h>

#include <cmath>

#include "tests/core/loader_world.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "tools/sim/probe.h"
#include "vehicles/crane.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/skycrane.h"

namespace {

class Probe : public LoaderWorld {
   protected:
    void createWith(const LevelBuilder* builder) {
        wld_setLevelBuilder(builder);
        wld_create(0, nullptr);
    }
    static double joint(const char* machine, const char* name) {
        double value = NAN;
        std::string why;
        EXPECT_TRUE(probe_joint(machine, name, &value, &why))
            << machine << " " << name << ": " << why;
        return value;
    }
};

TEST_F(Probe, EveryMachineJointReadsOnItsYard) {
    createWith(truckyard_builder());
    Pose hub;
    ASSERT_TRUE(probe_pose("grapple", 0, &hub));  // on the crane, not in the world's list
    EXPECT_NEAR(hub.pos[0], dBodyGetPosition(crane_current->grapple->body)[0], 1e-6);
    for (const char* name : {"slew", "boom", "bend", "extend", "prong0", "prong1"})
        EXPECT_TRUE(std::isfinite(joint("crane", name))) << name;
    wld_destroy();
    const char* const yards[][3] = {{"forklift", "forkLift", "lift"},
                                    {"forklift", "forkLift", "tilt"},
                                    {"skidloader", "skidLoader", "arm"},
                                    {"skidloader", "skidLoader", "bucket"},
                                    {"dumptruck", "dumpTruck", "bed"}};
    for (const auto& y : yards) {
        create(y[0]);
        EXPECT_TRUE(std::isfinite(joint(y[1], y[2]))) << y[1] << " " << y[2];
        wld_destroy();
    }
    createWith(machines2_builder("skycrane"));
    EXPECT_EQ(joint("skyCrane", "collective"), skycrane_current->collective);
    EXPECT_TRUE(std::isfinite(joint("skyCrane", "hook")));
}

TEST_F(Probe, AMachineNotInTheLevelOrAJointItLacksIsAnError) {
    create("forklift");
    double value = 0.0;
    std::string why;
    EXPECT_FALSE(probe_joint("skyCrane", "hook", &value, &why));
    EXPECT_EQ(why, "no machine 'skyCrane' here");
    EXPECT_FALSE(probe_joint("forkLift", "bed", &value, &why));
    EXPECT_NE(why.find("no joint 'bed' on 'forkLift'"), std::string::npos);
}

TEST_F(Probe, TheLiftReadsTheForksRisingAndThePoseFollowsTheBody) {
    create("forklift");
    double before = joint("forkLift", "lift");
    forklift_current->control("elevate", 1.0f);
    run(1.0f);
    EXPECT_GT(joint("forkLift", "lift"), before + 0.05);

    Pose p;
    ASSERT_TRUE(probe_pose("forkLift", 0, &p));
    const dReal* at = dBodyGetPosition(forklift_current->body);
    EXPECT_NEAR(p.pos[0], at[0], 1e-6);
    EXPECT_NEAR(p.pos[2], at[2], 1e-6);
    EXPECT_NEAR(p.axis[2][2], 1.0, 0.05);  // standing upright on the yard
    EXPECT_FALSE(probe_pose("forkLift", 1, &p));
}

}  // namespace
