// Level 2, "lockdown". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_lockdown(LevelOut& out) {
    setTruckStart(out, -5, 0, -0.35);
    setCamera(out, 2.77f, 0.18f, 5.5f);
}
