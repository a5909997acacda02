#include "sim/GvBombObject.h"
#include "sim/GvExplosionObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

static const GvExplosionObject* explosionAt(const GvWorld& world, int col, int row) {
    return dynamic_cast<const GvExplosionObject*>(world.cellAt(col, row));
}

// A butterfly touching the player: the explosion is made in tick 1, fades in
// tick 2 and 3, hands over its diamonds in tick 4, and they act from tick 5.
// Steel and the in box survive; the game waits before play so the box stays.
TEST(GvExplosionStages, BlockBurnsForThreeTicksThenLeavesItsRemains) {
    GvWorld world;
    makeCave(world, ".....\n"
                    ".P8@.\n"
                    "..W..\n"
                    "     \n");
    world.pre_game_ticks = 100;
    EXPECT_EQ(stepCave(world), ".***.\n.P**.\n.*W*.\n     \n");
    EXPECT_TRUE(world.events[11]);
    const GvExplosionObject* centre = explosionAt(world, 2, 1);
    ASSERT_NE(centre, nullptr);
    EXPECT_EQ(centre->stage, 0);
    EXPECT_EQ(centre->remains->kind(), GvObjectKind::diamond);
    EXPECT_FLOAT_EQ(centre->remains->opacity(), 0.0f);
    EXPECT_TRUE(world.isStamped(2, 1)) << "made in this tick, so it waits";

    stepCave(world);
    EXPECT_EQ(centre->stage, 1);
    EXPECT_FLOAT_EQ(centre->frame(), 1.0f / 3.0f);
    EXPECT_FLOAT_EQ(centre->opacity(), 1.0f);

    // Tick 3 and half a tick of its animation: the explosion fades out while
    // the remains fade and grow in; the frame follows the tick fraction.
    world.advance(0.5);
    EXPECT_EQ(GvWorldText::format(world), ".***.\n.P**.\n.*W*.\n     \n");
    EXPECT_EQ(centre->stage, 2);
    EXPECT_FLOAT_EQ(centre->stage_fraction, 0.5f);
    EXPECT_FLOAT_EQ(centre->frame(), 2.5f / 3.0f);
    EXPECT_FLOAT_EQ(centre->opacity(), 0.5f);
    EXPECT_FLOAT_EQ(centre->remains->opacity(), 0.5f);
    world.advance(0.5);
    EXPECT_FLOAT_EQ(centre->opacity(), 0.0f);
    EXPECT_FLOAT_EQ(centre->remains->opacity(), 1.0f);
    EXPECT_FLOAT_EQ(centre->remains->scale(), 1.0f);

    EXPECT_EQ(stepCave(world), ".ddd.\n.Pdd.\n.dWd.\n     \n");
    EXPECT_EQ(stepCave(world), ".ddd.\n.Pdd.\n. W .\n D D \n");
}

TEST(GvExplosionStages, LaterExplosionRestartsOverlappingCells) {
    GvWorld world;
    makeCave(world, "WWWWWWW\n"
                    "W     W\n"
                    "WWWWWWW\n");
    stepCave(world);
    world.explode(2, 1, GvObjectKind::diamond);
    EXPECT_EQ(stepCave(world), "WWWWWWW\nW***  W\nWWWWWWW\n");
    world.explode(4, 1, GvObjectKind::space);
    EXPECT_EQ(explosionAt(world, 3, 1)->remains->kind(), GvObjectKind::space);
    EXPECT_EQ(explosionAt(world, 3, 1)->stage, 0);
    // The first explosion's own cells hand over their diamonds on time; the
    // shared cell burns on with the second explosion's remains.
    EXPECT_EQ(stepCave(world, 2), "WWWWWWW\nWdd***W\nWWWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWWWW\nWdd   W\nWWWWWWW\n");
}

// Bombs caught in an explosion are lit, not destroyed, and go off one fuse
// length later at their own turn, leaving space.
TEST(GvExplosionBombs, ChainGoesOffOneFuseLengthApart) {
    GvWorld world;
    makeCave(world, "WWWWWW\n"
                    "WcbbbW\n"
                    "WWWWWW\n");
    world.bomb_ticks = 4;
    const auto* second = dynamic_cast<const GvBombObject*>(world.cellAt(2, 1));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(stepCave(world, 3), "WWWWWW\nWcbbbW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWWW\nW*cbbW\nWWWWWW\n");
    EXPECT_EQ(second->fuse_end, 8);
    EXPECT_EQ(stepCave(world, 3), "WWWWWW\nW cbbW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWWW\nW**cbW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world, 3), "WWWWWW\nW  cbW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWWW\nW **cW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world, 3), "WWWWWW\nW   cW\nWWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWWW\nW  **W\nWWWWWW\n");
    EXPECT_EQ(world.tick_count, 16);
}

TEST(GvExplosionBombs, BombAtTheCentreIsReplaced) {
    GvWorld world;
    makeCave(world, "b\n");
    world.explode(0, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "*\n");
}

TEST(GvExplosionBlock, SurvivorsAndEdges) {
    GvWorld world;
    // Steel and the in box are left alone unless at the centre.
    makeCave(world, "WP.\n.d.\nr.W\n");
    world.pre_game_ticks = 100;
    world.explode(1, 1, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "WP*\n***\n**W\n");
    world.explode(1, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "W**\n***\n**W\n");

    // Beyond a non-wrapping edge the block is cut off; with wrapping it reaches
    // round to the other side.
    makeCave(world, "....\n....\n....\n");
    world.explode(0, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "**..\n**..\n....\n");
    makeCave(world, "....\n....\n....\n", GvPhysics::gravik_1, GvWrapMode::all);
    world.explode(0, 0, GvObjectKind::space);
    EXPECT_EQ(GvWorldText::format(world), "**.*\n**.*\n**.*\n");
}

TEST(GvExplosionBlock, DetachedExplosionLeavesItsCellAlone) {
    GvWorld world;
    makeCave(world, "..\n");
    stepCave(world);
    GvExplosionObject loose(nullptr);
    loose.tick(world, 1, 0, 0, true);
    loose.tick(world, 1, 0, 0, true);
    loose.tick(world, 1, 0, 0, true);
    EXPECT_EQ(loose.stage, 3);
    EXPECT_NE(loose.remains, nullptr) << "only an explosion in the grid hands over";
    EXPECT_FALSE(world.isStamped(1, 0));
    EXPECT_EQ(GvWorldText::format(world), "..\n");
}
