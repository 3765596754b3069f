// Drawing the HUD with the Hud program: the lever panel, the dashboard or
// pad picture, the cyclic, the accelerator, the steering wheel and the
// gamepad labels, through render's 2D layer (draw2d.h).
#pragma once

#include "render/rendercontext.h"
#include "render/tty.h"

// Loads the 25 panel images; a shortfall is reported and the game goes on.
void hudLoadImages();

void hud_drawLeverPanel(RenderContext& rc);
void hud_drawLeftPanel(RenderContext& rc);
void hud_drawMiddlePanel(RenderContext& rc);
void hud_drawCyclic(RenderContext& rc);
void hud_drawAccelerator(RenderContext& rc);
void hud_drawSteeringWheel(RenderContext& rc);
// The gamepad assignments beside the pad picture for "camera" or a vehicle
// name; nothing for null or an unknown name.
void drawControlLabels(const char* name, RenderContext& rc);
// The keyboard's keys beside the present levers and arrows beside the wheel
// and pedal, while the keyboard hints are shown; sets its own viewports.
void hud_drawKeyHints(RenderContext& rc);
