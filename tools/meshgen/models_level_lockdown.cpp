// The hangar: a walled shed on a concrete apron, its east gate shut by the
// seal door whose two pins stand in sockets outside the wall.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level02_lockdown.h"

using namespace kit;

namespace {

const float FLOOR = LOCKDOWN_FLOOR;
const float WALL_TOP = 0.3f;   // low enough for the arm to reach over
const float GATE_HALF = 0.6f;  // the gate opening, |y| < 0.6
const float WEST = -9.0f, NORTH = 3.0f;
const float PIN_X = LOCKDOWN_PIN_X, PIN_Y = LOCKDOWN_PIN_Y;
const float STAPLE_Z[2] = {FLOOR + 0.22f, FLOOR + 0.5f};  // between the eyelets
// Two short guide blocks just clear of the door's ends. The door's diagonal
// is shorter than the gap between them, so once both pins are out it slides
// out past them at any angle. They alone do not hold a door left on one
// pin: its pinned end meets a guide so near the pin that a ram tips the pin
// in its staples and the door swings past.
const float GUIDE_Y0 = LOCKDOWN_GUIDE_Y, GUIDE_Y1 = LOCKDOWN_GUIDE_Y + 0.15f;
const float GUIDE_X0 = PIN_X - 0.15f, GUIDE_X1 = PIN_X + 0.35f, GUIDE_TOP = FLOOR + 0.45f;
// Beyond the guides each end of the door runs in a channel: a wall outside
// it and a lip reaching in between the door's two rows of bars (8 cm under
// the upper row, 6 cm over the lower), to 3 cm from the panel's end. A free
// door slides along with its bars above and below the lip. A door turning
// about one pin swings its panel into the lip next to that pin and jams
// there, less than half way open, long before the truck could get past its
// far end. The lip starts east of the pin and its staples, so that the pin
// still pulls straight up.
const float LIP_Y = LOCKDOWN_LIP_Y, LIP_Z0 = FLOOR + 0.26f, LIP_Z1 = FLOOR + 0.52f;
const float CHANNEL_X0 = PIN_X + 0.11f, CHANNEL_X1 = LOCKDOWN_CHANNEL_END;
const float CHANNEL_WALL_Y0 = 0.85f, CHANNEL_WALL_Y1 = 1.0f;

}  // namespace

QUORVEL_MODEL(lockdown_terrain) {
    Mesh& m = model.mesh;
    slab(m, -14, 30, -10, 10, FLOOR - 0.5f, FLOOR, CONCRETE);
    // A kerb around the apron's edge.
    slab(m, -14, 30, -10.2f, -10, FLOOR, FLOOR + 0.25f, CONCRETE);
    slab(m, -14, 30, 10, 10.2f, FLOOR, FLOOR + 0.25f, CONCRETE);
    slab(m, 30, 30.2f, -10.2f, 10.2f, FLOOR, FLOOR + 0.25f, CONCRETE);
    // Painted floor inside: bay lines and a hatched strip by the gate.
    markFrame(m, WEST + 0.3f, -0.5f, -NORTH + 0.3f, NORTH - 0.3f, FLOOR, 0.05f, YELLOW);
    for (int i = 0; i < 6; i++)
        mark(m, -0.5f - 0.1f * (i + 1) - 0.05f, -0.5f - 0.1f * (i + 1), -0.6f, 0.6f, FLOOR,
             i % 2 ? YELLOW : ASPHALT);
    // Road markings outside leading away east.
    for (float x = 1.5f; x < 28; x += 1.5f) mark(m, x, x + 0.8f, -0.03f, 0.03f, FLOOR, PAINT);
    // Walls: east wall with the gate, the other three closed.
    slab(m, -0.2f, 0, -NORTH - 0.2f, -GATE_HALF, FLOOR, WALL_TOP, BRICK);
    slab(m, -0.2f, 0, GATE_HALF, NORTH + 0.2f, FLOOR, WALL_TOP, BRICK);
    slab(m, WEST - 0.2f, WEST, -NORTH - 0.2f, NORTH + 0.2f, FLOOR, WALL_TOP, BRICK);
    slab(m, WEST, -0.2f, NORTH, NORTH + 0.2f, FLOOR, WALL_TOP, BRICK);
    slab(m, WEST, -0.2f, -NORTH - 0.2f, -NORTH, FLOOR, WALL_TOP, BRICK);
    // Steel corner columns and high roof trusses: the shed's frame.
    const float cx[2] = {WEST - 0.1f, -0.1f}, cy[2] = {-NORTH - 0.1f, NORTH + 0.1f};
    for (float x : cx)
        for (float y : cy) slab(m, x - 0.15f, x + 0.15f, y - 0.15f, y + 0.15f, FLOOR, 2.6f, STEEL);
    for (float x = WEST - 0.1f; x <= 0; x += 2.97f) {
        slab(m, x - 0.06f, x + 0.06f, -NORTH - 0.1f, NORTH + 0.1f, 2.5f, 2.6f, STEEL);
    }
    slab(m, WEST - 0.1f, -0.1f, -NORTH - 0.16f, -NORTH - 0.04f, 2.5f, 2.6f, STEEL);
    slab(m, WEST - 0.1f, -0.1f, NORTH + 0.04f, NORTH + 0.16f, 2.5f, 2.6f, STEEL);
    // Each pin stands on the apron through two staples on the wall, both
    // between the door's two eyelets, so a pin cannot tilt and the door only
    // moves once both pins are pulled up and out. The apron stays flat so a
    // fallen door slides away in front of the truck.
    for (int side = -1; side <= 1; side += 2) {
        float y = side * PIN_Y;
        for (float z : STAPLE_Z) {
            socket(m, PIN_X, y, 0.12f, 0.04f, z - 0.025f, z + 0.025f, STEEL);
            slab(m, 0, PIN_X - 0.1f, y - 0.1f, y + 0.1f, z - 0.025f, z + 0.025f, STEEL);
        }
    }
    for (int side = -1; side <= 1; side += 2) {
        float y0 = side > 0 ? GUIDE_Y0 : -GUIDE_Y1, y1 = side > 0 ? GUIDE_Y1 : -GUIDE_Y0;
        slab(m, GUIDE_X0, GUIDE_X1, y0, y1, FLOOR, GUIDE_TOP, CONCRETE);
    }
    for (int side = -1; side <= 1; side += 2) {
        auto span = [side](float a, float b, float& y0, float& y1) {
            y0 = side > 0 ? a : -b;
            y1 = side > 0 ? b : -a;
        };
        float y0, y1;
        span(LIP_Y, CHANNEL_WALL_Y1, y0, y1);
        slab(m, CHANNEL_X0, CHANNEL_X1, y0, y1, LIP_Z0, LIP_Z1, STEEL);
        span(CHANNEL_WALL_Y0, CHANNEL_WALL_Y1, y0, y1);
        slab(m, GUIDE_X1, CHANNEL_X1, y0, y1, FLOOR, LIP_Z0, CONCRETE);
    }
    // A warning sign by the gate.
    slab(m, 0.05f, 0.1f, 1.2f, 1.8f, 0.0f, 0.4f, YELLOW);
    slab(m, 0.05f, 0.1f, 1.45f, 1.55f, FLOOR, 0.0f, STEEL);
}
