#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/core/loader_world.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "tools/sim/probe.h"
#include "vehicles/crane.h"
#include "vehicles/forklift.h"
#include "vehicles/grapple.h"
#include "vehicles/skidloader.h"
#include "vehicles/skycrane.h"
#include "world/props_dumpster.h"
#include "world/props_levers.h"

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

// The factory's lids and boxes hang on their dumpster and their lever, not
// in the world's list; the truck there has no grapple, only its beams.
TEST_F(Probe, TheFactoryShowsItsLidsFedBoxesAndCraneBeams) {
    wld_create(11, nullptr);
    std::vector<Dumpster*> dumpsters;
    ConveyerLever* lever = nullptr;
    for (int i = 0; i < wld_objectCount(); i++) {
        if (Dumpster* d = dynamic_cast<Dumpster*>(wld_object(i))) dumpsters.push_back(d);
        if (ConveyerLever* c = dynamic_cast<ConveyerLever*>(wld_object(i))) lever = c;
    }
    ASSERT_EQ(dumpsters.size(), 2u);
    ASSERT_NE(lever, nullptr);
    EXPECT_NEAR(joint("dumpster0", "lid"), 0.0, 0.01);
    double value = 0.0;
    std::string why;
    EXPECT_FALSE(probe_joint("dumpster2", "lid", &value, &why));
    EXPECT_FALSE(probe_joint("dumpster0", "handle", &value, &why));
    EXPECT_NE(why.find("no joint 'handle' on 'dumpster0'"), std::string::npos);

    // The second lid swung open reads on its own hinge, the first stays shut.
    for (int t = 0; t < 30; t++) {
        const dReal* r = dBodyGetRotation(dumpsters[1]->body);
        dBodyEnable(dumpsters[1]->lid->body);
        dBodySetAngularVel(dumpsters[1]->lid->body, -3 * r[0], -3 * r[4], -3 * r[8]);
        tick();
    }
    EXPECT_GT(joint("dumpster1", "lid"), 1.0);
    EXPECT_NEAR(joint("dumpster0", "lid"), 0.0, 0.01);
    Pose lid;
    ASSERT_TRUE(probe_pose("dumpsterlid", 1, &lid));
    EXPECT_NEAR(lid.pos[2], dBodyGetPosition(dumpsters[1]->lid->body)[2], 1e-6);

    Pose beam;
    ASSERT_TRUE(probe_pose("beamC", 0, &beam));
    EXPECT_NEAR(beam.pos[0], dBodyGetPosition(crane_current->beamC->body)[0], 1e-6);
    EXPECT_FALSE(probe_pose("grapple", 0, &beam));

    // Pushed over, the lever feeds a green box and then a red one.
    for (int t = 0; t < 120; t++) {
        dBodyEnable(lever->body);
        dBodySetAngularVel(lever->body, 0, -2, 0);
        tick();
    }
    EXPECT_LT(lever->angle(), -0.1 * M_PI);
    run(8.0f);
    ASSERT_EQ(lever->numBoxes, 2);
    Pose box;
    ASSERT_TRUE(probe_pose("redbox", 0, &box));
    EXPECT_NEAR(box.pos[0], dBodyGetPosition(lever->boxes[1]->body)[0], 1e-6);
    EXPECT_FALSE(probe_pose("redbox", 1, &box));
    std::vector<std::string> lines = probe_list();
    std::vector<std::string> names;
    for (const std::string& l : lines) names.push_back(l.substr(0, l.find(' ', l.find(' ') + 1)));
    auto at = [&](const char* name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    EXPECT_EQ(at("dumpsterlid 0"), at("dumpster 0") + 1);
    EXPECT_EQ(at("dumpsterlid 1"), at("dumpster 1") + 1);
    EXPECT_EQ(at("greenbox 0"), at("conveyerlever 0") + 1);
    EXPECT_EQ(at("redbox 0"), at("conveyerlever 0") + 2);
}

// The skid loader's bucket hangs on its arm outside the world's list. A
// loose body can be set down anywhere for a driver's trial; a machine's
// body cannot, as its wheels and arm would be torn from it.
TEST_F(Probe, TheBucketPosesOnItsArmAndOnlyALooseBodyIsPlaced) {
    create("skidloader");
    Pose bucket;
    ASSERT_TRUE(probe_pose("bucket", 0, &bucket));
    const dReal* held = dBodyGetPosition(skidloader_current->arm->bucket->body);
    EXPECT_NEAR(bucket.pos[0], held[0], 1e-6);
    EXPECT_NEAR(bucket.pos[2], held[2], 1e-6);
    EXPECT_FALSE(probe_pose("bucket", 1, &bucket));

    const double somewhere[3] = {3.0, 2.0, 1.0};
    std::string why;
    const dReal before = dBodyGetPosition(skidloader_current->body)[0];
    EXPECT_FALSE(probe_placeAtRest("skidLoader", 0, somewhere, &why));
    EXPECT_NE(why.find("jointed"), std::string::npos) << why;
    EXPECT_EQ(dBodyGetPosition(skidloader_current->body)[0], before);
    EXPECT_FALSE(probe_placeAtRest("skidLoader", 1, somewhere, &why));
    EXPECT_EQ(why, "no object 'skidLoader' number 1");
}

}  // namespace
