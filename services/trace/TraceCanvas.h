#pragma once
// A picture's pixels made ready once for many traces, as the editor's
// preview traces wherever the pointer rests: converted to the tracer's
// colours (8-bit L*a*b* with opacity), and for a large picture halved each
// way, which quarters the work of every trace. Halving keeps what a trace
// stops at: each block of 2 x 2 pixels takes the colour of its pixel that
// stands out most from the blocks around it (a line one pixel wide, a
// letter's stroke, an edge of opacity) unless none stands out, when it takes
// their mean. An outline traced on the half-size copy so lies within a pixel
// or two of the one traced on the picture itself, and is given in the
// picture's own pixels. The canvas owns its pixels: it may be traced on any
// thread, however the picture it was made from changes after.

#include "services/trace/RegionTracer.h"

#include <cstdint>
#include <vector>

class TraceCanvas
{
public:
    // Pictures of more pixels than this are halved: a trace of a region as
    // large as such a picture then costs about as much as one of a picture
    // at this size.
    static constexpr std::int64_t kMostWholePixels = 4'000'000;

    TraceCanvas() = default;
    // The pixels at their size, or halved when they are more than kMostWholePixels;
    // an empty canvas when `pixels` are not usable or too large to convert.
    static TraceCanvas Of(const TracePixels& pixels);
    // At a given scale: 1 (as they are) or 2 (halved).
    static TraceCanvas Of(const TracePixels& pixels, int scale);

    bool IsEmpty() const { return m_laba.empty(); }
    // 1 or 2 picture pixels to a canvas pixel each way.
    int Scale() const { return m_scale; }

    // As RegionTracer::Trace on the picture, the distance meant in picture
    // pixels; the region's pixel count is the canvas's times the scale's square.
    TraceResult Trace(Point seed, const TraceOptions& options) const;

private:
    void Take(const TracePixels& converted);

    std::vector<std::uint8_t> m_laba;     // rows of 4-byte pixels, PixelBytes::Laba
    std::vector<std::uint8_t> m_smoothed; // the same smoothed as the tracer smooths them
    int m_columns = 0, m_rows = 0;        // the canvas's
    int m_scale = 1;
    int m_width = 0, m_height = 0; // the picture's
};
