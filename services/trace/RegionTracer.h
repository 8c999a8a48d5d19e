#pragma once
// Traces the region of a picture around a point into a polygon, for one-click
// areas: the connected pixels whose colour stays within a tolerance of the
// colour at the point, taken after a light smoothing so that JPEG noise and
// antialiased edges do not fray it; its outer outline (holes ignored, since an
// area has none) simplified to within a distance, never crossing itself.
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

    // The largest colour difference from the point's colour that still
    // belongs to the region, as CIE 1976 Delta E (Euclidean distance in
    // L*a*b*): about 2.3 is the smallest difference people notice, 100 the
    // distance from black to white.
    double tolerance = kDefaultTolerance;
    // How far the polygon may stray from the region's outline, in picture pixels.
    double epsilon = kDefaultEpsilon;
    // 0: as many vertices as the distance needs; otherwise at most this many
    // (at least 3), the distance being widened until they suffice.
    int maxVertices = 0;
};

enum class TraceFailure {
    None,
    NoPicture,      // no pixels, or a pixel size other than 3 or 4 bytes
    OutsidePicture, // the point lies outside the picture
    BadOptions,     // a negative tolerance or distance, or fewer than 3 vertices allowed
    OutOfMemory,    // the working images of a region that large could not be made
};

struct TraceResult {
    TraceFailure failure = TraceFailure::None;
    // The polygon's corners, at least 3, in order along the outline.
    std::vector<Point> outline;
    // The pixels inside the outline: the region with its holes.
    std::int64_t regionPixels = 0;

    bool Ok() const { return failure == TraceFailure::None; }
};

class RegionTracer
{
public:
    explicit RegionTracer(const TraceOptions& options = {}) : m_options(options) {}

    TraceResult Trace(const TracePixels& pixels, Point seed) const;

private:
    TraceOptions m_options;
};
