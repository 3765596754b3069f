#include "tools/solver/crane_kit.h"

#include <cmath>

#include "tools/solver/solver.h"
#include "tools/solver/truck_kit.h"
#include "vehicles/crane.h"
#include "vehicles/grapple.h"

namespace {

enum { LEVER_ROTATE, LEVER_ELEVATE, LEVER_BEND, LEVER_EXTEND, LEVER_GRAPPLE };

float clampf(float v, float lo, float hi) { return v < lo ? lo : v > hi ? hi : v; }
float notch(float v) { return roundf(v * 50.0f) / 50.0f; }

// The arm's motors are soft: a small setting barely moves a loaded joint, so
// any error worth correcting gets at least a firm push.
float firm(float error, float gain, float deadband) {
    if (fabsf(error) < deadband) return 0;
    return copysignf(0.2f + gain * fabsf(error), error);
}

void lever(int nr, float setting) {
    solver_postf("leverSet leverNr=%d setting=%.2f", nr, notch(clampf(setting, -1, 1)));
}

}  // namespace

bool crane_state(CraneState* out) {
    Crane* c = crane_current;
    if (!c || !c->grapple) return false;
    const dReal* g = dBodyGetPosition(c->grapple->body);
    *out = {c->slew ? (float)dJointGetHingeAngle(c->slew) : 0,
            (float)dJointGetHingeAngle(c->hingeA),
            (float)dJointGetHingeAngle(c->hingeB),
            (float)dJointGetSliderPosition(c->sliderC),
            (float)g[0],
            (float)g[1],
            (float)g[2],
            c->grapple->grasped};
    return true;
}

float crane_reach(float x, float y, float z) {
    Crane* c = crane_current;
    CraneState s;
    TruckPose t;
    if (!c || !c->slew || !crane_state(&s) || !truck_pose(&t)) return 0;
    dVector3 axis;
    dJointGetHingeAnchor(c->slew, axis);
    dVector3 pivot;  // the boom's hinge
    dJointGetHingeAnchor(c->hingeA, pivot);
    // Round: the boom points along the truck's heading less the slew angle.
    float facing = atan2f(s.gy - axis[1], s.gx - axis[0]);
    float wanted = atan2f(y - axis[1], x - axis[0]);
    lever(LEVER_ROTATE, -firm(wrapAngle(wanted - facing), 4.0f, 0.004f));
    // Out and up, in polar coordinates about the boom's hinge.
    float rNow = hypotf(s.gx - pivot[0], s.gy - pivot[1]), zNow = s.gz - (float)pivot[2];
    float rWant = hypotf(x - pivot[0], y - pivot[1]), zWant = z - (float)pivot[2];
    float lenNow = hypotf(rNow, zNow), lenWant = hypotf(rWant, zWant);
    float angNow = atan2f(zNow, rNow), angWant = atan2f(zWant, rWant);
    lever(LEVER_EXTEND, firm(lenWant - lenNow, 4.0f, 0.006f));
    lever(LEVER_ELEVATE, firm(angWant - angNow, 6.0f, 0.004f));
    lever(LEVER_BEND, 0);
    float dx = x - s.gx, dy = y - s.gy, dz = z - s.gz;
    return sqrtf(dx * dx + dy * dy + dz * dz);
}

void crane_stop() {
    for (int nr = LEVER_ROTATE; nr <= LEVER_EXTEND; nr++) lever(nr, 0);
}

void crane_grip(float setting) { lever(LEVER_GRAPPLE, setting); }
