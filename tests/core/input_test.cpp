#include "ui/input.h"

#include <gtest/gtest.h>

#include <string>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "tests/core/ui_recorder.h"
#include "ui/menu.h"

using uitest::posted;
using uitest::postedAs;

namespace {

const float TICK = 1.0f / 60.0f;

class Input : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        viewInit();
        input_init();
        viewLayout(1180, 720);
        menu().gamepadInUse = false;
        uitest::listen({"steer", "accelcontrol", "leverSet", "leverMoved", "leverUp",
                        "cycliccontrol", "cameraControl", "menuOption", "menuGraphic",
                        "settingsTouch", "pause", "nextTutorialStage", "nextAttachment",
                        "prevAttachment"});
        play("truck");
    }
    void TearDown() override {
        game_setControlsUpdate(nullptr);
        view_setInputResetHooks(nullptr, nullptr);
        bus_reset();
    }
    // Shows the game with the vehicle's controls, as a level start does.
    static void play(const char* vehicle) {
        for (int i = 0; i < VIEWCOUNT; i++) viewVisible[i] = 0;
        viewVisible[VIEW_PAUSE] = viewVisible[VIEW_SCENE] = 1;
        char text[80];
        format80(text, "vehicleSwitch vehicle=%s", vehicle);
        postMessage(text);
        posted().clear();
    }
    static void showMenu() {
        for (int i = 0; i < VIEWCOUNT; i++) viewVisible[i] = 0;
        viewVisible[VIEW_MENU_PICTURE] = viewVisible[VIEW_MENU_BUTTONS] = 1;
        posted().clear();
    }
    static void pointAt(int view, double fx, double fy) {
        ViewRect r = viewRect(view);
        input_setPointer(r.x + fx * r.w, r.y + fy * r.h);
    }
    static void pad(float axes[GAMEPAD_AXES], unsigned char buttons[GAMEPAD_BUTTONS]) {
        gamepadPoll(axes, GAMEPAD_AXES, buttons, GAMEPAD_BUTTONS);
    }
};

}  // namespace

TEST_F(Input, HoldingUpForFifteenTicksReachesFullThrottleAndReleaseStopsAtOnce) {
    keyEvent(KEY_UP, ACTION_PRESS);
    for (int i = 0; i < 15; i++) inputUpdate(TICK);
    EXPECT_NEAR(input().accelValue, 1.0f, 1e-5);
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=1.000000");
    keyEvent(KEY_UP, ACTION_RELEASE);
    EXPECT_EQ(input().accelValue, 0.0f);
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=0.000000");
}

TEST_F(Input, SteeringZoomAndAcceleratorArePostedEveryTick) {
    inputUpdate(TICK);
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("steer").size(), 2u);
    EXPECT_EQ(postedAs("accelcontrol").size(), 2u);
    EXPECT_EQ(postedAs("cameraControl").size(), 2u);
    EXPECT_EQ(postedAs("cameraControl")[0], "cameraControl distScale=1.000000");
}

TEST_F(Input, PlusAndMinusZoomFromTheKeypadAndTheMainRowAlike) {
    const struct {
        int key;
        const char* scale;
    } zooms[] = {{KEY_KP_SUBTRACT, "1.016667"},
                 {KEY_MINUS, "1.016667"},
                 {KEY_KP_ADD, "0.983333"},
                 {KEY_EQUAL, "0.983333"}};
    for (const auto& z : zooms) {
        keyEvent(z.key, ACTION_PRESS);
        inputUpdate(TICK);
        EXPECT_EQ(postedAs("cameraControl").back(),
                  std::string("cameraControl distScale=") + z.scale)
            << z.key;
        keyEvent(z.key, ACTION_RELEASE);
        inputUpdate(TICK);
        EXPECT_EQ(postedAs("cameraControl").back(), "cameraControl distScale=1.000000") << z.key;
    }
}

TEST_F(Input, AHeldWheelAndPedalKeepTheirValueTickAfterTick) {
    input_holdSteer(0.5f);
    input_holdAccel(2.0f);
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("steer").back(), "steer setting=0.500000");
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=1.000000");
    play("truck");
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("steer").back(), "steer setting=0.000000");
}

TEST_F(Input, LeverKeysMoveAtTwoThenFourUnitsPerSecondAndCentreOnRelease) {
    keyEvent(KEY_Q, ACTION_PRESS);
    inputUpdate(TICK);
    keyEvent(KEY_Q, ACTION_REPEAT);
    inputUpdate(TICK);
    auto moved = postedAs("leverMoved");
    ASSERT_EQ(moved.size(), 2u);
    EXPECT_EQ(moved[0], "leverMoved leverNr=0 delta=0.033333");
    EXPECT_EQ(moved[1], "leverMoved leverNr=0 delta=0.066667");
    keyEvent(KEY_Q, ACTION_RELEASE);
    EXPECT_EQ(postedAs("leverSet").back(), "leverSet leverNr=0 setting=0.000000");
    keyEvent(KEY_G, ACTION_PRESS);
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("leverMoved").back(), "leverMoved leverNr=4 delta=-0.033333");
}

TEST_F(Input, LeverKeyOfAnAbsentLeverPostsNothing) {
    play("dumpTruck");  // only lever 1
    keyEvent(KEY_Q, ACTION_PRESS);
    inputUpdate(TICK);
    keyEvent(KEY_Q, ACTION_RELEASE);
    EXPECT_TRUE(postedAs("leverMoved").empty());
    EXPECT_TRUE(postedAs("leverSet").empty());
    keyEvent(KEY_W, ACTION_PRESS);
    inputUpdate(TICK);
    EXPECT_EQ(postedAs("leverMoved").size(), 1u);
}

TEST_F(Input, ArrowsBrowseTheMenuAndEnterPlays) {
    showMenu();
    keyEvent(KEY_LEFT, ACTION_PRESS);
    keyEvent(KEY_RIGHT, ACTION_REPEAT);
    keyEvent(KEY_KP_6, ACTION_RELEASE);
    keyEvent(KEY_ENTER, ACTION_PRESS);
    keyEvent(KEY_SPACE, ACTION_RELEASE);
    auto options = postedAs("menuOption");
    ASSERT_EQ(options.size(), 3u);
    EXPECT_EQ(options[0], "menuOption index=0");
    EXPECT_EQ(options[1], "menuOption index=4");
    EXPECT_EQ(options[2], "menuOption index=2");
}

TEST_F(Input, EscapeOnTheTutorialActsAsEnter) {
    viewVisible[VIEW_TUTORIAL] = 1;
    keyEvent(KEY_ESCAPE, ACTION_PRESS);
    keyEvent(KEY_ESCAPE, ACTION_RELEASE);
    EXPECT_EQ(postedAs("nextTutorialStage").size(), 1u);
    EXPECT_FALSE(input().closeRequested);
}

TEST_F(Input, EverySpecialKeyAndSpaceAdvanceTheTutorialOnceAndArrowsSteerAfterIt) {
    const int F1 = 290, PAGE_DOWN = 267, KP_ENTER = 335;
    viewVisible[VIEW_TUTORIAL] = 1;
    for (int key : {F1, PAGE_DOWN, KP_ENTER, (int)KEY_LEFT, (int)KEY_ENTER, (int)KEY_SPACE}) {
        keyEvent(key, ACTION_PRESS);
        keyEvent(key, ACTION_RELEASE);
    }
    EXPECT_EQ(postedAs("nextTutorialStage").size(), 6u);
    EXPECT_TRUE(postedAs("menuOption").empty());
    inputUpdate(TICK);
    EXPECT_EQ(input().steerValue, 0.0f);  // the arrow only advanced the tutorial

    viewVisible[VIEW_TUTORIAL] = 0;
    posted().clear();
    keyEvent(KEY_LEFT, ACTION_PRESS);
    keyEvent(F1, ACTION_PRESS);
    inputUpdate(TICK);
    EXPECT_LT(input().steerValue, 0.0f);
    EXPECT_TRUE(postedAs("nextTutorialStage").empty());
    keyEvent(KEY_LEFT, ACTION_RELEASE);
}

TEST_F(Input, PointerOnMenuButtonsPicksTheFifthAndOnSettingsTheRowFromBelow) {
    showMenu();
    pointAt(VIEW_MENU_BUTTONS, 0.5, 0.5);
    pointerDown();
    pointerUp();
    pointAt(VIEW_MENU_BUTTONS, 1.0, 0.0);  // the right edge counts as inside
    pointerDown();
    pointerUp();
    pointAt(VIEW_MENU_PICTURE, 0.45, 0.5);
    pointerDown();
    pointerUp();
    viewVisible[VIEW_SETTINGS] = 1;
    pointAt(VIEW_SETTINGS, 0.5, 0.1);
    pointerDown();
    pointAt(VIEW_SETTINGS, 0.5, 1.0);
    pointerDown();
    EXPECT_EQ(postedAs("menuOption")[0], "menuOption index=2");
    EXPECT_EQ(postedAs("menuOption")[1], "menuOption index=4");
    EXPECT_EQ(postedAs("menuGraphic")[0], "menuGraphic index=2");
    auto touches = postedAs("settingsTouch");
    ASSERT_EQ(touches.size(), 2u);
    EXPECT_EQ(touches[0], "settingsTouch index=0");
    EXPECT_EQ(touches[1], "settingsTouch index=3");
}

TEST_F(Input, DraggingALeverPostsMovesAndReleasePostsUp) {
    ViewRect lever = viewRect(VIEW_LEVER0 + 2);
    pointAt(VIEW_LEVER0 + 2, 0.5, 0.5);
    pointerDown();
    input_setPointer(lever.x + 0.5 * lever.w, lever.y + 0.75 * lever.h);
    pointerMove();
    pointerUp();
    ASSERT_EQ(postedAs("leverMoved").size(), 1u);
    EXPECT_EQ(postedAs("leverMoved")[0], "leverMoved leverNr=2 delta=0.500000");
    EXPECT_EQ(postedAs("leverUp")[0], "leverUp leverNr=2");
}

TEST_F(Input, DraggingTheSceneOrbitsTheCameraAndScrollZooms) {
    ViewRect scene = viewRect(VIEW_SCENE);
    pointAt(VIEW_SCENE, 0.5, 0.5);
    pointerDown();
    input_setPointer(scene.x + 0.6 * scene.w, scene.y + 0.5 * scene.h);
    pointerMove();
    pointerUp();
    scroll(1.0);
    scroll(-1.0);
    auto camera = postedAs("cameraControl");
    ASSERT_EQ(camera.size(), 3u);
    EXPECT_EQ(camera[0], "cameraControl elevationDelta=-0.000000 orbitDelta=-0.700000");
    EXPECT_EQ(camera[1], "cameraControl distScale=0.970000");
    EXPECT_EQ(camera[2], "cameraControl distScale=1.030000");
    // The touch is gone after release: a second press is accepted again.
    pointerDown();
    pointerUp();
}

TEST_F(Input, ReleasingTheAcceleratorReturnsItToZeroButTheWheelStays) {
    pointAt(VIEW_ACCELERATOR, 0.5, 0.5);
    pointerDown();
    pointAt(VIEW_ACCELERATOR, 0.5, 0.75);
    pointerMove();
    EXPECT_FLOAT_EQ(input().accelValue, 0.5f);
    pointerUp();
    EXPECT_EQ(input().accelValue, 0.0f);
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=0");

    pointAt(VIEW_STEERING, 0.25, 0.5);
    pointerDown();
    pointAt(VIEW_STEERING, 0.25, 0.75);  // dragged up left of the centre
    pointerMove();
    pointerUp();
    EXPECT_FLOAT_EQ(input().steerValue, 0.5f);
}

TEST_F(Input, PauseButtonPostsPause) {
    pointAt(VIEW_PAUSE, 0.5, 0.5);
    pointerDown();
    EXPECT_EQ(postedAs("pause").size(), 1u);
}

TEST_F(Input, GamepadAxisThatRepeatsItsValuePostsOnce) {
    float axes[GAMEPAD_AXES] = {0, 0, 0, 0, 0.62f, 0};
    unsigned char buttons[GAMEPAD_BUTTONS] = {};
    pad(axes, buttons);
    pad(axes, buttons);
    auto sets = postedAs("leverSet");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], "leverSet leverNr=0 setting=0.500000");  // (0.62 - 0.24) / 0.76
    EXPECT_TRUE(input().gamepadMode);
    EXPECT_TRUE(menu().gamepadInUse);
}

TEST_F(Input, GamepadDeadZoneAndTruckStickCurve) {
    EXPECT_EQ(gamepadDeadZone(0.2399f), 0.0f);
    EXPECT_EQ(gamepadDeadZone(-0.2399f), 0.0f);
    EXPECT_FLOAT_EQ(gamepadDeadZone(1.0f), 1.0f);
    EXPECT_FLOAT_EQ(gamepadDeadZone(-0.62f), -0.5f);
    EXPECT_EQ(truckStickCurve(0.1f), 0.0f);
    EXPECT_FLOAT_EQ(truckStickCurve(0.32f), 0.4f);
    EXPECT_FLOAT_EQ(truckStickCurve(-0.9f), -1.0f);
}

TEST_F(Input, BothTruckTriggersTheOnePressedFurtherDrivesTheExtension) {
    float axes[GAMEPAD_AXES] = {};
    unsigned char buttons[GAMEPAD_BUTTONS] = {};
    axes[5] = 1.0f;  // RT full
    pad(axes, buttons);
    axes[2] = 0.62f;  // LT half: RT stays in charge
    pad(axes, buttons);
    auto sets = postedAs("leverSet");
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], "leverSet leverNr=3 setting=1.000000");
    axes[2] = 1.0f;  // LT as far as RT: the one that moved last wins
    pad(axes, buttons);
    EXPECT_EQ(postedAs("leverSet").back(), "leverSet leverNr=3 setting=-1.000000");
}

TEST_F(Input, GamepadSticksDriveTheTruckThroughTheCurve) {
    float axes[GAMEPAD_AXES] = {};
    unsigned char buttons[GAMEPAD_BUTTONS] = {};
    axes[0] = 0.32f;
    axes[1] = -1.0f;
    pad(axes, buttons);
    EXPECT_EQ(postedAs("steer").back(), "steer setting=0.400000");
    EXPECT_EQ(postedAs("accelcontrol").back(), "accelcontrol setting=1.000000");
}

TEST_F(Input, ShoulderButtonTurnsTheSticksIntoCameraControls) {
    float axes[GAMEPAD_AXES] = {};
    unsigned char buttons[GAMEPAD_BUTTONS] = {};
    buttons[4] = 1;  // L1
    pad(axes, buttons);
    EXPECT_TRUE(input().cameraMode);
    axes[4] = 1.0f;  // RX
    pad(axes, buttons);
    EXPECT_TRUE(postedAs("leverSet").empty());
    posted().clear();
    inputUpdate(0.5f);
    auto camera = postedAs("cameraControl");
    ASSERT_EQ(camera.size(), 2u);
    EXPECT_EQ(camera[0], "cameraControl elevationDelta=0.000000 orbitDelta=-1.000000");
    EXPECT_TRUE(postedAs("steer").empty());
    viewLayout(800, 600);  // a resize forgets the pad and the camera rates
    EXPECT_FALSE(input().gamepadMode);
    EXPECT_EQ(input().orbitRate, 0.0f);
}

TEST_F(Input, GamepadButtonsInTheMenuAndOnTheTutorial) {
    showMenu();
    float axes[GAMEPAD_AXES] = {};
    unsigned char buttons[GAMEPAD_BUTTONS] = {};
    buttons[7] = 1;   // START
    buttons[13] = 1;  // DPAD-L
    buttons[5] = 1;   // R1
    pad(axes, buttons);
    buttons[7] = buttons[13] = buttons[5] = 0;
    pad(axes, buttons);  // releases post nothing
    auto options = postedAs("menuOption");
    ASSERT_EQ(options.size(), 2u);
    // Buttons are read in index order: START (7) before DPAD-L (13).
    EXPECT_EQ(options[0], "menuOption index=2");
    EXPECT_EQ(options[1], "menuOption index=0");
    EXPECT_EQ(postedAs("nextAttachment").size(), 1u);

    play("truck");
    viewVisible[VIEW_TUTORIAL] = 1;
    buttons[1] = 1;   // B
    buttons[10] = 1;  // DPAD-U is no "BUT-" button
    pad(axes, buttons);
    EXPECT_EQ(postedAs("nextTutorialStage").size(), 1u);
    EXPECT_TRUE(postedAs("leverSet").empty());
}

TEST_F(Input, VehicleSwitchCentresTheDrivingControls) {
    keyEvent(KEY_UP, ACTION_PRESS);
    keyEvent(KEY_RIGHT, ACTION_PRESS);
    inputUpdate(TICK);
    EXPECT_GT(input().accelValue, 0.0f);
    postMessage("vehicleSwitch vehicle=skyCrane");
    EXPECT_EQ(input().accelValue, 0.0f);
    EXPECT_EQ(input().steerValue, 0.0f);
    EXPECT_STREQ(input().currentVehicle, "skyCrane");
}
