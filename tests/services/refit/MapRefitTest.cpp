#include "services/refit/MapRefit.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace
{

CMapData Area(int shape, PointList points)
{
    CMapData area;
    area.m_shape = shape;
    area.m_points = std::move(points);
    return area;
}

PointList Box(int left, int top, int right, int bottom)
{
    return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

struct Carrying {
    const char* name;
    int shape;
    PointList points;
    PictureTransform t;
    PointList expected;
};

void PrintTo(const Carrying& c, std::ostream* os)
{
    *os << c.name;
}

class CarriedTest : public ::testing::TestWithParam<Carrying>
{
};

TEST_P(CarriedTest, GivesItsPoints)
{
    const Carrying& c = GetParam();
    EXPECT_EQ(maprefit::Carried(Area(c.shape, c.points), c.t, {400, 300}), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CarriedTest,
    ::testing::Values(
        Carrying{"rectHalved", ShapeRect, Box(10, 20, 110, 70), PictureTransform::ScaleShift(0.5, 0.5),
                 Box(5, 10, 55, 35)},
        // Halves round away from zero: 10 * 0.25 = 2.5 becomes 3.
        Carrying{"rectRounded", ShapeRect, Box(10, 20, 110, 70), PictureTransform::ScaleShift(0.25, 0.25),
                 Box(3, 5, 28, 18)},
        Carrying{"rectStretched", ShapeRect, Box(10, 20, 110, 70), PictureTransform::ScaleShift(2, 0.5, -5, 3),
                 Box(15, 13, 215, 38)},
        // Turned, a rectangle keeps its sides along the picture's: its centre
        // turns about (0, 0) to (0, 60), its size stays.
        Carrying{"rectTurned", ShapeRect, Box(50, -10, 70, 10), PictureTransform::Rotation(90, 0, 0),
                 Box(-10, 50, 10, 70)},
        // Circle (50, 50) radius 20: its centre to (25, 100), its radius by the mean of 0.5 and 2.
        Carrying{"circle", ShapeCirc, Box(30, 30, 70, 70), PictureTransform::ScaleShift(0.5, 2), Box(0, 75, 50, 125)},
        Carrying{"polygon", ShapePoly, PointList{{0, 0}, {10, 3}, {7, 9}}, PictureTransform::ScaleShift(1.5, 1.5, 1, 1),
                 PointList{{1, 1}, {16, 6}, {12, 15}}},
        // The DEFAULT area covers the new picture, whatever the transform.
        Carrying{"default", ShapeDefault, PointList{{0, 0}, {800, 600}}, PictureTransform::ScaleShift(3, 3),
                 PointList{{0, 0}, {400, 300}}},
        // Carried beyond the range of coordinates, a point stays at its end.
        Carrying{"farOff", ShapePoly, PointList{{std::numeric_limits<std::int32_t>::max(), -5}},
                 PictureTransform::ScaleShift(16, 1), PointList{{std::numeric_limits<std::int32_t>::max(), -5}}}),
    [](const ::testing::TestParamInfo<Carrying>& info) { return info.param.name; });

TEST(MapRefitTest, WhollyOutsideIsNoPointOnThePicture)
{
    const DisplaySize picture{100, 80};
    EXPECT_TRUE(maprefit::WhollyOutside(ShapeRect, Box(-50, 10, 0, 40), picture)); // touching the left edge
    EXPECT_TRUE(maprefit::WhollyOutside(ShapeRect, Box(10, 80, 40, 90), picture));
    EXPECT_TRUE(maprefit::WhollyOutside(ShapePoly, PointList{{120, 0}, {130, 10}, {125, 40}}, picture));
    EXPECT_FALSE(maprefit::WhollyOutside(ShapeRect, Box(-50, 10, 1, 40), picture));
    EXPECT_FALSE(maprefit::WhollyOutside(ShapeCirc, Box(90, 70, 110, 90), picture));
    EXPECT_FALSE(maprefit::WhollyOutside(ShapeDefault, PointList{{500, 500}, {600, 600}}, picture));
}

struct PlanTest : ::testing::Test {
    AppSettings settings;
    CZephyrmapDoc doc{settings};

    void SetUp() override
    {
        doc.SetAttribute(AttrWidth, "800");
        doc.SetAttribute(AttrHeight, "600");
        for (PointList points : {Box(100, 100, 300, 200), Box(700, 500, 790, 590)}) {
            auto area = std::make_unique<CMapData>(Area(ShapeRect, points));
            doc.AppendArea(std::move(area));
        }
        doc.EnsureDefaultArea();
    }
};

// Cropped to the top-left quarter: the second rectangle is left outside.
TEST_F(PlanTest, SaysWhichAreasFallOutsideAndTakesTheNewSize)
{
    const maprefit::Plan plan = maprefit::PlanFor(doc, PictureTransform(), {800, 600}, {400, 300}, "/pics/crop.png");
    EXPECT_EQ(plan.replacement.path, "/pics/crop.png");
    EXPECT_EQ(plan.replacement.width, "400");
    EXPECT_EQ(plan.replacement.height, "300");
    EXPECT_FALSE(plan.sizeKept);
    ASSERT_EQ(plan.replacement.areas.size(), 3u);
    EXPECT_EQ(plan.replacement.areas[0].first, doc.AreaAt(0)); // the DEFAULT area, first in the list
    EXPECT_EQ(plan.replacement.areas[0].second, (PointList{{0, 0}, {400, 300}}));
    EXPECT_EQ(plan.outside, std::vector<int>{2});
}

// WIDTH and HEIGHT that are not the old picture's size are the page's own: they stay.
TEST_F(PlanTest, KeepsAWidthAndHeightOfItsOwn)
{
    doc.SetAttribute(AttrWidth, "100%");
    const maprefit::Plan plan =
        maprefit::PlanFor(doc, PictureTransform::ScaleShift(0.5, 0.5), {800, 600}, {400, 300}, "/pics/half.png");
    EXPECT_TRUE(plan.sizeKept);
    EXPECT_EQ(plan.replacement.width, "100%");
    EXPECT_EQ(plan.replacement.height, "600");
}

TEST_F(PlanTest, EmptyWidthAndHeightFollowThePicture)
{
    doc.SetAttribute(AttrWidth, "");
    doc.SetAttribute(AttrHeight, "");
    const maprefit::Plan plan = maprefit::PlanFor(doc, PictureTransform(), {800, 600}, {810, 610}, "/pics/x.png");
    EXPECT_EQ(plan.replacement.width, "810");
    EXPECT_EQ(plan.replacement.height, "610");
    EXPECT_TRUE(plan.outside.empty());
}

// The plan itself changes nothing: the document applies it.
TEST_F(PlanTest, ChangesNothingOfTheMap)
{
    maprefit::PlanFor(doc, PictureTransform::ScaleShift(2, 2), {800, 600}, {1600, 1200}, "/pics/x.png");
    EXPECT_EQ(doc.AreaAt(1)->m_points, Box(100, 100, 300, 200));
    EXPECT_EQ(doc.Width(), "800");
}

} // namespace
