// The simulator's command line: which world, how long, what input, what to
// trace. Bad values are refused with a usage line (exit status 2).
#pragma once

#include <vector>

// Every tick's cost is kept for the summary; beyond this a run is a mistake.
const long MAX_TICKS = 10000000;

struct Options {
    bool arena = false;
    const char* arenaVariant = nullptr;  // "truck": the truck yard
    bool haveLevel = false;
    int level = 0;
    long ticks = -1;
    const char* scriptPath = nullptr;
    bool serve = false;  // commands on standard input instead of a script
    bool soak = false;   // seeded random player input, watched for faults
    unsigned long soakSeed = 0;
    bool anyMessage = false;          // developer escape hatch: scripts may post any message
    std::vector<const char*> traced;  // --trace NAME, repeatable
    long traceEvery = 60;
};

// 0 when argv made sense, else the exit status after printing why.
int options_parse(int argc, char** argv, Options* o);
