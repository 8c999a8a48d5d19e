// An area's geometry as typed numbers: what each shape shows, what it takes,
// and what it refuses.
#include "model/GeometryText.h"

#include "model/CMapData.h"
#include "model/SharedAttributes.h"
#include "services/settings/AppSettings.h"

#include <gtest/gtest.h>

#include <random>

namespace
{

CMapData Area(int shape, std::vector<Point> points)
{
    CMapData a;
    a.m_shape = shape;
    a.m_points = points;
    return a;
}

const CMapData kRect = Area(ShapeRect, {{10, 20}, {50, 20}, {50, 50}, {10, 50}});
const CMapData kCircle = Area(ShapeCirc, {{10, 20}, {50, 20}, {50, 60}, {10, 60}});
const CMapData kTriangle = Area(ShapePoly, {{10, 20}, {50, 20}, {50, 50}});

std::string Coords(const CMapData& shape, std::string_view typed)
{
    const geometrytext::Parsed parsed = geometrytext::Parse(shape, typed);
    if (!parsed.points)
        return "refused " + std::to_string(static_cast<int>(parsed.refusal));
    CMapData result = shape;
    result.m_points = *parsed.points;
    return result.FormatCoords();
}

} // namespace

TEST(GeometryText, EachShapeShowsItsNumbers)
{
    EXPECT_EQ(geometrytext::Format(kRect), "10, 20, 40, 30");
    EXPECT_EQ(geometrytext::Format(kCircle), "30, 40, 20");
    EXPECT_EQ(geometrytext::Format(kTriangle), "10,20,50,20,50,50");
    EXPECT_EQ(geometrytext::Format(Area(ShapeDefault, {{0, 0}, {100, 100}})), "");
}

TEST(GeometryText, WhatEachShapeTakes)
{
    using geometrytext::Refusal;
    struct Row {
        const CMapData& shape;
        std::string_view typed;
        std::string coords;
    };
    const auto refused = [](Refusal r) { return "refused " + std::to_string(static_cast<int>(r)); };
    const Row rows[] = {
        {kRect, "1, 2, 3, 4", "1,2,4,6"},
        {kRect, "  -5 ,  +7,10 20 ", "-5,7,5,27"},
        {kRect, "1,,2,3,4", "1,2,4,6"},
        {kCircle, "100, 90, 15", "100,90,15"},
        {kTriangle, "0,0,10,0,10,10,0,10", "0,0,10,0,10,10,0,10"},
        // A list from a page closes on its first vertex; that is no vertex.
        {kTriangle, "0,0,10,0,10,10,0,0", "0,0,10,0,10,10"},
        {kRect, "1, 2, 3", refused(Refusal::WrongCount)},
        {kRect, "", refused(Refusal::WrongCount)},
        {kCircle, "1, 2, 3, 4", refused(Refusal::WrongCount)},
        {kRect, "1, 2, 0, 4", refused(Refusal::NotPositive)},
        {kCircle, "1, 2, -1", refused(Refusal::NotPositive)},
        {kRect, "1, 2, 3.5, 4", refused(Refusal::NotWholeNumbers)},
        {kRect, "1; 2; 3; 4", refused(Refusal::NotWholeNumbers)},
        {kRect, "1, 2, x3, 4", refused(Refusal::NotWholeNumbers)},
        {kRect, "1, -, 3, 4", refused(Refusal::NotWholeNumbers)},
        {kTriangle, "0,0,10,0,10", refused(Refusal::OddCount)},
        {kTriangle, "0,0,10,0", refused(Refusal::TooFewVertices)},
        // Three pairs are three vertices, even when the last repeats the first.
        {kTriangle, "0,0,10,0,0,0", "0,0,10,0,0,0"},
        {kRect, "1, 2, 1000001, 4", refused(Refusal::TooLarge)},
        {kRect, "1, 2, 99999999999999999999999, 4", refused(Refusal::TooLarge)},
        {kCircle, "0, 0, 1000000", "0,0,1000000"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Coords(row.shape, row.typed), row.coords) << row.typed;
}

// Whatever an area is, the numbers it shows give it back exactly.
TEST(GeometryText, WhatIsShownGivesTheAreaBack)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> coordinate(-500, 3000), size(1, 800), count(3, 12);
    for (int round = 0; round < 500; ++round) {
        CMapData area;
        const int kind = round % 3;
        const int x = coordinate(random), y = coordinate(random);
        if (kind == 0) {
            const int w = size(random), h = size(random);
            area = Area(ShapeRect, {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
        } else if (kind == 1) {
            const int d = 2 * size(random);
            area = Area(ShapeCirc, {{x, y}, {x + d, y}, {x + d, y + d}, {x, y + d}});
        } else {
            std::vector<Point> points;
            for (int i = count(random); i > 0; --i)
                points.push_back({coordinate(random), coordinate(random)});
            points.back().x = points.front().x + 1; // never closing on the first vertex
            area = Area(ShapePoly, points);
        }
        const geometrytext::Parsed parsed = geometrytext::Parse(area, geometrytext::Format(area));
        ASSERT_TRUE(parsed.points) << geometrytext::Format(area);
        EXPECT_EQ(*parsed.points, area.m_points) << geometrytext::Format(area);
    }
}

TEST(SharedAttributes, EachAttributeIsSharedOrNot)
{
    AppSettings settings;
    CMapData a = kRect, b = kRect;
    a.m_alt = b.m_alt = "same";
    a.m_target = "_top";
    b.m_target = "_blank";
    a.m_href = b.m_href = "x.html";
    b.m_noHref = 1;
    const SharedAttributes shared = SharedAttributes::Of({&a, &b}, "", settings);
    EXPECT_EQ(shared.alt, std::optional<std::string>("same"));
    EXPECT_FALSE(shared.target);
    EXPECT_EQ(shared.href, std::optional<std::string>("x.html"));
    EXPECT_EQ(shared.otherAttrs, std::optional<std::string>(""));
    EXPECT_FALSE(shared.noHref);
    EXPECT_EQ(SharedAttributes::Of({&a}, "", settings).noHref, std::optional<bool>(false));
}
