// Level 12, "ufo". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_ufo(LevelOut& out) {
    setTruckStart(out, -7, 0, 0.4);
    setCamera(out, -1.5f, 0.06f, 5.8f);
}
