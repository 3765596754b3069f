// Level -1, "sandbox". Its terrain and objects come with its layout.
#include "world/levels/level_common.h"

void build_sandbox(LevelOut& out) {

}
