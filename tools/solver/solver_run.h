// The solver's own bookkeeping, for its main loop only.
#pragma once

#include <string>
#include <vector>

// Starts recording into lines; the driver's first tick is world tick delay.
void solver_begin(std::vector<std::string>* lines, long delay);
void solver_setTick(long worldTick);
void solver_setVerbose(bool on);
