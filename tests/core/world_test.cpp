#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "bus/diag.h"
#include "shell/gametick.h"
#include "tools/arena/arena.h"
#include "tools/sim/digest.h"
#include "world/contact.h"
#include "world/props_basic.h"
#include "world/vehicleobj.h"
#include "world/wld.h"

namespace {

// ------------------------------------------------------------ test levels

void (*populate)() = nullptr;
bool goalWon = false, goalLost = false;

void buildTestLevel(int, dReal truckPos[3], float*, float*, float*) {
    const float origin[3] = {0, 0, 0};
    wld_setScenery(new StaticWorldObj(nullptr, origin));
    if (populate) populate();
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
}

void testGoals(int, bool* won, bool* lost) {
    *won = goalWon;
    *lost = goalLost;
}

const LevelBuilder testLevel = {buildTestLevel, testGoals};

std::vector<std::string> endGames;
void onEndGame(const char* text) { endGames.push_back(text); }

std::vector<std::string> assertions;
void recordAssertion(const char* source, int, const char* expr) {
    assertions.push_back(std::string(source) + ": " + expr);
}

const dReal CUBE[3] = {0.4, 0.4, 0.4};
const dReal NO_OFFSET[3] = {0, 0, 0};

BoxObj* addBox(dReal x, dReal y, dReal z) {
    dReal pos[3] = {x, y, z};
    BoxObj* box = new BoxObj("crate", nullptr, pos, CUBE, 1.0, NO_OFFSET);
    wld_addObject(box);
    return box;
}

class World : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        populate = nullptr;
        goalWon = goalLost = false;
        endGames.clear();
        assertions.clear();
        setAssertHook(recordAssertion);
        addListener("endGame", onEndGame);
        wld_setLevelBuilder(&testLevel);
    }
    void TearDown() override {
        if (wld_created()) wld_destroy();
        wld_setLevelBuilder(nullptr);
        wld_contactObserver = nullptr;
        wld_prongTouched = nullptr;
        wld_rotorHit = nullptr;
        setAssertHook(nullptr);
        bus_reset();
    }
};

}  // namespace

TEST_F(World, OneTickIsThreeSubStepsOfFixedLength) {
    populate = [] { addBox(0, 0, 5); };
    wld_create(3, nullptr);
    DynamicWorldObj* box = wld_object(0);
    wld_setObjectOfInterest(box);
    wld_update(1.0f / 60.0f);
    EXPECT_EQ(wld_subStepCount(), 3);
    // Free fall: v = g * 3 * 0.007505 after one tick.
    EXPECT_NEAR(dBodyGetLinearVel(box->body)[2], -4.8 * 0.022515, 1e-9);
    wld_update(0.0f);
    EXPECT_EQ(wld_subStepCount(), 3);
}

TEST_F(World, CreationReportsLevelAndObjectOfInterest) {
    testing::internal::CaptureStdout();
    wld_create(5, nullptr);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("world created for level 5\n"), std::string::npos);
    EXPECT_NE(out.find("named ''"), std::string::npos);
    EXPECT_EQ(wld_levelNr(), 5);
    EXPECT_TRUE(wld_created());
    testing::internal::CaptureStdout();
    wld_destroy();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "world destroyed\n");
    EXPECT_FALSE(wld_created());
}

TEST_F(World, CreationPostsTheCameraSettings) {
    static std::string camera;
    camera.clear();
    addListener("cameraControl", [](const char* text) { camera = text; });
    wld_create(0, nullptr);
    EXPECT_EQ(camera,
              "cameraControl orbitSetting=0.200000 elevationSetting=0.300000 distSetting=5.000000");
}

TEST_F(World, EndGameIsPostedOnceAndAWinBeatsALoss) {
    wld_create(9, nullptr);
    wld_update(GAME_TICK);
    EXPECT_TRUE(endGames.empty());
    goalWon = goalLost = true;
    wld_update(GAME_TICK);
    wld_update(GAME_TICK);
    goalWon = false;
    wld_update(GAME_TICK);
    ASSERT_EQ(endGames.size(), 1u);
    EXPECT_EQ(endGames[0], "endGame win=1 level=9");
    EXPECT_TRUE(wld_ended());
}

TEST_F(World, ALossAloneIsReportedAsWinZero) {
    wld_create(-1, nullptr);
    goalLost = true;
    wld_update(GAME_TICK);
    ASSERT_EQ(endGames.size(), 1u);
    EXPECT_EQ(endGames[0], "endGame win=0 level=-1");
}

TEST_F(World, ObjectListRefusesThe257thObject) {
    populate = [] {
        for (int i = 0; i < WLD_MAX_OBJECTS; i++) addBox(i % 16, i / 16, 0.2);
    };
    wld_create(0, nullptr);
    EXPECT_EQ(wld_objectCount(), WLD_MAX_OBJECTS);
    testing::internal::CaptureStdout();
    dReal pos[3] = {0, 0, 9};
    BoxObj extra("extra", nullptr, pos, CUBE, 1.0, NO_OFFSET);
    EXPECT_FALSE(wld_addObject(&extra));
    EXPECT_NE(testing::internal::GetCapturedStdout().find("ERR Object list full"),
              std::string::npos);
    EXPECT_EQ(wld_objectCount(), WLD_MAX_OBJECTS);
}

TEST_F(World, DoubleCreationAndMissingObjectOfInterestAreAssertions) {
    wld_create(0, nullptr);
    testing::internal::CaptureStdout();
    wld_create(1, nullptr);
    wld_objectOfInterestPosition();
    wld_objectOfInterestForward();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find("ERR ASSERT FAILED at PI/wld("), std::string::npos);
    EXPECT_NE(out.find("):  !wld_created\n"), std::string::npos);
    EXPECT_NE(out.find("):  objectOfInterest\n"), std::string::npos);
    std::vector<std::string> expected = {"PI/wld: !wld_created", "PI/wld: objectOfInterest",
                                         "PI/wld: objectOfInterest"};
    EXPECT_EQ(assertions, expected);
    EXPECT_EQ(wld_levelNr(), 0);  // the second creation built nothing
}

TEST_F(World, UserLevelsAndContactsWithoutBodiesAreAssertionsInTheirOwnWords) {
    testing::internal::CaptureStdout();
    wld_create(0, "mine");
    EXPECT_NE(testing::internal::GetCapturedStdout().find(
                  "ERR No support for user defined levels\nERR ASSERT FAILED at PI/wld("),
              std::string::npos);
    ASSERT_EQ(assertions.size(), 1u);
    EXPECT_EQ(assertions[0], "PI/wld: !userlevelname");
    // Two overlapping geoms, neither on a body.
    dReal pos[3] = {0, 0, 0};
    BoxObj a("a", nullptr, pos, CUBE, 1.0, NO_OFFSET), b("b", nullptr, pos, CUBE, 1.0, NO_OFFSET);
    dGeomID ga = dCreateBox(nullptr, 1, 1, 1), gb = dCreateBox(nullptr, 1, 1, 1);
    dGeomSetData(ga, &a);
    dGeomSetData(gb, &b);
    testing::internal::CaptureStdout();
    wld_nearCallback(nullptr, ga, gb);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("):  bod1 || bod2\n"), std::string::npos);
    ASSERT_EQ(assertions.size(), 2u);
    EXPECT_EQ(assertions[1], "PI/wld: bod1 || bod2");
    dGeomDestroy(ga);
    dGeomDestroy(gb);
}

TEST_F(World, GrappleKindFollowsTheLevel) {
    EXPECT_EQ(wld_grappleKind(11), 0);
    EXPECT_EQ(wld_grappleKind(-1), 2);
    EXPECT_EQ(wld_grappleKind(10), 2);
    EXPECT_EQ(wld_grappleKind(13), 3);
    EXPECT_EQ(wld_grappleKind(22), 4);
    EXPECT_EQ(wld_grappleKind(24), 5);
    EXPECT_EQ(wld_grappleKind(0), 1);
    EXPECT_EQ(wld_grappleKind(23), 1);
}

// ------------------------------------------------------------ determinism

namespace {

std::vector<float> runArena(int ticks) {
    wld_setLevelBuilder(arena_builder());
    wld_create(0, nullptr);
    for (int t = 0; t < ticks; t++) game_step(GAME_TICK);
    std::vector<float> poses;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        o->update(0);
        poses.insert(poses.end(), o->modelMatrix, o->modelMatrix + 16);
    }
    wld_destroy();
    return poses;
}

}  // namespace

TEST_F(World, SameRunTwiceGivesBitIdenticalPoses) {
    std::vector<float> a = runArena(240);
    std::vector<float> b = runArena(240);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(memcmp(a.data(), b.data(), a.size() * sizeof(float)), 0);
    std::vector<float> start = runArena(0);
    EXPECT_NE(memcmp(a.data(), start.data(), a.size() * sizeof(float)), 0) << "nothing moved";
}

TEST_F(World, RecreatedWorldStartsIdentical) {
    wld_setLevelBuilder(arena_builder());
    wld_create(0, nullptr);
    game_step(GAME_TICK);
    uint64_t first = world_digest();
    wld_destroy();
    wld_create(0, nullptr);
    game_step(GAME_TICK);
    EXPECT_EQ(world_digest(), first);
}

// ------------------------------------------------------- contact callback

namespace {

struct Seen {
    int kind;
    double mu;
    dVector3 fdir;
};
std::vector<Seen> seen;

void observe(dGeomID, dGeomID, const dContact* c, int kind) {
    seen.push_back({kind, c->surface.mu, {c->fdir1[0], c->fdir1[1], c->fdir1[2]}});
}

// A one-wheeled vehicle whose wheel spins at a fixed reported rate.
class Unicycle : public VehicleObj {
   public:
    explicit Unicycle(dReal spin) : VehicleObj("unicycle", nullptr, wld_world()), spin(spin) {
        dBodySetPosition(body, 0, 0, 0.29);
        dMatrix3 r;
        dRFromAxisAndAngle(r, 1, 0, 0, -M_PI / 2);  // axle along y
        dBodySetRotation(body, r);
        setBoxMass(body, 1.0, 0.3, 0.3, 0.3);
        wheel = dCreateCylinder(wld_space(), 0.3, 0.2);
        setCollision(wheel, this, CAT_WHEEL);
        dGeomSetBody(wheel, body);
    }
    void setActive(bool) override {}
    bool isActive() override { return true; }
    bool getWheelSpin(dGeomID g, float& s) override {
        if (g != wheel) return false;
        s = (float)spin;
        return true;
    }
    dGeomID wheel;
    dReal spin;
};

WorldObj* prongSeen = nullptr;
WorldObj* prongOther = nullptr;
int rotorHits = 0;

}  // namespace

TEST_F(World, DrivenWheelOnGroundGetsTreadFrictionAcrossItsAxle) {
    static Unicycle* uni;
    populate = [] {
        uni = new Unicycle(1.0);
        wld_addObject(uni);
        wld_setObjectOfInterest(uni);
    };
    wld_create(0, nullptr);
    seen.clear();
    wld_contactObserver = observe;
    wld_update(GAME_TICK);
    ASSERT_FALSE(seen.empty());
    for (const Seen& s : seen) {
        EXPECT_EQ(s.kind, CONTACT_TREAD);
        EXPECT_NEAR(fabs(s.fdir[0]), 1.0, 1e-6);  // rolling direction is x
        EXPECT_NEAR(s.fdir[1], 0.0, 1e-6);
    }
}

TEST_F(World, OrdinaryPropsTouchWithDefaultFrictionAndBothHearOfIt) {
    static int contactsHeard;
    contactsHeard = 0;
    struct Listening : BoxObj {
        using BoxObj::BoxObj;
        void onContact(WorldObj*) override { contactsHeard++; }
    };
    populate = [] {
        dReal low[3] = {0, 0, 0.2}, high[3] = {0, 0, 0.605};
        wld_addObject(new Listening("a", nullptr, low, CUBE, 1.0, NO_OFFSET));
        wld_addObject(new Listening("b", nullptr, high, CUBE, 1.0, NO_OFFSET));
        wld_setObjectOfInterest(wld_object(0));
    };
    wld_create(0, nullptr);
    seen.clear();
    wld_contactObserver = observe;
    for (int t = 0; t < 5; t++) wld_update(GAME_TICK);
    ASSERT_FALSE(seen.empty());
    for (const Seen& s : seen) {
        EXPECT_EQ(s.kind, CONTACT_DEFAULT);
        EXPECT_EQ(s.mu, 10.0);
    }
    EXPECT_GT(contactsHeard, 0);
    EXPECT_EQ(contactsHeard % 2, 0);  // each body-body contact reaches both objects
}

TEST_F(World, ProngRecordsWhatItGripsButNotTheCraneBeam) {
    populate = [] {
        BoxObj* prong = addBox(0, 0, 0.2);
        prong->name = "prong";
        dGeomSetCategoryBits(prong->box, CAT_GRIP);
        BoxObj* load = addBox(0, 0, 0.605);
        load->name = "load";
        BoxObj* beam = addBox(3, 0, 0.2);
        beam->name = "prong";
        dGeomSetCategoryBits(beam->box, CAT_GRIP);
        BoxObj* crane = addBox(3, 0, 0.605);
        dGeomSetCategoryBits(crane->box, CAT_CRANE);
        wld_setObjectOfInterest(load);
    };
    wld_create(0, nullptr);
    prongSeen = prongOther = nullptr;
    wld_prongTouched = [](WorldObj* p, WorldObj* o) {
        if (std::string(o->name) == "crate") ADD_FAILURE() << "crane touch recorded";
        prongSeen = p;
        prongOther = o;
    };
    for (int t = 0; t < 3; t++) wld_update(GAME_TICK);
    ASSERT_NE(prongSeen, nullptr);
    EXPECT_STREQ(prongOther->name, "load");
}

TEST_F(World, RotorContactFlagsTheRotor) {
    populate = [] {
        BoxObj* rotor = addBox(0, 0, 0.19);
        dGeomSetCategoryBits(rotor->box, CAT_ROTOR);
        wld_setObjectOfInterest(rotor);
    };
    wld_create(0, nullptr);
    rotorHits = 0;
    wld_rotorHit = [](WorldObj* r) {
        EXPECT_EQ(r, wld_object(0));
        rotorHits++;
    };
    wld_update(GAME_TICK);
    EXPECT_GT(rotorHits, 0);
}
