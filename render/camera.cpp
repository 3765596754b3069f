#include "render/camera.h"

#include <cfloat>
#include <cmath>

#include "bus/bus.h"
#include "render/mat4.h"

namespace {

const float PI = 3.14159265358979f;
const float TWO_PI = 2.0f * PI;
const float ELEVATION_LIMIT = 1.5704822112321855f;  // a hair short of pi/2
const float GROUND_LIMIT = -0.12f;
const float HALF_FOV = 0.471238911151886f;  // 27 degrees
const float ABSENT = -FLT_MAX;              // argFloat of a missing key

// Per-frame gains (not scaled by dt).
const float AIM_GAIN_E = -0.07f, AIM_GAIN_FILTERED = -0.06f, AIM_GAIN_RATE = -0.008f;
const float HEADING_GAIN_E = -0.05f, HEADING_GAIN_FILTERED = -0.05f, HEADING_GAIN_RATE = -0.01f;

CameraState cam;

float clampf(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }

float wrapOnce(float a) {
    if (a > PI) return a - TWO_PI;
    if (a < -PI) return a + TWO_PI;
    return a;
}

// One axis of the aim filter; returns the correction.
float aimAxis(float e, float* previous, float* filtered, float dt, bool first) {
    if (first) *previous = *filtered = e;
    *filtered = *filtered * (1.0f - dt) + e * dt;
    float rate = (e - *previous) / dt;
    *previous = e;
    return AIM_GAIN_E * e + AIM_GAIN_FILTERED * *filtered + AIM_GAIN_RATE * rate;
}

void updateAim(float dt) {
    if (dt <= 0.0f) return;
    bool first = cam.aimFirstFrame;
    vec3c& p = cam.aimPoint;
    const vec3c& q = cam.interestPoint;
    vec3c& prev = cam.aimError;
    vec3c& filt = cam.aimErrorFiltered;
    float cx = aimAxis(p.x - q.x, &prev.x, &filt.x, dt, first);
    float cy = aimAxis(p.y - q.y, &prev.y, &filt.y, dt, first);
    float cz = aimAxis(p.z - q.z, &prev.z, &filt.z, dt, first);
    cam.aimFirstFrame = false;
    p.x += cx;
    p.y += cy;
    p.z += cz;
}

void updateHeading(float dt) {
    if (dt <= 0.0f) return;
    // The error is taken as current minus target, like the aim point's, so the
    // negative gains pull the heading toward the target instead of away.
    float d = cam.cameraHeading - cam.targetHeading;
    if (cam.headingWrap) d = wrapOnce(d);
    if (cam.headingFirstFrame) cam.headingError = cam.headingErrorFiltered = d;
    cam.headingErrorFiltered = d * dt + cam.headingErrorFiltered * (1.0f - dt);
    float correction = HEADING_GAIN_FILTERED * cam.headingErrorFiltered + HEADING_GAIN_E * d +
                       HEADING_GAIN_RATE * (d - cam.headingError) / dt;
    cam.headingError = d;
    cam.headingFirstFrame = false;
    cam.cameraHeading = wrapOnce(cam.cameraHeading + correction);
}

void placeEye() {
    float sh = sinf(cam.cameraHeading), ch = cosf(cam.cameraHeading);
    float so = sinf(cam.cameraOrbit), co = cosf(cam.cameraOrbit);
    float ce = cosf(cam.cameraElevation), se = sinf(cam.cameraElevation);
    float cosSum = ch * co - sh * so;
    float sinSum = sh * co + ch * so;
    float D = cam.cameraDistance;
    cam.eye = {cam.aimPoint.x - D * ce * cosSum, cam.aimPoint.y - D * ce * sinSum,
               cam.aimPoint.z + D * se};
    if (cam.eye.z < GROUND_LIMIT) {
        float dx = cam.eye.x - cam.aimPoint.x, dy = cam.eye.y - cam.aimPoint.y;
        cam.cameraElevation = atan2f(GROUND_LIMIT - cam.aimPoint.z, sqrtf(dx * dx + dy * dy));
        cam.eye.z = GROUND_LIMIT;
    }
}

void orient() {
    float f[3] = {cam.eye.x - cam.aimPoint.x, cam.eye.y - cam.aimPoint.y,
                  cam.eye.z - cam.aimPoint.z};
    float fl = sqrtf(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    if (fl <= 0.0f) return;  // eye on the aim point (distance 0): keep the last orientation
    for (float& k : f) k /= fl;
    float s[3] = {-f[1], f[0], 0.0f};
    float sl = sqrtf(s[0] * s[0] + s[1] * s[1]);
    if (sl < 1e-6f) {
        // Looking straight down or up: take the side axis from the heading.
        float a = cam.cameraHeading + cam.cameraOrbit;
        s[0] = sinf(a);
        s[1] = -cosf(a);
        sl = 1.0f;
    }
    s[0] /= sl;
    s[1] /= sl;
    float u[3] = {f[1] * s[2] - f[2] * s[1], f[2] * s[0] - f[0] * s[2], f[0] * s[1] - f[1] * s[0]};
    float* m = cam.cameraModel;
    m[0] = s[0], m[1] = s[1], m[2] = s[2], m[3] = 0;
    m[4] = u[0], m[5] = u[1], m[6] = u[2], m[7] = 0;
    m[8] = f[0], m[9] = f[1], m[10] = f[2], m[11] = 0;
    m[12] = cam.eye.x, m[13] = cam.eye.y, m[14] = cam.eye.z, m[15] = 1;
    cam.camViewStale = true;
}

void onCameraControl(const char* text) {
    float v = argFloat(text, "distScale");
    if (v != ABSENT)
        cam.cameraDistance = clampf(cam.cameraDistance * v, cam.distanceMin, cam.distanceMax);
    v = argFloat(text, "orbitDelta");
    if (v != ABSENT) {
        cam.cameraOrbit += v;
        if (cam.cameraOrbit > PI) cam.cameraOrbit -= TWO_PI;
        if (cam.cameraOrbit < -PI) cam.cameraOrbit += TWO_PI;
    }
    v = argFloat(text, "elevationDelta");
    if (v != ABSENT) {
        cam.cameraElevation = clampf(cam.cameraElevation + v, -ELEVATION_LIMIT, ELEVATION_LIMIT);
    }
    v = argFloat(text, "distSetting");
    if (v != ABSENT) cam.cameraDistance = v;
    v = argFloat(text, "orbitSetting");
    if (v != ABSENT) cam.cameraOrbit = v;
    v = argFloat(text, "elevationSetting");
    if (v != ABSENT) cam.cameraElevation = v;
    v = argFloat(text, "aspectRatio");
    // A minimised window reports a zero-sized scene; keep the last projection.
    if (v != ABSENT && v > 0.0f && std::isfinite(v)) setPerspective(v, 0.1f, 150.0f, true);
}

}  // namespace

CameraState& camera() { return cam; }

void cameraInit() {
    cam = CameraState{};
    cam.cameraDistance = 8.0f;
    cam.cameraOrbit = 2.5f;
    cam.cameraElevation = 0.16f;
    cam.distanceMin = 2.0f;
    cam.distanceMax = 18.0f;
    cam.aimFirstFrame = true;
    cam.headingFirstFrame = true;
    cam.headingWrap = true;
    cam.eye = {-4.0f, 0.0f, 1.4f};
    mat4_identity(cam.cameraModel);
    mat4_identity(cam.camView);
    cam.camViewStale = true;
    mat4_identity(cam.camProj);
    removeListener("cameraControl", onCameraControl);
    addListener("cameraControl", onCameraControl);
}

void setPerspective(float aspect, float zNear, float zFar, bool raised) {
    float t = (float)tan((double)HALF_FOV);
    float f = 1.0f / t;
    float* p = cam.camProj;
    for (int i = 0; i < 16; i++) p[i] = 0.0f;
    p[0] = f / aspect;
    p[5] = f;
    p[9] = raised ? -0.25f : 0.0f;
    p[10] = (zNear + zFar) / (zNear - zFar);
    p[11] = -1.0f;
    p[14] = 2.0f * zFar * zNear / (zNear - zFar);
    cam.horizontalFov = 2.0f * atanf(t * aspect);
}

void cameraSnapTo(vec3c p) {
    cam.aimPoint = p;
    cam.interestPoint = p;
    cam.aimError = {0, 0, 0};
    cam.aimErrorFiltered = {0, 0, 0};
    cam.aimFirstFrame = true;
}

void cameraUpdate(float dt) {
    updateAim(dt);
    updateHeading(dt);
    placeEye();
    orient();
}

const float* cameraViewMatrix() {
    if (cam.camViewStale) {
        mat4_inverse(cam.camView, cam.cameraModel);
        cam.camViewStale = false;
    }
    return cam.camView;
}
