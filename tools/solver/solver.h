// The solver kit: closed-loop drivers that play a level through player input
// only (steer, accelcontrol, lever and stick messages) and record every
// message they post, so that the recording replays as a solution script.
// A driver is asked once per tick what to do; it reads the world directly.
#pragma once

#include <string>
#include <vector>

// One level's driver: called every tick before the world steps; returns
// false once it has nothing more to do.
typedef bool (*Driver)(long tick);

struct DriverEntry {
    int level;
    const char* name;
    Driver drive;
    const char* summary;  // the script's opening comment
};

// Posts one player message now and records it at the current tick.
void solver_post(const char* text);
void solver_postf(const char* format, ...);
long solver_tick();     // ticks since the driver's first input
bool solver_verbose();  // --verbose: drivers report their phases on stderr

// The level's driver of that name; with name null, the level's solution.
const DriverEntry* solver_driver(int level, const char* name);
