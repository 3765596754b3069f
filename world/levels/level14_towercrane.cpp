// Level 14, "towercrane". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_towercrane(LevelOut& out) {
    setTruckStart(out, -9, -6, 0.4);
    setCamera(out, 0.18f, -0.1f, 6.0f);
}
