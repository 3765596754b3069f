#include "world/props.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "world/contact.h"
#include "world/props_dumpster.h"
#include "world/props_labelled.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

// A bare ground plane and no truck: props alone.
void buildGround(int, dReal truckPos[3], float*, float*, float*) {
    const float origin[3] = {0, 0, 0};
    wld_setScenery(new StaticWorldObj(nullptr, origin));
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
}
void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }
const LevelBuilder groundOnly = {buildGround, noGoals};

class Props : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        wld_setLevelBuilder(&groundOnly);
        wld_create(0, nullptr);
    }
    void TearDown() override {
        wld_destroy();
        wld_setLevelBuilder(nullptr);
        bus_reset();
    }
    void ticks(int n) {
        for (int i = 0; i < n; i++) game_step(GAME_TICK);
    }
    template <class T>
    T* add(T* obj) {
        wld_addObject(obj);
        return obj;
    }
    // A hand on a lever: drives its hinge toward one side and keeps it there.
    void push(LeverProp* lever, dReal velocity) {
        dBodyEnable(lever->body);  // a touch wakes a resting lever
        dJointSetHingeParam(lever->hinge, dParamVel, velocity);
        dJointSetHingeParam(lever->hinge, dParamFMax, 50);
    }
    void letGo(LeverProp* lever) {
        dJointSetHingeParam(lever->hinge, dParamVel, 0);
        dJointSetHingeParam(lever->hinge, dParamFMax, 0.03);
    }
};

std::vector<std::pair<dGeomID, dGeomID>> pairs;
void collectPair(void*, dGeomID a, dGeomID b) {
    if (dGeomIsSpace(a) || dGeomIsSpace(b)) {
        dSpaceCollide2(a, b, nullptr, collectPair);
        return;
    }
    dContactGeom c;
    if (dCollide(a, b, 1, &c, sizeof c)) pairs.push_back({a, b});
}

// Which geoms of obj a probe box with this category touches.
std::vector<unsigned long> categoriesMet(DynamicWorldObj* obj, unsigned long probeCategory) {
    dGeomID probe = dCreateBox(wld_space(), 4, 4, 1);
    setCollision(probe, obj, probeCategory);
    dGeomSetPosition(probe, dBodyGetPosition(obj->body)[0], dBodyGetPosition(obj->body)[1],
                     dBodyGetPosition(obj->body)[2]);
    pairs.clear();
    dSpaceCollide(wld_space(), nullptr, collectPair);
    std::vector<unsigned long> met;
    for (auto& p : pairs) {
        dGeomID other = p.first == probe ? p.second : (p.second == probe ? p.first : nullptr);
        if (other && dGeomGetBody(other) == obj->body) met.push_back(dGeomGetCategoryBits(other));
    }
    dGeomDestroy(probe);
    return met;
}

bool contains(const std::vector<unsigned long>& v, unsigned long x) {
    for (unsigned long e : v)
        if (e == x) return true;
    return false;
}

dReal bodyMass(DynamicWorldObj* obj) {
    dMass m;
    dBodyGetMass(obj->body, &m);
    return m.mass;
}

}  // namespace

TEST_F(Props, EveryShapedPropComesToRestOnTheGround) {
    std::vector<DynamicWorldObj*> all;
    auto at = [](dReal x, dReal y, dReal z) {
        static dReal p[3];
        p[0] = x, p[1] = y, p[2] = z;
        return p;
    };
    all.push_back(add(new BridgeSegment(at(-6, -6, 0.3))));
    all.push_back(add(new Crate(at(-3, -6, 0.4))));
    all.push_back(add(new Frame(at(0, -6, 0.6))));
    all.push_back(add(new Girder(at(3, -6, 0.3))));
    all.push_back(add(new HeavyWeight(at(6, -6, 0.6))));
    all.push_back(add(new Chimney(at(-6, -2, 1.0))));
    all.push_back(add(new HouseBack(at(-3, -2, 0.8))));
    all.push_back(add(new HouseFront(at(0, -2, 0.8))));
    all.push_back(add(new HouseWall("housewall", at(3, -2, 0.6))));
    all.push_back(add(new HouseRoof(at(6, -2, 0.6))));
    all.push_back(add(new MarkerPole(at(-6, 2, 0.5))));
    all.push_back(add(new PackCrate(at(-3, 2, 0.4))));
    all.push_back(add(new Pallet("pallet", at(0, 2, 0.3))));
    all.push_back(add(new PrisonWall(at(3, 2, 1.0))));
    all.push_back(add(new RampTop(at(6, 2, 0.5))));
    all.push_back(add(new RampBase(at(-6, 6, 0.5))));
    all.push_back(add(new Shutter(at(-3, 6, 0.3))));
    all.push_back(add(new Stacker(at(0, 6, 0.4))));
    all.push_back(add(new TempleCornice(at(3, 6, 0.5))));
    all.push_back(add(new TemplePillar(at(6, 6, 1.0))));
    all.push_back(add(new TombSeal(at(-9, 0, 0.4))));
    all.push_back(add(new Egg(3, at(9, 0, 0.4))));
    all.push_back(add(new Riser(11, at(12, 0, 0.8))));
    all.push_back(add(new SealPin(at(-12, 0, 0.8))));
    all.push_back(add(new SealDoor(at(0, 10, 1.0))));
    all.push_back(add(new PowerMast(at(0, -14, 5.0))));
    ticks(400);
    for (DynamicWorldObj* o : all) {
        const dReal* p = dBodyGetPosition(o->body);
        const dReal* v = dBodyGetLinearVel(o->body);
        EXPECT_TRUE(std::isfinite(p[2])) << o->name;
        EXPECT_GT(p[2], 0.0) << o->name;
        EXPECT_LT(sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]), 0.05) << o->name;
    }
}

TEST_F(Props, ForkGuidesMeetOnlyTheCarriageAndDecksEverythingElse) {
    const dReal a[3] = {0, 0, 2}, b[3] = {6, 0, 2};
    BridgeSegment* segment = add(new BridgeSegment(a));
    PackCrate* pack = add(new PackCrate(b));
    for (DynamicWorldObj* obj : {(DynamicWorldObj*)segment, (DynamicWorldObj*)pack}) {
        std::vector<unsigned long> carriage = categoriesMet(obj, CAT_GRIP);
        EXPECT_TRUE(contains(carriage, 0x8)) << obj->name;
        EXPECT_FALSE(contains(carriage, 0x4)) << obj->name;
        std::vector<unsigned long> prop = categoriesMet(obj, CAT_PART);
        EXPECT_TRUE(contains(prop, 0x4)) << obj->name;
        EXPECT_FALSE(contains(prop, 0x8)) << obj->name;
        std::vector<unsigned long> ground = categoriesMet(obj, CAT_STATIC);
        EXPECT_TRUE(contains(ground, 0x4)) << obj->name;
        EXPECT_FALSE(contains(ground, 0x8)) << obj->name;
    }
}

TEST_F(Props, HeldLoadsGetLighterAndHeavyWeightHeavierAfterwards) {
    const dReal at[3] = {0, 0, 0.41};
    HeavyWeight* weight = add(new HeavyWeight(at));
    dReal start = bodyMass(weight);
    EXPECT_NEAR(start, 0.275 * 0.512, 1e-9);
    weight->setGrasped(true);
    EXPECT_NEAR(bodyMass(weight) / start, 0.1 / 0.275, 1e-9);
    weight->setGrasped(false);
    EXPECT_NEAR(bodyMass(weight), 0.45 * 0.512, 1e-9);

    const dReal at2[3] = {3, 0, 0.6};
    TemplePillar* pillar = add(new TemplePillar(at2));
    dReal pillarStart = bodyMass(pillar);
    pillar->setGrasped(true);
    EXPECT_NEAR(bodyMass(pillar) / pillarStart, 0.6 / 2.6, 1e-9);
    pillar->setGrasped(false);
    EXPECT_NEAR(bodyMass(pillar), pillarStart, 1e-12);

    const dReal at3[3] = {-3, 0, 0.6};
    Riser* riser = add(new Riser(7, at3));
    riser->setGrasped(true);
    EXPECT_NEAR(bodyMass(riser), 0.125 * 0.19 * 0.19 * 0.7, 1e-9);
}

TEST_F(Props, ConveyorHeldDownFeedsTenBoxesEveryFourSeconds) {
    const dReal at[3] = {1, 2, 0.35};
    ConveyerLever* lever = add(new ConveyerLever(at));
    push(lever, -30);
    int tenthAt = -1;
    for (int tick = 0; tick < 3000; tick++) {
        ticks(1);
        if (lever->numBoxes < CONVEYOR_BOXES) {
            EXPECT_FALSE(lever->completed);
        }
        if (lever->numBoxes == CONVEYOR_BOXES && tenthAt < 0) tenthAt = tick;
    }
    EXPECT_LT(lever->angle(), -0.1 * M_PI);
    EXPECT_EQ(lever->numBoxes, CONVEYOR_BOXES);
    // Ten intervals of a little more than four seconds (240 ticks each).
    EXPECT_GE(tenthAt, 2400);
    EXPECT_LE(tenthAt, 2440);
    EXPECT_STREQ(lever->boxes[0]->name, "greenbox");
    EXPECT_STREQ(lever->boxes[1]->name, "redbox");
    EXPECT_STREQ(lever->boxes[9]->name, "greenbox");
}

TEST_F(Props, ConveyorFeedRestartsItsClockWhenTheLeverIsReleased) {
    const dReal at[3] = {1, 2, 0.35};
    ConveyerLever* lever = add(new ConveyerLever(at));
    push(lever, -30);
    ticks(200);
    push(lever, 30);
    ticks(30);
    push(lever, -30);
    ticks(200);
    EXPECT_EQ(lever->numBoxes, 0);
    ticks(60);
    EXPECT_EQ(lever->numBoxes, 1);
}

TEST_F(Props, ConveyorJudgesTwoSeparateHeaps) {
    vec3f pos[CONVEYOR_BOXES];
    bool green[CONVEYOR_BOXES];
    for (int i = 0; i < CONVEYOR_BOXES; i++) {
        green[i] = conveyor_isGreen(i);
        float spread = 0.1f * (i % 3);
        pos[i] = {1.0f + spread, green[i] ? 1.0f + spread : 0.4f - spread, 0.2f};
    }
    // Greens within y 1.0..1.2, reds within 0.2..0.4: apart by 0.6.
    EXPECT_TRUE(conveyor_heapsSorted(pos, green, CONVEYOR_BOXES));
    pos[0].x = 3.5f;  // a green heap 2.5 wide
    EXPECT_FALSE(conveyor_heapsSorted(pos, green, CONVEYOR_BOXES));
    pos[0].x = 1.0f;
    pos[0].y = 0.85f;  // greens now reach within 0.45 of the reds
    EXPECT_FALSE(conveyor_heapsSorted(pos, green, CONVEYOR_BOXES));
    for (int i = 0; i < CONVEYOR_BOXES; i++) pos[i].y = green[i] ? 0.0f : 2.0f;
    EXPECT_TRUE(conveyor_heapsSorted(pos, green, CONVEYOR_BOXES));
}

TEST_F(Props, LiftPlatformStaysWithinItsLimits) {
    const dReal at[3] = {3, 3, 0.35};
    LiftLever* lever = add(new LiftLever(at));
    ticks(60);
    dReal rest = dJointGetSliderParam(lever->slider, dParamLoStop);
    EXPECT_EQ(rest, 0);
    push(lever, 30);
    ticks(600);
    EXPECT_LE(dJointGetSliderParam(lever->slider, dParamLoStop), 4.85);
    EXPECT_LT(dJointGetSliderPosition(lever->slider), 4.85 + 0.05);
    EXPECT_GT(dJointGetSliderPosition(lever->slider), 4.0);
    push(lever, -30);
    ticks(900);
    EXPECT_GE(dJointGetSliderParam(lever->slider, dParamLoStop), -2.0);
    EXPECT_GT(dJointGetSliderPosition(lever->slider), -2.0 - 0.05);
    // A lever just short of the threshold changes nothing.
    dJointSetHingeParam(lever->hinge, dParamLoStop, 0.1);
    dJointSetHingeParam(lever->hinge, dParamHiStop, 0.1);
    letGo(lever);
    ticks(60);
    dReal lo = dJointGetSliderParam(lever->slider, dParamLoStop);
    dReal vel = dJointGetLMotorParam(lever->motor, dParamVel);
    ticks(60);
    EXPECT_NEAR(lever->angle(), 0.1, 0.01);
    EXPECT_EQ(dJointGetSliderParam(lever->slider, dParamLoStop), lo);
    EXPECT_EQ(dJointGetLMotorParam(lever->motor, dParamVel), vel);
}

TEST_F(Props, RailLeverLatchesOncePulled) {
    const dReal at[3] = {0, 0, 0.35};
    RailLever* lever = add(new RailLever(at));
    ticks(30);
    EXPECT_FALSE(lever->pulled);
    push(lever, 10);
    ticks(30);
    push(lever, -10);
    ticks(10);
    letGo(lever);
    dJointSetHingeParam(lever->hinge, dParamLoStop, 0);
    dJointSetHingeParam(lever->hinge, dParamHiStop, 0);
    ticks(30);
    EXPECT_TRUE(lever->pulled);
}

TEST_F(Props, CanistersAreNamedByTheirFormula) {
    const dReal at[3] = {0, 0, 0.2}, at2[3] = {1, 0, 0.2};
    Canister* acid = add(new Canister("HNO3", at));
    Canister* base = add(new Canister("LiOH", at2));
    EXPECT_STREQ(acid->name, "acid");
    EXPECT_STREQ(acid->label->name, "HNO3");
    EXPECT_STREQ(base->name, "base");
    ticks(30);
    EXPECT_EQ(memcmp(acid->label->modelMatrix, acid->modelMatrix, sizeof acid->modelMatrix), 0);
}

TEST_F(Props, DumpsterLidOpensUpwardWithinItsStops) {
    const dReal at[3] = {0, 0, 0.6};
    Dumpster* bin = add(new Dumpster(at, true));
    ticks(120);
    EXPECT_NEAR(dJointGetHingeAngle(bin->hinge), 0, 0.05);
    dJointSetHingeParam(bin->hinge, dParamVel, 1);
    dJointSetHingeParam(bin->hinge, dParamFMax, 5);
    ticks(300);
    EXPECT_NEAR(dJointGetHingeAngle(bin->hinge), 0.75 * M_PI, 0.1);
    EXPECT_GT(bin->lid->getPosition().z, bin->getPosition().z + 0.5);
}
