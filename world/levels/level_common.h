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
    int attachment;  // the sandbox's toy choice, 0..4
};

void setTruckStart(LevelOut& out, dReal x, dReal y, dReal z);
void setCamera(LevelOut& out, float orbit, float elevation, float distance);

// Terrain at the origin; collision null means the drawn record collides.
StaticWorldObj* makeTerrain(geomdesc* drawn, geomdesc* collision);
// A smooth steel box added to the terrain, turned by rotation unless that
// is null: a foot or a corner slides on it where the terrain's grip would
// hold it.
void addSmoothBox(dReal sx, dReal sy, dReal sz, dReal x, dReal y, dReal z, const dReal* rotation);
// A body-less decoration named "scenery".
WorldObj* makeScenery(geomdesc* geometry);
// The ground plane named "ground" at height 0 (levels 8 and the sandbox).
StaticWorldObj* makeGround(geomdesc* geometry);
// The map's edge wall: drawn from its record by the ground, collided by four
// boxes in the ground's space (they die with it), so that the ground's own
// mesh, and every contact on it, stays as it was.
void attachEdgeWall(StaticWorldObj* ground, geomdesc* drawn, const EdgeWall& wall);
// Appends to the world's object list and returns the object; null when the
// full list refused it (the object is then deleted).
template <class T>
T* add(T* obj);
DynamicWorldObj* addObject(DynamicWorldObj* obj);
template <class T>
T* add(T* obj) {
    return addObject(obj) ? obj : nullptr;
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

// One goal rule per level, in the same file as its builder: sets *won or
// *lost (each left false otherwise) from the poses of the level's objects.
void goal_sandbox(bool* won, bool* lost);
void goal_parkinglot(bool* won, bool* lost);
void goal_court(bool* won, bool* lost);
void goal_lockdown(bool* won, bool* lost);
void goal_seesaw(bool* won, bool* lost);
void goal_trainlot(bool* won, bool* lost);
void goal_bridge(bool* won, bool* lost);
void goal_stackem(bool* won, bool* lost);
void goal_temple(bool* won, bool* lost);
void goal_hazard(bool* won, bool* lost);
void goal_luxor(bool* won, bool* lost);
void goal_babel(bool* won, bool* lost);
void goal_factory(bool* won, bool* lost);
void goal_ufo(bool* won, bool* lost);
void goal_hearth(bool* won, bool* lost);
void goal_towercrane(bool* won, bool* lost);
void goal_dump(bool* won, bool* lost);
void goal_cleanup(bool* won, bool* lost);
void goal_chemistry(bool* won, bool* lost);
void goal_daredevil(bool* won, bool* lost);
void goal_hockeyriot(bool* won, bool* lost);
void goal_canal(bool* won, bool* lost);
void goal_egghunt(bool* won, bool* lost);
void goal_superpac(bool* won, bool* lost);
void goal_powerlift(bool* won, bool* lost);
void goal_yukon(bool* won, bool* lost);
