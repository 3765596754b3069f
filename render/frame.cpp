#include "render/frame.h"

#include <epoxy/gl.h>

#include "bus/diag.h"
#include "render/camera.h"
#include "render/framerate.h"
#include "render/geomdb.h"
#include "render/gfx_gl.h"
#include "render/gl_programs.h"
#include "render/light.h"
#include "render/mat4.h"
#include "render/smoothing.h"
#include "render/tty_gl.h"
#include "render/view.h"

namespace {

const int SHADOW_SIZE = 512;
const float SHADOW_OFFSET_FACTOR = 1.02f;
const float SCENE_OFFSET_FACTOR = 1.005f;
const int FPS_SIZE = 22;
// As wide as the multisampled lines, so that the look stays the same.
const float SMOOTH_EDGE_WIDTH = 1.0f;

FrameHooks hooks = {};
void (*passMark)(FramePass) = nullptr;

void markPass(FramePass pass) {
    if (passMark) passMark(pass);
}

SceneHooks scene = {};

GLuint shadowFramebuffer = 0;
GLuint shadowTexture = 0;
GLuint shadowDepthRenderbuffer = 0;  // only when the depth goes to a colour texture

float depthBias() { return hooks.depthBias ? hooks.depthBias() : 0.0f; }

void viewport(const ViewRect& r) { glViewport(r.x, r.y, r.w, r.h); }

void callHook(void (*hook)(RenderContext&), RenderContext& rc) {
    if (hook) hook(rc);
}

void setEdgeColour(RenderContext& rc, float r, float g, float b) {
    glUniform4f(rc.edgeLineColour, r, g, b, 1.0f);
}

const char* framebufferStatusLine(GLenum status) {
    switch (status) {
        case GL_FRAMEBUFFER_UNDEFINED:
            return "ERR GL_FRAMEBUFFER_UNDEFINED";
        case GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_ATTACHMENT";
        case GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_MISSING_ATTACHMENT";
        case GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_DRAW_BUFFER";
        case GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_READ_BUFFER";
        case GL_FRAMEBUFFER_UNSUPPORTED:
            return "ERR GL_FRAMEBUFFER_UNSUPPORTED";
        case GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_MULTISAMPLE";
        case GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS:
            return "ERR GL_FRAMEBUFFER_INCOMPLETE_LAYER_TARGETS";
        default:
            return nullptr;
    }
}

// ------------------------------------------------------------ frame steps

void beginTextScreen(RenderContext& rc, int textView, float r, float g, float b) {
    glDisable(GL_DEPTH_TEST);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    viewport(viewRect(textView));
    glUseProgram(glPrograms().edge);
    setEdgeColour(rc, r, g, b);
    if (!ttyHidden) ttyDraw(rc);
    glUseProgram(glPrograms().hud);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

void drawSettingsScreen(RenderContext& rc) {
    beginTextScreen(rc, VIEW_TEXT, 0.7f, 0.8f, 1.0f);
    viewport(viewRect(VIEW_MENU_BUTTONS));
    callHook(hooks.drawMenuButtons, rc);
}

void drawMenuScreen(RenderContext& rc) {
    beginTextScreen(rc, VIEW_TEXT, 0.8f, 1.0f, 0.7f);
    callHook(hooks.drawMenu, rc);
}

void fillContext(RenderContext& rc, float bias) {
    mat4_copy(rc.camView, cameraViewMatrix());
    mat4_copy(rc.camProj, camera().camProj);
    rc.camProj[10] -= bias;
    mat4_copy(rc.lightView, light().view);
    mat4_copy(rc.lightProj, light().proj);
}

void drawScene(RenderContext& rc, float bias) {
    viewport(viewRect(VIEW_SCENE));
    glUseProgram(glPrograms().main);
    glClearColor(0.62f, 0.6f, 0.9f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    if (bias == 0.0f) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(SCENE_OFFSET_FACTOR, 0.0f);
    }
    glDisable(GL_BLEND);
    glUniform4f(rc.mainBaseColour, 1.0f, 1.0f, 1.0f, 1.0f);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, shadowTexture);
    glUniform1i(rc.mainShadowMap, 0);
    callHook(scene.draw, rc);
}

// Without samples the lines are smoothed by coverage; that alpha is not
// premultiplied like the images are.
void beginSmoothLines() {
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void endSmoothLines() {
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

void drawEdges(RenderContext& rc) {
    rc.camProj[10] = camera().camProj[10];
    glUseProgram(glPrograms().edge);
    bool smooth = edgeSmoothing() == SMOOTH_LINES;
    glLineWidth(smooth ? SMOOTH_EDGE_WIDTH : 1.0f);
    if (smooth) beginSmoothLines();
    setEdgeColour(rc, 0.15f, 0.15f, 0.15f);
    callHook(scene.drawEdges, rc);
    if (smooth) endSmoothLines();
}

void drawFrameRate(RenderContext& rc) {
    ViewRect scene = viewRect(VIEW_SCENE);
    glViewport(scene.x + scene.w - FPS_SIZE, scene.y, FPS_SIZE, FPS_SIZE);
    ttyDrawNumber((unsigned)frameRate().fps, rc);
}

void drawHud(RenderContext& rc) {
    glUseProgram(glPrograms().hud);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    viewport(viewRect(VIEW_LEVER_PANEL));
    callHook(hooks.drawLeverPanel, rc);
    glEnable(GL_BLEND);
    ViewRect left = viewRect(VIEW_LEFT_PANEL);
    viewport(left);
    callHook(hooks.drawLeftPanel, rc);
    glViewport(left.w, left.y, left.w, left.h);
    callHook(hooks.drawMiddlePanel, rc);
    viewport(viewRect(VIEW_CYCLIC));
    callHook(hooks.drawCyclic, rc);
    viewport(viewRect(VIEW_ACCELERATOR));
    callHook(hooks.drawAccelerator, rc);
    viewport(viewRect(VIEW_STEERING));
    callHook(hooks.drawSteeringWheel, rc);
}

float endTimer() { return hooks.endTimer ? hooks.endTimer() : -1.0f; }

void drawEndPicture(RenderContext& rc) {
    if (endTimer() < 0.0f) return;
    ViewRect scene = viewRect(VIEW_SCENE);
    int s = (int)(scene.w * 0.25f);
    glViewport((int)(scene.w * 0.5f + scene.x) - (int)(s * 0.5f),
               (int)(scene.h * 0.5f + scene.y) - (int)(s * 0.5f), s, s);
    bool won = hooks.lastWon && hooks.lastWon();
    if (hooks.drawImage) {
        hooks.drawImage(won ? "jobdone" : "gameover", rc, {0.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f});
    }
}

void drawTutorialOverlay(RenderContext& rc, float dt) {
    if (!viewVisible[VIEW_TUTORIAL]) return;
    viewport(viewRect(VIEW_TUTORIAL));
    bool finished = hooks.drawTutorial ? hooks.drawTutorial(rc, dt) : true;
    ViewRect left = viewRect(VIEW_LEFT_PANEL);
    int insetX = left.w / 8, insetY = left.h / 4;
    glViewport(left.x + insetX, left.y + insetY, left.w - 2 * insetX, left.h - 2 * insetY);
    glUseProgram(glPrograms().edge);
    setEdgeColour(rc, 0.0f, 0.0f, 0.0f);
    if (!ttyHidden) ttyDraw(rc);
    if (finished) viewVisible[VIEW_TUTORIAL] = 0;
}

// Labels and key hints: yellow stroke text over the HUD, kept off the end
// picture and the tutorial. False when they must not be drawn now.
bool takeLabelPen(RenderContext& rc) {
    if (endTimer() >= 0.0f || viewVisible[VIEW_TUTORIAL]) return false;
    glUseProgram(glPrograms().edge);
    setEdgeColour(rc, 1.0f, 0.8f, 0.2f);
    glLineWidth(2.0f);
    return true;
}

void drawLabels(RenderContext& rc) {
    if (!hooks.gamepadMode || !hooks.gamepadMode()) return;
    if (!takeLabelPen(rc)) return;
    viewport(viewRect(VIEW_LEFT_PANEL));
    callHook(hooks.drawControlLabels, rc);
}

void drawKeyHints(RenderContext& rc) {
    if (hooks.drawKeyHints && takeLabelPen(rc)) hooks.drawKeyHints(rc);
}

}  // namespace

void frame_setHooks(const FrameHooks& h) { hooks = h; }

void frame_setPassMark(void (*mark)(FramePass pass)) { passMark = mark; }

void frame_setScene(const SceneHooks& s) { scene = s; }

// ---------------------------------------------------- shadow framebuffer

bool createShadowFramebuffer() {
    glGenFramebuffers(1, &shadowFramebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, shadowFramebuffer);
    glGenTextures(1, &shadowTexture);
    glBindTexture(GL_TEXTURE_2D, shadowTexture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    if (depthTextureSupported) {
        // Contents are undefined until the first shadow pass overwrites them.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT, SHADOW_SIZE, SHADOW_SIZE, 0,
                     GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, nullptr);
    } else {
        logLine("ERR No depth texture support.");
        // The depth goes packed into a colour texture instead (ShadowNDT),
        // with a renderbuffer for the depth test. Eight bits a channel, asked
        // for by name: the packing needs every one of them.
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, SHADOW_SIZE, SHADOW_SIZE, 0, GL_RGBA,
                     GL_UNSIGNED_BYTE, nullptr);
        glGenRenderbuffers(1, &shadowDepthRenderbuffer);
        glBindRenderbuffer(GL_RENDERBUFFER, shadowDepthRenderbuffer);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT16, SHADOW_SIZE, SHADOW_SIZE);
        glBindRenderbuffer(GL_RENDERBUFFER, 0);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    if (depthTextureSupported) {
        glReadBuffer(GL_NONE);
        glDrawBuffer(GL_NONE);
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, shadowTexture,
                               0);
    } else {
        glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, shadowTexture,
                               0);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER,
                                  shadowDepthRenderbuffer);
    }
    GLenum status = glCheckFramebufferStatus(GL_FRAMEBUFFER);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (status == GL_FRAMEBUFFER_COMPLETE) {
        logLine("Got a complete shadowFramebuffer object");
        return true;
    }
    const char* line = framebufferStatusLine(status);
    if (line)
        logLine("%s", line);
    else
        logLine("ERR UNKNOWN FRAMEBUFFER STATUS %x", status);
    logLine("ERR failed to make complete shadowFramebuffer object for shadow %x", status);
    return false;
}

unsigned frame_shadowTexture() { return shadowTexture; }

// ------------------------------------------------------------- start-up

bool render_init(int width, int height) {
    probeGL();
    if (!loadPrograms()) return false;
    render_initScene(width, height);
    return true;
}

void render_initScene(int width, int height) {
    viewLayout(width, height);
    ViewRect scene = viewRect(VIEW_SCENE);
    if (scene.w > 0 && scene.h > 0) setPerspective((float)scene.w / scene.h, 0.1f, 150.0f, true);
    camera().distanceMin = 2.0f;
    camera().distanceMax = 18.0f;
    initLight();
    createShadowFramebuffer();
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);  // every image is premultiplied
    gfx_bind(gfx_gl());
    logLine("Loaded %d geometry VBOs", geomdb_create_vbos());
}

// ------------------------------------------------------------------ frame

void frame_shadowStep() {
    glBindFramebuffer(GL_FRAMEBUFFER, shadowFramebuffer);
    glViewport(0, 0, SHADOW_SIZE, SHADOW_SIZE);
    drawShadowPass();
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
}

void drawShadowPass() {
    if (viewVisible[VIEW_MENU_PICTURE]) return;
    RenderContext& rc = renderContext();
    glClearColor(200.0f, 200.0f, 200.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glCullFace(GL_FRONT);
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    float bias = depthBias();
    float saved = rc.lightProj[10];
    if (bias == 0.0f) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(SHADOW_OFFSET_FACTOR, 0.0f);
    } else {
        glDisable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(0.0f, 0.0f);
        rc.lightProj[10] -= bias;
    }
    glDisable(GL_BLEND);
    glUseProgram(glPrograms().shadow);
    callHook(scene.drawShadows, rc);
    rc.lightProj[10] = saved;
}

void drawFrame(float dt) {
    RenderContext& rc = renderContext();
    dt = framerate_measure(dt);
    if (viewVisible[VIEW_SETTINGS]) return drawSettingsScreen(rc);
    if (viewVisible[VIEW_MENU_PICTURE]) return drawMenuScreen(rc);
    setLightProjection(camera().cameraDistance * 0.5f, 1.0f, 44.0f);
    float bias = depthBias();
    fillContext(rc, bias);
    drawScene(rc, bias);
    markPass(PASS_SCENE);
    drawEdges(rc);
    markPass(PASS_EDGES);
    drawFrameRate(rc);
    drawHud(rc);
    drawEndPicture(rc);
    drawTutorialOverlay(rc, dt);
    drawLabels(rc);
    drawKeyHints(rc);
    markPass(PASS_OVERLAYS);
}
