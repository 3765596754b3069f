// Level 9, "luxor": open the family tomb, lay the queen beside her pharaoh
// and close the tomb again.
#include "world/levels/level09_luxor.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal COFFIN_DENSITY = 0.3;

void addCoffin(dReal x, dReal y, dReal z, dReal yaw) {
    using namespace luxor;
    const dReal pos[3] = {x, y, z};
    const dReal size[3] = {COFFIN_SIZE[0], COFFIN_SIZE[1], COFFIN_SIZE[2]};
    const dReal noOffset[3] = {0, 0, 0};
    BoxObj* coffin =
        add(new BoxObj("coffin", &geom_luxor_coffin, pos, size, COFFIN_DENSITY, noOffset));
    if (!coffin) return;
    dMatrix3 turn;
    dRFromAxisAndAngle(turn, 0, 0, 1, yaw);
    dBodySetRotation(coffin->body, turn);
    const dReal lid = COFFIN_SIZE[2] / 2;
    const dReal bar[3] = {BAR_SIZE[0], BAR_SIZE[1], BAR_SIZE[2]};
    const dReal barAt[3] = {0, 0, lid + BAR_HEIGHT};
    attachBox(coffin->body, coffin, wld_space(), bar, barAt, CAT_PART);
    const dReal post[3] = {POST_SIZE[0], POST_SIZE[1], POST_SIZE[2]};
    for (int s = -1; s <= 1; s += 2) {
        const dReal postAt[3] = {s * POST_X, 0, lid + POST_SIZE[2] / 2};
        attachBox(coffin->body, coffin, wld_space(), post, postAt, CAT_PART);
    }
}

}  // namespace

void build_luxor(LevelOut& out) {
    using namespace luxor;
    makeTerrain(&geom_luxor_terrain, nullptr);
    const dReal seal[3] = {TOMB_X, TOMB_Y, TOMB_TOP + 0.05 + 0.001};
    add(new TombSeal(seal));
    const dReal lying = COFFIN_SIZE[2] / 2 + 0.002;
    // The pharaoh already rests in the chamber; the queen waits on the sand
    // ahead of the stance south of the tomb, from where the truck works the
    // seal, the queen and the chamber without moving.
    addCoffin(TOMB_X, TOMB_Y + 0.35, CHAMBER_FLOOR + lying, 0);
    addCoffin(QUEEN_X, QUEEN_Y, lying, QUEEN_YAW);
    setTruckStart(out, -6, 0, 0.4);
    setCamera(out, 0.5f, 0.2f, 3.3f);
}

// The goal rule.

void goal_luxor(bool* won, bool* lost) {
    using namespace luxor;
    bool coffins = everyNamed("coffin", [](const Pose& p) {
        return BURIED_X0 <= p.x && p.x <= BURIED_X1 && BURIED_Y0 <= p.y && p.y <= BURIED_Y1 &&
               p.z <= BURIED_TOP;
    });
    bool seal = everyNamed("tombseal", [](const Pose& p) {
        return fabsf(p.x - TOMB_X) <= SEAL_PLAY && fabsf(p.y - TOMB_Y) <= SEAL_PLAY &&
               fabsf(p.z - SEAL_Z) <= SEAL_PLAY_Z;
    });
    *won = coffins && seal;
    *lost = truckBelow(LOST_BELOW);
}
