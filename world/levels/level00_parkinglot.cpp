// Level 0, "parkinglot": parallel-park the truck in the slot between two
// marker poles, without knocking any pole over.
#include "geom/records.h"
#include "world/levels/level_common.h"
#include "world/props.h"

namespace {

// A row from -2.8 in steps of 0.79, leaving out the slot 0.2 < x < 1.7.
const dReal POLE_X[] = {-2.8, -2.01, -1.22, -0.43, 1.94, 2.73};
const dReal POLE_Y = -0.85, POLE_Z = 0.35;

}  // namespace

void build_parkinglot(LevelOut& out) {
    makeTerrain(&geom_parkinglot_terrain, nullptr);
    for (dReal x : POLE_X) {
        const dReal pos[3] = {x, POLE_Y, POLE_Z};
        add(new MarkerPole(pos));
    }
    setTruckStart(out, 0, 0, 1);
    setCamera(out, 0.4f, 0.4f, 4.0f);
}
