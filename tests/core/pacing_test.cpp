#include "shell/pacing.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

// A fake clock: the game's frame loop run over a list of frame times.
struct Played {
    int frames = 0;
    int ticks = 0;
    int longestGap = 0;     // most frames in a row without a tick
    double tickedTime = 0;  // sum of the measured time handed to the ticks
};

Played play(const std::vector<float>& frameTimes) {
    FramePacer pacer = {};
    Played run;
    int gap = 0;
    for (float dt : frameTimes) {
        float tickDt = 0.0f;
        run.frames++;
        if (pacer_frame(&pacer, dt, &tickDt)) {
            run.ticks++;
            run.tickedTime += tickDt;
            gap = 0;
        } else {
            run.longestGap = std::max(run.longestGap, ++gap);
        }
    }
    return run;
}

std::vector<float> steady(double hz, double seconds) {
    return std::vector<float>((size_t)(hz * seconds), (float)(1.0 / hz));
}

// Frame times of a 60 Hz display whose frames are timed up to 2 ms early
// or late: the presents stay on the refresh grid, each reading jitters.
std::vector<float> sixtyWithJitteredReadings(double seconds, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-0.001, 0.001);
    std::vector<float> out;
    double last = 0.0;
    for (int i = 1; i <= (int)(60 * seconds); i++) {
        double now = i / 60.0 + jitter(random);
        out.push_back((float)(now - last));
        last = now;
    }
    return out;
}

// The same display where each frame itself runs up to 2 ms short or long.
std::vector<float> sixtyWithJitteredFrames(double seconds, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> jitter(-0.002, 0.002);
    std::vector<float> out;
    for (int i = 0; i < (int)(60 * seconds); i++)
        out.push_back((float)(1.0 / 60.0 + jitter(random)));
    return out;
}

}  // namespace

TEST(FramePacing, SixtyAndThirtyFramesASecondTickOnEveryFrame) {
    Played sixty = play(steady(60, 20));
    EXPECT_EQ(sixty.ticks, sixty.frames);
    Played thirty = play(steady(30, 20));
    EXPECT_EQ(thirty.ticks, thirty.frames);  // the game runs at half speed, as it always has
    EXPECT_NEAR(thirty.tickedTime, 20.0, 0.01);
}

TEST(FramePacing, SixtyHertzWithTwoMillisecondsOfJitterStillTicksEveryFrame) {
    for (unsigned seed = 1; seed <= 5; seed++) {
        Played readings = play(sixtyWithJitteredReadings(60, seed));
        EXPECT_EQ(readings.ticks, readings.frames) << seed;
        Played frames = play(sixtyWithJitteredFrames(60, seed));
        EXPECT_EQ(frames.ticks, frames.frames) << seed;
    }
}

TEST(FramePacing, FasterDisplaysTickSixtyTimesASecondAtMostOnceAFrame) {
    for (double hz : {120.0, 144.0, 240.0}) {
        Played run = play(steady(hz, 20));
        EXPECT_NEAR(run.ticks, 20 * 60, 2) << hz;
        EXPECT_LE(run.ticks, run.frames) << hz;
        EXPECT_NEAR(run.tickedTime, 20.0, 0.05) << hz;  // the end picture keeps its 4 s
    }
    EXPECT_EQ(play(steady(120, 20)).longestGap, 1);  // every other frame
}

TEST(FramePacing, AStallOrAStoppedClockNeverBringsABurstOfTicks) {
    std::vector<float> times = steady(144, 1);
    times.push_back(2.5f);  // the window was dragged
    std::vector<float> after = steady(144, 1);
    times.insert(times.end(), after.begin(), after.end());
    Played run = play(times);
    EXPECT_NEAR(run.ticks, 2 * 60 + 1, 2);
    // A clock that reports no time passing still lets the game run.
    Played stopped = play(std::vector<float>(100, 0.0f));
    EXPECT_EQ(stopped.ticks, 100);
}
