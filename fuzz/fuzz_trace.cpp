// Any small picture, point and options for the region tracer: whatever the
// pixels, a traced outline has at least three corners, stays on the picture
// and never touches itself, and no more corners than were allowed.
//
// Input layout: width - 1 (1 byte, taken modulo 48), height - 1 (likewise),
// flags (bit 0: 3-byte pixels, bit 1: rows bottom-up, bit 2: the fourth byte
// is opacity, bit 3: traced on a halved canvas), seed x and y (1 byte
// each), tolerance (1 byte, Delta E), epsilon (1 byte, tenths of a pixel),
// most corners (1 byte; 0 no limit, else at least 3), then the pixels' bytes,
// repeated as far as the picture needs. Few distinct bytes give regions with
// necks, holes and diagonal touches.
#include "services/trace/PolygonCheck.h"
#include "services/trace/RegionTracer.h"
#include "services/trace/TraceCanvas.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace
{

constexpr std::size_t kHeader = 8;
constexpr int kLargestSide = 48;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size <= kHeader)
        return 0;
    const int width = data[0] % kLargestSide + 1, height = data[1] % kLargestSide + 1;
    const int bytesPerPixel = (data[2] & 1) ? 3 : 4;
    const bool bottomUp = data[2] & 2;
    const PixelBytes bytes = bytesPerPixel == 4 && (data[2] & 4) ? PixelBytes::Bgra : PixelBytes::Bgr;
    const bool halved = data[2] & 8;
    const Point seed{data[3] % (width + 2) - 1, data[4] % (height + 2) - 1};
    TraceOptions options;
    options.tolerance = data[5];
    options.epsilon = data[6] / 10.0;
    options.maxVertices = data[7] == 0 ? 0 : data[7] % 30 + 3;
    const std::size_t stride = static_cast<std::size_t>(width) * bytesPerPixel + 1;
    std::vector<std::uint8_t> pixels(stride * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = data[kHeader + i % (size - kHeader)];
    TracePixels view{pixels.data(), static_cast<std::ptrdiff_t>(stride), width, height, bytesPerPixel, bytes};
    if (bottomUp) {
        view.top = pixels.data() + stride * (height - 1);
        view.stride = -view.stride;
    }
    const TraceResult r =
        halved ? TraceCanvas::Of(view, 2).Trace(seed, options) : RegionTracer(options).Trace(view, seed);
    const bool outside = seed.x < 0 || seed.y < 0 || seed.x >= width || seed.y >= height;
    if (r.failure != (outside ? TraceFailure::OutsidePicture : TraceFailure::None))
        std::abort();
    if (outside)
        return 0;
    if (r.outline.size() < 3 || !polygoncheck::IsSimple(r.outline))
        std::abort();
    if (options.maxVertices && r.outline.size() > static_cast<std::size_t>(options.maxVertices))
        std::abort();
    for (const Point& p : r.outline) {
        if (p.x < 0 || p.y < 0 || p.x > width || p.y > height)
            std::abort();
    }
    if (r.regionPixels < 1 || r.regionPixels > static_cast<std::int64_t>(width) * height)
        std::abort();
    return 0;
}
