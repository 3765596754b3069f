// Yards for the sky crane and the passive machines: the truck yard's flat
// ground with one machine on it. "skycrane" stands on its wheels, switched
// on; "skycranemast" hovers at 16 m with the power mast hung on its released
// hook (the simulator's hover benchmark); "racer", "policecar" and "train"
// stand idle, the train on a pair of rails along x. None has a truck.
#pragma once

#include "world/wld.h"

// One of the names above; null for other names.
const LevelBuilder* machines2_builder(const char* variant);

extern const dReal MACHINES2_SKYCRANE_POS[3];  // wheels on the ground
extern const dReal MACHINES2_HOVER_POS[3];     // the hover benchmark
extern const dReal MACHINES2_CAR_POS[3];       // racer and police car
extern const dReal MACHINES2_TRAIN_POS[3];     // on the rails
extern const dReal MACHINES2_RAIL_Y;           // each rail's centre is +- this
