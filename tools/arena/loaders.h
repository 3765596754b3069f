// Loader yards: the truck yard's flat ground with one of the other machines
// at the origin facing +x, made the object of interest and switched on, and
// a few props to work: loose crates to tip or push, a pallet to lift. The
// simulator's machine benchmarks and the machine tests run here.
#pragma once

#include "world/wld.h"

// "dumptruck", "flatbed", "forklift" or "skidloader"; "tipperload" and
// "tipperspheres" are the tipper with six quarry blocks or four clean-up
// spheres in its bed. Null for other names.
const LevelBuilder* loaders_builder(const char* variant);
// The same yard without props: ground and machine only (tests).
const LevelBuilder* loaders_emptyBuilder(const char* variant);

// Where each machine stands, its wheels on the ground.
extern const dReal LOADERS_DUMPTRUCK_POS[3];
extern const dReal LOADERS_FORKLIFT_POS[3];
extern const dReal LOADERS_SKIDLOADER_POS[3];
