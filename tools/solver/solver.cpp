#include "tools/solver/solver.h"

#include <cfloat>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>

#include "bus/bus.h"
#include "tools/solver/solver_run.h"
#include "ui/input.h"

namespace {

std::vector<std::string>* recorded = nullptr;
long worldTick = 0, firstTick = 0;
bool verbose = false;
std::map<std::string, std::string> held;

// A wheel, pedal, lever or stick stays where a hand leaves it, so posting
// the same setting of the same control again changes nothing and is left
// out of the recording. A control is the text before its values.
bool alreadyHeld(const char* text) {
    std::string t(text);
    size_t values = t.find(" setting=");
    if (values == std::string::npos) values = t.find(" x=");
    if (values == std::string::npos) return false;
    std::string& last = held[t.substr(0, values)];
    if (last == t) return true;
    last = t;
    return false;
}

}  // namespace

void solver_begin(std::vector<std::string>* lines, long delay) {
    recorded = lines;
    firstTick = delay;
    worldTick = 0;
    held.clear();
}

void solver_setTick(long tick) { worldTick = tick; }

long solver_tick() { return worldTick - firstTick; }

bool solver_verbose() { return verbose; }
void solver_setVerbose(bool on) { verbose = on; }

// As the simulator replays it: a wheel or pedal setting is a hand holding
// the control, everything else goes onto the bus as it stands.
void solver_post(const char* text) {
    if (alreadyHeld(text)) return;
    if (recorded) recorded->push_back(std::to_string(worldTick) + " " + text);
    float value = argFloat(text, "setting");
    bool hasValue = value != -FLT_MAX;
    if (hasValue && strncmp(text, "steer ", 6) == 0)
        input_holdSteer(value);
    else if (hasValue && strncmp(text, "accelcontrol ", 13) == 0)
        input_holdAccel(value);
    else
        postMessage(text);
}

void solver_postf(const char* format, ...) {
    char text[128];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    solver_post(text);
}
