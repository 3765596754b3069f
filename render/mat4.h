// 4x4 float matrices in OpenGL column-major order; products apply right first.
#pragma once

void mat4_identity(float* m);
void mat4_mul(float* out, const float* a, const float* b);  // out = a * b; out may alias
bool mat4_inverse(float* out, const float* m);              // general inverse; false if singular
void mat4_copy(float* out, const float* m);
