// The OpenGL backend of the drawing interface; bind it with
// gfx_bind(gfx_gl()) once a context is current.
#pragma once

#include "render/gfx.h"

const GfxBackend* gfx_gl();
