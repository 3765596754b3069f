// Names and four-line briefings of the sandbox (-1) and the 25 jobs (0..24),
// as the menu shows them and the "start" messages carry them.
#pragma once

enum { BRIEFING_LINES = 4, FIRST_LEVEL = -1, LAST_LEVEL = 24 };

// Null for numbers outside -1..24.
const char* levelName(int levelNr);
// Line 0..3 of the briefing; "" for numbers or lines out of range.
const char* levelBriefing(int levelNr, int line);
