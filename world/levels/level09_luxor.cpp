// Level 9, "luxor". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_luxor(LevelOut& out) {
    setTruckStart(out, -6, 0, 0.4);
    setCamera(out, 0.5f, 0.2f, 3.3f);
}
