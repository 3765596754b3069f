// Level 24, "yukon": twenty gravel stones from the creek go into the tray on
// the bench; the skid loader pushes them onto the belt that carries them
// past the wash point.
#include "world/levels/level24_yukon.h"

#include <cmath>
#include <cstring>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/skidloader.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props_basic.h"
#include "world/vehicleobj.h"
#include "world/wld.h"

namespace {

const dReal SKIDLOADER_RIDE = 0.31;
const dReal SETTLE = 0.002;
const dReal GRAVEL_DAMPING = 0.02;
// A stone at rest falls asleep quickly: the goal reads its sleep state.
const dReal SLEEP_LINEAR = 0.02, SLEEP_ANGULAR = 0.05;
const int SLEEP_STEPS = 20;

// A stone resting on its pocket's collar stands this far over the collar.
dReal gravelOverCollar() {
    using namespace yukon;
    return sqrt(GRAVEL_RADIUS * GRAVEL_RADIUS - POCKET_HALF * POCKET_HALF);
}

void addGravel(dReal x, dReal y) {
    using namespace yukon;
    const dReal pos[3] = {x, y, BAR_Z + POCKET_HEIGHT + gravelOverCollar() + SETTLE};
    SphereObj* stone = add(new SphereObj("gravel", &geom_yukon_gravel, pos, GRAVEL_RADIUS));
    if (!stone) return;
    dBodySetLinearDamping(stone->body, GRAVEL_DAMPING);
    dBodySetAngularDamping(stone->body, GRAVEL_DAMPING);
    dBodySetAutoDisableFlag(stone->body, 1);
    dBodySetAutoDisableLinearThreshold(stone->body, SLEEP_LINEAR);
    dBodySetAutoDisableAngularThreshold(stone->body, SLEEP_ANGULAR);
    dBodySetAutoDisableSteps(stone->body, SLEEP_STEPS);
}

// The belt: a box with no body, owned by the terrain, which the contact
// rule turns into a moving surface.
void addBelt() {
    using namespace yukon;
    dGeomID belt = dCreateBox(wld_space(), BELT_X1 - BELT_X0, BELT_Y1 - BELT_Y0, BELT_THICKNESS);
    dGeomSetData(belt, wld_terrain());
    dGeomSetCategoryBits(belt, CAT_CONVEYOR);
    dGeomSetCollideBits(belt, COLLIDE_DYNAMIC);
    dGeomSetPosition(belt, (BELT_X0 + BELT_X1) / 2, (BELT_Y0 + BELT_Y1) / 2,
                     BENCH_Z - BELT_THICKNESS / 2);
}

// The tray's floor is worn smooth: a stone in it slides rather than rolls.
// Rolling stones in a row jam against each other and against the skid
// loader's bucket, whose front then rides up over them; sliding ones go
// ahead of it as one heap onto the belt. Two smooth slabs lie on the drawn
// floor's two slopes, a hair above them, so that they take its contacts.
void addSmoothTrayFloor() {
    using namespace yukon;
    const dReal thick = 0.02, above = 0.0005;
    for (int side = -1; side <= 1; side += 2) {
        const dReal half = side > 0 ? TRAY_Y1 - TRAY_MID_Y : TRAY_MID_Y - TRAY_Y0;
        const dReal slope = atan(TRAY_FLOOR_RISE / half);
        dMatrix3 r;
        dRFromAxisAndAngle(r, 1, 0, 0, side * slope);  // rising towards its wall
        const dReal middleTop = BENCH_Z + TRAY_FLOOR_RISE / 2 + above;
        addSmoothBox(TRAY_X1 - TRAY_X0, half / cos(slope), thick, (TRAY_X0 + TRAY_X1) / 2,
                     TRAY_MID_Y + side * half / 2, middleTop - thick / 2 / cos(slope), r);
    }
}

}  // namespace

void build_yukon(LevelOut& out) {
    using namespace yukon;
    makeTerrain(&geom_yukon_terrain, nullptr);
    makeScenery(&geom_yukon_scenery);
    const dReal loaderAt[3] = {SKIDLOADER_X, SKIDLOADER_Y, BENCH_Z + SKIDLOADER_RIDE};
    add(new SkidLoader(loaderAt));
    for (int i = 0; i < 20; i++) {
        float x, y;
        pocketAt(i, &x, &y);
        addGravel(x, y);
    }
    addBelt();
    addSmoothTrayFloor();
    setTruckStart(out, 0.5, -3.5, -0.6);
    setCamera(out, -0.1f, 0.3f, 9.6f);
}

// The goal rule.

namespace {

bool named(const WorldObj* o, const char* name) { return strcmp(o->name, name) == 0; }

// A stone come to rest below the bench, in the lane beside the truck, on the
// lane's wall, in the creek or in the bin, is out of every machine's reach:
// twenty can then never be washed, so the job ends there rather than run on.
bool strandedGravel(DynamicWorldObj* o) {
    return poseOf(o).z < yukon::STRANDED_Z && !dBodyIsEnabled(o->body);
}

}  // namespace

void goal_yukon(bool* won, bool* lost) {
    using namespace yukon;
    SkidLoader* loader = findVehicle<SkidLoader>("skidLoader");
    if (!loader) {
        QASSERT(GOAL_SOURCE, loader);
        return;
    }
    int gravel = 0, collected = 0, washed = 0;
    bool strayed = false;
    for (int i = 0; i < wld_objectCount(); i++) {
        DynamicWorldObj* o = wld_object(i);
        if (named(o, "gravel")) {
            Pose p = poseOf(o);
            if (p.y < COLLECTED_Y && p.z > 0 && !dBodyIsEnabled(o->body))
                o->name = "collectedgravel";
            strayed = strayed || strandedGravel(o);
            gravel++;
        }
        if (named(o, "collectedgravel")) {
            collected++;
            Pose p = poseOf(o);
            float dx = p.x - WASH_X, dy = p.y - WASH_Y, dz = p.z - WASH_Z;
            if (dx * dx + dy * dy + dz * dz < WASH_RADIUS * WASH_RADIUS)
                o->name = "washedgravel";
            else if (p.z < 0)
                o->name = "gravel";
        }
        if (named(o, "washedgravel")) washed++;
    }
    *won = washed >= 20;
    *lost = poseOf(loader).upright < LOADER_TIPPED || strayed;
    VehicleObj* truck = dynamic_cast<VehicleObj*>(wld_truck());
    if (collected > gravel && !loader->isActive())
        vehicle_handOver(truck, loader);
    else if (collected == 0 && gravel > 0 && truck && !truck->isActive())
        vehicle_handOver(loader, truck);
}
