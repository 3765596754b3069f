// Canal: round onto the level crossing, over the rails and down the slipway
// into the canal bed. The crane's part of the job is still to be driven: the
// boom reaches 1.93 m from the slew axis held straight out at its own height.
#include <cmath>

#include "tools/solver/drivers.h"
#include "tools/solver/solver.h"
#include "tools/solver/truck_kit.h"
#include "world/levels/level20_canal.h"

namespace {

using namespace canal;

const float CROSSING_MID = (CROSSING_X0 + CROSSING_X1) / 2;
const float SLIP_MID = (SLIP_Y0 + SLIP_Y1) / 2;

// North of the railway, onto the crossing square, south over it, then east
// along the slipway into the bed.
const Waypoint ROUTE[] = {
    {-16.8f, 4.6f, 1.5f},        {CROSSING_MID, 4.4f, 1.5f}, {CROSSING_MID, 2.6f, 1.0f},
    {CROSSING_MID, -2.6f, 1.0f}, {-18.0f, SLIP_MID, 1.5f},   {-13.0f, SLIP_MID, 1.5f},
    {-5.0f, SLIP_MID, 1.0f},
};

// The lazy way: over the crossing and straight into the lever, bridge or no
// bridge.
const Waypoint TO_LEVER[] = {
    {-16.8f, 4.6f, 1.5f},        {CROSSING_MID, 4.4f, 1.5f}, {CROSSING_MID, 2.6f, 1.0f},
    {CROSSING_MID, -2.6f, 1.0f}, {-14.0f, LEVER_Y, 1.5f},    {LEVER_X + 1.5f, LEVER_Y, 1.5f},
};

int leg = 0;

}  // namespace

bool drive_canalRamLever(long) {
    if (!followRoute(TO_LEVER, sizeof TO_LEVER / sizeof TO_LEVER[0], &leg))
        return truck_stop(), true;
    return true;
}

bool drive_canal(long) {
    if (!followRoute(ROUTE, sizeof ROUTE / sizeof ROUTE[0], &leg)) return truck_stop(), true;
    return true;
}
