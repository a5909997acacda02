#include "game/GvCamera.h"

#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

// A cave of w x h dirt with the player at (col, row).
static void makeCave(GvWorld& world, int w, int h, int col, int row,
                     GvWrapMode wrap = GvWrapMode::none) {
    std::string picture;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < w; ++c) {
            picture += (c == col && r == row) ? '@' : '.';
        }
        picture += '\n';
    }
    GvWorldText::parse(world, picture, wrap);
    world.findPlayer();
    world.tick_rate = 6.0f;
}

TEST(GvCamera, ScrollingCaveOnAWideAreaShowsTwelveRows) {
    GvWorld world;
    makeCave(world, 40, 22, 3, 3);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    EXPECT_FLOAT_EQ(camera.viewHeight, 12.0f);
    EXPECT_NEAR(camera.viewWidth, 19.2f, 1e-4f);
    EXPECT_NEAR(camera.minCameraX, 9.6f, 1e-4f);
    EXPECT_NEAR(camera.maxCameraX, 40.0f - 9.6f, 1e-4f);
    EXPECT_FLOAT_EQ(camera.minCameraY, 6.0f);
    EXPECT_FLOAT_EQ(camera.maxCameraY, 16.0f);

    // A tall area keeps twelve columns instead.
    camera.updateViewSize(world, 0.5f, 1.0f);
    EXPECT_FLOAT_EQ(camera.viewWidth, 12.0f);
    EXPECT_FLOAT_EQ(camera.viewHeight, 24.0f);
    // The cave is lower than the view now: centred vertically.
    EXPECT_FLOAT_EQ(camera.minCameraY, 11.0f);
    EXPECT_FLOAT_EQ(camera.maxCameraY, 11.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 11.0f);
}

TEST(GvCamera, FullPresentationFitsTheWholeCave) {
    GvWorld world;
    makeCave(world, 10, 5, 1, 1);
    world.presentation = GvPresentation::full;
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    // Width decides: ten columns fill the width, the height shows a little more.
    EXPECT_FLOAT_EQ(camera.viewWidth, 10.0f);
    EXPECT_FLOAT_EQ(camera.viewHeight, 6.25f);
    EXPECT_FLOAT_EQ(camera.minCameraX, 5.0f);
    EXPECT_FLOAT_EQ(camera.maxCameraX, 5.0f);
    EXPECT_FLOAT_EQ(camera.minCameraY, 2.5f);

    // A narrow area: height decides.
    camera.updateViewSize(world, 1.0f, 1.0f);
    EXPECT_FLOAT_EQ(camera.viewWidth, 10.0f);
    EXPECT_FLOAT_EQ(camera.viewHeight, 10.0f);
    world.presentation = GvPresentation::full;
    camera.updateViewSize(world, 3.0f, 1.0f);
    EXPECT_FLOAT_EQ(camera.viewHeight, 5.0f);
    EXPECT_FLOAT_EQ(camera.viewWidth, 15.0f);
}

TEST(GvCamera, SmallCaveStaysCentredWhileThePlayerMoves) {
    GvWorld world;
    makeCave(world, 6, 4, 0, 0);
    world.pre_game_ticks = 0;
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.place(world);
    EXPECT_FLOAT_EQ(camera.cameraX, 3.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 2.0f);
    for (int col = 0; col < 6; ++col) {
        world.player_col = col;
        world.player_row = col % 4;
        camera.follow(world, 0.5f, false, 0);
        EXPECT_FLOAT_EQ(camera.cameraX, 3.0f);
        EXPECT_FLOAT_EQ(camera.cameraY, 2.0f);
    }
    // Scrolling by hand cannot move it either.
    camera.follow(world, 1.0f, true, kInputLeft | kInputUp);
    EXPECT_FLOAT_EQ(camera.cameraX, 3.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 2.0f);
}

TEST(GvCamera, StartsFarFromThePlayerAndWithinReachOfHim) {
    GvWorld world;
    makeCave(world, 60, 40, 50, 5);
    world.pre_game_ticks = 8; // reach 6 tiles
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.wrapOffsetX = 7;
    camera.place(world);
    // Right half: from the left edge, pulled to 50 - 6. Upper half: from the
    // bottom, pulled to 5 + 6.
    EXPECT_FLOAT_EQ(camera.cameraX, 44.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 11.0f);
    EXPECT_FLOAT_EQ(camera.targetX, 44.0f);
    EXPECT_FLOAT_EQ(camera.targetY, 11.0f);
    EXPECT_EQ(camera.wrapOffsetX, 0);

    // Without a pre-game the camera starts on the player, clamped to the limits.
    world.pre_game_ticks = 0;
    camera.place(world);
    EXPECT_FLOAT_EQ(camera.cameraX, 50.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 6.0f);
}

TEST(GvCamera, FollowsWhenThePlayerNearsTheEdgeAtOneTilePerTick) {
    GvWorld world;
    makeCave(world, 60, 40, 30, 20);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f); // 19.2 x 12: margins 7.2 and 3.6
    camera.cameraX = camera.targetX = 30.0f;
    camera.cameraY = camera.targetY = 20.0f;
    // The player's centre (30.5, 20.5) is well inside: the camera stays.
    camera.follow(world, 0.1f, false, 0);
    EXPECT_FLOAT_EQ(camera.cameraX, 30.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 20.0f);

    // Near the right edge: heads there at 6 tiles per second, full speed from afar.
    world.player_col = 37; // |37.5 - 30| + 0.5 = 8 > 7.2
    camera.follow(world, 0.1f, false, 0);
    EXPECT_FLOAT_EQ(camera.targetX, 37.5f);
    EXPECT_NEAR(camera.cameraX, 30.6f, 1e-5f);
    EXPECT_FLOAT_EQ(camera.cameraY, 20.0f);

    // Within two tiles of the target it slows by sqrt(d / 2).
    camera.cameraX = 36.5f;
    camera.follow(world, 0.1f, false, 0);
    EXPECT_NEAR(camera.cameraX, 36.5f + 0.6f * std::sqrt(0.5f), 1e-5f);
    // And never overshoots.
    camera.cameraX = 37.45f;
    camera.follow(world, 0.1f, false, 0);
    EXPECT_FLOAT_EQ(camera.cameraX, 37.5f);

    // A target past the cave's edge is clamped to the limit.
    world.player_col = 59;
    camera.follow(world, 0.1f, false, 0);
    EXPECT_NEAR(camera.targetX, 60.0f - 9.6f, 1e-4f);
}

TEST(GvCamera, ViewAdjustScrollsWithTheArrowsFirstNamedWinning) {
    GvWorld world;
    makeCave(world, 60, 40, 30, 20);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.cameraX = camera.targetX = 30.0f;
    camera.cameraY = camera.targetY = 20.0f;
    camera.follow(world, 0.5f, true, kInputLeft | kInputRight | kInputDown);
    EXPECT_FLOAT_EQ(camera.cameraX, 24.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 26.0f);
    EXPECT_FLOAT_EQ(camera.targetX, 24.0f);
    EXPECT_FLOAT_EQ(camera.targetY, 26.0f);
    camera.follow(world, 0.25f, true, kInputUp | kInputDown | kInputRight);
    EXPECT_FLOAT_EQ(camera.cameraX, 27.0f);
    EXPECT_FLOAT_EQ(camera.cameraY, 23.0f);
    // Clamped at the limits.
    camera.follow(world, 10.0f, true, kInputLeft | kInputUp);
    EXPECT_NEAR(camera.cameraX, 9.6f, 1e-4f);
    EXPECT_FLOAT_EQ(camera.cameraY, 6.0f);
}

TEST(GvCamera, WrappingCavesFollowTheNearestCopyOfThePlayer) {
    GvWorld world;
    makeCave(world, 30, 40, 1, 20, GvWrapMode::horizontal);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.cameraX = camera.targetX = 24.0f;
    camera.cameraY = camera.targetY = 20.0f;
    camera.follow(world, 0.1f, false, 0);
    // The copy one cave width to the right is nearer than the player himself.
    EXPECT_FLOAT_EQ(camera.targetX, 31.5f);
    EXPECT_NEAR(camera.cameraX, 24.6f, 1e-5f);

    // The same cave without wrapping heads left and stops at the limit.
    GvWorld flat;
    makeCave(flat, 30, 40, 1, 20);
    GvCamera still;
    still.updateViewSize(flat, 1.6f, 1.0f);
    still.cameraX = still.targetX = 18.0f;
    still.cameraY = still.targetY = 20.0f;
    still.follow(flat, 0.1f, false, 0);
    EXPECT_NEAR(still.targetX, 9.6f, 1e-4f);
    EXPECT_NEAR(still.cameraX, 17.4f, 1e-5f);
}

TEST(GvCamera, WrapNormalisationCountsWholeCavesAndStepsRows) {
    GvWorld world;
    makeCave(world, 30, 20, 1, 1, GvWrapMode::horizontal);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.cameraX = 30.4f;
    camera.targetX = 31.5f;
    camera.cameraY = camera.targetY = 10.0f;
    camera.clampAndWrap(world);
    EXPECT_NEAR(camera.cameraX, 0.4f, 1e-5f);
    EXPECT_NEAR(camera.targetX, 1.5f, 1e-5f);
    EXPECT_EQ(camera.wrapOffsetX, 30);
    EXPECT_FLOAT_EQ(camera.cameraY, 10.0f);
    EXPECT_EQ(camera.wrapOffsetY, 0);
    camera.cameraX = -61.0f;
    camera.clampAndWrap(world);
    EXPECT_NEAR(camera.cameraX, 29.0f, 1e-5f);
    EXPECT_EQ(camera.wrapOffsetX, 30 - 90);

    // Stepped caves continue a row lower past the right edge, a row higher past
    // the left one; the vertical axis wraps too.
    GvWorld stepped;
    makeCave(stepped, 30, 20, 1, 1, GvWrapMode::stepped);
    GvCamera s;
    s.updateViewSize(stepped, 1.6f, 1.0f);
    s.cameraX = s.targetX = 30.5f;
    s.cameraY = s.targetY = 19.5f;
    s.clampAndWrap(stepped);
    EXPECT_NEAR(s.cameraX, 0.5f, 1e-5f);
    EXPECT_NEAR(s.cameraY, 0.5f, 1e-5f);
    EXPECT_NEAR(s.targetY, 0.5f, 1e-5f);
    EXPECT_EQ(s.wrapOffsetX, 30);
    EXPECT_EQ(s.wrapOffsetY, -1 + 20);
    s.cameraX = -0.5f;
    s.clampAndWrap(stepped);
    EXPECT_NEAR(s.cameraX, 29.5f, 1e-5f);
    EXPECT_NEAR(s.cameraY, 19.5f, 1e-5f);
    EXPECT_EQ(s.wrapOffsetX, 0);
    EXPECT_EQ(s.wrapOffsetY, 0);

    // A camera thrown to infinity comes back instead of looping for ever.
    s.cameraX = std::numeric_limits<float>::infinity();
    s.clampAndWrap(stepped);
    EXPECT_TRUE(std::isfinite(s.cameraX));
    EXPECT_GE(s.cameraX, 0.0f);
    EXPECT_LT(s.cameraX, 30.0f);

    // With a visible rectangle or in full presentation a wrapping cave is clamped.
    world.presentation = GvPresentation::full;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.cameraX = 40.0f;
    camera.clampAndWrap(world);
    EXPECT_FLOAT_EQ(camera.cameraX, camera.maxCameraX);
}

TEST(GvCamera, VisibleRangeCoversTheViewWithAMargin) {
    GvWorld world;
    makeCave(world, 40, 22, 3, 3);
    GvCamera camera;
    camera.updateViewSize(world, 1.6f, 1.0f);
    camera.cameraX = 20.0f;
    camera.cameraY = 11.0f;
    GvCamera::Range r = camera.visibleRange(world, true);
    EXPECT_EQ(r.firstCol, 8);
    EXPECT_EQ(r.lastCol, 31);
    EXPECT_EQ(r.firstRow, 3);
    EXPECT_EQ(r.lastRow, 18);

    // At the cave's corner the clamped range stops at the cave, the other does not.
    camera.cameraX = 9.6f;
    camera.cameraY = 6.0f;
    r = camera.visibleRange(world, true);
    EXPECT_EQ(r.firstCol, 0);
    EXPECT_EQ(r.firstRow, 0);
    r = camera.visibleRange(world, false);
    EXPECT_LT(r.firstCol, 0);
    EXPECT_LT(r.firstRow, 0);

    GvWorld wrapped;
    makeCave(wrapped, 40, 22, 3, 3, GvWrapMode::all);
    camera.updateViewSize(wrapped, 1.6f, 1.0f);
    camera.cameraX = 1.0f;
    camera.cameraY = 1.0f;
    r = camera.visibleRange(wrapped, true);
    EXPECT_LT(r.firstCol, 0);
    EXPECT_LT(r.firstRow, 0);
}

TEST(GvCamera, FocusCountsInTheVisibleRectangle) {
    GvWorld world;
    makeCave(world, 20, 20, 12, 9);
    world.has_view = true;
    world.view_left = 10;
    world.view_top = 5;
    world.view_width = 8;
    world.view_height = 8;
    float x = 0.0f;
    float y = 0.0f;
    GvCamera::focusPoint(world, true, x, y);
    EXPECT_FLOAT_EQ(x, 2.5f);
    EXPECT_FLOAT_EQ(y, 4.5f);
    GvCamera::focusPoint(world, false, x, y);
    EXPECT_FLOAT_EQ(x, 2.0f);
    EXPECT_FLOAT_EQ(y, 4.0f);
}
