#include "vehicles/train.h"

#include "geom/records.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/props_basic.h"
#include "world/wld.h"

namespace {

const dReal AXLE_X[TRAIN_AXLES] = {-2.0, -1.5, 1.5, 2.0};
// Flanges inside, treads outside.
const WheelDisc WHEELS[4] = {
    {0.2, 0.05, -0.425}, {0.2, 0.05, 0.425}, {0.16, 0.05, -0.475}, {0.16, 0.05, 0.475}};
const dReal AXLE_DENSITY = 0.5;

struct DeckBox {
    dReal size[3];
    dReal offset[3];
};
const DeckBox DECKS[3] = {
    {{2.2, 1.2, 0.05}, {0, 0, -0.025}},
    {{1.0, 0.72, 0.05}, {1.75, 0, 0.075}},
    {{1.0, 0.72, 0.05}, {-1.75, 0, 0.075}},
};

}  // namespace

TrainAxle::TrainAxle(const dReal pos[3], dSpaceID space)
    : AxleObj(&geom_train_axle, pos, AXLE_DENSITY, WHEELS, 4, space) {}

TrainObj::TrainObj(const dReal p[3]) : CompositeObj("train", &geom_train, wld_world()) {
    space = vehicle_createSpace();
    setBoxMass(body, 0.4, 4.5, 1.2, 0.1);
    for (int i = 0; i < 3; i++)
        decks[i] = attachBox(body, this, space, DECKS[i].size, DECKS[i].offset, CAT_PART);
    dBodySetPosition(body, p[0], p[1], p[2]);
    for (int i = 0; i < TRAIN_AXLES; i++) {
        const dReal at[3] = {p[0] + AXLE_X[i], p[1], p[2]};
        axles[i] = new TrainAxle(at, space);
        parts_add(parts, axles[i]);
        dJointID j = dJointCreateHinge(wld_world(), nullptr);
        dJointAttach(j, body, axles[i]->body);
        dJointSetHingeAnchor(j, at[0], at[1], at[2]);
        dJointSetHingeAxis(j, 0, 1, 0);
        dJointSetHingeParam(j, dParamCFM, 0.01);
        joints[i] = j;
    }
    started = false;
    dBodyDisable(body);
    for (TrainAxle* a : axles) dBodyDisable(a->body);
}

TrainObj::~TrainObj() {
    for (int i = 0; i < TRAIN_AXLES; i++) {
        dJointDestroy(joints[i]);
        delete axles[i];
    }
    for (dGeomID g : decks) dGeomDestroy(g);
    dSpaceDestroy(space);
}

void TrainObj::launch(const dReal v[3]) {
    started = true;
    dBodyEnable(body);
    for (TrainAxle* a : axles) dBodyEnable(a->body);
    dBodySetLinearVel(body, v[0], v[1], v[2]);
}
