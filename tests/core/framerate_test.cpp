#include "render/framerate.h"

#include <gtest/gtest.h>

namespace {
const float TICK = 1.0f / 60.0f;

class FrameRateFigure : public ::testing::Test {
   protected:
    void SetUp() override { framerate_reset(); }
};
}  // namespace

TEST_F(FrameRateFigure, StallShowsZeroAndTimersGetOneTick) {
    EXPECT_FLOAT_EQ(framerate_measure(2.5f), TICK);
    EXPECT_EQ(frameRate().fps, 0);
    EXPECT_FLOAT_EQ(frameRate().smoothedFrameTime, TICK) << "a stall is not averaged in";
    EXPECT_FLOAT_EQ(framerate_measure(1.0f), TICK);
    EXPECT_EQ(frameRate().fps, 0);
}

TEST_F(FrameRateFigure, ZeroOrNegativeTimeCountsAsOneTick) {
    framerate_measure(1.0f / 30.0f);
    float before = frameRate().smoothedFrameTime;
    EXPECT_FLOAT_EQ(framerate_measure(0.0f), TICK);
    EXPECT_FLOAT_EQ(frameRate().smoothedFrameTime, 0.8f * before + 0.2f * TICK);
    EXPECT_FLOAT_EQ(framerate_measure(-0.5f), TICK);
    EXPECT_GT(frameRate().fps, 0);
}

TEST_F(FrameRateFigure, SteadyThirtyFramesSettlesAtThirty) {
    for (int i = 0; i < 100; i++) EXPECT_FLOAT_EQ(framerate_measure(1.0f / 30.0f), 1.0f / 30.0f);
    EXPECT_EQ(frameRate().fps, 30);
}
