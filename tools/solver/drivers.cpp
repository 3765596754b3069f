#include "tools/solver/drivers.h"

#include <cstring>

#include "tools/solver/solver.h"
#include "tools/solver/truck_kit.h"

namespace {

const float ARRIVED = 0.6f;  // metres: close enough to turn for the next point

const DriverEntry DRIVERS[] = {
    {20, "canal", drive_canal,
     "# Canal, the way in: round onto the level crossing, over the rails and\n"
     "# down the slipway into the bed. The crane work (risers into the\n"
     "# sockets, girders onto the risers) is not driven yet: no win.\n"},
    {20, "canal-ramlever", drive_canalRamLever,
     "# Canal the lazy way: over the crossing and straight into the lever,\n"
     "# with the bridge unbuilt. The train must not get across.\n"},
    {20, "canal-pickriser", drive_canalPickRiser,
     "# Canal: the first riser picked from the pile.\n"},
    {23, "powerlift", drive_powerlift,
     "# Powerlift: lift off, swing the hook down, catch the mast's top bar,\n"
     "# carry it over the river, stand it on its footings, fly home and land.\n"},
    {23, "powerlift-landonly", drive_powerliftLandOnly,
     "# Powerlift the lazy way: up, the hook swung down, and back onto the pad\n"
     "# without the mast. Home with the hook still on is not the job.\n"},
};

}  // namespace

const DriverEntry* solver_driver(int level, const char* name) {
    for (const DriverEntry& d : DRIVERS)
        if (d.level == level && (!name || !strcmp(d.name, name))) return &d;
    return nullptr;
}

bool followRoute(const Waypoint* route, int count, int* leg) {
    while (*leg < count) {
        const Waypoint& w = route[*leg];
        if (truck_goTo(w.x, w.y, w.speed) > ARRIVED) return true;
        ++*leg;
    }
    return false;
}
