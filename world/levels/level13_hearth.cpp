// Level 13, "hearth". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_hearth(LevelOut& out) {
    setTruckStart(out, -3, -8, 0.4);
    setCamera(out, 1.0f, 0.13f, 3.0f);
}
