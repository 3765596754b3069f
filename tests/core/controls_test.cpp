// Control settings on their way from the bus to a machine's motors.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "render/geomdb.h"
#include "shell/gametick.h"
#include "tools/arena/loaders.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "vehicles/truck.h"
#include "vehicles/vehicle.h"
#include "world/wld.h"

namespace {

const char* const MACHINES[] = {"truck", "dumptruck", "forklift", "skidloader", "skycrane"};
const char* const LEVER_TAGS[] = {"rotate", "elevate", "bend",  "extend",     "grapple",
                                  "left",   "bucket",  "right", "collective", "antitorque"};

struct Pose {
    dReal pos[3];
    dReal rot[12];
};

class Controls : public ::testing::Test {
   protected:
    void TearDown() override {
        if (wld_created()) wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
        geomdb_clear();
        geomdb_resetCount();
    }
    static void create(const char* machine) {
        bus_reset();
        wld_truckFactory = truck_create;
        const LevelBuilder* b = loaders_emptyBuilder(machine);
        if (!b) b = machines2_builder(machine);
        if (!b) b = truckyard_emptyBuilder();
        wld_setLevelBuilder(b);
        wld_create(0, nullptr);
    }
    // Every control of the machine held at one setting ("1", "200", "nan").
    static void holdAll(const char* setting) {
        char msg[128];
        for (const char* tag : LEVER_TAGS) {
            snprintf(msg, sizeof msg, "cranecontrol tag=%s setting=%s", tag, setting);
            postMessage(msg);
        }
        for (const char* m : {"steer", "accelcontrol"}) {
            snprintf(msg, sizeof msg, "%s setting=%s", m, setting);
            postMessage(msg);
        }
        snprintf(msg, sizeof msg, "cycliccontrol x=%s y=%s", setting, setting);
        postMessage(msg);
    }
    static void tick(int n) {
        for (int i = 0; i < n; i++) wld_update(GAME_TICK);
    }
    // The driven machine after holding `first` for a second, then `second`
    // for two more.
    static Pose drive(const char* machine, const char* first, const char* second) {
        create(machine);
        holdAll(first);
        tick(60);
        holdAll(second);
        tick(120);
        Pose p;
        dBodyID body = wld_objectOfInterest()->body;
        memcpy(p.pos, dBodyGetPosition(body), sizeof p.pos);
        memcpy(p.rot, dBodyGetRotation(body), sizeof p.rot);
        wld_destroy();
        return p;
    }
    static void expectSame(const Pose& a, const Pose& b) {
        for (int k = 0; k < 3; k++) EXPECT_EQ(a.pos[k], b.pos[k]) << "axis " << k;
        for (int k = 0; k < 12; k++) EXPECT_EQ(a.rot[k], b.rot[k]) << "rotation " << k;
    }
};

}  // namespace

TEST_F(Controls, ASettingReachesAMotorClampedToPlusMinusOneAndNaNAsRest) {
    float s = 7;
    EXPECT_TRUE(vehicle_setting("steer setting=200", &s));
    EXPECT_EQ(s, 1.0f);
    EXPECT_TRUE(vehicle_setting("cranecontrol tag=elevate setting=-200", &s));
    EXPECT_EQ(s, -1.0f);
    EXPECT_TRUE(vehicle_setting("steer setting=nan", &s));
    EXPECT_EQ(s, 0.0f);
    EXPECT_TRUE(vehicle_controlArg("cycliccontrol x=0.3 y=9", "y", &s));
    EXPECT_EQ(s, 1.0f);
}

TEST_F(Controls, EveryMachineDoesWithSetting200ExactlyWhatItDoesWithOne) {
    for (const char* machine : MACHINES) {
        SCOPED_TRACE(machine);
        Pose one = drive(machine, "1", "1");
        Pose huge = drive(machine, "200", "200");
        expectSame(one, huge);
        ASSERT_LT(std::fabs(huge.pos[0]) + std::fabs(huge.pos[1]), 30.0);
    }
}

TEST_F(Controls, ANaNSettingLeavesEveryMachineAsIfTheControlsWereLetGo) {
    for (const char* machine : MACHINES) {
        SCOPED_TRACE(machine);
        expectSame(drive(machine, "1", "0"), drive(machine, "1", "nan"));
    }
}
