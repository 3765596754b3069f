// What the levels' goal rules share: reading the level's objects by name
// (positions and axes come from each object's model matrix of its last
// update), the truck's place, and switching a machine on.
#pragma once

#include "world/vehicleobj.h"
#include "world/worldobj.h"

class ForkLift;

// Where the goal rules' assertion lines say they come from.
extern const char* const GOAL_SOURCE;

struct Pose {
    float x, y, z;
    float upright;   // z of the local z axis: 1 when standing
    float sideTilt;  // y of the local z axis
    float heading;   // x of the local x axis
};

Pose poseOf(const WorldObj* obj);
// Coordinates of q in the frame of obj (its position and three axes).
void localCoordinates(const WorldObj* frame, const float q[3], float out[3]);

typedef bool (*PosePredicate)(const Pose& p);
int countNamed(const char* name, PosePredicate pred);   // pred null: count them all
bool everyNamed(const char* name, PosePredicate pred);  // true when there are none
bool anyNamed(const char* name, PosePredicate pred);
DynamicWorldObj* findNamed(const char* name);  // the first, or null

bool truckBelow(float z);  // false without a truck
// What the truck's grapple holds, or null: a load still in the claws is
// not yet delivered wherever it hangs.
const WorldObj* truckHeld();
float truckX();  // far west without a truck
// Switches a level's own vehicle on as the one being driven, telling the
// HUD. Only the sandbox announces it in the log.
void activateVehicle(VehicleObj* v);
// Keeps the fork lift switched on; returns it, or null.
ForkLift* forkLiftOn();

template <class T>
T* findVehicle(const char* name) {
    return dynamic_cast<T*>(findNamed(name));
}
