#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "render/strokefont.h"

RGBA hex(unsigned rgb, float alpha) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, alpha};
}

RGBA mix(RGBA a, RGBA b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

RGBA shade(RGBA c, float f) {
    return {std::min(1.0f, c.r * f), std::min(1.0f, c.g * f), std::min(1.0f, c.b * f), c.a};
}

Canvas::Canvas(int width, int height) : w(width), h(height), px(size_t(width) * height * 4, 0.0f) {}

Sdf roundRect(float cx, float cy, float hw, float hh, float radius) {
    return [=](float x, float y) {
        float qx = std::fabs(x - cx) - hw + radius, qy = std::fabs(y - cy) - hh + radius;
        float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
        return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Sdf circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

Sdf ring(float cx, float cy, float r, float halfThickness) {
    return
        [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - halfThickness; };
}

namespace {
float segmentDistance(float x, float y, float ax, float ay, float bx, float by) {
    float dx = bx - ax, dy = by - ay, px = x - ax, py = y - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0.0f ? std::clamp((px * dx + py * dy) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(px - t * dx, py - t * dy);
}
}  // namespace

Sdf segment(float ax, float ay, float bx, float by, float halfWidth) {
    return [=](float x, float y) { return segmentDistance(x, y, ax, ay, bx, by) - halfWidth; };
}

Sdf polygon(const std::vector<float>& xy) {
    return [xy](float x, float y) {
        size_t n = xy.size() / 2;
        float d = 1e9f;
        bool inside = false;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            float xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            d = std::min(d, segmentDistance(x, y, xi, yi, xj, yj));
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside ? -d : d;
    };
}

Sdf unite(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf subtract(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf intersect(Sdf a, Sdf b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Sdf offset(Sdf a, float dx, float dy) {
    return [=](float x, float y) { return a(x - dx, y - dy); };
}
Sdf grow(Sdf a, float by) {
    return [=](float x, float y) { return a(x, y) - by; };
}

float textWidth(const std::string& s, float cellW) { return cellW * s.size(); }

Sdf text(const std::string& s, float x, float y, float cellW, float cellH, float halfWidth,
         Align align) {
    float left = x;
    if (align == ALIGN_CENTER) left = x - textWidth(s, cellW) / 2;
    if (align == ALIGN_RIGHT) left = x - textWidth(s, cellW);
    std::vector<float> segs;  // ax, ay, bx, by
    for (size_t i = 0; i < s.size(); i++) {
        int count = 0;
        const StrokePoint* p = strokefont_glyph(static_cast<unsigned char>(s[i]), &count);
        float cx = left + cellW * (i + 0.5f);
        for (int k = 0; k + 1 < count; k += 2) {
            segs.push_back(cx + cellW * p[k].x / 6.0f);
            segs.push_back(y - cellH * p[k].y / 6.0f);
            segs.push_back(cx + cellW * p[k + 1].x / 6.0f);
            segs.push_back(y - cellH * p[k + 1].y / 6.0f);
        }
    }
    float x0 = left - halfWidth - 1, x1 = left + textWidth(s, cellW) + halfWidth + 1;
    float y0 = y - cellH / 2 - halfWidth - 1, y1 = y + cellH / 2 + halfWidth + 1;
    return [=](float px, float py) {
        if (px < x0 || px > x1 || py < y0 || py > y1 || segs.empty()) return 1e6f;
        float d = 1e9f;
        for (size_t k = 0; k < segs.size(); k += 4)
            d = std::min(d,
                         segmentDistance(px, py, segs[k], segs[k + 1], segs[k + 2], segs[k + 3]));
        return d - halfWidth;
    };
}

Paint solid(RGBA c) {
    return [=](float, float) { return c; };
}
Paint vgrad(float y0, RGBA c0, float y1, RGBA c1) {
    return [=](float, float y) { return mix(c0, c1, (y - y0) / (y1 - y0)); };
}
Paint hgrad(float x0, RGBA c0, float x1, RGBA c1) {
    return [=](float x, float) { return mix(c0, c1, (x - x0) / (x1 - x0)); };
}
Paint radial(float cx, float cy, float r, RGBA inner, RGBA outer) {
    return [=](float x, float y) { return mix(inner, outer, std::hypot(x - cx, y - cy) / r); };
}

namespace {
void paintWith(Canvas& c, const Sdf& shape, const Paint& paint, float soft) {
    for (int y = 0; y < c.h; y++) {
        for (int x = 0; x < c.w; x++) {
            float fx = x + 0.5f, fy = y + 0.5f;
            float d = shape(fx, fy);
            float cover = std::clamp(0.5f - d / (2.0f * soft), 0.0f, 1.0f);
            if (cover <= 0.0f) continue;
            RGBA col = paint(fx, fy);
            float a = std::clamp(col.a, 0.0f, 1.0f) * cover;
            float* p = &c.px[(size_t(y) * c.w + x) * 4];
            p[0] = col.r * a + p[0] * (1 - a);
            p[1] = col.g * a + p[1] * (1 - a);
            p[2] = col.b * a + p[2] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
    }
}
}  // namespace

void fill(Canvas& c, const Sdf& shape, const Paint& paint) { paintWith(c, shape, paint, 0.5f); }
void fill(Canvas& c, const Sdf& shape, RGBA colour) { paintWith(c, shape, solid(colour), 0.5f); }
void fillSoft(Canvas& c, const Sdf& shape, RGBA colour, float soft) {
    paintWith(c, shape, solid(colour), soft);
}
void fillOutlined(Canvas& c, const Sdf& shape, const Paint& inside, RGBA edge, float width) {
    fill(c, grow(shape, width), edge);
    fill(c, shape, inside);
}

std::vector<unsigned char> exportPixels(const Canvas& c) {
    std::vector<unsigned char> out(size_t(c.w) * c.h * 4);
    for (int y = 0; y < c.h; y++) {
        const float* src = &c.px[size_t(c.h - 1 - y) * c.w * 4];
        unsigned char* dst = &out[size_t(y) * c.w * 4];
        for (int x = 0; x < c.w * 4; x += 4) {
            int a = std::lround(std::clamp(src[x + 3], 0.0f, 1.0f) * 255.0f);
            for (int k = 0; k < 3; k++) {
                int v = std::lround(std::clamp(src[x + k], 0.0f, 1.0f) * 255.0f);
                dst[x + k] = static_cast<unsigned char>(std::min(v, a));
            }
            dst[x + 3] = static_cast<unsigned char>(a);
        }
    }
    return out;
}
