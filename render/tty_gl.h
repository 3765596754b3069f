// Drawing the text screen, a three-digit number and free strings with the
// Edge program (bound by the caller, which also sets the line colour except
// for the number).
#pragma once

#include "render/rendercontext.h"
#include "render/tty.h"

void ttyDraw(RenderContext& rc);
void ttyDrawNumber(unsigned n, RenderContext& rc);
void ttyDrawString(const char* text, RenderContext& rc, vec2f pos, vec2f cell, const char* align);
