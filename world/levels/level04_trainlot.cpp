// Level 4, "trainlot". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_trainlot(LevelOut& out) {
    setTruckStart(out, 0, 0, 1.1);
    setCamera(out, 2.0f, 0.0f, 7.33f);
}
