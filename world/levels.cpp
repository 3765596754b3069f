#include "world/levels.h"

#include "bus/diag.h"

// The job levels arrive with the level catalogue; until then no level is
// available and a request to build one is reported, leaving an empty world.
bool levelAvailable(int) { return false; }

void buildLevel(int levelNr, dReal*, float*, float*, float*) {
    logLine("ERR Level %d is not in the catalogue", levelNr);
}
