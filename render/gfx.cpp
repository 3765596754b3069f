#include "render/gfx.h"

namespace {

unsigned nextBufferName = 1;

unsigned nullCreateBuffer(const void*, int) { return nextBufferName++; }
void nullDeleteBuffer(unsigned) {}
void nullUniformMatrix(int, const float*) {}
void nullUniform1f(int, float) {}
void nullDrawTriangles(unsigned, int, bool) {}
void nullDrawLines(unsigned, const float*, int) {}

const GfxBackend nullBackend = {nullCreateBuffer, nullDeleteBuffer,  nullUniformMatrix,
                                nullUniform1f,    nullDrawTriangles, nullDrawLines};
const GfxBackend* current = &nullBackend;

}  // namespace

const GfxBackend& gfx() { return *current; }

void gfx_bind(const GfxBackend* backend) { current = backend ? backend : &nullBackend; }

const GfxBackend* gfx_null() { return &nullBackend; }
