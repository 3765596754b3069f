#include "render/txdb_gl.h"

#include <epoxy/gl.h>

namespace {

unsigned glCreateTexture(const unsigned char* rgba, int width, int height) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
    return texture;
}

void glBindTexture2D(unsigned texture) { glBindTexture(GL_TEXTURE_2D, texture); }

const TxdbUploader glUploader = {glCreateTexture, glBindTexture2D};

}  // namespace

const TxdbUploader* txdb_glUploader() { return &glUploader; }
