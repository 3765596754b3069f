// Level 22, "superpac". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_superpac(LevelOut& out) {
    setTruckStart(out, -10, 0, 0.4);
    setCamera(out, 0.0f, 0.058f, 4.83f);
}
