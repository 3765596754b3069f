// The tipper's load: it rides in the bed through a slalom and pours out
// behind when the bed is tipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "tests/core/loader_world.h"
#include "vehicles/dumptruck.h"

namespace {

class Tipper : public LoaderWorld {
   protected:
    DumpTruckObj* truck = nullptr;
    std::vector<DynamicWorldObj*> load;
    // A yard of the loader yards with its props: "tipperload", "tipperspheres".
    void createLoaded(const char* variant, const char* loadName) {
        wld_setLevelBuilder(loaders_builder(variant));
        wld_create(0, nullptr);
        truck = dumptruck_current;
        ASSERT_NE(truck, nullptr);
        load.clear();
        for (int i = 0; i < wld_objectCount(); i++)
            if (!strcmp(wld_object(i)->name, loadName)) load.push_back(wld_object(i));
    }
    dReal bedAngle() { return dJointGetHingeAngle(truck->bedHinge); }
    // Within the bed's box, as the quarry's goal counts a load in the bed.
    bool inBed(const DynamicWorldObj* o) {
        const dReal* p = dBodyGetPosition(o->body);
        dVector3 l;
        dBodyGetPosRelPoint(truck->bed->body, p[0], p[1], p[2], l);
        return fabs(l[0]) <= 0.9 && fabs(l[1]) <= 0.45 && -0.08 <= l[2] && l[2] <= 0.8;
    }
    int countInBed() {
        int n = 0;
        for (const DynamicWorldObj* o : load) n += inBed(o);
        return n;
    }
    // On the yard's ground, clear of the truck.
    int countOnGround(dReal radius) {
        int n = 0;
        for (const DynamicWorldObj* o : load) n += dBodyGetPosition(o->body)[2] < radius + 0.05;
        return n;
    }
    // Ticks from a full lever until the bed reaches its stop.
    int tipToFullTilt() {
        post("cranecontrol tag=elevate setting=1.0");
        int t = 0;
        while (bedAngle() < DUMPTRUCK_TIPPER_MAX - 0.01 && t < 900) tick(), t++;
        return t;
    }
};

}  // namespace

struct Load {
    const char* yard;
    const char* name;
    dReal radius;  // half height resting on the ground
    int count;
};
const Load LOADS[] = {{"tipperload", "block", 0.125, 6}, {"tipperspheres", "sphere", 0.15, 4}};

TEST_F(Tipper, FullyTippedItEmptiesOntoTheGroundWithinThreeSeconds) {
    for (const Load& l : LOADS) {
        SCOPED_TRACE(l.yard);
        createLoaded(l.yard, l.name);
        ASSERT_EQ((int)load.size(), l.count);
        EXPECT_EQ(countInBed(), l.count);
        ASSERT_LT(tipToFullTilt(), 900);
        run(3);
        EXPECT_EQ(countInBed(), 0);
        EXPECT_EQ(countOnGround(l.radius), l.count);
        wld_destroy();
    }
}

TEST_F(Tipper, WithTheBedDownTheLoadRidesASlalomAtFullSpeed) {
    for (const Load& l : LOADS) {
        SCOPED_TRACE(l.yard);
        createLoaded(l.yard, l.name);
        post("accelcontrol setting=1.0");
        run(2);
        // Weave at full lock: a half swing one way, then full swings each way.
        const int SWING = 90;
        int fewest = l.count;
        dReal lowestUp = 1;
        for (int t = 0; t < 6 * 60; t++) {
            if (t == 0) post("steer setting=1.0");
            if (t >= SWING / 2 && (t - SWING / 2) % SWING == 0)
                post("steer setting=%f", ((t - SWING / 2) / SWING) % 2 ? 1.0 : -1.0);
            tick();
            fewest = std::min(fewest, countInBed());
            lowestUp = std::min(lowestUp, dBodyGetRotation(truck->body)[10]);
        }
        EXPECT_EQ(fewest, l.count);
        const dReal* v = dBodyGetLinearVel(truck->body);
        EXPECT_GT(std::hypot(v[0], v[1]), 2.5);  // still at speed
        EXPECT_GT(lowestUp, 0.7);                // and never near tipping over
        wld_destroy();
    }
}
