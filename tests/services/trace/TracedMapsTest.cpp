// The tracer on the pictures image maps are made of (MapPictures.h): a line
// one pixel wide is a border whatever its colour, a click anywhere in a
// country of a map (on its name, beside it, by a border) traces that country,
// an edge of opacity is an edge, a photograph's noise does not carry the
// region past a hard edge, and an outline never has more corners than a
// hand-made map wants.

#include "services/trace/RegionTracer.h"

#include "services/trace/PolygonCheck.h"
#include "tests/services/trace/MapPictures.h"
#include "tests/services/trace/TraceShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

using namespace traceshapes;
using namespace mappictures;

namespace
{

std::string Describe(const std::vector<Point>& polygon)
{
    std::string s;
    for (const Point& p : polygon)
        s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return s;
}

TraceResult TraceAt(const Picture& picture, Point seed, double tolerance = TraceOptions::kDefaultTolerance)
{
    TraceOptions options;
    options.tolerance = tolerance;
    return RegionTracer(options).Trace(picture.Pixels(), seed);
}

double IoUWith(const std::vector<bool>& region, const Picture& picture, const TraceResult& r)
{
    return IoU(region, Covered(picture.width, picture.height, Filled(r.outline)));
}

} // namespace

// Guards against smoothing before the region grows: a grey line one pixel
// wide between two white halves was blurred to within the tolerance of
// white, and a click three pixels from it traced the whole picture. Each
// line here lies just beyond the tolerance it is traced at.
TEST(RegionTracerOnMaps, AOnePixelLineBeyondTheToleranceIsABorder)
{
    struct Row {
        const char* what;
        std::uint32_t line;
        double tolerance;
    };
    const Row rows[] = {
        {"mid-grey, Delta E 46", Bgrx(128, 128, 128), 20},
        {"mid-grey at a tolerance just below it", Bgrx(128, 128, 128), 44},
        {"light grey, Delta E 19", Bgrx(200, 200, 200), 16},
        {"pale blue, Delta E 19", Bgrx(200, 220, 250), 16},
        {"red", Bgrx(230, 60, 60), 20},
    };
    for (const Row& row : rows) {
        const Picture halves = Halves(row.line);
        const TraceResult left = TraceAt(halves, {47, 30}, row.tolerance);
        const TraceResult right = TraceAt(halves, {53, 30}, row.tolerance);
        ASSERT_TRUE(left.Ok() && right.Ok()) << row.what;
        EXPECT_EQ(left.regionPixels, 50 * 60) << row.what << " " << Describe(left.outline);
        EXPECT_EQ(right.regionPixels, 49 * 60) << row.what << " " << Describe(right.outline);
        EXPECT_EQ(left.outline.size(), 4u) << row.what << " " << Describe(left.outline);
        EXPECT_TRUE(Filled(left.outline)(49.5, 0.5) && !Filled(left.outline)(50.5, 0.5)) << Describe(left.outline);
        EXPECT_TRUE(Filled(right.outline)(51.5, 59.5) && !Filled(right.outline)(50.5, 59.5)) << Describe(right.outline);
    }
}

// The same line within the tolerance is no border: the halves are one region.
TEST(RegionTracerOnMaps, ALineWithinTheToleranceIsNoBorder)
{
    const TraceResult r = TraceAt(Halves(Bgrx(200, 200, 200)), {47, 30}, 20);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.regionPixels, 100 * 60);
}

// Guards against taking the colour at the click (smoothed) for the region's:
// a click on the name, beside it, between its letters or next to a border
// traced three countries or the letters alone. Every click below means the
// named country, whose name is part of it.
TEST(RegionTracerOnMaps, AClickAnywhereInACountryTracesThatCountry)
{
    const CountryMap map;
    const std::vector<bool> named = map.Country(CountryMap::kNamed);
    const int middle = CountryMap::kNameTop + CountryMap::kLetterHeight / 2;
    const int secondLetter = CountryMap::kNameLeft + CountryMap::kLetterWidth + CountryMap::kLetterGap;
    struct Row {
        const char* what;
        Point seed;
    };
    const Row rows[] = {
        {"in the open", {140, 110}},
        {"beside the name", {CountryMap::kNameLeft - 2, middle}},
        {"above the name", {CountryMap::kNameLeft + 10, CountryMap::kNameTop - 2}},
        {"between two letters", {secondLetter - 2, middle - 3}},
        {"on a letter's stroke", {secondLetter, middle - 3}},
        {"on a letter's bar", {secondLetter + 3, CountryMap::kNameTop + 5}},
        {"next to a border", {map.BorderRightOf(140, 110) - 2, 110}},
        {"right by a border", {map.BorderRightOf(120, 60) - 1, 60}},
    };
    for (const Row& row : rows) {
        const TraceResult r = TraceAt(map.Pixels(), row.seed);
        ASSERT_TRUE(r.Ok()) << row.what;
        const double iou = IoUWith(named, map.Pixels(), r);
        EXPECT_GE(iou, 0.95) << row.what << " at " << row.seed.x << "," << row.seed.y << ": IoU " << iou << " "
                             << Describe(r.outline);
        EXPECT_TRUE(polygoncheck::IsSimple(r.outline)) << row.what;
    }
}

// Every country from its capital, and from a point by one of its borders.
TEST(RegionTracerOnMaps, EachCountryIsItsOwnRegion)
{
    const CountryMap map;
    for (int c = 0; c < 6; ++c) {
        const Point capital = CountryMap::Capital(c);
        const TraceResult r = TraceAt(map.Pixels(), capital);
        ASSERT_TRUE(r.Ok()) << c;
        EXPECT_GE(IoUWith(map.Country(c), map.Pixels(), r), 0.95) << c << " " << Describe(r.outline);
    }
}

// A click on the border line itself means the country beside it.
TEST(RegionTracerOnMaps, AClickOnABorderTracesACountryBesideIt)
{
    const CountryMap map;
    const Point onBorder{map.BorderRightOf(140, 110), 110};
    const TraceResult r = TraceAt(map.Pixels(), onBorder);
    ASSERT_TRUE(r.Ok());
    const double left = IoUWith(map.Country(map.CountryAt(onBorder.x - 1, 110)), map.Pixels(), r);
    const double right = IoUWith(map.Country(map.CountryAt(onBorder.x + 1, 110)), map.Pixels(), r);
    EXPECT_GE(std::max(left, right), 0.95) << Describe(r.outline);
}

// Something solid of its own colour is what a click on it means, small as it
// may be: a lake of 8 x 8 in a country is traced, not the country around it.
TEST(RegionTracerOnMaps, ASmallSolidThingIsItsOwnRegion)
{
    const Inside lake = [](double x, double y) { return x >= 40 && x < 48 && y >= 30 && y < 38; };
    const Picture picture = Paint(100, 80, lake, Bgrx(80, 140, 220), Bgrx(235, 240, 220));
    const TraceResult r = TraceAt(picture, {43, 33});
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.regionPixels, 64) << Describe(r.outline);
}

// Guards against laying transparency over a background before tracing: a
// grey disc on a see-through ground, drawn over the same grey, traced the
// whole picture. An edge of opacity is an edge, from either side.
TEST(RegionTracerOnMaps, AnEdgeOfOpacityIsAnEdge)
{
    const Picture picture = GreyDiscOnTransparency();
    const Inside disc = Disc(50, 40, 30);
    const TraceResult inside = TraceAt(picture, {50, 40});
    ASSERT_TRUE(inside.Ok());
    EXPECT_GE(IoUWith(Covered(100, 80, disc), picture, inside), 0.97) << Describe(inside.outline);
    const TraceResult ground = TraceAt(picture, {2, 2});
    ASSERT_TRUE(ground.Ok());
    EXPECT_FALSE(Filled(ground.outline)(10.5, 40.5) && ground.regionPixels < 100 * 80) << Describe(ground.outline);
    EXPECT_LT(std::count_if(ground.outline.begin(), ground.outline.end(),
                            [](const Point& p) { return std::hypot(p.x - 50, p.y - 40) < 25; }),
              1)
        << Describe(ground.outline);
}

// A photograph's sky, noise and gradient and all, stops at the horizon: no
// pixel of the ridge beyond it, however close to the tolerance its colour,
// lies inside the outline farther than two pixels below the horizon.
TEST(RegionTracerOnMaps, APhotographsNoiseDoesNotLeakPastAHardEdge)
{
    const Photo photo;
    const std::vector<bool> sky = photo.Sky();
    const int reach = static_cast<int>(std::ceil(TraceOptions::kDefaultEpsilon + 1));
    for (const Point seed : {Point{150, 40}, Point{20, 100}, Point{280, 90}}) {
        const TraceResult r = TraceAt(photo.Pixels(), seed);
        ASSERT_TRUE(r.Ok());
        const std::vector<bool> traced = Covered(Photo::kWidth, Photo::kHeight, Filled(r.outline));
        int leaked = 0;
        for (int y = 0; y < Photo::kHeight; ++y)
            for (int x = 0; x < Photo::kWidth; ++x)
                leaked += traced[std::size_t(y) * Photo::kWidth + x] && y > Photo::Horizon(x + 0.5) + 2 ? 1 : 0;
        EXPECT_EQ(leaked, 0) << seed.x << "," << seed.y << " " << Describe(r.outline);
        EXPECT_EQ(MisplacedBeyond(sky, traced, Photo::kWidth, Photo::kHeight, reach), 0) << Describe(r.outline);
        EXPECT_GE(IoU(sky, traced), 0.95) << seed.x << "," << seed.y << " " << Describe(r.outline);
    }
}

// Guards against outlines of thousands of corners: a ragged skyline, a
// random walk across 1200 pixels, traced at the default options keeps to the
// default most corners, where the distance alone would take far more.
TEST(RegionTracerOnMaps, TheCornersAreCappedByDefault)
{
    constexpr int kWidth = 1200, kHeight = 200;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(-6, 6);
    std::vector<int> skyline(kWidth);
    int height = 100;
    for (int& h : skyline) {
        height = std::clamp(height + step(random), 20, 180);
        h = height;
    }
    Picture picture{kWidth, kHeight, std::vector<std::uint32_t>(kWidth * kHeight)};
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            picture.bgrx[std::size_t(y) * kWidth + x] = y < skyline[x] ? Bgrx(150, 190, 240) : Bgrx(60, 50, 40);
    const TraceResult capped = RegionTracer().Trace(picture.Pixels(), {5, 5});
    ASSERT_TRUE(capped.Ok());
    EXPECT_LE(capped.outline.size(), std::size_t(TraceOptions::kDefaultMostVertices));
    EXPECT_GE(capped.outline.size(), std::size_t(TraceOptions::kDefaultMostVertices) / 2);
    EXPECT_TRUE(polygoncheck::IsSimple(capped.outline));
    TraceOptions unlimited;
    unlimited.maxVertices = 0;
    const TraceResult all = RegionTracer(unlimited).Trace(picture.Pixels(), {5, 5});
    ASSERT_TRUE(all.Ok());
    EXPECT_GT(all.outline.size(), std::size_t(TraceOptions::kDefaultMostVertices));
}

// A tolerance too low for the noise gives a region of a few pixels, which
// the result says is tiny; the default tolerance gives the sky.
TEST(RegionTracerOnMaps, ARegionOfAFewPixelsIsTiny)
{
    const Photo photo;
    const TraceResult strict = TraceAt(photo.Pixels(), {150, 40}, 1);
    ASSERT_TRUE(strict.Ok());
    EXPECT_TRUE(strict.IsTiny()) << strict.regionPixels;
    EXPECT_LT(strict.regionPixels, TraceResult::kFewestPixels);
    const TraceResult usual = TraceAt(photo.Pixels(), {150, 40});
    EXPECT_FALSE(usual.IsTiny());
}
