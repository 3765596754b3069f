// The truck yard: flat ground, the truck with a claw grapple at the origin
// facing +x, and twenty props around it. The simulator's truck benchmark and
// the vehicle tests drive here.
#pragma once

#include "world/wld.h"

const LevelBuilder* truckyard_builder();
// The yard without props: only the ground and the truck (tests).
const LevelBuilder* truckyard_emptyBuilder();

extern const dReal TRUCKYARD_TRUCK_POS[3];
// Height of the yard's flat ground.
extern const dReal TRUCKYARD_GROUND;
