#include "tools/solver/sky_kit.h"

#include <cmath>

#include "tools/solver/solver.h"
#include "vehicles/skycrane.h"
#include "world/wld.h"

namespace {

const float GRAVITY = 4.8f;
const float CRANE_MASS = 0.3367625f;  // fuselage, rotor, hook and wheels
const float MAX_TILT = 0.3f;          // of the 0.4 the stick gives
float heightTrim = 0;                 // integral of the height error
float leanTrimX = 0, leanTrimY = 0;   // and of the position error: the tail
                                      // rotor's push and the stabiliser's lag

float clampf(float v, float lo, float hi) { return v < lo ? lo : v > hi ? hi : v; }
float notch(float v, float step) { return roundf(v / step) * step; }
float wrapAngle(float a) {
    while (a > M_PI) a -= 2 * M_PI;
    while (a < -M_PI) a += 2 * M_PI;
    return a;
}

// The lift falls off above 11 m; the collective needed for a lift.
float collectiveFor(float lift, float z) {
    float loss = z > 11 ? 0.04f * logf(z - 10) : 0;
    return lift / (1 - loss);
}

void postControls(float collective, float antitorque, float tiltX, float tiltY) {
    float lever = clampf((collective - 0.6f) / 0.25f - 1, -1, 1);
    solver_postf("leverSet leverNr=0 setting=%.3f", notch(lever, 0.005f));
    solver_postf("leverSet leverNr=1 setting=%.2f", notch(clampf(antitorque, -1, 1), 0.02f));
    solver_postf("cycliccontrol x=%.2f y=%.2f", notch(tiltX / 0.4f, 0.02f),
                 notch(tiltY / 0.4f, 0.02f));
}

}  // namespace

SkyCrane* sky_crane() { return dynamic_cast<SkyCrane*>(wld_objectOfInterest()); }

bool sky_pose(SkyPose* out) {
    SkyCrane* c = sky_crane();
    if (!c) return false;
    const dReal* p = dBodyGetPosition(c->body);
    const dReal* v = dBodyGetLinearVel(c->body);
    const dReal* r = dBodyGetRotation(c->body);
    *out = {(float)p[0], (float)p[1], (float)p[2],       (float)v[0],
            (float)v[1], (float)v[2], atan2f(r[4], r[0])};
    return true;
}

float sky_fly(const FlightTarget& t) {
    SkyPose s;
    if (!sky_pose(&s)) return 0;
    // Height: a climb rate from the error, an acceleration from the rate.
    float vzWanted = clampf(0.8f * (t.z - s.z), -t.climb, t.climb);
    float az = 1.5f * (vzWanted - s.vz);
    heightTrim = clampf(heightTrim + 0.0005f * (t.z - s.z), -0.1f, 0.1f);
    float lift = (CRANE_MASS + t.extraMass) * (GRAVITY + az) / 2;
    float collective = collectiveFor(lift, s.z) + heightTrim;
    // Across: a velocity from the error, a lean from the velocity error.
    float ex = t.x - s.x, ey = t.y - s.y;
    float dist = sqrtf(ex * ex + ey * ey);
    float scale = dist > 1e-4f ? fminf(0.4f * dist, t.speed) / dist : 0;
    float ax = 0.8f * (ex * scale - s.vx), ay = 0.8f * (ey * scale - s.vy);
    if (dist < 2) {
        leanTrimX = clampf(leanTrimX + 0.00005f * ex, -0.05f, 0.05f);
        leanTrimY = clampf(leanTrimY + 0.00005f * ey, -0.05f, 0.05f);
    }
    float tiltX = ax / GRAVITY + leanTrimX, tiltY = ay / GRAVITY + leanTrimY;
    float tilt = sqrtf(tiltX * tiltX + tiltY * tiltY);
    if (tilt > MAX_TILT) tiltX *= MAX_TILT / tilt, tiltY *= MAX_TILT / tilt;
    // The stick leans the fuselage in its own frame.
    float c = cosf(s.heading), sn = sinf(s.heading);
    float forward = tiltX * c + tiltY * sn, left = -tiltX * sn + tiltY * c;
    float yawError = wrapAngle(t.heading - s.heading);
    postControls(collective, 1.5f * yawError, forward, left);
    return sqrtf(dist * dist + (t.z - s.z) * (t.z - s.z));
}

void sky_settle() { postControls(0.6f, 0, 0, 0); }
