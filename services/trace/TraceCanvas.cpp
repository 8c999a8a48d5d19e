#include "services/trace/TraceCanvas.h"

#include "services/trace/LabPixels.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>
#include <new>

namespace
{

constexpr int kHalf = 2;
// Picture rows halved at a time, and the rows read beyond them on either
// side for the blocks around the band's own.
constexpr int kBandRows = 256;
constexpr int kBandMargin = 2;
// A pixel stands out of its block only when it differs from the block's
// mean by more than this (squared distance over blue, green, red and
// opacity; about Delta E 3): below it, noise.
constexpr int kNoise = 8 * 8;
constexpr double kLeastHalvedEpsilon = 1.0;

int SquaredDistance(const std::uint8_t* a, const std::int32_t* b)
{
    int sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += (a[i] - b[i]) * (a[i] - b[i]);
    return sum;
}

// Picture rows [first, last) as blue, green, red and opacity (opaque where
// the picture has none), padded to an even size by repeating its last
// column and row.
cv::Mat BgraRows(const TracePixels& pixels, int first, int last)
{
    cv::Mat source(last - first, pixels.width, pixels.bytesPerPixel == 4 ? CV_8UC4 : CV_8UC3);
    const std::size_t rowBytes = static_cast<std::size_t>(pixels.width) * pixels.bytesPerPixel;
    for (int y = first; y < last; ++y)
        std::memcpy(source.ptr(y - first), pixels.top + static_cast<std::ptrdiff_t>(y) * pixels.stride, rowBytes);
    cv::Mat bgra;
    if (source.channels() == 3)
        cv::cvtColor(source, bgra, cv::COLOR_BGR2BGRA);
    else
        bgra = source;
    if (pixels.bytes != PixelBytes::Bgra)
        bgra |= cv::Scalar(0, 0, 0, 255);
    cv::copyMakeBorder(bgra, bgra, 0, bgra.rows % kHalf, 0, bgra.cols % kHalf, cv::BORDER_REPLICATE);
    return bgra;
}

// The colour block (bx, by) of `rows` keeps. A pixel that stands out more
// from the blocks around than from its own block (a line one pixel wide, a
// letter's stroke, a speck of opacity) gives the block its colour, so that
// what a trace stops at survives. Otherwise the block takes its mean: along
// an edge between two regions that is the edge antialiased, where choosing
// one side or the other pixel by pixel would fray it.
void BlockColour(const cv::Mat& rows, const cv::Vec4i& mean, const cv::Vec4i& around, int bx, int by, std::uint8_t* out)
{
    const std::uint8_t* chosen = nullptr;
    int farthest = -1;
    for (int dy = 0; dy < kHalf; ++dy) {
        const std::uint8_t* p = rows.ptr(kHalf * by + dy) + 4 * kHalf * bx;
        for (int dx = 0; dx < kHalf; ++dx, p += 4) {
            const int distance = SquaredDistance(p, around.val);
            if (distance > farthest) {
                farthest = distance;
                chosen = p;
            }
        }
    }
    const int fromMean = SquaredDistance(chosen, mean.val);
    if (fromMean > kNoise && farthest > fromMean) {
        std::memcpy(out, chosen, 4);
        return;
    }
    for (int i = 0; i < 4; ++i)
        out[i] = static_cast<std::uint8_t>(mean[i]);
}

// Halved in blue, green, red and opacity, band by band, so that a large
// picture is never held whole in a second form; converted after.
cv::Mat Halved(const TracePixels& pixels)
{
    const int columns = (pixels.width + 1) / kHalf, blockRows = (pixels.height + 1) / kHalf;
    cv::Mat halved(blockRows, columns, CV_8UC4);
    for (int first = 0; first < pixels.height; first += kBandRows) {
        const int last = std::min(pixels.height, first + kBandRows);
        const int readFirst = std::max(0, first - kBandMargin), readLast = std::min(pixels.height, last + kBandMargin);
        const cv::Mat rows = BgraRows(pixels, readFirst, readLast);
        cv::Mat means, around;
        cv::resize(rows, means, cv::Size(rows.cols / kHalf, rows.rows / kHalf), 0, 0, cv::INTER_AREA);
        cv::Mat wide;
        means.convertTo(wide, CV_32SC4);
        cv::blur(means, around, cv::Size(3, 3), cv::Point(-1, -1), cv::BORDER_REPLICATE);
        cv::Mat aroundWide;
        around.convertTo(aroundWide, CV_32SC4);
        for (int by = (first - readFirst) / kHalf; by < (last - readFirst + 1) / kHalf; ++by) {
            std::uint8_t* out = halved.ptr(readFirst / kHalf + by);
            const cv::Vec4i* mean = wide.ptr<cv::Vec4i>(by);
            const cv::Vec4i* near = aroundWide.ptr<cv::Vec4i>(by);
            for (int bx = 0; bx < columns; ++bx)
                BlockColour(rows, mean[bx], near[bx], bx, by, out + 4 * bx);
        }
    }
    return halved;
}

} // namespace

// The converted pixels, and the same smoothed once for every trace, copied
// out of OpenCV's keeping.
void TraceCanvas::Take(const TracePixels& pixels)
{
    const cv::Mat laba = LabPixels(pixels).Window(cv::Rect(0, 0, pixels.width, pixels.height));
    m_columns = laba.cols;
    m_rows = laba.rows;
    m_laba.resize(static_cast<std::size_t>(m_columns) * m_rows * 4);
    laba.copyTo(cv::Mat(laba.size(), CV_8UC4, m_laba.data()));
    m_smoothed.resize(m_laba.size());
    LabPixels::Smoothing(laba).copyTo(cv::Mat(laba.size(), CV_8UC4, m_smoothed.data()));
}

TraceCanvas TraceCanvas::Of(const TracePixels& pixels)
{
    const std::int64_t count = static_cast<std::int64_t>(pixels.width) * pixels.height;
    return Of(pixels, count > kMostWholePixels ? kHalf : 1);
}

TraceCanvas TraceCanvas::Of(const TracePixels& pixels, int scale)
{
    TraceCanvas canvas;
    if (!pixels.Usable() || !pixels.HoldsDrawnColours() || (scale != 1 && scale != kHalf))
        return canvas;
    try {
        if (scale == kHalf) {
            const cv::Mat halved = Halved(pixels);
            canvas.Take(
                {halved.data, static_cast<std::ptrdiff_t>(halved.step), halved.cols, halved.rows, 4, PixelBytes::Bgra});
        } else {
            canvas.Take(pixels);
        }
    } catch (const cv::Exception&) {
        return TraceCanvas();
    } catch (const std::bad_alloc&) {
        return TraceCanvas();
    }
    canvas.m_scale = scale;
    canvas.m_width = pixels.width;
    canvas.m_height = pixels.height;
    return canvas;
}

TraceResult TraceCanvas::Trace(Point seed, const TraceOptions& options) const
{
    TraceResult refused;
    if (IsEmpty())
        refused.failure = TraceFailure::NoPicture;
    else if (seed.x < 0 || seed.y < 0 || seed.x >= m_width || seed.y >= m_height)
        refused.failure = TraceFailure::OutsidePicture;
    if (!refused.Ok())
        return refused;
    // The distance in canvas pixels; on a halved canvas never under one, the
    // step of its outline's staircase, which a smaller one would follow
    // corner by corner: two picture pixels at most.
    TraceOptions scaled = options;
    scaled.epsilon = m_scale == 1 ? options.epsilon : std::max(options.epsilon / m_scale, kLeastHalvedEpsilon);
    const std::ptrdiff_t stride = static_cast<std::ptrdiff_t>(m_columns) * 4;
    const TracePixels pixels{m_laba.data(), stride, m_columns, m_rows, 4, PixelBytes::Laba};
    const TracePixels smoothed{m_smoothed.data(), stride, m_columns, m_rows, 4, PixelBytes::Laba};
    const int thinnest = m_scale == 1 ? RegionTracer::kThinnest : RegionTracer::kThinnest - 1;
    TraceResult result = RegionTracer(scaled, thinnest).Trace(pixels, &smoothed, {seed.x / m_scale, seed.y / m_scale});
    // A canvas pixel of the last column or row of an odd-sized picture covers
    // one picture pixel, not two: its far corners are the picture's edge.
    for (Point& p : result.outline) {
        p.x = std::min(p.x * m_scale, m_width);
        p.y = std::min(p.y * m_scale, m_height);
    }
    result.regionPixels =
        std::min<std::int64_t>(result.regionPixels * m_scale * m_scale, static_cast<std::int64_t>(m_width) * m_height);
    return result;
}
