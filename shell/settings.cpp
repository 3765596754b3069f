#include "shell/settings.h"

#include <cstdio>

#include "bus/bus.h"
#include "bus/diag.h"
#include "ui/textlines.h"

namespace {
Settings state = {true, false, 0.0f, false};

enum { TOUCH_VOTE = 0, TOUCH_DEPTH_BIAS = 1, TOUCH_LEVERS = 2, TOUCH_SOUND = 3 };

const char* onOff(bool on) { return on ? "ON " : "OFF"; }
}  // namespace

Settings& settings() { return state; }

void settings_reset() { state = Settings{true, false, 0.0f, false}; }

void settings_touch(int index) {
    switch (index) {
        case TOUCH_VOTE:
            state.voteRequested = true;
            break;
        case TOUCH_DEPTH_BIAS:
            state.depthBias = state.depthBias == 0.0f ? DEPTH_BIAS_WORKAROUND : 0.0f;
            break;
        case TOUCH_LEVERS:
            state.leversInverted = !state.leversInverted;
            break;
        case TOUCH_SOUND:
            state.soundEffects = !state.soundEffects;
            break;
        default:
            break;
    }
}

void settings_onTouch(const char* text) {
    int index = argInt(text, "index");
    logLine("settings idx = %d", index);
    settings_touch(index);
}

void buildSettingsText() {
    char lines[TEXT_ROWS][TEXT_COLUMNS + 8];
    snprintf(lines[0], sizeof lines[0], "   SOUND EFFECTS           %s", onOff(state.soundEffects));
    snprintf(lines[1], sizeof lines[1], "   LEVERS INVERTED         %s",
             onOff(state.leversInverted));
    snprintf(lines[2], sizeof lines[2], "   DEPTH BIAS              %s",
             state.depthBias == 0.0f ? "OPENGL" : "WORKAROUND");
    snprintf(lines[3], sizeof lines[3], "   STEAM GREENLIGHT        VOTE");
    const char* rows[TEXT_ROWS] = {lines[0], lines[1], lines[2], lines[3]};
    text_print(rows);
}

bool settings_takeVoteRequest() {
    bool requested = state.voteRequested;
    state.voteRequested = false;
    return requested;
}
