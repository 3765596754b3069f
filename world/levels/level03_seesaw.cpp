// Level 3, "seesaw". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_seesaw(LevelOut& out) {
    setTruckStart(out, -5, 0, 0.4);
    setCamera(out, 0.4f, 0.52f, 3.8f);
}
