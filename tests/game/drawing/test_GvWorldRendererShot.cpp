#include "game/drawing/GvShotRenderer.h"

#include "graphics/GlTestWindow.h"
#include "graphics/OrbPngWriter.h"
#include "graphics/OrbViewImplSingle.h"
#include "levelpack/GvLevelPack.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"
#include "standard/GvStandardPack.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// One renderer (one window, one upload of every picture) for all tests here.
class ShotTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!OrbViewImplSingle::displayAvailable()) {
            return;
        }
        renderer = new GvShotRenderer();
        std::string error;
        opened = renderer->open(error);
        openError = error;
    }
    static void TearDownTestSuite() {
        delete renderer;
        renderer = nullptr;
    }
    void SetUp() override {
        if (renderer == nullptr) {
            GRAVIK_SKIP_WITHOUT("No display: drawing tests need one; run them under xvfb-run");
        }
        ASSERT_TRUE(opened) << openError;
    }

    static bool anyLit(const GvShotRenderer::Picture& picture) {
        for (std::size_t i = 0; i + 3 < picture.rgba.size(); i += 4) {
            if (picture.rgba[i] > 16 || picture.rgba[i + 1] > 16 || picture.rgba[i + 2] > 16) {
                return true;
            }
        }
        return false;
    }

    // The largest channel difference between two cells of a picture.
    static int cellDifference(const GvShotRenderer::Picture& p, int tile, int colA, int rowA,
                              int colB, int rowB) {
        int worst = 0;
        for (int y = 0; y < tile; ++y) {
            for (int x = 0; x < tile * 4; ++x) {
                const auto at = [&](int col, int row) {
                    return int(p.rgba[(static_cast<std::size_t>(row * tile + y) * p.width +
                                       static_cast<std::size_t>(col * tile)) *
                                          4 +
                                      static_cast<std::size_t>(x)]);
                };
                worst = std::max(worst, std::abs(at(colA, rowA) - at(colB, rowB)));
            }
        }
        return worst;
    }

    static GvShotRenderer* renderer;
    static bool opened;
    static std::string openError;
};

GvShotRenderer* ShotTest::renderer = nullptr;
bool ShotTest::opened = false;
std::string ShotTest::openError;

} // namespace

TEST_F(ShotTest, EveryStandardLevelDrawsAtItsSize) {
    const auto pack = loadStandardPack();
    ASSERT_TRUE(pack);
    ASSERT_GT(pack->levelCount(), 0);
    for (int level = 0; level < pack->levelCount(); ++level) {
        SCOPED_TRACE("level " + pack->levelCode(level));
        GvWorld world;
        ASSERT_TRUE(pack->buildLevel(level, world));
        GvShotRenderer::Picture picture;
        std::string error;
        ASSERT_TRUE(renderer->drawWorld(world, 16, picture, error)) << error;
        const int cols = world.has_view ? world.view_width : world.width;
        const int rows = world.has_view ? world.view_height : world.height;
        EXPECT_EQ(picture.width, cols * 16);
        EXPECT_EQ(picture.height, rows * 16);
        EXPECT_TRUE(anyLit(picture));
        EXPECT_FALSE(
            OrbPngWriter::encode(picture.rgba.data(), picture.width, picture.height).empty());

        GvShotRenderer::Picture preview;
        ASSERT_TRUE(renderer->drawPreview(*pack, level, preview, error)) << error;
        EXPECT_EQ(preview.width, 512);
        EXPECT_EQ(preview.height, 256);
        EXPECT_TRUE(anyLit(preview));
    }
}

TEST_F(ShotTest, LargePicturesJoinWithoutSeams) {
    // 40 cells of 64 pixels cross the 1024-pixel pieces the picture is drawn in.
    GvWorld world;
    std::string row(40, 'W');
    GvWorldText::parse(world, row + "\n" + row + "\n" + row + "\n");
    GvShotRenderer::Picture picture;
    std::string error;
    ASSERT_TRUE(renderer->drawWorld(world, 64, picture, error)) << error;
    ASSERT_EQ(picture.width, 2560);
    // Cell 15 ends and cell 16 starts at the first seam; cell 32 straddles none.
    EXPECT_LE(cellDifference(picture, 64, 15, 1, 1, 1), 2);
    EXPECT_LE(cellDifference(picture, 64, 16, 1, 1, 1), 2);
    EXPECT_LE(cellDifference(picture, 64, 32, 1, 1, 1), 2);
    EXPECT_TRUE(anyLit(picture));
    // Top row first: the first pixel row is the top edge of row 0.
    EXPECT_EQ(picture.rgba[3], 255);
}

TEST_F(ShotTest, RefusesPicturesItCannotMake) {
    GvWorld world;
    GvWorldText::parse(world, "WWWW\n");
    GvShotRenderer::Picture picture;
    std::string error;
    EXPECT_FALSE(renderer->drawWorld(world, 0, picture, error));
    EXPECT_FALSE(renderer->drawWorld(world, GvShotRenderer::kMaxPictureSide / 2, picture, error));
    EXPECT_NE(error.find("smaller tile"), std::string::npos);
    // Within the side limit but too many pixels in all.
    GvWorld large;
    large.reset(100, 100, GvWrapMode::none);
    error.clear();
    EXPECT_FALSE(renderer->drawWorld(large, 100, picture, error));
    EXPECT_NE(error.find("10000 x 10000"), std::string::npos) << error;

    const auto pack = loadStandardPack();
    ASSERT_TRUE(pack);
    EXPECT_FALSE(renderer->drawPreview(*pack, pack->levelCount(), picture, error));
    EXPECT_FALSE(renderer->drawPreview(*pack, -1, picture, error));
}

TEST(GvShotRenderer, DrawsNothingBeforeItIsOpen) {
    GvShotRenderer renderer;
    GvWorld world;
    GvShotRenderer::Picture picture;
    std::string error;
    EXPECT_FALSE(renderer.drawWorld(world, 16, picture, error));
    EXPECT_FALSE(error.empty());
}
