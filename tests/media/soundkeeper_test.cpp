#include "sound/soundkeeper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "bus/diag.h"
#include "sound/mixer.h"
#include "sound/wavdb.h"

namespace {

std::vector<std::string> asserts;
void recordAssert(const char* source, int line, const char* expression) {
    asserts.push_back(std::string(source) + "(" + std::to_string(line) + "): " + expression);
}

class SoundKeeper : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        wavdb_clear();
        mixer_resetAll();
        asserts.clear();
        oldHook = setAssertHook(recordAssert);
    }
    void TearDown() override {
        setAssertHook(oldHook);
        bus_reset();
        wavdb_clear();
        mixer_setSamples(MixerSamples{});
        mixer_resetAll();
    }
    AssertHook oldHook = nullptr;
};

double rms(const std::vector<short>& v) {
    double sum = 0;
    for (short s : v) sum += double(s) * s;
    return std::sqrt(sum / v.size());
}

// Plays 'seconds' of game ticks through the keeper and the mixer.
std::vector<short> play(double seconds) {
    std::vector<short> out;
    long done = 0;
    for (int tick = 0; tick < seconds * 60; tick++) {
        postMessage("frametick");
        long end = long(tick + 1) * MIXER_RATE / 60;
        size_t at = out.size();
        out.resize(at + 2 * (end - done));
        mixer_render(out.data() + at, end - done);
        done = end;
    }
    return out;
}

}  // namespace

TEST_F(SoundKeeper, InitLoadsAllEighteenSamplesFromTonepack) {
    testing::internal::CaptureStdout();
    soundkeeper_init();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_TRUE(asserts.empty()) << out;
    EXPECT_EQ(wavdb_size(), SOUNDKEEPER_SAMPLES);
    EXPECT_FALSE(soundkeeper_soundOn());
    EXPECT_GT(bus_listenerCount(), 0);
}

TEST_F(SoundKeeper, MissingModuleFailsTheSampleCountCheck) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(soundkeeper_loadSamples("nosuchpack"), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Could not load nosuchpack\n"), 0u);
    // With nothing stored the mixer plays silence rather than stale pointers.
    soundkeeper_registerListeners();
    postMessage("accelcontrol setting=-1.0");
    postMessage("craneClick");
    std::vector<short> buffer(256, 1);
    mixer_render(buffer.data(), 128);
    EXPECT_EQ(rms(buffer), 0.0);
}

TEST_F(SoundKeeper, ShortOfSamplesNothingIsLookedUpBeforeTheCountCheck) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(soundkeeper_loadSamples("nosuchpack"), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Could not load nosuchpack\n");
    // A module without the keeper's samples: each missing export is reported
    // once, by the load, and nothing is looked up.
    testing::internal::CaptureStdout();
    EXPECT_EQ(soundkeeper_loadSamples("testpack"), 0);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("ERR Wave"), std::string::npos) << out;
    EXPECT_NE(out.find("ERR Could not get symbol servo_dat from testpack\n"), std::string::npos);
}

TEST_F(SoundKeeper, FullThrottleEngineIsLouderThanIdle) {
    soundkeeper_registerListeners();
    ASSERT_EQ(soundkeeper_loadSamples("tonepack"), SOUNDKEEPER_SAMPLES);
    soundkeeper_reset();
    mixer_seed(7);
    soundkeeper_seed(7);
    postMessage("start nr=0 name=parkinglot");
    play(1.0);
    double idle = rms(play(3.0));
    postMessage("accelcontrol setting=1.0");
    play(1.0);
    double full = rms(play(3.0));
    EXPECT_GT(idle, 300.0);
    EXPECT_GT(full, 1.8 * idle);
    EXPECT_LT(full, 12000.0);  // well clear of clipping
}
