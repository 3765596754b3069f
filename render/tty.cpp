#include "render/tty.h"

#include <cstring>

#include "bus/bus.h"
#include "bus/diag.h"
#include "render/strokefont.h"

char ttyScreen[TTY_ROWS][TTY_COLUMNS];
float ttyReveal = 0.0f;
float ttyAge = 1000.0f;
bool ttyHidden = true;

namespace {

const char* const SOURCE = "Base/C/tty";
const float GLYPH_SCALE = 1.0f / 6.0f;
const float HIDE_AGE = 7.0f;

void onTty(const char*) {}

// Appends the glyph of c, placed by x = gx * sx + ox, y = gy * sy + oy.
// Points past the capacity are dropped; returns the new count.
int appendGlyph(int c, float sx, float ox, float sy, float oy, float* out, int count,
                int capacity) {
    int n = 0;
    const StrokePoint* p = strokefont_glyph(c, &n);
    for (int i = 0; i < n && count < capacity; i++) {
        float* v = out + count * TTY_FLOATS_PER_VERTEX;
        v[0] = p[i].x * sx + ox;
        v[1] = p[i].y * sy + oy;
        v[2] = 0.0f;
        v[3] = 1.0f;
        count++;
    }
    return count;
}

}  // namespace

void ttyInit() {
    ttyClear();
    ttyAge = 1000.0f;
    ttyHidden = true;
    removeListener("TTY", onTty);
    addListener("TTY", onTty);
}

void ttyClear() { memset(ttyScreen, ' ', sizeof ttyScreen); }

void ttyScroll() {
    memmove(ttyScreen[0], ttyScreen[1], (TTY_ROWS - 1) * TTY_COLUMNS);
    memset(ttyScreen[TTY_ROWS - 1], ' ', TTY_COLUMNS);
    ttyReveal = 0.0f;
}

void ttyPrint(const char* line) {
    ttyScroll();
    size_t n = strnlen(line, TTY_COLUMNS);
    memcpy(ttyScreen[TTY_ROWS - 1], line, n);
}

void ttyShow() {
    ttyReveal += 1.0f;
    ttyAge += 2.0f;
    ttyHidden = ttyAge > HIDE_AGE;
}

int tty_buildScreen(float* out) {
    const float colWidth = 2.0f / TTY_COLUMNS;
    int count = 0;
    for (int r = 0; r < TTY_ROWS; r++) {
        int columns = TTY_COLUMNS;
        if (r == TTY_ROWS - 1) columns = (int)(ttyReveal * TTY_COLUMNS + 0.5f);
        if (columns > TTY_COLUMNS) columns = TTY_COLUMNS;
        float oy = (TTY_ROWS - 1 - r) * 0.5f - 0.75f;
        for (int c = 0; c < columns; c++) {
            float ox = c * colWidth - 36.0f / 37.0f;
            count = appendGlyph((unsigned char)ttyScreen[r][c], GLYPH_SCALE * colWidth, ox,
                                GLYPH_SCALE * 0.5f, oy, out, count, TTY_SCREEN_VERTICES);
        }
    }
    return count;
}

int tty_buildNumber(unsigned n, float* out) {
    if (n >= 1000) return 0;
    const char digits[3] = {(char)('0' + n / 100), (char)('0' + n / 10 % 10), (char)('0' + n % 10)};
    int count = 0;
    for (int i = 0; i < 3; i++) {
        count = appendGlyph(digits[i], GLYPH_SCALE * 0.666f, i * 0.666f - 0.666f,
                            GLYPH_SCALE * 2.0f, 0.0f, out, count, TTY_NUMBER_VERTICES);
    }
    if (count * TTY_FLOATS_PER_VERTEX > 256) {
        assertFailed(SOURCE, __LINE__, "writer < drawbuf + 256", false);
    }
    return count;
}

int tty_buildString(const char* text, vec2f pos, vec2f cell, const char* align, float* out) {
    size_t len = strlen(text);
    if (strcmp(align, "right") == 0) pos.x -= len * cell.x;
    if (strcmp(align, "center") == 0) pos.x -= len * 0.5f * cell.x;
    int count = 0;
    for (size_t i = 0; i < len && count < TTY_STRING_VERTICES; i++) {
        float ox = i * cell.x + pos.x + 0.5f * cell.x;
        count = appendGlyph((unsigned char)text[i], GLYPH_SCALE * cell.x, ox, GLYPH_SCALE * cell.y,
                            0.5f * cell.y + pos.y, out, count, TTY_STRING_VERTICES);
    }
    return count;
}
