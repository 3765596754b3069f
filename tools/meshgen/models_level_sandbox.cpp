// The sandbox's ground: a sandy plain with a painted pad under each prop
// station and a ring joining them round the toy's starting place.
#include <cmath>

#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level_sandbox.h"

using namespace kit;
using namespace sandbox;

QUORVEL_MODEL(sandbox_ground) {
    Mesh& m = model.mesh;
    const float H = GROUND_HALF;
    slab(m, -H, H, -H, H, -0.2f, 0, SAND);
    const float TWO_PI = 6.2831853f;
    for (int i = 0; i < STATIONS; i++) {
        float a = TWO_PI * (i + 0.5f) / STATIONS;
        float x = STATION_RADIUS * cosf(a), y = STATION_RADIUS * sinf(a);
        markFrame(m, x - PAD_HALF, x + PAD_HALF, y - PAD_HALF, y + PAD_HALF, 0, 0.08f,
                  i % 2 ? YELLOW : PAINT);
    }
    for (int i = 0; i < 40; i++) {
        float a0 = TWO_PI * i / 40, a1 = TWO_PI * (i + 0.5f) / 40;
        float r = STATION_RADIUS - PAD_HALF - 1.0f;
        strut(m, {r * cosf(a0), r * sinf(a0), 0}, {r * cosf(a1), r * sinf(a1), 0}, 0.08f, PAINT);
    }
    markFrame(m, -1.2f, 1.2f, -1.2f, 1.2f, 0, 0.06f, YELLOW);
}
