#include "services/refit/MapRefit.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace maprefit
{

namespace
{

// Whole pixels, halves away from zero; a point carried beyond the range of
// coordinates stays at its end.
std::int32_t Whole(double v)
{
    constexpr double kLeast = std::numeric_limits<std::int32_t>::min();
    constexpr double kMost = std::numeric_limits<std::int32_t>::max();
    if (std::isnan(v))
        return 0;
    return static_cast<std::int32_t>(std::clamp(std::round(v), kLeast, kMost));
}

Point WholePoint(PlanePoint p)
{
    return {Whole(p.x), Whole(p.y)};
}

// Top-left, top-right, bottom-right, bottom-left, as rectangles and circles
// keep them.
PointList Corners(double left, double top, double right, double bottom)
{
    return {{Whole(left), Whole(top)},
            {Whole(right), Whole(top)},
            {Whole(right), Whole(bottom)},
            {Whole(left), Whole(bottom)}};
}

PointList CarriedRect(const PointList& p, const PictureTransform& t)
{
    const double halfWidth = (double(p[2].x) - p[0].x) / 2, halfHeight = (double(p[2].y) - p[0].y) / 2;
    const PlanePoint centre = t.Apply({p[0].x + halfWidth, p[0].y + halfHeight});
    const double w = halfWidth * t.ScaleX(), h = halfHeight * t.ScaleY();
    return Corners(centre.x - w, centre.y - h, centre.x + w, centre.y + h);
}

// The centre and radius as the circle is written (see CMapData::FormatCoords).
PointList CarriedCircle(const PointList& p, const PictureTransform& t)
{
    const double radius = double((std::int64_t(p[2].x) - p[0].x) / 2);
    const PlanePoint centre = t.Apply({p[0].x + radius, p[0].y + radius});
    const Point c = WholePoint(centre);
    const double r = Whole(radius * t.MeanScale());
    return Corners(c.x - r, c.y - r, c.x + r, c.y + r);
}

PointList CarriedPoints(const PointList& points, const PictureTransform& t)
{
    PointList carried;
    carried.reserve(points.size());
    for (const Point& p : points)
        carried.push_back(WholePoint(t.Apply({double(p.x), double(p.y)})));
    return carried;
}

bool IsOldSize(const CZephyrmapDoc& doc, DisplaySize oldFrame)
{
    const bool empty = doc.Width().empty() && doc.Height().empty();
    return empty || ParseDisplaySize(doc.Width(), doc.Height()) == oldFrame;
}

} // namespace

PointList Carried(const CMapData& area, const PictureTransform& t, DisplaySize newSize)
{
    return Carried(area.m_shape, area.m_points, t, newSize);
}

PointList Carried(int shape, const PointList& p, const PictureTransform& t, DisplaySize newSize)
{
    switch (shape) {
    case ShapeDefault:
        return {{0, 0}, {newSize.width, newSize.height}};
    case ShapeRect:
        return p.size() == 4 ? CarriedRect(p, t) : CarriedPoints(p, t);
    case ShapeCirc:
        return p.size() == 4 ? CarriedCircle(p, t) : CarriedPoints(p, t);
    default:
        return CarriedPoints(p, t);
    }
}

bool WhollyOutside(int shape, const PointList& points, DisplaySize picture)
{
    if (shape == ShapeDefault || points.empty())
        return false;
    std::int64_t left = points[0].x, right = left, top = points[0].y, bottom = top;
    for (const Point& p : points) {
        left = std::min<std::int64_t>(left, p.x);
        right = std::max<std::int64_t>(right, p.x);
        top = std::min<std::int64_t>(top, p.y);
        bottom = std::max<std::int64_t>(bottom, p.y);
    }
    return right <= 0 || bottom <= 0 || left >= picture.width || top >= picture.height;
}

Plan PlanFor(CZephyrmapDoc& doc, const PictureTransform& t, DisplaySize oldFrame, DisplaySize newSize,
             const std::string& newPicture)
{
    Plan plan;
    plan.replacement.path = newPicture;
    plan.sizeKept = !IsOldSize(doc, oldFrame);
    plan.replacement.width = plan.sizeKept ? doc.Width() : std::to_string(newSize.width);
    plan.replacement.height = plan.sizeKept ? doc.Height() : std::to_string(newSize.height);
    int index = 0;
    for (const auto& area : doc.Areas()) {
        PointList points = Carried(*area, t, newSize);
        if (WhollyOutside(area->m_shape, points, newSize))
            plan.outside.push_back(index);
        plan.replacement.areas.emplace_back(area.get(), std::move(points));
        ++index;
    }
    return plan;
}

} // namespace maprefit
