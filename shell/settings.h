// The three user settings (sound effects, levers inverted, depth bias) and
// the settings screen that toggles them. They live in memory for the run.
#pragma once

const float DEPTH_BIAS_WORKAROUND = 1e-5f;

struct Settings {
    bool soundEffects;
    bool leversInverted;
    float depthBias;     // 0.0 ("OPENGL") or 1e-5 ("WORKAROUND")
    bool voteRequested;  // the frame hands "vote" to the shell once
};

Settings& settings();
void settings_reset();

// Touching a line of the settings screen; rows count from the bottom:
// 0 vote, 1 depth bias, 2 levers inverted, 3 sound. Others do nothing.
void settings_touch(int index);
// Listener for "settingsTouch index=%d".
void settings_onTouch(const char* text);

// Writes the screen's four lines into the text screen.
void buildSettingsText();
// The vote request, consumed: true once per request.
bool settings_takeVoteRequest();
