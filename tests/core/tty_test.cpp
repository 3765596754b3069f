#include <gtest/gtest.h>

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
