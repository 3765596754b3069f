#include "tools/sim/session.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>

#include "bus/bus.h"
#include "shell/gametick.h"
#include "tools/sim/digest.h"
#include "world/wld.h"

namespace {

long ticksRun = 0;
std::vector<EndGame> endGames;
std::vector<double> tickMicros;

void onEndGame(const char* text) {
    endGames.push_back({argInt(text, "win"), argInt(text, "level"), ticksRun});
}

double median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

}  // namespace

void session_init(long expectedTicks) {
    ticksRun = 0;
    endGames.clear();
    tickMicros.clear();
    tickMicros.reserve(expectedTicks);
    addListener("endGame", onEndGame);
}

void session_tick() {
    auto start = std::chrono::steady_clock::now();
    game_tick(GAME_TICK);
    auto end = std::chrono::steady_clock::now();
    tickMicros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    ticksRun++;
}

long session_ticks() { return ticksRun; }

const std::vector<EndGame>& session_endGames() { return endGames; }

uint64_t session_finish() {
    // The digest reads the model matrices, which the objects refresh in update.
    for (int i = 0; i < wld_objectCount(); i++) wld_object(i)->update(0.0f);
    uint64_t digest = world_digest();
    wld_destroy();
    return digest;
}

void session_printSummary(FILE* out, uint64_t digest) {
    for (const EndGame& e : endGames)
        fprintf(out, "endGame win=%d level=%d tick=%ld\n", e.win, e.level, e.tick);
    fprintf(out, "digest %016" PRIx64 "\n", digest);
    double maxMicros =
        tickMicros.empty() ? 0.0 : *std::max_element(tickMicros.begin(), tickMicros.end());
    fprintf(out, "tick_us median=%.1f max=%.1f\n", median(tickMicros), maxMicros);
}
