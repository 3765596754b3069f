// What every level's construction shares: its outputs to the world and the
// helpers that put terrain, scenery and objects in place.
#pragma once

#include <ode/ode.h>

#include "render/geomdesc.h"
#include "world/levels/level_edge.h"
#include "world/worldobj.h"

struct LevelOut {
    dReal truckPos[3];  // zero: the world makes no truck
    float orbit, elevation, distance;
    int attachment;     // the sandbox's toy choice, 0..4
};

void setTruckStart(LevelOut& out, dReal x, dReal y, dReal z);
void setCamera(LevelOut& out, float orbit, float elevation, float distance);

// Terrain at the origin; collision null means the drawn record collides.
StaticWorldObj* makeTerrain(geomdesc* drawn, geomdesc* collision);
// A body-less decoration named "scenery".
WorldObj* makeScenery(geomdesc* geometry);
// The ground plane named "ground" at height 0 (levels 8 and the sandbox).
StaticWorldObj* makeGround(geomdesc* geometry);
// The map's edge wall: drawn from its record by the ground, collided by four
// boxes in the ground's space (they die with it), so that the ground's own
// mesh, and every contact on it, stays as it was.
void attachEdgeWall(StaticWorldObj* ground, geomdesc* drawn, const EdgeWall& wall);
// Appends to the world's object list and returns the object.
template <class T>
T* add(T* obj);
DynamicWorldObj* addObject(DynamicWorldObj* obj);
template <class T>
T* add(T* obj) {
    addObject(obj);
    return obj;
}

// One builder per level, each in its own file.
void build_sandbox(LevelOut& out);
void build_parkinglot(LevelOut& out);
void build_court(LevelOut& out);
void build_lockdown(LevelOut& out);
void build_seesaw(LevelOut& out);
void build_trainlot(LevelOut& out);
void build_bridge(LevelOut& out);
void build_stackem(LevelOut& out);
void build_temple(LevelOut& out);
void build_hazard(LevelOut& out);
void build_luxor(LevelOut& out);
void build_babel(LevelOut& out);
void build_factory(LevelOut& out);
void build_ufo(LevelOut& out);
void build_hearth(LevelOut& out);
void build_towercrane(LevelOut& out);
void build_dump(LevelOut& out);
void build_cleanup(LevelOut& out);
void build_chemistry(LevelOut& out);
void build_daredevil(LevelOut& out);
void build_hockeyriot(LevelOut& out);
void build_canal(LevelOut& out);
void build_egghunt(LevelOut& out);
void build_superpac(LevelOut& out);
void build_powerlift(LevelOut& out);
void build_yukon(LevelOut& out);
