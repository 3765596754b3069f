// Level 21, "egghunt". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_egghunt(LevelOut& out) {
    setCamera(out, 0.0f, 0.25f, 2.0f);
}
