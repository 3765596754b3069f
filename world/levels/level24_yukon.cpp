// Level 24, "yukon": twenty gravel stones from the creek go into the tray on
// the bench; the skid loader pushes them onto the belt that carries them
// past the wash point.
#include "geom/records.h"
#include "vehicles/skidloader.h"
#include "world/contact.h"
#include "world/levels/level24_yukon.h"
#include "world/levels/level_common.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal SKIDLOADER_RIDE = 0.31;
const dReal SETTLE = 0.002;
const dReal GRAVEL_DAMPING = 0.02;
// A stone at rest falls asleep quickly: the goal reads its sleep state.
const dReal SLEEP_LINEAR = 0.02, SLEEP_ANGULAR = 0.05;
const int SLEEP_STEPS = 20;

void addGravel(dReal x, dReal y) {
    using namespace yukon;
    const dReal pos[3] = {x, y, CREEK_Z + GRAVEL_RADIUS + SETTLE};
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

}  // namespace

void build_yukon(LevelOut& out) {
    using namespace yukon;
    makeTerrain(&geom_yukon_terrain, nullptr);
    makeScenery(&geom_yukon_scenery);
    const dReal loaderAt[3] = {SKIDLOADER_X, SKIDLOADER_Y, BENCH_Z + SKIDLOADER_RIDE};
    add(new SkidLoader(loaderAt));
    for (int i = 0; i < 20; i++)
        addGravel(GRAVEL_X0 + GRAVEL_PITCH * (i % 5), GRAVEL_Y0 + GRAVEL_PITCH * (i / 5));
    addBelt();
    setTruckStart(out, 0.5, -3.5, -0.6);
    setCamera(out, -0.1f, 0.3f, 9.6f);
}
