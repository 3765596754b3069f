#include "sound/audiostream.h"

#include <portaudio.h>

#include "bus/diag.h"
#include "sound/mixer.h"

namespace {

const double SAMPLE_RATE = 11025.0;
const unsigned long FRAMES_PER_BUFFER = 128;
const double SUGGESTED_LATENCY = 0.1;

PaStream* stream = nullptr;

int paCallback(const void* input, void* output, unsigned long frames,
               const PaStreamCallbackTimeInfo* timeInfo, PaStreamCallbackFlags statusFlags,
               void* userData) {
    return sound_streamCallback(input, output, frames, timeInfo, statusFlags, userData);
}

}  // namespace

int sound_streamCallback(const void*, void* output, unsigned long frames, const void*,
                         unsigned long, void*) {
    mixer_render(static_cast<short*>(output), frames);
    return paContinue;
}

void sound_open() {
    if (stream) return;
    mixer_resetEngine();
    PaError err = Pa_Initialize();
    if (err != paNoError) {
        logLine("ERR Pa_Initialize failed: %s", Pa_GetErrorText(err));
        return;
    }
    PaStreamParameters out = {};
    out.device = Pa_GetDefaultOutputDevice();
    if (out.device == paNoDevice) {
        logLine("ERR Pa: No default output device.");
        Pa_Terminate();
        return;
    }
    const PaDeviceInfo* info = Pa_GetDeviceInfo(out.device);
    logLine("device suggest low output latency of %f", info ? info->defaultLowOutputLatency : 0.0);
    out.channelCount = 2;
    out.sampleFormat = paInt16;
    out.suggestedLatency = SUGGESTED_LATENCY;
    out.hostApiSpecificStreamInfo = nullptr;
    err = Pa_OpenStream(&stream, nullptr, &out, SAMPLE_RATE, FRAMES_PER_BUFFER, paClipOff,
                        paCallback, nullptr);
    if (err != paNoError) {
        logLine("ERR Pa_OpenStream failed: %s", Pa_GetErrorText(err));
        stream = nullptr;
        Pa_Terminate();
        return;
    }
    err = Pa_StartStream(stream);
    if (err != paNoError) logLine("ERR Pa_StartStream failed: %s", Pa_GetErrorText(err));
}

void sound_close() {
    if (!stream) return;
    PaError err = Pa_StopStream(stream);
    if (err != paNoError) logLine("ERR Pa_StopStream failed: %s", Pa_GetErrorText(err));
    err = Pa_CloseStream(stream);
    if (err != paNoError) logLine("ERR Pa_CloseStream failed: %s", Pa_GetErrorText(err));
    Pa_Terminate();
    stream = nullptr;
}

bool sound_isOpen() { return stream != nullptr; }
