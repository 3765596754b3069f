#include "render/draw2d.h"

#include <epoxy/gl.h>

#include "render/gl_programs.h"
#include "render/txdb.h"
#include "render/txdb_gl.h"

namespace {

// Two triangles of (x, y, u, v) covering -1..1.
const float UNIT_QUAD[6 * 4] = {1,  1,  1, 1, -1, 1,  0, 1, -1, -1, 0, 0,
                                -1, -1, 0, 0, 1,  -1, 1, 0, 1,  1,  1, 1};
GLuint quadBuffer = 0;

void enable(GLenum capability, bool on) {
    if (on)
        glEnable(capability);
    else
        glDisable(capability);
}

}  // namespace

void draw2d_init() {
    txdb_setUploader(txdb_glUploader());
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);  // every image is premultiplied
}

void draw2d_viewport(int x, int y, int w, int h) { glViewport(x, y, w, h); }

void draw2d_blend(bool on) { enable(GL_BLEND, on); }

void draw2d_depthTest(bool on) { enable(GL_DEPTH_TEST, on); }

void draw2d_clear(float r, float g, float b) {
    glClearColor(r, g, b, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void draw2d_useImages() { glUseProgram(glPrograms().hud); }

void drawImage(const char* name, RenderContext& rc, vec2f translation, vec2f rowX, vec2f rowY) {
    if (!quadBuffer) {
        glGenBuffers(1, &quadBuffer);
        glBindBuffer(GL_ARRAY_BUFFER, quadBuffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof UNIT_QUAD, UNIT_QUAD, GL_STATIC_DRAW);
    }
    glActiveTexture(GL_TEXTURE0);
    txdb_bind(name);
    glUniform2f(rc.hudTranslation, translation.x, translation.y);
    glUniform2f(rc.hudRotX, rowX.x, rowX.y);
    glUniform2f(rc.hudRotY, rowY.x, rowY.y);
    glUniform1i(rc.hudTextureMap, 0);
    glBindBuffer(GL_ARRAY_BUFFER, quadBuffer);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 16, (const void*)0);
    glVertexAttribPointer(1, 2, GL_FLOAT, GL_FALSE, 16, (const void*)8);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDisableVertexAttribArray(0);
    glDisableVertexAttribArray(1);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void draw2d_useLines(RenderContext& rc, float r, float g, float b, float width) {
    glUseProgram(glPrograms().edge);
    glUniform4f(rc.edgeLineColour, r, g, b, 1.0f);
    glUniform1f(rc.edgeFogIntensity, 0.0f);
    glLineWidth(width);
}
