// Geometry registry: turns the records used by the current level into GPU
// buffers (through the drawing interface) and forgets them at level start.
#pragma once

#include "render/geomdesc.h"

enum { GEOMDB_MAX = 64 };

bool geomdb_add(geomdesc* desc);
int geomdb_create_vbos();  // uploads every registered record; start-up
int geomdb_clear();        // deletes all buffers; returns entries that had one
int geomdb_count();        // records registered now
void geomdb_resetCount();  // forget the records (level start, after the clear)
