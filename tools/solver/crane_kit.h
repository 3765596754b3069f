// The truck's crane as a driver works it: where its grapple hangs, and the
// lever settings that bring the grapple to a point with the boom held
// straight (bend at rest), slewing, elevating and extending.
#pragma once

class WorldObj;

struct CraneState {
    float slew, elevate, bend, extend;  // joint positions
    float gx, gy, gz;                   // the grapple's hub
    const WorldObj* grasped;
};

bool crane_state(CraneState* out);
// One tick towards the grapple's hub at (x, y, z); returns the distance left.
float crane_reach(float x, float y, float z);
void crane_stop();               // every arm lever at rest
void crane_grip(float setting);  // the grapple lever: positive opens
