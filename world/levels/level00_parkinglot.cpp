// Level 0, "parkinglot". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_parkinglot(LevelOut& out) {
    setTruckStart(out, 0, 0, 1);
    setCamera(out, 0.4f, 0.4f, 4.0f);
}
