// One drawn frame: the shadow pass from a light hovering over the driven
// vehicle, the lit and fogged scene with outline edges, the frame-rate
// figure, the HUD, the end picture, the tutorial overlay and the control
// labels; or the menu or settings screen instead. It only draws: the game
// tick that moves what it shows runs before it. GL side. What other modules
// draw comes in through FrameHooks and SceneHooks.
#pragma once

#include "render/rendercontext.h"
#include "render/tty.h"

struct FrameHooks {
    void (*drawMenuButtons)(RenderContext& rc);  // the button strip in view 1
    void (*drawMenu)(RenderContext& rc);
    // HUD, each in its viewport with the Hud program bound.
    void (*drawLeverPanel)(RenderContext& rc);
    void (*drawLeftPanel)(RenderContext& rc);
    void (*drawMiddlePanel)(RenderContext& rc);
    void (*drawCyclic)(RenderContext& rc);
    void (*drawAccelerator)(RenderContext& rc);
    void (*drawSteeringWheel)(RenderContext& rc);
    // End of a level: -1 while none ended; the win flag; drawing a named image.
    float (*endTimer)();
    bool (*lastWon)();
    void (*drawImage)(const char* name, RenderContext& rc, vec2f translation, vec2f rowX,
                      vec2f rowY);
    // Tutorial step in view 2; true when it has finished.
    bool (*drawTutorial)(RenderContext& rc, float dt);
    // Gamepad labels in view 16 (Edge program, colour and width set).
    bool (*gamepadMode)();
    void (*drawControlLabels)(RenderContext& rc);
    // Keyboard hints over the HUD (same pen); the hook sets its viewports.
    void (*drawKeyHints)(RenderContext& rc);
    // The depth-bias setting: 0 or 1e-5.
    float (*depthBias)();
};
void frame_setHooks(const FrameHooks& hooks);

// The world's objects in the three passes: lit, into the shadow map, edges.
struct SceneHooks {
    void (*draw)(RenderContext& rc);
    void (*drawShadows)(RenderContext& rc);
    void (*drawEdges)(RenderContext& rc);
};
void frame_setScene(const SceneHooks& scene);
// The passes of a game frame, in order; a bench that times them is told as
// each drawing pass has been issued (null: nobody is). The tick runs before
// draw-frame, so its caller marks it.
enum FramePass { PASS_TICK, PASS_SCENE, PASS_EDGES, PASS_OVERLAYS };
void frame_setPassMark(void (*mark)(FramePass pass));

// GL start-up after the game initialisation: probe, programs, view layout,
// projection, light, shadow framebuffer, blending, geometry buffers.
// False when a shader program fails.
bool render_init(int width, int height);
// The part after the programs are loaded (tests probe their own way first).
void render_initScene(int width, int height);

bool createShadowFramebuffer();

// The main loop's draw step: the shadow pass into the shadow framebuffer.
void frame_shadowStep();
void drawShadowPass();
// dt is the measured frame time: the frame-rate figure and the tutorial's
// animation follow it.
void drawFrame(float dt);

// The shadow map, for tests and tools.
unsigned frame_shadowTexture();
