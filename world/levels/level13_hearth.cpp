// Level 13, "hearth": take the house apart, carry it up the hill and put
// it together again on the new foundation.
#include "world/levels/level13_hearth.h"
#include "geom/records.h"
#include "world/levels/level_common.h"
#include "world/props.h"

namespace {

// Each part's place relative to the house centre and its floor.
const dReal CHIMNEY[3] = {0.775, 0, 0.6};
const dReal BACK[3] = {0.65, 0, 0.5};
const dReal FRONT[3] = {-0.65, 0, 0.5};
const dReal LEFT[3] = {0, 0.475, 0.4};
const dReal RIGHT[3] = {0, -0.475, 0.4};
const dReal ROOF[3] = {0, 0, 0.98};
const dReal CLEARANCE = 0.002;

void at(const dReal offset[3], dReal out[3]) {
    out[0] = hearth::START_X + offset[0];
    out[1] = hearth::START_Y + offset[1];
    out[2] = offset[2] + CLEARANCE;
}

}  // namespace

void build_hearth(LevelOut& out) {
    makeTerrain(&geom_hearth_terrain, &geom_hearth_collision);
    dReal p[3];
    at(CHIMNEY, p);
    add(new Chimney(p));
    at(BACK, p);
    add(new HouseBack(p));
    at(FRONT, p);
    add(new HouseFront(p));
    at(LEFT, p);
    add(new HouseWall("leftwall", p));
    at(RIGHT, p);
    add(new HouseWall("rightwall", p));
    at(ROOF, p);
    add(new HouseRoof(p));
    setTruckStart(out, -3, -8, 0.4);
    setCamera(out, 1.0f, 0.13f, 3.0f);
}
