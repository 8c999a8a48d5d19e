// Any two small pictures for the refit, any reference points and any
// transform for carrying areas: whatever the bytes, nothing crashes, a
// transform found is a finite one of the ways a picture is exported again,
// reference points that give a transform are carried by it, and carried
// points stay whole numbers.
//
// Input layout: the old picture's width - 1 and height - 1 (1 byte each,
// taken modulo 96), the new picture's likewise, flags (bit 0: the old
// picture's pixels 3 bytes, bit 1: the new one's, bit 2: the new picture the
// old one's rows read backwards), the number of reference pairs (1 byte,
// modulo 4), then 12 signed 16-bit numbers (little-endian): the pairs'
// coordinates, old x, old y, new x, new y, in quarter pixels; then the
// pixels' bytes, repeated as far as the pictures need.
#include "model/CMapData.h"
#include "services/refit/MapRefit.h"
#include "services/refit/ReferenceFit.h"
#include "services/refit/TransformFinder.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace
{

constexpr std::size_t kSizes = 5;
constexpr std::size_t kNumbers = 12;
constexpr std::size_t kHeader = kSizes + 1 + 2 * kNumbers;
constexpr int kLargestSide = 96;

struct Pixels {
    std::vector<std::uint8_t> bytes;
    PixelView view;
};

Pixels Fill(const std::uint8_t* data, std::size_t size, std::size_t& at, int width, int height, int bytesPerPixel,
            bool backwards)
{
    Pixels p;
    const std::size_t stride = static_cast<std::size_t>(width) * bytesPerPixel;
    p.bytes.resize(stride * height);
    for (std::uint8_t& b : p.bytes)
        b = data[kHeader + at++ % (size - kHeader)];
    p.view = {p.bytes.data(), static_cast<std::ptrdiff_t>(stride), width, height, bytesPerPixel};
    if (backwards) {
        p.view.top = p.bytes.data() + stride * (height - 1);
        p.view.stride = -p.view.stride;
    }
    return p;
}

double Number(const std::uint8_t* data, std::size_t i)
{
    return static_cast<std::int16_t>(data[kSizes + 1 + 2 * i] | data[kSizes + 2 + 2 * i] << 8) / 4.0;
}

void CheckFound(const RefitResult& r)
{
    if (!r.Ok())
        return;
    if (!r.transform.Finite() || !TransformFinder::IsReExport(r.transform))
        std::abort();
    if (!std::isfinite(r.residual) || r.residual < 0 || r.agreeing < 0 || r.agreeing > r.matched)
        std::abort();
}

void CheckPairs(const std::vector<ReferencePair>& pairs)
{
    const ReferenceFit fit = ReferenceFit::From(pairs, PictureTransform::ScaleShift(0.5, 2, 3, -4));
    if (!fit.Ok())
        return;
    if (!fit.transform.Finite() || fit.transform.Determinant() <= 0)
        std::abort();
    // One pair and three are carried exactly (to rounding, relative to the
    // numbers' size); two are on the axes whose spans gave the scales.
    if (pairs.size() == 1 || pairs.size() == 3) {
        for (const ReferencePair& pair : pairs) {
            const PlanePoint p = fit.transform.Apply(pair.oldPoint);
            if (std::abs(p.x - pair.newPoint.x) > 1e-3 * (1 + std::abs(pair.newPoint.x)) ||
                std::abs(p.y - pair.newPoint.y) > 1e-3 * (1 + std::abs(pair.newPoint.y)))
                std::abort();
        }
    }
}

// The pairs' numbers as points and as a transform for every shape of area.
void CheckCarried(const std::uint8_t* data)
{
    const PictureTransform t(Number(data, 0) / 64, Number(data, 1) / 64, Number(data, 2) * 1000, Number(data, 3) / 64,
                             Number(data, 4) / 64, Number(data, 5) * 1000);
    for (int shape : {ShapeRect, ShapeCirc, ShapePoly, ShapeDefault}) {
        CMapData area;
        area.m_shape = shape;
        for (std::size_t i = 6; i + 1 < kNumbers; i += 2)
            area.m_points.push_back({static_cast<std::int32_t>(Number(data, i) * 4e4),
                                     static_cast<std::int32_t>(Number(data, i + 1) * 4e4)});
        area.m_points.push_back(area.m_points[0]);
        const PointList carried = maprefit::Carried(area, t, {100, 80});
        maprefit::WhollyOutside(shape, carried, {100, 80});
        if (carried.empty())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size <= kHeader)
        return 0;
    const int oldWidth = data[0] % kLargestSide + 1, oldHeight = data[1] % kLargestSide + 1;
    const int newWidth = data[2] % kLargestSide + 1, newHeight = data[3] % kLargestSide + 1;
    const std::uint8_t flags = data[4];
    std::size_t at = 0;
    const Pixels older = Fill(data, size, at, oldWidth, oldHeight, flags & 1 ? 3 : 4, false);
    const Pixels newer = Fill(data, size, at, newWidth, newHeight, flags & 2 ? 3 : 4, flags & 4);
    CheckFound(TransformFinder().Find(older.view, newer.view));
    std::vector<ReferencePair> pairs;
    for (std::size_t i = 0; i < data[kSizes] % 4u; ++i)
        pairs.push_back(
            {{Number(data, 4 * i), Number(data, 4 * i + 1)}, {Number(data, 4 * i + 2), Number(data, 4 * i + 3)}});
    CheckPairs(pairs);
    CheckCarried(data);
    return 0;
}
