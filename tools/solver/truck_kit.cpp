#include "tools/solver/truck_kit.h"

#include <cmath>

#include "tools/solver/solver.h"
#include "world/wld.h"

namespace {

float clampf(float v, float lo, float hi) { return v < lo ? lo : v > hi ? hi : v; }

// Settings in steps of 0.05, as a hand would hold them, keep recordings short.
float notch(float v) { return roundf(v * 20.0f) / 20.0f; }

// The pedal is a velocity target through a lag, so a small proportional
// term on the speed error is enough to hold a pace without surging.
void holdSpeed(float current, float wanted) {
    float pedal = clampf(wanted / 4.0f + 0.6f * (wanted - current), -1, 1);
    solver_postf("accelcontrol setting=%.2f", notch(pedal));
}

}  // namespace

float wrapAngle(float a) {
    while (a > M_PI) a -= 2 * M_PI;
    while (a < -M_PI) a += 2 * M_PI;
    return a;
}

bool truck_pose(TruckPose* out) {
    DynamicWorldObj* t = wld_truck();
    if (!t || !t->body) return false;
    const float* m = t->modelMatrix;
    const dReal* v = dBodyGetLinearVel(t->body);
    out->x = m[12];
    out->y = m[13];
    out->z = m[14];
    out->heading = atan2f(m[1], m[0]);
    out->speed = v[0] * m[0] + v[1] * m[1] + v[2] * m[2];
    return true;
}

float truck_goTo(float x, float y, float speed) {
    TruckPose p;
    if (!truck_pose(&p)) return 0;
    float dx = x - p.x, dy = y - p.y;
    float dist = sqrtf(dx * dx + dy * dy);
    float bearing = atan2f(dy, dx);
    if (speed < 0) bearing += M_PI;  // the tail leads
    float err = wrapAngle(bearing - p.heading);
    // Steering left is a negative setting; reversing swaps the sense.
    float steer = clampf((speed < 0 ? 2.0f : -2.0f) * err, -1, 1);
    // Slow down into the last metres and while the nose is far off line.
    float pace = speed * clampf(dist / 3.0f, 0.25f, 1.0f) * (fabsf(err) > 1.0f ? 0.5f : 1.0f);
    solver_postf("steer setting=%.2f", notch(steer));
    holdSpeed(p.speed, pace);
    return dist;
}

bool truck_stop() {
    TruckPose p;
    if (!truck_pose(&p)) return true;
    solver_post("steer setting=0.00");
    holdSpeed(p.speed, 0);
    return fabsf(p.speed) < 0.02f;
}
