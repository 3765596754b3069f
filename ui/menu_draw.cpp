#include "ui/menu_draw.h"

#include <cstdio>

#include "bus/diag.h"
#include "render/draw2d.h"
#include "render/txdb.h"
#include "render/view.h"
#include "shell/progress.h"
#include "ui/levelinfo.h"
#include "ui/menu.h"

namespace {

const char* const STAGE_IMAGES[] = {
    "level_sandbox",    "level_parkinglot", "level_court",   "level_lockdown",  "level_seesaw",
    "level_trainlot",   "level_bridge",     "level_stackem", "level_temple",    "level_hazard",
    "level_luxor",      "level_babel",      "level_factory", "level_ufo",       "level_hearth",
    "level_towercrane", "level_dump",       "level_cleanup", "level_chemistry", "level_daredevil",
    "level_hockeyriot", "level_canal",      "level_egghunt", "level_superpac",  "level_powerlift",
    "level_yukon"};
const int STAGE_IMAGE_COUNT = sizeof STAGE_IMAGES / sizeof STAGE_IMAGES[0];

const char* const BUTTON_IMAGES[] = {
    "menunext",          "menuplay",     "menuprev", "menusteam",
    "menurestart",       "menusettings", "stamp",    "gamepadbuttoncircle",
    "gamepadbuttoncross"};
const int BUTTON_IMAGE_COUNT = sizeof BUTTON_IMAGES / sizeof BUTTON_IMAGES[0];

// An image placed by its centre and half-size in the view's -1..1 square.
void place(const char* name, RenderContext& rc, float cx, float cy, float hx, float hy) {
    drawImage(name, rc, {cx, cy}, {hx, 0.0f}, {0.0f, hy});
}

void button(const char* name, RenderContext& rc, float x) { place(name, rc, x, 0.0f, 0.2f, 1.0f); }

}  // namespace

void menu_loadImages() {
    // One level picture shows at a time: each is made when first shown.
    int pictures = txdb_loadDeferred("stagepack", STAGE_IMAGES, STAGE_IMAGE_COUNT);
    QASSERT("Game/menu", pictures == STAGE_IMAGE_COUNT);
    int buttons = txdb_load("buttonpack", BUTTON_IMAGES, BUTTON_IMAGE_COUNT);
    QASSERT("Game/menu", buttons == BUTTON_IMAGE_COUNT);
}

void menu_drawPicture(RenderContext& rc) {
    const MenuState& m = menu();
    char picture[40];
    snprintf(picture, sizeof picture, "level_%s", levelName(m.selection));
    draw2d_blend(false);
    place(picture, rc, 0.0f, 0.0f, 1.0f, 1.0f);
    draw2d_blend(true);
    if (progress_won(m.selection)) place("stamp", rc, 0.75f, 0.5f, 0.25f, 0.5f);
    if (m.selection == FIRST_LEVEL && m.gamepadInUse)
        place("gamepadbuttoncross", rc, 0.392f * m.toy - 0.81f, -0.21f, 0.06f, 0.12f);
    draw2d_blend(false);
}

void menu_drawButtons(RenderContext& rc) {
    draw2d_depthTest(false);
    draw2d_blend(false);
    button("menusettings", rc, 0.4f);
    if (viewVisible[VIEW_SETTINGS]) return;
    if (menu_showsPrevious()) button("menuprev", rc, -0.8f);
    if (menu_showsNext()) button("menunext", rc, 0.8f);
    if (menu_showsRestart()) button("menurestart", rc, -0.4f);
    if (menu_showsPlay()) button("menuplay", rc, 0.0f);
}

void menu_draw(RenderContext& rc) {
    ViewRect picture = viewRect(VIEW_MENU_PICTURE);
    draw2d_viewport(picture.x, picture.y, picture.w, picture.h);
    menu_drawPicture(rc);
    ViewRect buttons = viewRect(VIEW_MENU_BUTTONS);
    draw2d_viewport(buttons.x, buttons.y, buttons.w, buttons.h);
    menu_drawButtons(rc);
}
