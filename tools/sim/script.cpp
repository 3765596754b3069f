#include "tools/sim/script.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const size_t MAX_MESSAGE = 127;  // messages are formatted into 128-byte buffers

bool skippable(const std::string& line) {
    size_t i = line.find_first_not_of(" \t\r");
    return i == std::string::npos || line[i] == '#';
}

// Reads "TICK TEXT" into out; returns an error text, empty when fine.
std::string parseLine(std::string line, ScriptLine* out) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find('\t') != std::string::npos) return "a tab in the line (use blanks)";
    size_t i = line.find_first_not_of(" \t");
    size_t digitsEnd = i;
    while (digitsEnd < line.size() && isdigit((unsigned char)line[digitsEnd])) digitsEnd++;
    if (digitsEnd == i) return "expected a tick number";
    if (digitsEnd - i > 9) return "tick number too large";
    if (digitsEnd >= line.size() || (line[digitsEnd] != ' ' && line[digitsEnd] != '\t'))
        return "expected a blank after the tick number";
    size_t textStart = line.find_first_not_of(" \t", digitsEnd);
    if (textStart == std::string::npos) return "missing message";
    out->tick = strtol(line.c_str() + i, nullptr, 10);
    out->text = line.substr(textStart);
    if (out->text.size() > MAX_MESSAGE) return "message longer than 127 characters";
    return "";
}

}  // namespace

Script script_parse(const std::string& content) {
    Script script;
    script.errorLine = 0;
    std::istringstream in(content);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        number++;
        if (skippable(line)) continue;
        ScriptLine parsed;
        parsed.number = number;
        std::string error = parseLine(line, &parsed);
        if (!error.empty()) {
            script.errorLine = number;
            script.error = error;
            script.lines.clear();
            return script;
        }
        script.lines.push_back(parsed);
    }
    std::stable_sort(script.lines.begin(), script.lines.end(),
                     [](const ScriptLine& a, const ScriptLine& b) { return a.tick < b.tick; });
    return script;
}

bool script_load(const char* path, Script* out) {
    // A folder opens as an empty stream on some systems: it must not pass for
    // a script without lines.
    struct stat info;
    if (stat(path, &info) != 0) {
        out->error = strerror(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        out->error = "not a regular file";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        out->error = "cannot be opened for reading";
        return false;
    }
    std::stringstream buffer;
    buffer << file.rdbuf();
    *out = script_parse(buffer.str());
    return true;
}
