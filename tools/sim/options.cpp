#include "tools/sim/options.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/arena/loaders.h"
#include "tools/arena/machines2.h"
#include "world/levels.h"

namespace {

int usage(const char* problem) {
    fprintf(stderr, "quorvel-sim: %s\n", problem);
    fprintf(stderr,
            "usage: quorvel-sim (--level N | --arena) (--ticks T [--script FILE] | --serve |\n"
            "       --soak SEED [--ticks T])\n"
            "       [--any-message] [--trace NAME ...] [--trace-every TICKS]\n"
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

const long SOAK_TICKS = 6000;

}  // namespace

int options_parse(int argc, char** argv, Options* o) {
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
                return usage(
                    "--arena-variant takes truck, dumptruck, flatbed, forklift, skidloader, "
                    "skycrane, skycranemast, racer, policecar or train");
        } else if (!strcmp(a, "--level") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < LEVEL_SANDBOX || value >= LEVEL_COUNT)
                return usage("--level takes -1 (sandbox) or 0..24");
            o->level = (int)value;
            o->haveLevel = true;
        } else if (!strcmp(a, "--ticks") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < 0 || value > MAX_TICKS)
                return usage("--ticks takes a count from 0 to 10000000 (about 46 hours of play)");
            o->ticks = value;
        } else if (!strcmp(a, "--script") && hasValue) {
            o->scriptPath = argv[++i];
        } else if (!strcmp(a, "--serve")) {
            o->serve = true;
        } else if (!strcmp(a, "--soak") && hasValue) {
            if (!parseLong(argv[++i], &value) || value < 0)
                return usage("--soak takes a seed >= 0");
            o->soak = true;
            o->soakSeed = (unsigned long)value;
        } else if (!strcmp(a, "--any-message")) {
            o->anyMessage = true;
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
    if (o->serve && (o->ticks >= 0 || o->scriptPath))
        return usage(
            "--serve takes its ticks and messages from standard input, not --ticks or --script");
    if (o->soak && (o->serve || o->scriptPath))
        return usage("--soak makes its own input: no --serve or --script");
    if (o->soak && o->ticks < 0) o->ticks = SOAK_TICKS;
    if (o->ticks < 0 && !o->serve) return usage("--ticks is required");
    return 0;
}
