#include "tools/meshgen/mesh.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

const float PI = 3.14159265358979f;
const Vec3 FRESH_GREY = {0.6f, 0.6f, 0.6f};

Vec3 add(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 sub(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 mul(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
double dot(Vec3 a, Vec3 b) { return (double)a.x * b.x + (double)a.y * b.y + (double)a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Vec3 normalised(Vec3 a) {
    double len = std::sqrt(dot(a, a));
    return len > 0 ? mul(a, (float)(1.0 / len)) : Vec3{0, 0, 0};
}

void pushTri(Mesh& m, Vec3 a, Vec3 b, Vec3 c) { m.tris.push_back({{a, b, c}, FRESH_GREY}); }
void pushQuad(Mesh& m, Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
    pushTri(m, a, b, c);
    pushTri(m, a, c, d);
}

// One face of a box-like part: centre c, half-extents u and v with u x v outward.
void faceQuad(Mesh& m, Vec3 c, Vec3 u, Vec3 v) {
    pushQuad(m, sub(sub(c, u), v), sub(add(c, u), v), add(add(c, u), v), add(sub(c, u), v));
}

// A solid of revolution about z from a bottom-to-top profile of (radius, z).
// Zero radii close the solid in a point; otherwise caps close it if asked.
Mesh lathe(const std::vector<Vec2>& profile, int sides, bool caps) {
    Mesh m;
    std::vector<Vec3> ring(sides), next(sides);
    auto ringAt = [&](const Vec2& p, std::vector<Vec3>& out) {
        for (int i = 0; i < sides; i++) {
            float a = 2 * PI * i / sides;
            out[i] = {p.x * std::cos(a), p.x * std::sin(a), p.y};
        }
    };
    ringAt(profile[0], ring);
    for (size_t k = 1; k < profile.size(); k++) {
        ringAt(profile[k], next);
        for (int i = 0; i < sides; i++) {
            int j = (i + 1) % sides;
            if (profile[k - 1].x == 0)
                pushTri(m, ring[i], next[j], next[i]);
            else if (profile[k].x == 0)
                pushTri(m, ring[i], ring[j], next[i]);
            else
                pushQuad(m, ring[i], ring[j], next[j], next[i]);
        }
        ring.swap(next);
    }
    if (caps && profile.front().x > 0) {
        ringAt(profile.front(), ring);
        for (int i = 1; i + 1 < sides; i++) pushTri(m, ring[0], ring[i + 1], ring[i]);
    }
    if (caps && profile.back().x > 0) {
        ringAt(profile.back(), ring);
        for (int i = 1; i + 1 < sides; i++) pushTri(m, ring[0], ring[i], ring[i + 1]);
    }
    return m;
}

double signedArea(const std::vector<Vec2>& poly) {
    double a = 0;
    for (size_t i = 0; i < poly.size(); i++) {
        const Vec2& p = poly[i];
        const Vec2& q = poly[(i + 1) % poly.size()];
        a += (double)p.x * q.y - (double)q.x * p.y;
    }
    return a * 0.5;
}

double cross2(Vec2 o, Vec2 a, Vec2 b) {
    return (double)(a.x - o.x) * (b.y - o.y) - (double)(a.y - o.y) * (b.x - o.x);
}

bool insideTriangle(Vec2 p, Vec2 a, Vec2 b, Vec2 c) {
    return cross2(a, b, p) >= 0 && cross2(b, c, p) >= 0 && cross2(c, a, p) >= 0;
}

// Ear clipping of a counter-clockwise simple polygon; index triples out.
std::vector<int> triangulate(const std::vector<Vec2>& poly) {
    std::vector<int> left(poly.size()), out;
    for (size_t i = 0; i < poly.size(); i++) left[i] = (int)i;
    int guard = 0;
    while (left.size() > 3 && guard++ < 10000) {
        bool clipped = false;
        int n = (int)left.size();
        for (int i = 0; i < n && !clipped; i++) {
            int a = left[(i + n - 1) % n], b = left[i], c = left[(i + 1) % n];
            if (cross2(poly[a], poly[b], poly[c]) <= 0) continue;  // reflex or flat
            bool empty = true;
            for (int k : left) {
                if (k == a || k == b || k == c) continue;
                if (insideTriangle(poly[k], poly[a], poly[b], poly[c])) empty = false;
            }
            if (!empty) continue;
            out.insert(out.end(), {a, b, c});
            left.erase(left.begin() + i);
            clipped = true;
        }
        if (!clipped) break;  // not simple: give up on the rest
    }
    if (left.size() == 3) out.insert(out.end(), {left[0], left[1], left[2]});
    return out;
}

// Maps every point to the first earlier point within the tolerance.
struct Welder {
    float tol;
    std::map<std::tuple<long, long, long>, std::vector<int>> cells;
    std::vector<Vec3> points;

    long cellOf(float v) const { return (long)std::floor(v / tol); }
    int id(Vec3 p) {
        long cx = cellOf(p.x), cy = cellOf(p.y), cz = cellOf(p.z);
        for (long dx = -1; dx <= 1; dx++)
            for (long dy = -1; dy <= 1; dy++)
                for (long dz = -1; dz <= 1; dz++) {
                    auto it = cells.find(std::make_tuple(cx + dx, cy + dy, cz + dz));
                    if (it == cells.end()) continue;
                    for (int k : it->second) {
                        Vec3 d = sub(points[k], p);
                        if (dot(d, d) <= (double)tol * tol) return k;
                    }
                }
        points.push_back(p);
        cells[std::make_tuple(cx, cy, cz)].push_back((int)points.size() - 1);
        return (int)points.size() - 1;
    }
};

bool sameColour(Vec3 a, Vec3 b) {
    return std::fabs(a.x - b.x) < 1e-3f && std::fabs(a.y - b.y) < 1e-3f &&
           std::fabs(a.z - b.z) < 1e-3f;
}

// Does the edge shared by these faces show as an outline?
bool isOutline(const std::vector<int>& faces, const std::vector<Vec3>& normals, const Mesh& m,
               const EdgeOptions& o) {
    if (faces.size() == 1) return o.boundaries;
    double limit = std::cos(o.featureAngle * PI / 180.0);
    for (size_t i = 0; i < faces.size(); i++)
        for (size_t j = i + 1; j < faces.size(); j++) {
            if (dot(normals[faces[i]], normals[faces[j]]) < limit) return true;
            if (o.colourBoundaries && !sameColour(m.tris[faces[i]].colour, m.tris[faces[j]].colour))
                return true;
        }
    return false;
}

}  // namespace

Vec3 rgb(float r, float g, float b) { return {r, g, b}; }

Vec3 shade(Vec3 c, float f) {
    return {std::min(1.0f, c.x * f), std::min(1.0f, c.y * f), std::min(1.0f, c.z * f)};
}

Mesh box(float sx, float sy, float sz) {
    Mesh m;
    const Vec3 axes[3] = {{sx / 2, 0, 0}, {0, sy / 2, 0}, {0, 0, sz / 2}};
    // For each face: its centre axis and two tangents whose cross product points out.
    const int faces[6][3] = {{0, 1, 2}, {1, 2, 0}, {2, 0, 1}};
    for (int f = 0; f < 3; f++) {
        Vec3 n = axes[faces[f][0]], u = axes[faces[f][1]], v = axes[faces[f][2]];
        for (int side = 0; side < 2; side++) {
            Vec3 c = side ? mul(n, -1) : n;
            faceQuad(m, c, side ? v : u, side ? u : v);
        }
    }
    return m;
}

Mesh cylinder(float radius, float length, int sides, bool caps) {
    return lathe({{radius, -length / 2}, {radius, length / 2}}, sides, caps);
}

Mesh cone(float radiusBottom, float radiusTop, float length, int sides, bool caps) {
    return lathe({{radiusBottom, -length / 2}, {radiusTop, length / 2}}, sides, caps);
}

Mesh sphere(float radius, int rings, int segments) {
    std::vector<Vec2> profile;
    for (int k = 0; k <= rings; k++) {
        float lat = -PI / 2 + PI * k / rings;
        float r = (k == 0 || k == rings) ? 0.0f : radius * std::cos(lat);
        profile.push_back({r, radius * std::sin(lat)});
    }
    return lathe(profile, segments, false);
}

Mesh capsule(float radius, float length, int sides, int rings) {
    int half = std::max(1, rings / 2);
    std::vector<Vec2> profile;
    for (int k = 0; k <= half; k++) {  // lower cap up to the equator
        float lat = -PI / 2 + (PI / 2) * k / half;
        profile.push_back(
            {k == 0 ? 0.0f : radius * std::cos(lat), radius * std::sin(lat) - length / 2});
    }
    for (int k = 0; k <= half; k++) {  // upper cap from the equator
        float lat = (PI / 2) * k / half;
        profile.push_back(
            {k == half ? 0.0f : radius * std::cos(lat), radius * std::sin(lat) + length / 2});
    }
    return lathe(profile, sides, false);
}

Mesh extrude(const std::vector<Vec2>& outline, float depth) {
    Mesh m;
    std::vector<Vec2> poly = outline;
    if (signedArea(poly) < 0) std::reverse(poly.begin(), poly.end());
    float h = depth / 2;
    std::vector<int> idx = triangulate(poly);
    for (size_t i = 0; i + 2 < idx.size(); i += 3) {
        Vec2 a = poly[idx[i]], b = poly[idx[i + 1]], c = poly[idx[i + 2]];
        pushTri(m, {a.x, a.y, h}, {b.x, b.y, h}, {c.x, c.y, h});
        pushTri(m, {a.x, a.y, -h}, {c.x, c.y, -h}, {b.x, b.y, -h});
    }
    for (size_t i = 0; i < poly.size(); i++) {
        Vec2 p = poly[i], q = poly[(i + 1) % poly.size()];
        pushQuad(m, {p.x, p.y, -h}, {q.x, q.y, -h}, {q.x, q.y, h}, {p.x, p.y, h});
    }
    return m;
}

Mesh wedge(float sx, float sy, float sz) {
    Mesh m = extrude({{-sx / 2, -sz / 2}, {sx / 2, -sz / 2}, {sx / 2, sz / 2}}, sy);
    return rotate(m, {1, 0, 0}, PI / 2);  // outline x,y -> x,z; depth along y
}

Mesh heightfield(int nx, int ny, float cell, float x0, float y0,
                 const std::function<float(float, float)>& height) {
    Mesh m;
    for (int i = 0; i < nx; i++) {
        for (int j = 0; j < ny; j++) {
            float xa = i * cell + x0, ya = j * cell + y0, xb = xa + cell, yb = ya + cell;
            Vec3 p00 = {xa, ya, height(xa, ya)}, p10 = {xb, ya, height(xb, ya)};
            Vec3 p01 = {xa, yb, height(xa, yb)}, p11 = {xb, yb, height(xb, yb)};
            pushTri(m, p00, p10, p11);
            pushTri(m, p00, p11, p01);
        }
    }
    return m;
}

Mesh beam(Vec3 a, Vec3 b, float side, float depth, bool squareEnds) {
    Vec3 d = sub(b, a);
    float len = (float)std::sqrt(dot(d, d));
    Vec3 x = normalised(d);
    Vec3 w = normalised(cross({0, 0, 1}, x));
    if (dot(w, w) == 0) w = {1, 0, 0};  // vertical beam
    Vec3 n = cross(x, w);
    Mesh m = box(squareEnds ? len + side : len, side, depth);
    for (Tri& t : m.tris)
        for (Vec3& p : t.p)
            p = add(mul(add(a, b), 0.5f), add(add(mul(x, p.x), mul(w, p.y)), mul(n, p.z)));
    return m;
}

Mesh panel(float w, float h, float depth, const std::vector<Opening>& openings) {
    // Cut the panel into a grid at every border of an opening; the cells that
    // are not inside an opening are solid, and faces go where solid meets air.
    std::vector<float> xs = {-w / 2, w / 2}, zs = {-h / 2, h / 2};
    for (const Opening& o : openings) {
        xs.insert(xs.end(), {std::max(-w / 2, o.x0), std::min(w / 2, o.x1)});
        zs.insert(zs.end(), {std::max(-h / 2, o.z0), std::min(h / 2, o.z1)});
    }
    for (std::vector<float>* v : {&xs, &zs}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    int nx = (int)xs.size() - 1, nz = (int)zs.size() - 1;
    auto solid = [&](int i, int j) {
        if (i < 0 || j < 0 || i >= nx || j >= nz) return false;
        float cx = (xs[i] + xs[i + 1]) / 2, cz = (zs[j] + zs[j + 1]) / 2;
        for (const Opening& o : openings)
            if (cx > o.x0 && cx < o.x1 && cz > o.z0 && cz < o.z1) return false;
        return true;
    };
    Mesh m;
    const float d = depth / 2;
    for (int i = 0; i < nx; i++)
        for (int j = 0; j < nz; j++) {
            if (!solid(i, j)) continue;
            float cx = (xs[i] + xs[i + 1]) / 2, cz = (zs[j] + zs[j + 1]) / 2;
            Vec3 hx = {(xs[i + 1] - xs[i]) / 2, 0, 0}, hz = {0, 0, (zs[j + 1] - zs[j]) / 2};
            Vec3 hy = {0, d, 0};
            faceQuad(m, {cx, d, cz}, hz, hx);
            faceQuad(m, {cx, -d, cz}, hx, hz);
            if (!solid(i + 1, j)) faceQuad(m, add({cx, 0, cz}, hx), hy, hz);
            if (!solid(i - 1, j)) faceQuad(m, sub({cx, 0, cz}, hx), hz, hy);
            if (!solid(i, j + 1)) faceQuad(m, add({cx, 0, cz}, hz), hx, hy);
            if (!solid(i, j - 1)) faceQuad(m, sub({cx, 0, cz}, hz), hy, hx);
        }
    return m;
}

Mesh placed(Mesh part, Vec3 at, Vec3 axis, float angle) {
    if (angle != 0) rotate(part, axis, angle);
    return translate(part, at.x, at.y, at.z);
}

Mesh& translate(Mesh& m, float x, float y, float z) {
    for (Tri& t : m.tris)
        for (Vec3& p : t.p) p = add(p, {x, y, z});
    return m;
}

Mesh& rotate(Mesh& m, Vec3 axis, float angle) {
    Vec3 k = normalised(axis);
    float c = std::cos(angle), s = std::sin(angle);
    for (Tri& t : m.tris)
        for (Vec3& p : t.p) {
            // Rodrigues: p c + (k x p) s + k (k.p)(1 - c)
            p = add(add(mul(p, c), mul(cross(k, p), s)), mul(k, (float)dot(k, p) * (1 - c)));
        }
    return m;
}

Mesh& scale(Mesh& m, float sx, float sy, float sz) {
    bool mirrored = sx * sy * sz < 0;
    for (Tri& t : m.tris) {
        for (Vec3& p : t.p) p = {p.x * sx, p.y * sy, p.z * sz};
        if (mirrored) std::swap(t.p[1], t.p[2]);
    }
    return m;
}

Mesh& paint(Mesh& m, Vec3 colour) {
    for (Tri& t : m.tris) t.colour = colour;
    return m;
}

Mesh& paintBy(Mesh& m, const std::function<Vec3(Vec3, Vec3)>& colourAt) {
    for (Tri& t : m.tris) {
        Vec3 c = mul(add(add(t.p[0], t.p[1]), t.p[2]), 1.0f / 3);
        t.colour = colourAt(c, t.colour);
    }
    return m;
}

void append(Mesh& dst, const Mesh& part, Vec3 colour) {
    for (Tri t : part.tris) {
        t.colour = colour;
        dst.tris.push_back(t);
    }
}

void append(Mesh& dst, const Mesh& part) {
    dst.tris.insert(dst.tris.end(), part.tris.begin(), part.tris.end());
}

Vec3 faceNormal(const Tri& t) {
    Vec3 n = cross(sub(t.p[1], t.p[0]), sub(t.p[2], t.p[0]));
    double len = std::sqrt(dot(n, n));
    // Slivers whose normal is mostly rounding noise count as degenerate.
    double scaleLen = std::sqrt(dot(sub(t.p[1], t.p[0]), sub(t.p[1], t.p[0]))) *
                      std::sqrt(dot(sub(t.p[2], t.p[0]), sub(t.p[2], t.p[0])));
    if (len <= 1e-7 * scaleLen || len == 0) return {0, 0, 0};
    return mul(n, (float)(1.0 / len));
}

std::vector<float> outlineEdges(const Mesh& m, const EdgeOptions& o) {
    Welder welder{o.weldTolerance, {}, {}};
    std::vector<Vec3> normals(m.tris.size());
    std::map<std::pair<int, int>, std::vector<int>> shared;
    for (size_t f = 0; f < m.tris.size(); f++) {
        normals[f] = faceNormal(m.tris[f]);
        if (dot(normals[f], normals[f]) == 0) continue;  // degenerate: no edges of its own
        int id[3];
        for (int k = 0; k < 3; k++) id[k] = welder.id(m.tris[f].p[k]);
        for (int k = 0; k < 3; k++) {
            int a = id[k], b = id[(k + 1) % 3];
            if (a == b) continue;
            shared[std::make_pair(std::min(a, b), std::max(a, b))].push_back((int)f);
        }
    }
    std::vector<float> out;
    for (const auto& e : shared) {
        if (!isOutline(e.second, normals, m, o)) continue;
        Vec3 a = welder.points[e.first.first], b = welder.points[e.first.second];
        out.insert(out.end(), {a.x, a.y, a.z, b.x, b.y, b.z});
    }
    return out;
}

RecordData makeRecord(const Mesh& m, const EdgeOptions& o) {
    RecordData r;
    r.tri.reserve(m.tris.size() * 27);
    for (const Tri& t : m.tris) {
        Vec3 n = faceNormal(t);
        for (const Vec3& p : t.p)
            r.tri.insert(r.tri.end(),
                         {p.x, p.y, p.z, n.x, n.y, n.z, t.colour.x, t.colour.y, t.colour.z});
    }
    r.edge = outlineEdges(m, o);
    return r;
}

void bounds(const Mesh& m, Vec3* lo, Vec3* hi) {
    *lo = {1e30f, 1e30f, 1e30f};
    *hi = {-1e30f, -1e30f, -1e30f};
    for (const Tri& t : m.tris)
        for (const Vec3& p : t.p) {
            *lo = {std::min(lo->x, p.x), std::min(lo->y, p.y), std::min(lo->z, p.z)};
            *hi = {std::max(hi->x, p.x), std::max(hi->y, p.y), std::max(hi->z, p.z)};
        }
}
