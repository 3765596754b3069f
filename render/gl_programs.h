// The four shader programs (Main, Shadow or ShadowNDT, Edge, Hud), compiled
// from string constants at start-up, and the probe of the GL implementation
// that chooses the shadow program. GL side: needs a current context.
#pragma once

#include <epoxy/gl.h>

struct GlPrograms {
    GLuint main;
    GLuint shadow;  // Shadow, or ShadowNDT without depth textures
    GLuint edge;
    GLuint hud;
};

GlPrograms& glPrograms();
extern bool depthTextureSupported;

bool compileShader(GLuint* out, GLenum type, const char* source);
bool linkProgram(GLuint program);
bool validateProgram(GLuint program);
// Binds the attributes and looks up the uniforms by the name's prefix
// ("ShadowNDT" takes the "Shadow" bindings) into the render context.
bool loadProgram(const char* name, GLuint* out, const char* vertexSource,
                 const char* fragmentSource);
// The slot a linked program gave an attribute, -1 when it has none.
int attributeLocation(GLuint program, const char* name);
void deleteShader(GLuint shader);

// Prints what the implementation offers; sets depthTextureSupported from
// the extension string.
void probeGL();
void probeExtensions(const char* extensions);  // the string part, for tests
// Hud, Main, the shadow program and Edge; false at the first failure.
bool loadPrograms();
