// Entry point of the game. The window and the picture come with the
// rendering work; until then the program says so and ends.
#include "bus/diag.h"

int main() {
    logLine("quorvel: the game window is not built yet; run the tests or tools/sim");
    return 0;
}
