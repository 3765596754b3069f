// Level 12, "ufo": move the six prison-wall sections from their store slot
// into the wall slot, closing the compound off. A wall knocked down flat is
// lost to the job, and so is the job.
#include "world/levels/level12_ufo.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal GUIDE_PLATE = 0.02;

// A smooth steel plate laid into the wall slot's side, its face on the
// drawn face from (x0, z0) to (x1, z1) with the ground on the right. With
// the sand's grip a foot landing on a chamfer sticks there, the wall
// hanging from the claw tilts about it and never drops in: the funnel
// steers a foot only if it slides.
void addGuide(dReal x0, dReal z0, dReal x1, dReal z1) {
    using namespace ufo;
    const dReal dx = x1 - x0, dz = z1 - z0, length = hypot(dx, dz);
    const dReal inX = dz / length, inZ = -dx / length;  // into the ground
    dMatrix3 turn;
    dRFromAxisAndAngle(turn, 0, 1, 0, -atan2(dz, dx));
    addSmoothBox(length, 2 * SLOT_HALF_LENGTH, GUIDE_PLATE, (x0 + x1) / 2 + inX * GUIDE_PLATE / 2,
                 0, (z0 + z1) / 2 + inZ * GUIDE_PLATE / 2, turn);
}

// Both chamfers of the wall slot and its upright faces below them.
void addSlotGuides() {
    using namespace ufo;
    const dReal w = SLOT_HALF, c = SLOT_HALF + CHAMFER, cd = -CHAMFER_DEPTH, x = WALL_SLOT_X;
    addGuide(x - c, 0, x - w, cd);
    addGuide(x - w, cd, x - w, SLOT_FLOOR);
    addGuide(x + w, SLOT_FLOOR, x + w, cd);
    addGuide(x + w, cd, x + c, 0);
}

}  // namespace

void build_ufo(LevelOut& out) {
    using namespace ufo;
    makeTerrain(&geom_ufo_terrain, &geom_ufo_collision);
    addSlotGuides();
    for (int i = 0; i < 6; i++) {
        const dReal pos[3] = {STORE_SLOT_X, (i - 2.5) * WALL_SPACING, WALL_Z + 0.002};
        add(new PrisonWall(pos));
    }
    setTruckStart(out, -7, 0, 0.4);
    setCamera(out, -1.5f, 0.06f, 5.8f);
}

// The goal rule.

namespace {

// A wall lying on the ground can never be stood up again: the open prongs
// come down on its face before they reach the top bar, and what they close
// on (the bar, the panel's edge, the base plate standing up as a fin) slips
// out as the hub rises, the wall's weight far to one side of the grip. So a
// wall down flat anywhere ends the job. One still in the claw is in play.
bool wallLyingFlat() {
    using namespace ufo;
    const WorldObj* held = truckHeld();
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (o == held || strcmp(o->name, "prisonwall") != 0) continue;
        const Pose p = poseOf(o);
        if (p.upright < WALL_FLAT_UPRIGHT && p.z < WALL_LYING_BELOW) return true;
    }
    return false;
}

}  // namespace

void goal_ufo(bool* won, bool* lost) {
    using namespace ufo;
    if (wallLyingFlat()) {
        *lost = true;
        return;
    }
    *won = everyNamed("prisonwall", [](const Pose& p) {
        return fabsf(p.x - WALL_SLOT_X) < WALL_TOLERANCE && fabsf(p.z - WALL_Z) < WALL_TOLERANCE;
    });
}
