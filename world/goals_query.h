// Reading the level's objects by name for the goal rules: positions and
// axes come from each object's model matrix of its last update.
#pragma once

#include "world/worldobj.h"

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
DynamicWorldObj* findNamed(const char* name);            // the first, or null
