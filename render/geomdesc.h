// An embedded geometry record: flat-shaded triangles (36-byte vertices:
// position, normal, colour) and outline edge segments (two 12-byte points).
// Records live in writable static storage; the registry fills in vbos/bufaux.
#pragma once

#include <cstdint>

struct geomdesc {
    int32_t numt;  // triangles; tridata holds numt * 3 vertices
    int32_t nume;  // edge segments; edgedata holds nume * 2 points
    const float* tridata;
    const float* edgedata;  // one zero segment when nume is 0
    uint32_t vbos[2];       // GL buffer names, 0 when none
    int32_t bufsz[2];       // numt * 108; nume * 24 (24 when nume is 0)
    int32_t bufaux[2];      // reserved, always 0
};

enum {
    GEOM_VERTEX_FLOATS = 9,
    GEOM_VERTEX_BYTES = 36,
    GEOM_TRIANGLE_BYTES = 108,
    GEOM_EDGE_BYTES = 24,
};
