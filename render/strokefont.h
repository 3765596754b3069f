// The built-in stroke font: 48 glyphs for the codes '0' (48) to '_' (95),
// each a list of line segments on a grid from -2 to 2 (x right, y up).
// Other codes have no glyph. Shared by the text screen and the tools that
// letter images at build time, so it carries no GL.
#pragma once

enum {
    STROKEFONT_FIRST = 48,    // '0'
    STROKEFONT_GLYPHS = 48,   // '0' .. '_'
    STROKEFONT_POINTS = 354,  // two points per segment, degenerate ones included
};

struct StrokePoint {
    signed char x, y;
};

// All glyphs' points in code order; glyph g owns points start[g] .. start[g + 1] - 1.
extern const StrokePoint strokefont_points[STROKEFONT_POINTS];
extern const short strokefont_start[STROKEFONT_GLYPHS + 1];

// Points of the glyph for character code c (pairs form segments); sets *count
// to the number of points. Returns null with *count 0 when c has no glyph.
const StrokePoint* strokefont_glyph(int c, int* count);
