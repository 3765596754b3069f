#include "ui/levelinfo.h"

#include "world/levels.h"

const char* levelName(int levelNr) {
    const LevelEntry* level = levelEntry(levelNr);
    return level ? level->name : nullptr;
}

const char* levelBriefing(int levelNr, int line) {
    const LevelEntry* level = levelEntry(levelNr);
    if (!level || line < 0 || line >= BRIEFING_LINES) return "";
    return level->briefing[line];
}
