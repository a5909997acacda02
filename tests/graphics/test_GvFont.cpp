#include "art/GvArt.h"
#include "graphics/GvFont.h"
#include "graphics/OrbCorruptDataTextureException.h"
#include "graphics/OrbPictureCodec.h"

#include "FontTestImage.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

constexpr int kCell = 4;

class GvFontTest : public ::testing::Test {
protected:
    std::vector<unsigned char> image = makeFontImage(kCell);
    GvFont font{image.data(), kCell};

    OrbTexture& glyph(int code) { return font.glyphs()[code - GvFont::kFirstCode]; }
    // Position of vertex `i` of the only quad of a glyph's batch.
    OrbPoint corner(int code, int i) {
        const auto& v = glyph(code).batchedVertices();
        const std::size_t at = static_cast<std::size_t>(i) * OrbTexture::kFloatsPerVertex +
                               OrbTexture::kPositionOffset;
        return OrbPoint{v[at], v[at + 1]};
    }
};

TEST_F(GvFontTest, MeasuresTextInTextSizes) {
    EXPECT_FLOAT_EQ(font.textWidth("AB", 1.0f, 0, 1.0f, false), 2.0f);
    EXPECT_FLOAT_EQ(font.textWidth("ab", 1.0f, OrbFont::kSmallCaps, 1.0f, false), 1.6f);
    EXPECT_FLOAT_EQ(font.textWidth("ab", 1.0f, OrbFont::kSmallCaps | OrbFont::kSlanted, 1.0f, true),
                    2.1f);
    // The slant adds nothing unless asked for, and nothing to upright text.
    EXPECT_FLOAT_EQ(
        font.textWidth("ab", 1.0f, OrbFont::kSmallCaps | OrbFont::kSlanted, 1.0f, false), 1.6f);
    EXPECT_FLOAT_EQ(font.textWidth("AB", 1.0f, 0, 1.0f, true), 2.0f);
    EXPECT_FLOAT_EQ(font.textWidth("I.9(", 2.0f, 0, 0.5f, false),
                    2.0f * 0.5f * (9 + 9 + 19 + 14) / 29.0f);
    EXPECT_FLOAT_EQ(font.textWidth("", 3.0f, OrbFont::kSlanted, 1.0f, true), 1.5f);
}

TEST_F(GvFontTest, CodesWithoutGlyphMeasureAsTheReplacement) {
    EXPECT_EQ(font.glyphCode(200), 24);
    EXPECT_EQ(font.glyphCode('a'), 24);
    EXPECT_EQ(font.glyphCode('Z'), 'Z');
    EXPECT_FLOAT_EQ(font.charAdvance(200, 1.0f, 0, 1.0f, false), 1.0f);
    EXPECT_FLOAT_EQ(font.charAdvance(5, 1.0f, 0, 1.0f, false), 1.0f);
    // Lower case without small capitals has no glyph of its own.
    EXPECT_FLOAT_EQ(font.textWidth("ii", 1.0f, 0, 1.0f, false), 2.0f);
    EXPECT_FLOAT_EQ(font.charAdvance('i', 2.0f, OrbFont::kSmallCaps, 1.0f, false),
                    2.0f * 0.8f * 9.0f / 29.0f);
    EXPECT_FLOAT_EQ(font.charAdvance('I', 2.0f, OrbFont::kSlanted, 0.5f, true),
                    (0.5f * 9.0f / 29.0f + 0.5f) * 2.0f);
    EXPECT_FLOAT_EQ(font.charAdvance(28, 1.0f, 0, 1.0f, false), 19.0f / 29.0f);
    EXPECT_FLOAT_EQ(font.charAdvance(29, 1.0f, 0, 1.0f, false), 1.0f);
}

TEST_F(GvFontTest, LayoutAnchorsTheBox) {
    const OrbRect left = font.layout("AB", OrbPoint{10, 20}, 2.0f, 0, 17, 1.0f, false);
    EXPECT_EQ(left, (OrbRect{10, 20, 4, 2}));
    const OrbRect centre = font.layout("AB", OrbPoint{10, 20}, 2.0f, 0,
                                       OrbFont::kAlignCentre | OrbFont::kAlignMiddle, 1.0f, false);
    EXPECT_EQ(centre, (OrbRect{8, 19, 4, 2}));
    const OrbRect right = font.layout("AB", OrbPoint{10, 20}, 2.0f, OrbFont::kSlanted,
                                      OrbFont::kAlignRight | OrbFont::kAlignTop, 1.0f, true);
    EXPECT_EQ(right, (OrbRect{5, 18, 5, 2}));
}

TEST_F(GvFontTest, DrawTextBatchesOneQuadPerGlyph) {
    const float end = font.drawText(OrbPoint{1, 2}, "AB", 2.0f, OrbColor{}, 0, 17);
    EXPECT_FLOAT_EQ(end, 5.0f);
    ASSERT_EQ(glyph('A').batchedIndexCount(), 4);
    ASSERT_EQ(glyph('B').batchedIndexCount(), 4);
    EXPECT_EQ(corner('A', 0), (OrbPoint{1, 2}));
    EXPECT_EQ(corner('A', 2), (OrbPoint{3, 4}));
    EXPECT_EQ(corner('B', 0), (OrbPoint{3, 2}));
    // The glyph is the left part of its cell, as wide as its advance.
    const auto& v = glyph('I').batchedVertices();
    EXPECT_TRUE(v.empty());
    font.drawText(OrbPoint{0, 0}, "I", 1.0f, OrbColor{}, 0, 17);
    EXPECT_FLOAT_EQ(glyph('I').batchedVertices()[2 * OrbTexture::kFloatsPerVertex], 9.0f / 29.0f);
    EXPECT_FLOAT_EQ(glyph('I').batchedVertices()[2 * OrbTexture::kFloatsPerVertex + 1], 1.0f);
}

TEST_F(GvFontTest, SmallCapitalsStandOnTheBaseline) {
    font.drawText(OrbPoint{0, 0}, "a", 1.0f, OrbColor{}, OrbFont::kSmallCaps, 17);
    const float raise = font.baseline() * 0.2f;
    EXPECT_FLOAT_EQ(corner('A', 0).y, raise);
    EXPECT_FLOAT_EQ(corner('A', 1).y, raise + 0.8f);
    // The baselines of the small and the full capital meet.
    EXPECT_FLOAT_EQ(corner('A', 0).y + 0.8f * font.baseline(), font.baseline());
    EXPECT_FLOAT_EQ(corner('A', 2).x, 0.8f);
}

TEST_F(GvFontTest, SlantedGlyphsAreShearedAboutTheBaseline) {
    font.drawText(OrbPoint{0, 0}, "A", 2.0f, OrbColor{}, OrbFont::kSlanted, 17);
    const float b = font.baseline();
    EXPECT_FLOAT_EQ(corner('A', 0).x, -2.0f * b * 0.5f);
    EXPECT_FLOAT_EQ(corner('A', 1).x, 2.0f * (1.0f - b) * 0.5f);
    EXPECT_FLOAT_EQ(corner('A', 3).x, 2.0f - 2.0f * b * 0.5f);
    // The point on the baseline does not move: the shear is about it.
    const float atBaseline = corner('A', 0).x + (corner('A', 1).x - corner('A', 0).x) * b;
    EXPECT_NEAR(atBaseline, 0.0f, 1e-6f);
}

TEST_F(GvFontTest, CentredSlantedTextIncludesTheSlantInItsWidth) {
    const float end = font.drawText(OrbPoint{0, 0}, "AB", 1.0f, OrbColor{}, OrbFont::kSlanted,
                                    OrbFont::kAlignCentre | OrbFont::kAlignBottom);
    EXPECT_FLOAT_EQ(end, 2.0f - 1.25f);
}

TEST_F(GvFontTest, UnknownCharactersDrawTheReplacementGlyph) {
    const float end = font.drawText(OrbPoint{0, 0}, "\xc8", 1.0f, OrbColor{}, 0, 17);
    EXPECT_FLOAT_EQ(end, 1.0f);
    EXPECT_EQ(glyph(24).batchedIndexCount(), 4);
}

TEST_F(GvFontTest, EmptyTextDrawsNothing) {
    EXPECT_FLOAT_EQ(font.drawText(OrbPoint{7, 3}, "", 1.0f, OrbColor{}, 0, 17), 7.0f);
    for (int i = 0; i < font.glyphs().size(); ++i) {
        EXPECT_EQ(font.glyphs()[i].batchedIndexCount(), 0);
    }
}

TEST_F(GvFontTest, GlyphsAreCutAlongRowsInStorageOrder) {
    // Each cell filled with its own cell number.
    std::vector<unsigned char> numbered(image.size());
    const int width = GvFont::kCellsAcross * kCell;
    for (std::size_t i = 0; i < numbered.size(); ++i) {
        const int x = static_cast<int>(i) % width;
        const int y = static_cast<int>(i) / width;
        numbered[i] = static_cast<unsigned char>((y / kCell) * GvFont::kCellsAcross + x / kCell);
    }
    const GvFont cut(numbered.data(), kCell);
    EXPECT_EQ(cut.glyphs().size(), 80);
    EXPECT_EQ(cut.glyphs()[0].pixels(), std::vector<unsigned char>(kCell * kCell, 0));
    EXPECT_EQ(cut.glyphs()['A' - 16].pixels(), std::vector<unsigned char>(kCell * kCell, 'A' - 16));
    EXPECT_EQ(cut.glyphs()[79].pixels(), std::vector<unsigned char>(kCell * kCell, 79));
}

TEST(GvFontImage, DamagedEmbeddedFontIsCorruptData) {
    std::vector<unsigned char> pixels(1024 * 1280, 7);
    const std::vector<unsigned char> packed =
        OrbPictureCodec::encode(pixels.data(), 1024, 1280, 1, 0, 0, 0);
    const std::size_t length = packed.size();
    const GvFont good(OrbEmbeddedData{packed.data(), length, pixels.size()});
    EXPECT_EQ(good.glyphs().size(), 80);
    EXPECT_EQ(good.glyphs()[5].width(), 128);
    EXPECT_THROW(GvFont(OrbEmbeddedData{packed.data(), length / 2, pixels.size()}),
                 OrbCorruptDataTextureException);
    EXPECT_THROW(GvFont(OrbEmbeddedData{packed.data(), length, pixels.size() - 1}),
                 OrbCorruptDataTextureException);
}

TEST(GvFontImage, TheGamesOwnFontImageBuildsAllGlyphs) {
    const GvFont font(GvArt::image(GvArtImage::Font).data);
    ASSERT_EQ(font.glyphs().size(), 80);
    EXPECT_EQ(font.glyphs()[0].width(), GvFont::kCellSize);
    EXPECT_EQ(font.glyphs()[0].format(), OrbPixelAlpha);
    // 'M' is drawn: some of its cell is inked.
    const auto& m = font.glyphs()['M' - GvFont::kFirstCode].pixels();
    EXPECT_NE(std::count_if(m.begin(), m.end(), [](unsigned char a) { return a > 128; }), 0);
}

TEST_F(GvFontTest, WrapsAtWordsMeasuredWithTheirLeadingSpaces) {
    std::vector<std::string> lines;
    font.wrapLines("ONE TWO THREE", lines, 5.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"ONE", "TWO", "THREE"}));

    lines.clear();
    font.wrapLines("AB CD EF", lines, 5.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"AB CD", "EF"}));

    // Half the size fits twice as much.
    lines.clear();
    font.wrapLines("ONE TWO THREE", lines, 5.0f, 0.5f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"ONE TWO", "THREE"}));
}

TEST_F(GvFontTest, WrapKeepsAnOverlongWordOnALineOfItsOwn) {
    std::vector<std::string> lines;
    font.wrapLines("A LONGWORD B", lines, 3.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"A", "LONGWORD", "B"}));
    lines.clear();
    font.wrapLines("LONGWORD", lines, 0.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"LONGWORD"}));
}

TEST_F(GvFontTest, WrapEndsLinesAtLineBreaks) {
    std::vector<std::string> lines;
    font.wrapLines("AB\n\nCD  \nE", lines, 50.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"AB", "", "CD  ", "E"}));
    lines.clear();
    font.wrapLines("", lines, 5.0f, 1.0f, 0, 1.0f);
    EXPECT_TRUE(lines.empty());
    // Lines are appended to what the list holds.
    lines = {"kept"};
    font.wrapLines("X", lines, 5.0f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"kept", "X"}));
}

TEST_F(GvFontTest, WrapCountsSmallCapitalsAtTheirSize) {
    std::vector<std::string> lines;
    // Lower case at 0.8: "abc de" is 3 x 0.8 + space + 2 x 0.8 = 4.655.
    font.wrapLines("abc de", lines, 4.7f, 1.0f, OrbFont::kSmallCaps, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc de"}));
    lines.clear();
    font.wrapLines("abc de", lines, 4.7f, 1.0f, 0, 1.0f);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "de"}));
}

TEST(OrbFontFilter, ReplacesWhatTheFontCannotDraw) {
    EXPECT_EQ(OrbFont::filterText("Cave A: 100%", false), "Cave A: 100%");
    EXPECT_EQ(OrbFont::filterText("a{b}\x7f\xe9\t", false), "a\x18"
                                                            "b\x18\x18\x18\x18");
    EXPECT_EQ(OrbFont::filterText("x\ny", false), "x\x18y");
    EXPECT_EQ(OrbFont::filterText("x\ny", true), "x\ny");
    // The status symbols are drawable, but not as typed text.
    EXPECT_EQ(OrbFont::filterText("\x1d", true), "\x18");
    EXPECT_EQ(OrbFont::filterText("", true), "");
}

} // namespace
