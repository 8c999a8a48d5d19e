#include "services/trace/RegionTracer.h"

#include "services/trace/PolygonCheck.h"
#include "tests/services/trace/TraceShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

using namespace traceshapes;

namespace traceshapes
{
// A case is named by its shape in the test's messages.
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}
} // namespace traceshapes

namespace
{

std::string Describe(const std::vector<Point>& polygon)
{
    std::string s;
    for (const Point& p : polygon)
        s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return s;
}

TraceResult TraceCase(const Case& c, const Picture& picture, TraceOptions options = {})
{
    return RegionTracer(options).Trace(picture.Pixels(), c.seed);
}

// The same picture stored bottom-up, three bytes a pixel, rows padded to four bytes.
struct BottomUpBgr {
    std::vector<std::uint8_t> bytes;
    std::ptrdiff_t stride;
    TracePixels pixels;

    explicit BottomUpBgr(const Picture& picture) : stride((std::ptrdiff_t(picture.width) * 3 + 3) / 4 * 4)
    {
        bytes.resize(std::size_t(stride) * picture.height);
        for (int y = 0; y < picture.height; ++y) {
            std::uint8_t* row = bytes.data() + std::size_t(picture.height - 1 - y) * stride;
            for (int x = 0; x < picture.width; ++x) {
                const std::uint32_t c = picture.At(x, y);
                row[3 * x] = c & 0xFF;
                row[3 * x + 1] = (c >> 8) & 0xFF;
                row[3 * x + 2] = (c >> 16) & 0xFF;
            }
        }
        pixels = {bytes.data() + std::size_t(picture.height - 1) * stride, -stride, picture.width, picture.height, 3};
    }
};

class TracedShape : public ::testing::TestWithParam<Case>
{
};

} // namespace

// Each shape, antialiased on a plain ground, traced from a point inside: the
// polygon covers the shape (holes and all) with few corners, keeps clear of
// itself and of the picture's outside.
TEST_P(TracedShape, CoversTheShapeWithFewCorners)
{
    const Case& c = GetParam();
    const Picture picture = Paint(c.width, c.height, c.drawn, c.ink, c.paper);
    const TraceResult r = TraceCase(c, picture);
    ASSERT_TRUE(r.Ok());
    const double iou = IoU(Covered(c.width, c.height, c.region), Covered(c.width, c.height, Filled(r.outline)));
    EXPECT_GE(iou, 0.97) << Describe(r.outline);
    EXPECT_LE(r.outline.size(), c.mostVertices) << Describe(r.outline);
    EXPECT_GE(r.outline.size(), 3u);
    EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << Describe(r.outline);
    EXPECT_TRUE(WithinPicture(r.outline, c.width, c.height)) << Describe(r.outline);
}

// Away from the shape's edge, within the distance and the half pixel that
// antialiasing leaves open, no pixel is on the wrong side of the polygon.
TEST_P(TracedShape, FollowsTheEdgeWithinTheDistance)
{
    const Case& c = GetParam();
    const Picture picture = Paint(c.width, c.height, c.drawn, c.ink, c.paper);
    const TraceResult r = TraceCase(c, picture);
    ASSERT_TRUE(r.Ok());
    const int reach = static_cast<int>(std::ceil(TraceOptions::kDefaultEpsilon + 1));
    EXPECT_EQ(MisplacedBeyond(Covered(c.width, c.height, c.region), Covered(c.width, c.height, Filled(r.outline)),
                              c.width, c.height, reach),
              0)
        << Describe(r.outline);
}

// The pixel count covers the region with its holes, and so does the polygon.
TEST_P(TracedShape, CountsThePixelsInsideTheOutline)
{
    const Case& c = GetParam();
    const TraceResult r = TraceCase(c, Paint(c.width, c.height, c.drawn, c.ink, c.paper));
    ASSERT_TRUE(r.Ok());
    const std::vector<bool> region = Covered(c.width, c.height, c.region);
    const double expected = static_cast<double>(std::count(region.begin(), region.end(), true));
    EXPECT_NEAR(static_cast<double>(r.regionPixels), expected, expected * 0.02);
}

// A bitmap stored bottom-up with three bytes a pixel is the same picture.
TEST_P(TracedShape, ReadsBottomUpThreeBytePixelsAlike)
{
    const Case& c = GetParam();
    const Picture picture = Paint(c.width, c.height, c.drawn, c.ink, c.paper);
    const BottomUpBgr bottomUp(picture);
    const TraceResult fromTop = TraceCase(c, picture);
    const TraceResult fromBottom = RegionTracer().Trace(bottomUp.pixels, c.seed);
    ASSERT_TRUE(fromTop.Ok() && fromBottom.Ok());
    EXPECT_EQ(fromBottom.outline, fromTop.outline);
    EXPECT_EQ(fromBottom.regionPixels, fromTop.regionPixels);
}

INSTANTIATE_TEST_SUITE_P(RegionTracer, TracedShape, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<Case>& info) {
                             std::string name = info.param.name;
                             std::replace_if(
                                 name.begin(), name.end(), [](char ch) { return !std::isalnum(ch); }, '_');
                             return name;
                         });

// The region reaching two edges of the picture is closed along them: its
// corner is the picture's corner and its sides lie on the picture's edges.
TEST(RegionTracer, ARegionAtTheEdgesIsClosedAlongThem)
{
    const Inside corner = Polygon({{0, 0}, {220, 0}, {140, 120}, {0, 170}});
    const Picture picture = Paint(300, 240, corner, Bgrx(90, 90, 90), Bgrx(235, 235, 225));
    const TraceResult r = RegionTracer().Trace(picture.Pixels(), {30, 30});
    ASSERT_TRUE(r.Ok());
    EXPECT_NE(std::find(r.outline.begin(), r.outline.end(), Point{0, 0}), r.outline.end()) << Describe(r.outline);
    const auto onTop = std::count_if(r.outline.begin(), r.outline.end(), [](const Point& p) { return p.y == 0; });
    const auto onLeft = std::count_if(r.outline.begin(), r.outline.end(), [](const Point& p) { return p.x == 0; });
    EXPECT_GE(onTop, 2) << Describe(r.outline);
    EXPECT_GE(onLeft, 2) << Describe(r.outline);
}

TEST(RegionTracer, APlainPictureIsItsOwnRectangle)
{
    const Picture picture = Paint(
        64, 48, [](double, double) { return false; }, 0, Bgrx(10, 200, 10));
    const TraceResult r = RegionTracer().Trace(picture.Pixels(), {5, 40});
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.regionPixels, 64 * 48);
    ASSERT_EQ(r.outline.size(), 4u) << Describe(r.outline);
    for (const Point& corner : {Point{0, 0}, Point{64, 0}, Point{64, 48}, Point{0, 48}})
        EXPECT_NE(std::find(r.outline.begin(), r.outline.end(), corner), r.outline.end()) << Describe(r.outline);
}

// The tolerance is a colour distance: a step of Delta E about 10 (grey 128
// next to grey 152) joins the region at 20 and stays out at 5.
TEST(RegionTracer, TheToleranceDecidesWhatJoins)
{
    const Inside right = [](double x, double) { return x >= 50; };
    const Picture picture = Paint(100, 40, right, Bgrx(152, 152, 152), Bgrx(128, 128, 128));
    TraceOptions strict;
    strict.tolerance = 5;
    EXPECT_EQ(RegionTracer(strict).Trace(picture.Pixels(), {10, 10}).regionPixels, 50 * 40);
    EXPECT_EQ(RegionTracer().Trace(picture.Pixels(), {10, 10}).regionPixels, 100 * 40);
}

// A line one pixel wide between two regions of one colour keeps them apart,
// upright or slanting (its pixels then meet only at their corners), and the
// region reaches right up to it.
TEST(RegionTracer, AThinLineKeepsTwoRegionsApart)
{
    struct Row {
        const char* what;
        std::function<bool(int x, int y)> line;
    };
    const Row rows[] = {
        {"upright", [](int x, int) { return x == 60; }},
        {"slanting", [](int x, int y) { return x == y + 20; }},
    };
    for (const Row& row : rows) {
        Picture picture{120, 80, std::vector<std::uint32_t>(120 * 80, Bgrx(255, 255, 255))};
        std::int64_t leftOfTheLine = 0;
        for (int y = 0; y < 80; ++y) {
            bool left = true;
            for (int x = 0; x < 120; ++x) {
                if (row.line(x, y)) {
                    picture.bgrx[std::size_t(y) * 120 + x] = Bgrx(0, 0, 0);
                    left = false;
                }
                leftOfTheLine += left ? 1 : 0;
            }
        }
        const TraceResult r = RegionTracer().Trace(picture.Pixels(), {5, 40});
        ASSERT_TRUE(r.Ok()) << row.what;
        EXPECT_EQ(r.regionPixels, leftOfTheLine) << row.what;
        EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << Describe(r.outline);
    }
}

TEST(RegionTracer, AtMostTheCornersAskedFor)
{
    const Inside disc = Disc(150, 150, 100);
    const Picture picture = Paint(300, 300, disc, Bgrx(0, 0, 0), Bgrx(255, 255, 255));
    for (int most : {3, 8, 12}) {
        TraceOptions options;
        options.maxVertices = most;
        const TraceResult r = RegionTracer(options).Trace(picture.Pixels(), {150, 150});
        ASSERT_TRUE(r.Ok());
        EXPECT_LE(r.outline.size(), std::size_t(most)) << most;
        EXPECT_GE(r.outline.size(), 3u) << most;
        EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << Describe(r.outline);
        // Still the disc, as far as so few corners go: a regular octagon
        // covers 90 % of it.
        if (most >= 8)
            EXPECT_GE(IoU(Covered(300, 300, disc), Covered(300, 300, Filled(r.outline))), 0.85) << most;
    }
}

// A region smaller than the distance still gives a polygon around the point.
TEST(RegionTracer, ATinyRegionGivesAPolygonAroundThePoint)
{
    const Inside dot = [](double x, double y) { return x >= 20 && x < 23 && y >= 10 && y < 13; };
    const Picture picture = Paint(40, 30, dot, Bgrx(0, 0, 0), Bgrx(255, 255, 255));
    const TraceResult r = RegionTracer().Trace(picture.Pixels(), {21, 11});
    ASSERT_TRUE(r.Ok());
    EXPECT_GE(r.outline.size(), 3u);
    EXPECT_TRUE(Filled(r.outline)(21.5, 11.5)) << Describe(r.outline);
    EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << Describe(r.outline);
}

// Blotches of noise with necks, spurs and narrow gaps, traced from many
// points: whatever the outline, it never touches itself and stays on the
// picture. Guards the untangling of the simplified polygon.
TEST(RegionTracer, RandomBlotchesNeverGiveATangledOutline)
{
    constexpr int kSize = 160;
    std::mt19937 random(24);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<std::pair<double, double>> centres;
    for (int i = 0; i < 60; ++i)
        centres.emplace_back(unit(random) * kSize, unit(random) * kSize);
    const Inside blotches = [&](double x, double y) {
        double field = 0;
        for (const auto& [cx, cy] : centres)
            field += 1.0 / (1.0 + ((x - cx) * (x - cx) + (y - cy) * (y - cy)) / 40.0);
        return field > 0.9;
    };
    const Picture picture = Paint(kSize, kSize, blotches, Bgrx(20, 20, 20), Bgrx(240, 240, 240));
    int traced = 0;
    for (int y = 3; y < kSize; y += 11) {
        for (int x = 5; x < kSize; x += 13) {
            for (double epsilon : {0.5, 1.5, 4.0}) {
                TraceOptions options;
                options.epsilon = epsilon;
                const TraceResult r = RegionTracer(options).Trace(picture.Pixels(), {x, y});
                ASSERT_TRUE(r.Ok());
                ASSERT_GE(r.outline.size(), 3u);
                EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << x << "," << y << " " << Describe(r.outline);
                EXPECT_TRUE(WithinPicture(r.outline, kSize, kSize)) << Describe(r.outline);
                ++traced;
            }
        }
    }
    EXPECT_GT(traced, 300);
}

TEST(RegionTracer, RefusesWhatItCannotTrace)
{
    const Picture picture = Paint(
        20, 10, [](double, double) { return false; }, 0, Bgrx(1, 2, 3));
    struct Row {
        const char* what;
        TracePixels pixels;
        Point seed;
        TraceOptions options;
        TraceFailure failure;
    };
    TraceOptions negativeTolerance, nanDistance, twoCorners;
    negativeTolerance.tolerance = -1;
    nanDistance.epsilon = std::numeric_limits<double>::quiet_NaN();
    twoCorners.maxVertices = 2;
    TracePixels noRows = picture.Pixels(), twoBytes = picture.Pixels(), shortRows = picture.Pixels();
    noRows.top = nullptr;
    twoBytes.bytesPerPixel = 2;
    shortRows.stride = 20 * 4 - 1;
    const Row rows[] = {
        {"left of the picture", picture.Pixels(), {-1, 0}, {}, TraceFailure::OutsidePicture},
        {"just right of it", picture.Pixels(), {20, 0}, {}, TraceFailure::OutsidePicture},
        {"just below it", picture.Pixels(), {0, 10}, {}, TraceFailure::OutsidePicture},
        {"no pixels", noRows, {0, 0}, {}, TraceFailure::NoPicture},
        {"two bytes a pixel", twoBytes, {0, 0}, {}, TraceFailure::NoPicture},
        {"rows shorter than the width", shortRows, {0, 0}, {}, TraceFailure::NoPicture},
        {"a negative tolerance", picture.Pixels(), {0, 0}, negativeTolerance, TraceFailure::BadOptions},
        {"no number for the distance", picture.Pixels(), {0, 0}, nanDistance, TraceFailure::BadOptions},
        {"two corners at most", picture.Pixels(), {0, 0}, twoCorners, TraceFailure::BadOptions},
    };
    for (const Row& row : rows) {
        const TraceResult r = RegionTracer(row.options).Trace(row.pixels, row.seed);
        EXPECT_EQ(r.failure, row.failure) << row.what;
        EXPECT_TRUE(r.outline.empty()) << row.what;
    }
    // The last pixel is still in.
    EXPECT_TRUE(RegionTracer().Trace(picture.Pixels(), {19, 9}).Ok());
}
