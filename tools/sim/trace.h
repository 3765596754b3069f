// Developer traces for the simulator: the pose of every listed object of a
// name, or with the name "crane" the current crane's joints and grapple, one
// line each, so a scripted solution can be steered by what the world did.
#pragma once

#include <cstdio>

void trace_print(FILE* out, long tick, const char* name);
