// Drawing the menu: the selected entry's picture with its stamp or toy
// cursor in view 0, and the button strip in view 1, through render's 2D
// layer (draw2d.h).
#pragma once

#include "render/rendercontext.h"

// Loads the level pictures and the buttons; a shortfall stops the program.
void menu_loadImages();
void menu_drawPicture(RenderContext& rc);
void menu_drawButtons(RenderContext& rc);
// Both, each in its own view (the frame's menu screen).
void menu_draw(RenderContext& rc);
