#include "vehicles/vehicle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/arena/truckyard.h"
#include "vehicles/truck.h"
#include "world/wld.h"

namespace {

std::vector<std::string> heard;
void record(const char* text) { heard.push_back(text); }

class Vehicle : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        heard.clear();
        addListener("vehicleSwitch", record);
        wld_truckFactory = truck_create;
        wld_setLevelBuilder(truckyard_emptyBuilder());
        wld_create(0, nullptr);
        truck = truck_current;
    }
    void TearDown() override {
        wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
    }
    TruckObj* truck = nullptr;
};

// Every contact the top space reports in one collision pass.
std::vector<std::pair<dGeomID, dGeomID>> pairs;
void collectPair(void*, dGeomID a, dGeomID b) {
    if (dGeomIsSpace(a) || dGeomIsSpace(b)) {
        dSpaceCollide2(a, b, nullptr, collectPair);
        return;
    }
    dContactGeom c;
    if (dCollide(a, b, 1, &c, sizeof c)) pairs.push_back({a, b});
}

bool touched(dGeomID a, dGeomID b) {
    for (auto& p : pairs)
        if ((p.first == a && p.second == b) || (p.first == b && p.second == a)) return true;
    return false;
}

}  // namespace

TEST_F(Vehicle, TheWorldsTruckIsActiveAndAnnounced) {
    ASSERT_NE(truck, nullptr);
    EXPECT_TRUE(truck->isActive());
    EXPECT_EQ(wld_objectOfInterest(), truck);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], "vehicleSwitch vehicle=truck");
}

TEST_F(Vehicle, SwitchingOnTwiceRegistersListenersOnce) {
    int count = bus_listenerCount();
    truck->setActive(true);
    EXPECT_EQ(bus_listenerCount(), count);
    truck->setActive(false);
    EXPECT_EQ(bus_listenerCount(), count - 3);  // steer, accelcontrol, cranecontrol
    truck->setActive(false);
    EXPECT_EQ(bus_listenerCount(), count - 3);
}

TEST_F(Vehicle, ActivatingTheObjectOfInterestAnnouncesIt) {
    truck->setActive(false);
    heard.clear();
    vehicle_activateInterest();
    EXPECT_TRUE(truck->isActive());
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], "vehicleSwitch vehicle=truck");
    vehicle_activateInterest();  // already on: nothing more
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(Vehicle, OwnPartsNeverCollideButTheGrappleMeetsItsTruck) {
    // Rest the grapple hub on the chassis roof: it must register as a pair.
    const dReal* c = dBodyGetPosition(truck->body);
    dBodySetPosition(truck->crane->grapple->body, c[0], c[1], c[2] + 0.12);
    pairs.clear();
    dSpaceCollide(wld_space(), nullptr, collectPair);
    for (CylObj* w : truck->wheels) EXPECT_FALSE(touched(w->cylinder, truck->chassis));
    EXPECT_FALSE(touched(truck->crane->beamA->box, truck->crane->beamB->box));
    EXPECT_TRUE(touched(truck->crane->grapple->hub, truck->chassis));
}

TEST_F(Vehicle, MissingOrBrokenSettingsAreRefused) {
    float s = 7;
    EXPECT_TRUE(vehicle_setting("steer setting=-0.25", &s));
    EXPECT_EQ(s, -0.25f);
    EXPECT_FALSE(vehicle_setting("steer", &s));
    EXPECT_FALSE(vehicle_setting("steer setting=inf", &s));
    EXPECT_EQ(s, -0.25f);
}
