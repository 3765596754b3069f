// quorvel-solve: runs a level's closed-loop driver headless and writes what
// it posted as a solution script, with the ticks the replay needs.
//   quorvel-solve --level N [--driver NAME] [--out FILE] [--delay TICKS] [--ticks MAX] [--verbose]
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bus/bus.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "tools/solver/solver.h"
#include "tools/solver/solver_run.h"
#include "world/wld.h"

namespace {

int winTick = -1, lossTick = -1;
long currentTick = 0;

void onEndGame(const char* text) {
    int& at = argInt(text, "win") ? winTick : lossTick;
    if (at < 0) at = (int)currentTick;
}

bool writeScript(const char* path, const DriverEntry& d, const std::vector<std::string>& lines,
                 long ticks) {
    FILE* f = fopen(path, "w");
    if (!f) return false;
    fprintf(f, "%s", d.summary);
    fprintf(f, "# Recorded by quorvel-solve --level %d.\n# ticks %ld\n", d.level, ticks);
    for (const std::string& l : lines) fprintf(f, "%s\n", l.c_str());
    return fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    int level = -2;
    long delay = 0, maxTicks = 60 * 60 * 20;
    const char* out = nullptr;
    const char* name = nullptr;
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "";
        if (!strcmp(a, "--verbose")) {
            solver_setVerbose(true);
            continue;
        }
        if (!strcmp(a, "--level"))
            level = atoi(value);
        else if (!strcmp(a, "--out"))
            out = value;
        else if (!strcmp(a, "--delay"))
            delay = atol(value);
        else if (!strcmp(a, "--ticks"))
            maxTicks = atol(value);
        else if (!strcmp(a, "--driver"))
            name = value;
        i++;
    }
    const DriverEntry* d = solver_driver(level, name);
    if (!d) {
        fprintf(stderr,
                "usage: quorvel-solve --level N [--driver NAME] [--out FILE] [--delay T] [--ticks "
                "MAX]\n"
                "(no driver for level %d)\n",
                level);
        return 2;
    }
    std::vector<std::string> lines;
    game_initControls();
    addListener("endGame", onEndGame);
    wld_create(level, nullptr);
    solver_begin(&lines, delay);
    bool driving = true;
    for (currentTick = 0; currentTick < maxTicks && winTick < 0; currentTick++) {
        solver_setTick(currentTick);
        if (driving && currentTick >= delay) driving = d->drive(currentTick - delay);
        game_tick(GAME_TICK);
    }
    wld_destroy();
    if (lossTick >= 0) printf("lost at tick %d\n", lossTick);
    // An unfinished recording is still written: replayed with traces it
    // shows where the driver went wrong.
    if (winTick < 0)
        printf("not won in %ld ticks\n", maxTicks);
    else
        printf("won at tick %d\n", winTick);
    if (out && !writeScript(out, *d, lines, winTick < 0 ? maxTicks : winTick + 60)) {
        fprintf(stderr, "cannot write %s\n", out);
        return 2;
    }
    return winTick < 0 ? 1 : 0;
}
