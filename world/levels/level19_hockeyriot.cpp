// Level 19, "hockeyriot": two police cars left spinning in the street after
// the riot; the fork lift pushes them back into the station's yard.
#include "world/levels/level19_hockeyriot.h"

#include "bus/diag.h"
#include "geom/records.h"
#include "vehicles/forklift.h"
#include "vehicles/policecar.h"
#include "world/goals_query.h"
#include "world/levels/level_common.h"
#include "world/wld.h"

namespace {

const dReal FORKLIFT_RIDE = 0.32;
const dReal CAR_RIDE = 0.36;  // its axles' wheels just touch the street
// Set down from this high, a car turns a good part of a radian before its
// tyres take the street, which then stop the turning within a few ticks.
const dReal CAR_DROP = 0.3;

// The whole car turns about its middle, axles with it: a chassis spun alone
// drags its wheels sideways and the tyres stop it within a few ticks.
void spinCar(PoliceCar* car, dReal spin) {
    const dReal* c = dBodyGetPosition(car->body);
    dBodySetAngularVel(car->body, 0, 0, spin);
    for (PoliceCarAxle* axle : car->axles) {
        const dReal* p = dBodyGetPosition(axle->body);
        dBodySetAngularVel(axle->body, 0, 0, spin);
        dBodySetLinearVel(axle->body, -spin * (p[1] - c[1]), spin * (p[0] - c[0]), 0);
    }
}

}  // namespace

void build_hockeyriot(LevelOut& out) {
    using namespace hockeyriot;
    makeTerrain(&geom_hockeyriot_terrain, &geom_hockeyriot_collision);
    for (int i = 0; i < 2; i++) {
        const dReal at[3] = {CAR_AT[i][0], CAR_AT[i][1], CAR_RIDE + CAR_DROP};
        PoliceCar* car = add(new PoliceCar(at));
        if (car) spinCar(car, CAR_SPIN[i]);
    }
    const dReal liftAt[3] = {FORKLIFT_X, FORKLIFT_Y, FORKLIFT_RIDE};
    ForkLift* forkLift = add(new ForkLift(liftAt));
    if (forkLift) wld_setObjectOfInterest(forkLift);
    setCamera(out, -0.15f, 0.2f, 2.9f);
}

// The goal rule.

void goal_hockeyriot(bool* won, bool*) {
    forkLiftOn();
    using namespace hockeyriot;
    *won = countNamed("policeCar", [](const Pose& p) {
               return BACK_Y0 < p.y && p.y < BACK_Y1 && BACK_X0 < p.x && p.x < BACK_X1 &&
                      p.upright > BACK_UPRIGHT;
           }) >= CARS_TO_BRING;
}
