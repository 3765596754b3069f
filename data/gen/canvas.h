// A small anti-aliased painter for the generated images: shapes are signed
// distance functions in pixel coordinates (x right, y down, negative inside),
// painted over a premultiplied RGBA float canvas with a colour function.
#pragma once

#include <functional>
#include <string>
#include <vector>

struct RGBA {
    float r, g, b, a;  // straight (not premultiplied), 0..1
};
RGBA hex(unsigned rgb, float alpha = 1.0f);
RGBA mix(RGBA a, RGBA b, float t);
RGBA shade(RGBA c, float factor);  // scales the colour, keeps alpha

typedef std::function<float(float x, float y)> Sdf;
typedef std::function<RGBA(float x, float y)> Paint;

struct Canvas {
    int w, h;
    std::vector<float> px;  // premultiplied r, g, b, a; row 0 at the top
    Canvas(int width, int height);
};

// Shapes.
Sdf roundRect(float cx, float cy, float hw, float hh, float radius);
Sdf circle(float cx, float cy, float r);
Sdf ring(float cx, float cy, float r, float halfThickness);
Sdf segment(float ax, float ay, float bx, float by, float halfWidth);
Sdf polygon(const std::vector<float>& xy);  // x0, y0, x1, y1, ...
Sdf unite(Sdf a, Sdf b);
Sdf subtract(Sdf a, Sdf b);
Sdf intersect(Sdf a, Sdf b);
Sdf offset(Sdf a, float dx, float dy);
Sdf grow(Sdf a, float by);  // positive grows the shape outwards

enum Align { ALIGN_LEFT, ALIGN_CENTER, ALIGN_RIGHT };
// Capital text in the game's stroke font; the character cell is cellW x cellH
// (the glyph fills its middle two thirds), y is the middle of the line.
Sdf text(const std::string& s, float x, float y, float cellW, float cellH, float halfWidth,
         Align align);
float textWidth(const std::string& s, float cellW);

// Paints.
Paint solid(RGBA c);
Paint vgrad(float y0, RGBA c0, float y1, RGBA c1);
Paint hgrad(float x0, RGBA c0, float x1, RGBA c1);
Paint radial(float cx, float cy, float r, RGBA inner, RGBA outer);

void fill(Canvas& c, const Sdf& shape, const Paint& paint);
void fill(Canvas& c, const Sdf& shape, RGBA colour);
// A blurred fill (drop shadows, glows): coverage fades over 'soft' pixels.
void fillSoft(Canvas& c, const Sdf& shape, RGBA colour, float soft);
// Shape filled with 'inside' and outlined 'width' wide with 'edge'.
void fillOutlined(Canvas& c, const Sdf& shape, const Paint& inside, RGBA edge, float width);

// RGBA8, premultiplied, bottom row first.
std::vector<unsigned char> exportPixels(const Canvas& c);
