// Lettering: the formula labels on the canisters and the capitals on the
// sign boards, built from thin extruded strokes. The labels and letters are
// drawn by body-less objects sharing their prop's model matrix, so they are
// laid out in the prop's frame, on its faces.
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "tools/meshgen/model.h"
#include "tools/meshgen/palette.h"

namespace {

// Glyphs on a grid where capitals are 6 units high; a point with x < 0 lifts
// the pen. Lowercase letters have a 4-unit body; digits are set as subscripts.
struct Glyph {
    char c;
    float width;
    std::vector<Vec2> path;
};

const Vec2 UP = {-1, -1};

const std::vector<Glyph>& glyphs() {
    static const std::vector<Glyph> table = {
        {'H', 4, {{0, 0}, {0, 6}, UP, {4, 0}, {4, 6}, UP, {0, 3}, {4, 3}}},
        {'B',
         4,
         {{0, 0},
          {0, 6},
          {3, 6},
          {4, 5},
          {4, 4},
          {3, 3},
          {0, 3},
          UP,
          {3, 3},
          {4, 2},
          {4, 1},
          {3, 0},
          {0, 0}}},
        {'C', 4, {{4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}, {3, 0}, {4, 1}}},
        {'E', 4, {{4, 6}, {0, 6}, {0, 0}, {4, 0}, UP, {0, 3}, {3, 3}}},
        {'K', 4, {{0, 0}, {0, 6}, UP, {4, 6}, {0, 2}, UP, {1.4f, 3.4f}, {4, 0}}},
        {'L', 4, {{0, 6}, {0, 0}, {4, 0}}},
        {'N', 4, {{0, 0}, {0, 6}, {4, 0}, {4, 6}}},
        {'O', 4, {{1, 0}, {0, 1}, {0, 5}, {1, 6}, {3, 6}, {4, 5}, {4, 1}, {3, 0}, {1, 0}}},
        {'Q',
         4,
         {{1, 0},
          {0, 1},
          {0, 5},
          {1, 6},
          {3, 6},
          {4, 5},
          {4, 1},
          {3, 0},
          {1, 0},
          UP,
          {2.5f, 1.5f},
          {4.2f, -0.2f}}},
        {'R', 4, {{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}, UP, {2, 3}, {4, 0}}},
        {'U', 4, {{0, 6}, {0, 1}, {1, 0}, {3, 0}, {4, 1}, {4, 6}}},
        {'V', 4, {{0, 6}, {2, 0}, {4, 6}}},
        {'a',
         3,
         {{0.3f, 4},
          {2.3f, 4},
          {3, 3.3f},
          {3, 0},
          UP,
          {3, 2.2f},
          {0.8f, 2.2f},
          {0, 1.5f},
          {0, 0.7f},
          {0.7f, 0},
          {3, 0}}},
        {'i', 0.6f, {{0.3f, 0}, {0.3f, 4}, UP, {0.3f, 5.3f}, {0.3f, 5.7f}}},
        {'l', 0.6f, {{0.3f, 0}, {0.3f, 6}}},
        {'r', 2.6f, {{0, 0}, {0, 4}, UP, {0, 3}, {1, 4}, {2.6f, 4}}},
        {'3',
         4,
         {{0, 5},
          {1, 6},
          {3, 6},
          {4, 5},
          {4, 4},
          {3, 3},
          {1.5f, 3},
          UP,
          {3, 3},
          {4, 2},
          {4, 1},
          {3, 0},
          {1, 0},
          {0, 1}}},
    };
    return table;
}

const Glyph* glyphFor(char c) {
    for (const Glyph& g : glyphs())
        if (g.c == c) return &g;
    return nullptr;
}

const float STROKE = 0.8f;     // stroke width in grid units
const float GAP = 1.6f;        // between letters
const float SUBSCRIPT = 0.6f;  // digits' size, set below the baseline

// The text's strokes in the x-y plane (x along the line, y up, facing +z),
// baseline at y = 0, starting at x = 0; returns the width in grid units.
float setText(Mesh& out, const std::string& text, float depth) {
    float pen = 0;
    for (char c : text) {
        const Glyph* g = glyphFor(c);
        if (!g) continue;
        bool sub = std::isdigit((unsigned char)c);
        float k = sub ? SUBSCRIPT : 1.0f, drop = sub ? -1.5f : 0.0f;
        for (size_t i = 0; i < g->path.size(); i++) {
            Vec2 b = g->path[i];
            if (b.x < 0) continue;
            Vec3 at = {pen + b.x * k, drop + b.y * k, 0};
            // Round joints (and ends) so strokes meet cleanly at any angle.
            append(out, placed(cylinder(STROKE * k * 0.54f, depth, 8), at));
            Vec2 a = i ? g->path[i - 1] : UP;
            if (a.x < 0) continue;
            append(out, beam({pen + a.x * k, drop + a.y * k, 0}, at, STROKE * k, depth, false));
        }
        pen += g->width * k + GAP;
    }
    return pen - GAP;
}

// Text centred on the origin, fitted into width by height metres.
Mesh fittedText(const std::string& text, float width, float height, float depth, Vec3 colour) {
    Mesh strokes;
    float w = setText(strokes, text, 1.0f) + STROKE;
    float unit = std::min(width / w, height / (6.0f + STROKE));
    translate(strokes, -(w - STROKE) / 2, -3.0f, 0);
    scale(strokes, unit, unit, depth);
    return paint(strokes, colour);
}

// Lays a flat x-y piece onto a face whose outward normal is +x (text along
// +y, up +z) at distance d, and a mirrored copy onto the -x face.
void onBothXFaces(Mesh& out, const Mesh& flat, float d) {
    for (int side = 0; side < 2; side++) {
        Mesh piece = flat;
        rotate(piece, {1, 1, 1}, 2.0943951f);  // x,y,z -> y,z,x
        translate(piece, d, 0, 0);
        if (side) rotate(piece, {0, 0, 1}, 3.14159265f);
        append(out, piece);
    }
}

// Overlapping strokes would cross each other's outlines; lettering reads
// better without any.
void noOutlines(Model& model) {
    model.edges.featureAngle = 180;
    model.edges.boundaries = false;
}

// Canister label: a white plate with a coloured border and the formula.
void formulaLabel(Model& model, const std::string& formula, bool acid) {
    const float canisterHalf = 0.125f, plateW = 0.2f, plateH = 0.12f, t = 0.003f;
    Mesh flat;
    append(flat, placed(box(plateW, plateH, t), {0, 0, t / 2}), acid ? ACID_ORANGE : BASE_BLUE);
    append(flat, placed(box(plateW - 0.016f, plateH - 0.016f, t), {0, 0, t}), WHITE_PAINT);
    append(flat,
           placed(fittedText(formula, plateW - 0.04f, plateH - 0.04f, t, INK), {0, 0, 1.5f * t}));
    onBothXFaces(model.mesh, flat, canisterHalf);
    translate(model.mesh, 0, 0, -0.03f);  // centred on the can's body
    noOutlines(model);
}

// A capital on both faces of a sign board's 0.1-thick panel.
void boardLetter(Model& model, char letter) {
    Mesh flat = fittedText(std::string(1, letter), 0.36f, 0.5f, 0.006f, SIGNAL_RED);
    translate(flat, 0, 0, 0.003f);
    onBothXFaces(model.mesh, flat, 0.05f);
    noOutlines(model);
}

struct Formula {
    const char* text;
    bool acid;
};
const Formula FORMULAS[] = {{"HBr", true},  {"HCl", true},   {"HNO3", true},
                            {"KOH", false}, {"LiOH", false}, {"NaH", false}};
const char BOARD_LETTERS[] = "QUORVEL";

std::string lower(std::string s) {
    for (char& c : s) c = (char)std::tolower((unsigned char)c);
    return s;
}

const int labelsRegistered = [] {
    for (const Formula& f : FORMULAS)
        registerModel("label_" + lower(f.text), [f](Model& m) { formulaLabel(m, f.text, f.acid); });
    for (const char* c = BOARD_LETTERS; *c; c++) {
        char letter = *c;
        registerModel(std::string("letter_") + (char)std::tolower(letter),
                      [letter](Model& m) { boardLetter(m, letter); });
    }
    return 0;
}();

}  // namespace
