#include "levelpack/GvUnpackGrid.h"

#include "LevelpackTestSupport.h"

#include <gtest/gtest.h>

using T = GvPackedObjectType;

TEST(GvUnpackGrid, StartsAsSpaceWithStyleZeroAndNoFiller) {
    const GvUnpackGrid grid(3, 2);
    EXPECT_EQ(gridPicture(grid), "   \n   \n");
    EXPECT_EQ(grid.styleAt(2, 1), 0);
    EXPECT_EQ(grid.fillerType(), 0);
    EXPECT_EQ(grid.fillerStyle(), 0);
}

TEST(GvUnpackGrid, SetCellClipsAndSkipsNone) {
    GvUnpackGrid grid(3, 2);
    grid.setCell(0, 0, T::dirt);
    grid.setCell(-1, 0, T::boulder);
    grid.setCell(0, -1, T::boulder);
    grid.setCell(3, 0, T::boulder);
    grid.setCell(0, 2, T::boulder);
    grid.setCell(1LL << 40, 1, T::boulder);
    grid.setCell(2, 1, T::diamond);
    grid.setCell(2, 1, T::none);
    EXPECT_EQ(gridPicture(grid), ".  \n  d\n");
}

TEST(GvUnpackGrid, CellTakesTheStyleInForceWhenDrawn) {
    GvUnpackGrid grid(3, 1);
    grid.setCell(0, 0, T::brick_wall);
    grid.setStyleOfType(T::brick_wall, 3);
    grid.setCell(1, 0, T::brick_wall);
    grid.setCell(2, 0, T::dirt);
    EXPECT_EQ(grid.styleAt(0, 0), 0);
    EXPECT_EQ(grid.styleAt(1, 0), 3);
    EXPECT_EQ(grid.styleAt(2, 0), 0);

    // Redrawing an old cell gives it the current style.
    grid.setCell(0, 0, T::brick_wall);
    EXPECT_EQ(grid.styleAt(0, 0), 3);
}
