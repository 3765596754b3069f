// Level 6, "stackem". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_stackem(LevelOut& out) {
    setCamera(out, -1.55f, 0.2f, 5.9f);
}
