// Level 5, "bridge". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_bridge(LevelOut& out) {
    setTruckStart(out, -18, 0, 0.3);
    setCamera(out, 2.1f, 0.133f, 4.845f);
}
