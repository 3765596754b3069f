// Level 15, "dump". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_dump(LevelOut& out) {
    setTruckStart(out, -6.15, -9.3, -0.34);
    setCamera(out, -0.6f, 0.2f, 5.0f);
}
