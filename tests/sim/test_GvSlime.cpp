#include "sim/GvGamePlayRandomStream.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

#include <string>

TEST(GvSlime, FullPermeabilityLetsRestingBouldersAndDiamondsThrough) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        makeCave(world, "r\ns\n \n", physics);
        world.slime_permeability = 65536;
        EXPECT_EQ(stepCave(world), " \ns\nR\n");
        // A look-alike sinks into the slime while the boulder comes out below.
        ASSERT_EQ(world.vanish[0].size(), 1u);
        EXPECT_EQ(world.vanish[0][0].object->kind(), GvObjectKind::boulder);
        EXPECT_EQ(world.vanish[0][0].row, 1);

        makeCave(world, "d\ns\n \n", physics);
        EXPECT_EQ(stepCave(world), " \ns\nD\n");

        // A falling diamond first stops on the slime at its own turn, and the
        // slime lets it through later in the same tick.
        makeCave(world, "D\ns\n \n", physics);
        EXPECT_EQ(stepCave(world), " \ns\nD\n");
    }
}

TEST(GvSlime, BombsAndOtherThingsStay) {
    GvWorld world;
    makeCave(world, "b.w\nsss\n   \n");
    world.slime_permeability = 65536;
    EXPECT_EQ(stepCave(world, 3), "b.w\nsss\n   \n");
}

TEST(GvSlime, ZeroPermeabilityStillDrawsEveryTick) {
    GvWorld world;
    makeCave(world, "d\ns\n \n");
    world.slime_permeability = 0;
    world.random.state = 42;
    GvGamePlayRandomStream expected(42);
    for (int i = 0; i < 6; ++i)
        expected.next();
    EXPECT_EQ(stepCave(world, 6), "d\ns\n \n");
    EXPECT_EQ(world.random.state, expected.state);
}

TEST(GvSlime, DrawsOnlyWithSpaceBelowAndBothNeighboursPresent) {
    GvWorld world;
    // Nothing above still draws; something below, or no row above, does not.
    makeCave(world, " s \n s.\n s \n  r\n");
    world.slime_permeability = 100;
    world.random.state = 3;
    GvGamePlayRandomStream expected(3);
    expected.next();
    stepCave(world);
    EXPECT_EQ(world.random.state, expected.state);
}

TEST(GvSlime, HalfPermeabilityPassesWhenTheDrawIsBelowIt) {
    int passed = 0;
    const int trials = 64;
    for (std::uint32_t seed = 0; seed < std::uint32_t(trials); ++seed) {
        GvGamePlayRandomStream draw(seed * 7919u);
        const bool passes = (draw.next() & 0xffffu) < 32768u;
        GvWorld world;
        makeCave(world, "d\ns\n \n");
        world.slime_permeability = 32768;
        world.random.state = seed * 7919u;
        EXPECT_EQ(stepCave(world), passes ? " \ns\nD\n" : "d\ns\n \n") << "seed " << seed;
        passed += passes ? 1 : 0;
    }
    // The seeds give both outcomes, so each branch above was checked.
    EXPECT_GT(passed, trials / 4);
    EXPECT_LT(passed, trials * 3 / 4);
}

TEST(GvSlime, PermeabilityIsAStrictThreshold) {
    GvGamePlayRandomStream draw(1234);
    const int low = int(draw.next() & 0xffffu);
    for (int permeability : {low, low + 1}) {
        SCOPED_TRACE(permeability);
        GvWorld world;
        makeCave(world, "r\ns\n \n");
        world.slime_permeability = permeability;
        world.random.state = 1234;
        EXPECT_EQ(stepCave(world), permeability > low ? " \ns\nR\n" : "r\ns\n \n");
    }
}

TEST(GvSlime, ObjectWrittenAboveInThisTickWaitsOnlyUnderGravik1) {
    // The enclosed amoeba turns into a diamond in tick 2, right above the slime.
    const char* cave = "WaW\nWsW\nW W\nWWW\n";
    GvWorld world;
    makeCave(world, cave, GvPhysics::gravik_1);
    world.slime_permeability = 65536;
    EXPECT_EQ(stepCave(world, 2), "WdW\nWsW\nW W\nWWW\n");
    EXPECT_EQ(stepCave(world), "W W\nWsW\nWDW\nWWW\n");

    makeCave(world, cave, GvPhysics::retro);
    world.slime_permeability = 65536;
    EXPECT_EQ(stepCave(world, 2), "W W\nWsW\nWDW\nWWW\n");
}
