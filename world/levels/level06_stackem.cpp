// Level 6, "stackem": the three stackers ride in the trailer. Tow it through
// the containment yard's gate and stack them in the shaft with the crane.
#include "world/levels/level06_stackem.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/trailer.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Where the stackers ride, along the trailer from its middle: the pair
// against the hitch end, the single one far enough behind it that the
// grapple's open prongs round either clear the other (closer, they pressed
// on the neighbour's top plate and pushed or tipped it). Towed along the lane
// to a stop at x = -8.7, the truck has the pair 1.14 m out and the single one
// 1.61 m (the shaft 1.46 m, the hole's edge 0.76 m from the wheels). Reach
// margins, the solver kit's within_reach at the grasp / its approach 0.3
// higher: pair 0.79 / 0.73 and 0.59 / 0.50, single 0.36 / 0.28; letting go
// in the funnel's mouth 0.50.
const dReal PAIR_AT = 0.6, SINGLE_AT = 0.14;
const dReal STACK_PITCH = 0.45;          // a stacker's plates rest on the top of the one below
const dReal STACKER_ABOVE_FLOOR = 0.2;   // its side plates' lower edge
const dReal TRAILER_FLOOR_TOP = -0.025;  // below the trailer body
const dReal TRUCK_AHEAD = 1.75;          // of the trailer, where the hitch reaches

void addFunnelPlate(int k) {
    const StackemPlate p = stackemFunnelPlate(k);
    dMatrix3 r;
    dRFrom2Axes(r, p.up[0], p.up[1], p.up[2], p.along[0], p.along[1], p.along[2]);
    // Smooth steel: a stacker's corner slides on it instead of sticking.
    addSmoothBox(p.length, p.width, STACKEM_FUNNEL_PLATE, p.centre[0], p.centre[1], p.centre[2], r);
}

void addShaftLiner(int k) {
    const StackemLiner l = stackemShaftLiner(k);
    addSmoothBox(l.size[0], l.size[1], l.size[2], l.centre[0], l.centre[1], l.centre[2], nullptr);
}

void addFloorRidge(int k) {
    const StackemRidge r = stackemFloorRidge(k);
    const dReal side = STACKEM_RIDGE_SIDE, length = STACKEM_RIDGE_LENGTH;
    dMatrix3 turn;
    dRFromAxisAndAngle(turn, r.alongX ? 1 : 0, r.alongX ? 0 : 1, 0, M_PI / 4);
    if (r.alongX)
        addSmoothBox(length, side, side, r.centre[0], r.centre[1], r.centre[2], turn);
    else
        addSmoothBox(side, length, side, r.centre[0], r.centre[1], r.centre[2], turn);
}

void addStacker(const dReal trailer[3], dReal along, int level) {
    const dReal pos[3] = {
        trailer[0] + along, trailer[1],
        trailer[2] + TRAILER_FLOOR_TOP + STACKER_ABOVE_FLOOR + STACK_PITCH * level};
    add(new Stacker(pos));
}

}  // namespace

void build_stackem(LevelOut& out) {
    makeTerrain(&geom_stackem_terrain, nullptr);
    makeScenery(&geom_stackem_scenery);
    for (int k = 0; k < 4; k++) {
        addFunnelPlate(k);
        addShaftLiner(k);
        addFloorRidge(k);
    }
    const dReal trailer[3] = {STACKEM_TRAILER_X, STACKEM_TRAILER_Y, STACKEM_TRAILER_Z};
    add(new TrailerObj("trailer", trailer));
    addStacker(trailer, PAIR_AT, 0);
    addStacker(trailer, PAIR_AT, 1);
    addStacker(trailer, SINGLE_AT, 0);
    setTruckStart(out, trailer[0] + TRUCK_AHEAD, trailer[1], trailer[2]);
    setCamera(out, -1.55f, 0.2f, 5.9f);
}

// The goal rule.

void goal_stackem(bool* won, bool* lost) {
    *won = everyNamed("stacker", [](const Pose& p) {
        return fabsf(p.x - STACKEM_SHAFT_X) <= STACKEM_TOLERANCE &&
               fabsf(p.y - STACKEM_SHAFT_Y) <= STACKEM_TOLERANCE && p.z <= STACKEM_BELOW;
    });
    *lost = truckBelow(STACKEM_TRUCK_LOST_BELOW);
}
