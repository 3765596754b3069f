// Level 19, "hockeyriot". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_hockeyriot(LevelOut& out) {
    setCamera(out, -0.15f, 0.2f, 2.9f);
}
