#include "UiTestSupport.h"
#include "graphics/GlTestWindow.h"
#include "graphics/OrbGlState.h"
#include "graphics/OrbProjection.h"
#include "graphics/OrbTexture.h"
#include "ui/GvLabel.h"
#include "ui/GvList.h"
#include "ui/GvPushButton.h"
#include "ui/GvSmallDialogPushButton.h"
#include "ui/GvSolid.h"
#include "ui/GvUiColours.h"

#include <cstdlib>
#include <gtest/gtest.h>

// Draws controls into a 100 x 100 window whose canvas is one unit per pixel, with
// white textures, so that the colours read back are the controls' own colours.
class StyledDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        GRAVIK_REQUIRE_DISPLAY();
        ASSERT_TRUE(impl.open());
        const unsigned char white[4 * 4 * 2] = {
            255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255,
            255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255, 255};
        const unsigned char one = 255;
        solid =
            std::make_unique<OrbTexture>(&one, OrbPixelAlpha, 1, 1, OrbWrapRepeat, OrbWrapRepeat,
                                         OrbFilterNearest, OrbFilterNearest, false);
        // Clamped to its edge so that the caps' outer texels stay white.
        button = std::make_unique<OrbTexture>(white, OrbPixelLuminanceAlpha, 4, 4,
                                              OrbWrapClampToEdge, OrbWrapClampToEdge);
        solid->acquire();
        button->acquire();
        font->acquire();
        resources.font = font.get();
        resources.solid = solid.get();
        resources.button = button.get();
        resources.buttonPressed = button.get();
    }
    void TearDown() override {
        if (solid) {
            solid->release();
            button->release();
            font->release();
        }
    }
    // Draws one control on black and reads the window back.
    std::vector<unsigned char> drawn(OrbControl& control, const OrbColor& tint = OrbColor{}) {
        view.onDraw = [&] {
            OrbGlState::setUpDrawing();
            OrbGlState::clear(OrbColor{0, 0, 0, 1});
            OrbProjection(0, 0, 100, 100, OrbRect{0, 0, 100, 100}).apply();
            control.draw(tint);
            OrbGlState::finish();
            pixels = readPixels(100, 100);
        };
        impl.paintNow();
        view.onDraw = nullptr;
        return pixels;
    }
    static bool near(unsigned rgb, const OrbColor& c) {
        const int want[3] = {int(c.r * 255 + 0.5f), int(c.g * 255 + 0.5f), int(c.b * 255 + 0.5f)};
        const int got[3] = {int(rgb >> 16), int((rgb >> 8) & 255), int(rgb & 255)};
        for (int i = 0; i < 3; ++i) {
            if (std::abs(want[i] - got[i]) > 3) {
                return false;
            }
        }
        return true;
    }
    static int litPixels(const std::vector<unsigned char>& p) {
        int lit = 0;
        for (std::size_t i = 0; i + 3 < p.size(); i += 4) {
            lit += (p[i] | p[i + 1] | p[i + 2]) != 0;
        }
        return lit;
    }

    OrbViewImplSingle impl{"ui test", 100, 100, OrbWindowNormal};
    GlTestView view{impl};
    std::unique_ptr<GvFont> font = makeTestFont();
    std::unique_ptr<OrbTexture> solid;
    std::unique_ptr<OrbTexture> button;
    GvUiResources resources;
    std::vector<unsigned char> pixels;
};

TEST_F(StyledDrawing, ASolidFillsItsPolygonOnly) {
    GvSolid triangle(nullptr, &resources, {{10, 10}, {90, 10}, {10, 90}}, OrbColor{1, 0, 0, 1});
    const auto p = drawn(triangle);
    EXPECT_EQ(rgbAt(p, 100, 20, 20), 0xff0000u);
    EXPECT_EQ(rgbAt(p, 100, 80, 80), 0x000000u);
    EXPECT_EQ(rgbAt(p, 100, 5, 5), 0x000000u);
    // The tint reaches every colour drawn.
    const auto dim = drawn(triangle, OrbColor{0.5f, 1, 1, 1});
    EXPECT_TRUE(near(rgbAt(dim, 100, 20, 20), OrbColor{0.5f, 0, 0, 1}));
}

TEST_F(StyledDrawing, APushButtonDrawsItsFrameAndFadesWhenDisabled) {
    GvPushButton push(nullptr, &resources, OrbRect{10, 40, 80, 20}, "", nullptr);
    const auto p = drawn(push);
    EXPECT_EQ(rgbAt(p, 100, 12, 50), 0xffffffu); // left cap
    EXPECT_EQ(rgbAt(p, 100, 50, 50), 0xffffffu); // middle
    EXPECT_EQ(rgbAt(p, 100, 88, 50), 0xffffffu); // right cap
    EXPECT_EQ(rgbAt(p, 100, 50, 35), 0x000000u);
    push.setEnabled(false);
    const OrbColor tint = GvUiColours::get().pushDisabledTint;
    const auto faded = drawn(push);
    EXPECT_TRUE(near(rgbAt(faded, 100, 50, 50),
                     OrbColor{tint.r * tint.a, tint.g * tint.a, tint.b * tint.a, 1}));
}

TEST_F(StyledDrawing, HiddenControlsDrawNothing) {
    GvSmallDialogPushButton small(nullptr, &resources, OrbPoint{50, 50}, 0x22, "X", nullptr);
    EXPECT_GT(litPixels(drawn(small)), 0);
    small.setEnabled(false);
    EXPECT_EQ(litPixels(drawn(small)), 0);

    GvLabel label(nullptr, &resources, "LABEL", OrbPoint{10, 50});
    EXPECT_GT(litPixels(drawn(label)), 0);
    label.setEnabled(false);
    EXPECT_EQ(litPixels(drawn(label)), 0);
}

TEST_F(StyledDrawing, AListMarksItsSelectedRow) {
    GvList list(nullptr, &resources, OrbRect{0, 0, 100, 100}, 5, 4.0f);
    list.setItems({"A", "B", "C"});
    list.setSelected(1);
    // Row 1 spans y 60..80; its right part holds no text.
    auto p = drawn(list);
    EXPECT_TRUE(near(rgbAt(p, 100, 90, 70), GvUiColours::get().listSelection));
    EXPECT_EQ(rgbAt(p, 100, 90, 90), 0x000000u);
    list.setFocused(true);
    p = drawn(list);
    EXPECT_TRUE(near(rgbAt(p, 100, 90, 70), GvUiColours::get().listSelectionFocused));
    // The item's text is drawn 2 units in, in the selected colour (white).
    EXPECT_EQ(rgbAt(p, 100, 3, 70), 0xffffffu);
    // Unselected items in the item colour.
    EXPECT_TRUE(near(rgbAt(p, 100, 3, 90), GvUiColours::get().listItem));
}
