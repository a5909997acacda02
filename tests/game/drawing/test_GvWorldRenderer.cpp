#include "game/drawing/GvWorldRenderer.h"

#include "test_GvWorldRendererSupport.h"

#include "sim/GvBoulderObject.h"
#include "sim/GvDiamondObject.h"
#include "sim/GvDirtObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvMagicWallObject.h"
#include "sim/GvPackedObjectType.h"
#include "sim/GvPlayerObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <gtest/gtest.h>

namespace {

// The whole cave in view, the camera on its centre.
GvWorldRenderer::View wholeCave(const GvWorld& world) {
    GvWorldRenderer::View view;
    view.cameraX = world.width / 2.0f;
    view.cameraY = world.height / 2.0f;
    view.firstCol = 0;
    view.lastCol = world.width - 1;
    view.firstRow = 0;
    view.lastRow = world.height - 1;
    return view;
}

class GvWorldRendererTest : public ::testing::Test {
protected:
    OrbTexture& frame(GvImage image, int f = 0) { return fakes.frame(image, f); }

    FakeImages fakes;
    GvWorldRenderer renderer{fakes.images()};
    GvWorld world;
};

} // namespace

TEST_F(GvWorldRendererTest, EqualWallsInARowBecomeOneStretchedQuad) {
    GvWorldText::parse(world, "www\n");
    renderer.drawGrid(world, wholeCave(world));
    ASSERT_EQ(quadsOf(frame(GvImage::brickWall)), 1);
    const auto v = batchOf(frame(GvImage::brickWall));
    // Three cells wide starting at the left edge of the canvas.
    EXPECT_FLOAT_EQ(v[0].x, -1.5f);
    EXPECT_FLOAT_EQ(v[2].x, 1.5f);
    EXPECT_FLOAT_EQ(v[2].y - v[0].y, 1.0f);
    // Tiled: half a picture per cell, starting at the quarter of column 0, row 0.
    EXPECT_FLOAT_EQ(v[0].u, 0.0f);
    EXPECT_FLOAT_EQ(v[2].u, 1.5f);
    EXPECT_FLOAT_EQ(v[0].v, 0.0f);
    EXPECT_FLOAT_EQ(v[2].v, 0.5f);
}

TEST_F(GvWorldRendererTest, RunsBreakAtMovingOrDifferentObjects) {
    GvWorldText::parse(world, "wrw\nWWM\n");
    // The boulder slides in from the left.
    world.cellAt(1, 0)->setShiftX(-0.5f, 0.5f);
    renderer.drawGrid(world, wholeCave(world));
    EXPECT_EQ(quadsOf(frame(GvImage::brickWall)), 3); // two bricks alone, one magic wall
    EXPECT_EQ(quadsOf(frame(GvImage::boulder, 0)), 1);
    EXPECT_EQ(quadsOf(frame(GvImage::steelWall)), 1); // "WW" merged
    const auto steel = batchOf(frame(GvImage::steelWall));
    EXPECT_FLOAT_EQ(steel[2].x - steel[0].x, 2.0f);
    // Steel walls are not tiled: the picture repeats once per cell.
    EXPECT_FLOAT_EQ(steel[2].u, 2.0f);
    EXPECT_FLOAT_EQ(steel[2].v, 1.0f);
}

TEST_F(GvWorldRendererTest, StylesAndSparklingMagicWallsKeepCellsApart) {
    GvWorldText::parse(world, "wwMM\n");
    world.cellAt(1, 0)->setStyle(2);
    static_cast<GvMagicWallObject*>(world.cellAt(3, 0))->sparkles.push_back({0.1f, 0.2f, 0.1f, 30});
    renderer.drawGrid(world, wholeCave(world));
    EXPECT_EQ(quadsOf(frame(GvImage::brickWall, 0)), 3);
    EXPECT_EQ(quadsOf(frame(GvImage::brickWall, 2)), 1);
    ASSERT_EQ(quadsOf(frame(GvImage::sparkle)), 1);
    // The sparkle is a square of twice its size around the cell centre plus its offset.
    const auto s = batchOf(frame(GvImage::sparkle));
    const float cx = (s[0].x + s[2].x) / 2.0f;
    const float cy = (s[0].y + s[2].y) / 2.0f;
    EXPECT_NEAR(cx, 1.5f + 0.1f, 1e-5f);
    EXPECT_NEAR(cy, 0.0f + 0.2f, 1e-5f);
}

TEST_F(GvWorldRendererTest, TiledObjectsUseTheQuarterOfTheirGridParity) {
    GvDirtObject dirt;
    renderer.drawObject(dirt, world, 1.0f, 0.5f, 0.5f, 3, 4);
    const auto v = batchOf(frame(GvImage::dirt));
    ASSERT_EQ(v.size(), 4u);
    EXPECT_FLOAT_EQ(v[0].u, 0.5f);
    EXPECT_FLOAT_EQ(v[0].v, 0.0f);
    EXPECT_FLOAT_EQ(v[2].u, 1.0f);
    EXPECT_FLOAT_EQ(v[2].v, 0.5f);
}

TEST_F(GvWorldRendererTest, PlacementAddsShiftsAndColourCarriesOpacity) {
    GvPlayerObject player;
    player.setShiftX(0.25f, 0.0f);
    player.setShiftY(0.5f, 0.0f);
    player.opacity_value = 0.4f;
    renderer.drawObject(player, world, 0.8f, 2.5f, 1.5f, 0, 0);
    const auto v = batchOf(frame(GvImage::player, GvArt::playerStandFront));
    ASSERT_EQ(v.size(), 4u);
    // Rows grow downwards, so a positive y shift moves the picture down.
    EXPECT_FLOAT_EQ(v[0].x, 2.25f);
    EXPECT_FLOAT_EQ(v[0].y, 0.5f);
    EXPECT_FLOAT_EQ(v[2].x, 3.25f);
    EXPECT_FLOAT_EQ(v[2].y, 1.5f);
    EXPECT_FLOAT_EQ(v[0].r, 0.8f);
    EXPECT_FLOAT_EQ(v[0].a, 0.4f);
}

TEST_F(GvWorldRendererTest, ClipsCutQuadAndPictureAlike) {
    GvDirtObject dirt;
    dirt.startClip(0.25f, 0.0f, 0.0f, 0.5f);
    renderer.drawObject(dirt, world, 1.0f, 0.5f, 0.5f, 0, 0);
    const auto v = batchOf(frame(GvImage::dirt));
    ASSERT_EQ(v.size(), 4u);
    EXPECT_FLOAT_EQ(v[0].x, 0.25f);
    EXPECT_FLOAT_EQ(v[2].x, 1.0f);
    EXPECT_FLOAT_EQ(v[0].y, 0.0f);
    EXPECT_FLOAT_EQ(v[2].y, 0.5f);
    EXPECT_FLOAT_EQ(v[0].u, 0.125f);
    EXPECT_FLOAT_EQ(v[2].u, 0.5f);
    EXPECT_FLOAT_EQ(v[2].v, 0.25f);

    // Fully hidden: nothing is drawn at all.
    GvDirtObject gone;
    gone.startClip(0.0f, 1.0f, 0.0f, 0.0f);
    renderer.drawObject(gone, world, 1.0f, 0.5f, 0.5f, 0, 0);
    EXPECT_EQ(quadsOf(frame(GvImage::dirt)), 1);
}

TEST_F(GvWorldRendererTest, CollectedDiamondShrinksAboutItsCentreWithItsSparkle) {
    GvDiamondObject diamond;
    diamond.scale_value = 0.5f;
    diamond.sparkling = true;
    diamond.sparkle_seed = 7; // place 0
    diamond.sparkle_life = 0.25f;
    renderer.drawObject(diamond, world, 1.0f, 0.5f, 0.5f, 0, 0);
    const auto v = batchOf(frame(GvImage::diamond, 0));
    ASSERT_EQ(v.size(), 4u);
    EXPECT_FLOAT_EQ(v[0].x, 0.25f);
    EXPECT_FLOAT_EQ(v[2].x, 0.75f);
    const auto s = batchOf(frame(GvImage::sparkle));
    ASSERT_EQ(s.size(), 4u);
    // Side 2 x scale x life; centre on the circle of radius 0.25 x scale.
    const float side = s[2].x - s[0].x;
    EXPECT_NEAR(side, 0.25f, 1e-5f);
    const float cx = (s[0].x + s[2].x) / 2.0f - 0.5f;
    const float cy = (s[0].y + s[2].y) / 2.0f - 0.5f;
    EXPECT_NEAR(std::hypot(cx, cy), 0.125f, 1e-5f);
    EXPECT_NEAR(std::atan2(cy, cx) * 180.0f / 3.1415927f, 0.125f * 360.0f / 7.0f, 1e-3f);
}

TEST_F(GvWorldRendererTest, ExplosionDrawsItsRemainsOverIt) {
    GvExplosionObject explosion(std::make_unique<GvDiamondObject>());
    renderer.drawObject(explosion, world, 1.0f, 0.5f, 0.5f, 0, 0);
    EXPECT_EQ(quadsOf(frame(GvImage::explosion, 0)), 1);
    EXPECT_EQ(quadsOf(frame(GvImage::diamond, 0)), 1);
}

TEST_F(GvWorldRendererTest, MirroredFireflyRunsItsPictureBackwards) {
    GvFireflyObject firefly(3);
    firefly.setAngle(270.0f);
    renderer.drawObject(firefly, world, 1.0f, 0.5f, 0.5f, 0, 0);
    const auto v = batchOf(frame(GvImage::firefly, 5));
    ASSERT_EQ(v.size(), 4u);
    EXPECT_FLOAT_EQ(v[0].u, 1.0f);
    EXPECT_FLOAT_EQ(v[2].u, 0.0f);
}

TEST_F(GvWorldRendererTest, FillerBandOnlyOnAxesThatDoNotWrap) {
    GvWorldText::parse(world, "    \n    \n    \n");
    world.filler_type = static_cast<int>(GvPackedObjectType::steel_wall);
    world.filler_style = 1;
    // Eight columns visible around a four-wide cave: two on each side.
    renderer.drawFiller(world, 1.0f, OrbRect{-2.0f, 0.0f, 8.0f, 3.0f}, 2.0f, 1.5f);
    ASSERT_EQ(quadsOf(frame(GvImage::steelWall, 1)), 2);
    const auto v = batchOf(frame(GvImage::steelWall, 1));
    EXPECT_FLOAT_EQ(v[0].x, -4.0f);
    EXPECT_FLOAT_EQ(v[2].x, -2.0f);
    EXPECT_FLOAT_EQ(v[0].y, -1.5f);
    EXPECT_FLOAT_EQ(v[2].y, 1.5f);
    EXPECT_FLOAT_EQ(v[2].u, 2.0f); // once per cell
    EXPECT_FLOAT_EQ(v[4].x, 2.0f);

    // With horizontal wrapping the side bands go.
    GvWorld wrapped;
    GvWorldText::parse(wrapped, "    \n    \n    \n", GvWrapMode::horizontal);
    wrapped.filler_type = static_cast<int>(GvPackedObjectType::steel_wall);
    renderer.drawFiller(wrapped, 1.0f, OrbRect{-2.0f, 0.0f, 8.0f, 3.0f}, 2.0f, 1.5f);
    EXPECT_EQ(quadsOf(frame(GvImage::steelWall, 0)), 0);

    // "none" draws nothing; boulders are drawn cell by cell.
    world.filler_type = static_cast<int>(GvPackedObjectType::none);
    renderer.drawFiller(world, 1.0f, OrbRect{-2.0f, 0.0f, 8.0f, 3.0f}, 2.0f, 1.5f);
    world.filler_type = static_cast<int>(GvPackedObjectType::boulder);
    renderer.drawFiller(world, 1.0f, OrbRect{-2.0f, 0.0f, 8.0f, 3.0f}, 2.0f, 1.5f);
    EXPECT_EQ(quadsOf(frame(GvImage::boulder, 0)), 12);
    EXPECT_EQ(quadsOf(frame(GvImage::steelWall, 1)), 2);
}

TEST_F(GvWorldRendererTest, TiledFillerContinuesTheGridPattern) {
    GvWorldText::parse(world, "  \n  \n");
    world.filler_type = static_cast<int>(GvPackedObjectType::dirt);
    // One row above and below a two-row cave.
    renderer.drawFiller(world, 1.0f, OrbRect{0.0f, -1.0f, 2.0f, 4.0f}, 1.0f, 1.0f);
    const auto v = batchOf(frame(GvImage::dirt));
    ASSERT_EQ(v.size(), 8u);
    // Top band: row -1 (odd) starts at v 0.5; bottom band: row 2 (even) at 0.
    EXPECT_FLOAT_EQ(v[0].v, 0.5f);
    EXPECT_FLOAT_EQ(v[4].v, 0.0f);
    EXPECT_FLOAT_EQ(v[2].u, 1.0f); // two columns at half a picture each
}

TEST_F(GvWorldRendererTest, VanishRecordsAppearInEveryWrappedCopy) {
    GvWorldText::parse(world, "    \n", GvWrapMode::horizontal);
    world.addVanishing(std::make_unique<GvDirtObject>(), 1, 0, 0);
    GvWorldRenderer::View view = wholeCave(world);
    view.firstCol = -4;
    view.lastCol = 7;
    renderer.drawVanishList(world, view, 0);
    ASSERT_EQ(quadsOf(frame(GvImage::dirt)), 3);
    const auto v = batchOf(frame(GvImage::dirt));
    EXPECT_FLOAT_EQ(v[0].x, -3.0f - 2.0f);
    EXPECT_FLOAT_EQ(v[4].x, 1.0f - 2.0f);
    EXPECT_FLOAT_EQ(v[8].x, 5.0f - 2.0f);
    // Without wrapping only the record itself is drawn.
    GvWorld plain;
    GvWorldText::parse(plain, "    \n");
    plain.addVanishing(std::make_unique<GvDirtObject>(), 1, 0, 1);
    renderer.drawVanishList(plain, wholeCave(plain), 1);
    EXPECT_EQ(quadsOf(frame(GvImage::dirt)), 4);
}

TEST_F(GvWorldRendererTest, WrappedGridRepeatsTheCaveAndItsParity) {
    GvWorldText::parse(world, "w.\n", GvWrapMode::horizontal);
    GvWorldRenderer::View view = wholeCave(world);
    view.firstCol = -2;
    view.lastCol = 3;
    view.wrapOffsetX = 1;
    renderer.drawGrid(world, view);
    EXPECT_EQ(quadsOf(frame(GvImage::brickWall)), 3);
    const auto dirt = batchOf(frame(GvImage::dirt));
    ASSERT_EQ(dirt.size(), 12u);
    // Camera column -1 is grid column 0 after the wrap offset: an even quarter.
    EXPECT_FLOAT_EQ(dirt[0].u, 0.0f);
}

TEST_F(GvWorldRendererTest, VisibleRectangleLimitsTheGrid) {
    GvWorldText::parse(world, "WWWW\nW.dW\nWWWW\n");
    world.has_view = true;
    world.view_left = 1;
    world.view_top = 1;
    world.view_width = 2;
    world.view_height = 1;
    GvWorldRenderer::View view;
    view.cameraX = 1.0f;
    view.cameraY = 0.5f;
    view.firstCol = -1;
    view.lastCol = 2;
    view.firstRow = -1;
    view.lastRow = 1;
    renderer.drawGrid(world, view);
    EXPECT_EQ(quadsOf(frame(GvImage::steelWall)), 0);
    EXPECT_EQ(quadsOf(frame(GvImage::dirt)), 1);
    EXPECT_EQ(quadsOf(frame(GvImage::diamond, 0)), 1);
    const auto v = batchOf(frame(GvImage::dirt));
    EXPECT_FLOAT_EQ(v[0].x, -1.0f);
}
