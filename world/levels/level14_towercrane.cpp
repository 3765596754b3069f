// Level 14, "towercrane": put four new bearing balls into the seat on top
// of the mast. Only the lift platform goes high enough: the balls wait on it
// and ride up with the truck beside them.
#include "world/levels/level14_towercrane.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/props_basic.h"
#include "world/props_levers.h"
#include "world/wld.h"

namespace {

const dReal FRAME_THICKNESS = 0.1;

}  // namespace

void build_towercrane(LevelOut& out) {
    using namespace towercrane;
    makeTerrain(&geom_towercrane_terrain, nullptr);
    makeScenery(&geom_towercrane_scenery);
    const dReal lever[3] = {PEDESTAL_X + 0.1, PEDESTAL_Y, LEVER_Z};
    add(new LiftLever(lever));
    // East pair first, the north one of each pair first.
    for (int i = 0; i < 4; i++) {
        const dReal pos[3] = {BALLS_X + (i / 2 ? -BALL_SPREAD : BALL_SPREAD),
                              BALLS_Y + (i % 2 ? -BALL_SPREAD : BALL_SPREAD),
                              PLATFORM_TOP_START + BEARING_RADIUS + 0.001};
        add(new SphereObj("bearing", &geom_towercrane_bearing, pos, BEARING_RADIUS));
    }
    const dReal lying[3] = {FRAME_X, FRAME_Y, FRAME_THICKNESS / 2 + 0.001};
    if (Frame* frame = add(new Frame(lying))) {
        dMatrix3 flat;
        dRFromAxisAndAngle(flat, 1, 0, 0, M_PI / 2);
        dBodySetRotation(frame->body, flat);
    }
    const dReal pole[3] = {3.5, -3.0, 0.35};
    add(new MarkerPole(pole));
    const dReal crate[3] = {-3.0, 3.0, 0.2};
    add(new PackCrate(crate));
    setTruckStart(out, -9, -6, 0.4);
    setCamera(out, 0.18f, -0.1f, 6.0f);
}

// The goal rule.

void goal_towercrane(bool* won, bool*) {
    *won = everyNamed("bearing", [](const Pose& p) {
        using namespace towercrane;
        float dx = p.x - SEAT_X, dy = p.y - SEAT_Y, dz = p.z - BEARING_SEATED_Z;
        return fabsf(dz) <= BEARING_SEATED_DZ &&
               dx * dx + dy * dy + dz * dz <= BEARING_SEATED_DIST_SQ;
    });
}
