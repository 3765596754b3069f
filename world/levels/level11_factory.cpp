// Level 11, "factory". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_factory(LevelOut& out) {
    setTruckStart(out, -4, -3, 0.4);
    setCamera(out, 0.2f, 0.1f, 4.0f);
}
