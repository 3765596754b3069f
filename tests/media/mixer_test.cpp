#include "sound/mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "sound/audiostream.h"
#include "sound/soundkeeper.h"

namespace {

const short BEEP[6] = {1000, 1001, 2000, 2001, 3000, 3001};
short ratchets[MIXER_RATCHETS][4];
const int SERVO_FRAMES = 4000;
short servo[2 * SERVO_FRAMES];  // left: frame number + 1, right: 0

class Mixer : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        soundkeeper_registerListeners();
        soundkeeper_reset();
        soundkeeper_seed(1);
        mixer_resetAll();
        mixer_seed(1);
        for (int k = 0; k < MIXER_RATCHETS; k++) {
            ratchets[k][0] = 1000 + k;
            ratchets[k][1] = -(1000 + k);
            ratchets[k][2] = ratchets[k][3] = 7;
        }
        for (int f = 0; f < SERVO_FRAMES; f++) {
            servo[2 * f] = f + 1;
            servo[2 * f + 1] = 0;
        }
        samples = MixerSamples{};
        samples.beep = {BEEP, 6};
        samples.servo = {servo, 2 * SERVO_FRAMES};
        for (int k = 0; k < MIXER_RATCHETS; k++) samples.ratchet[k] = {ratchets[k], 4};
        mixer_setSamples(samples);
    }
    void TearDown() override {
        bus_reset();
        mixer_setSamples(MixerSamples{});
        mixer_resetAll();
    }
    std::vector<short> render(int frames) {
        std::vector<short> out(2 * frames);
        mixer_render(out.data(), frames);
        return out;
    }
    static std::vector<short> left(const std::vector<short>& stereo) {
        std::vector<short> l;
        for (size_t i = 0; i < stereo.size(); i += 2) l.push_back(stereo[i]);
        return l;
    }
    MixerSamples samples;
};

}  // namespace

TEST_F(Mixer, BeepStartsFromItsBeginningWhenReversingAndStopsAtZero) {
    postMessage("accelcontrol setting=0.0");
    EXPECT_EQ(left(render(2)), (std::vector<short>{0, 0}));
    postMessage("accelcontrol setting=-0.4");
    EXPECT_EQ(render(4), (std::vector<short>{1000, 1001, 2000, 2001, 3000, 3001, 1000, 1001}));
    postMessage("accelcontrol setting=-0.8");  // still reversing: no restart
    EXPECT_EQ(left(render(1)), std::vector<short>{2000});
    postMessage("accelcontrol setting=0.0");
    EXPECT_EQ(left(render(3)), (std::vector<short>{0, 0, 0}));
    postMessage("accelcontrol setting=0.5");
    postMessage("accelcontrol setting=-0.5");  // straight from forward to reverse
    EXPECT_EQ(left(render(2)), (std::vector<short>{1000, 2000}));
    postMessage("accelcontrol setting=0.5");
    EXPECT_EQ(left(render(1)), std::vector<short>{0});
}

TEST_F(Mixer, EightClicksPlayRatchetOneToSevenThenZeroEachOnce) {
    for (int i = 1; i <= 8; i++) {
        postMessage("craneClick");
        std::vector<short> out = render(3);
        int k = i % MIXER_RATCHETS;
        EXPECT_EQ(out, (std::vector<short>{short(1000 + k), short(-1000 - k), 7, 7, 0, 0}))
            << "click " << i;
    }
}

TEST_F(Mixer, ServoLoopsItsMiddleWhileHeldAndPlaysOutOnRelease) {
    postMessage("cranecontrol tag=elevate setting=0.0005");  // barely off centre still counts
    std::vector<short> held = left(render(1 + 3628 + 1004 + 1));
    EXPECT_EQ(held[0], 0);  // the first frame rewinds the finished servo
    for (int f = 1; f <= 3628; f++) ASSERT_EQ(held[f], f) << f;
    EXPECT_EQ(held[3629], 2625);  // back to value 5248 (frame 2624)
    EXPECT_EQ(held[3629 + 1003], 3628);
    EXPECT_EQ(held[3629 + 1004], 2625);  // and around again

    postMessage("cranecontrol tag=elevate setting=0.0");
    std::vector<short> tail = left(render(SERVO_FRAMES));
    EXPECT_EQ(tail[0], 2626);
    auto last = std::find(tail.begin(), tail.end(), SERVO_FRAMES);
    ASSERT_NE(last, tail.end());  // played to the very end...
    EXPECT_TRUE(std::all_of(last + 1, tail.end(), [](short v) { return v == 0; }));  // ...once
}

TEST_F(Mixer, LeverFlagsAreOredAndBendIsSharedWithBucket) {
    MixerShared& m = mixer_shared();
    postMessage("cranecontrol tag=rotate setting=0.3");
    postMessage("cranecontrol tag=grapple setting=-1.0");
    postMessage("cranecontrol tag=rotate setting=0.0");
    EXPECT_TRUE(m.servoLoop.load());
    postMessage("cranecontrol tag=grapple setting=0.0");
    EXPECT_FALSE(m.servoLoop.load());
    postMessage("cranecontrol tag=bend setting=0.5");
    postMessage("cranecontrol tag=left setting=0.0");  // not a hydraulic lever
    EXPECT_TRUE(m.servoLoop.load());
    postMessage("cranecontrol tag=bucket setting=0.0");
    EXPECT_FALSE(m.servoLoop.load());
    postMessage("cranecontrol tag=right setting=1.0");
    EXPECT_FALSE(m.servoLoop.load());
}

TEST_F(Mixer, MixedOutputIsClampedNotWrapped) {
    short loud[2] = {30000, -30000};
    samples.beep = {loud, 2};
    for (auto& r : samples.ratchet) r = {loud, 2};
    mixer_setSamples(samples);
    postMessage("accelcontrol setting=-1.0");
    postMessage("craneClick");
    EXPECT_EQ(render(1), (std::vector<short>{32767, -32768}));
}

TEST_F(Mixer, GrainsStartEveryFlooredPeriodPlusOneFramesAlternatingSides) {
    short grain[1] = {1001};
    for (auto& g : samples.cycle) g = {grain, 1};
    mixer_setSamples(samples);
    mixer_shared().grainPeriod.store(950.5f);
    mixer_shared().engineVolume.store(0.7f);
    mixer_resetEngine();
    std::vector<short> out = render(5 * 951 + 10);
    std::vector<int> starts;
    for (size_t f = 0; f < out.size() / 2; f++)
        if (out[2 * f] || out[2 * f + 1]) starts.push_back(int(f));
    ASSERT_EQ(starts.size(), 5u);
    for (size_t i = 1; i < starts.size(); i++) EXPECT_EQ(starts[i] - starts[i - 1], 951);
    // Voices 0..4 sit left, right, left, left, right; the far side gets half,
    // each truncated towards zero (1001 x 0.7 = 700.7, x 0.5 = 350.35).
    const bool onLeft[5] = {true, false, true, true, false};
    for (int i = 0; i < 5; i++) {
        short l = out[2 * starts[i]], r = out[2 * starts[i] + 1];
        EXPECT_EQ(onLeft[i] ? l : r, 700) << "voice " << i;
        EXPECT_EQ(onLeft[i] ? r : l, 350) << "voice " << i;
    }
}

TEST_F(Mixer, EngineRateAndVolumeFollowTheThrottle) {
    MixerShared& m = mixer_shared();
    postMessage("frametick");
    EXPECT_FLOAT_EQ(m.grainPeriod.load(), 1600.0f);  // ignored before "start"
    postMessage("start nr=0 name=parkinglot");
    postMessage("accelcontrol setting=0.5");
    for (int i = 0; i < 120; i++) postMessage("frametick");
    EXPECT_NEAR(m.grainPeriod.load(), 950.0f, 0.01f);
    EXPECT_NEAR(m.engineVolume.load(), 1.05f, 1e-4f);

    postMessage("accelcontrol setting=1.0");
    for (int i = 0; i < 60; i++) postMessage("frametick");
    std::set<float> periods;
    for (int i = 0; i < 300; i++) {
        postMessage("frametick");
        float p = m.grainPeriod.load();
        ASSERT_GE(p, 301.0f);
        ASSERT_LE(p, 500.0f);
        periods.insert(p);
    }
    EXPECT_GT(periods.size(), 50u);  // random, not stuck
}

TEST_F(Mixer, PauseSilencesEngineBeepAndServoButStartedClicksPlayOut) {
    MixerShared& m = mixer_shared();
    postMessage("start nr=0 name=parkinglot");
    postMessage("accelcontrol setting=-0.5");
    postMessage("cranecontrol tag=extend setting=1.0");
    postMessage("frametick");
    postMessage("craneClick");
    postMessage("pause");
    EXPECT_FALSE(m.beepOn.load());
    EXPECT_FALSE(m.servoLoop.load());
    EXPECT_EQ(m.engineVolume.load(), 0.0f);
    postMessage("frametick");  // no engine update while paused
    EXPECT_EQ(m.engineVolume.load(), 0.0f);
    EXPECT_EQ(left(render(1)), std::vector<short>{1001});  // ratchet 1
    postMessage("resume");
    postMessage("frametick");
    EXPECT_GT(m.engineVolume.load(), 0.7f);
}

TEST_F(Mixer, StreamCallbackMixesIntoTheBufferAndContinues) {
    postMessage("accelcontrol setting=-1.0");
    short buffer[2 * 128];
    std::fill(buffer, buffer + 256, short(-1));
    EXPECT_EQ(sound_streamCallback(nullptr, buffer, 128, nullptr, 0, nullptr), 0);  // paContinue
    EXPECT_EQ(buffer[0], 1000);
    EXPECT_EQ(buffer[255], 2001);  // frame 127 plays beep frame 127 % 3 = 1
}

TEST(AudioStream, WithoutADeviceTheFailureIsPrintedAndPlayGoesOn) {
    testing::internal::CaptureStdout();
    sound_open();
    bool opened = sound_isOpen();
    sound_close();
    std::string out = testing::internal::GetCapturedStdout();
    if (!opened) {
        EXPECT_EQ(out.rfind("ERR Pa", 0), 0u) << out;
    }
    EXPECT_FALSE(sound_isOpen());
    sound_close();  // closing twice is harmless
}
