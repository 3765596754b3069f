#include "world/wld.h"

#include <cmath>
#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/gfx.h"
#include "world/contact.h"
#include "world/levels.h"
#include "world/vehicleobj.h"

const dReal WLD_SUBSTEP = 0.007505;

TruckFactory wld_truckFactory = levelTruck;
void (*wld_prongTouched)(WorldObj* prong, WorldObj* other) = nullptr;
void (*wld_rotorHit)(WorldObj* rotor) = nullptr;
void (*wld_contactObserver)(dGeomID, dGeomID, const dContact*, int) = nullptr;

namespace {

const char* const SOURCE = "PI/wld";

struct World {
    bool created;
    int levelNr;
    bool ended;
    dWorldID world;
    dSpaceID space;
    dJointGroupID contactGroup;
    DynamicWorldObj* objects[WLD_MAX_OBJECTS];
    int numObjects;
    StaticWorldObj* terrain;
    WorldObj* scenery;
    DynamicWorldObj* truck;
    DynamicWorldObj* objectOfInterest;
    VehicleObj* interestVehicle;  // the object of interest when it has wheels
    long subSteps;
};

World w;

const LevelBuilder catalogue = {buildLevel, levelGoals};
const LevelBuilder* builder = &catalogue;

void applyPhysicsConstants() {
    dWorldSetGravity(w.world, 0, 0, -4.8);
    dWorldSetERP(w.world, 0.7);
    dWorldSetAutoDisableFlag(w.world, 1);
    dWorldSetAutoDisableLinearThreshold(w.world, 0.01);
    dWorldSetAutoDisableAngularThreshold(w.world, 0.03);
    dWorldSetAutoDisableTime(w.world, 0.15);
    dWorldSetQuickStepNumIterations(w.world, 20);
    dWorldSetContactMaxCorrectingVel(w.world, 40.0);
    dWorldSetMaxAngularSpeed(w.world, 62.8);
}

void makeTruck(const dReal truckPos[3]) {
    if (truckPos[0] == 0 && truckPos[1] == 0 && truckPos[2] == 0) return;
    if (!wld_truckFactory) {
        logLine("ERR No truck available for level %d", w.levelNr);
        return;
    }
    DynamicWorldObj* truck = wld_truckFactory(truckPos, wld_grappleKind(w.levelNr));
    if (!wld_addObject(truck)) {
        delete truck;
        return;
    }
    w.truck = truck;
    wld_setObjectOfInterest(truck);
    if (w.interestVehicle) w.interestVehicle->setActive(true);
    levelHitch();  // levels with a "trailer" start with it coupled
    postMessage("vehicleSwitch vehicle=truck");
}

// Spin of the object of interest's wheel, if g is one; axis is the wheel's axle.
bool wheelSpin(dGeomID g, dReal* axis, dReal* spin) {
    float s = 0.0f;
    if (!w.interestVehicle || !w.interestVehicle->getWheelSpin(g, s)) return false;
    const dReal* r = dGeomGetRotation(g);
    axis[0] = r[2];
    axis[1] = r[6];
    axis[2] = r[10];
    *spin = s;
    return true;
}

WorldObj* carrierOf(unsigned long bit, dGeomID o1, dGeomID o2, WorldObj* wo1, WorldObj* wo2) {
    return (dGeomGetCategoryBits(o1) & bit) ? wo1
                                            : ((dGeomGetCategoryBits(o2) & bit) ? wo2 : nullptr);
}

void noteContactEffects(ContactCase kind, unsigned long u, dGeomID o1, dGeomID o2, WorldObj* wo1,
                        WorldObj* wo2) {
    if (kind == CONTACT_GRIP && !(u & CAT_CRANE)) {
        WorldObj* prong = carrierOf(CAT_GRIP, o1, o2, wo1, wo2);
        if (prong && strcmp(prong->name, "prong") == 0 && wld_prongTouched)
            wld_prongTouched(prong, prong == wo1 ? wo2 : wo1);
    } else if (kind == CONTACT_ROTOR) {
        WorldObj* rotor = carrierOf(CAT_ROTOR, o1, o2, wo1, wo2);
        if (rotor && wld_rotorHit) wld_rotorHit(rotor);
    }
}

}  // namespace

// ------------------------------------------------------------------ access

bool wld_created() { return w.created; }
bool wld_ended() { return w.ended; }
int wld_levelNr() { return w.levelNr; }
dWorldID wld_world() { return w.world; }
dSpaceID wld_space() { return w.space; }
dJointGroupID wld_contactGroup() { return w.contactGroup; }
int wld_objectCount() { return w.numObjects; }
DynamicWorldObj* wld_object(int index) { return w.objects[index]; }
DynamicWorldObj* wld_objectOfInterest() { return w.objectOfInterest; }
DynamicWorldObj* wld_truck() { return w.truck; }
StaticWorldObj* wld_terrain() { return w.terrain; }
WorldObj* wld_scenery() { return w.scenery; }
long wld_subStepCount() { return w.subSteps; }

void wld_setLevelBuilder(const LevelBuilder* b) { builder = b ? b : &catalogue; }

int wld_grappleKind(int levelNr) {
    const LevelEntry* level = levelEntry(levelNr);
    return level ? level->grappleKind : 1;
}

bool wld_addObject(DynamicWorldObj* obj) {
    if (w.numObjects >= WLD_MAX_OBJECTS) {
        logLine("ERR Object list full (%d); '%s' not added", WLD_MAX_OBJECTS, obj->name);
        return false;
    }
    w.objects[w.numObjects++] = obj;
    return true;
}

void wld_setTerrain(StaticWorldObj* terrain) { w.terrain = terrain; }
void wld_setScenery(WorldObj* scenery) { w.scenery = scenery; }

void wld_setObjectOfInterest(DynamicWorldObj* obj) {
    w.objectOfInterest = obj;
    w.interestVehicle = dynamic_cast<VehicleObj*>(obj);
}

// --------------------------------------------------------------- lifecycle

void wld_create(int levelNr, const char* userLevelName) {
    if (w.created) {
        // Only a test's assertion hook returns here: keep the world there is.
        QASSERT_AS(SOURCE, !w.created, "!wld_created");
        return;
    }
    w.levelNr = levelNr;
    w.ended = false;
    dInitODE2(0);
    dRandSetSeed(0);  // the solver's constraint shuffle must repeat run to run
    w.world = dWorldCreate();
    w.space = dHashSpaceCreate(nullptr);
    dHashSpaceSetLevels(w.space, -2, 7);
    w.contactGroup = dJointGroupCreate(0);
    applyPhysicsConstants();
    w.numObjects = 0;
    w.truck = nullptr;
    wld_setObjectOfInterest(nullptr);
    w.terrain = nullptr;
    w.scenery = nullptr;
    w.subSteps = 0;
    float orbit = 0.2f, elevation = 0.3f, distance = 5.0f;
    if (userLevelName) {
        logLine("ERR No support for user defined levels");
        QASSERT_AS(SOURCE, !userLevelName, "!userlevelname");
    }
    dReal truckPos[3] = {0, 0, 0};
    builder->build(levelNr, truckPos, &orbit, &elevation, &distance);
    makeTruck(truckPos);
    char msg[128];
    format128(msg, "cameraControl orbitSetting=%f elevationSetting=%f distSetting=%f", orbit,
              elevation, distance);
    postMessage(msg);
    w.created = true;
    logLine("world created for level %d", levelNr);
    logLine("objectOfInterest at %p named '%s'", (void*)w.objectOfInterest,
            w.objectOfInterest ? w.objectOfInterest->name : "");
}

void wld_destroy() {
    QASSERT_AS(SOURCE, w.created, "wld_created");
    for (int i = 0; i < w.numObjects; i++) delete w.objects[i];
    w.numObjects = 0;
    w.truck = nullptr;
    delete w.scenery;
    w.scenery = nullptr;
    delete w.terrain;
    w.terrain = nullptr;
    wld_setObjectOfInterest(nullptr);
    if (w.contactGroup) {
        dJointGroupEmpty(w.contactGroup);
        dJointGroupDestroy(w.contactGroup);
    } else {
        logLine("ERR No contactgroup?");
    }
    if (w.space)
        dSpaceDestroy(w.space);
    else
        logLine("ERR No ode space?");
    if (w.world)
        dWorldDestroy(w.world);
    else
        logLine("ERR No ode world?");
    w.contactGroup = nullptr;
    w.space = nullptr;
    w.world = nullptr;
    dCloseODE();
    w.created = false;
    logLine("world destroyed");
}

// ------------------------------------------------------------------ update

void wld_update(float dt) {
    for (int i = 0; i < w.numObjects; i++) w.objects[i]->update(dt);
    int n = (int)ceil(dt / WLD_SUBSTEP);
    for (int i = 0; i < n; i++) {
        if (w.objectOfInterest) w.objectOfInterest->physicsStep((float)WLD_SUBSTEP);
        dSpaceCollide(w.space, nullptr, wld_nearCallback);
        dWorldQuickStep(w.world, WLD_SUBSTEP);
        dJointGroupEmpty(w.contactGroup);
        w.subSteps++;
    }
    bool won = false, lost = false;
    builder->goals(w.levelNr, &won, &lost);
    if ((won || lost) && !w.ended) {
        char msg[128];
        format128(msg, "endGame win=%d level=%d", won ? 1 : 0, w.levelNr);
        w.ended = true;
        postMessage(msg);
    }
}

void wld_nearCallback(void*, dGeomID o1, dGeomID o2) {
    if (dGeomIsSpace(o1) || dGeomIsSpace(o2)) {
        dSpaceCollide2(o1, o2, nullptr, wld_nearCallback);
        return;
    }
    WorldObj* wo1 = (WorldObj*)dGeomGetData(o1);
    WorldObj* wo2 = (WorldObj*)dGeomGetData(o2);
    QASSERT(SOURCE, wo1);
    QASSERT(SOURCE, wo2);
    dContact contacts[WLD_MAX_CONTACTS];
    int n = dCollide(o1, o2, WLD_MAX_CONTACTS, &contacts[0].geom, sizeof(dContact));
    if (n == 0) return;
    unsigned long u = dGeomGetCategoryBits(o1) | dGeomGetCategoryBits(o2);
    dVector3 axis = {0, 0, 0};
    dReal spin = 0;
    bool wheelFound = wheelSpin(o1, axis, &spin);
    wheelFound = wheelSpin(o2, axis, &spin) || wheelFound;
    if (wheelFound) spin = 0.2 * spin * spin + 0.8 * spin;
    dBodyID b1 = dGeomGetBody(o1);
    dBodyID b2 = dGeomGetBody(o2);
    QASSERT_AS(SOURCE, b1 || b2, "bod1 || bod2");
    for (int i = 0; i < n; i++) {
        ContactCase kind = contact_chooseSurface(u, wheelFound, axis, spin, &contacts[i]);
        noteContactEffects(kind, u, o1, o2, wo1, wo2);
        if (wld_contactObserver) wld_contactObserver(o1, o2, &contacts[i], kind);
        dJointID joint = dJointCreateContact(w.world, w.contactGroup, &contacts[i]);
        dJointAttach(joint, b1, b2);
        if (b1 && b2) {
            wo1->onContact(wo2);
            wo2->onContact(wo1);
        }
    }
}

// ----------------------------------------------------------------- drawing

void wld_draw(RenderContext& rc) {
    gfx().uniform1f(rc.mainFogIntensity, 0.13f);
    if (w.scenery) w.scenery->draw(rc);
    if (w.terrain) w.terrain->draw(rc);
    for (int i = 0; i < w.numObjects; i++) w.objects[i]->draw(rc);
}

void wld_drawEdges(RenderContext& rc) {
    gfx().uniform1f(rc.edgeFogIntensity, 0.2f);
    if (w.terrain) w.terrain->drawEdges(rc);
    for (int i = 0; i < w.numObjects; i++) w.objects[i]->drawEdges(rc);
}

void wld_drawShadows(RenderContext& rc) {
    if (w.terrain) w.terrain->drawShadow(rc);
    for (int i = 0; i < w.numObjects; i++) w.objects[i]->drawShadow(rc);
}

vec3f wld_objectOfInterestPosition() {
    if (!w.objectOfInterest) {
        QASSERT_AS(SOURCE, w.objectOfInterest, "objectOfInterest");
        return {0, 0, 0};
    }
    return w.objectOfInterest->getPosition();
}

vec3f wld_objectOfInterestForward() {
    if (!w.objectOfInterest) {
        QASSERT_AS(SOURCE, w.objectOfInterest, "objectOfInterest");
        return {1, 0, 0};
    }
    const float* m = w.objectOfInterest->modelMatrix;
    return {m[0], m[1], m[2]};
}
