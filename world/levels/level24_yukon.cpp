// Level 24, "yukon". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_yukon(LevelOut& out) {
    setTruckStart(out, 0.5, -3.5, -0.6);
    setCamera(out, -0.1f, 0.3f, 9.6f);
}
