#include "render/rendercontext.h"

#include "render/mat4.h"

RenderContext& renderContext() {
    static RenderContext context = [] {
        RenderContext c = {};
        mat4_identity(c.camView);
        mat4_identity(c.camProj);
        mat4_identity(c.lightView);
        mat4_identity(c.lightProj);
        return c;
    }();
    return context;
}
