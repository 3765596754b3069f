// quorvel-sim: runs a level (or the test arena) headless for a number of
// ticks, posting scripted bus messages as a player's input would, and prints
// the endGame results, a digest of the final poses and the per-tick cost.
#include <algorithm>
#include <cfloat>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "bus/bus.h"
#include "shell/gameflow.h"
#include "shell/gametick.h"
#include "tools/arena/arena.h"
#include "tools/arena/loaders.h"
#include "tools/arena/machines2.h"
#include "tools/arena/truckyard.h"
#include "tools/sim/digest.h"
#include "tools/sim/script.h"
#include "tools/sim/trace.h"
#include "ui/input.h"
#include "world/levels.h"
#include "world/wld.h"

namespace {

struct Options {
    bool arena = false;
    const char* arenaVariant = nullptr;  // "truck": the truck yard
    bool haveLevel = false;
    int level = 0;
    long ticks = -1;
    const char* scriptPath = nullptr;
    std::vector<const char*> traced;  // --trace NAME, repeatable
    long traceEvery = 60;
};

struct EndGame {
    int win, level;
    long tick;
};

std::vector<EndGame> endGames;
long currentTick = 0;

void onEndGame(const char* text) {
    endGames.push_back({argInt(text, "win"), argInt(text, "level"), currentTick});
}

int usage(const char* problem) {
    fprintf(stderr, "quorvel-sim: %s\n", problem);
    fprintf(stderr, "usage: quorvel-sim (--level N | --arena) --ticks T [--script FILE]\n"
                    "       [--trace NAME ...] [--trace-every TICKS]\n"
                    "       [--arena-variant truck|dumptruck|flatbed|forklift|skidloader|\n"
                    "                        skycrane|skycranemast|racer|policecar|train]\n");
    return 2;
}

bool parseLong(const char* text, long* out) {
    char* end = nullptr;
    long value = strtol(text, &end, 10);
    if (!*text || *end) return false;
    *out = value;
    return true;
}

int parseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        bool hasValue = i + 1 < argc;
        long value = 0;
        if (!strcmp(a, "--arena")) {
            o->arena = true;
        } else if (!strcmp(a, "--arena-variant") && hasValue) {
            o->arenaVariant = argv[++i];
            if (strcmp(o->arenaVariant, "truck") && !loaders_builder(o->arenaVariant) &&
                !machines2_builder(o->arenaVariant))
                return usage("--arena-variant takes truck, dumptruck, flatbed, forklift, skidloader, "
                             "skycrane, skycranemast, racer, policecar or train");
        } else if (!strcmp(a, "--level") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < LEVEL_SANDBOX || value >= LEVEL_COUNT)
                return usage("--level takes -1 (sandbox) or 0..24");
            o->level = (int)value;
            o->haveLevel = true;
        } else if (!strcmp(a, "--ticks") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < 0) return usage("--ticks takes a count >= 0");
            o->ticks = value;
        } else if (!strcmp(a, "--script") && hasValue) {
            o->scriptPath = argv[++i];
        } else if (!strcmp(a, "--trace") && hasValue) {
            o->traced.push_back(argv[++i]);
        } else if (!strcmp(a, "--trace-every") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < 1)
                return usage("--trace-every takes a count >= 1");
            o->traceEvery = value;
        } else {
            return usage("unknown or incomplete option");
        }
    }
    if (o->arena == o->haveLevel) return usage("give exactly one of --level N and --arena");
    if (o->ticks < 0) return usage("--ticks is required");
    return 0;
}

// The input mapping re-posts the wheel and pedal every tick, as in the game;
// a scripted "steer" or "accelcontrol" is a hand holding them there.
void postScripted(const char* text) {
    float value = argFloat(text, "setting");
    bool hasValue = value != -FLT_MAX;
    if (hasValue && strncmp(text, "steer ", 6) == 0)
        input_holdSteer(value);
    else if (hasValue && strncmp(text, "accelcontrol ", 13) == 0)
        input_holdAccel(value);
    else
        postMessage(text);
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
    if (int rc = parseOptions(argc, argv, &o)) return rc;
    Script script;
    script.errorLine = 0;
    if (o.scriptPath) {
        if (!script_load(o.scriptPath, &script)) {
            fprintf(stderr, "quorvel-sim: cannot read script '%s'\n", o.scriptPath);
            return 2;
        }
        if (script.errorLine) {
            fprintf(stderr, "quorvel-sim: %s:%d: %s\n", o.scriptPath, script.errorLine,
                    script.error.c_str());
            return 2;
        }
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
    addListener("endGame", onEndGame);
    wld_create(o.arena ? 0 : o.level, nullptr);

    std::vector<double> tickMicros;
    tickMicros.reserve(o.ticks);
    size_t next = 0;
    for (currentTick = 0; currentTick < o.ticks; currentTick++) {
        while (next < script.lines.size() && script.lines[next].tick <= currentTick)
            postScripted(script.lines[next++].text.c_str());
        auto start = std::chrono::steady_clock::now();
        game_tick(GAME_TICK);
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
