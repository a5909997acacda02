#include "ArtFont.h"

#include <gtest/gtest.h>

TEST(ArtFontTest, AdvancesFollowTheWidthClasses) {
    EXPECT_EQ(ArtFont::advance('A'), 29);
    EXPECT_EQ(ArtFont::advance('W'), 29);
    EXPECT_EQ(ArtFont::advance('I'), 9);
    EXPECT_EQ(ArtFont::advance('.'), 9);
    EXPECT_EQ(ArtFont::advance('0'), 19);
    EXPECT_EQ(ArtFont::advance(' '), 19);
    EXPECT_EQ(ArtFont::advance('?'), 19);
    EXPECT_EQ(ArtFont::advance('('), 14);
    EXPECT_EQ(ArtFont::advance(']'), 14);
    EXPECT_EQ(ArtFont::advance('@'), 29);
    EXPECT_EQ(ArtFont::advance(17), 29);
    EXPECT_EQ(ArtFont::advance(28), 19);
    EXPECT_EQ(ArtFont::advance(31), 29);
    // Outside the font: no glyph.
    EXPECT_EQ(ArtFont::advance(15), 0);
    EXPECT_EQ(ArtFont::advance('a'), 0);
    EXPECT_EQ(ArtFont::advance(127), 0);
}

TEST(ArtFontTest, RoundedLetterIsClosedButHasSoftCorners) {
    const ArtGlyphStyle style;
    const std::vector<ArtSegment> o = ArtFont::strokes('O', style);
    ASSERT_FALSE(o.empty());
    // The closing corner joins up: every segment starts where another ends.
    for (const ArtSegment& s : o) {
        bool joined = false;
        for (const ArtSegment& t : o) {
            joined = joined || length(t.b - s.a) < 1e-3f;
        }
        EXPECT_TRUE(joined);
    }
    // Ink along the sides, none at the sharp corner of the letter's box.
    const float left = 2.3f + style.strokeRadius, bottom = style.baseline + style.strokeRadius;
    const float top = style.baseline + style.capHeight - style.strokeRadius;
    EXPECT_LT(ArtFont::distance('O', {left, (bottom + top) / 2}, style, o), 0);
    EXPECT_LT(ArtFont::distance('O', {14.5f, top}, style, o), 0);
    EXPECT_GT(
        ArtFont::distance(
            'O', {left - style.strokeRadius + 0.2f, bottom - style.strokeRadius + 0.2f}, style, o),
        0);
    // The middle of the letter is open.
    EXPECT_GT(ArtFont::distance('O', {14.5f, (bottom + top) / 2}, style, o), 0);
}

TEST(ArtFontTest, EveryGlyphKeepsInsideItsAdvanceAtAnyStrokeWeight) {
    for (float radius : {1.85f, 2.6f}) {
        ArtGlyphStyle style;
        style.strokeRadius = radius;
        for (int code = 32; code <= 95; ++code) {
            for (const ArtSegment& s : ArtFont::strokes(code, style)) {
                for (V2 p : {s.a, s.b}) {
                    EXPECT_GE(p.x - radius, -0.01f) << "code " << code;
                    EXPECT_LE(p.x + radius, ArtFont::advance(code) + 0.01f) << "code " << code;
                }
            }
        }
    }
}

static int inkedColumns(const ArtCanvas& canvas, int from, int to) {
    int n = 0;
    for (int x = from; x < to; ++x) {
        for (int y = 0; y < canvas.height(); ++y) {
            if (canvas.at(x, y).a > 0.5f) {
                ++n;
                break;
            }
        }
    }
    return n;
}

TEST(ArtFontTest, DrawnTextSpansItsAdvances) {
    ArtCanvas canvas(120, 40);
    // "HI" at 29 pixels: H is 29 wide, I is 9.
    ArtFont::drawText(canvas, "HI", {10, 4}, 29, {1, 1, 1});
    EXPECT_GT(inkedColumns(canvas, 10, 39), 10);
    EXPECT_GT(inkedColumns(canvas, 39, 48), 2);
    EXPECT_EQ(inkedColumns(canvas, 0, 10), 0);
    EXPECT_EQ(inkedColumns(canvas, 48, 120), 0);
}

TEST(ArtFontTest, UnknownCharactersDrawTheReplacementGlyph) {
    ArtCanvas canvas(60, 40);
    ArtFont::drawText(canvas, "~", {0, 4}, 29, {1, 1, 1});
    EXPECT_GT(inkedColumns(canvas, 0, 29), 15); // a filled block
    EXPECT_EQ(inkedColumns(canvas, 30, 60), 0);
}
