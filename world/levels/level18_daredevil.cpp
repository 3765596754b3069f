// Level 18, "daredevil": the fork lift builds a jump from three ramp bases
// and three ramp tops at the canyon's lip, then parks in the storage shed;
// the racer then runs up and jumps the canyon.
#include "world/levels/level18_daredevil.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "vehicles/racer.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/props.h"
#include "world/wld.h"

namespace {

const dReal FORKLIFT_RIDE = 0.32;
const dReal RACER_RIDE = 0.26;
const dReal BASE_RIDE = 0.402;  // a ramp base's body above the ground it stands on
const dReal TOP_RIDE = 0.352;

}  // namespace

void build_daredevil(LevelOut& out) {
    using namespace daredevil;
    makeTerrain(&geom_daredevil_terrain, &geom_daredevil_collision);
    for (int i = 0; i < 3; i++) {
        const dReal pos[3] = {PARTS_X + PARTS_PITCH * i, PARTS_Y, BASE_RIDE};
        add(new RampBase(pos));
    }
    for (int i = 0; i < 3; i++) {
        const dReal pos[3] = {PARTS_X + PARTS_PITCH * (3 + i), PARTS_Y, TOP_RIDE};
        add(new RampTop(pos));
    }
    const dReal racerAt[3] = {RACER_X, 0, RACER_RIDE};
    add(new Racer(racerAt));
    const dReal liftAt[3] = {FORKLIFT_X, FORKLIFT_Y, FORKLIFT_RIDE};
    ForkLift* forkLift = add(new ForkLift(liftAt));
    if (forkLift) wld_setObjectOfInterest(forkLift);
    setCamera(out, -2.0f, 0.2f, 1.7f);
}

// The goal rule.

namespace {

// The show starts once: cleared whenever the fork lift is switched on.
bool racerStarted = false, racerStopped = false;
int racerRestTicks = 0;

}  // namespace

void goal_daredevil(bool* won, bool* lost) {
    using namespace daredevil;
    ForkLift* forkLift = findVehicle<ForkLift>("forkLift");
    Racer* racer = findVehicle<Racer>("racer");
    if (forkLift && !forkLift->isActive()) {
        activateVehicle(forkLift);
        racerStarted = racerStopped = false;
        racerRestTicks = 0;
    }
    if (!racer) return;
    if (forkLift && !racerStarted) {
        Pose f = poseOf(forkLift);
        if (PARKED_X0 < f.x && f.x < PARKED_X1 && PARKED_Y0 < f.y && f.y < PARKED_Y1) {
            wld_setObjectOfInterest(racer);
            racer->startRacer();
            racerStarted = true;
        }
    }
    Pose r = poseOf(racer);
    if (r.x > RACER_CUT_X && !racerStopped) {
        racer->stopRacer();
        racerStopped = true;
    }
    if (racerStarted) {
        const dReal* v = dBodyGetLinearVel(racer->body);
        const dReal speed2 = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
        racerRestTicks = speed2 < RACER_REST_SPEED * RACER_REST_SPEED ? racerRestTicks + 1 : 0;
    }
    *won = r.x > RACER_WON_X;
    *lost = r.z < RACER_LOST_Z || racerRestTicks > RACER_REST_TICKS;
}
