#include "ui/ui_gl.h"

#include "render/draw2d.h"
#include "render/frame.h"
#include "render/tty.h"
#include "shell/gameflow.h"
#include "shell/settings.h"
#include "ui/hud_draw.h"
#include "ui/input.h"
#include "ui/menu_draw.h"
#include "ui/textlines.h"
#include "ui/tutorial.h"
#include "world/wld.h"

namespace {

// Every block the core prints replaces the whole screen and shows at once.
void printToScreen(const char* const lines[TEXT_ROWS]) {
    ttyClear();
    ttyAge = 0.0f;
    for (int i = 0; i < TEXT_ROWS; i++) ttyPrint(lines[i]);
    ttyShow();
}

float depthBias() { return settings().depthBias; }
bool gamepadMode() { return input().gamepadMode; }

void labels(RenderContext& rc) {
    const char* name = nullptr;
    if (input().cameraMode)
        name = "camera";
    else if (wld_created() && wld_objectOfInterest())
        name = wld_objectOfInterest()->name;
    drawControlLabels(name, rc);
}

}  // namespace

bool drawTutorial(RenderContext& rc, float dt) {
    OverlayImage images[TUTORIAL_MAX_IMAGES];
    int count = 0;
    bool finished = tutorial_frame(dt, images, &count);
    draw2d_useImages();
    draw2d_depthTest(false);
    draw2d_blend(true);
    for (int i = 0; i < count; i++) {
        const OverlayImage& im = images[i];
        drawImage(im.name, rc, {im.x, im.y}, {im.rowX, 0.0f}, {0.0f, im.rowY});
    }
    draw2d_blend(false);
    return finished;
}

void ui_drawInit() {
    draw2d_init();
    text_setPrinter(printToScreen);
    hudLoadImages();
    menu_loadImages();
    FrameHooks hooks = {};
    hooks.drawMenuButtons = menu_drawButtons;
    hooks.drawMenu = menu_draw;
    hooks.drawLeverPanel = hud_drawLeverPanel;
    hooks.drawLeftPanel = hud_drawLeftPanel;
    hooks.drawMiddlePanel = hud_drawMiddlePanel;
    hooks.drawCyclic = hud_drawCyclic;
    hooks.drawAccelerator = hud_drawAccelerator;
    hooks.drawSteeringWheel = hud_drawSteeringWheel;
    hooks.endTimer = game_endTimer;
    hooks.lastWon = game_lastWon;
    hooks.drawImage = drawImage;
    hooks.drawTutorial = drawTutorial;
    hooks.gamepadMode = gamepadMode;
    hooks.drawControlLabels = labels;
    hooks.drawKeyHints = hud_drawKeyHints;
    hooks.depthBias = depthBias;
    frame_setHooks(hooks);
    frame_setScene(SceneHooks{wld_draw, wld_drawShadows, wld_drawEdges});
}
