// Flying the sky crane to points: its state as a pilot reads it, and the
// collective, antitorque and cyclic settings that take it there and hold it.
#pragma once

class SkyCrane;

struct SkyPose {
    float x, y, z, vx, vy, vz;
    float heading;  // radians, 0 along +x, counter-clockwise
};

struct FlightTarget {
    float x, y, z;
    float heading;
    float speed;      // horizontal, m/s at most
    float climb;      // vertical, m/s at most
    float extraMass;  // what hangs from the hook
};

SkyCrane* sky_crane();
bool sky_pose(SkyPose* out);
// One tick of the autopilot towards t; returns the distance left.
float sky_fly(const FlightTarget& t);
// Collective at the bottom, stick centred: it settles on its wheels.
void sky_settle();
