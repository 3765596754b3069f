// Level 10, "babel": stack seven pack crates into one tower. From the yard
// the arm reaches only halfway up; the dock is the way to the top, once the
// two bridge segments span the gap in front of it, and five of the crates
// wait up there.
#include "world/levels/level10_babel.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal CRATE_HALF = 0.2;
const dReal SEGMENT_RESTING = 0.125;  // a segment lying on its end rails

// Where the truck picks each segment up, facing the gap's mouth on its side
// (south, then north), the segment lying on the yard to its left and turned
// across the road: slewed round to the front it comes out lined up with the
// crossing, and the truck drives it on into the mouth. The hub hangs turned
// the way the arm points, so a segment lying square to the arm takes the
// prongs in its slots.
const dReal SEGMENT_PICK_Y = 5.0;

// Two crates wait on the yard ahead of the yard stance, one to each side,
// a short swing from the pad (1.3 out: 0.57 to spare), five on the dock
// beside the dock stance, two of them in pairs (1.4 to 1.62 out: the lone
// one 0.3 to spare, the pair to the west 0.39 and its upper one, the hub
// 0.3 over it, 0.33, the pair ahead 0.44 at worst).
const dReal YARD_CRATES[2][2] = {{9.22, 4.21}, {9.13, 5.3}};
const dReal DOCK_CRATES[5][3] = {
    {7.3, 0.7, 0}, {7.3, 0.7, 1}, {8.1, 0.65, 0}, {8.1, 0.65, 1}, {8.9, 0.7, 0},
};

void addSegment(dReal x, dReal y) {
    const dReal pos[3] = {x, y, SEGMENT_RESTING};
    BridgeSegment* s = add(new BridgeSegment(pos));
    if (!s) return;
    dMatrix3 across;
    dRFromAxisAndAngle(across, 0, 0, 1, M_PI / 2);
    dBodySetRotation(s->body, across);
}

// A crate waits square to the arm that reaches for it from the stance: the
// wide-open prongs then come down outside its faces, where turned they land
// on its corners.
void addCrate(const dReal pos[3], const dReal stance[2]) {
    PackCrate* c = add(new PackCrate(pos));
    if (!c) return;
    dMatrix3 facing;
    dRFromAxisAndAngle(facing, 0, 0, 1, atan2(pos[1] - stance[1], pos[0] - stance[0]));
    dBodySetRotation(c->body, facing);
}

}  // namespace

void build_babel(LevelOut& out) {
    using namespace babel;
    makeTerrain(&geom_babel_terrain, nullptr);
    // South of the gap the truck faces north, north of it south; its left
    // is to the west and to the east.
    addSegment(GAP_CENTRE - SEGMENT_WAIT_OUT, -SEGMENT_PICK_Y);
    addSegment(GAP_CENTRE + SEGMENT_WAIT_OUT, SEGMENT_PICK_Y);
    const dReal yardStance[2] = {PAD_X, PAD_Y + TOWER_STANCE_OUT};
    const dReal dockStance[2] = {PAD_X, PAD_Y - TOWER_STANCE_OUT};
    for (const auto& c : YARD_CRATES) {
        const dReal pos[3] = {c[0], c[1], CRATE_HALF};
        addCrate(pos, yardStance);
    }
    for (const auto& c : DOCK_CRATES) {
        const dReal pos[3] = {c[0], c[1], DOCK_TOP + CRATE_HALF * (1 + 2 * c[2])};
        addCrate(pos, dockStance);
    }
    setTruckStart(out, -8, -0.5, 0.4);
    setCamera(out, -0.1f, 0.1f, 4.5f);
}

// The goal rule.

// Driven off the end of the ramp before the crossing is laid, the truck
// drops into the gap, on its nose against the dock's face or, taken straight
// and fast, on its wheels, boxed in by walls higher than they are and too
// short a slot to turn in: down there the game ends.
static bool truckDownInGap() {
    using namespace babel;
    DynamicWorldObj* truck = wld_truck();
    if (!truck) return false;
    Pose t = poseOf(truck);
    return t.x > GAP_X0 - GAP_LOST_MARGIN && t.x < GAP_X1 + GAP_LOST_MARGIN &&
           fabsf(t.y) < ROAD_HALF && t.z < DOCK_TOP - GAP_LOST_DEPTH;
}

// Seven crates, each 0.4 above the one below and at most 0.2 beside it.
void goal_babel(bool* won, bool* lost) {
    using namespace babel;
    if (truckDownInGap()) {
        *lost = true;
        return;
    }
    const int SLOTS = 7;
    float zmin = 1e30f, zmax = -1e30f;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        zmin = fminf(zmin, poseOf(o).z);
        zmax = fmaxf(zmax, poseOf(o).z);
    }
    if (!(fabsf((zmax - zmin) / (SLOTS - 1) - TOWER_STEP) < TOWER_STEP_SPREAD)) return;
    WorldObj* slot[SLOTS] = {};
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "packcrate") != 0) continue;
        int k = (int)floorf((poseOf(o).z - zmin) / TOWER_STEP + 0.5f);
        if (k >= 0 && k < SLOTS) slot[k] = o;
    }
    for (int k = 0; k < SLOTS; k++) {
        if (!slot[k]) return;
    }
    for (int k = 1; k < SLOTS; k++) {
        Pose a = poseOf(slot[k]), b = poseOf(slot[k - 1]);
        if (fabsf(a.x - b.x) > TOWER_OFFSET || fabsf(a.y - b.y) > TOWER_OFFSET ||
            fabsf(a.z - b.z - TOWER_STEP) > TOWER_STEP_TOLERANCE)
            return;
    }
    *won = true;
}
