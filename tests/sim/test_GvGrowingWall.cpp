#include "sim/GvGrowingWallObject.h"
#include "sim/GvWorld.h"
#include "sim/GvWorldText.h"

#include "CaveSteps.h"

#include <gtest/gtest.h>

TEST(GvGrowingWall, FillsACorridorOneCellPerTickEachWay) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        makeCave(world, "WWWWWWW\nW  H  W\nWWWWWWW\n", physics);
        world.cellAt(3, 1)->setStyle(4);
        EXPECT_EQ(stepCave(world), "WWWWWWW\nW HHH W\nWWWWWWW\n");
        EXPECT_TRUE(world.events[12]);
        EXPECT_EQ(world.cellAt(2, 1)->style(), 4);
        EXPECT_EQ(stepCave(world), "WWWWWWW\nWHHHHHW\nWWWWWWW\n");
        EXPECT_TRUE(world.events[12]);
        EXPECT_EQ(world.cellAt(1, 1)->style(), 4);
        EXPECT_EQ(stepCave(world), "WWWWWWW\nWHHHHHW\nWWWWWWW\n");
        EXPECT_FALSE(world.events[12]);
    }
}

TEST(GvGrowingWall, MaskChoosesTheDirections) {
    GvWorld world;
    makeCave(world, "     \n     \n  V  \n     \n     \n");
    EXPECT_EQ(stepCave(world), "     \n  V  \n  V  \n  V  \n     \n");
    EXPECT_EQ(stepCave(world), "  V  \n  V  \n  V  \n  V  \n  V  \n");

    // Pieces written in this tick neither grow nor are grown into again, so the
    // cross widens into a diamond shape.
    makeCave(world, "     \n     \n  G  \n     \n     \n");
    EXPECT_EQ(stepCave(world), "     \n  G  \n GGG \n  G  \n     \n");
    EXPECT_EQ(stepCave(world), "  G  \n GGG \nGGGGG\n GGG \n  G  \n");
}

TEST(GvGrowingWall, NewPiecesAreRevealedFromTheirParent) {
    GvWorld world;
    makeCave(world, "   \n H \n   \n");
    stepCave(world);
    const auto* left = dynamic_cast<const GvGrowingWallObject*>(world.cellAt(0, 1));
    const auto* right = dynamic_cast<const GvGrowingWallObject*>(world.cellAt(2, 1));
    ASSERT_NE(left, nullptr);
    ASSERT_NE(right, nullptr);
    EXPECT_TRUE(left->revealing);
    EXPECT_EQ(left->clip_dx, -1);
    EXPECT_EQ(right->clip_dx, 1);
    EXPECT_EQ(right->mask, 2);
    stepCave(world);
    EXPECT_FALSE(right->revealing);
    EXPECT_FALSE(right->isClipped());
}

TEST(GvGrowingWall, OnlyIntoSpaceNotWrittenInThisTick) {
    for (GvPhysics physics : {GvPhysics::gravik_1, GvPhysics::retro}) {
        SCOPED_TRACE(physicsName(physics));
        GvWorld world;
        // The firefly leaves its cell first; the wall may take it only next tick.
        makeCave(world, "WWWWW\nW 2HW\nWWWWW\n", physics);
        EXPECT_EQ(stepCave(world), "WWWWW\nW1 HW\nWWWWW\n");
        EXPECT_EQ(stepCave(world), "WWWWW\nW2HHW\nWWWWW\n");

        makeCave(world, "W.H.W\n", physics);
        EXPECT_EQ(stepCave(world, 2), "W.H.W\n");
        EXPECT_FALSE(world.events[12]);
    }
}

// A wall with nowhere to grow sits out its ticks; it must still take space that
// opens beside it later: after its turn in the same tick, after ticks of rest,
// across the wrap.
TEST(GvGrowingWall, GrowsIntoSpaceThatOpensAfterItWasBlocked) {
    struct Case {
        const char* name;
        GvWrapMode wrap;
        const char* start;
        int restTicks;
        int takeCol; // the cell emptied after the rest, or -1
        int takeRow;
        const char* after1;
        const char* after2;
    };
    const Case cases[] = {
        {"freed below later in the tick", GvWrapMode::none, "WWW\nWVW\nWrW\nW W\nWWW\n", 0, -1, -1,
         "WWW\nWVW\nW W\nWRW\nWWW\n", "WWW\nWVW\nWVW\nWrW\nWWW\n"},
        {"freed after resting", GvWrapMode::none, "WWWWW\nWwGrW\nWWWWW\n", 3, 3, 1,
         "WWWWW\nWwGGW\nWWWWW\n", "WWWWW\nWwGGW\nWWWWW\n"},
        {"freed across the wrap", GvWrapMode::horizontal, "HWr\nWWW\n", 3, 2, 0, "HWH\nWWW\n",
         "HWH\nWWW\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GvWorld world;
        makeCave(world, c.start, GvPhysics::gravik_1, c.wrap);
        EXPECT_EQ(stepCave(world, c.restTicks), c.start);
        if (c.takeCol >= 0) {
            world.takeObject(c.takeCol, c.takeRow);
        }
        EXPECT_EQ(stepCave(world), c.after1);
        EXPECT_EQ(stepCave(world), c.after2);
    }
}
