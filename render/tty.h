// The text screen: four rows of 37 columns that scroll like a terminal, drawn
// with the stroke font. Row 3 is the bottom row; a new line scrolls the
// others up and is revealed by ttyShow. This half is plain data and vertex
// building; tty_gl.h draws the vertices.
#pragma once

enum {
    TTY_ROWS = 4,
    TTY_COLUMNS = 37,
    TTY_SCREEN_VERTICES = 1536,
    TTY_NUMBER_VERTICES = 64,
    TTY_STRING_VERTICES = 511,
    TTY_FLOATS_PER_VERTEX = 4,  // x, y, 0, 1
};

struct vec2f {
    float x, y;
};

extern char ttyScreen[TTY_ROWS][TTY_COLUMNS];  // not zero-terminated
extern float ttyReveal;                        // share of the bottom row shown, 1 = all of it
extern float ttyAge;    // grows with every ttyShow; callers reset it to show text
extern bool ttyHidden;  // callers skip drawing the screen while set

// Blank screen, ttyAge 1000, hidden; listens for "TTY" (which does nothing).
void ttyInit();
void ttyClear();
// Rows move up one, the bottom row is blank and unrevealed.
void ttyScroll();
// Scrolls and writes the first 37 characters of line into the bottom row.
void ttyPrint(const char* line);
// After a block of lines: reveal the bottom row and age the text.
void ttyShow();

// Vertex builders (four floats a vertex, pairs form lines); each returns the
// vertex count and never writes beyond its buffer's capacity above.
int tty_buildScreen(float* out);
// Three digits with leading zeros across the viewport; 0 vertices when n >= 1000.
int tty_buildNumber(unsigned n, float* out);
// align "right" or "center" moves the start left; anything else is left-aligned.
int tty_buildString(const char* text, vec2f pos, vec2f cell, const char* align, float* out);
