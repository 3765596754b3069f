#include "render/tty_gl.h"

#include <epoxy/gl.h>

#include "render/mat4.h"

namespace {

float screenBuffer[TTY_SCREEN_VERTICES * TTY_FLOATS_PER_VERTEX];
float numberBuffer[TTY_NUMBER_VERTICES * TTY_FLOATS_PER_VERTEX];
float stringBuffer[TTY_STRING_VERTICES * TTY_FLOATS_PER_VERTEX];

void drawLines(RenderContext& rc, const float* vertices, int count) {
    float identity[16];
    mat4_identity(identity);
    glUniformMatrix4fv(rc.edgeModelCamViewProj, 1, GL_FALSE, identity);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, TTY_FLOATS_PER_VERTEX, GL_FLOAT, GL_FALSE,
                          TTY_FLOATS_PER_VERTEX * sizeof(float), vertices);
    glDrawArrays(GL_LINES, 0, count);
}

}  // namespace

void ttyDraw(RenderContext& rc) {
    int count = tty_buildScreen(screenBuffer);
    if (count == 0) return;
    glLineWidth(2.0f);
    drawLines(rc, screenBuffer, count);
}

void ttyDrawNumber(unsigned n, RenderContext& rc) {
    int count = tty_buildNumber(n, numberBuffer);
    if (count == 0) return;
    glUniform4f(rc.edgeLineColour, 0.8f, 1.0f, 0.7f, 1.0f);
    drawLines(rc, numberBuffer, count);
}

void ttyDrawString(const char* text, RenderContext& rc, vec2f pos, vec2f cell, const char* align) {
    int count = tty_buildString(text, pos, cell, align, stringBuffer);
    if (count == 0) return;
    drawLines(rc, stringBuffer, count);
}
