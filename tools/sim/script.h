// Scripts for the headless simulator: one message per line, "TICK MESSAGE TEXT",
// posted at the start of that tick. Blank lines and '#' lines are skipped; a
// tab anywhere else is an error, since the bus splits messages on blanks only.
#pragma once

#include <string>
#include <vector>

struct ScriptLine {
    long tick;
    int number;  // line in the file, from 1
    std::string text;
};

struct Script {
    std::vector<ScriptLine> lines;  // in tick order, file order within a tick
    int errorLine;                  // 0 when the whole script parsed
    std::string error;
};

Script script_parse(const std::string& content);
// False when path is not a readable regular file; out->error then says why.
bool script_load(const char* path, Script* out);
