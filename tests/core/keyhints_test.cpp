#include "ui/keyhints.h"

#include <gtest/gtest.h>

#include <string>

#include "bus/bus.h"
#include "render/view.h"
#include "shell/gametick.h"
#include "tests/core/ui_recorder.h"
#include "ui/input.h"

using uitest::postedAs;

namespace {

class KeyHints : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        viewInit();
        input_init();
        viewLayout(1180, 720);
        uitest::listen({"leverMoved", "leverSet"});
        for (int i = 0; i < VIEWCOUNT; i++) viewVisible[i] = 0;
        viewVisible[VIEW_SCENE] = 1;
        postMessage("vehicleSwitch vehicle=truck");
    }
    void TearDown() override {
        game_setControlsUpdate(nullptr);
        view_setInputResetHooks(nullptr, nullptr);
        bus_reset();
    }
    static void drag(int view) {
        ViewRect r = viewRect(view);
        input_setPointer(r.x + r.w / 2, r.y + r.h / 2);
        pointerDown();
        input_setPointer(r.x + r.w / 2, r.y + r.h / 2 + 5);
        pointerMove();
        pointerUp();
    }
    static void padButton(int index) {
        float axes[GAMEPAD_AXES] = {};
        unsigned char buttons[GAMEPAD_BUTTONS] = {};
        buttons[index] = 1;
        gamepadPoll(axes, GAMEPAD_AXES, buttons, GAMEPAD_BUTTONS);
    }
};

}  // namespace

TEST_F(KeyHints, ShownBeforeAnyInputAndAfterKeys) {
    EXPECT_TRUE(keyhints_visible());
    keyEvent(KEY_Q, ACTION_PRESS);
    keyEvent(KEY_Q, ACTION_RELEASE);
    EXPECT_TRUE(keyhints_visible());
}

TEST_F(KeyHints, APointerDragOnAControlHidesThemUntilAKeyIsPressed) {
    for (int view : {(int)VIEW_LEVER0 + 2, (int)VIEW_STEERING, (int)VIEW_ACCELERATOR}) {
        SCOPED_TRACE(view);
        drag(view);
        EXPECT_FALSE(keyhints_visible());
        keyEvent(KEY_UP, ACTION_RELEASE);  // a key let go is not a key pressed
        EXPECT_FALSE(keyhints_visible());
        keyEvent(KEY_UP, ACTION_PRESS);
        EXPECT_TRUE(keyhints_visible());
    }
}

TEST_F(KeyHints, DraggingTheCameraLeavesThemShown) {
    drag(VIEW_SCENE);
    scroll(1.0);
    EXPECT_TRUE(keyhints_visible());
}

TEST_F(KeyHints, NeverInGamepadModeEvenAfterAKey) {
    padButton(0);
    EXPECT_FALSE(keyhints_visible());
    keyEvent(KEY_W, ACTION_PRESS);
    EXPECT_FALSE(keyhints_visible());
    viewLayout(1180, 720);  // a new layout leaves gamepad mode
    EXPECT_TRUE(keyhints_visible());
}

TEST_F(KeyHints, EachLeversKeysAreTheOnesThatMoveIt) {
    for (int lever = 0; lever < 5; lever++) {
        SCOPED_TRACE(lever);
        std::string up = keyhints_leverUpKey(lever), down = keyhints_leverDownKey(lever);
        ASSERT_EQ(up.size(), 1u);
        ASSERT_EQ(down.size(), 1u);
        for (const std::string& key : {up, down}) {
            uitest::posted().clear();
            keyEvent(key[0], ACTION_PRESS);
            inputUpdate(1.0f / 60.0f);
            keyEvent(key[0], ACTION_RELEASE);
            auto moves = postedAs("leverMoved");
            ASSERT_EQ(moves.size(), 1u);
            float delta = argFloat(moves[0].c_str(), "delta");
            EXPECT_EQ(argInt(moves[0].c_str(), "leverNr"), lever);
            EXPECT_EQ(delta > 0, key == up);
        }
    }
    EXPECT_STREQ(keyhints_leverUpKey(0), "Q");
    EXPECT_STREQ(keyhints_leverDownKey(0), "A");
    EXPECT_STREQ(keyhints_leverUpKey(5), "");
}
