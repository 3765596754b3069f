// Level 18, "daredevil". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_daredevil(LevelOut& out) {
    setCamera(out, -2.0f, 0.2f, 1.7f);
}
