#include "ui/hud.h"

#include <gtest/gtest.h>

#include "bus/bus.h"
#include "shell/settings.h"
#include "tests/core/ui_recorder.h"

using uitest::posted;
using uitest::postedAs;

namespace {

class Hud : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        settings_reset();
        hudInit();
        uitest::listen({"cranecontrol"});
    }
    void TearDown() override {
        bus_reset();
        settings_reset();
    }
};

}  // namespace

TEST_F(Hud, MovingALeverClampsAtTheEndsAndPostsItsTag) {
    postMessage("leverMoved leverNr=0 delta=0.700000");
    postMessage("leverMoved leverNr=0 delta=0.700000");
    EXPECT_FLOAT_EQ(hud().leverValue[0], 1.0f);
    postMessage("leverMoved leverNr=3 delta=-5.0");
    EXPECT_FLOAT_EQ(hud().leverValue[3], -1.0f);
    ASSERT_EQ(posted().size(), 3u);
    EXPECT_EQ(posted()[0], "cranecontrol tag=rotate setting=0.700000");
    EXPECT_EQ(posted()[1], "cranecontrol tag=rotate setting=1.000000");
    EXPECT_EQ(posted()[2], "cranecontrol tag=extend setting=-1.000000");
}

TEST_F(Hud, SettingALeverIsNotClamped) {
    postMessage("leverSet leverNr=4 setting=1.5");
    EXPECT_FLOAT_EQ(hud().leverValue[4], 1.5f);
    ASSERT_EQ(posted().size(), 1u);
    EXPECT_EQ(posted()[0], "cranecontrol tag=grapple setting=1.500000");
}

TEST_F(Hud, InvertedLeversNegateOnlyElevateAndBend) {
    settings().leversInverted = true;
    for (int i = 0; i < HUD_LEVERS; i++) {
        char text[80];
        format80(text, "leverSet leverNr=%d setting=0.5", i);
        postMessage(text);
    }
    ASSERT_EQ(posted().size(), 5u);
    EXPECT_EQ(posted()[0], "cranecontrol tag=rotate setting=0.500000");
    EXPECT_EQ(posted()[1], "cranecontrol tag=elevate setting=-0.500000");
    EXPECT_EQ(posted()[2], "cranecontrol tag=bend setting=-0.500000");
    EXPECT_EQ(posted()[3], "cranecontrol tag=extend setting=0.500000");
    EXPECT_EQ(posted()[4], "cranecontrol tag=grapple setting=0.500000");
    // The lever itself keeps the player's direction; only the message turns.
    EXPECT_FLOAT_EQ(hud().leverValue[1], 0.5f);
}

TEST_F(Hud, ReleasingALeverCentresItButTheCollectiveStays) {
    postMessage("leverSet leverNr=2 setting=0.8");
    postMessage("leverUp leverNr=2");
    EXPECT_FLOAT_EQ(hud().leverValue[2], 0.0f);
    EXPECT_EQ(posted().back(), "cranecontrol tag=bend setting=0.000000");

    postMessage("vehicleSwitch vehicle=skyCrane");
    EXPECT_FLOAT_EQ(hud().leverValue[0], -1.0f);
    postMessage("leverMoved leverNr=0 delta=0.6");
    size_t before = posted().size();
    postMessage("leverUp leverNr=0");
    EXPECT_FLOAT_EQ(hud().leverValue[0], -0.4f);
    EXPECT_EQ(posted().size(), before);
}

TEST_F(Hud, ReleasingWithInvertedLeversPostsAPlainZero) {
    settings().leversInverted = true;
    postMessage("leverSet leverNr=1 setting=0.3");
    postMessage("leverUp leverNr=1");
    EXPECT_EQ(posted().back(), "cranecontrol tag=elevate setting=0.000000");
}

TEST_F(Hud, VehicleSwitchLaysOutTheLevers) {
    postMessage("vehicleSwitch vehicle=dumpTruck");
    const HudState& h = hud();
    EXPECT_STREQ(h.leverName[1], "elevate");
    // The truck's tags stay on the levers that are now absent.
    EXPECT_STREQ(h.leverName[0], "rotate");
    EXPECT_STREQ(h.leverName[4], "grapple");
    for (int i = 0; i < HUD_LEVERS; i++) EXPECT_EQ(h.leverPresent[i], i == 1) << i;
    EXPECT_TRUE(h.showAccelerator && h.showWheel && !h.showCyclic);

    postMessage("vehicleSwitch vehicle=skidLoader");
    EXPECT_STREQ(h.leverName[0], "left");
    EXPECT_STREQ(h.leverName[2], "bucket");
    EXPECT_STREQ(h.leverName[3], "extend");
    EXPECT_STREQ(h.leverName[4], "right");
    EXPECT_FALSE(h.leverPresent[3]);
    EXPECT_TRUE(h.leverBigHandle[0] && h.leverBigHandle[4] && !h.leverBigHandle[1]);
    EXPECT_FALSE(h.showAccelerator || h.showWheel || h.showCyclic);

    postMessage("vehicleSwitch vehicle=skyCrane");
    EXPECT_STREQ(h.leverName[0], "collective");
    EXPECT_STREQ(h.leverName[1], "antitorque");
    EXPECT_TRUE(h.showCyclic);

    postMessage("vehicleSwitch vehicle=bicycle");
    EXPECT_STREQ(h.leverName[0], "collective");
    EXPECT_TRUE(h.showCyclic);

    hudReset();
    EXPECT_STREQ(h.leverName[0], "rotate");
    EXPECT_FALSE(h.showCyclic);
    for (int i = 0; i < HUD_LEVERS; i++) EXPECT_TRUE(h.leverPresent[i]);
}

TEST_F(Hud, MirrorsWheelAcceleratorAndCyclic) {
    postMessage("steer setting=-0.25");
    postMessage("accelcontrol setting=0.5");
    postMessage("cycliccontrol x=0.3 y=-0.2");
    EXPECT_FLOAT_EQ(hud().wheelAngle, -0.25f);
    EXPECT_FLOAT_EQ(hud().accelPosition, 0.5f);
    EXPECT_FLOAT_EQ(hud().stickY, 0.3f);
    EXPECT_FLOAT_EQ(hud().stickX, 0.2f);
}

TEST_F(Hud, LeverMessagesWithABadNumberAreIgnored) {
    postMessage("leverSet leverNr=5 setting=1.0");
    postMessage("leverMoved leverNr=-1 delta=0.5");
    postMessage("leverUp leverNr=99");
    postMessage("leverSet setting=1.0");
    postMessage("leverSet leverNr=2");
    EXPECT_TRUE(posted().empty());
    for (int i = 0; i < HUD_LEVERS; i++) EXPECT_FLOAT_EQ(hud().leverValue[i], 0.0f);
}
