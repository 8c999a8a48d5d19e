#include "check/CoverageGrid.h"

#include <gtest/gtest.h>

namespace
{

HitRegion Box(int left, int top, int right, int bottom)
{
    return HitRegion::MakePolygon({{left, top}, {right, top}, {right, bottom}, {left, bottom}});
}

using Reach = CoverageGrid::Reach;

} // namespace

TEST(CoverageGrid, ReachedCoveredOrOutside)
{
    CoverageGrid grid(200, 100);
    EXPECT_EQ(grid.Cover(Box(0, 0, 130, 10)), Reach::Reached); // across two 64-bit words
    EXPECT_EQ(grid.Cover(Box(63, 0, 65, 10)), Reach::Covered);
    EXPECT_EQ(grid.Cover(Box(129, 9, 131, 10)), Reach::Reached); // one pixel left
    EXPECT_EQ(grid.Cover(Box(129, 9, 131, 10)), Reach::Covered);
    EXPECT_EQ(grid.Cover(Box(200, 0, 210, 10)), Reach::Outside);
    EXPECT_EQ(grid.Cover(Box(-10, -10, 0, 50)), Reach::Outside);
    EXPECT_EQ(grid.Cover(HitRegion()), Reach::Outside);
    EXPECT_EQ(grid.Cover(Box(190, 90, 300, 300)), Reach::Reached); // partly on the grid
    EXPECT_TRUE(grid.AnyUncovered());
    EXPECT_EQ(grid.Cover(Box(0, 0, 200, 100)), Reach::Reached);
    EXPECT_FALSE(grid.AnyUncovered());
    EXPECT_EQ(grid.Cover(HitRegion::MakeEllipse({0, 0, 200, 100})), Reach::Covered);
}

// A picture larger than the grid: what reaches past the cut is reachable.
TEST(CoverageGrid, LargerPicturesAreCut)
{
    CoverageGrid grid(100000, 50);
    EXPECT_EQ(grid.Cover(Box(0, 0, CoverageGrid::kLargestSide, 50)), Reach::Reached);
    EXPECT_EQ(grid.Cover(Box(10, 10, 20, 20)), Reach::Covered);
    EXPECT_EQ(grid.Cover(Box(10, 10, 90000, 20)), Reach::Reached);
    EXPECT_TRUE(grid.AnyUncovered());
    CoverageGrid empty(0, 0);
    EXPECT_EQ(empty.Cover(Box(0, 0, 10, 10)), Reach::Outside);
    EXPECT_FALSE(empty.AnyUncovered());
}
