// The mesh toolkit the geometry generator builds every shape with: primitive
// parts (box, cylinder, sphere, capsule, prism, extruded outline, heightfield),
// transforms applied to a part, appending coloured parts, and turning a mesh
// into record arrays (flat normals, outline edges found from feature and
// boundary edges). Parts are centred on the origin unless said otherwise.
#pragma once

#include <functional>
#include <vector>

struct Vec3 {
    float x, y, z;
};

struct Vec2 {
    float x, y;
};

struct Tri {
    Vec3 p[3];  // counter-clockwise seen from the front
    Vec3 colour;
};

struct Mesh {
    std::vector<Tri> tris;
};

// Colours as 0..1 triples; grey is the colour a fresh part carries.
Vec3 rgb(float r, float g, float b);
Vec3 shade(Vec3 colour, float factor);

// Primitives. Sizes are full edge lengths; round parts have their axis on z.
Mesh box(float sx, float sy, float sz);
Mesh cylinder(float radius, float length, int sides, bool caps = true);
Mesh cone(float radiusBottom, float radiusTop, float length, int sides, bool caps = true);
Mesh sphere(float radius, int rings, int segments);
// Radius and the length of the straight part, as the physics capsule takes them.
Mesh capsule(float radius, float length, int sides, int rings);
// A 2D outline (any simple polygon, either winding) in x-y, extruded along z
// over depth, centred on z = 0. A triangle outline gives a wedge or prism.
Mesh extrude(const std::vector<Vec2>& outline, float depth);
// A ramp-shaped prism in its sx x sy x sz box: the slope rises toward +x,
// the tall end stands at +x, the triangle faces are at +-y.
Mesh wedge(float sx, float sy, float sz);
// A grid of nx by ny cells of cell size from (x0, y0), heights from the
// function; each cell is split along its (x0,y0)-(x1,y1) diagonal.
Mesh heightfield(int nx, int ny, float cell, float x0, float y0,
                 const std::function<float(float, float)>& height);
// A straight beam from a to b, side wide and depth deep; with square ends it
// overshoots each end by side/2 so that beams meeting at right angles close
// their corner (struts), otherwise it ends flush (strokes with round joints).
Mesh beam(Vec3 a, Vec3 b, float side, float depth, bool squareEnds = true);
// A flat panel w wide (x) and h high (z), depth thick (y), with rectangular
// openings (doors, windows) cut through it; openings may touch the border.
struct Opening {
    float x0, z0, x1, z1;
};
Mesh panel(float w, float h, float depth, const std::vector<Opening>& openings);

// Transforms change the part in place and return it for chaining.
Mesh& translate(Mesh& m, float x, float y, float z);
Mesh& rotate(Mesh& m, Vec3 axis, float angle);       // right-handed, radians
Mesh& scale(Mesh& m, float sx, float sy, float sz);  // keeps front faces outward
Mesh& paint(Mesh& m, Vec3 colour);
// A copy of part turned about axis by angle (about the origin), then moved to at:
// how a physics geom's offset position and rotation place it on its body.
Mesh placed(Mesh part, Vec3 at, Vec3 axis = {0, 0, 1}, float angle = 0);
// Colour per triangle from its centroid (patterns on eggs, stripes on beams).
Mesh& paintBy(Mesh& m, const std::function<Vec3(Vec3 centroid, Vec3 old)>& colourAt);

// Adds a copy of part (in the colour given, or its own) to dst.
void append(Mesh& dst, const Mesh& part, Vec3 colour);
void append(Mesh& dst, const Mesh& part);

struct EdgeOptions {
    float featureAngle = 35.0f;     // degrees between face normals that make an edge
    float weldTolerance = 1e-4f;    // points closer than this are one point
    bool colourBoundaries = false;  // also outline where coplanar colours change
    bool boundaries = true;         // open borders are edges
};

// Record arrays: 9 floats a vertex (position, normal, colour), 6 a segment.
struct RecordData {
    std::vector<float> tri;
    std::vector<float> edge;
    int numt() const { return (int)(tri.size() / 27); }
    int nume() const { return (int)(edge.size() / 6); }
};

Vec3 faceNormal(const Tri& t);  // unit, or zero for a degenerate triangle
std::vector<float> outlineEdges(const Mesh& m, const EdgeOptions& options);
RecordData makeRecord(const Mesh& m, const EdgeOptions& options);

// Axis-aligned bounds of every vertex.
void bounds(const Mesh& m, Vec3* lo, Vec3* hi);
