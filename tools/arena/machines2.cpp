#include "tools/arena/machines2.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "tools/arena/truckyard.h"
#include "vehicles/policecar.h"
#include "vehicles/racer.h"
#include "vehicles/skycrane.h"
#include "vehicles/train.h"
#include "vehicles/vehicle.h"
#include "world/contact.h"
#include "world/props.h"

// The wheels reach 1.15 below the fuselage; cars and wagon rest on their wheels.
const dReal MACHINES2_SKYCRANE_POS[3] = {0, 0, 1.16};
const dReal MACHINES2_HOVER_POS[3] = {0, 0, 16.0};
const dReal MACHINES2_CAR_POS[3] = {0, 0, 0.37};
const dReal MACHINES2_TRAIN_POS[3] = {0, 0, 0.201};
const dReal MACHINES2_RAIL_Y = 0.35;

namespace {

enum Machine { SKYCRANE, SKYCRANE_MAST, RACER, POLICECAR, TRAIN, MACHINES };
const char* const NAMES[MACHINES] = {"skycrane", "skycranemast", "racer", "policecar", "train"};

const dReal HOOK_HALF = 1.45;  // hinge to the hook's centre
const dReal RAIL_SIZE[3] = {40.0, 0.05, 0.05};
// The hover benchmark's lever: lifts crane and mast at 16 m (lift factor 0.93).
const char* const HOVER_COLLECTIVE = "cranecontrol tag=collective setting=0.83";

void buildGround(dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    truckyard_emptyBuilder()->build(0, truckPos, orbit, elevation, distance);
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
    *distance = 9.0f;
}

// Static rail boxes owned by the terrain; the world's space frees them.
void addRails() {
    for (int side = -1; side <= 1; side += 2) {
        dGeomID rail = dCreateBox(wld_space(), RAIL_SIZE[0], RAIL_SIZE[1], RAIL_SIZE[2]);
        setCollision(rail, wld_terrain(), CAT_STATIC, COLLIDE_STATIC);
        dGeomSetPosition(rail, 0, side * MACHINES2_RAIL_Y, TRUCKYARD_GROUND + RAIL_SIZE[2] / 2);
    }
}

// The mast hangs by its top bar from the hook's drop; a ball joint stands in
// for the catch, so the benchmark needs no piloting to pick it up.
void hangMast(SkyCrane* crane) {
    // Hook already swung down, hanging straight below its hinge.
    dJointSetHingeParam(crane->hookHinge, dParamHiStop, 2.4);
    dBodyID hook = crane->hook->body;
    dVector3 hinge;
    dJointGetHingeAnchor(crane->hookHinge, hinge);
    dMatrix3 down;
    dRFromAxisAndAngle(down, 0, 1, 0, -M_PI / 2);
    dBodySetRotation(hook, down);
    dBodySetPosition(hook, hinge[0], hinge[1], hinge[2] - HOOK_HALF);
    dVector3 drop;
    dBodyGetRelPointPos(hook, -1.4, 0, -0.25, drop);
    const dReal mastAt[3] = {drop[0], drop[1], drop[2] - 7.8};
    PowerMast* mast = new PowerMast(mastAt);
    wld_addObject(mast);
    dJointID j = dJointCreateBall(wld_world(), nullptr);
    dJointAttach(j, hook, mast->body);
    dJointSetBallAnchor(j, drop[0], drop[1], drop[2]);
}

void build(Machine m, int, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    buildGround(truckPos, orbit, elevation, distance);
    if (m == SKYCRANE || m == SKYCRANE_MAST) {
        SkyCrane* crane =
            new SkyCrane(m == SKYCRANE ? MACHINES2_SKYCRANE_POS : MACHINES2_HOVER_POS);
        wld_addObject(crane);
        wld_setObjectOfInterest(crane);
        vehicle_activateInterest();
        if (m == SKYCRANE_MAST) {
            hangMast(crane);
            postMessage(HOVER_COLLECTIVE);
        }
        return;
    }
    if (m == RACER) wld_addObject(new Racer(MACHINES2_CAR_POS));
    if (m == POLICECAR) wld_addObject(new PoliceCar(MACHINES2_CAR_POS));
    if (m == TRAIN) {
        addRails();
        wld_addObject(new TrainObj(MACHINES2_TRAIN_POS));
    }
}

void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }

template <Machine M>
void buildOne(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    build(M, levelNr, truckPos, orbit, elevation, distance);
}

const LevelBuilder BUILDERS[MACHINES] = {
    {buildOne<SKYCRANE>, noGoals},  {buildOne<SKYCRANE_MAST>, noGoals}, {buildOne<RACER>, noGoals},
    {buildOne<POLICECAR>, noGoals}, {buildOne<TRAIN>, noGoals},
};

}  // namespace

const LevelBuilder* machines2_builder(const char* variant) {
    for (int i = 0; variant && i < MACHINES; i++)
        if (!strcmp(variant, NAMES[i])) return &BUILDERS[i];
    return nullptr;
}
