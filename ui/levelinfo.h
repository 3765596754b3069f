// Names and four-line briefings of the sandbox (-1) and the 25 jobs (0..24),
// as the menu shows them and the "start" messages carry them, read from the
// level table.
#pragma once

#include "world/levels.h"

enum { FIRST_LEVEL = LEVEL_SANDBOX, LAST_LEVEL = LEVEL_COUNT - 1 };

// Null for numbers outside -1..24.
const char* levelName(int levelNr);
// Line 0..3 of the briefing; "" for numbers or lines out of range.
const char* levelBriefing(int levelNr, int line);
