// Level 1, "court". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_court(LevelOut& out) {
    setTruckStart(out, -3, -1, 0.5);
    setCamera(out, -0.524f, 0.101f, 2.72f);
}
