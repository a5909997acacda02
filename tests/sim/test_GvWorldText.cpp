#include "sim/GvWorldText.h"

#include "sim/GvBombObject.h"
#include "sim/GvButterflyObject.h"
#include "sim/GvFireflyObject.h"
#include "sim/GvGrowingWallObject.h"
#include "sim/GvWorld.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(GvWorldText, EveryCharacterRoundTrips) {
    const std::string picture = "WWWWWWWWWWWWWWWW\n"
                                "W.rRdDbBcCwMVHGW\n"
                                "W2143 6587asPX*W\n"
                                "W@F            W\n"
                                "WWWWWWWWWWWWWWWW\n";
    GvWorld world;
    GvWorldText::parse(world, picture);
    EXPECT_EQ(world.width, 16);
    EXPECT_EQ(world.height, 5);
    EXPECT_EQ(GvWorldText::format(world), picture);
}

TEST(GvWorldText, CharactersBuildTheRightObjects) {
    GvWorld world;
    GvWorldText::parse(world, "cCRb\n2143\n6587\nVHG \n");
    auto* lit = dynamic_cast<GvBombObject*>(world.cellAt(0, 0));
    ASSERT_NE(lit, nullptr);
    EXPECT_GE(lit->fuse_end, 0);
    EXPECT_FALSE(lit->isFalling());
    EXPECT_TRUE(world.cellAt(1, 0)->isFalling());
    EXPECT_TRUE(world.cellAt(2, 0)->isFalling());
    EXPECT_EQ(world.cellAt(2, 0)->kind(), GvObjectKind::boulder);
    EXPECT_EQ(dynamic_cast<GvBombObject*>(world.cellAt(3, 0))->fuse_end, -1);
    for (int i = 0; i < 4; ++i) {
        const auto* firefly = dynamic_cast<GvFireflyObject*>(world.cellAt(i, 1));
        ASSERT_NE(firefly, nullptr);
        const auto* butterfly = dynamic_cast<GvButterflyObject*>(world.cellAt(i, 2));
        ASSERT_NE(butterfly, nullptr);
        // Direction indices 0..3 are drawn 2 1 4 3 and 6 5 8 7.
        EXPECT_EQ(firefly->direction, i) << i;
        EXPECT_EQ(butterfly->direction, i) << i;
    }
    EXPECT_EQ(dynamic_cast<GvGrowingWallObject*>(world.cellAt(0, 3))->mask, 1);
    EXPECT_EQ(dynamic_cast<GvGrowingWallObject*>(world.cellAt(1, 3))->mask, 2);
    EXPECT_EQ(dynamic_cast<GvGrowingWallObject*>(world.cellAt(2, 3))->mask, 3);
}

TEST(GvWorldText, RaggedRowsArePaddedAndNewlineIsOptional) {
    GvWorld world;
    GvWorldText::parse(world, "W\nWWW\nWW", GvWrapMode::stepped);
    EXPECT_EQ(world.width, 3);
    EXPECT_EQ(world.height, 3);
    EXPECT_EQ(world.wrap, GvWrapMode::stepped);
    EXPECT_EQ(GvWorldText::format(world), "W  \nWWW\nWW \n");
    GvWorldText::parse(world, "r.\r\n.r\r\n");
    EXPECT_EQ(GvWorldText::format(world), "r.\n.r\n");
}

TEST(GvWorldText, UnknownCharacterThrowsAndLeavesWorldAlone) {
    GvWorld world;
    GvWorldText::parse(world, "rr\nrr\n");
    try {
        GvWorldText::parse(world, "W W\nWqW\n");
        FAIL() << "no exception";
    } catch (const std::invalid_argument& error) {
        const std::string message = error.what();
        EXPECT_NE(message.find("'q'"), std::string::npos) << message;
        EXPECT_NE(message.find("column 1, row 1"), std::string::npos) << message;
    }
    EXPECT_EQ(GvWorldText::format(world), "rr\nrr\n");
    EXPECT_THROW(GvWorldText::parse(world, "\t"), std::invalid_argument);
}

TEST(GvWorldText, EmptyPictureGivesEmptyWorld) {
    GvWorld world;
    GvWorldText::parse(world, "");
    EXPECT_EQ(world.width, 0);
    EXPECT_EQ(world.height, 0);
    EXPECT_EQ(GvWorldText::format(world), "");
}
