// One simulator run's clock and results, shared by the scripted run, serve
// mode and the soak: the game's tick as every mode takes it, the endGame
// messages with the tick they came in, and the closing summary lines.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct EndGame {
    int win, level;
    long tick;
};

// Listens for endGame; the clock starts at 0. expectedTicks only sizes the
// timing record.
void session_init(long expectedTicks);
// One game tick, the same in every mode, timed for the summary.
void session_tick();
long session_ticks();  // ticks run so far
const std::vector<EndGame>& session_endGames();

// The digest of the final poses; destroys the world.
uint64_t session_finish();
// The endGame lines, the digest and the per-tick cost, in that order.
void session_printSummary(FILE* out, uint64_t digest);
