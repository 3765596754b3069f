// The street by the police station: asphalt with lane paint, the walled yard
// with its gate, the station house behind it and the hockey arena across
// the street. The collision shape is the ground and the walls only.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level19_hockeyriot.h"

using namespace kit;
using namespace hockeyriot;

namespace {

const Vec3 POLICE_BLUE = {0.18f, 0.26f, 0.55f};
const Vec3 ICE = {0.85f, 0.90f, 0.95f};

void solid(Mesh& m) {
    slab(m, -HALF_X, HALF_X, -HALF_Y, HALF_Y, DEEP_Z, 0, ASPHALT);
    const float W = WALL, T = WALL_HEIGHT;
    slab(m, YARD_X0 - W, YARD_X0, YARD_Y0 - W, YARD_Y1 + W, 0, T, BRICK);
    slab(m, YARD_X1, YARD_X1 + W, YARD_Y0 - W, YARD_Y1 + W, 0, T, BRICK);
    slab(m, YARD_X0, YARD_X1, YARD_Y1, YARD_Y1 + W, 0, T, BRICK);
    slab(m, YARD_X0, GATE_X0, YARD_Y0 - W, YARD_Y0, 0, T, BRICK);
    slab(m, GATE_X1, YARD_X1, YARD_Y0 - W, YARD_Y0, 0, T, BRICK);
    // The station house north of the yard, the arena south of the street.
    slab(m, YARD_X0 + 2, YARD_X1 - 2, YARD_Y1 + 2, YARD_Y1 + 8, 0, 3.5f, CONCRETE);
    slab(m, -10, 20, -24, -12, 0, 4.0f, ICE);
}

}  // namespace

QUORVEL_MODEL(hockeyriot_collision) { solid(model.mesh); }

QUORVEL_MODEL(hockeyriot_terrain) {
    Mesh& m = model.mesh;
    solid(m);
    // Pavement lines and the street's centre dashes.
    mark(m, -HALF_X, HALF_X, KERB_Y, KERB_Y + 0.12f, 0, PAINT);
    mark(m, -HALF_X, HALF_X, -KERB_Y - 4.12f, -KERB_Y - 4.0f, 0, PAINT);
    for (float x = -HALF_X + 1; x < HALF_X - 2; x += 4.0f)
        mark(m, x, x + 2.0f, -2.06f, -1.94f, 0, YELLOW);
    // Parking bays painted in the yard.
    for (int i = 0; i < 5; i++) {
        float x = YARD_X0 + 1.5f + 3.0f * i;
        markFrame(m, x, x + 2.2f, YARD_Y1 - 4.0f, YARD_Y1 - 0.5f, 0, 0.08f, PAINT);
    }
    mark(m, GATE_X0, GATE_X1, YARD_Y0 - WALL, YARD_Y0, 0, YELLOW);
    // The station's blue band and door, the arena's roof rim.
    slab(m, YARD_X0 + 1.98f, YARD_X1 - 1.98f, YARD_Y1 + 1.98f, YARD_Y1 + 2.0f, 2.4f, 2.9f,
         POLICE_BLUE);
    slab(m, -25.0f, -23.0f, YARD_Y1 + 1.98f, YARD_Y1 + 2.0f, 0, 2.0f, WOOD);
    slab(m, -10.2f, 20.2f, -24.2f, -11.8f, 4.0f, 4.3f, RED);
    for (float x = YARD_X0; x <= YARD_X1; x += 4.0f) {
        if (x > GATE_X0 && x < GATE_X1) continue;
        column(m, x, YARD_Y0 - 0.15f, WALL_HEIGHT, WALL_HEIGHT + 0.5f, 0.05f, 6, STEEL);
    }
}
