// Ground for level terrains that wheels roll over without catching: a flat
// surface made of top faces only, tiled around rectangular holes (pits,
// slots, ditches), with vertical faces only where the ground really drops.
// Boxes laid side by side would leave upright faces along every seam, and
// the collider lets a wheel snag on those.
#pragma once

#include <algorithm>
#include <functional>
#include <vector>

#include "tools/meshgen/mesh.h"

struct GroundHole {
    float x0, x1, y0, y1;
    float floor;  // how deep the hole's walls reach
};

inline void groundQuad(Mesh& m, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 colour) {
    m.tris.push_back({{a, b, c}, colour});
    m.tris.push_back({{a, c, d}, colour});
}

// Top faces over [x0, x1] x [y0, y1] at height z, except inside the holes;
// walls down each hole's side and down the outer edge to outerFloor.
inline void flatGround(Mesh& m, float x0, float x1, float y0, float y1, float z,
                       const std::vector<GroundHole>& holes, float outerFloor,
                       const std::function<Vec3(float x, float y)>& colourAt) {
    std::vector<float> xs = {x0, x1}, ys = {y0, y1};
    for (const GroundHole& h : holes) {
        xs.push_back(std::min(std::max(h.x0, x0), x1));
        xs.push_back(std::min(std::max(h.x1, x0), x1));
        ys.push_back(std::min(std::max(h.y0, y0), y1));
        ys.push_back(std::min(std::max(h.y1, y0), y1));
    }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    int nx = (int)xs.size() - 1, ny = (int)ys.size() - 1;
    // The floor under each cell: z for ground, the hole's floor otherwise.
    auto floorAt = [&](int i, int j) -> float {
        if (i < 0 || j < 0 || i >= nx || j >= ny) return outerFloor;
        float cx = (xs[i] + xs[i + 1]) / 2, cy = (ys[j] + ys[j + 1]) / 2;
        float f = z;
        for (const GroundHole& h : holes)
            if (h.x0 < cx && cx < h.x1 && h.y0 < cy && cy < h.y1) f = std::min(f, h.floor);
        return f;
    };
    for (int i = 0; i < nx; i++) {
        for (int j = 0; j < ny; j++) {
            if (floorAt(i, j) < z) continue;
            float a = xs[i], b = xs[i + 1], c = ys[j], d = ys[j + 1];
            Vec3 col = colourAt((a + b) / 2, (c + d) / 2);
            groundQuad(m, {a, c, z}, {b, c, z}, {b, d, z}, {a, d, z}, col);
            Vec3 side = shade(col, 0.75f);
            float f;
            if ((f = floorAt(i - 1, j)) < z)
                groundQuad(m, {a, d, f}, {a, c, f}, {a, c, z}, {a, d, z}, side);
            if ((f = floorAt(i + 1, j)) < z)
                groundQuad(m, {b, c, f}, {b, d, f}, {b, d, z}, {b, c, z}, side);
            if ((f = floorAt(i, j - 1)) < z)
                groundQuad(m, {a, c, f}, {b, c, f}, {b, c, z}, {a, c, z}, side);
            if ((f = floorAt(i, j + 1)) < z)
                groundQuad(m, {b, d, f}, {a, d, f}, {a, d, z}, {b, d, z}, side);
        }
    }
}

// A flat floor (top face only) over a rectangle.
inline void flatFloor(Mesh& m, float x0, float x1, float y0, float y1, float z, Vec3 colour) {
    groundQuad(m, {x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}, colour);
}
