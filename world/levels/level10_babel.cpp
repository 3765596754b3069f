// Level 10, "babel". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_babel(LevelOut& out) {
    setTruckStart(out, -8, -0.5, 0.4);
    setCamera(out, -0.1f, 0.1f, 4.5f);
}
