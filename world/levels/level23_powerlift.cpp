// Level 23, "powerlift". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_powerlift(LevelOut& out) {
    setCamera(out, -0.1f, 0.3f, 8.7f);
}
