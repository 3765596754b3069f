// Canal: round onto the level crossing, over the rails and down the slipway
// into the canal bed. The crane's part of the job is still to be driven: the
// boom reaches 1.93 m from the slew axis held straight out at its own height.
#include <cmath>
#include <cstdio>

#include "tools/solver/crane_kit.h"
#include "tools/solver/drivers.h"
#include "tools/solver/solver.h"
#include "tools/solver/truck_kit.h"
#include "vehicles/crane.h"
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

namespace {

int step = 0;
long stepStart = 0;
const float GRIP_ABOVE = 0.1f;    // the hub over the handles when the claws close
const float LOWER_STEP = 0.001f;  // metres a tick: slow enough not to knock the riser
float lowering = BANK_Z + RISER_HEIGHT + 0.05f + 0.6f;

void nextStep(long tick) {
    step++;
    stepStart = tick;
}

}  // namespace

// The first riser picked from the pile: park 1.3 m south of the row, the
// claws up and over it opened, lowered slowly to just above the handles,
// closed and lifted. With --verbose it reports the boom's extension left
// to spare while gripping, and whether the lift holds the riser.
bool drive_canalPickRiser(long tick) {
    const float rx = RISER_AT[0][0], ry = RISER_AT[0][1], handles = BED_Z + RISER_HEIGHT + 0.05f;
    CraneState s;
    switch (step) {
        case 0: {
            static const Waypoint PARK[] = {{-13.5f, 2.2f, 1.0f}, {rx - 0.2f, 2.2f, 0.6f}};
            static int leg = 0;
            if (!followRoute(PARK, 2, &leg) && truck_stop()) nextStep(tick);
            return true;
        }
        case 1:  // up short of the pile first, so the swing out passes over it
            truck_stop();
            if (crane_reach(rx, ry - 0.6f, handles + 0.6f) < 0.05f) nextStep(tick);
            return true;
        case 2:
            crane_grip(1);
            if (crane_reach(rx, ry, handles + 0.6f) < 0.03f && tick - stepStart > 150)
                nextStep(tick);
            return true;
        case 3:  // down slowly, the claws open, to just above the handles
            crane_grip(0);
            lowering = fmaxf(lowering - LOWER_STEP, handles + GRIP_ABOVE);
            crane_reach(rx, ry, lowering);
            if (lowering <= handles + GRIP_ABOVE && tick - stepStart > 200) nextStep(tick);
            return true;
        case 4:
            crane_grip(-1);
            crane_reach(rx, ry, handles + GRIP_ABOVE);
            if (solver_verbose() && tick == stepStart + 1 && crane_state(&s))
                fprintf(stderr, "gripping the riser: extension %.3f of %.3f, %.3f m to spare\n",
                        s.extend, CRANE_EXTEND_LOCK_MAX, CRANE_EXTEND_LOCK_MAX - s.extend);
            if (tick - stepStart > 150) nextStep(tick);
            return true;
        case 5:
            crane_grip(0);
            crane_reach(rx, ry, handles + 0.6f);
            if (tick - stepStart > 240) nextStep(tick);
            return true;
        default:
            crane_stop();
            if (solver_verbose() && crane_state(&s))
                fprintf(stderr, "lifted: %s\n", s.grasped ? "the riser is held" : "nothing held");
            return false;
    }
}
