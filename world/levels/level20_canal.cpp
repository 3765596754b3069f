// Level 20, "canal". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_canal(LevelOut& out) {
    setTruckStart(out, -18, 2, 1);
    setCamera(out, -0.15f, 0.2f, 2.9f);
}
