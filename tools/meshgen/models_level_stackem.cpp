// The container yard: concrete hardstanding, a walled containment area with a
// gate, and in it the shaft with a funnel that guides a stacker down its
// axis. Scenery: stacks of shipping containers and a gantry.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level06_stackem.h"

using namespace kit;

namespace {

// The concrete hole; its smooth liners stand just inside it.
const float SX = STACKEM_SHAFT_X, SY = STACKEM_SHAFT_Y;
const float H = STACKEM_SHAFT_INNER / 2 + STACKEM_LINER_PROUD;
const float DEEP = STACKEM_SHAFT_FLOOR - 0.3f;

void funnelPlate(Mesh& m, int k) {
    const StackemPlate p = stackemFunnelPlate(k);
    orientedBox(m, p.centre, p.up, p.along, p.length, p.width, STACKEM_FUNNEL_PLATE, STEEL);
}

}  // namespace

QUORVEL_MODEL(stackem_terrain) {
    Mesh& m = model.mesh;
    // The ground around the shaft's hole, as four blocks reaching below it.
    slab(m, -20, SX - H, -14, 14, DEEP, 0, CONCRETE);
    slab(m, SX + H, 20, -14, 14, DEEP, 0, CONCRETE);
    slab(m, SX - H, SX + H, -14, SY - H, DEEP, 0, CONCRETE);
    slab(m, SX - H, SX + H, SY + H, 14, DEEP, 0, CONCRETE);
    slab(m, SX - H, SX + H, SY - H, SY + H, DEEP, STACKEM_SHAFT_FLOOR, STEEL);
    markFrame(m, SX - 0.9f, SX + 0.9f, SY - 0.9f, SY + 0.9f, 0, 0.08f, YELLOW);
    // The containment yard's walls, with the gate in the west wall.
    const float W0 = STACKEM_YARD_WEST, W1 = STACKEM_YARD_EAST;
    const float S0 = STACKEM_YARD_SOUTH, S1 = STACKEM_YARD_NORTH, T = STACKEM_WALL_HEIGHT;
    slab(m, W0 - 0.2f, W0, S0 - 0.2f, STACKEM_GATE_SOUTH, 0, T, CONCRETE);
    slab(m, W0 - 0.2f, W0, STACKEM_GATE_NORTH, S1 + 0.2f, 0, T, CONCRETE);
    slab(m, W0, W1, S0 - 0.2f, S0, 0, T, CONCRETE);
    slab(m, W0, W1, S1, S1 + 0.2f, 0, T, CONCRETE);
    slab(m, W1, W1 + 0.2f, S0 - 0.2f, S1 + 0.2f, 0, T, CONCRETE);
    for (float y : {STACKEM_GATE_SOUTH, STACKEM_GATE_NORTH})
        slab(m, W0 - 0.25f, W0 + 0.05f, y - 0.1f, y + 0.1f, T, T + 0.1f, YELLOW);
    // Lane markings from the trailer's bay through the gate to the shaft.
    const float lane = STACKEM_TRAILER_Y;
    for (float x = STACKEM_TRAILER_X + 3.5f; x < STACKEM_SHAFT_X - 0.5f; x += 1.0f)
        mark(m, x, x + 0.5f, lane - 0.03f, lane + 0.03f, 0, PAINT);
    markFrame(m, STACKEM_TRAILER_X - 1.3f, STACKEM_TRAILER_X + 3.2f, STACKEM_TRAILER_Y - 0.8f,
              STACKEM_TRAILER_Y + 0.8f, 0, 0.05f, PAINT);
}

QUORVEL_MODEL(stackem_scenery) {
    Mesh& m = model.mesh;
    // The funnel and the shaft's liners are drawn here; the level collides
    // them as smooth steel.
    for (int k = 0; k < 4; k++) {
        funnelPlate(m, k);
        const StackemLiner l = stackemShaftLiner(k);
        Mesh b = box(l.size[0], l.size[1], l.size[2]);
        append(m, translate(b, l.centre[0], l.centre[1], l.centre[2]), STEEL);
        const StackemRidge r = stackemFloorRidge(k);
        const float side = STACKEM_RIDGE_SIDE, length = STACKEM_RIDGE_LENGTH;
        Mesh ridge = r.alongX ? box(length, side, side) : box(side, length, side);
        rotate(ridge, r.alongX ? Vec3{1, 0, 0} : Vec3{0, 1, 0}, 0.78539816f);
        append(m, translate(ridge, r.centre[0], r.centre[1], r.centre[2]), STEEL);
    }
    const Vec3 colours[4] = {RED, {0.2f, 0.4f, 0.7f}, {0.2f, 0.55f, 0.35f}, YELLOW};
    // Containers stacked two high along the yard's far edges.
    for (int i = 0; i < 8; i++) {
        float x = -14 + 3.5f * i;
        for (int level = 0; level < 2 - i % 2; level++)
            slab(m, x, x + 3.0f, 9.0f, 10.2f, 1.3f * level, 1.3f * level + 1.25f,
                 colours[(i + level) % 4]);
    }
    for (int i = 0; i < 5; i++) {
        float y = -9 + 3.5f * i;
        slab(m, 12.0f, 13.2f, y, y + 3.0f, 0, 1.25f, colours[(i + 2) % 4]);
    }
    // A gantry over the far stack.
    for (float x : {-15.0f, 15.0f}) {
        column(m, x, 8.0f, 0, 4.5f, 0.15f, 8, YELLOW);
        column(m, x, 11.0f, 0, 4.5f, 0.15f, 8, YELLOW);
    }
    slab(m, -15.2f, 15.2f, 7.8f, 8.2f, 4.5f, 4.9f, YELLOW);
    slab(m, -15.2f, 15.2f, 10.8f, 11.2f, 4.5f, 4.9f, YELLOW);
}
