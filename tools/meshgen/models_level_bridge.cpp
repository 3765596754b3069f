// The bridge: a road over a deep gorge with a river, a deck carried on piers
// and the hole where two segments are missing, with the groove, shelf and
// ledge waiting for them and the plaza the truck lays them from. Scenery: hills and trees on the
// banks.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level05_bridge.h"

using namespace kit;

namespace {

const float DECK_BOTTOM = BRIDGE_ROAD_TOP - 0.2f;
const float W = BRIDGE_DECK_HALF_WIDTH;

void deck(Mesh& m, float x0, float x1) {
    slab(m, x0, x1, -W, W, DECK_BOTTOM, BRIDGE_ROAD_TOP, CONCRETE);
    slab(m, x0, x1, -W - 0.08f, -W, DECK_BOTTOM, BRIDGE_ROAD_TOP + 0.15f, STEEL);
    slab(m, x0, x1, W, W + 0.08f, DECK_BOTTOM, BRIDGE_ROAD_TOP + 0.15f, STEEL);
    mark(m, x0, x1, -0.02f, 0.02f, BRIDGE_ROAD_TOP, PAINT);
}

void pier(Mesh& m, float x, float half, float top) {
    slab(m, x - half, x + half, -W + 0.1f, W - 0.1f, BRIDGE_GORGE_FLOOR, top, STONE);
}

}  // namespace

QUORVEL_MODEL(bridge_terrain) {
    Mesh& m = model.mesh;
    const float B0 = BRIDGE_WEST_BANK, B1 = BRIDGE_EAST_BANK;
    // Banks with the road across them. They reach under the hills so that the
    // gorge has walls all along; its ends are closed, or a view along it
    // would look out under the scenery into the sky.
    const float E = BRIDGE_GORGE_END;
    slab(m, -BRIDGE_LAND_EDGE, B0, -E, E, BRIDGE_GORGE_FLOOR - 0.5f, BRIDGE_ROAD_TOP, GRASS);
    slab(m, B1, BRIDGE_LAND_EDGE, -E, E, BRIDGE_GORGE_FLOOR - 0.5f, BRIDGE_ROAD_TOP, GRASS);
    mark(m, -40, B0, -W, W, BRIDGE_ROAD_TOP, ASPHALT);
    mark(m, B1, 40, -W, W, BRIDGE_ROAD_TOP, ASPHALT);
    // The gorge floor and the river in it, between rock walls at its ends.
    // The river is a stretch of the floor, not paint laid on it: a truck
    // falling in from the deck sank through the thin paint and then through
    // the floor under it.
    const float F0 = BRIDGE_GORGE_FLOOR - 0.5f, F1 = BRIDGE_GORGE_FLOOR;
    slab(m, B0, B0 + 3, -E, E, F0, F1, SAND);
    slab(m, B0 + 3, B1 - 3, -E, E, F0, F1, WATER);
    slab(m, B1 - 3, B1, -E, E, F0, F1, SAND);
    slab(m, B0, B1, -E - 0.5f, -E, BRIDGE_GORGE_FLOOR - 0.5f, BRIDGE_ROAD_TOP, ROCK);
    slab(m, B0, B1, E, E + 0.5f, BRIDGE_GORGE_FLOOR - 0.5f, BRIDGE_ROAD_TOP, ROCK);
    // West of the hole the deck is a plaza, walled but for the bank and the
    // hole, where the truck turns to stand side-on at the hole's west end.
    // Walls run on along the hole's sides, so that there is no way round it.
    const float P = BRIDGE_PLAZA_HALF_WIDTH, GW = BRIDGE_GAP_WEST, GE = BRIDGE_GAP_EAST;
    const float G = BRIDGE_GAP_HALF_WIDTH, T = 0.15f;
    const float WALL = BRIDGE_ROAD_TOP + BRIDGE_WALL_HEIGHT;
    const float LOW_WALL = BRIDGE_ROAD_TOP + BRIDGE_KERB_WALL_HEIGHT;
    slab(m, B0, GW, -P, P, DECK_BOTTOM, BRIDGE_ROAD_TOP, CONCRETE);
    mark(m, B0, GW, -0.02f, 0.02f, BRIDGE_ROAD_TOP, PAINT);
    for (float side : {-1.0f, 1.0f}) {
        auto across = [side](float a, float b) { return side > 0 ? a : -b; };
        auto upto = [side](float a, float b) { return side > 0 ? b : -a; };
        slab(m, B0, GW + T, across(P, P + T), upto(P, P + T), DECK_BOTTOM, WALL, STONE);
        slab(m, GW, GW + T, across(G, P), upto(G, P), DECK_BOTTOM, LOW_WALL, STONE);
        slab(m, GW, GE + 0.4f, across(G, G + 0.2f), upto(G, G + 0.2f), DECK_BOTTOM, LOW_WALL,
             STONE);
    }
    // East of the hole an abutment as wide as the hole, then the road; walls
    // across the abutment's corners beside the road, or a truck run along
    // a hole's side would put its outer wheels over the gorge there.
    slab(m, GE, GE + 0.4f, -G, G, DECK_BOTTOM, BRIDGE_ROAD_TOP, CONCRETE);
    for (float side : {-1.0f, 1.0f}) {
        float y0 = side > 0 ? W + 0.08f : -G - 0.2f, y1 = side > 0 ? G + 0.2f : -W - 0.08f;
        slab(m, GE + 0.4f, GE + 0.4f + T, y0, y1, DECK_BOTTOM, WALL, STONE);
    }
    deck(m, GE + 0.4f, B1);
    for (float x = -12.5f; x < B1; x += 3.5f) {
        if (x > GW - 0.5f && x < GE + 0.5f) continue;
        pier(m, x, 0.25f, DECK_BOTTOM);
    }
    for (float y : {-P + 0.6f, P - 0.6f})
        slab(m, -12.5f - 0.25f, -12.5f + 0.25f, y - 0.25f, y + 0.25f, BRIDGE_GORGE_FLOOR,
             DECK_BOTTOM, STONE);
    // Across the hole's west end the groove for the rails and, inside it,
    // the shelf under the decks' ends; across its east end the ledge.
    slab(m, GW, BRIDGE_GROOVE_EAST, -G, G, DECK_BOTTOM, BRIDGE_LEDGE_TOP, YELLOW);
    slab(m, BRIDGE_GROOVE_EAST, BRIDGE_SHELF_EAST, -G, G, DECK_BOTTOM, BRIDGE_SHELF_TOP, YELLOW);
    slab(m, BRIDGE_LEDGE_WEST, GE, -G, G, DECK_BOTTOM, BRIDGE_LEDGE_TOP, YELLOW);
    slab(m, GW - 0.4f, GW, -G, G, BRIDGE_GORGE_FLOOR, DECK_BOTTOM, STONE);
    slab(m, GE, GE + 0.4f, -G, G, BRIDGE_GORGE_FLOOR, DECK_BOTTOM, STONE);
    // Warning barriers beside the road east of the hole.
    for (float y : {-W - 0.2f, W + 0.2f})
        slab(m, GE + 0.95f, GE + 1.05f, y - 0.1f, y + 0.1f, BRIDGE_ROAD_TOP, 0.6f, RED);
}

QUORVEL_MODEL(bridge_scenery) {
    Mesh& m = model.mesh;
    // Rolling hills beyond the banks, on the land either side of the gorge
    // (hills across it would hang in the air), and a few trees.
    const float G = BRIDGE_EAST_BANK, L = BRIDGE_LAND_EDGE, CELL = (L - G) / 4;
    for (float x0 : {-L, G}) {
        Mesh hills = heightfield(4, 2, CELL, x0, 12, [](float x, float y) {
            return 0.8f + 1.5f * sinf(x * 0.15f) * sinf(y * 0.2f) + (y - 12) * 0.25f;
        });
        append(m, hills, shade(GRASS, 0.9f));
        Mesh far = heightfield(4, 2, CELL, x0, -12 - 2 * CELL, [](float x, float y) {
            return 0.8f + 1.5f * sinf(x * 0.13f + 1) * sinf(y * 0.2f) + (-12 - y) * 0.25f;
        });
        append(m, far, shade(GRASS, 0.9f));
    }
    const float trees[][2] = {{-22, 5}, {-19, -6}, {-26, -3}, {18, 6}, {22, -5}, {27, 3}, {-17, 8}};
    for (const auto& t : trees) {
        column(m, t[0], t[1], BRIDGE_ROAD_TOP, 1.2f, 0.12f, 6, WOOD);
        Mesh crown = cone(0.8f, 0.0f, 2.0f, 7);
        append(m, translate(crown, t[0], t[1], 2.0f), shade(GRASS, 0.7f));
    }
}
