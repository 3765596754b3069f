// Builds and tears down the test arena world many times; LeakSanitizer,
// linked into this program, reports anything the cycles leave behind.
#include <cstdio>
#include <cstdlib>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/arena/arena.h"
#include "world/wld.h"

int main(int argc, char** argv) {
    int cycles = argc > 1 ? atoi(argv[1]) : 200;
    wld_setLevelBuilder(arena_builder());
    for (int i = 0; i < cycles; i++) {
        wld_create(0, nullptr);
        for (int t = 0; t < 5; t++) game_step(GAME_TICK);
        wld_destroy();
    }
    printf("%d world cycles done\n", cycles);
    return 0;
}
