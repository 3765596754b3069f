// Puts the world, HUD, menu, tutorial and settings drawing into the frame, sends
// the core's text blocks to the stroke-font text screen and loads the HUD
// and menu images. Call once the GL context and programs exist.
#pragma once

#include "render/rendercontext.h"

void ui_drawInit();
// The tutorial frame: its images over the whole window, then the text.
bool drawTutorial(RenderContext& rc, float dt);
