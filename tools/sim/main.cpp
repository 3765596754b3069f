// quorvel-sim: runs a level (or the test arena) headless for a number of
// ticks, posting scripted bus messages as a player's input would, and prints
// the endGame results, a digest of the final poses and the per-tick cost.
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bus/bus.h"
#include "shell/gameflow.h"
#include "tools/arena/arena.h"
#include "tools/arena/loaders.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "tools/sim/digest.h"
#include "tools/sim/options.h"
#include "tools/sim/player.h"
#include "tools/sim/script.h"
#include "tools/sim/trace.h"
#include "ui/input.h"
#include "world/gamestep.h"
#include "world/levels.h"
#include "world/wld.h"

namespace {

struct EndGame {
    int win, level;
    long tick;
};

std::vector<EndGame> endGames;
long currentTick = 0;

void onEndGame(const char* text) {
    endGames.push_back({argInt(text, "win"), argInt(text, "level"), currentTick});
}

// Prints the first line (in file order) a player could not have produced.
bool refuseNonPlayerLines(const char* path, const Script& script) {
    const ScriptLine* first = nullptr;
    std::string why, firstWhy;
    for (const ScriptLine& line : script.lines) {
        if (player_allowed(line.text, &why) || (first && first->number < line.number)) continue;
        first = &line;
        firstWhy = why;
    }
    if (first)
        fprintf(stderr, "%s:%d: refused '%s': %s\n", path, first->number, first->text.c_str(),
                firstWhy.c_str());
    return first != nullptr;
}

double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (int rc = options_parse(argc, argv, &o)) return rc;
    Script script;
    script.errorLine = 0;
    if (o.scriptPath) {
        if (!script_load(o.scriptPath, &script)) {
            fprintf(stderr, "quorvel-sim: cannot read script '%s': %s\n", o.scriptPath,
                    script.error.c_str());
            return 2;
        }
        if (script.errorLine) {
            fprintf(stderr, "quorvel-sim: %s:%d: %s\n", o.scriptPath, script.errorLine,
                    script.error.c_str());
            return 2;
        }
        if (!o.anyMessage && refuseNonPlayerLines(o.scriptPath, script)) return 2;
    }
    if (o.haveLevel && !levelAvailable(o.level)) {
        fprintf(stderr, "quorvel-sim: level %d is not available yet\n", o.level);
        return 2;
    }
    if (o.arena) {
        const LevelBuilder* machineYard = loaders_builder(o.arenaVariant);
        if (!machineYard) machineYard = machines2_builder(o.arenaVariant);
        wld_setLevelBuilder(machineYard ? machineYard
                                        : o.arenaVariant ? truckyard_builder() : arena_builder());
    }
    // The HUD and input mapping listen as in the game, so "leverSet" lines
    // and held keys reach the machines exactly as a player's would.
    game_initControls();
    player_init();
    addListener("endGame", onEndGame);
    wld_create(o.arena ? 0 : o.level, nullptr);

    std::vector<double> tickMicros;
    tickMicros.reserve(o.ticks);
    size_t next = 0;
    for (currentTick = 0; currentTick < o.ticks; currentTick++) {
        while (next < script.lines.size() && script.lines[next].tick <= currentTick)
            player_post(script.lines[next++].text.c_str());
        auto start = std::chrono::steady_clock::now();
        game_step(GAME_TICK);
        auto end = std::chrono::steady_clock::now();
        tickMicros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        if (currentTick % o.traceEvery == 0)
            for (const char* name : o.traced) trace_print(stderr, currentTick, name);
    }
    // The digest reads the model matrices, which the objects refresh in update.
    for (int i = 0; i < wld_objectCount(); i++) wld_object(i)->update(0.0f);
    uint64_t digest = world_digest();
    wld_destroy();

    for (const EndGame& e : endGames) printf("endGame win=%d level=%d tick=%ld\n", e.win, e.level, e.tick);
    printf("digest %016" PRIx64 "\n", digest);
    double maxMicros = tickMicros.empty() ? 0.0 : *std::max_element(tickMicros.begin(), tickMicros.end());
    printf("tick_us median=%.1f max=%.1f\n", median(tickMicros), maxMicros);
    return 0;
}
