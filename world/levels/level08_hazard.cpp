// Level 8, "hazard". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_hazard(LevelOut& out) {
    setTruckStart(out, -2.5, -7, 1.4);
    setCamera(out, 0.6f, 0.4f, 5.5f);
}
