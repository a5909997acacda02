#include "ArtCanvas.h"

#include <gtest/gtest.h>

TEST(ArtCanvasTest, OverBlendsStraightAlphaColours) {
    const C4 red{{1, 0, 0}, 1}, blue{{0, 0, 1}, 1};
    const C4 opaque = over(red, blue);
    EXPECT_FLOAT_EQ(opaque.c.z, 1);
    EXPECT_FLOAT_EQ(opaque.a, 1);
    const C4 clear = over(red, {{0, 1, 0}, 0});
    EXPECT_FLOAT_EQ(clear.c.x, 1);
    const C4 half = over(red, {{0, 0, 1}, 0.5f});
    EXPECT_NEAR(half.c.x, 0.5f, 1e-6);
    EXPECT_NEAR(half.c.z, 0.5f, 1e-6);
    // Half over nothing keeps its own colour, not a darkened one.
    const C4 alone = over({{0, 0, 0}, 0}, {{0, 0, 1}, 0.5f});
    EXPECT_NEAR(alone.c.z, 1, 1e-6);
    EXPECT_NEAR(alone.a, 0.5f, 1e-6);
    const C4 none = over({{0, 0, 0}, 0}, {{1, 1, 1}, 0});
    EXPECT_EQ(none.a, 0);
}

TEST(ArtCanvasTest, RowsAreStoredBottomFirst) {
    ArtCanvas canvas(4, 4);
    canvas.paint([](V2 p) { return C4{{1, 1, 1}, p.y < 0.5f ? 1.0f : 0.0f}; });
    const std::vector<std::uint8_t> a = canvas.bytes(ArtFormat::Alpha);
    ASSERT_EQ(a.size(), 16u);
    EXPECT_EQ(a[0], 255); // first stored row: the bottom
    EXPECT_EQ(a[15], 0);  // last stored row: the top
}

TEST(ArtCanvasTest, SupersamplingGivesEdgesPartialCoverage) {
    ArtCanvas canvas(4, 1);
    // The edge runs through the middle of pixel 1.
    canvas.paint([](V2 p) { return C4{{1, 1, 1}, p.x < 0.375f ? 1.0f : 0.0f}; }, 4);
    const std::vector<std::uint8_t> a = canvas.bytes(ArtFormat::Alpha);
    EXPECT_EQ(a[0], 255);
    EXPECT_NEAR(a[1], 128, 1);
    EXPECT_EQ(a[2], 0);
}

TEST(ArtCanvasTest, TransparentPixelsTakeTheColourOfTheirNeighbours) {
    ArtCanvas canvas(16, 1);
    canvas.at(0, 0) = {{1, 0, 0}, 1};
    canvas.at(15, 0) = {{0, 0, 1}, 1};
    const std::vector<std::uint8_t> rgba = canvas.bytes(ArtFormat::Rgba);
    // Next to the red pixel: red, still invisible.
    EXPECT_EQ(rgba[4 * 1 + 0], 255);
    EXPECT_EQ(rgba[4 * 1 + 2], 0);
    EXPECT_EQ(rgba[4 * 1 + 3], 0);
    // Next to the blue one: blue.
    EXPECT_EQ(rgba[4 * 14 + 2], 255);
    EXPECT_EQ(rgba[4 * 14 + 0], 0);
    // Beyond the reach of either: the mean visible colour.
    EXPECT_NEAR(rgba[4 * 8 + 0], 128, 1);
    EXPECT_NEAR(rgba[4 * 8 + 2], 128, 1);
}

TEST(ArtCanvasTest, EmptyCanvasGivesClearBytes) {
    ArtCanvas canvas(3, 3);
    for (std::uint8_t b : canvas.bytes(ArtFormat::Rgba)) {
        EXPECT_EQ(b, 0);
    }
    for (std::uint8_t b : canvas.bytes(ArtFormat::LuminanceAlpha)) {
        EXPECT_EQ(b, 0);
    }
}

TEST(ArtCanvasTest, LuminanceAlphaWeighsTheChannels) {
    ArtCanvas canvas(2, 1);
    canvas.at(0, 0) = {{1, 1, 1}, 1};
    canvas.at(1, 0) = {{0, 1, 0}, 0.5f};
    const std::vector<std::uint8_t> la = canvas.bytes(ArtFormat::LuminanceAlpha);
    ASSERT_EQ(la.size(), 4u);
    EXPECT_EQ(la[0], 255);
    EXPECT_EQ(la[1], 255);
    EXPECT_NEAR(la[2], 150, 1); // green carries most of the brightness
    EXPECT_NEAR(la[3], 128, 1);
}

TEST(ArtCanvasTest, CoverageRampsOverOnePixel) {
    EXPECT_FLOAT_EQ(coverage(-1, 1), 1);
    EXPECT_FLOAT_EQ(coverage(0, 1), 0.5f);
    EXPECT_FLOAT_EQ(coverage(1, 1), 0);
    EXPECT_FLOAT_EQ(coverage(0.25f, 0.5f), 0);
}
