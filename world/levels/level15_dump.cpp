// Level 15, "dump": the truck loads the six granite blocks from the quarry
// floor into the dump truck waiting in the bay below; the dump truck hauls
// them up the road and tips them into the bin on the plateau.
#include "world/levels/level15_dump.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/dumptruck.h"
#include "vehicles/vehicle.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

// The dump truck's chassis rides this far above the ground its wheels touch.
const dReal DUMPTRUCK_RIDE = 0.62;
const dReal SETTLE = 0.002;  // blocks start this far above what holds them
// The claws' hold on a smooth block flickers as one claw after another
// slips, so a block counts as let go only this many ticks after the grapple
// last held one: counted at the first flicker, a block still hanging in the
// claws over the bed would hand control to the dump truck with the crane
// frozen round it, and then drop out of the frozen claws into the bay.
const int LET_GO_TICKS = 60;
int ticksSinceHeld = 0;

void addBlock(dReal x, dReal y, dReal z) {
    using namespace dump;
    const dReal pos[3] = {x, y, z};
    const dReal size[3] = {BLOCK_SIZE, BLOCK_SIZE, BLOCK_SIZE};
    const dReal noOffset[3] = {0, 0, 0};
    add(new BoxObj("block", &geom_dump_block, pos, size, BLOCK_DENSITY, noOffset));
}

// The tray's floor is smooth steel: a block coming off the tipped bed
// slides on, pushing those out before it, instead of sticking where it
// landed. A slab turned about x so that its top is the falling floor.
void addTrayFloor() {
    using namespace dump;
    const dReal thick = 0.1, length = UNLOADED_Y1 - TRAY_Y0;
    const dReal fall = atan2(TRAY_NORTH_Z - TRAY_SOUTH_Z, length);
    dMatrix3 r;
    dRFromAxisAndAngle(r, 1, 0, 0, fall);
    const dReal midY = (TRAY_Y0 + UNLOADED_Y1) / 2, midZ = (TRAY_NORTH_Z + TRAY_SOUTH_Z) / 2;
    addSmoothBox(TRAY_X1 - TRAY_X0, length / cos(fall), thick, (TRAY_X0 + TRAY_X1) / 2,
                 midY + thick / 2 * sin(fall), midZ - thick / 2 * cos(fall), r);
    // Smooth walls too: a block pressed against one by its neighbours slides
    // down it onto the floor instead of being held up there.
    const dReal wallZ = TOP_Z + WALL_HEIGHT / 2, wallLength = WALL_FROM_Y - TRAY_Y0 + WALL_WIDTH;
    for (dReal x0 : {TRAY_X0 - WALL_WIDTH, TRAY_X1})
        addSmoothBox(WALL_WIDTH, wallLength, WALL_HEIGHT, x0 + WALL_WIDTH / 2,
                     TRAY_Y0 - WALL_WIDTH + wallLength / 2, wallZ, nullptr);
    addSmoothBox(TRAY_X1 - TRAY_X0, WALL_WIDTH, WALL_HEIGHT, (TRAY_X0 + TRAY_X1) / 2,
                 TRAY_Y0 - WALL_WIDTH / 2, wallZ, nullptr);
}

}  // namespace

void build_dump(LevelOut& out) {
    using namespace dump;
    makeTerrain(&geom_dump_terrain, &geom_dump_collision);
    addTrayFloor();
    ticksSinceHeld = LET_GO_TICKS + 1;  // nothing held yet
    const dReal truckAt[3] = {DUMPTRUCK_X, DUMPTRUCK_Y, BAY_Z + DUMPTRUCK_RIDE};
    add(new DumpTruckObj(truckAt, false));
    // Rows of three, two and one along x, each resting on the row below.
    const dReal pitch = BLOCK_SIZE + BLOCK_GAP;
    for (int row = 0; row < 3; row++) {
        int count = 3 - row;
        for (int i = 0; i < count; i++) {
            dReal x = PYRAMID_X + pitch * (i - (count - 1) / 2.0);
            dReal z = FLOOR_Z + BLOCK_SIZE / 2 + row * (BLOCK_SIZE + SETTLE) + SETTLE;
            addBlock(x, PYRAMID_Y, z);
        }
    }
    setTruckStart(out, -6.15, -9.3, -0.34);
    setCamera(out, -0.6f, 0.2f, 5.0f);
}

// The goal rule.

namespace {

bool inBed(const WorldObj* bed, const Pose& p) {
    const float q[3] = {p.x, p.y, p.z};
    float l[3];
    localCoordinates(bed, q, l);
    return fabsf(l[0]) <= 0.9f && fabsf(l[1]) <= 0.45f && -0.08f <= l[2] && l[2] <= 0.8f;
}

}  // namespace

void goal_dump(bool* won, bool* lost) {
    using namespace dump;
    DumpTruckObj* dumpTruck = findVehicle<DumpTruckObj>("dumpTruck");
    if (!dumpTruck) {
        QASSERT(GOAL_SOURCE, dumpTruck);
        return;
    }
    float truckZ = poseOf(dumpTruck).z;
    // A block still in the claws is not loaded yet.
    const WorldObj* held = truckHeld();
    if (held)
        ticksSinceHeld = 0;
    else if (ticksSinceHeld <= LET_GO_TICKS)
        ticksSinceHeld++;
    int loaded = 0, unloaded = 0;
    for (int i = 0; i < wld_objectCount(); i++) {
        WorldObj* o = wld_object(i);
        if (strcmp(o->name, "block") != 0) continue;
        Pose p = poseOf(o);
        if (o != held && inBed(dumpTruck->bed, p)) loaded++;
        if (UNLOADED_X0 < p.x && p.x < UNLOADED_X1 && UNLOADED_Y0 < p.y && p.y < UNLOADED_Y1 &&
            UNLOADED_Z0 < p.z && p.z < UNLOADED_Z1)
            unloaded++;
        if (p.z < truckZ && p.z < LOST_BELOW_Z) *lost = true;
    }
    *won = unloaded == 6;
    VehicleObj* truck = dynamic_cast<VehicleObj*>(wld_truck());
    if (loaded == 6 && ticksSinceHeld > LET_GO_TICKS && !dumpTruck->isActive())
        vehicle_handOver(truck, dumpTruck);
    else if (loaded == 0 && truck && !truck->isActive())
        vehicle_handOver(dumpTruck, truck);
}
