#include "tools/solver/drivers.h"

#include <cstring>

#include "tools/solver/solver.h"

namespace {

const DriverEntry DRIVERS[] = {
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
