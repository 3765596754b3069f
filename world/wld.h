// The running level: the physics world, its hash space and contact group,
// the level's objects, and the object of interest (the vehicle being driven).
// At most one world exists at a time.
#pragma once

#include <ode/ode.h>

#include "render/rendercontext.h"
#include "world/worldobj.h"

enum {
    WLD_MAX_OBJECTS = 256,
    WLD_MAX_CONTACTS = 32,
};
extern const dReal WLD_SUBSTEP;  // 0.007505 s

class VehicleObj;

// How a level is built and judged. The level catalogue is the default;
// tests and developer tools may put their own in its place.
struct LevelBuilder {
    void (*build)(int levelNr, dReal truckPos[3], float* orbit, float* elevation, float* distance);
    void (*goals)(int levelNr, bool* won, bool* lost);
};
void wld_setLevelBuilder(const LevelBuilder* builder);  // null: the level catalogue

// Makes the level's truck; set by the vehicle module. Null: levels have no truck.
typedef DynamicWorldObj* (*TruckFactory)(const dReal pos[3], int grappleKind);
extern TruckFactory wld_truckFactory;

// Sees every contact after its surface was chosen; for tests and tools.
extern void (*wld_contactObserver)(dGeomID o1, dGeomID o2, const dContact* contact,
                                   int contactCase);

// Contact side effects owned by vehicle classes (grapple prong, rotor).
extern void (*wld_prongTouched)(WorldObj* prong, WorldObj* other);
extern void (*wld_rotorHit)(WorldObj* rotor);

void wld_create(int levelNr, const char* userLevelName);
void wld_destroy();
void wld_update(float dt);
void wld_draw(RenderContext& rc);
void wld_drawEdges(RenderContext& rc);
void wld_drawShadows(RenderContext& rc);  // terrain, then every listed object
vec3f wld_objectOfInterestPosition();
vec3f wld_objectOfInterestForward();

// Registration, for level construction and vehicles.
bool wld_addObject(DynamicWorldObj* obj);  // false (and an error line) when full
void wld_setTerrain(StaticWorldObj* terrain);
void wld_setScenery(WorldObj* scenery);
void wld_setObjectOfInterest(DynamicWorldObj* obj);

// State, read by level logic, tools and tests.
bool wld_created();
bool wld_ended();
int wld_levelNr();
dWorldID wld_world();
dSpaceID wld_space();
dJointGroupID wld_contactGroup();
int wld_objectCount();
DynamicWorldObj* wld_object(int index);
DynamicWorldObj* wld_objectOfInterest();
DynamicWorldObj* wld_truck();
StaticWorldObj* wld_terrain();
WorldObj* wld_scenery();
long wld_subStepCount();  // sub-steps since creation

// The grapple kind the world gives the truck of a level.
int wld_grappleKind(int levelNr);

// The contact callback handed to dSpaceCollide; exposed for tests.
void wld_nearCallback(void* data, dGeomID o1, dGeomID o2);
