// quorvel-wavrender: plays a script of bus messages through the sound keeper
// and the mixer offline and writes the result as a WAV file, printing the RMS
// and peak of each labelled section. A script line is "TICK MESSAGE" (posted
// at that game tick, 60 per second) or "TICK @LABEL" (a section starts);
// "frametick" is posted every tick. Without a script a built-in tour runs:
// idle engine, full throttle, reversing, a held lever, eight ratchet clicks.
//
// usage: quorvel-wavrender OUT.wav [SCRIPT]
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "sound/mixer.h"
#include "sound/soundkeeper.h"

namespace {

const int TICKS_PER_SECOND = 60;

const char* const TOUR[] = {
    "0 start nr=0 name=parkinglot",
    "0 @engine_start",
    "30 @idle",
    "240 accelcontrol setting=1.0",
    "270 @fullthrottle",
    "480 accelcontrol setting=0.0",
    "540 accelcontrol setting=-0.5",
    "550 @reversing",
    "660 accelcontrol setting=0.0",
    "700 @servo_held",
    "700 cranecontrol tag=elevate setting=0.8",
    "820 cranecontrol tag=elevate setting=0.0",
    "820 @servo_release",
    "900 @ratchet",
    "900 craneClick",
    "906 craneClick",
    "912 craneClick",
    "918 craneClick",
    "924 craneClick",
    "930 craneClick",
    "936 craneClick",
    "942 craneClick",
    "960 @end",
};

struct Event {
    int tick;
    std::string text;
};

struct Section {
    std::string label;
    size_t firstFrame;
};

bool readScript(const char* path, std::vector<Event>& events) {
    FILE* f = fopen(path, "r");
    if (!f) return false;
    char line[256];
    while (fgets(line, sizeof line, f)) {
        line[strcspn(line, "\r\n")] = '\0';
        int tick = 0, used = 0;
        if (line[0] == '#' || sscanf(line, "%d %n", &tick, &used) != 1) continue;
        events.push_back({tick, line + used});
    }
    fclose(f);
    return true;
}

void putLE(FILE* f, unsigned value, int bytes) {
    for (int i = 0; i < bytes; i++) fputc((value >> (8 * i)) & 0xff, f);
}

bool writeWav(const char* path, const std::vector<short>& stereo) {
    FILE* f = fopen(path, "wb");
    if (!f) return false;
    unsigned dataBytes = stereo.size() * 2;
    fputs("RIFF", f);
    putLE(f, 36 + dataBytes, 4);
    fputs("WAVEfmt ", f);
    putLE(f, 16, 4);
    putLE(f, 1, 2);  // PCM
    putLE(f, 2, 2);
    putLE(f, MIXER_RATE, 4);
    putLE(f, MIXER_RATE * 4, 4);
    putLE(f, 4, 2);
    putLE(f, 16, 2);
    fputs("data", f);
    putLE(f, dataBytes, 4);
    for (short s : stereo) putLE(f, static_cast<unsigned short>(s), 2);
    return fclose(f) == 0;
}

void report(const Section& s, const std::vector<short>& stereo, size_t endFrame) {
    double sum = 0.0;
    int peak = 0;
    for (size_t i = 2 * s.firstFrame; i < 2 * endFrame; i++) {
        sum += double(stereo[i]) * stereo[i];
        peak = std::max(peak, std::abs(int(stereo[i])));
    }
    size_t values = 2 * (endFrame - s.firstFrame);
    printf("%-16s %6.2f s  rms %7.1f  peak %5d\n", s.label.c_str(),
           double(endFrame - s.firstFrame) / MIXER_RATE, values ? std::sqrt(sum / values) : 0.0,
           peak);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: quorvel-wavrender OUT.wav [SCRIPT]\n");
        return 2;
    }
    std::vector<Event> events;
    if (argc > 2) {
        if (!readScript(argv[2], events)) {
            fprintf(stderr, "cannot read %s\n", argv[2]);
            return 1;
        }
    } else {
        for (const char* line : TOUR) {
            int tick = 0, used = 0;
            sscanf(line, "%d %n", &tick, &used);
            events.push_back({tick, line + used});
        }
    }
    soundkeeper_registerListeners();
    if (soundkeeper_loadSamples("tonepack") != SOUNDKEEPER_SAMPLES) return 1;
    soundkeeper_reset();
    mixer_resetAll();

    int lastTick = events.empty() ? 0 : events.back().tick;
    std::vector<short> stereo;
    std::vector<Section> sections;
    size_t next = 0;
    long framesDone = 0;
    for (int tick = 0; tick <= lastTick; tick++) {
        for (; next < events.size() && events[next].tick <= tick; next++) {
            const std::string& text = events[next].text;
            if (text[0] == '@') {
                if (!sections.empty()) report(sections.back(), stereo, stereo.size() / 2);
                sections.push_back({text.substr(1), stereo.size() / 2});
            } else {
                postMessage(text.c_str());
            }
        }
        postMessage("frametick");
        long frameEnd = long(tick + 1) * MIXER_RATE / TICKS_PER_SECOND;
        size_t at = stereo.size();
        stereo.resize(at + 2 * (frameEnd - framesDone));
        mixer_render(stereo.data() + at, frameEnd - framesDone);
        framesDone = frameEnd;
    }
    if (!sections.empty() && sections.back().label != "end")
        report(sections.back(), stereo, stereo.size() / 2);
    if (!writeWav(argv[1], stereo)) {
        fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
