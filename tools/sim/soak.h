// The soak: seeded random player input for a number of ticks, watching every
// body for a pose that is not finite, a speed above 100 m/s or a fall below
// z -50 while the level is still being played.
#pragma once

#include <ode/ode.h>

#include <cstdio>
#include <string>

// Runs up to ticks ticks (or until the level ends) in the built world;
// prints the first fault to out and returns false, or returns true.
bool soak_run(unsigned long seed, long ticks, FILE* out);

// True when the body shows one of those faults; what then names it.
bool soak_bodyFault(dBodyID body, std::string* what);
