// The parking lot: an asphalt lot with painted bays, the slot between the
// marker poles, a kerbed pavement behind it and grass around.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"

using namespace kit;

namespace {

const float KERB_Y = -1.85f;   // the pavement starts just beyond the slot
const float KERB_TOP = 0.08f;  // low enough to climb, high enough to feel
const float LINE = 0.05f;

}  // namespace

QUORVEL_MODEL(parkinglot_terrain) {
    Mesh& m = model.mesh;
    slab(m, -16, 16, KERB_Y, 12, -0.5f, 0, ASPHALT);
    slab(m, -16, 16, -3.2f, KERB_Y, -0.5f, KERB_TOP, CONCRETE);
    slab(m, -16, 16, -12, -3.2f, -0.5f, KERB_TOP, GRASS);
    // The slot: its bay exactly as the job measures it, in yellow.
    markFrame(m, 0.078f, 1.422f, -1.73f, -0.82f, 0, LINE, YELLOW);
    // The row of bays the poles stand in, and the lane's centre dashes.
    for (float x = -3.2f; x < 3.6f; x += 0.79f) {
        if (x > -0.1f && x < 1.6f) continue;  // the slot has its own yellow frame
        mark(m, x - 0.02f, x + 0.02f, -1.8f, -0.9f, 0, PAINT);
    }
    for (float x = -12; x < 12; x += 1.5f) mark(m, x, x + 0.8f, 0.9f, 0.95f, 0, PAINT);
    // Bays on the far side of the lane, for the look of a real lot.
    for (int i = -6; i <= 6; i++)
        mark(m, i * 1.5f - 0.025f, i * 1.5f + 0.025f, 2.0f, 3.8f, 0, PAINT);
    mark(m, -9.0f, 9.0f, 3.8f, 3.85f, 0, PAINT);
    // Lamp posts along the far edge and a ticket booth by the entrance.
    for (int i = -2; i <= 2; i++) {
        column(m, i * 5.0f, 5.0f, 0, 3.0f, 0.06f, 8, STEEL);
        slab(m, i * 5.0f - 0.1f, i * 5.0f + 0.5f, 4.95f, 5.05f, 3.0f, 3.06f, STEEL);
    }
    slab(m, -8.0f, -7.0f, 4.5f, 5.3f, 0, 1.2f, RED);
    slab(m, -8.1f, -6.9f, 4.4f, 5.4f, 1.2f, 1.3f, PAINT);
    model.edges.colourBoundaries = false;
}
