#include "game/drawing/GvResources.h"

#include "graphics/GvFont.h"
#include "graphics/OrbRenderToTexture.h"
#include "graphics/OrbTextureSet.h"
#include "levelpack/GvCaveDef.h"

#include <cmath>
#include <gtest/gtest.h>

// Building the resources inflates every picture; no GL context is needed.
TEST(GvResources, EverySetHasTheFramesTheRulesExpect) {
    GvResources resources;
    const auto& counts = GvFrameChoice::standardCounts();
    for (int i = 0; i < kImageCount; ++i) {
        const auto image = static_cast<GvImage>(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(resources.frameCount(image), counts[static_cast<std::size_t>(i)]);
        // Tiles that repeat across runs keep a texture per frame.
        if (OrbTextureSet* set = resources.imageSet(image)) {
            EXPECT_EQ(set->size(), counts[static_cast<std::size_t>(i)]);
            EXPECT_EQ((*set)[0].width(), 128);
            EXPECT_EQ((*set)[0].height(), 128);
        }
    }
    for (const GvImage tile :
         {GvImage::dirt, GvImage::amoeba, GvImage::slime, GvImage::brickWall, GvImage::steelWall}) {
        EXPECT_NE(resources.imageSet(tile), nullptr);
    }
    EXPECT_EQ(resources.renderer().counts(), counts);
    EXPECT_EQ(resources.buttons().size(), 2);
    EXPECT_EQ(resources.logo().width(), 1024);
    EXPECT_EQ(resources.logo().height(), 256);
    EXPECT_EQ(resources.solid().pixels(), std::vector<unsigned char>{255});
}

TEST(GvResources, ColourConstantsAreGammaConverted) {
    const OrbColor c = GvResources::makeColour(0.5f, 1.0f, 0.0f, 0.25f);
    EXPECT_NEAR(c.r, std::pow(0.5f, 2.2f / 2.4f), 1e-6f);
    EXPECT_FLOAT_EQ(c.g, 1.0f);
    EXPECT_FLOAT_EQ(c.b, 0.0f);
    EXPECT_FLOAT_EQ(c.a, 0.25f);
}

TEST(GvResources, ProjectionsExistBeforeAnyWindow) {
    GvResources resources;
    resources.resize(1600, 900);
    EXPECT_EQ(resources.clientWidth(), 1600);
    // 16:9 is wider than 1.4: menus are 100 units high.
    EXPECT_FLOAT_EQ(resources.projection(OrbProjectionMenu).canvas().height, 100.0f);
    EXPECT_EQ(resources.projection(OrbProjectionGameFull).viewportHeight(), 900);
    EXPECT_EQ(resources.projectionInUse(), 0);
}

TEST(GvResources, PlaceholderWithoutRenderingFillsTheWholeTarget) {
    GvResources resources;
    auto target = GvResources::makePreviewTarget();
    EXPECT_EQ(target->width(), GvResources::kPreviewWidth);
    EXPECT_EQ(target->height(), GvResources::kPreviewHeight);
    // Never acquired, so it cannot render: every pixel takes the colour.
    GvCaveDef cave(1, 10, 10);
    resources.drawPlaceholder(cave, OrbColor{1.0f, 0.5f, 0.0f, 1.0f}, *target);
    const auto& pixels = target->pixels();
    ASSERT_EQ(pixels.size(), std::size_t(512) * 256 * 4);
    for (std::size_t i = 0; i < pixels.size(); i += 4) {
        if (pixels[i] != 255 || pixels[i + 1] != 127 || pixels[i + 2] != 0 ||
            pixels[i + 3] != 255) {
            FAIL() << "pixel " << i / 4 << " is not the placeholder colour";
        }
    }
}
