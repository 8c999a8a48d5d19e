// Arranging several areas: their bounds lined up, spread, or given one size.
#include "model/Arrangement.h"

#include "model/CMapData.h"

#include <gtest/gtest.h>

namespace
{

CMapData Box(int shape, int l, int t, int r, int b)
{
    CMapData a;
    a.m_shape = shape;
    a.m_points = {{l, t}, {r, t}, {r, b}, {l, b}};
    a.BuildRegion();
    return a;
}

std::vector<Rect> BoundsAfter(arrangement::Kind kind, const std::vector<CMapData>& areas,
                              arrangement::Reference reference = arrangement::Reference::Extent)
{
    std::vector<const CMapData*> pointers;
    for (const CMapData& a : areas)
        pointers.push_back(&a);
    std::vector<Rect> out;
    for (const PointList& points : arrangement::Arrange(kind, pointers, reference)) {
        CMapData moved;
        moved.m_points = points;
        out.push_back(moved.Bounds());
    }
    return out;
}

} // namespace

TEST(Arrangement, EachKindMovesTheBounds)
{
    using arrangement::Kind;
    const std::vector<CMapData> areas = {Box(ShapeRect, 10, 10, 30, 40), Box(ShapeRect, 50, 20, 100, 30),
                                         Box(ShapeRect, 200, 5, 210, 15)};
    struct Row {
        Kind kind;
        std::vector<Rect> bounds;
    };
    const Row rows[] = {
        {Kind::AlignLeft, {{10, 10, 30, 40}, {10, 20, 60, 30}, {10, 5, 20, 15}}},
        {Kind::AlignRight, {{190, 10, 210, 40}, {160, 20, 210, 30}, {200, 5, 210, 15}}},
        {Kind::AlignTop, {{10, 5, 30, 35}, {50, 5, 100, 15}, {200, 5, 210, 15}}},
        {Kind::AlignBottom, {{10, 10, 30, 40}, {50, 30, 100, 40}, {200, 30, 210, 40}}},
        {Kind::AlignCentresHorizontally, {{100, 10, 120, 40}, {85, 20, 135, 30}, {105, 5, 115, 15}}},
        {Kind::AlignCentresVertically, {{10, 7, 30, 37}, {50, 17, 100, 27}, {200, 17, 210, 27}}},
        // From 10 to 210 the three take 80: the two gaps are 60 each.
        {Kind::DistributeHorizontally, {{10, 10, 30, 40}, {90, 20, 140, 30}, {200, 5, 210, 15}}},
        {Kind::SameWidth, {{10, 10, 30, 40}, {50, 20, 70, 30}, {200, 5, 220, 15}}},
        {Kind::SameHeight, {{10, 10, 30, 40}, {50, 20, 100, 50}, {200, 5, 210, 35}}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BoundsAfter(row.kind, areas), row.bounds) << static_cast<int>(row.kind);
}

// Spread along the axis by their centres' order, not the list's.
TEST(Arrangement, DistributingFollowsTheAxisOrder)
{
    const std::vector<CMapData> areas = {Box(ShapeRect, 0, 100, 10, 110), Box(ShapeRect, 0, 0, 10, 10),
                                         Box(ShapeRect, 0, 20, 10, 30)};
    const std::vector<Rect> bounds = BoundsAfter(arrangement::Kind::DistributeVertically, areas);
    EXPECT_EQ(bounds[1], (Rect{0, 0, 10, 10}));
    EXPECT_EQ(bounds[2], (Rect{0, 50, 10, 60}));
    EXPECT_EQ(bounds[0], (Rect{0, 100, 10, 110}));
}

// Once the user has chosen the area to follow, edges and centres line up on
// its own; spreading and sizes are as ever.
TEST(Arrangement, AChosenReferenceIsWhatTheOthersLineUpOn)
{
    using arrangement::Kind;
    const std::vector<CMapData> areas = {Box(ShapeRect, 50, 20, 100, 30), Box(ShapeRect, 10, 10, 30, 40),
                                         Box(ShapeRect, 200, 5, 210, 15)};
    struct Row {
        Kind kind;
        std::vector<Rect> bounds;
    };
    const Row rows[] = {
        {Kind::AlignLeft, {{50, 20, 100, 30}, {50, 10, 70, 40}, {50, 5, 60, 15}}},
        {Kind::AlignRight, {{50, 20, 100, 30}, {80, 10, 100, 40}, {90, 5, 100, 15}}},
        {Kind::AlignTop, {{50, 20, 100, 30}, {10, 20, 30, 50}, {200, 20, 210, 30}}},
        {Kind::AlignBottom, {{50, 20, 100, 30}, {10, 0, 30, 30}, {200, 20, 210, 30}}},
        {Kind::AlignCentresHorizontally, {{50, 20, 100, 30}, {65, 10, 85, 40}, {70, 5, 80, 15}}},
        {Kind::AlignCentresVertically, {{50, 20, 100, 30}, {10, 10, 30, 40}, {200, 20, 210, 30}}},
        {Kind::SameWidth, {{50, 20, 100, 30}, {10, 10, 60, 40}, {200, 5, 250, 15}}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(BoundsAfter(row.kind, areas, arrangement::Reference::First), row.bounds)
            << static_cast<int>(row.kind);
}

// A circle keeps its centre and its box square; a polygon is stretched along the axis.
TEST(Arrangement, ShapesStayTheirShape)
{
    CMapData triangle;
    triangle.m_shape = ShapePoly;
    triangle.m_points = {{0, 0}, {20, 0}, {10, 10}};
    const std::vector<CMapData> areas = {Box(ShapeRect, 0, 0, 40, 40), Box(ShapeCirc, 100, 100, 120, 120), triangle};
    std::vector<const CMapData*> pointers = {&areas[0], &areas[1], &areas[2]};
    const auto points = arrangement::Arrange(arrangement::Kind::SameWidth, pointers);
    EXPECT_EQ(points[1], (std::vector<Point>{{90, 90}, {130, 90}, {130, 130}, {90, 130}}));
    const auto heights = arrangement::Arrange(arrangement::Kind::SameHeight, {&areas[2], &areas[1]});
    EXPECT_EQ(heights[1], (std::vector<Point>{{105, 105}, {115, 105}, {115, 115}, {105, 115}}));
    EXPECT_EQ(points[2], (std::vector<Point>{{0, 0}, {40, 0}, {20, 10}}));
    EXPECT_EQ(arrangement::FewestAreas(arrangement::Kind::DistributeHorizontally), 3);
}
