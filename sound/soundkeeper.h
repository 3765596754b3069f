// The sound keeper turns game messages into mixer state: the throttle sets
// the engine's grain rate and volume each frame, reversing sounds the beep,
// held hydraulic levers the servo, and every "craneClick" the next ratchet.
#pragma once

#include "sound/mixer.h"

enum { SOUNDKEEPER_SAMPLES = 18 };

// Once at start-up: registers the listeners, loads the 18 samples from
// tonepack (ending the program unless all arrive) and hands them to the mixer.
void soundkeeper_init();

// The pieces of soundkeeper_init, for tests and tools that bring their own samples.
void soundkeeper_registerListeners();
// Loads the samples from the module into the mixer; returns how many were
// stored. Unless all 18 arrive the mixer gets none and nothing is looked up.
int soundkeeper_loadSamples(const char* module);
// Back to the start state (levers released, sound off, no throttle).
void soundkeeper_reset();

// The smoothed throttle and whether the per-frame engine update runs.
float soundkeeper_engineLevel();
bool soundkeeper_soundOn();
// Seeds the keeper's own chooser for the random grain period at full throttle.
void soundkeeper_seed(unsigned seed);
