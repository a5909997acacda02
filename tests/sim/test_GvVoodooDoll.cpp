#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

// The player stands to the right of the doll, so it is scanned after whatever
// destroys the doll and dies in the same tick when its fate is sealed.

TEST(GvVoodooDoll, BombDestroyingTheDollKillsOnlyUnderGravik1) {
    const char* cave = "WWWWWWW\n"
                       "WcF  @W\n"
                       "WWWWWWW\n";
    GvWorld world;
    makeCave(world, cave, GvPhysics::gravik_1);
    EXPECT_EQ(stepCave(world, 3), cave);
    EXPECT_FALSE(world.player_must_die);
    // Tick 4: the bomb destroys the doll, and the player explodes at its turn.
    EXPECT_EQ(stepCave(world), "WWWWWWW\nW** **W\nWWWWWWW\n");
    EXPECT_EQ(stepCave(world, 3), "WWWWWWW\nW     W\nWWWWWWW\n");

    makeCave(world, cave, GvPhysics::retro);
    EXPECT_EQ(stepCave(world, 4), "WWWWWWW\nW**  @W\nWWWWWWW\n");
    EXPECT_FALSE(world.player_must_die);
    EXPECT_EQ(stepCave(world, 3), "WWWWWWW\nW    @W\nWWWWWWW\n");
}

TEST(GvVoodooDoll, CreatureTouchingTheDollKillsUnderBothPhysics) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        // Under gravik_1 the creature's explosion destroys the doll; under retro
        // the touch itself seals the player's fate.
        makeCave(world,
                 "WWWWWWW\n"
                 "W2FW@ W\n"
                 "WWWWWWW\n",
                 physics);
        EXPECT_EQ(stepCave(world), "WWWWWWW\nW**W**W\nWWWWWWW\n");
        EXPECT_TRUE(world.player_must_die);
    }
}

TEST(GvVoodooDoll, DollAloneDoesNothing) {
    GvWorld world;
    makeCave(world, "   \n F \n   \n");
    EXPECT_EQ(stepCave(world, 5), "   \n F \n   \n");
    EXPECT_FALSE(world.player_must_die);
    EXPECT_FALSE(world.events[11]);
}
