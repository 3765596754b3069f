#include "ui/tutorial.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "bus/bus.h"
#include "render/txdb.h"
#include "tests/core/ui_recorder.h"
#include "ui/menu.h"
#include "ui/textlines.h"

using uitest::posted;
using uitest::postedAs;

namespace {

const float TICK = 1.0f / 60.0f;

class Tutorial : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        tutorial_reset();
        menu().gamepadInUse = false;
        initTutorial(1200, 600);
        uitest::listen({"accelcontrol", "steer", "cameraControl"});
    }
    void TearDown() override {
        menu().gamepadInUse = false;
        bus_reset();
    }
    bool frame(float dt = TICK) {
        bool done = tutorial_frame(dt, images, &imageCount);
        return done;
    }
    static void toStage(int stage) {
        for (int i = tutorial().stage; i < stage; i++) postMessage("nextTutorialStage");
    }
    OverlayImage images[TUTORIAL_MAX_IMAGES];
    int imageCount = 0;
};

}  // namespace

TEST_F(Tutorial, StageChangeStopsTheDrivingDemonstration) {
    toStage(3);
    for (int i = 0; i < 20; i++) frame();
    EXPECT_NE(postedAs("accelcontrol").back(), "accelcontrol setting=0.0");
    posted().clear();
    postMessage("nextTutorialStage");
    ASSERT_FALSE(posted().empty());
    EXPECT_EQ(posted()[0], "accelcontrol setting=0.0");
    EXPECT_EQ(tutorial().stage, 4);
    EXPECT_EQ(tutorial().stageTime, 0.0f);
    frame();
    EXPECT_EQ(postedAs("steer").size(), 1u);
}

TEST_F(Tutorial, DrivingDemonstrationReversesAboutEverySecond) {
    toStage(3);
    int reversals = 0;
    int lastReversal = 0;
    bool direction = tutorial().reverseDemo;
    std::vector<int> gaps;
    for (int i = 1; i <= 60 * 5; i++) {
        frame();
        if (tutorial().reverseDemo != direction) {
            direction = tutorial().reverseDemo;
            if (reversals++) gaps.push_back(i - lastReversal);
            lastReversal = i;
        }
    }
    EXPECT_GE(reversals, 4);
    for (int gap : gaps) EXPECT_NEAR(gap * TICK, M_PI / 3.0, 2 * TICK);
    // Forward pulses are positive, backward pulses negative.
    float setting = strtof(postedAs("accelcontrol").back().c_str() + 21, nullptr);
    EXPECT_EQ(setting < 0.0f, tutorial().reverseDemo);
}

TEST_F(Tutorial, DirectionSurvivesAStageChange) {
    toStage(3);
    for (int i = 0; i < 70; i++) frame();
    ASSERT_TRUE(tutorial().reverseDemo);
    postMessage("nextTutorialStage");
    postMessage("nextTutorialStage");
    EXPECT_TRUE(tutorial().reverseDemo);
}

TEST_F(Tutorial, StagesPrintTheirTextAndEndAfterTheFifth) {
    frame();  // 0.01 cos 4t, one tick in
    EXPECT_STREQ(text_line(1), "YOU CAN  DRAG  HORIZONTALLY TO  MAKE");
    EXPECT_EQ(postedAs("cameraControl")[0], "cameraControl orbitDelta=0.009978");
    toStage(2);
    frame();
    EXPECT_STREQ(text_line(2), "ZOOM IN AND OUT:");
    toStage(5);
    EXPECT_TRUE(frame());
    EXPECT_EQ(tutorial().stage, 0);
    EXPECT_STREQ(text_line(1), "");
}

TEST_F(Tutorial, OverlayFollowsTheAspectRatio) {
    frame();
    // 1200 x 600: the bubble row is 0.26667 high, the hand's 0.2.
    ASSERT_EQ(imageCount, 2);
    EXPECT_STREQ(images[0].name, "infobubble");
    EXPECT_NEAR(images[0].rowY, 0.26667f, 1e-4);
    EXPECT_NEAR(images[0].y, 0.26667f - 1.0f, 1e-4);
    EXPECT_STREQ(images[1].name, "handr");
    EXPECT_NEAR(images[1].rowY, 0.2f, 1e-6);
}

TEST_F(Tutorial, WithAGamepadThePadIsShownInsteadOfTheHand) {
    menu().gamepadInUse = true;
    frame();
    ASSERT_EQ(imageCount, 2);
    EXPECT_STREQ(images[1].name, "tutouyacamera");
    EXPECT_STREQ(text_line(3), "HOLDING L1 TO MAKE THE CAMERA ORBIT:");
    toStage(3);
    frame();
    EXPECT_STREQ(images[1].name, "tutouyadrive");
}

TEST(TutorialHand, StartUpLoadsTheHandAloneFromGuidepack) {
    txdb_clear();
    testing::internal::CaptureStdout();
    tutorial_loadHand();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(txdb_size(), 1);
    EXPECT_NE(txdb_texture("handr"), 0u);
    txdb_clear();
}
