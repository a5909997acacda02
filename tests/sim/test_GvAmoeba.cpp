#include "sim/GvAmoebaObject.h"
#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvObjectFactory.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

#include <string>

TEST(GvAmoebaGrowth, NoChanceMeansNoGrowthButOneDrawPerCellAndTick) {
    GvWorld world;
    makeCave(world, "WWWWWW\nWa   W\nW a  W\nWWWWWW\n");
    world.amoeba_chance = 0;
    world.amoeba_fast_chance = 0;
    world.random.state = 123;
    GvGamePlayRandomStream expected(123);
    for (int i = 0; i < 10; ++i)
        expected.next();
    EXPECT_EQ(stepCave(world, 5), "WWWWWW\nWa   W\nW a  W\nWWWWWW\n");
    EXPECT_EQ(world.random.state, expected.state);
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::amoeba);
    EXPECT_TRUE(world.events[9]);
}

TEST(GvAmoebaGrowth, GrowsIntoTheDrawnNeighbourOnly) {
    static const int kSteps[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    bool seen[4] = {false, false, false, false};
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        GvGamePlayRandomStream draws(seed);
        const std::uint32_t chance = draws.next() & 0xffu;
        const int direction = int(draws.next() & 3u);
        seen[direction] = true;
        if (chance == 255)
            continue;
        std::string expected = "...\n.a.\n...\n";
        expected[std::size_t((1 + kSteps[direction][0]) + (1 + kSteps[direction][1]) * 4)] = 'a';

        GvWorld world;
        makeCave(world, "...\n.a.\n...\n");
        world.random.state = seed;
        world.amoeba_chance = world.amoeba_fast_chance = 255;
        EXPECT_EQ(stepCave(world), expected);
        // The new piece was written in this tick, so it made no draw of its own.
        EXPECT_EQ(world.random.state, draws.state);
        // The dirt shrinks away from the amoeba; the new piece is revealed from it.
        ASSERT_EQ(world.vanish[0].size(), 1u);
        EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::dirt);
        const auto* grown = dynamic_cast<const GvAmoebaObject*>(
            world.cellAt(1 + kSteps[direction][0], 1 + kSteps[direction][1]));
        ASSERT_NE(grown, nullptr);
        EXPECT_TRUE(grown->revealing);
        EXPECT_EQ(grown->clip_dx, kSteps[direction][0]);
        EXPECT_EQ(grown->clip_dy, kSteps[direction][1]);
    }
    EXPECT_TRUE(seen[0] && seen[1] && seen[2] && seen[3]) << "pick seeds covering every direction";
}

TEST(GvAmoebaGrowth, ChanceIsAStrictThreshold) {
    GvGamePlayRandomStream draws(77);
    const int low = int(draws.next() & 0xffu);
    ASSERT_LT(low, 255);
    for (int chance : {low, low + 1}) {
        SCOPED_TRACE(chance);
        GvWorld world;
        // Every neighbour is space, so any drawn direction grows.
        makeCave(world, "   \n a \n   \n");
        world.random.state = 77;
        world.amoeba_chance = world.amoeba_fast_chance = std::uint8_t(chance);
        stepCave(world);
        int cells = 0;
        for (char c : GvWorldText::format(world))
            cells += c == 'a' ? 1 : 0;
        EXPECT_EQ(cells, chance > low ? 2 : 1);
    }
}

TEST(GvAmoebaGrowth, EdgeOfTheCaveIsNoWayOut) {
    GvWorld world;
    makeCave(world, "a \n");
    world.random.state = 5;
    world.amoeba_chance = world.amoeba_fast_chance = 200;
    std::string picture;
    for (int i = 0; i < 60 && picture != "dd\n"; ++i)
        picture = stepCave(world);
    EXPECT_EQ(picture, "dd\n");
}

TEST(GvAmoebaConversion, EnclosedAmoebaTurnsIntoDiamondsEvenWithoutChance) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        makeCave(world, "WWWW\nWaaW\nW.WW\n", physics);
        world.amoeba_chance = world.amoeba_fast_chance = 0;
        world.random.state = 9;
        // Dirt below counts as room to grow.
        EXPECT_EQ(stepCave(world), "WWWW\nWaaW\nW.WW\n");
        EXPECT_EQ(world.amoeba_fate, GvObjectKind::amoeba);

        world.placeObject(1, 2, createObjectOfKind(GvObjectKind::steel_wall));
        EXPECT_EQ(stepCave(world), "WWWW\nWaaW\nWWWW\n");
        EXPECT_EQ(world.amoeba_fate, GvObjectKind::diamond);
        EXPECT_FALSE(world.events[9]);
        const std::uint32_t before = world.random.state;
        EXPECT_EQ(stepCave(world), "WWWW\nWddW\nWWWW\n");
        EXPECT_EQ(world.random.state, before) << "converting draws nothing";
        EXPECT_EQ(world.vanish[0].size(), 2u) << "the amoeba fades out";
        // The diamond fades in over its first tick and acts from the next.
        EXPECT_FLOAT_EQ(world.cellAt(1, 1)->opacity(), 1.0f);
        EXPECT_FALSE(world.cellAt(1, 1)->isFalling());
    }
}

TEST(GvAmoebaConversion, AmoebaAtItsSizeLimitTurnsIntoBoulders) {
    GvWorld world;
    makeCave(world, "WWWWWW\nWaa  W\nWWWWWW\n");
    world.amoeba_chance = world.amoeba_fast_chance = 0;
    world.amoeba_size_limit = 3;
    EXPECT_EQ(stepCave(world), "WWWWWW\nWaa  W\nWWWWWW\n");
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::amoeba) << "one below the limit lives on";

    world.amoeba_size_limit = 2;
    EXPECT_EQ(stepCave(world), "WWWWWW\nWaa  W\nWWWWWW\n");
    EXPECT_EQ(world.amoeba_fate, GvObjectKind::boulder);
    EXPECT_EQ(stepCave(world), "WWWWWW\nWrr  W\nWWWWWW\n");
}

TEST(GvAmoebaConversion, CellEmptiedInThisTickIsNoRoomUnderEitherPhysics) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        // The boulder falls away first; the amoeba may not use its old cell yet.
        makeCave(world, "raW\n WW\n", physics);
        world.amoeba_chance = world.amoeba_fast_chance = 255;
        EXPECT_EQ(stepCave(world), " aW\nRWW\n");
        EXPECT_EQ(world.amoeba_fate, GvObjectKind::diamond);
        EXPECT_EQ(stepCave(world), " dW\nrWW\n");
    }
}
