#include "graphics/OrbProjection.h"

#include "FontTestImage.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

void expectValid(const OrbProjection& p) {
    EXPECT_GE(p.viewportWidth(), 1);
    EXPECT_GE(p.viewportHeight(), 1);
    EXPECT_GE(p.viewportX(), 0);
    EXPECT_GE(p.viewportY(), 0);
    EXPECT_TRUE(std::isfinite(p.canvas().x) && std::isfinite(p.canvas().y));
    EXPECT_TRUE(std::isfinite(p.canvas().width) && p.canvas().width > 0.0f);
    EXPECT_TRUE(std::isfinite(p.canvas().height) && p.canvas().height > 0.0f);
}

TEST(OrbProjection, MenuCanvasIsAHundredHighOnWideWindows) {
    const OrbProjection wide = OrbProjection::make(OrbProjectionMenu, 1600, 900, 90);
    EXPECT_FLOAT_EQ(wide.canvas().height, 100.0f);
    EXPECT_FLOAT_EQ(wide.canvas().width, 100.0f * 1600.0f / 900.0f);
    EXPECT_FLOAT_EQ(wide.canvas().x, -wide.canvas().width / 2.0f);
    EXPECT_FLOAT_EQ(wide.canvas().y, -50.0f);
    // Narrower than 1.4 : 1 the canvas is 140 wide instead, so panels always fit.
    const OrbProjection square = OrbProjection::make(OrbProjectionMenu, 800, 600, 60);
    EXPECT_FLOAT_EQ(square.canvas().width, 140.0f);
    EXPECT_FLOAT_EQ(square.canvas().height, 105.0f);
    EXPECT_EQ(square.viewportWidth(), 800);
    EXPECT_EQ(square.viewportHeight(), 600);
}

TEST(OrbProjection, StatusLineAndGameAreaShareTheWindow) {
    const OrbProjection status = OrbProjection::make(OrbProjectionStatusLine, 800, 600, 40);
    EXPECT_EQ(status.viewportY(), 560);
    EXPECT_EQ(status.viewportHeight(), 40);
    EXPECT_FLOAT_EQ(status.canvas().height, 1.0f);
    EXPECT_FLOAT_EQ(status.canvas().width, 20.0f);
    EXPECT_FLOAT_EQ(status.canvas().x, -10.0f);
    EXPECT_FLOAT_EQ(status.canvas().y, 0.0f);

    const OrbProjection game = OrbProjection::make(OrbProjectionGameBelowStatus, 800, 600, 40);
    EXPECT_EQ(game.viewportY(), 0);
    EXPECT_EQ(game.viewportHeight(), 560);
    EXPECT_FLOAT_EQ(game.canvas().width, 800.0f / 560.0f);
    EXPECT_FLOAT_EQ(game.canvas().y, -0.5f);

    const OrbProjection full = OrbProjection::make(OrbProjectionGameFull, 800, 600, 40);
    EXPECT_EQ(full.viewportHeight(), 600);
    EXPECT_FLOAT_EQ(full.canvas().x, -800.0f / 1200.0f);
}

TEST(OrbProjection, TinyWindowsStillGetValidProjections) {
    for (int n = 0; n < OrbProjectionCount; ++n) {
        SCOPED_TRACE(n);
        const int s = OrbProjection::statusLineHeight(800, 1, 11.0f);
        EXPECT_EQ(s, 1);
        expectValid(OrbProjection::make(n, 800, 1, s));
        expectValid(OrbProjection::make(n, 0, 0, 0));
        expectValid(OrbProjection::make(n, 1, 5000, 500));
    }
    EXPECT_EQ(OrbProjection::make(OrbProjectionGameBelowStatus, 800, 1, 1).viewportHeight(), 1);
}

TEST(OrbProjection, StatusLineIsAsTallAsTheSampleAllowsAndAtMostATenth) {
    const std::vector<unsigned char> image = makeFontImage(2);
    const GvFont font(image.data(), 2);
    // Four wide glyphs and nineteen of 19/29 at size 0.7.
    const float sample = OrbProjection::statusSampleWidth(font);
    EXPECT_NEAR(sample, 0.7f * (4.0f + 19.0f * 19.0f / 29.0f), 1e-4f);
    EXPECT_EQ(OrbProjection::statusLineHeight(800, 600, sample), 60);
    EXPECT_EQ(OrbProjection::statusLineHeight(400, 600, sample),
              static_cast<int>(std::lround(400.0 / sample)));
    EXPECT_EQ(OrbProjection::statusLineHeight(3, 600, sample), 1);
}

TEST(OrbProjection, WindowPositionsConvertToCanvasUnits) {
    const OrbProjection menu = OrbProjection::make(OrbProjectionMenu, 800, 600, 60);
    OrbPoint p = menu.toCanvas(400, 300, 600);
    EXPECT_FLOAT_EQ(p.x, 0.0f);
    EXPECT_FLOAT_EQ(p.y, 0.0f);
    p = menu.toCanvas(0, 0, 600); // top-left corner
    EXPECT_FLOAT_EQ(p.x, -70.0f);
    EXPECT_FLOAT_EQ(p.y, 52.5f);

    // The status line sits at the top: window row 0 is its top edge.
    const OrbProjection status = OrbProjection::make(OrbProjectionStatusLine, 800, 600, 60);
    EXPECT_FLOAT_EQ(status.toCanvas(0, 0, 600).y, 1.0f);
    EXPECT_FLOAT_EQ(status.toCanvas(0, 60, 600).y, 0.0f);
    EXPECT_FLOAT_EQ(status.toCanvas(800, 30, 600).x, status.canvas().x + status.canvas().width);
}

} // namespace
