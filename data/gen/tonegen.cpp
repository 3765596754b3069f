// Synthesises the 18 sound samples of tonepack at 11025 Hz and writes the
// module's sources: eight mono engine combustion grains, a looping stereo
// reversing beep, eight stereo ratchet clicks and a stereo servo whine whose
// sustain (values 5248 to 7256) loops without a seam.
//
// usage: tonegen OUTDIR [NAME]   (NAME defaults to tonepack)
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "modwriter.h"

namespace {

const double RATE = 11025.0;
const double TWO_PI = 6.283185307179586;

const int GRAIN_FRAMES = 2200;      // 0.2 s: eight overlap at full throttle
const int BEEP_FRAMES = 11025;      // one second: 0.5 s on, 0.5 s off
const int CLICK_FRAMES = 700;       // 64 ms
const int SERVO_LOOP_START = 2624;  // frames (values 5248 .. 7256)
const int SERVO_LOOP_FRAMES = 1004;
const int SERVO_TAIL_FRAMES = 3300;  // spin-down after release

struct Noise {
    unsigned state;
    double next() {  // uniform in -1..1
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 8388608.0 - 1.0;
    }
};

short toShort(double v) {
    if (v > 32767.0) v = 32767.0;
    if (v < -32768.0) v = -32768.0;
    return static_cast<short>(std::lround(v));
}

// A combustion cycle: a sharp pressure crack, then the exhaust's low boom
// ringing down. Each grain differs in pitch, crack and decay.
std::vector<short> engineGrain(int index) {
    Noise noise{0x9e3779b9u * (index + 1)};
    double f0 = 52.0 + 4.5 * index;  // firing thump
    double decay = 0.045 + 0.004 * (index % 3);
    double crackDecay = 0.006 + 0.001 * (index % 2);
    double lowpass = 0.0;
    std::vector<short> out(GRAIN_FRAMES);
    for (int n = 0; n < GRAIN_FRAMES; n++) {
        double t = n / RATE;
        double attack = std::min(1.0, t / 0.002);
        double fadeOut = std::min(1.0, (GRAIN_FRAMES - 1 - n) / 220.0);
        lowpass += 0.25 * (noise.next() - lowpass);
        double body = 0.65 * std::sin(TWO_PI * f0 * t) +
                      0.3 * std::sin(TWO_PI * 2.03 * f0 * t + 1.0) + 0.35 * lowpass;
        double crack = noise.next() * std::exp(-t / crackDecay);
        double v = attack * fadeOut * (body * std::exp(-t / decay) + 0.5 * crack);
        out[n] = toShort(7000.0 * v);
    }
    return out;
}

// The reversing alarm: 1.1 kHz, on for half a second, soft edges, loops.
std::vector<short> backupBeep() {
    std::vector<short> out(2 * BEEP_FRAMES);
    const int onFrames = BEEP_FRAMES / 2;
    for (int n = 0; n < BEEP_FRAMES; n++) {
        double v = 0.0;
        if (n < onFrames) {
            double t = n / RATE;
            double edge = std::min(1.0, std::min(n, onFrames - 1 - n) / 60.0);
            v = edge * (std::sin(TWO_PI * 1100.0 * t) + 0.25 * std::sin(TWO_PI * 3300.0 * t));
        }
        out[2 * n] = out[2 * n + 1] = toShort(6500.0 * v);
    }
    return out;
}

// A pawl snapping over a ratchet tooth: a metallic tick ringing briefly,
// slightly off centre and different for each tooth.
std::vector<short> ratchetClick(int index) {
    Noise noise{0x2545f491u * (index + 3)};
    double ring1 = 2300.0 + 140.0 * index, ring2 = 3700.0 - 90.0 * index;
    double pan = 0.5 + 0.08 * ((index % 3) - 1);
    std::vector<short> out(2 * CLICK_FRAMES);
    for (int n = 0; n < CLICK_FRAMES; n++) {
        double t = n / RATE;
        double tick = noise.next() * std::exp(-t / 0.0015);
        double ring = (std::sin(TWO_PI * ring1 * t) + 0.6 * std::sin(TWO_PI * ring2 * t)) *
                      std::exp(-t / 0.012);
        double knock = std::sin(TWO_PI * 420.0 * t) * std::exp(-t / 0.02);
        double v = 9000.0 * (0.8 * tick + 0.5 * ring + 0.35 * knock);
        out[2 * n] = toShort(v * (1.0 - pan) * 2.0);
        out[2 * n + 1] = toShort(v * pan * 2.0);
    }
    return out;
}

// The hydraulic pump: spins up, holds a steady whine while a lever is held
// and spins down. Every partial of the sustain is a whole number of cycles
// per loop, and the loop's hiss repeats, so the loop joins without a click.
std::vector<short> servoWhine() {
    const double loopHz = RATE / SERVO_LOOP_FRAMES;  // 10.98 Hz
    const int harmonic[3] = {38, 76, 114};           // 417, 834, 1252 Hz
    const double weightL[3] = {1.0, 0.45, 0.2}, weightR[3] = {0.9, 0.5, 0.25};
    const int wobbleCycles = 4;  // 44 Hz pump ripple
    const int total = SERVO_LOOP_START + SERVO_LOOP_FRAMES + SERVO_TAIL_FRAMES;
    const double sustainHz = harmonic[0] * loopHz;

    // Filtered noise that repeats every loop: the second pass over the same
    // white noise starts from the filter state the first pass ended with.
    std::vector<double> white(SERVO_LOOP_FRAMES), hiss(SERVO_LOOP_FRAMES);
    Noise noise{12345u};
    for (double& x : white) x = noise.next();
    double lp = 0.0;
    for (int pass = 0; pass < 2; pass++)
        for (int i = 0; i < SERVO_LOOP_FRAMES; i++) hiss[i] = (lp += 0.3 * (white[i] - lp));

    auto pitchAt = [&](int n) {
        if (n >= SERVO_LOOP_START) return sustainHz;
        return sustainHz * (0.45 + 0.55 * std::sqrt(double(n) / SERVO_LOOP_START));
    };
    // The spin-up is phased backwards from the loop start, so it runs into
    // the loop without a jump.
    double phase = 0.0;  // of the fundamental, in cycles
    for (int n = SERVO_LOOP_START - 1; n >= 0; n--) phase -= pitchAt(n) / RATE;
    phase -= std::floor(phase);

    std::vector<short> out(2 * total);
    for (int n = 0; n < total; n++) {
        double hz, gain;
        int loopFrame = (n - SERVO_LOOP_START) % SERVO_LOOP_FRAMES;
        if (n < SERVO_LOOP_START) {
            double u = double(n) / SERVO_LOOP_START;
            hz = pitchAt(n);
            gain = std::min(1.0, n / 400.0) * (0.6 + 0.4 * u);
        } else if (n < SERVO_LOOP_START + SERVO_LOOP_FRAMES) {
            hz = sustainHz;
            gain = 1.0;
        } else {
            double u = double(n - SERVO_LOOP_START - SERVO_LOOP_FRAMES) / SERVO_TAIL_FRAMES;
            hz = sustainHz * (1.0 - 0.55 * u);
            gain = (1.0 - u) * (1.0 - u);
        }
        if (n >= SERVO_LOOP_START && n < SERVO_LOOP_START + SERVO_LOOP_FRAMES) {
            // Locked to the loop so frame 3628 would equal frame 2624.
            phase = harmonic[0] * double(loopFrame) / SERVO_LOOP_FRAMES;
        }
        double wobble =
            1.0 + 0.15 * std::sin(TWO_PI * wobbleCycles * loopFrame / SERVO_LOOP_FRAMES);
        double l = 0.0, r = 0.0;
        for (int k = 0; k < 3; k++) {
            double s = std::sin(TWO_PI * phase * (k + 1));
            l += weightL[k] * s;
            r += weightR[k] * s;
        }
        double h = 0.35 * hiss[(n % SERVO_LOOP_FRAMES + SERVO_LOOP_FRAMES -
                                SERVO_LOOP_START % SERVO_LOOP_FRAMES) %
                               SERVO_LOOP_FRAMES];
        out[2 * n] = toShort(3800.0 * gain * wobble * (l + h));
        out[2 * n + 1] = toShort(3800.0 * gain * wobble * (r + h));
        phase += hz / RATE;
        phase -= std::floor(phase);
    }
    return out;
}

void addSample(ModuleWriter& w, const std::string& name, const std::vector<short>& values) {
    mw_addArray(w, name + "_dat", values.data(), values.size() * sizeof(short));
    mw_addInt(w, name + "_len", static_cast<int32_t>(values.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: tonegen OUTDIR [NAME]\n");
        return 2;
    }
    ModuleWriter w;
    addSample(w, "backupbeep", backupBeep());
    for (int i = 0; i < 8; i++) addSample(w, "cycle" + std::to_string(i), engineGrain(i));
    for (int i = 0; i < 8; i++) addSample(w, "ratchet" + std::to_string(i), ratchetClick(i));
    addSample(w, "servo", servoWhine());
    return mw_write(w, argv[1], argc > 2 ? argv[2] : "tonepack") ? 0 : 1;
}
