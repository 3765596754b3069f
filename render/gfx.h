// The narrow drawing interface between the core and the graphics library.
// The game binds an OpenGL backend; headless programs keep the null backend,
// which hands out buffer names and draws nothing.
#pragma once

struct GfxBackend {
    // Creates a static vertex buffer from data; returns its name, 0 on failure.
    unsigned (*createBuffer)(const void* data, int bytes);
    void (*deleteBuffer)(unsigned buffer);
    void (*uniformMatrix)(int location, const float* matrix16);
    void (*uniform1f)(int location, float value);
    // Interleaved 36-byte vertices as triangles; positionsOnly feeds attribute 0 alone.
    void (*drawTriangles)(unsigned buffer, int vertexCount, bool positionsOnly);
    // 12-byte points as lines, from the buffer or, when it is 0, from clientPoints.
    void (*drawLines)(unsigned buffer, const float* clientPoints, int vertexCount);
};

const GfxBackend& gfx();
void gfx_bind(const GfxBackend* backend);  // null restores the null backend
const GfxBackend* gfx_null();
