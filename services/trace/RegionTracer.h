#pragma once
// Traces the region of a picture around a point into a polygon, for one-click
// areas. The region is the one a person means by clicking there: its colour
// is the one most pixels around the point share, so that a click on a name
// printed over a country, or beside a border, still means the country
// (RegionColour); it holds the 4-connected pixels whose own colour stays
// within a tolerance of that colour, so that a line of another colour parts
// two regions however thin it is, and an edge of opacity parts them as one of
// colour does, and whose colour evened out with their neighbours' does too,
// so that noise builds no bridge across a hard edge. Its outer outline (a
// name inside is part of the region, and an area has no holes) is simplified
// to within a distance, with at most so many corners, never crossing itself.
//
// The outline runs along pixel corners: (x, y) is the top-left corner of
// pixel (x, y), so a pixel is inside the polygon exactly when its centre is,
// as the map's hit regions count it, and a region that reaches the picture's
// edge is closed along that edge (x = 0 or x = width, y = 0 or y = height).
//
// Plain C++ in and out; the image processing behind it stays in this folder.

#include "services/types/Geometry.h"
#include "services/types/PixelView.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The picture's pixels as the tracer reads them.
using TracePixels = PixelView;

struct TraceOptions {
    static constexpr double kDefaultTolerance = 20.0;
    static constexpr double kDefaultEpsilon = 1.5;
    // A hand-made map never wants more corners than this in one area; a sky
    // or a coastline traced to the pixel would give thousands.
    static constexpr int kDefaultMostVertices = 300;

    // The largest colour difference from the region's colour that still
    // belongs to the region, as CIE 1976 Delta E (Euclidean distance in
    // L*a*b*): about 2.3 is the smallest difference people notice, 100 the
    // distance from black to white (and from see-through to opaque).
    double tolerance = kDefaultTolerance;
    // How far the polygon may stray from the region's outline, in picture pixels.
    double epsilon = kDefaultEpsilon;
    // 0: as many vertices as the distance needs; otherwise at most this many
    // (at least 3), the distance being widened until they suffice.
    int maxVertices = kDefaultMostVertices;
};

enum class TraceFailure {
    None,
    NoPicture,      // no pixels, or pixel bytes the tracer cannot read
    OutsidePicture, // the point lies outside the picture
    BadOptions,     // a negative tolerance or distance, or fewer than 3 vertices allowed
    OutOfMemory,    // the working images of a region that large could not be made
};

struct TraceResult {
    // A region of fewer pixels than this is hardly what a click meant (a
    // tolerance too low for a photograph's noise, usually), and too small to
    // click on a page.
    static constexpr std::int64_t kFewestPixels = 16;

    TraceFailure failure = TraceFailure::None;
    // The polygon's corners, at least 3, in order along the outline; the
    // first is not repeated at the end.
    std::vector<Point> outline;
    // The pixels inside the outline: the region with its holes.
    std::int64_t regionPixels = 0;

    bool Ok() const { return failure == TraceFailure::None; }
    bool IsTiny() const { return Ok() && regionPixels < kFewestPixels; }
};

class RegionTracer
{
public:
    explicit RegionTracer(const TraceOptions& options = {}) : m_options(options) {}

    // NoPicture unless the pixels are Usable().
    TraceResult Trace(const TracePixels& pixels, Point seed) const;

private:
    friend class TraceCanvas;
    // Spurs and necks of a region narrower than this many pixels are taken
    // off: narrower than a simplified outline could follow, they would only
    // tangle it. A halved canvas's pixels are two of the picture's wide.
    static constexpr int kThinnest = 3;
    RegionTracer(const TraceOptions& options, int thinnest) : m_options(options), m_thinnest(thinnest) {}
    // With the pixels smoothed already (a canvas keeps them so), or null.
    TraceResult Trace(const TracePixels& pixels, const TracePixels* smoothed, Point seed) const;

    TraceOptions m_options;
    int m_thinnest = kThinnest;
};
