// The real-time mixer: an engine made of eight overlapping combustion
// grains, a looping reversing beep, one-shot ratchet clicks and a servo whine
// whose middle section loops while a hydraulic lever is held. Output is
// interleaved stereo 16-bit at 11025 frames per second.
//
// The sound keeper (game thread) writes the shared values below; the audio
// thread reads and advances them. Every shared value is a lock-free atomic
// accessed relaxed, and a position the mixer advances is only advanced if
// the keeper has not reset it meanwhile, so no restart is lost.
#pragma once

#include <atomic>

enum {
    MIXER_RATE = 11025,
    MIXER_VOICES = 8,
    MIXER_GRAINS = 8,
    MIXER_RATCHETS = 8,
    SERVO_LOOP_START = 5248,  // values, two per frame
    SERVO_LOOP_END = 7256,
    MIXER_SILENT = 1000000,          // a sample position past any sample's end
    VOICE_FINISHED = 65536,          // a grain position past any grain's end
    MIXER_MAX_SHORT_LENGTH = 32767,  // grains and clicks are at most this long
};

struct MixerSample {
    const short* data;
    int length;  // count of 16-bit values (two per frame for stereo)
};

// Grains are mono; beep, ratchets and servo are interleaved stereo.
struct MixerSamples {
    MixerSample beep;
    MixerSample servo;
    MixerSample cycle[MIXER_GRAINS];
    MixerSample ratchet[MIXER_RATCHETS];
};

struct MixerShared {
    std::atomic<float> grainPeriod{1600.0f};  // frames between grain starts
    std::atomic<float> engineVolume{1.0f};
    std::atomic<bool> beepOn{false};
    std::atomic<int> beepPos{MIXER_SILENT};
    std::atomic<int> ratchetIndex{0};
    std::atomic<int> ratchetPos{MIXER_SILENT};
    std::atomic<bool> servoLoop{false};
    std::atomic<int> servoPos{MIXER_SILENT};
};

MixerShared& mixer_shared();

// Installs the samples; call while no stream runs. Grain and click lengths
// above 32767 are cut to it.
void mixer_setSamples(const MixerSamples& samples);
// Silences every engine voice and restarts the grain clock (stream open).
void mixer_resetEngine();
// Puts every shared value and the engine back to the start state (tests, tools).
void mixer_resetAll();
// Seeds the mixer's own grain chooser (the audio thread never calls rand()).
void mixer_seed(unsigned seed);

// Mixes frames of stereo into out (2 x frames values). Never allocates,
// locks or blocks.
void mixer_render(short* out, unsigned long frames);

// The grain and position of an engine voice, for tests and tools.
int mixer_voiceGrain(int voice);
int mixer_voicePos(int voice);
