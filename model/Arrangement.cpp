#include "model/Arrangement.h"

#include "model/CMapData.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace arrangement
{
namespace
{

PointList Shifted(PointList points, int dx, int dy)
{
    for (Point& p : points)
        p = {p.x + dx, p.y + dy};
    return points;
}

// A circle's box made `size` square around the same centre: a circle is
// placed by its centre, which must not wander when its size changes.
PointList CircleResized(const CMapData& area, int size)
{
    PointList points = area.m_points;
    const Rect r = area.Bounds();
    const int left = r.left + (r.right - r.left - size) / 2;
    const int top = r.top + (r.bottom - r.top - size) / 2;
    for (Point& p : points)
        p = {p.x == r.left ? left : left + size, p.y == r.top ? top : top + size};
    return points;
}

// Stretched along one axis from the bounds' near edge, so that the bounds
// become `size` long.
PointList Resized(const CMapData& area, int size, bool horizontal)
{
    if (area.m_shape == ShapeCirc)
        return CircleResized(area, size);
    PointList points = area.m_points;
    const Rect r = area.Bounds();
    const int old = horizontal ? r.right - r.left : r.bottom - r.top;
    for (Point& p : points) {
        int& value = horizontal ? p.x : p.y;
        const int from = horizontal ? r.left : r.top;
        value = old == 0 ? from + size : from + static_cast<int>(std::lround(double(value - from) * size / old));
    }
    return points;
}

int Centre(int a, int b)
{
    return a + (b - a) / 2;
}

std::vector<PointList> Aligned(Kind kind, const std::vector<const CMapData*>& areas, Reference reference)
{
    std::vector<Rect> bounds;
    for (const CMapData* area : areas)
        bounds.push_back(area->Bounds());
    Rect all = bounds.front();
    if (reference == Reference::Extent) {
        for (const Rect& r : bounds)
            all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
                   std::max(all.bottom, r.bottom)};
    }
    std::vector<PointList> out;
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const Rect& r = bounds[i];
        int dx = 0, dy = 0;
        switch (kind) {
        case Kind::AlignLeft:
            dx = all.left - r.left;
            break;
        case Kind::AlignRight:
            dx = all.right - r.right;
            break;
        case Kind::AlignTop:
            dy = all.top - r.top;
            break;
        case Kind::AlignBottom:
            dy = all.bottom - r.bottom;
            break;
        case Kind::AlignCentresHorizontally:
            dx = Centre(all.left, all.right) - Centre(r.left, r.right);
            break;
        default:
            dy = Centre(all.top, all.bottom) - Centre(r.top, r.bottom);
            break;
        }
        out.push_back(Shifted(areas[i]->m_points, dx, dy));
    }
    return out;
}

// The first and the last along the axis stay; the others are placed so that
// the gaps between neighbours are equal.
std::vector<PointList> Distributed(bool horizontal, const std::vector<const CMapData*>& areas)
{
    std::vector<Rect> bounds;
    for (const CMapData* area : areas)
        bounds.push_back(area->Bounds());
    auto low = [horizontal](const Rect& r) { return horizontal ? r.left : r.top; };
    auto length = [horizontal](const Rect& r) { return horizontal ? r.right - r.left : r.bottom - r.top; };
    std::vector<std::size_t> order(areas.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return low(bounds[a]) + length(bounds[a]) / 2.0 < low(bounds[b]) + length(bounds[b]) / 2.0;
    });
    const Rect& first = bounds[order.front()];
    const Rect& last = bounds[order.back()];
    double taken = 0;
    for (const Rect& r : bounds)
        taken += length(r);
    const double span = low(last) + length(last) - low(first);
    const double gap = (span - taken) / static_cast<double>(areas.size() - 1);
    std::vector<PointList> out(areas.size());
    double at = low(first);
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::size_t i = order[k];
        const int moveBy = k == order.size() - 1 ? 0 : static_cast<int>(std::lround(at)) - low(bounds[i]);
        out[i] = Shifted(areas[i]->m_points, horizontal ? moveBy : 0, horizontal ? 0 : moveBy);
        at += length(bounds[i]) + gap;
    }
    return out;
}

} // namespace

int FewestAreas(Kind kind)
{
    return kind == Kind::DistributeHorizontally || kind == Kind::DistributeVertically ? 3 : 2;
}

std::vector<PointList> Arrange(Kind kind, const std::vector<const CMapData*>& areas, Reference reference)
{
    std::vector<PointList> out;
    if (areas.empty() || std::any_of(areas.begin(), areas.end(), [](const CMapData* a) { return a->m_points.empty(); }))
        return out;
    switch (kind) {
    case Kind::DistributeHorizontally:
    case Kind::DistributeVertically:
        if (static_cast<int>(areas.size()) < FewestAreas(kind))
            break;
        return Distributed(kind == Kind::DistributeHorizontally, areas);
    case Kind::SameWidth:
    case Kind::SameHeight: {
        const bool horizontal = kind == Kind::SameWidth;
        const Rect first = areas.front()->Bounds();
        const int size = horizontal ? first.right - first.left : first.bottom - first.top;
        for (const CMapData* area : areas)
            out.push_back(Resized(*area, size, horizontal));
        return out;
    }
    default:
        return Aligned(kind, areas, reference);
    }
    for (const CMapData* area : areas)
        out.push_back(area->m_points);
    return out;
}

} // namespace arrangement
