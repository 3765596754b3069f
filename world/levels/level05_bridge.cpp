// Level 5, "bridge": two deck segments are missing from the bridge. Lift them
// from the plaza before the hole into it, side by side along the road, then
// drive across on both.
#include "world/levels/level05_bridge.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

// Delivered on the verges either side of the road, lying across it: the arm
// picks each up from the side and turns it in line with the road as it
// slews back to the front, and keeps it so as the truck, turned side-on at
// the hole's west end, slews it out over the hole. From the road's middle
// abreast of them the hub over either centre plate has 0.30 m of reach to
// spare (the kit's reach model, 0.28 for the second as the driver stands);
// laid, at (-9.0, +-0.6), from the stances heading north or south on
// x = -10.625 (east wheels 0.55 m from the shelf's edge, where the drop
// begins) it has 0.24 m over either (0.28, 0.52 m from the drop, where the
// driver stops).
const dReal SEGMENT_X = -15.8, SEGMENT_Y = 1.6;
const dReal RAIL_DROP = 0.125;  // from a segment's centre to its rails' feet

}  // namespace

void build_bridge(LevelOut& out) {
    makeTerrain(&geom_bridge_terrain, nullptr);
    makeScenery(&geom_bridge_scenery);
    for (int side = 1; side >= -1; side -= 2) {
        const dReal pos[3] = {SEGMENT_X, side * SEGMENT_Y, BRIDGE_ROAD_TOP + RAIL_DROP};
        BridgeSegment* segment = add(new BridgeSegment(pos));
        if (!segment) continue;
        dMatrix3 across;
        dRFromAxisAndAngle(across, 0, 0, 1, M_PI / 2);
        dBodySetRotation(segment->body, across);
    }
    setTruckStart(out, -18, 0, 0.3);
    setCamera(out, 2.1f, 0.133f, 4.845f);
}

// The goal rule.

namespace {

bool truckHangingInTheHole() {
    const WorldObj* truck = wld_truck();
    if (!truck) return false;
    const Pose t = poseOf(truck);
    return BRIDGE_GAP_WEST < t.x && t.x < BRIDGE_GAP_EAST && fabsf(t.y) < BRIDGE_GAP_HALF_WIDTH &&
           (fabsf(t.sideTilt) > BRIDGE_HANGING_TILT || t.upright < BRIDGE_HANGING_UPRIGHT);
}

}  // namespace

void goal_bridge(bool* won, bool* lost) {
    bool decks = everyNamed("segment", [](const Pose& p) {
        return BRIDGE_LAID_WEST <= p.x && p.x <= BRIDGE_LAID_EAST && BRIDGE_LAID_LOW <= p.z &&
               p.z <= BRIDGE_LAID_HIGH;
    });
    *won = decks && truckX() >= BRIDGE_EAST_BANK;
    *lost = truckBelow(BRIDGE_LOST_BELOW) || truckHangingInTheHole();
}
