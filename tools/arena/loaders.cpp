#include "tools/arena/loaders.h"

#include <cstring>

#include "geom/records.h"
#include "tools/arena/truckyard.h"
#include "vehicles/dumptruck.h"
#include "vehicles/forklift.h"
#include "vehicles/skidloader.h"
#include "vehicles/vehicle.h"
#include "world/props.h"
#include "world/props_basic.h"

const dReal LOADERS_DUMPTRUCK_POS[3] = {0, 0, 0.6};
const dReal LOADERS_FORKLIFT_POS[3] = {0, 0, 0.31};
const dReal LOADERS_SKIDLOADER_POS[3] = {0, 0, 0.3};

namespace {

enum Machine { DUMPTRUCK, FLATBED, FORKLIFT, SKIDLOADER, TIPPERLOAD, TIPPERSPHERES, MACHINES };
const char* const NAMES[MACHINES] = {"dumptruck",  "flatbed",    "forklift",
                                     "skidloader", "tipperload", "tipperspheres"};

// Loads as the quarry and the clean-up yard have them: granite cubes and
// light damped spheres.
const dReal BLOCK_SIZE = 0.25, BLOCK_DENSITY = 1.5;
const dReal SPHERE_RADIUS = 0.15, SPHERE_DENSITY = 0.25, SPHERE_DAMPING = 0.01;
const dReal BED_FLOOR_Z = 0.62;  // top of the tipper's floor with the truck at rest
const dReal BED_X = -0.2;        // the bed's centre from the chassis

// Ground from the truck yard, but no truck: the machine is the level's vehicle.
void buildGround(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    truckyard_emptyBuilder()->build(levelNr, truckPos, orbit, elevation, distance);
    truckPos[0] = truckPos[1] = truckPos[2] = 0;
    *distance = 5.0f;
}

VehicleObj* buildMachine(Machine m) {
    switch (m) {
        case DUMPTRUCK:
        case TIPPERLOAD:
        case TIPPERSPHERES:
        case FLATBED:
            return new DumpTruckObj(LOADERS_DUMPTRUCK_POS, m == FLATBED);
        case FORKLIFT:
            return new ForkLift(LOADERS_FORKLIFT_POS);
        default:
            return new SkidLoader(LOADERS_SKIDLOADER_POS);
    }
}

// Six blocks in two rows of three along the tipper's floor.
void addBlocks() {
    const dReal size[3] = {BLOCK_SIZE, BLOCK_SIZE, BLOCK_SIZE};
    const dReal noOffset[3] = {0, 0, 0};
    for (int i = 0; i < 6; i++) {
        const dReal p[3] = {BED_X - 0.4 + 0.3 * (i / 2), -0.15 + 0.3 * (i % 2),
                            BED_FLOOR_Z + BLOCK_SIZE / 2 + 0.002};
        wld_addObject(new BoxObj("block", &geom_dump_block, p, size, BLOCK_DENSITY, noOffset));
    }
}

// Four spheres two by two in the tipper.
void addSpheres() {
    for (int i = 0; i < 4; i++) {
        const dReal p[3] = {BED_X - 0.2 + 0.35 * (i / 2), -0.18 + 0.36 * (i % 2),
                            BED_FLOOR_Z + SPHERE_RADIUS + 0.01};
        SphereObj* s = new SphereObj("sphere", &geom_cleanup_sphere, p, SPHERE_RADIUS);
        dMass mass;
        dMassSetSphere(&mass, SPHERE_DENSITY, SPHERE_RADIUS);
        dBodySetMass(s->body, &mass);
        dBodySetLinearDamping(s->body, SPHERE_DAMPING);
        dBodySetAngularDamping(s->body, SPHERE_DAMPING);
        wld_addObject(s);
    }
}

void addProps(Machine m) {
    if (m == TIPPERLOAD) {
        addBlocks();
    } else if (m == TIPPERSPHERES) {
        addSpheres();
    } else if (m == DUMPTRUCK || m == FLATBED) {
        // A load in the bed to tip out, and a few crates ahead to drive round.
        for (int k = 0; k < 2; k++) {
            const dReal p[3] = {-0.55 + 0.45 * k, 0, 0.86};
            wld_addObject(new Crate(p));
        }
        for (int k = 0; k < 3; k++) {
            const dReal p[3] = {4.0, -1.0 + 1.0 * k, 0.23};
            wld_addObject(new Crate(p));
        }
    } else if (m == FORKLIFT) {
        // A pallet on the ground straight ahead, its slots facing the tines.
        const dReal pallet[3] = {2.2, 0, 0.04};
        wld_addObject(new Pallet("pallet", pallet));
        const dReal crate[3] = {2.2, 0, 0.31};
        wld_addObject(new Crate(crate));
    } else {
        // A ball and a row of crates to push with the bucket.
        const dReal ball[3] = {1.6, 0, 0.25};
        wld_addObject(new SphereObj("soccerball", nullptr, ball, 0.25));
        for (int k = 0; k < 3; k++) {
            const dReal p[3] = {3.0, -0.5 + 0.5 * k, 0.23};
            wld_addObject(new Crate(p));
        }
    }
}

void build(Machine m, bool props, int levelNr, dReal truckPos[3], float* orbit, float* elevation,
           float* distance) {
    buildGround(levelNr, truckPos, orbit, elevation, distance);
    VehicleObj* v = buildMachine(m);
    wld_addObject(v);
    wld_setObjectOfInterest(v);
    if (props) addProps(m);
    // Switched on at once, so scripted controls from the first tick reach it.
    vehicle_activateInterest();
}

void noGoals(int, bool* won, bool* lost) { *won = *lost = false; }

template <Machine M, bool PROPS>
void buildOne(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance) {
    build(M, PROPS, levelNr, truckPos, orbit, elevation, distance);
}

const LevelBuilder FULL[MACHINES] = {
    {buildOne<DUMPTRUCK, true>, noGoals},  {buildOne<FLATBED, true>, noGoals},
    {buildOne<FORKLIFT, true>, noGoals},   {buildOne<SKIDLOADER, true>, noGoals},
    {buildOne<TIPPERLOAD, true>, noGoals}, {buildOne<TIPPERSPHERES, true>, noGoals},
};
const LevelBuilder EMPTY[MACHINES] = {
    {buildOne<DUMPTRUCK, false>, noGoals},  {buildOne<FLATBED, false>, noGoals},
    {buildOne<FORKLIFT, false>, noGoals},   {buildOne<SKIDLOADER, false>, noGoals},
    {buildOne<TIPPERLOAD, false>, noGoals}, {buildOne<TIPPERSPHERES, false>, noGoals},
};

int find(const char* variant) {
    for (int i = 0; variant && i < MACHINES; i++)
        if (!strcmp(variant, NAMES[i])) return i;
    return -1;
}

}  // namespace

const LevelBuilder* loaders_builder(const char* variant) {
    int i = find(variant);
    return i < 0 ? nullptr : &FULL[i];
}

const LevelBuilder* loaders_emptyBuilder(const char* variant) {
    int i = find(variant);
    return i < 0 ? nullptr : &EMPTY[i];
}
