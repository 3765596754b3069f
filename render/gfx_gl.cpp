#include "render/gfx_gl.h"

#include <epoxy/gl.h>

#include "render/geomdesc.h"

namespace {

enum { ATTR_POSITION = 0, ATTR_NORMAL = 1, ATTR_COLOUR = 2 };
const int POINT_BYTES = 12;

unsigned glCreateBuffer(const void* data, int bytes) {
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, bytes, data, GL_STATIC_DRAW);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return buffer;
}

void glDeleteBuffer(unsigned buffer) {
    GLuint name = buffer;
    glDeleteBuffers(1, &name);
}

void glUniformMatrix(int location, const float* matrix16) {
    glUniformMatrix4fv(location, 1, GL_FALSE, matrix16);
}

void glUniform1(int location, float value) { glUniform1f(location, value); }

const void* offset(int bytes) { return (const void*)(size_t)bytes; }

void glDrawTriangles(unsigned buffer, int vertexCount, bool positionsOnly) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(ATTR_POSITION);
    glVertexAttribPointer(ATTR_POSITION, 3, GL_FLOAT, GL_FALSE, GEOM_VERTEX_BYTES, offset(0));
    if (!positionsOnly) {
        glEnableVertexAttribArray(ATTR_NORMAL);
        glVertexAttribPointer(ATTR_NORMAL, 3, GL_FLOAT, GL_FALSE, GEOM_VERTEX_BYTES, offset(12));
        glEnableVertexAttribArray(ATTR_COLOUR);
        glVertexAttribPointer(ATTR_COLOUR, 3, GL_FLOAT, GL_FALSE, GEOM_VERTEX_BYTES, offset(24));
    }
    glDrawArrays(GL_TRIANGLES, 0, vertexCount);
    if (!positionsOnly) {
        glDisableVertexAttribArray(ATTR_NORMAL);
        glDisableVertexAttribArray(ATTR_COLOUR);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

void glDrawLines(unsigned buffer, const float* clientPoints, int vertexCount) {
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glEnableVertexAttribArray(ATTR_POSITION);
    const void* source = buffer ? offset(0) : (const void*)clientPoints;
    glVertexAttribPointer(ATTR_POSITION, 3, GL_FLOAT, GL_FALSE, POINT_BYTES, source);
    glDrawArrays(GL_LINES, 0, vertexCount);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
}

const GfxBackend backend = {glCreateBuffer, glDeleteBuffer,  glUniformMatrix,
                            glUniform1,     glDrawTriangles, glDrawLines};

}  // namespace

const GfxBackend* gfx_gl() { return &backend; }
