#include "tools/arena/arena.h"

#include <cmath>
#include <vector>

#include "world/props_basic.h"

namespace {

const int GRID = 24;          // cells per side
const float CELL = 1.0f;      // metres
const float HALF = GRID * CELL * 0.5f;

std::vector<float> terrainTriangles;
float noEdge[6] = {0, 0, 0, 0, 0, 0};
geomdesc proceduralTerrain = {};

ArenaGeometry geometry = {nullptr, nullptr, nullptr};

// A shallow bowl with a ramp along -x so the spheres roll toward the stack.
float height(float x, float y) {
    float bowl = 0.004f * (x * x + y * y);
    float ramp = x < -4.0f ? (-4.0f - x) * 0.25f : 0.0f;
    return bowl + ramp;
}

void pushVertex(float x, float y, float z, const float* n, float shade) {
    float v[9] = {x, y, z, n[0], n[1], n[2], 0.45f * shade, 0.62f * shade, 0.32f * shade};
    terrainTriangles.insert(terrainTriangles.end(), v, v + 9);
}

void pushTriangle(const float* a, const float* b, const float* c, float shade) {
    float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
    float v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    float len = sqrtf(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    for (float& k : n) k /= len;
    pushVertex(a[0], a[1], a[2], n, shade);
    pushVertex(b[0], b[1], b[2], n, shade);
    pushVertex(c[0], c[1], c[2], n, shade);
}

geomdesc* terrainRecord() {
    if (proceduralTerrain.numt) return &proceduralTerrain;
    for (int i = 0; i < GRID; i++) {
        for (int j = 0; j < GRID; j++) {
            float x0 = i * CELL - HALF, y0 = j * CELL - HALF, x1 = x0 + CELL, y1 = y0 + CELL;
            float p00[3] = {x0, y0, height(x0, y0)}, p10[3] = {x1, y0, height(x1, y0)};
            float p01[3] = {x0, y1, height(x0, y1)}, p11[3] = {x1, y1, height(x1, y1)};
            float shade = ((i + j) % 2) ? 1.0f : 0.92f;
            pushTriangle(p00, p10, p11, shade);
            pushTriangle(p00, p11, p01, shade);
        }
    }
    proceduralTerrain.numt = (int)(terrainTriangles.size() / 27);
    proceduralTerrain.nume = 0;
    proceduralTerrain.tridata = terrainTriangles.data();
    proceduralTerrain.edgedata = noEdge;
    proceduralTerrain.bufsz[0] = proceduralTerrain.numt * GEOM_TRIANGLE_BYTES;
    proceduralTerrain.bufsz[1] = GEOM_EDGE_BYTES;
    return &proceduralTerrain;
}

void build(int, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    geomdesc* terrain = geometry.terrain ? geometry.terrain : terrainRecord();
    const float origin[3] = {0, 0, 0};
    wld_setTerrain(new StaticWorldObj(terrain, nullptr, origin));

    // A stack of boxes, two wide and three high.
    const dReal size[3] = {0.4, 0.4, 0.4};
    const dReal noOffset[3] = {0, 0, 0};
    for (int level = 0; level < 3; level++) {
        for (int k = 0; k < 2; k++) {
            dReal pos[3] = {0.0, -0.25 + 0.5 * k, height(0, 0) + 0.2 + 0.41 * level};
            wld_addObject(new BoxObj("crate", geometry.box, pos, size, 1.0, noOffset));
        }
    }
    // Spheres on the ramp roll down into the stack.
    DynamicWorldObj* first = nullptr;
    for (int k = 0; k < 4; k++) {
        float x = -7.0f - 0.6f * k, y = -0.3f + 0.2f * k;
        dReal pos[3] = {x, y, height(x, y) + 0.3};
        SphereObj* ball = new SphereObj("ball", geometry.sphere, pos, 0.25);
        wld_addObject(ball);
        if (!first) first = ball;
    }
    wld_setObjectOfInterest(first);
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
    *orbit = 0.6f;
    *elevation = 0.35f;
    *distance = 9.0f;
}

void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }

const LevelBuilder arena = {build, noGoals};

}  // namespace

const LevelBuilder* arena_builder() { return &arena; }

void arena_setGeometry(const ArenaGeometry& g) { geometry = g; }
