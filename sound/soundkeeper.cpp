#include "sound/soundkeeper.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "sound/wavdb.h"

namespace {

const char* const SOURCE = "Game/soundkeeper";
const int COUNT_CHECK_LINE = 139;
const std::memory_order RELAXED = std::memory_order_relaxed;

const char* const SAMPLE_NAMES[SOUNDKEEPER_SAMPLES] = {
    "backupbeep", "cycle0",   "cycle1",   "cycle2",   "cycle3",   "cycle4",
    "cycle5",     "cycle6",   "cycle7",   "ratchet0", "ratchet1", "ratchet2",
    "ratchet3",   "ratchet4", "ratchet5", "ratchet6", "ratchet7", "servo"};

enum Lever { ROTATE, EXTEND, ELEVATE, BEND, GRAPPLE, LEVERS };

struct LeverTag {
    const char* tag;
    Lever lever;
};
// "bend" and "bucket" move the same hydraulics.
const LeverTag LEVER_TAGS[] = {{"rotate", ROTATE}, {"extend", EXTEND}, {"elevate", ELEVATE},
                               {"bend", BEND},     {"bucket", BEND},   {"grapple", GRAPPLE}};

// Throttle above which the engine runs at a random, busy rate.
const float BUSY_GRAIN_SHORTENING = 1200.0f;

float engineLevel = 0.0f;
float lastAccel = 0.0f;
bool leverHeld[LEVERS];
bool soundOn = false;
unsigned rngState = 1;

unsigned nextRandom() {
    rngState = rngState * 1103515245u + 12345u;
    return (rngState >> 16) & 0x7fff;
}

MixerShared& mix() { return mixer_shared(); }

void onAccel(const char* text) {
    float s = argFloat(text, "setting");
    if (lastAccel >= 0.0f && s < 0.0f) {  // starts reversing
        mix().beepPos.store(0, RELAXED);
        mix().beepOn.store(true, RELAXED);
    }
    if (lastAccel <= 0.0f && s >= 0.0f) mix().beepOn.store(false, RELAXED);
    lastAccel = s;
}

void onCraneControl(const char* text) {
    char tag[32];
    argString(text, "tag", tag, sizeof tag);
    float s = argFloat(text, "setting");
    for (const LeverTag& t : LEVER_TAGS) {
        if (strcmp(tag, t.tag) == 0) leverHeld[t.lever] = s != 0.0f;
    }
    bool any = false;
    for (bool held : leverHeld) any = any || held;
    mix().servoLoop.store(any, RELAXED);
}

void onCraneClick(const char*) {
    int next = (mix().ratchetIndex.load(RELAXED) + 1) % MIXER_RATCHETS;
    mix().ratchetIndex.store(next, RELAXED);
    mix().ratchetPos.store(0, RELAXED);
}

void onSoundOn(const char*) { soundOn = true; }

void onSoundOff(const char*) {
    soundOn = false;
    mix().servoLoop.store(false, RELAXED);
    mix().beepOn.store(false, RELAXED);
    mix().engineVolume.store(0.0f, RELAXED);
}

void onFrameTick(const char*) {
    if (!soundOn) return;
    engineLevel = 0.7f * engineLevel + 0.3f * lastAccel;
    float x = 1300.0f * std::fabs(engineLevel);
    if (x > BUSY_GRAIN_SHORTENING) x = 1100.0f + static_cast<float>(nextRandom() % 200);
    mix().grainPeriod.store(1600.0f - x, RELAXED);
    mix().engineVolume.store(0.7f * std::fabs(engineLevel) + 0.7f, RELAXED);
}

MixerSample lookup(const char* name) {
    MixerSample s = {nullptr, 0};
    wavdb_lookup(name, &s.length, &s.data);
    return s;
}

}  // namespace

void soundkeeper_registerListeners() {
    addListener("accelcontrol", onAccel);
    addListener("cranecontrol", onCraneControl);
    addListener("craneClick", onCraneClick);
    addListener("start", onSoundOn);
    addListener("restart", onSoundOn);
    addListener("resume", onSoundOn);
    addListener("pause", onSoundOff);
    addListener("success", onSoundOff);
    addListener("failure", onSoundOff);
    addListener("frametick", onFrameTick);
}

int soundkeeper_loadSamples(const char* module) {
    int numLoaded = wavdb_load(module, SAMPLE_NAMES, SOUNDKEEPER_SAMPLES);
    if (numLoaded != SOUNDKEEPER_SAMPLES) {
        // Short of samples the count check ends the program; looking each
        // one up first would only bury its line under one per missing name.
        mixer_setSamples(MixerSamples{});
        return numLoaded;
    }
    MixerSamples s;
    s.beep = lookup("backupbeep");
    s.servo = lookup("servo");
    char name[80];
    for (int i = 0; i < MIXER_GRAINS; i++) {
        format80(name, "cycle%d", i);
        s.cycle[i] = lookup(name);
    }
    for (int i = 0; i < MIXER_RATCHETS; i++) {
        format80(name, "ratchet%d", i);
        s.ratchet[i] = lookup(name);
    }
    if (s.servo.length > 0 && s.servo.length < SERVO_LOOP_END)
        logLine("ERR Wave 'servo' is %d values long, shorter than its loop.", s.servo.length);
    mixer_setSamples(s);
    return numLoaded;
}

void soundkeeper_reset() {
    engineLevel = 0.0f;
    lastAccel = 0.0f;
    for (bool& held : leverHeld) held = false;
    soundOn = false;
}

void soundkeeper_init() {
    soundkeeper_registerListeners();
    int numLoaded = soundkeeper_loadSamples("tonepack");
    if (numLoaded != SOUNDKEEPER_SAMPLES)
        assertFailed(SOURCE, COUNT_CHECK_LINE, "numLoaded == 18", false);
    soundkeeper_reset();
}

float soundkeeper_engineLevel() { return engineLevel; }
bool soundkeeper_soundOn() { return soundOn; }
void soundkeeper_seed(unsigned seed) { rngState = seed; }
