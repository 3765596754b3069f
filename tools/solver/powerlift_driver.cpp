// Powerlift: fly the sky crane to the mast, catch it, carry it to the site
// and home again.
#include "tools/solver/drivers.h"
#include "tools/solver/solver.h"

bool drive_powerlift(long) { return false; }
