#include "model/HitRegion.h"

#include <gtest/gtest.h>

TEST(HitRegion, PolygonEdgesAreHalfOpen)
{
    HitRegion r = HitRegion::MakePolygon({{10, 10}, {50, 10}, {50, 40}, {10, 40}});
    EXPECT_TRUE(r.ContainsPoint(10, 10));  // top-left corner pixel
    EXPECT_TRUE(r.ContainsPoint(49, 39));  // last pixel inside
    EXPECT_FALSE(r.ContainsPoint(50, 20)); // right edge
    EXPECT_FALSE(r.ContainsPoint(20, 40)); // bottom edge
    EXPECT_FALSE(r.ContainsPoint(9, 20));
}

TEST(HitRegion, SelfCrossingPolygonHasAnEvenOddHole)
{
    // A pentagram: the centre is crossed twice, so it is a hole.
    HitRegion star = HitRegion::MakePolygon({{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}});
    EXPECT_FALSE(star.ContainsPoint(50, 50));
    EXPECT_TRUE(star.ContainsPoint(50, 10)); // a point of the star
    // Two overlapping squares drawn as one outline.
    HitRegion twice = HitRegion::MakePolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {20, 0}, {20, 20}, {0, 20}});
    EXPECT_FALSE(twice.ContainsPoint(10, 10));
}

TEST(HitRegion, Ellipse)
{
    HitRegion e = HitRegion::MakeEllipse({0, 0, 40, 20});
    EXPECT_TRUE(e.ContainsPoint(20, 10));
    EXPECT_TRUE(e.ContainsPoint(1, 9));
    EXPECT_FALSE(e.ContainsPoint(1, 1)); // corner of the box
    EXPECT_FALSE(e.ContainsPoint(39, 19));
    EXPECT_TRUE(HitRegion::MakeEllipse({40, 20, 0, 0}).ContainsPoint(20, 10)); // reversed box
    EXPECT_TRUE(HitRegion::MakeEllipse({5, 5, 5, 30}).IsEmpty());
}

TEST(HitRegion, OffsetMovesTheShape)
{
    HitRegion e = HitRegion::MakeEllipse({0, 0, 10, 10});
    e.Offset(100, 50);
    EXPECT_TRUE(e.ContainsPoint(105, 55));
    EXPECT_FALSE(e.ContainsPoint(5, 5));
}

TEST(HitRegion, RectangleIntersection)
{
    HitRegion tri = HitRegion::MakePolygon({{0, 0}, {100, 0}, {0, 100}});
    EXPECT_TRUE(tri.IntersectsRect({10, 10, 20, 20}));     // inside
    EXPECT_TRUE(tri.IntersectsRect({-50, -50, 200, 200})); // around it
    EXPECT_TRUE(tri.IntersectsRect({45, 45, 60, 60}));     // across the slanted edge
    EXPECT_FALSE(tri.IntersectsRect({60, 60, 90, 90}));    // beyond it
    EXPECT_FALSE(tri.IntersectsRect({10, 10, 10, 20}));    // empty rectangle
    HitRegion e = HitRegion::MakeEllipse({0, 0, 100, 100});
    EXPECT_TRUE(e.IntersectsRect({90, 45, 120, 55}));
    EXPECT_FALSE(e.IntersectsRect({90, 90, 120, 120}));
    EXPECT_FALSE(HitRegion().IntersectsRect({0, 0, 10, 10}));
    EXPECT_TRUE(HitRegion::MakePolygon({{0, 0}, {1, 1}}).IsEmpty());
}

// Coordinates read from a page reach the ends of the int range; the hit tests
// must not overflow on their differences (the sanitizer build checks).
TEST(HitRegion, ShapesSpanningTheWholeIntRange)
{
    constexpr int lo = -2147483647 - 1, hi = 2147483647;
    HitRegion e = HitRegion::MakeEllipse({lo, lo, hi, hi});
    EXPECT_TRUE(e.ContainsPoint(0, 0));
    EXPECT_TRUE(e.IntersectsRect({0, 0, 10, 10}));
    HitRegion p = HitRegion::MakePolygon({{lo, lo}, {hi, lo}, {hi, hi}, {lo, hi}});
    EXPECT_TRUE(p.ContainsPoint(0, 0));
    EXPECT_TRUE(p.IntersectsRect({-5, -5, 5, 5}));
}
