// Building blocks for level terrain and scenery: axis-aligned slabs, painted
// marks, ramps and wedges, columns and inward-facing baskets, plus the
// palette the job sites share. Terrain collides with exactly what these draw.
#pragma once

#include <cmath>
#include <vector>

#include "tools/meshgen/mesh.h"
#include "world/levels/level_edge.h"

namespace kit {

const Vec3 ASPHALT = {0.30f, 0.30f, 0.32f};
const Vec3 PAINT = {0.93f, 0.93f, 0.88f};
const Vec3 YELLOW = {0.92f, 0.76f, 0.18f};
const Vec3 GRASS = {0.42f, 0.60f, 0.30f};
const Vec3 CONCRETE = {0.70f, 0.70f, 0.67f};
const Vec3 SAND = {0.86f, 0.78f, 0.56f};
const Vec3 WATER = {0.25f, 0.45f, 0.70f};
const Vec3 WOOD = {0.62f, 0.45f, 0.28f};
const Vec3 STONE = {0.82f, 0.78f, 0.68f};
const Vec3 ROCK = {0.55f, 0.50f, 0.45f};
const Vec3 STEEL = {0.45f, 0.48f, 0.52f};
const Vec3 RED = {0.78f, 0.22f, 0.18f};
const Vec3 BRICK = {0.66f, 0.36f, 0.28f};

// Height of painted marks above the surface they lie on: enough to keep the
// depth test apart, too little for a wheel to feel.
const float PAINT_HEIGHT = 0.003f;

// A box from its two corners.
inline void slab(Mesh& m, float x0, float x1, float y0, float y1, float z0, float z1, Vec3 c) {
    Mesh b = box(x1 - x0, y1 - y0, z1 - z0);
    append(m, translate(b, (x0 + x1) / 2, (y0 + y1) / 2, (z0 + z1) / 2), c);
}

// A painted mark lying on a surface at height z.
inline void mark(Mesh& m, float x0, float x1, float y0, float y1, float z, Vec3 c) {
    slab(m, x0, x1, y0, y1, z, z + PAINT_HEIGHT, c);
}

// The outline of a rectangle painted as four strips of width w inside it.
inline void markFrame(Mesh& m, float x0, float x1, float y0, float y1, float z, float w, Vec3 c) {
    mark(m, x0, x1, y0, y0 + w, z, c);
    mark(m, x0, x1, y1 - w, y1, z, c);
    mark(m, x0, x0 + w, y0 + w, y1 - w, z, c);
    mark(m, x1 - w, x1, y0 + w, y1 - w, z, c);
}

// A solid whose side outline is given in (x, z) and which runs from y0 to y1:
// ramps, wedges and steps seen from the side.
inline void prismXZ(Mesh& m, const std::vector<Vec2>& outlineXZ, float y0, float y1, Vec3 c) {
    Mesh p = extrude(outlineXZ, y1 - y0);
    rotate(p, {1, 0, 0}, 1.5707963f);  // outline y becomes z; depth lies along y
    append(m, translate(p, 0, (y0 + y1) / 2, 0), c);
}

// A solid whose end outline is given in (y, z) and which runs from x0 to x1:
// gutters, chamfers and kerbs seen end on.
inline void prismYZ(Mesh& m, const std::vector<Vec2>& outlineYZ, float x0, float x1, Vec3 c) {
    Mesh p = extrude(outlineYZ, x1 - x0);
    rotate(p, {1, 0, 0}, 1.5707963f);
    rotate(p, {0, 0, 1}, 1.5707963f);  // outline x becomes y; depth lies along x
    append(m, translate(p, (x0 + x1) / 2, 0, 0), c);
}

// A ramp rising along x from height z0 at x0 to z1 at x1, on a base at zBase.
inline void ramp(Mesh& m, float x0, float x1, float y0, float y1, float z0, float z1, float zBase,
                 Vec3 c) {
    prismXZ(m, {{x0, zBase}, {x1, zBase}, {x1, z1}, {x0, z0}}, y0, y1, c);
}

// An upright round column from z0 to z1.
inline void column(Mesh& m, float x, float y, float z0, float z1, float r, int sides, Vec3 c) {
    Mesh p = cylinder(r, z1 - z0, sides);
    append(m, translate(p, x, y, (z0 + z1) / 2), c);
}

// A straight beam between two points.
inline void strut(Mesh& m, Vec3 a, Vec3 b, float side, Vec3 c) {
    append(m, beam(a, b, side, side), c);
}

// A basket open at both ends, faces toward its axis so that what drops in is
// held: radius rTop at zTop narrowing to rBottom at zBottom, around (x, y).
inline void basket(Mesh& m, float x, float y, float zBottom, float rBottom, float zTop, float rTop,
                   int sides, Vec3 c) {
    const float TWO_PI = 6.2831853f;
    for (int i = 0; i < sides; i++) {
        float a0 = TWO_PI * i / sides, a1 = TWO_PI * (i + 1) / sides;
        Vec3 b0 = {x + rBottom * cosf(a0), y + rBottom * sinf(a0), zBottom};
        Vec3 b1 = {x + rBottom * cosf(a1), y + rBottom * sinf(a1), zBottom};
        Vec3 t0 = {x + rTop * cosf(a0), y + rTop * sinf(a0), zTop};
        Vec3 t1 = {x + rTop * cosf(a1), y + rTop * sinf(a1), zTop};
        // Counter-clockwise seen from the axis.
        m.tris.push_back({{b0, t1, b1}, c});
        m.tris.push_back({{b0, t0, t1}, c});
    }
}

// A ring of short struts (a hoop or a rim) at height z.
inline void hoop(Mesh& m, float x, float y, float z, float r, float side, int sides, Vec3 c) {
    const float TWO_PI = 6.2831853f;
    for (int i = 0; i < sides; i++) {
        float a0 = TWO_PI * i / sides, a1 = TWO_PI * (i + 1) / sides;
        strut(m, {x + r * cosf(a0), y + r * sinf(a0), z}, {x + r * cosf(a1), y + r * sinf(a1), z},
              side, c);
    }
}

// A square socket: four low walls around a hole of the given inner size.
inline void socket(Mesh& m, float x, float y, float inner, float wall, float z0, float z1, Vec3 c) {
    float h = inner / 2, o = h + wall;
    slab(m, x - o, x + o, y - o, y - h, z0, z1, c);
    slab(m, x - o, x + o, y + h, y + o, z0, z1, c);
    slab(m, x - o, x - h, y - h, y + h, z0, z1, c);
    slab(m, x + h, x + o, y - h, y + h, z0, z1, c);
}

// The wall round the map: four slabs outside the rectangle, from the foot
// up, so that what is drawn is what the terrain collides.
inline void edgeWall(Mesh& m, const EdgeWall& e, Vec3 c) {
    const float T = EDGE_WALL_THICK;
    slab(m, e.west - T, e.west, e.south - T, e.north + T, e.foot, e.top, c);
    slab(m, e.east, e.east + T, e.south - T, e.north + T, e.foot, e.top, c);
    slab(m, e.west, e.east, e.south - T, e.south, e.foot, e.top, c);
    slab(m, e.west, e.east, e.north, e.north + T, e.foot, e.top, c);
}

// A box laid along its own axes: length along up, width along along,
// thickness along their cross product, about centre (a sloping plate).
inline void orientedBox(Mesh& m, const float centre[3], const float up3[3], const float along3[3],
                        float length, float width, float thickness, Vec3 c) {
    const Vec3 up = {up3[0], up3[1], up3[2]}, along = {along3[0], along3[1], along3[2]};
    const Vec3 normal = {up.y * along.z - up.z * along.y, up.z * along.x - up.x * along.z,
                         up.x * along.y - up.y * along.x};
    Mesh b = box(length, width, thickness);
    for (Tri& t : b.tris)
        for (Vec3& v : t.p)
            v = {centre[0] + v.x * up.x + v.y * along.x + v.z * normal.x,
                 centre[1] + v.x * up.y + v.y * along.y + v.z * normal.y,
                 centre[2] + v.x * up.z + v.y * along.z + v.z * normal.z};
    append(m, b, c);
}

}  // namespace kit
