// Serve mode: a closed-loop driver plays the level through standard input and
// output, one command a line. Each answer is zero or more lines of data and
// then "ok" or "err TEXT". Commands: step K, post MESSAGE, pose NAME [I],
// joint MACHINE NAME, grasped, list, record FILE, quit. A development aid,
// place NAME I X Y Z, puts a loose body at a point at rest; it is no player
// input, so a session that used it does not replay from its recording.
#pragma once

#include <cstdio>

// Moves the program's own standard output (the game's diagnostics) to
// standard error and returns a stream on the old one for the answers; call
// before anything prints.
FILE* serve_claimStdout();

// Runs commands from in until "quit" or the end of input; the world is built.
// anyMessage lets "post" send what no player could.
void serve_run(FILE* in, FILE* out, bool anyMessage);
