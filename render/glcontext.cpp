#include "render/glcontext.h"

#include <epoxy/gl.h>

ContextInfo context_info() {
    ContextInfo info;
    info.renderer = (const char*)glGetString(GL_RENDERER);
    info.version = (const char*)glGetString(GL_VERSION);
    info.shadingLanguage = (const char*)glGetString(GL_SHADING_LANGUAGE_VERSION);
    info.loaderVersion = epoxy_gl_version();
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    info.samples = samples;
    return info;
}

void context_finish() { glFinish(); }

std::vector<unsigned char> context_readBack(int x, int y, int w, int h) {
    std::vector<unsigned char> rgb((size_t)w * h * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadBuffer(GL_BACK);
    glReadPixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
