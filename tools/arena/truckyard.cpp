#include "tools/arena/truckyard.h"

#include <vector>

#include "world/props.h"
#include "world/props_basic.h"

const dReal TRUCKYARD_TRUCK_POS[3] = {0, 0, 0.4};
const dReal TRUCKYARD_GROUND = 0.0;

namespace {

const int GRID = 60;  // one-metre cells per side
std::vector<float> groundTriangles;
float noEdge[6] = {0, 0, 0, 0, 0, 0};
geomdesc groundRecord = {};

void pushQuadCorner(float x, float y, float shade) {
    float v[9] = {
        x, y, (float)TRUCKYARD_GROUND, 0, 0, 1, 0.55f * shade, 0.52f * shade, 0.45f * shade};
    groundTriangles.insert(groundTriangles.end(), v, v + 9);
}

// A flat checkered slab, so the yard can be drawn and its ground collides
// through the same triangle-mesh path as level terrain.
geomdesc* ground() {
    if (groundRecord.numt) return &groundRecord;
    float half = GRID * 0.5f;
    for (int i = 0; i < GRID; i++) {
        for (int j = 0; j < GRID; j++) {
            float x0 = i - half, y0 = j - half, x1 = x0 + 1, y1 = y0 + 1;
            float shade = ((i + j) % 2) ? 1.0f : 0.9f;
            pushQuadCorner(x0, y0, shade), pushQuadCorner(x1, y0, shade),
                pushQuadCorner(x1, y1, shade);
            pushQuadCorner(x0, y0, shade), pushQuadCorner(x1, y1, shade),
                pushQuadCorner(x0, y1, shade);
        }
    }
    groundRecord.numt = (int)(groundTriangles.size() / 27);
    groundRecord.tridata = groundTriangles.data();
    groundRecord.edgedata = noEdge;
    groundRecord.bufsz[0] = groundRecord.numt * GEOM_TRIANGLE_BYTES;
    groundRecord.bufsz[1] = GEOM_EDGE_BYTES;
    return &groundRecord;
}

void buildGround(dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    const float origin[3] = {0, 0, 0};
    wld_setTerrain(new StaticWorldObj(ground(), nullptr, origin));
    for (int k = 0; k < 3; k++) truckPos[k] = TRUCKYARD_TRUCK_POS[k];
    *orbit = 0.5f;
    *elevation = 0.35f;
    *distance = 6.0f;
}

void buildProps() {
    // Two rows of crates ahead and to the left, loads and parts beyond.
    for (int k = 0; k < 6; k++) {
        const dReal p[3] = {2.0 + 0.5 * k, 1.5, 0.18};
        wld_addObject(new Crate(p));
    }
    for (int k = 0; k < 4; k++) {
        const dReal p[3] = {2.0 + 0.6 * k, -1.6, 0.205};
        wld_addObject(new PackCrate(p));
    }
    for (int k = 0; k < 3; k++) {
        const dReal p[3] = {-3.0, -2.0 + 2.0 * k, 0.15};
        wld_addObject(new Girder(p));
    }
    const dReal weight[3] = {5.0, 0, 0.41};
    wld_addObject(new HeavyWeight(weight));
    for (int k = 0; k < 2; k++) {
        const dReal p[3] = {-1.0 - 1.0 * k, 3.0, 0.06};
        wld_addObject(new Pallet("pallet", p));
    }
    const dReal pillar[3] = {4.0, 3.5, 0.81};
    wld_addObject(new TemplePillar(pillar));
    const dReal roof[3] = {-2.0, -3.5, 0.45};
    wld_addObject(new HouseRoof(roof));
    const dReal pole[3] = {6.0, -3.0, 0.36};
    wld_addObject(new MarkerPole(pole));
    const dReal ball[3] = {-4.0, 3.0, 0.25};
    wld_addObject(new SphereObj("soccerball", nullptr, ball, 0.25));
}

void buildYard(int, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    buildGround(truckPos, orbit, elevation, distance);
    buildProps();
}

void buildEmpty(int, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    buildGround(truckPos, orbit, elevation, distance);
}

void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }

const LevelBuilder yard = {buildYard, noGoals};
const LevelBuilder emptyYard = {buildEmpty, noGoals};

}  // namespace

const LevelBuilder* truckyard_builder() { return &yard; }
const LevelBuilder* truckyard_emptyBuilder() { return &emptyYard; }
