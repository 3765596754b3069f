// The viaduct: stone arches carrying the railway deck, the ledge along its
// west face with pegs between the seven board places, and the terrace road
// with its ramp that brings the truck up beside it.
#include "tools/meshgen/level_kit.h"
#include "tools/meshgen/model.h"
#include "world/levels/level22_superpac.h"

using namespace kit;
using namespace superpac;

namespace {

void viaduct(Mesh& m) {
    const float Y = VIADUCT_HALF_Y;
    slab(m, -HALF, HALF, -HALF, HALF, DEEP_Z, 0, GRASS);
    // Piers and the deck over the arches' openings. The lintels start behind
    // the ledge, so that the ledge is one height along every place, over a
    // pier or over an arch.
    for (float y = -Y; y < Y; y += 6.0f) {
        slab(m, LEDGE_X0, DECK_X1, y, y + 1.6f, 0, DECK_Z - 0.8f, STONE);
        prismXZ(m,
                {{FACE_X, DECK_Z - 0.8f},
                 {DECK_X1, DECK_Z - 0.8f},
                 {DECK_X1, DECK_Z - 0.5f},
                 {FACE_X, DECK_Z - 0.5f}},
                y + 1.6f, y + 6.0f, STONE);
    }
    slab(m, FACE_X, PARAPET_X1, -Y, Y, LEDGE_Z, PARAPET_TOP, BRICK);
    slab(m, PARAPET_X1, DECK_X1, -Y, Y, LEDGE_Z, DECK_Z, STONE);
    // The board places: ridged pegs between them on the ledge, a frame
    // behind. A foot let down on a peg's slope stays there, so a board
    // landed on one stands too high and is let down afresh.
    for (int k = 0; k <= 7; k++) {
        float y = RAILS_Y0 + PEG_PITCH * k;
        Mesh peg;  // built across x and turned a quarter, like the ramp
        prismXZ(
            peg,
            {{y - PEG_WIDTH / 2, LEDGE_Z}, {y + PEG_WIDTH / 2, LEDGE_Z}, {y, LEDGE_Z + PEG_HEIGHT}},
            -FACE_X, -LEDGE_X0, YELLOW);
        rotate(peg, {0, 0, 1}, 1.5707963f);
        append(m, peg);
    }
    markFrame(m, LEDGE_X0, FACE_X, -1.8f, 1.8f, LEDGE_Z, 0.03f, PAINT);
    // The terrace and its ramp.
    slab(m, TERRACE_X0, TERRACE_X1, TERRACE_Y0, NARROW_Y0, 0, TERRACE_Z, CONCRETE);
    slab(m, NARROW_X0, TERRACE_X1, NARROW_Y0, TERRACE_Y1, 0, TERRACE_Z, CONCRETE);
    // The ramp rises north: built rising along x, then turned a quarter.
    Mesh up;
    ramp(up, RAMP_Y0, TERRACE_Y0, -RAMP_X1, -RAMP_X0, 0, TERRACE_Z, DEEP_Z, CONCRETE);
    rotate(up, {0, 0, 1}, 1.5707963f);
    append(m, up);
    slab(m, LEDGE_X0, FACE_X, TERRACE_Y0, TERRACE_Y1, TERRACE_Z, LEDGE_Z, STONE);
    const float GUARD_Z = TERRACE_Z + GUARD_HEIGHT;
    const float T = GUARD_THICK;
    slab(m, TERRACE_X0 - T, TERRACE_X0, TERRACE_Y0, NARROW_Y0 + T, 0, GUARD_Z, CONCRETE);
    slab(m, TERRACE_X0, NARROW_X0 - T, NARROW_Y0, NARROW_Y0 + T, 0, GUARD_Z, CONCRETE);
    slab(m, NARROW_X0 - T, NARROW_X0, NARROW_Y0, TERRACE_Y1 + T, 0, GUARD_Z, CONCRETE);
    slab(m, NARROW_X0, TERRACE_X1, TERRACE_Y1, TERRACE_Y1 + T, 0, GUARD_Z, CONCRETE);
    for (float y = TERRACE_Y0 + 0.5f; y < TERRACE_Y1 - 0.5f; y += 2.0f)
        mark(m, TRUCK_LINE_X - 0.04f, TRUCK_LINE_X + 0.04f, y, y + 1.0f, TERRACE_Z, PAINT);
}

// The slot's rails, the east one up to the parapet's face, bevelled along
// their top edges beside the slot. Cut is how far behind the drawn bevel
// the collided one lies: the level lays a smooth plate in that strip, on
// which a foot slides down into the slot, where the rails' grip holds it.
void rails(Mesh& m, float cut) {
    const float RAIL_Z = LEDGE_Z + RAIL_HEIGHT, BEVEL_Z = RAIL_Z - BEVEL_DROP;
    // Moved square to the slope by cut, the bevel's ends slide along the
    // slot's face and the rail's top.
    const float length = hypotf(BEVEL_WIDTH, BEVEL_DROP);
    const float down = cut * length / BEVEL_WIDTH, back = cut * length / BEVEL_DROP;
    prismXZ(m,
            {{RAIL_X0, LEDGE_Z},
             {SLOT_X0, LEDGE_Z},
             {SLOT_X0, BEVEL_Z - down},
             {SLOT_X0 - BEVEL_WIDTH - back, RAIL_Z},
             {RAIL_X0, RAIL_Z}},
            RAILS_Y0, RAILS_Y1, STEEL);
    prismXZ(m,
            {{SLOT_X1, LEDGE_Z},
             {FACE_X, LEDGE_Z},
             {FACE_X, RAIL_Z},
             {SLOT_X1 + BEVEL_WIDTH + back, RAIL_Z},
             {SLOT_X1, BEVEL_Z - down}},
            RAILS_Y0, RAILS_Y1, STEEL);
}

}  // namespace

QUORVEL_MODEL(superpac_terrain) {
    viaduct(model.mesh);
    rails(model.mesh, 0);
}

QUORVEL_MODEL(superpac_collision) {
    viaduct(model.mesh);
    rails(model.mesh, BEVEL_PLATE);
}
