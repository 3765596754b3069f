// Level 16, "cleanup". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_cleanup(LevelOut& out) {
    setCamera(out, -0.6f, 0.2f, 5.0f);
}
