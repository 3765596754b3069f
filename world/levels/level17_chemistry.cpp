// Level 17, "chemistry". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_chemistry(LevelOut& out) {
    setCamera(out, -0.6f, 0.2f, 5.0f);
}
