// quorvel-sim: runs a level (or the test arena) headless for a number of
// ticks, posting scripted bus messages as a player's input would, and prints
// the endGame results, a digest of the final poses and the per-tick cost; or
// serves a closed-loop driver on standard input and output.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bus/bus.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "tools/arena/arena.h"
#include "tools/arena/loaders.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "tools/sim/options.h"
#include "tools/sim/player.h"
#include "tools/sim/script.h"
#include "tools/sim/serve.h"
#include "tools/sim/session.h"
#include "tools/sim/soak.h"
#include "tools/sim/trace.h"
#include "world/levels.h"
#include "world/wld.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
    Options o;
    if (int rc = options_parse(argc, argv, &o)) return rc;
    FILE* report = o.serve ? serve_claimStdout() : stdout;
    if (!report) {
        fprintf(stderr, "quorvel-sim: cannot set up the answer stream\n");
        return 1;
    }
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
        wld_setLevelBuilder(machineYard      ? machineYard
                            : o.arenaVariant ? truckyard_builder()
                                             : arena_builder());
    }
    // The HUD and input mapping listen as in the game, so "leverSet" lines
    // and held keys reach the machines exactly as a player's would.
    game_initControls();
    player_init();
    session_init(o.serve ? 0 : o.ticks);
    wld_create(o.arena ? 0 : o.level, nullptr);
    if (o.serve) serve_run(stdin, report, o.anyMessage);
    bool soaked = !o.soak || soak_run(o.soakSeed, o.ticks, report);

    size_t next = 0;
    for (long tick = 0; !o.soak && tick < o.ticks; tick++) {
        while (next < script.lines.size() && script.lines[next].tick <= tick)
            player_post(script.lines[next++].text.c_str());
        session_tick();
        if (tick % o.traceEvery == 0)
            for (const char* name : o.traced) trace_print(stderr, tick, name);
    }
    session_printSummary(report, session_finish());
    return soaked ? 0 : 1;
}
