// Driving the truck towards points: its pose as a driver sees it, and the
// wheel and pedal settings that bring it to a place at a chosen speed.
#pragma once

struct TruckPose {
    float x, y, z;
    float heading;  // radians, 0 along +x, counter-clockwise
    float speed;    // along its own forward axis, m/s
};

bool truck_pose(TruckPose* out);
// Heads for (x, y) at the given speed (negative: reversing there, tail
// first). Returns the distance left; posts steer and accelcontrol.
float truck_goTo(float x, float y, float speed);
// Holds the truck still with the pedal; true once it has all but stopped.
bool truck_stop();
float wrapAngle(float a);  // into -pi .. pi
