#include "services/trace/TraceCanvas.h"

#include "services/trace/LabPixels.h"

#include <opencv2/imgproc.hpp>

#include <algorithm>
#include <cstring>
#include <new>

namespace
{

constexpr int kHalf = 2;
// A pixel stands out of its block when its colour lies farther than this
// from the block's mean (squared distance over blue, green, red and opacity;
// about Delta E 6): a line one pixel wide of a colour at least Delta E 12
// from its ground does, the noise of a photograph mostly does not.
constexpr int kStandsOut = 16 * 16;
// Picture rows read at a time while halving.
constexpr int kBandBlocks = 128;

struct Bgra {
    int c[4];
};

int SquaredDistance(const Bgra& a, const Bgra& b)
{
    int sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += (a.c[i] - b.c[i]) * (a.c[i] - b.c[i]);
    return sum;
}

Bgra PixelAt(const TracePixels& pixels, int x, int y)
{
    const std::uint8_t* p = pixels.top + static_cast<std::ptrdiff_t>(y) * pixels.stride +
                            static_cast<std::ptrdiff_t>(x) * pixels.bytesPerPixel;
    const int opacity = pixels.bytes == PixelBytes::Bgra ? p[3] : 255;
    return {{p[0], p[1], p[2], opacity}};
}

// The blocks of picture rows [2 * first, 2 * last) as their pixels' means
// (CV_32SC4), with one block more above and below where the picture has them.
struct Band {
    int first, last; // the band's block rows
    int top;         // the block row of means.row(0)
    cv::Mat means;
};

Band MeansOf(const TracePixels& pixels, int first, int last, int blockRows, int blockColumns)
{
    Band band{first, last, std::max(0, first - 1), cv::Mat()};
    const int bottom = std::min(blockRows, last + 1);
    band.means.create(bottom - band.top, blockColumns, CV_32SC4);
    for (int by = band.top; by < bottom; ++by) {
        for (int bx = 0; bx < blockColumns; ++bx) {
            Bgra sum{{0, 0, 0, 0}};
            int count = 0;
            for (int y = kHalf * by; y < std::min(pixels.height, kHalf * by + kHalf); ++y) {
                for (int x = kHalf * bx; x < std::min(pixels.width, kHalf * bx + kHalf); ++x) {
                    const Bgra p = PixelAt(pixels, x, y);
                    for (int i = 0; i < 4; ++i)
                        sum.c[i] += p.c[i];
                    ++count;
                }
            }
            cv::Vec4i& mean = band.means.at<cv::Vec4i>(by - band.top, bx);
            for (int i = 0; i < 4; ++i)
                mean[i] = (sum.c[i] + count / 2) / count;
        }
    }
    return band;
}

// The mean of the blocks around (bx, by) and the block itself.
Bgra AroundMean(const Band& band, int bx, int by)
{
    Bgra sum{{0, 0, 0, 0}};
    int count = 0;
    for (int y = std::max(band.top, by - 1); y < std::min(band.top + band.means.rows, by + 2); ++y) {
        for (int x = std::max(0, bx - 1); x < std::min(band.means.cols, bx + 2); ++x) {
            const cv::Vec4i& m = band.means.at<cv::Vec4i>(y - band.top, x);
            for (int i = 0; i < 4; ++i)
                sum.c[i] += m[i];
            ++count;
        }
    }
    for (int& c : sum.c)
        c /= count;
    return sum;
}

// The colour block (bx, by) keeps: its pixel farthest from the blocks
// around, when that one stands out of the block, else the block's mean.
Bgra BlockColour(const TracePixels& pixels, const Band& band, int bx, int by)
{
    const cv::Vec4i& m = band.means.at<cv::Vec4i>(by - band.top, bx);
    const Bgra mean{{m[0], m[1], m[2], m[3]}};
    const Bgra around = AroundMean(band, bx, by);
    Bgra chosen = mean;
    int farthest = -1;
    for (int y = kHalf * by; y < std::min(pixels.height, kHalf * by + kHalf); ++y) {
        for (int x = kHalf * bx; x < std::min(pixels.width, kHalf * bx + kHalf); ++x) {
            const Bgra p = PixelAt(pixels, x, y);
            const int distance = SquaredDistance(p, around);
            if (distance > farthest) {
                farthest = distance;
                chosen = p;
            }
        }
    }
    return SquaredDistance(chosen, mean) > kStandsOut ? chosen : mean;
}

// Halved in blue, green, red and opacity, band by band, so that a large
// picture is never held whole in a second form; converted after.
cv::Mat Halved(const TracePixels& pixels)
{
    const int blockColumns = (pixels.width + 1) / kHalf, blockRows = (pixels.height + 1) / kHalf;
    cv::Mat halved(blockRows, blockColumns, CV_8UC4);
    for (int first = 0; first < blockRows; first += kBandBlocks) {
        const Band band = MeansOf(pixels, first, std::min(blockRows, first + kBandBlocks), blockRows, blockColumns);
        for (int by = band.first; by < band.last; ++by) {
            auto* out = halved.ptr<cv::Vec4b>(by);
            for (int bx = 0; bx < blockColumns; ++bx) {
                const Bgra c = BlockColour(pixels, band, bx, by);
                out[bx] =
                    cv::Vec4b(std::uint8_t(c.c[0]), std::uint8_t(c.c[1]), std::uint8_t(c.c[2]), std::uint8_t(c.c[3]));
            }
        }
    }
    return halved;
}

} // namespace

// The converted pixels, copied out of OpenCV's keeping.
void TraceCanvas::Take(const TracePixels& pixels)
{
    const cv::Mat laba = LabPixels(pixels).Window(cv::Rect(0, 0, pixels.width, pixels.height));
    m_columns = laba.cols;
    m_rows = laba.rows;
    m_laba.resize(static_cast<std::size_t>(m_columns) * m_rows * 4);
    laba.copyTo(cv::Mat(laba.size(), CV_8UC4, m_laba.data()));
}

TraceCanvas TraceCanvas::Of(const TracePixels& pixels)
{
    const std::int64_t count = static_cast<std::int64_t>(pixels.width) * pixels.height;
    return Of(pixels, count > kMostWholePixels ? kHalf : 1);
}

TraceCanvas TraceCanvas::Of(const TracePixels& pixels, int scale)
{
    TraceCanvas canvas;
    if (!RegionTracer::CanRead(pixels) || (scale != 1 && scale != kHalf))
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
    TraceOptions scaled = options;
    scaled.epsilon = options.epsilon / m_scale;
    const TracePixels pixels{m_laba.data(),   static_cast<std::ptrdiff_t>(m_columns) * 4, m_columns, m_rows, 4,
                             PixelBytes::Laba};
    const int thinnest = m_scale == 1 ? RegionTracer::kThinnest : RegionTracer::kThinnest - 1;
    TraceResult result = RegionTracer(scaled, thinnest).Trace(pixels, {seed.x / m_scale, seed.y / m_scale});
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
