// Level 5, "bridge": two deck segments are missing from the bridge. Lift them
// into the gap, onto the ledges and the middle pier, then drive across.
#include "geom/records.h"
#include "world/levels/level05_bridge.h"
#include "world/levels/level_common.h"
#include "world/props.h"

namespace {

// Lying on the west bank on their end rails, either side of the road.
const dReal SEGMENT_X = -15.5, SEGMENT_Y = 1.6;
const dReal RAIL_DROP = 0.125;  // from a segment's centre to its rails' feet

}  // namespace

void build_bridge(LevelOut& out) {
    makeTerrain(&geom_bridge_terrain, nullptr);
    makeScenery(&geom_bridge_scenery);
    for (int side = 1; side >= -1; side -= 2) {
        const dReal pos[3] = {SEGMENT_X, side * SEGMENT_Y, BRIDGE_ROAD_TOP + RAIL_DROP};
        add(new BridgeSegment(pos));
    }
    setTruckStart(out, -18, 0, 0.3);
    setCamera(out, 2.1f, 0.133f, 4.845f);
}
