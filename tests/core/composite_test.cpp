#include "vehicles/composite.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string seen;  // what the objects did, in order

// A part that writes down each draw pass and each update it receives.
class Probe : public DynamicWorldObj {
   public:
    Probe(const char* tag, dWorldID world) : DynamicWorldObj(tag, nullptr, world) {}
    void draw(RenderContext&) override { seen += std::string(name) + ".draw "; }
    void drawShadow(RenderContext&) override { seen += std::string(name) + ".shadow "; }
    void drawEdges(RenderContext&) override { seen += std::string(name) + ".edges "; }
    void update(float) override { seen += std::string(name) + ".update "; }
};

class Machine : public CompositeObj {
   public:
    explicit Machine(dWorldID world) : CompositeObj("machine", nullptr, world) {}
};

class Parts : public ::testing::Test {
   protected:
    void SetUp() override {
        seen.clear();
        world = dWorldCreate();
    }
    void TearDown() override { dWorldDestroy(world); }
    dWorldID world;
    RenderContext rc{};
};

TEST_F(Parts, EveryDrawPassReachesThePartsInTheOrderTheyWereAdded) {
    Probe wheel("wheel", world), arm("arm", world), strut("strut", world);
    Machine m(world);
    parts_add(m.parts, &wheel);
    parts_addDrawn(m.parts, &strut);
    parts_add(m.parts, &arm);
    m.draw(rc);
    m.drawShadow(rc);
    m.drawEdges(rc);
    EXPECT_EQ(seen,
              "wheel.draw strut.draw arm.draw "
              "wheel.shadow strut.shadow arm.shadow "
              "wheel.edges strut.edges arm.edges ");
}

TEST_F(Parts, UpdatePosesTheBodyThenOnlyThePartsThatFollowABody) {
    Probe wheel("wheel", world), strut("strut", world);
    Machine m(world);
    dBodySetPosition(m.body, 1, 2, 3);
    parts_add(m.parts, &wheel);
    parts_addDrawn(m.parts, &strut);  // its owner poses it
    m.update(1 / 60.0f);
    EXPECT_EQ(seen, "wheel.update ");
    EXPECT_EQ(m.getPosition().z, 3.0f);
}

TEST_F(Parts, AMissingOptionalPartIsLeftOut) {
    Probe prong("prong", world);
    Machine m(world);
    parts_add(m.parts, nullptr);
    parts_addDrawn(m.parts, nullptr);
    parts_add(m.parts, &prong);
    EXPECT_EQ(m.parts.count, 1);
    m.draw(rc);
    m.update(0);
    EXPECT_EQ(seen, "prong.draw prong.update ");
}

TEST_F(Parts, AFullListRefusesMorePartsAndSaysSo) {
    Probe p("p", world);
    Machine m(world);
    for (int i = 0; i < PARTS_MAX; i++) parts_add(m.parts, &p);
    testing::internal::CaptureStdout();
    parts_add(m.parts, &p);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ERR Too many parts on 'p'\n");
    EXPECT_EQ(m.parts.count, PARTS_MAX);
}

}  // namespace
