// The test arena: a rolling terrain with a ramp, a stack of boxes and a few
// spheres that roll into it. Used by the simulator, benchmarks and tests
// before (and beside) the level catalogue.
#pragma once

#include "world/wld.h"

const LevelBuilder* arena_builder();
// Geometry records the arena uses (its own generated ones by default); the
// game may swap in others.
struct ArenaGeometry {
    geomdesc* terrain;
    geomdesc* box;
    geomdesc* sphere;
};
void arena_setGeometry(const ArenaGeometry& geometry);
