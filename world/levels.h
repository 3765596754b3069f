// The level catalogue: builds the world for a level number (-1 sandbox,
// 0..24 jobs) and judges its goals every tick.
#pragma once

#include <ode/ode.h>

enum { LEVEL_SANDBOX = -1, LEVEL_COUNT = 25, BRIEFING_LINES = 4 };

struct LevelOut;
struct geomdesc;

// One row of the level table: what the world builds and judges, what the
// menu shows, the claw the level's truck carries and the drawn edge wall
// that rings its map.
struct LevelEntry {
    int number;
    const char* name;
    const char* briefing[BRIEFING_LINES];
    void (*build)(LevelOut& out);
    void (*goal)(bool* won, bool* lost);
    int grappleKind;
    geomdesc* edge;
};
// Null for numbers outside -1..24.
const LevelEntry* levelEntry(int levelNr);

// Creates terrain, scenery and objects into the world; writes the truck
// start (zero length: no truck) and the camera's orbit, elevation, distance.
void buildLevel(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance);
void levelGoals(int levelNr, bool* won, bool* lost);
// The machines the world itself places: the level's truck (with its grapple
// kind) and the coupling of a trailer that starts hitched to it.
class DynamicWorldObj;
DynamicWorldObj* levelTruck(const dReal pos[3], int grappleKind);
void levelHitch();
// Whether the number names a level (-1..24).
bool levelAvailable(int levelNr);
// The toy the sandbox builds (0 fork lift, 1..3 truck with that grapple, 4 skid loader).
void levels_setSandboxAttachment(int attachment);

// The seven sign-board letters and the place (y along the viaduct) of each.
const char* levelBoardLetters();
float levelBoardPlace(char letter);
