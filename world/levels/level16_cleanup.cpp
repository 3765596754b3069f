// Level 16, "cleanup": the dump truck brings four spheres on its flat bed and
// tips them out beside the drain pit; the skid loader pushes them in.
#include "world/levels/level16_cleanup.h"

#include <cmath>

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/dumptruck.h"
#include "vehicles/skidloader.h"
#include "vehicles/vehicle.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal DUMPTRUCK_RIDE = 0.62;  // chassis above the ground
const dReal SKIDLOADER_RIDE = 0.31;
const dReal BED_ABOVE = 0.2;  // the bed body above the chassis
const dReal BED_BEHIND = 0.2;
const dReal BED_FLOOR = -0.18;  // the bed floor's top in the bed's frame
// The four spheres lie two by two in the bed.
const dReal SPHERE_AT[4][2] = {{-0.2, 0.18}, {-0.2, -0.18}, {0.15, 0.18}, {0.15, -0.18}};

}  // namespace

void build_cleanup(LevelOut& out) {
    using namespace cleanup;
    makeTerrain(&geom_cleanup_terrain, nullptr);
    const dReal loaderAt[3] = {SKIDLOADER_X, SKIDLOADER_Y, SKIDLOADER_RIDE};
    add(new SkidLoader(loaderAt));
    const dReal truckAt[3] = {DUMPTRUCK_X, DUMPTRUCK_Y, DUMPTRUCK_RIDE};
    add(new DumpTruckObj(truckAt, true));  // the flat bed lets the spheres roll off once tipped
    const dReal bedX = DUMPTRUCK_X - BED_BEHIND, bedZ = DUMPTRUCK_RIDE + BED_ABOVE;
    for (const auto& s : SPHERE_AT) {
        const dReal pos[3] = {bedX + s[0], DUMPTRUCK_Y + s[1],
                              bedZ + BED_FLOOR + SPHERE_RADIUS + 0.01};
        SphereObj* sphere = add(new SphereObj("sphere", &geom_cleanup_sphere, pos, SPHERE_RADIUS));
        if (!sphere) continue;
        dMass mass;
        dMassSetSphere(&mass, SPHERE_DENSITY, SPHERE_RADIUS);
        dBodySetMass(sphere->body, &mass);
        dBodySetLinearDamping(sphere->body, SPHERE_DAMPING);
        dBodySetAngularDamping(sphere->body, SPHERE_DAMPING);
    }
    setCamera(out, -0.6f, 0.2f, 5.0f);
}

// The goal rule.

namespace {

const dReal CLEANUP_TIPPED = 0.659734;

}  // namespace

void goal_cleanup(bool* won, bool*) {
    *won = everyNamed("sphere", [](const Pose& p) {
        using namespace cleanup;
        return fabsf(p.x) <= IN_PIT_HALF && fabsf(p.y) <= IN_PIT_HALF && p.z <= IN_PIT_BELOW_Z;
    });
    DumpTruckObj* dumpTruck = findVehicle<DumpTruckObj>("dumpTruck");
    SkidLoader* loader = findVehicle<SkidLoader>("skidLoader");
    if (!dumpTruck || !loader) return;
    if (!dumpTruck->isActive() && !loader->isActive())
        vehicle_handOver(nullptr, dumpTruck);
    else if (dumpTruck->isActive() && dJointGetHingeAngle(dumpTruck->bedHinge) > CLEANUP_TIPPED)
        vehicle_handOver(dumpTruck, loader);
}
