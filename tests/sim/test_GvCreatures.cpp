#include "sim/GvButterflyObject.h"
#include "sim/GvCreatureRules.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

static const GvPhysics kBothPhysics[] = {GvPhysics::gravik_1, GvPhysics::retro};

// Picture characters: firefly '2' '1' '4' '3' and butterfly '6' '5' '8' '7' for
// direction indices 0..3.

TEST(GvCreatureMoves, FireflyCirclesCounterClockwiseInOpenSpace) {
    for (GvPhysics physics : kBothPhysics) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        // Heading left (index 1): down, right, up, left, and back where it started.
        makeCave(world, "    \n 1  \n    \n    \n", physics);
        EXPECT_EQ(stepCave(world), "    \n    \n 4  \n    \n");
        EXPECT_EQ(stepCave(world), "    \n    \n  3 \n    \n");
        EXPECT_EQ(stepCave(world), "    \n  2 \n    \n    \n");
        EXPECT_EQ(stepCave(world), "    \n 1  \n    \n    \n");
        // Each left turn spins the look by a quarter, fixed at the next tick.
        const auto* firefly = dynamic_cast<const GvFireflyObject*>(world.cellAt(1, 1));
        ASSERT_NE(firefly, nullptr);
        EXPECT_FLOAT_EQ(firefly->spin, 90.0f);
    }
}

TEST(GvCreatureMoves, ButterflyCirclesClockwiseInOpenSpace) {
    for (GvPhysics physics : kBothPhysics) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        // Placed heading down (index 2): left first, then up, right, down.
        makeCave(world, "    \n  8 \n    \n    \n", physics);
        EXPECT_EQ(stepCave(world), "    \n 5  \n    \n    \n");
        EXPECT_EQ(stepCave(world), " 6  \n    \n    \n    \n");
        EXPECT_EQ(stepCave(world), "  7 \n    \n    \n    \n");
        EXPECT_EQ(stepCave(world), "    \n  8 \n    \n    \n");
    }
}

TEST(GvCreatureMoves, FollowsAWallAndTurnsInPlaceInADeadEnd) {
    GvWorld world;
    // Heading left along a floor: the left turn (down) is blocked, so straight on.
    makeCave(world, "    1\nWWWWW\n");
    EXPECT_EQ(stepCave(world), "   1 \nWWWWW\n");
    // A butterfly heading left (index 1, up) under a ceiling keeps going left too.
    makeCave(world, "WWWWW\n    5\n");
    EXPECT_EQ(stepCave(world, 2), "WWWWW\n  5  \n");

    // Walled in on all sides, both kinds turn a quarter per tick and stay put:
    // the firefly to the right, the butterfly to the left.
    makeCave(world, "WWWWW\nW1W8W\nWWWWW\n");
    const std::vector<std::string> rows = {"W2W7W", "W3W6W", "W4W5W", "W1W8W"};
    for (const std::string& row : rows)
        EXPECT_EQ(stepCave(world), "WWWWW\n" + row + "\nWWWWW\n");
    EXPECT_TRUE(world.isStamped(1, 1)) << "turning in place stamps the cell";

    // The edges of a cave without wrapping are walls as well.
    makeCave(world, "1\n");
    EXPECT_EQ(stepCave(world), "2\n");
    EXPECT_EQ(stepCave(world), "3\n");
}

TEST(GvCreatureMoves, StepsAcrossAWrappingEdge) {
    GvWorld world;
    // Heading up (index 0 steps left first) from column 0 lands in the last column.
    makeCave(world, "2   \n", GvPhysics::gravik_1, GvWrapMode::horizontal);
    EXPECT_EQ(stepCave(world), "   1\n");
    makeCave(world, "2   \n", GvPhysics::gravik_1, GvWrapMode::none);
    // Without wrapping: left and up are missing, so it turns right in place.
    EXPECT_EQ(stepCave(world), "3   \n");
}

TEST(GvCreatureMoves, CellLeftInThisTickIsOpenOnlyUnderRetro) {
    // The upper firefly moves left first; the lower one then wants to move up
    // into the cell it left.
    const char* cave = "WWWWW\nW 2 W\nWW3WW\nWWWWW\n";
    GvWorld world;
    makeCave(world, cave, GvPhysics::gravik_1);
    EXPECT_EQ(stepCave(world), "WWWWW\nW1  W\nWW4WW\nWWWWW\n");
    makeCave(world, cave, GvPhysics::retro);
    EXPECT_EQ(stepCave(world), "WWWWW\nW12 W\nWW WW\nWWWWW\n");
}

TEST(GvCreatureTouch, TouchingThePlayerExplodesTheCreature) {
    GvWorld world;
    // A firefly leaves space; the player in the block is destroyed with it.
    makeCave(world, "WWWWWW\nW 2@ W\nWWWWWW\n");
    world.pre_game_ticks = 100;
    EXPECT_EQ(stepCave(world), "WWWWWW\nW*** W\nWWWWWW\n");
    EXPECT_TRUE(world.events[11]);
    EXPECT_EQ(stepCave(world, 3), "WWWWWW\nW    W\nWWWWWW\n");

    // A butterfly leaves a diamond in every cell of the block, the player's too.
    makeCave(world, "   \n@6 \n   \n");
    world.pre_game_ticks = 100;
    EXPECT_EQ(stepCave(world), "***\n***\n***\n");
    EXPECT_EQ(stepCave(world, 3), "ddd\nddd\nddd\n");
}

TEST(GvCreatureTouch, AmoebaCountsUnlessTheCreaturesCellIsWritten) {
    GvWorld world;
    // The firefly explodes at its turn; the amoeba inside the block goes with it.
    makeCave(world, "WWWWW\nW2aaW\nWWWWW\n");
    EXPECT_EQ(stepCave(world), "WWWWW\nW**aW\nWWWWW\n");

    // Amoeba is ignored while the creature's own cell is written in this tick;
    // a doll or the player counts even then.
    makeCave(world, "1a\n");
    world.tick_count = 5;
    world.stampCell(0, 0);
    EXPECT_FALSE(GvCreatureRules::touchTest(world, 0, 0, GvObjectKind::space));
    EXPECT_EQ(GvWorldText::format(world), "1a\n");
    makeCave(world, "1a\n");
    world.tick_count = 5;
    EXPECT_TRUE(GvCreatureRules::touchTest(world, 0, 0, GvObjectKind::space));
    EXPECT_EQ(GvWorldText::format(world), "**\n");
    makeCave(world, "1F\n");
    world.tick_count = 5;
    world.stampCell(0, 0);
    EXPECT_TRUE(GvCreatureRules::touchTest(world, 0, 0, GvObjectKind::space));
    EXPECT_EQ(GvWorldText::format(world), "**\n");
}

TEST(GvCreatureTouch, NeighboursThatDoNotTrigger) {
    GvWorld world;
    // Other creatures, dirt, walls, boulders, the in box and the exit leave it be.
    makeCave(world, "W.r\nP1X\nw5d\n");
    world.pre_game_ticks = 100;
    EXPECT_FALSE(GvCreatureRules::touchTest(world, 1, 1, GvObjectKind::space));
    EXPECT_FALSE(world.events[11]);
    EXPECT_EQ(GvWorldText::format(world), "W.r\nP1X\nw5d\n");
}

// A whole cave: the player hatches, waits, and the firefly patrolling the
// corridor reaches it and kills it; the game ends with the player gone.
TEST(GvCreatureCave, FireflyKillsThePlayerAndTheGameEnds) {
    GvWorld world;
    makeCave(world, "WWWWWWWWW\n"
                    "WP     2W\n"
                    "WWWWWWWWW\n");
    world.pre_game_ticks = 2;
    world.game_ticks = 1000;
    world.findPlayer();

    EXPECT_EQ(stepCave(world, 2), "WWWWWWWWW\nWP   1  W\nWWWWWWWWW\n");
    EXPECT_EQ(world.state, GvWorldState::PreGame);
    EXPECT_EQ(stepCave(world), "WWWWWWWWW\nW@  1   W\nWWWWWWWWW\n");
    EXPECT_EQ(world.state, GvWorldState::Playing);
    EXPECT_EQ(stepCave(world, 2), "WWWWWWWWW\nW@1     W\nWWWWWWWWW\n");
    EXPECT_FALSE(world.events[11]);

    // Tick 6: the firefly finds the player on its left.
    EXPECT_EQ(stepCave(world), "WWWWWWWWW\nW***    W\nWWWWWWWWW\n");
    EXPECT_TRUE(world.events[11]);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    EXPECT_EQ(stepCave(world, 3), "WWWWWWWWW\nW       W\nWWWWWWWWW\n");
    // The player was last met in tick 6; four ticks without it end the game.
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::Playing);
    stepCave(world);
    EXPECT_EQ(world.state, GvWorldState::PlayerGone);
    EXPECT_EQ(world.tick_count, 11);
}

TEST(GvCreatureLooks, ButterflyWingsBeatWithRealTime) {
    GvButterflyObject butterfly(0);
    const float phases[] = {0.0f, 0.175f, 0.35f, 0.525f, 0.69f, 0.7f, 0.95f};
    const float openings[] = {0.0f, 0.5f, 1.0f, 0.5f, 0.0286f, 0.0f, 0.0f};
    for (int i = 0; i < 7; ++i) {
        butterfly.flutter_phase = phases[i];
        EXPECT_NEAR(butterfly.wingOpening(), openings[i], 0.001f) << "phase " << phases[i];
    }
    // The phase runs at the flutter rate per second and wraps into [0, 1).
    GvWorld world;
    butterfly.flutter_phase = 0.9f;
    butterfly.flutter_rate = 2.0f;
    butterfly.animate(world, 0.5f, 0.1f);
    EXPECT_NEAR(butterfly.flutter_phase, 0.1f, 1e-5f);
    butterfly.animate(world, 0.5f, -0.3f);
    EXPECT_GE(butterfly.flutter_phase, 0.0f);
    EXPECT_LT(butterfly.flutter_phase, 1.0f);
}

TEST(GvCreatureLooks, FireflySpinsAQuarterPerTurn) {
    GvWorld world;
    makeCave(world, "WWW\nW1W\nWWW\n");
    auto* firefly = dynamic_cast<GvFireflyObject*>(world.cellAt(1, 1));
    ASSERT_NE(firefly, nullptr);
    EXPECT_FLOAT_EQ(firefly->angle(), 90.0f) << "starts at its direction times 90";
    stepCave(world);
    // Turning right in place spins back a quarter over the tick.
    EXPECT_FLOAT_EQ(firefly->spin, -90.0f);
    EXPECT_FLOAT_EQ(firefly->spin_target, 0.0f);
    stepCave(world);
    EXPECT_FLOAT_EQ(firefly->angle(), 270.0f);
}
