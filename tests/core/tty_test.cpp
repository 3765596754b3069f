#include "render/tty.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "bus/bus.h"
#include "render/strokefont.h"

TEST(StrokeFont, GlyphsCoverTheDigitsToUnderscoreOnTheSmallGrid) {
    int count = -1;
    EXPECT_EQ(strokefont_glyph(' ', &count), nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(strokefont_glyph('a', &count), nullptr);
    EXPECT_EQ(strokefont_glyph('/', &count), nullptr);
    EXPECT_EQ(strokefont_glyph('`', &count), nullptr);
    int total = 0;
    for (int c = '0'; c <= '_'; c++) {
        const StrokePoint* p = strokefont_glyph(c, &count);
        EXPECT_EQ(count % 2, 0) << "segments need two points: " << (char)c;
        for (int i = 0; i < count; i++) {
            EXPECT_GE(p[i].x, -2);
            EXPECT_LE(p[i].x, 2);
            EXPECT_GE(p[i].y, -2);
            EXPECT_LE(p[i].y, 2);
        }
        total += count;
    }
    EXPECT_EQ(total, STROKEFONT_POINTS);
}

TEST(StrokeFont, SomeGlyphsAreEmptyAndOthersHaveTheirShape) {
    int count = -1;
    for (char c : {';', '=', '@'}) {
        strokefont_glyph(c, &count);
        EXPECT_EQ(count, 0) << c;
    }
    const StrokePoint* one = strokefont_glyph('1', &count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(one[0].x, 0);
    EXPECT_EQ(one[0].y, 2);
    EXPECT_EQ(one[1].y, -2);
    const StrokePoint* under = strokefont_glyph('_', &count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(under[0].x, -2);
    EXPECT_EQ(under[1].x, 2);
    EXPECT_EQ(under[0].y, -2);
    strokefont_glyph('O', &count);
    EXPECT_EQ(count, 16);
    strokefont_glyph('X', &count);
    EXPECT_EQ(count, 12) << "degenerate segments are kept";
}

namespace {

class Tty : public ::testing::Test {
   protected:
    void SetUp() override {
        bus_reset();
        ttyInit();
        ttyReveal = 0.0f;
    }
    void TearDown() override { bus_reset(); }
    std::string row(int r) { return std::string(ttyScreen[r], TTY_COLUMNS); }
    float buffer[TTY_SCREEN_VERTICES * TTY_FLOATS_PER_VERTEX + 64];
};

float minX(const float* v, int count) {
    float m = 1e9f;
    for (int i = 0; i < count; i++) m = std::min(m, v[i * TTY_FLOATS_PER_VERTEX]);
    return m;
}
float maxX(const float* v, int count) {
    float m = -1e9f;
    for (int i = 0; i < count; i++) m = std::max(m, v[i * TTY_FLOATS_PER_VERTEX]);
    return m;
}

}  // namespace

TEST_F(Tty, PrintedLinesScrollUpAndLongOnesAreCut) {
    EXPECT_EQ(row(3), std::string(37, ' '));
    ttyPrint("FIRST");
    ttyPrint("0123456789012345678901234567890123456789");
    EXPECT_EQ(row(2).substr(0, 6), "FIRST ");
    EXPECT_EQ(row(3), "0123456789012345678901234567890123456");
    for (int i = 0; i < 4; i++) ttyPrint("X");
    EXPECT_EQ(row(0).substr(0, 2), "X ");
    ttyClear();
    for (int r = 0; r < TTY_ROWS; r++) EXPECT_EQ(row(r), std::string(37, ' '));
}

TEST_F(Tty, TextHidesWhenNotReprinted) {
    EXPECT_TRUE(ttyHidden);
    ttyAge = 0.0f;
    ttyPrint("BRIEFING");
    ttyShow();
    EXPECT_FALSE(ttyHidden);
    EXPECT_FLOAT_EQ(ttyReveal, 1.0f);
    ttyShow();
    ttyShow();
    EXPECT_FALSE(ttyHidden);  // age 6
    ttyShow();
    EXPECT_TRUE(ttyHidden);  // age 8
}

TEST_F(Tty, BottomRowShowsOnlyAsFarAsRevealed) {
    char full[38];
    memset(full, '1', 37);
    full[37] = 0;
    ttyPrint(full);  // '1' is a single stroke: two vertices a character
    EXPECT_EQ(tty_buildScreen(buffer), 0);
    ttyReveal = 0.5f;
    EXPECT_EQ(tty_buildScreen(buffer), 19 * 2);
    ttyReveal = 1.0f;
    EXPECT_EQ(tty_buildScreen(buffer), 37 * 2);
    // The columns fill the viewport: first stroke at -36/37, last at +36/37.
    EXPECT_NEAR(minX(buffer, 74), -36.0f / 37, 1e-5);
    EXPECT_NEAR(maxX(buffer, 74), 36.0f / 37, 1e-5);
}

TEST_F(Tty, RowsFillTheViewportHeightFromTheTop) {
    ttyPrint("1");
    ttyPrint("");
    ttyPrint("");
    ttyPrint("");
    int n = tty_buildScreen(buffer);
    ASSERT_EQ(n, 2);
    // Row 0 is centred at y 0.75; the glyph spans +-2/6 of a 0.5 row.
    EXPECT_NEAR(buffer[1], 0.75f + 2.0f / 6 * 0.5f, 1e-5);
    EXPECT_NEAR(buffer[5], 0.75f - 2.0f / 6 * 0.5f, 1e-5);
    EXPECT_EQ(buffer[2], 0.0f);
    EXPECT_EQ(buffer[3], 1.0f);
}

TEST_F(Tty, FullScreenOfWideGlyphsStopsAtTheBufferCapacity) {
    for (int r = 0; r < TTY_ROWS; r++) ttyPrint("OOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOOO");
    ttyReveal = 1.0f;
    const float guard = 12345.0f;
    buffer[TTY_SCREEN_VERTICES * TTY_FLOATS_PER_VERTEX] = guard;
    EXPECT_EQ(tty_buildScreen(buffer), TTY_SCREEN_VERTICES);
    EXPECT_EQ(buffer[TTY_SCREEN_VERTICES * TTY_FLOATS_PER_VERTEX], guard);
}

TEST_F(Tty, NumberHasThreeDigitsWithLeadingZeros) {
    // "007": two zeros of 8 points and a seven of 4.
    EXPECT_EQ(tty_buildNumber(7, buffer), 8 + 8 + 4);
    EXPECT_EQ(tty_buildNumber(1000, buffer), 0);
    EXPECT_EQ(tty_buildNumber(888, buffer), 42);
    // Digit i is centred at i * 0.666 - 0.666.
    tty_buildNumber(111, buffer);
    EXPECT_NEAR(buffer[0], -0.666f, 1e-5);
    EXPECT_NEAR(buffer[8], 0.0f, 1e-5);
    EXPECT_NEAR(buffer[16], 0.666f, 1e-5);
}

TEST_F(Tty, LowerCaseDrawsNothingButStillAdvances) {
    vec2f pos = {0, 0}, cell = {0.1f, 0.2f};
    EXPECT_EQ(tty_buildString("abc", pos, cell, "left", buffer), 0);
    int n = tty_buildString("a1", pos, cell, "left", buffer);
    ASSERT_EQ(n, 2);
    EXPECT_NEAR(buffer[0], 1.5f * 0.1f, 1e-6);  // second cell's centre
}

TEST_F(Tty, RightAlignedTextEndsJustInsideTheEdge) {
    vec2f cell = {0.036f, 0.14f};
    int n = tty_buildString("CAMERA", {0.9921875f, 0.5f}, cell, "right", buffer);
    ASSERT_GT(n, 0);
    EXPECT_LT(maxX(buffer, n), 0.9921875f);
    EXPECT_GT(maxX(buffer, n), 0.9921875f - cell.x);
    int c = tty_buildString("CAMERA", {0.0f, 0.5f}, cell, "center", buffer);
    EXPECT_NEAR(minX(buffer, c) + maxX(buffer, c), 0.0f, 1e-5);
}

TEST_F(Tty, LongStringStopsAtTheBufferCapacity) {
    std::string text(200, 'O');
    EXPECT_EQ(tty_buildString(text.c_str(), {-1, 0}, {0.01f, 0.1f}, "left", buffer),
              TTY_STRING_VERTICES);
}
