#include "sound/mixer.h"

#include <climits>

namespace {

static_assert(std::atomic<float>::is_always_lock_free, "mixer needs lock-free floats");
static_assert(std::atomic<int>::is_always_lock_free, "mixer needs lock-free ints");

const std::memory_order RELAXED = std::memory_order_relaxed;

enum Side { LEFT, RIGHT };
const Side VOICE_SIDE[MIXER_VOICES] = {LEFT, RIGHT, LEFT, LEFT, RIGHT, LEFT, RIGHT, RIGHT};

const short SILENCE[2] = {0, 0};

MixerShared shared;
MixerSamples samples = {
    {SILENCE, 0},
    {SILENCE, 0},
    {{SILENCE, 0}},
    {{SILENCE, 0}},
};

// Engine voices and the grain clock belong to the audio thread alone; the
// stream is closed whenever anything else resets them.
int voiceGrain[MIXER_VOICES];
int voicePos[MIXER_VOICES] = {VOICE_FINISHED, VOICE_FINISHED, VOICE_FINISHED, VOICE_FINISHED,
                              VOICE_FINISHED, VOICE_FINISHED, VOICE_FINISHED, VOICE_FINISHED};
int nextVoice = 0;
float grainCountdown = 1600.0f;
unsigned rngState = 1;

// A small linear congruential generator: lock-free, unlike rand().
unsigned nextRandom() {
    rngState = rngState * 1103515245u + 12345u;
    return (rngState >> 16) & 0x7fff;
}

int clamp16(int v) { return v < SHRT_MIN ? SHRT_MIN : (v > SHRT_MAX ? SHRT_MAX : v); }

MixerSample sanitized(MixerSample s, int maxLength) {
    if (!s.data || s.length <= 0) return {SILENCE, 0};
    if (s.length > maxLength) s.length = maxLength;
    return s;
}

void mixEngine(int& left, int& right, float volume) {
    for (int v = 0; v < MIXER_VOICES; v++) {
        const MixerSample& grain = samples.cycle[voiceGrain[v]];
        if (voicePos[v] >= grain.length) continue;
        float s = grain.data[voicePos[v]];
        int& own = VOICE_SIDE[v] == LEFT ? left : right;
        int& other = VOICE_SIDE[v] == LEFT ? right : left;
        own = static_cast<int>(own + s * volume);
        other = static_cast<int>(other + s * volume * 0.5f);
        voicePos[v]++;
    }
}

// Advances a shared position unless the game thread moved it meanwhile.
void advance(std::atomic<int>& position, int seen, int next) {
    position.compare_exchange_strong(seen, next, RELAXED, RELAXED);
}

void mixBeep(int& left, int& right) {
    if (!shared.beepOn.load(RELAXED) || samples.beep.length < 2) return;
    int pos = shared.beepPos.load(RELAXED);
    int at = pos >= 0 && pos + 1 < samples.beep.length ? pos : 0;
    left += samples.beep.data[at];
    right += samples.beep.data[at + 1];
    int next = at + 2;
    if (next >= samples.beep.length) next = 0;
    advance(shared.beepPos, pos, next);
}

void mixRatchet(int& left, int& right) {
    int index = shared.ratchetIndex.load(RELAXED) & (MIXER_RATCHETS - 1);
    const MixerSample& click = samples.ratchet[index];
    int pos = shared.ratchetPos.load(RELAXED);
    if (pos < 0 || pos + 1 >= click.length) return;
    left += click.data[pos];
    right += click.data[pos + 1];
    advance(shared.ratchetPos, pos, pos + 2);
}

void mixServo(int& left, int& right) {
    const MixerSample& servo = samples.servo;
    int pos = shared.servoPos.load(RELAXED);
    bool loop = shared.servoLoop.load(RELAXED);
    if (pos >= 0 && pos + 1 < servo.length) {
        left += servo.data[pos];
        right += servo.data[pos + 1];
        int next = pos + 2;
        if (loop && pos < SERVO_LOOP_END && next >= SERVO_LOOP_END) next = SERVO_LOOP_START;
        advance(shared.servoPos, pos, next);
    } else if (loop) {
        advance(shared.servoPos, pos, 0);  // held again after it ran out: start over
    }
}

void startGrain() {
    grainCountdown = shared.grainPeriod.load(RELAXED);
    voicePos[nextVoice] = 0;
    voiceGrain[nextVoice] = nextRandom() & (MIXER_GRAINS - 1);
    nextVoice = (nextVoice + 1) % MIXER_VOICES;
}

}  // namespace

MixerShared& mixer_shared() { return shared; }

void mixer_setSamples(const MixerSamples& s) {
    samples.beep = sanitized(s.beep, INT_MAX);
    samples.servo = sanitized(s.servo, INT_MAX);
    for (int i = 0; i < MIXER_GRAINS; i++)
        samples.cycle[i] = sanitized(s.cycle[i], MIXER_MAX_SHORT_LENGTH);
    for (int i = 0; i < MIXER_RATCHETS; i++)
        samples.ratchet[i] = sanitized(s.ratchet[i], MIXER_MAX_SHORT_LENGTH);
}

void mixer_resetEngine() {
    for (int v = 0; v < MIXER_VOICES; v++) voicePos[v] = VOICE_FINISHED;
    grainCountdown = shared.grainPeriod.load(RELAXED);
    nextVoice = 0;
}

void mixer_resetAll() {
    shared.grainPeriod.store(1600.0f, RELAXED);
    shared.engineVolume.store(1.0f, RELAXED);
    shared.beepOn.store(false, RELAXED);
    shared.beepPos.store(MIXER_SILENT, RELAXED);
    shared.ratchetIndex.store(0, RELAXED);
    shared.ratchetPos.store(MIXER_SILENT, RELAXED);
    shared.servoLoop.store(false, RELAXED);
    shared.servoPos.store(MIXER_SILENT, RELAXED);
    for (int v = 0; v < MIXER_VOICES; v++) voiceGrain[v] = 0;
    mixer_resetEngine();
}

void mixer_seed(unsigned seed) { rngState = seed; }

void mixer_render(short* out, unsigned long frames) {
    float volume = shared.engineVolume.load(RELAXED);
    for (unsigned long f = 0; f < frames; f++) {
        int left = 0, right = 0;
        mixEngine(left, right, volume);
        mixBeep(left, right);
        mixRatchet(left, right);
        mixServo(left, right);
        grainCountdown -= 1.0f;
        out[2 * f] = static_cast<short>(clamp16(left));
        out[2 * f + 1] = static_cast<short>(clamp16(right));
        if (grainCountdown < 0.0f) {
            startGrain();
            volume = shared.engineVolume.load(RELAXED);
        }
    }
}

int mixer_voiceGrain(int voice) { return voiceGrain[voice]; }
int mixer_voicePos(int voice) { return voicePos[voice]; }
