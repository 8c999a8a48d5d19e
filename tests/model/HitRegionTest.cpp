#include "model/HitRegion.h"

#include <cstdint>
#include <vector>

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

namespace
{

// The runs of a row spelled out pixel by pixel, as ContainsPoint sees them.
std::vector<HitRegion::Span> SpansByPoints(const HitRegion& r, int y, int left, int right)
{
    std::vector<HitRegion::Span> spans;
    for (int x = left; x < right; ++x) {
        if (!r.ContainsPoint(x, y))
            continue;
        if (!spans.empty() && spans.back().end == x)
            ++spans.back().end;
        else
            spans.push_back({x, x + 1});
    }
    return spans;
}

void ExpectSameRuns(const HitRegion& r, const char* what)
{
    const Rect b = r.Bounds();
    std::vector<HitRegion::Span> spans;
    for (int y = b.top - 2; y < b.bottom + 2; ++y) {
        r.RowSpans(y, b.left - 2, b.right + 2, spans);
        const std::vector<HitRegion::Span> expected = SpansByPoints(r, y, b.left - 2, b.right + 2);
        ASSERT_EQ(spans.size(), expected.size()) << what << " row " << y;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            EXPECT_EQ(spans[i].begin, expected[i].begin) << what << " row " << y;
            EXPECT_EQ(spans[i].end, expected[i].end) << what << " row " << y;
        }
    }
}

} // namespace

// The runs of a row hold exactly the pixels the point test holds, so that a
// map checked row by row agrees with the editor's own hit tests.
TEST(HitRegion, RowRunsAgreeWithThePointTest)
{
    const struct {
        const char* what;
        HitRegion region;
    } rows[] = {
        {"rectangle", HitRegion::MakePolygon({{10, 10}, {50, 10}, {50, 40}, {10, 40}})},
        {"pentagram", HitRegion::MakePolygon({{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}})},
        {"slanted", HitRegion::MakePolygon({{0, 0}, {7, 3}, {3, 11}, {-5, 6}})},
        {"twice round",
         HitRegion::MakePolygon({{0, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {20, 0}, {20, 20}, {0, 20}})},
        {"ellipse", HitRegion::MakeEllipse({0, 0, 40, 20})},
        {"odd circle", HitRegion::MakeEllipse({3, 3, 24, 24})},
        {"thin ellipse", HitRegion::MakeEllipse({0, 0, 1, 30})},
    };
    for (const auto& row : rows)
        ExpectSameRuns(row.region, row.what);
    // Shapes drawn at random, polygons crossing themselves included.
    std::uint32_t seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(range));
    };
    for (int n = 0; n < 200; ++n) {
        std::vector<Point> points(3 + next(6));
        for (Point& p : points)
            p = {next(60) - 10, next(60) - 10};
        ExpectSameRuns(HitRegion::MakePolygon(points), "random polygon");
        ExpectSameRuns(HitRegion::MakeEllipse({next(30), next(30), next(30) + 31, next(30) + 31}), "random ellipse");
    }
}

TEST(HitRegion, RowRunsAreClippedAndEmptyOutside)
{
    HitRegion r = HitRegion::MakePolygon({{10, 10}, {50, 10}, {50, 40}, {10, 40}});
    std::vector<HitRegion::Span> spans{{1, 2}};
    r.RowSpans(20, 0, 30, spans);
    ASSERT_EQ(spans.size(), 1u);
    EXPECT_EQ(spans[0].begin, 10);
    EXPECT_EQ(spans[0].end, 30);
    r.RowSpans(40, 0, 100, spans); // the bottom edge is out
    EXPECT_TRUE(spans.empty());
    HitRegion().RowSpans(0, 0, 100, spans);
    EXPECT_TRUE(spans.empty());
    EXPECT_EQ(r.Bounds(), (Rect{10, 10, 50, 40}));
    EXPECT_EQ(HitRegion().Bounds(), Rect());
}
