#include "render/light.h"

#include <cmath>

#include "render/mat4.h"

namespace {
const float LIGHT_HEIGHT = 14.0f;
Light state;
}  // namespace

const Light& light() { return state; }

void setLightProjection(float halfSize, float zNear, float zFar) {
    float* p = state.proj;
    for (int i = 0; i < 16; i++) p[i] = 0.0f;
    p[0] = p[5] = 1.0f / halfSize;
    p[10] = -2.0f / (zFar - zNear);
    p[14] = -(zNear + zFar) / (zFar - zNear);
    p[15] = 1.0f;
    state.stale = true;
}

void initLight() {
    mat4_identity(state.model);
    mat4_identity(state.view);
    mat4_identity(state.proj);
    mat4_identity(state.product);
    state.eye[0] = 0, state.eye[1] = 0, state.eye[2] = 50;
    state.target[0] = state.target[1] = state.target[2] = 0;
    setLightProjection(40.0f, 10.0f, 290.0f);
}

void light_aimAt(float x, float y, float z) {
    state.target[0] = x, state.target[1] = y, state.target[2] = z;
    state.eye[0] = x, state.eye[1] = y, state.eye[2] = z + LIGHT_HEIGHT;
}

void updateLightView() {
    Light& light = state;
    float f[3] = {light.eye[0] - light.target[0], light.eye[1] - light.target[1],
                  light.eye[2] - light.target[2]};
    float fl = sqrtf(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]);
    if (fl <= 0.0f) return;
    for (float& k : f) k /= fl;
    float s[3] = {f[2], 0.0f, -f[0]};
    float sl = sqrtf(s[0] * s[0] + s[2] * s[2]);
    if (sl <= 0.0f) return;  // looking along y: keep the last orientation
    s[0] /= sl, s[2] /= sl;
    float u[3] = {f[1] * s[2] - f[2] * s[1], f[2] * s[0] - f[0] * s[2], f[0] * s[1] - f[1] * s[0]};
    float* m = light.model;
    m[0] = s[0], m[1] = s[1], m[2] = s[2], m[3] = 0;
    m[4] = u[0], m[5] = u[1], m[6] = u[2], m[7] = 0;
    m[8] = f[0], m[9] = f[1], m[10] = f[2], m[11] = 0;
    m[12] = light.eye[0], m[13] = light.eye[1], m[14] = light.eye[2], m[15] = 1;
    mat4_inverse(light.view, light.model);
    mat4_mul(light.product, light.proj, light.view);
    light.stale = false;
}
