#include "bench/bench_script.h"

#include "bus/bus.h"

namespace {

struct Step {
    int tick;
    const char* message;
};

// Levers move the crane (slew, elevate, extend) or whatever the level's
// machine has on them; the cyclic flies the sky crane. Repeats every 150
// ticks, swinging back, so longer runs stay near the start.
const Step SCRIPT[] = {
    {0, "accelcontrol setting=0.6"},
    {0, "leverSet leverNr=0 setting=1.0"},
    {0, "leverSet leverNr=1 setting=0.6"},
    {0, "cycliccontrol x=0.3 y=0.2"},
    {30, "steer setting=0.6"},
    {60, "leverSet leverNr=2 setting=1.0"},
    {75, "accelcontrol setting=-0.6"},
    {75, "steer setting=-0.6"},
    {75, "leverSet leverNr=0 setting=-1.0"},
    {75, "leverSet leverNr=1 setting=-0.6"},
    {75, "cycliccontrol x=-0.3 y=-0.2"},
    {105, "steer setting=0.0"},
    {135, "leverSet leverNr=2 setting=-1.0"},
};
const int PERIOD = 150;

}  // namespace

void benchScript_post(int tick) {
    for (const Step& s : SCRIPT) {
        if (s.tick == tick % PERIOD) postMessage(s.message);
    }
}
