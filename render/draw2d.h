// The 2D layer the HUD, menu, tutorial and tools draw with: named images on
// a unit quad with the Hud program, the viewport, blending and depth test,
// clearing, and plain lines for text outside the frame. GL side: needs a
// current context and the loaded programs.
#pragma once

#include "render/rendercontext.h"
#include "render/tty.h"

// Makes every image loaded from now on a GL texture and sets the blending
// for premultiplied images.
void draw2d_init();

void draw2d_viewport(int x, int y, int w, int h);
void draw2d_blend(bool on);  // premultiplied alpha over what is drawn
void draw2d_depthTest(bool on);
// Colour and depth cleared; the colour opaque.
void draw2d_clear(float r, float g, float b);

// The Hud program bound, for drawImage.
void draw2d_useImages();
// The image on the unit quad: at translation, rows rowX and rowY (normalised
// coordinates of the viewport). Identity placement fills the viewport.
void drawImage(const char* name, RenderContext& rc, vec2f translation, vec2f rowX, vec2f rowY);

// The Edge program bound with an unfogged line colour and width, for the
// stroke-font text (tty_gl.h).
void draw2d_useLines(RenderContext& rc, float r, float g, float b, float width);
