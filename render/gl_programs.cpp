#include "render/gl_programs.h"

#include <cstring>
#include <string>
#include <vector>

#include "bus/diag.h"
#include "render/gl_shaders.h"
#include "render/rendercontext.h"

bool depthTextureSupported = false;

namespace {

GlPrograms programs = {0, 0, 0, 0};

struct Attribute {
    const char* prefix;
    GLuint location;
    const char* name;
};
const Attribute ATTRIBUTES[] = {
    {"Main", 1, "surfacenormal"},
    {"Main", 2, "rgb"},
    {"Hud", 1, "uv"},
};

bool hasPrefix(const char* name, const char* prefix) {
    return strncmp(name, prefix, strlen(prefix)) == 0;
}

void bindAttributes(const char* name, GLuint program) {
    glBindAttribLocation(program, 0, "position");
    for (const Attribute& a : ATTRIBUTES) {
        if (hasPrefix(name, a.prefix)) glBindAttribLocation(program, a.location, a.name);
    }
}

void lookUpUniforms(const char* name, GLuint p) {
    RenderContext& rc = renderContext();
    if (hasPrefix(name, "Main")) {
        rc.mainModelCamViewProj = glGetUniformLocation(p, "modelcamviewprojmat");
        rc.mainBaseColour = glGetUniformLocation(p, "basecolour");
        rc.mainModelLightViewProj = glGetUniformLocation(p, "modellightviewprojmat");
        rc.mainModelLightView = glGetUniformLocation(p, "modellightviewmat");
        rc.mainShadowMap = glGetUniformLocation(p, "shadowmap");
        rc.mainFogIntensity = glGetUniformLocation(p, "fogintensity");
    } else if (hasPrefix(name, "Shadow")) {
        rc.shadowModelLightViewProj = glGetUniformLocation(p, "modellightviewprojmat");
    } else if (hasPrefix(name, "Sky")) {
        rc.skyModelCamViewProj = glGetUniformLocation(p, "modelcamviewprojmat");
    } else if (hasPrefix(name, "Edge")) {
        rc.edgeModelCamViewProj = glGetUniformLocation(p, "modelcamviewprojmat");
        rc.edgeLineColour = glGetUniformLocation(p, "linecolour");
        rc.edgeFogIntensity = glGetUniformLocation(p, "fogintensity");
    } else if (hasPrefix(name, "Hud")) {
        rc.hudRotX = glGetUniformLocation(p, "rotx");
        rc.hudRotY = glGetUniformLocation(p, "roty");
        rc.hudTextureMap = glGetUniformLocation(p, "texturemap");
        rc.hudTranslation = glGetUniformLocation(p, "translation");
    }
}

// Prints the info log under the heading when it holds more than a terminator.
void printLog(const char* heading, GLuint object, bool isShader) {
    GLint length = 0;
    if (isShader)
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    else
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1) return;
    std::vector<char> log(length);
    if (isShader)
        glGetShaderInfoLog(object, length, nullptr, log.data());
    else
        glGetProgramInfoLog(object, length, nullptr, log.data());
    logLine("%s\n%s", heading, log.data());
}

struct Extension {
    const char* substring;
    const char* line;
};
const Extension EXTENSIONS[] = {
    {"_depth_texture", "Does %s depth textures."},
    {"_discard_framebuffer", "Does %s discard framebuffer."},
    {"_vertex_array", "Does %s vertex array."},
    {"_texture_half_float", "Does %s half float textures."},
};

// The extension string of a core or compatibility context, whichever exists.
std::string extensionString() {
    const GLubyte* s = glGetString(GL_EXTENSIONS);
    if (s) return (const char*)s;
    std::string all;
    GLint n = 0;
    glGetIntegerv(GL_NUM_EXTENSIONS, &n);
    for (GLint i = 0; i < n; i++) {
        all += (const char*)glGetStringi(GL_EXTENSIONS, i);
        all += ' ';
    }
    return all;
}

void printLimit(GLenum name, const char* line) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    logLine(line, value);
}

}  // namespace

GlPrograms& glPrograms() { return programs; }

bool compileShader(GLuint* out, GLenum type, const char* source) {
    if (!source) {
        logLine("ERR Failed to load vertex shader");
        return false;
    }
    GLuint shader = glCreateShader(type);
    if (shader == 0) logLine("ERR glCreateShader(%x) returned 0.", type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    printLog("Shader compile log:", shader, true);
    GLint compiled = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &compiled);
    if (!compiled) {
        glDeleteShader(shader);
        return false;
    }
    *out = shader;
    return true;
}

bool linkProgram(GLuint program) {
    glLinkProgram(program);
    printLog("Program link log:", program, false);
    GLint linked = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    return linked == GL_TRUE;
}

bool validateProgram(GLuint program) {
    glValidateProgram(program);
    printLog("Program validate log:", program, false);
    GLint valid = GL_FALSE;
    glGetProgramiv(program, GL_VALIDATE_STATUS, &valid);
    return valid == GL_TRUE;
}

bool loadProgram(const char* name, GLuint* out, const char* vertexSource,
                 const char* fragmentSource) {
    *out = glCreateProgram();
    GLuint vertex = 0, fragment = 0;
    if (!compileShader(&vertex, GL_VERTEX_SHADER, vertexSource)) {
        logLine("ERR Failed to compile vertex shader %s", name);
        return false;
    }
    logLine("Compiled vertex shader %s", name);
    if (!compileShader(&fragment, GL_FRAGMENT_SHADER, fragmentSource)) {
        logLine("ERR Failed to compile fragment shader %s", name);
        glDeleteShader(vertex);
        return false;
    }
    logLine("Compiled fragment shader %s", name);
    glAttachShader(*out, vertex);
    glAttachShader(*out, fragment);
    bindAttributes(name, *out);
    if (!linkProgram(*out)) {
        logLine("Failed to link program %s", name);
        glDeleteShader(vertex);
        glDeleteShader(fragment);
        glDeleteProgram(*out);
        *out = 0;
        return false;
    }
    lookUpUniforms(name, *out);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    return true;
}

int attributeLocation(GLuint program, const char* name) {
    return glGetAttribLocation(program, name);
}

void deleteShader(GLuint shader) { glDeleteShader(shader); }

void probeExtensions(const char* extensions) {
    for (size_t i = 0; i < sizeof EXTENSIONS / sizeof EXTENSIONS[0]; i++) {
        bool found = strstr(extensions, EXTENSIONS[i].substring) != nullptr;
        logLine(EXTENSIONS[i].line, found ? "support" : "not support");
        if (i == 0) depthTextureSupported = found;
    }
}

void probeGL() {
    probeExtensions(extensionString().c_str());
    printLimit(GL_MAX_VERTEX_UNIFORM_VECTORS, "GL_MAX_VERTEX_UNIFORM_VECTORS %d");
    printLimit(GL_MAX_FRAGMENT_UNIFORM_VECTORS, "GL_MAX_FRAGMENT_UNIFORM_VECTORS %d");
    printLimit(GL_MAX_VARYING_VECTORS, "GL_MAX_VARYING_VECTORS %d");
    printLimit(GL_MAX_TEXTURE_IMAGE_UNITS, "GL_MAX_TEXTURE_IMAGE_UNITS %d");
}

bool loadPrograms() {
    if (!loadProgram("Hud", &programs.hud, HUD_VERTEX, HUD_FRAGMENT)) return false;
    const char* mainFragment = depthTextureSupported ? MAIN_FRAGMENT : MAIN_PACKED_FRAGMENT;
    if (!loadProgram("Main", &programs.main, MAIN_VERTEX, mainFragment)) return false;
    bool shadowLoaded =
        depthTextureSupported
            ? loadProgram("Shadow", &programs.shadow, SHADOW_VERTEX, SHADOW_FRAGMENT)
            : loadProgram("ShadowNDT", &programs.shadow, SHADOW_NDT_VERTEX, SHADOW_NDT_FRAGMENT);
    if (!shadowLoaded) return false;
    if (!loadProgram("Edge", &programs.edge, EDGE_VERTEX, EDGE_FRAGMENT)) return false;
    logLine("Hud program loaded as %d", programs.hud);
    logLine("Main program loaded as %d", programs.main);
    logLine("Shadow program loaded as %d", programs.shadow);
    logLine("Edge program loaded as %d", programs.edge);
    validateProgram(programs.shadow);
    validateProgram(programs.edge);
    return true;
}
