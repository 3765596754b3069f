#include <gtest/gtest.h>

#include <string>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "tests/core/ui_recorder.h"
#include "tools/sim/player.h"
#include "tools/sim/script.h"
#include "ui/input.h"

using uitest::posted;
using uitest::postedAs;

namespace {

std::string refusal(const std::string& text) {
    std::string why;
    return player_allowed(text, &why) ? "" : why;
}

TEST(PlayerInput, EveryControlAPlayerHasIsAccepted) {
    for (const char* line :
         {"steer setting=-1", "accelcontrol setting=0.4", "cycliccontrol x=0.5 y=-0.25",
          "leverSet leverNr=4 setting=1.000000", "leverMoved leverNr=0 delta=-0.033333",
          "leverUp leverNr=2", "cameraControl distScale=1.03",
          "cameraControl elevationDelta=0.1 orbitDelta=-0.2", "key Q down", "key G up",
          "key up down", "key dn up", "key le down", "key ri down", "key + down", "key - up",
          "key space down", "key enter up", "key escape down"})
        EXPECT_EQ(refusal(line), "") << line;
}

TEST(PlayerInput, MessagesOnlyTheGameItselfPostsAreRefused) {
    for (const char* line : {"endGame win=1 level=5", "cranecontrol tag=elevate setting=1",
                             "vehicleSwitch vehicle=truck", "frametick", "start nr=3 name=x",
                             "pause", "menuOption index=2"})
        EXPECT_NE(refusal(line).find("not something a player's input posts"), std::string::npos)
            << line;
}

TEST(PlayerInput, ValuesNoControlCanReachAreRefused) {
    EXPECT_NE(refusal("steer setting=1.5"), "");
    EXPECT_NE(refusal("accelcontrol setting=-1.01"), "");
    EXPECT_NE(refusal("leverSet leverNr=5 setting=0"), "");
    EXPECT_NE(refusal("leverSet leverNr=-1 setting=0"), "");
    EXPECT_NE(refusal("leverMoved leverNr=1 delta=nan"), "");
    EXPECT_NE(refusal("leverMoved leverNr=1 delta=inf"), "");
    EXPECT_NE(refusal("cameraControl distScale=0"), "");
    EXPECT_NE(refusal("cycliccontrol x=2 y=0"), "");
}

TEST(PlayerInput, MalformedArgumentsAreRefused) {
    EXPECT_NE(refusal("steer"), "");  // a bare name would reach the vehicles without a value
    EXPECT_NE(refusal("steer setting="), "");
    EXPECT_NE(refusal("steer setting=abc"), "");
    EXPECT_NE(refusal("steer setting=0.5 extra=1"), "");
    EXPECT_NE(refusal("leverSet setting=1 leverNr=0"), "");
    EXPECT_NE(refusal("cycliccontrol x=0.5"), "");
    EXPECT_NE(refusal("steer\tsetting=1"), "");
}

TEST(PlayerInput, KeyLinesNameATableKeyAndDownOrUp) {
    EXPECT_NE(refusal("key q down").find("no key 'q'"), std::string::npos);
    EXPECT_NE(refusal("key X down"), "");
    EXPECT_NE(refusal("key up pressed"), "");
    EXPECT_NE(refusal("key up"), "");
    EXPECT_NE(refusal("key up down now"), "");
}

class PlayerKeys : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        viewInit();
        input_init();
        viewLayout(1180, 720);
        uitest::listen({"steer", "accelcontrol", "leverSet", "leverMoved"});
        for (int i = 0; i < VIEWCOUNT; i++) viewVisible[i] = 0;
        viewVisible[VIEW_PAUSE] = viewVisible[VIEW_SCENE] = 1;
        postMessage("vehicleSwitch vehicle=truck");
        player_init();
        posted().clear();
    }
    void TearDown() override {
        game_setControlsUpdate(nullptr);
        view_setInputResetHooks(nullptr, nullptr);
        bus_reset();
    }
    static void ticks(int n) {
        for (int i = 0; i < n; i++) inputUpdate(1.0f / 60.0f);
    }
};

TEST_F(PlayerKeys, LeverKeysGoThroughTheKeyboardMapping) {
    player_post("key Q down");
    ticks(1);
    ASSERT_EQ(postedAs("leverMoved").size(), 1u);
    EXPECT_EQ(postedAs("leverMoved")[0], "leverMoved leverNr=0 delta=0.033333");
    player_post("key Q up");
    EXPECT_EQ(postedAs("leverSet").back(), "leverSet leverNr=0 setting=0.000000");
}

TEST_F(PlayerKeys, ArrowKeysRampThePedalAsHeldKeysDo) {
    player_post("key up down");
    ticks(15);
    EXPECT_FLOAT_EQ(input().accelValue, 1.0f);
    player_post("key up up");
    EXPECT_EQ(input().accelValue, 0.0f);
}

TEST_F(PlayerKeys, ScriptedWheelAndPedalStayWhereTheHandPutThem) {
    player_post("steer setting=0.5");
    player_post("accelcontrol setting=-0.25");
    ticks(3);
    EXPECT_EQ(postedAs("steer").back(), "steer setting=0.500000");
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=-0.250000");
}

TEST_F(PlayerKeys, AHeldWheelAndPedalStayHeldThroughAVehicleSwitch) {
    player_post("steer setting=0.5");
    player_post("accelcontrol setting=-0.25");
    postMessage("vehicleSwitch vehicle=dumpTruck");
    EXPECT_EQ(input().steerValue, 0.5f);
    EXPECT_EQ(input().accelValue, -0.25f);
    ticks(1);
    EXPECT_EQ(postedAs("steer").back(), "steer setting=0.500000");
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=-0.250000");
}

TEST_F(PlayerKeys, ASteeringOrPedalKeyTakesOverFromTheHand) {
    player_post("steer setting=0.5");
    player_post("accelcontrol setting=0.5");
    player_post("key le down");
    player_post("key le up");
    postMessage("vehicleSwitch vehicle=truck");
    EXPECT_EQ(input().steerValue, 0.0f);
    EXPECT_EQ(input().accelValue, 0.5f);  // the pedal is still in the hand
    player_post("key dn down");
    player_post("key dn up");
    postMessage("vehicleSwitch vehicle=truck");
    EXPECT_EQ(input().accelValue, 0.0f);
}

TEST(SimScript, LinesKeepTheirNumberAndRunInTickOrder) {
    Script s = script_parse("# header\n5 steer setting=1\n\n3 key up down\n3 key up up\n");
    ASSERT_EQ(s.errorLine, 0);
    ASSERT_EQ(s.lines.size(), 3u);
    EXPECT_EQ(s.lines[0].number, 4);
    EXPECT_EQ(s.lines[1].text, "key up up");
    EXPECT_EQ(s.lines[2].number, 2);
}

TEST(SimScript, ATabAnywhereInALineIsAnError) {
    Script s = script_parse("0 steer setting=1\n1\tsteer setting=0\n");
    EXPECT_EQ(s.errorLine, 2);
    EXPECT_NE(s.error.find("tab"), std::string::npos);
    EXPECT_EQ(script_parse("2 steer\tsetting=0\n").errorLine, 1);
    EXPECT_EQ(script_parse("#\tcomments may hold tabs\n").errorLine, 0);
}

}  // namespace
