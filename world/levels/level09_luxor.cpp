// Level 9, "luxor": open the family tomb, lay the queen beside her pharaoh
// and close the tomb again.
#include "geom/records.h"
#include "world/levels/level09_luxor.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_basic.h"

namespace {

const dReal COFFIN_DENSITY = 0.3;

void addCoffin(dReal x, dReal y, dReal z) {
    const dReal pos[3] = {x, y, z};
    const dReal size[3] = {luxor::COFFIN_SIZE[0], luxor::COFFIN_SIZE[1], luxor::COFFIN_SIZE[2]};
    const dReal noOffset[3] = {0, 0, 0};
    add(new BoxObj("coffin", &geom_luxor_coffin, pos, size, COFFIN_DENSITY, noOffset));
}

}  // namespace

void build_luxor(LevelOut& out) {
    using namespace luxor;
    makeTerrain(&geom_luxor_terrain, nullptr);
    const dReal seal[3] = {TOMB_X, TOMB_Y, TOMB_TOP + 0.05 + 0.001};
    add(new TombSeal(seal));
    const dReal lying = COFFIN_SIZE[2] / 2 + 0.002;
    // The pharaoh already rests in the chamber; the queen waits on the sand.
    addCoffin(TOMB_X, TOMB_Y + 0.35, CHAMBER_FLOOR + lying);
    addCoffin(-3.0, -3.0, lying);
    setTruckStart(out, -6, 0, 0.4);
    setCamera(out, 0.5f, 0.2f, 3.3f);
}
