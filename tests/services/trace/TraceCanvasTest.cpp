// The canvas the editor's preview traces on: at full size it traces exactly
// as the tracer does on the picture; halved, its outlines lie within two
// pixels of the full ones, the lines a trace stops at surviving the halving,
// and are given in the picture's own pixels.

#include "services/trace/TraceCanvas.h"

#include "services/trace/PolygonCheck.h"
#include "tests/services/trace/MapPictures.h"
#include "tests/services/trace/TraceShapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace traceshapes;
using namespace mappictures;

namespace
{

constexpr int kHalved = 2;

std::string Describe(const std::vector<Point>& polygon)
{
    std::string s;
    for (const Point& p : polygon)
        s += "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
    return s;
}

// The pixels on which two outlines over a picture disagree farther than
// two pixels from where the full one changes. The outlines are traced to
// within half a pixel, so that what they disagree on is the halving's.
int Disagreement(const TraceResult& full, const TraceResult& halved, int width, int height)
{
    return MisplacedBeyond(Covered(width, height, Filled(full.outline)), Covered(width, height, Filled(halved.outline)),
                           width, height, 2);
}

TraceOptions Close()
{
    TraceOptions options;
    options.epsilon = 0.5;
    return options;
}

void ExpectCloseTo(const Picture& picture, Point seed, const std::string& what)
{
    const TraceResult full = RegionTracer(Close()).Trace(picture.Pixels(), seed);
    const TraceResult halved = TraceCanvas::Of(picture.Pixels(), kHalved).Trace(seed, Close());
    ASSERT_TRUE(full.Ok() && halved.Ok()) << what;
    // The tip of a spike thinner than the full trace keeps (a star's point)
    // may stay on the halved canvas, and a speck of noise by the edge differ:
    // a few pixels in a thousand of the picture at most.
    EXPECT_LE(Disagreement(full, halved, picture.width, picture.height), picture.width * picture.height / 1000)
        << what << "\n full " << Describe(full.outline) << "\n half " << Describe(halved.outline);
    EXPECT_TRUE(polygoncheck::IsSimple(halved.outline)) << what << " " << Describe(halved.outline);
    EXPECT_TRUE(WithinPicture(halved.outline, picture.width, picture.height))
        << what << " " << Describe(halved.outline);
    EXPECT_NEAR(double(halved.regionPixels), double(full.regionPixels), 0.05 * double(full.regionPixels)) << what;
}

} // namespace

TEST(TraceCanvas, AtFullSizeTracesAsTheTracerDoes)
{
    for (const Case& c : Cases()) {
        const Picture picture = Paint(c.width, c.height, c.drawn, c.ink, c.paper);
        const TraceCanvas canvas = TraceCanvas::Of(picture.Pixels());
        ASSERT_EQ(canvas.Scale(), 1) << c.name;
        const TraceResult direct = RegionTracer().Trace(picture.Pixels(), c.seed);
        const TraceResult traced = canvas.Trace(c.seed, TraceOptions());
        EXPECT_EQ(traced.outline, direct.outline) << c.name;
        EXPECT_EQ(traced.regionPixels, direct.regionPixels) << c.name;
    }
}

TEST(TraceCanvas, HalvedTheShapesStayWithinTwoPixels)
{
    for (const Case& c : Cases())
        ExpectCloseTo(Paint(c.width, c.height, c.drawn, c.ink, c.paper), c.seed, c.name);
}

// A line one pixel wide, in an even column or an odd one, still parts the
// halves; the name and the borders of the map still keep the country.
TEST(TraceCanvas, HalvedTheLinesATraceStopsAtSurvive)
{
    for (int column : {50, 51}) {
        Picture halves = Halves(Bgrx(255, 255, 255));
        for (int y = 0; y < halves.height; ++y)
            halves.bgrx[std::size_t(y) * halves.width + column] = Bgrx(128, 128, 128);
        ExpectCloseTo(halves, {column - 3, 30}, "left of the line at " + std::to_string(column));
        ExpectCloseTo(halves, {column + 3, 30}, "right of the line at " + std::to_string(column));
    }
    const CountryMap map;
    ExpectCloseTo(map.Pixels(), {140, 110}, "a country");
    ExpectCloseTo(map.Pixels(), {CountryMap::kNameLeft + 10, CountryMap::kNameTop + 3}, "the name");
    ExpectCloseTo(GreyDiscOnTransparency(), {50, 40}, "an edge of opacity");
    ExpectCloseTo(Photo().Pixels(), {150, 40}, "a photograph's sky");
}

// A picture of an odd size: the last column and row of canvas pixels cover
// one picture pixel each, and the outline ends at the picture's edge.
TEST(TraceCanvas, HalvedAnOddPictureEndsAtItsEdge)
{
    const Picture plain = Paint(
        101, 61, [](double, double) { return false; }, 0, Bgrx(20, 120, 60));
    const TraceResult r = TraceCanvas::Of(plain.Pixels(), kHalved).Trace({100, 60}, TraceOptions());
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.regionPixels, 101 * 61);
    ASSERT_EQ(r.outline.size(), 4u) << Describe(r.outline);
    for (const Point& corner : {Point{0, 0}, Point{101, 0}, Point{101, 61}, Point{0, 61}})
        EXPECT_NE(std::find(r.outline.begin(), r.outline.end(), corner), r.outline.end()) << Describe(r.outline);
}

TEST(TraceCanvas, OnlyLargePicturesAreHalved)
{
    const int side = 2000; // kMostWholePixels exactly
    const Picture at = Paint(
        side, side, [](double, double) { return false; }, 0, Bgrx(1, 2, 3));
    EXPECT_EQ(TraceCanvas::Of(at.Pixels()).Scale(), 1);
    const Picture beyond = Paint(
        side + 1, side, [](double, double) { return false; }, 0, Bgrx(1, 2, 3));
    EXPECT_EQ(TraceCanvas::Of(beyond.Pixels()).Scale(), kHalved);
}

TEST(TraceCanvas, RefusesWhatTheTracerRefuses)
{
    const Picture picture = Paint(
        20, 10, [](double, double) { return false; }, 0, Bgrx(1, 2, 3));
    TracePixels none = picture.Pixels();
    none.top = nullptr;
    EXPECT_TRUE(TraceCanvas::Of(none).IsEmpty());
    EXPECT_EQ(TraceCanvas::Of(none).Trace({0, 0}, TraceOptions()).failure, TraceFailure::NoPicture);
    EXPECT_TRUE(TraceCanvas::Of(picture.Pixels(), 3).IsEmpty());
    const TraceCanvas halved = TraceCanvas::Of(picture.Pixels(), kHalved);
    EXPECT_EQ(halved.Trace({20, 0}, TraceOptions()).failure, TraceFailure::OutsidePicture);
    EXPECT_EQ(halved.Trace({0, 10}, TraceOptions()).failure, TraceFailure::OutsidePicture);
    EXPECT_EQ(halved.Trace({-1, 0}, TraceOptions()).failure, TraceFailure::OutsidePicture);
    TraceOptions bad;
    bad.tolerance = -1;
    EXPECT_EQ(halved.Trace({0, 0}, bad).failure, TraceFailure::BadOptions);
    EXPECT_TRUE(halved.Trace({19, 9}, TraceOptions()).Ok());
}
