// Level 7, "temple". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_temple(LevelOut& out) {
    setTruckStart(out, -9, 5, 6);
    setCamera(out, -0.5f, 0.4f, 3.33f);
}
