#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/arena/truckyard.h"
#include "vehicles/truck.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

int graspedOn = 0, graspedOff = 0;

class WatchedCrate : public Crate {
   public:
    using Crate::Crate;
    void setGrasped(bool g) override { (g ? graspedOn : graspedOff)++; }
};

class Grasp : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        graspedOn = graspedOff = 0;
        wld_truckFactory = truck_create;
        wld_setLevelBuilder(truckyard_emptyBuilder());
    }
    void TearDown() override {
        wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
    }
    // The yard's level number picks the grapple kind: 0 gives 1, 2 gives 2 ...
    void create(int levelNr) {
        wld_create(levelNr, nullptr);
        grapple = truck_current->crane->grapple;
        ticks(30);
    }
    void ticks(int n) {
        for (int i = 0; i < n; i++) game_step(GAME_TICK);
    }
    void hold(const char* tag, float setting, int n) {
        char msg[128];
        format128(msg, "cranecontrol tag=%s setting=%f", tag, setting);
        postMessage(msg);
        ticks(n);
        format128(msg, "cranecontrol tag=%s setting=%f", tag, 0.0f);
        postMessage(msg);
    }
    // A player's sequence: raise, open, lower to just above crate height,
    // a crate under the grapple, close, lift.
    WatchedCrate* graspAndLift() {
        hold("elevate", 1, 30);
        hold("grapple", 1, 70);
        postMessage("cranecontrol tag=bend setting=-0.3");
        for (int i = 0; i < 400 && grapple->getPosition().z > 0.52; i++) ticks(1);
        postMessage("cranecontrol tag=bend setting=0");
        ticks(90);  // let the swing die down
        vec3f g = grapple->getPosition();
        const dReal at[3] = {g.x, g.y, 0.226};
        WatchedCrate* crate = new WatchedCrate(at);
        wld_addObject(crate);
        ticks(30);
        hold("grapple", -1, 60);
        hold("elevate", 1, 60);
        ticks(60);
        return crate;
    }
    Grapple* grapple = nullptr;
};

int prongCount(const Grapple* g) {
    int n = 0;
    for (const GrappleProng* p : g->prongs) n += p != nullptr;
    return n;
}

}  // namespace

TEST_F(Grasp, ClawGrapplePicksUpACrate) {
    create(0);
    ASSERT_EQ(grapple->kind, 1);
    WatchedCrate* crate = graspAndLift();
    EXPECT_GT(graspedOn, 30);  // told every frame while held
    EXPECT_EQ(graspedOff, 0);
    EXPECT_EQ(grapple->grasped, crate);
    EXPECT_GT(crate->getPosition().z, 0.226 + 0.2);
}

TEST_F(Grasp, OpeningLetsGoAndSaysSoOnce) {
    create(0);
    WatchedCrate* crate = graspAndLift();
    hold("grapple", 1, 40);
    ticks(60);
    EXPECT_EQ(graspedOff, 1);
    EXPECT_EQ(grapple->grasped, nullptr);
    EXPECT_LT(crate->getPosition().z, 0.3);
}

TEST_F(Grasp, PaddleGrappleNeverGrasps) {
    create(24);
    ASSERT_EQ(grapple->kind, 5);
    graspAndLift();
    EXPECT_EQ(graspedOn, 0);
    EXPECT_EQ(grapple->grasped, nullptr);
}

TEST_F(Grasp, TwoProngKindsUseEntriesZeroAndTwo) {
    create(9);
    ASSERT_EQ(grapple->kind, 3);
    EXPECT_EQ(prongCount(grapple), 2);
    EXPECT_NE(grapple->prongs[0], nullptr);
    EXPECT_NE(grapple->prongs[2], nullptr);
    EXPECT_EQ(grapple->hinges[1], nullptr);
    // One of the two touching something is not a grasp.
    const dReal at[3] = {5, 5, 0.3};
    Crate* crate = new Crate(at);
    wld_addObject(crate);
    grapple->prongs[0]->touching = crate;
    grapple->update(0);
    EXPECT_EQ(grapple->grasped, nullptr);
    grapple->prongs[0]->touching = crate;
    grapple->prongs[2]->touching = crate;
    grapple->update(0);
    EXPECT_EQ(grapple->grasped, crate);
}

TEST_F(Grasp, WideKindFourClosesFurtherInward) {
    create(8);
    ASSERT_EQ(grapple->kind, 4);
    EXPECT_NEAR(grapple->lo, -M_PI / 5, 1e-6);
    hold("grapple", -1, 60);
    EXPECT_LT(dJointGetHingeAngle(grapple->hinges[0]), -0.3);
}

TEST_F(Grasp, WithoutAGrappleItsLeverDoesNothing) {
    create(11);
    EXPECT_EQ(grapple, nullptr);
    hold("grapple", 1, 10);
    hold("elevate", 1, 30);
    EXPECT_GT(dJointGetHingeAngle(truck_current->crane->hingeA), 0.2);
}

TEST_F(Grasp, ALeverNearRestLocksTheProngs) {
    create(0);
    hold("grapple", 1, 30);
    postMessage("cranecontrol tag=grapple setting=0.0005");
    for (dJointID h : grapple->hinges) {
        dReal lo = dJointGetHingeParam(h, dParamLoStop), hi = dJointGetHingeParam(h, dParamHiStop);
        EXPECT_EQ(lo, hi);
        EXPECT_GT(lo, 0.2);
        EXPECT_EQ(dJointGetHingeParam(h, dParamFMax), 0);
    }
}

namespace {

// Lowest point of the prongs' boxes.
dReal fingerBottom(const Grapple* g) {
    dReal lowest = 1e9;
    for (const GrappleProng* p : g->prongs) {
        if (!p) continue;
        for (dGeomID geom = dBodyGetFirstGeom(p->body); geom; geom = dBodyGetNextGeom(geom)) {
            dReal aabb[6];
            dGeomGetAABB(geom, aabb);
            lowest = std::min(lowest, aabb[4]);
        }
    }
    return lowest;
}

}  // namespace

// The bridge job's grip: open fingers through the segment's guide slots, under
// the centre plate, closed; then the load is swung round on the arm.
TEST_F(Grasp, ClawHoldsABridgeSegmentWhileSlewing) {
    create(0);
    hold("elevate", 1, 30);
    hold("extend", 1, 80);  // the segment is wider than the truck is long
    hold("grapple", 1, 35);
    const dReal railDrop = 0.125, plateBottom = railDrop - 0.025;
    postMessage("cranecontrol tag=bend setting=-0.15");
    for (int i = 0; i < 600 && fingerBottom(grapple) > plateBottom - 0.04; i++) ticks(1);
    postMessage("cranecontrol tag=bend setting=0");
    ticks(90);
    ASSERT_LT(fingerBottom(grapple), plateBottom - 0.02);
    ASSERT_GT(fingerBottom(grapple), 0.01);
    vec3f g = grapple->getPosition();
    const dReal at[3] = {g.x, g.y, TRUCKYARD_GROUND + railDrop};
    BridgeSegment* segment = new BridgeSegment(at);
    wld_addObject(segment);
    ticks(30);
    hold("grapple", -1, 60);
    ASSERT_EQ(grapple->grasped, segment);
    hold("elevate", 1, 40);
    ticks(30);
    EXPECT_GT(segment->getPosition().z, at[2] + 0.2);
    postMessage("cranecontrol tag=rotate setting=0.3");
    int lostAt = -1;
    for (int i = 0; i < 600 && lostAt < 0; i++) {
        ticks(1);
        if (grapple->grasped != segment) lostAt = i;
    }
    EXPECT_EQ(lostAt, -1) << "let go after " << lostAt << " ticks of slewing";
    EXPECT_GT(segment->getPosition().z, at[2] + 0.2);
}

TEST_F(Grasp, AHeldLoadStaysHeldOnHalfTheProngsButNotAmongStrangers) {
    create(0);
    const dReal at[3] = {5, 5, 0.3}, other[3] = {6, 5, 0.3};
    WatchedCrate* crate = new WatchedCrate(at);
    Crate* wall = new Crate(other);
    wld_addObject(crate);
    wld_addObject(wall);
    auto touch = [this](WorldObj* a, WorldObj* b, WorldObj* c, WorldObj* d) {
        WorldObj* t[4] = {a, b, c, d};
        for (int i = 0; i < 4; i++) grapple->prongs[i]->touching = t[i];
        grapple->update(0);
    };
    touch(crate, crate, crate, nullptr);
    EXPECT_EQ(grapple->grasped, nullptr);  // taking hold needs every prong
    touch(crate, crate, crate, crate);
    EXPECT_EQ(grapple->grasped, crate);
    touch(crate, nullptr, crate, nullptr);  // hanging on one opposing pair
    EXPECT_EQ(grapple->grasped, crate);
    EXPECT_EQ(graspedOff, 0);
    touch(crate, wall, crate, nullptr);  // something else in the claw
    EXPECT_EQ(grapple->grasped, nullptr);
    EXPECT_EQ(graspedOff, 1);
    touch(crate, crate, crate, crate);
    touch(crate, nullptr, nullptr, nullptr);  // one prong is not a hold
    EXPECT_EQ(grapple->grasped, nullptr);
    EXPECT_EQ(graspedOff, 2);
}

TEST_F(Grasp, TwoProngKindsLetGoWhenALoadHangsOnOneFinger) {
    for (int levelNr : {9, 8}) {  // kinds 3 and 4
        if (wld_created()) wld_destroy();
        create(levelNr);
        SCOPED_TRACE(grapple->kind);
        const dReal at[3] = {5, 5, 0.3};
        WatchedCrate* crate = new WatchedCrate(at);
        wld_addObject(crate);
        graspedOn = graspedOff = 0;
        auto touch = [this](WorldObj* a, WorldObj* b) {
            grapple->prongs[0]->touching = a;
            grapple->prongs[2]->touching = b;
            grapple->update(0);
        };
        touch(crate, crate);
        EXPECT_EQ(grapple->grasped, crate);
        touch(crate, nullptr);
        EXPECT_EQ(grapple->grasped, nullptr);
        EXPECT_EQ(graspedOff, 1);
        touch(crate, crate);
        touch(nullptr, crate);
        EXPECT_EQ(grapple->grasped, nullptr);
        EXPECT_EQ(graspedOff, 2);
    }
}
