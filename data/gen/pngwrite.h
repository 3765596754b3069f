// Writes a canvas as an 8-bit RGBA PNG with stored (uncompressed) deflate
// blocks: no zlib needed.
#pragma once

#include "canvas.h"

bool writePng(const char* path, const Canvas& c);
