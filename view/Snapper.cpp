#include "view/Snapper.h"

#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <algorithm>
#include <cmath>

namespace
{

double Distance(Point a, Point b)
{
    return std::hypot(double(a.x) - b.x, double(a.y) - b.y);
}

// The nearest point of segment a-b to p, rounded to a pixel.
Point NearestPixelOnSegment(Point p, Point a, Point b)
{
    const double t = NearestOnSegment(p, a, b);
    return {static_cast<int>(std::lround(a.x + t * (b.x - a.x))), static_cast<int>(std::lround(a.y + t * (b.y - a.y)))};
}

// The corners of an area's outline that a point may snap to: a circle's
// centre stands for its vertices.
std::vector<Point> Vertices(const CMapData& area)
{
    if (area.m_shape == ShapeCirc && area.m_points.size() == 4) {
        const Rect r = area.Bounds();
        return {{r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2}};
    }
    return area.m_points.ToVector();
}

Point NearestOnCircle(Point p, const CMapData& circle)
{
    const Rect r = circle.Bounds();
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0, radius = (r.right - r.left) / 2.0;
    const double d = std::hypot(p.x - cx, p.y - cy);
    if (d == 0)
        return {static_cast<int>(std::lround(cx + radius)), static_cast<int>(std::lround(cy))};
    return {static_cast<int>(std::lround(cx + (p.x - cx) * radius / d)),
            static_cast<int>(std::lround(cy + (p.y - cy) * radius / d))};
}

} // namespace

bool Snapper::Active() const
{
    return !m_suspended && (m_settings.SnapToAreas || m_settings.SnapToGrid);
}

bool Snapper::Ignored(const CMapData& area, const std::vector<const CMapData*>& ignore) const
{
    return area.m_shape == ShapeDefault || std::find(ignore.begin(), ignore.end(), &area) != ignore.end();
}

std::optional<Point> Snapper::NearestVertex(Point p, double reach, const std::vector<const CMapData*>& ignore) const
{
    std::optional<Point> best;
    double bestDistance = reach;
    for (const auto& area : m_doc.Areas()) {
        if (Ignored(*area, ignore))
            continue;
        for (const Point& v : Vertices(*area)) {
            const double d = Distance(p, v);
            if (d <= bestDistance) {
                best = v;
                bestDistance = d;
            }
        }
    }
    return best;
}

std::optional<Point> Snapper::NearestOnOutline(Point p, double reach, const std::vector<const CMapData*>& ignore) const
{
    std::optional<Point> best;
    double bestDistance = reach;
    auto consider = [&](Point candidate) {
        const double d = Distance(p, candidate);
        if (d <= bestDistance) {
            best = candidate;
            bestDistance = d;
        }
    };
    for (const auto& area : m_doc.Areas()) {
        if (Ignored(*area, ignore) || area->m_points.size() < 2)
            continue;
        if (area->m_shape == ShapeCirc) {
            consider(NearestOnCircle(p, *area));
            continue;
        }
        const PointList& v = area->m_points;
        for (std::size_t i = 0; i < v.size(); ++i)
            consider(NearestPixelOnSegment(p, v[i], v[(i + 1) % v.size()]));
    }
    return best;
}

std::optional<Point> Snapper::OnGrid(Point p) const
{
    const int spacing = m_settings.GridSpacing;
    if (!m_settings.SnapToGrid || spacing <= 0)
        return std::nullopt;
    auto nearest = [spacing](int v) {
        return static_cast<int>(std::lround(static_cast<double>(v) / spacing)) * spacing;
    };
    return Point{nearest(p.x), nearest(p.y)};
}

Point Snapper::Snap(Point p, float factor, const std::vector<const CMapData*>& ignore)
{
    m_mark.reset();
    if (!Active())
        return p;
    const double reach = kReach / factor;
    std::optional<Point> snapped;
    if (m_settings.SnapToAreas) {
        snapped = NearestVertex(p, reach, ignore);
        if (!snapped)
            snapped = NearestOnOutline(p, reach, ignore);
    }
    if (!snapped)
        snapped = OnGrid(p);
    if (!snapped)
        return p;
    m_mark = snapped;
    return *snapped;
}

bool Snapper::Preview(Point p, float factor)
{
    const std::optional<Point> before = m_mark;
    Snap(p, factor, {});
    return before != m_mark;
}

Point Snapper::SnapOffset(std::span<const Point> moving, Point offset, float factor,
                          const std::vector<const CMapData*>& ignore)
{
    m_mark.reset();
    if (!Active() || moving.empty())
        return offset;
    const double reach = kReach / factor;
    std::optional<Point> correction, mark;
    double bestDistance = reach;
    for (const Point& start : moving) {
        const Point moved{start.x + offset.x, start.y + offset.y};
        std::optional<Point> target = m_settings.SnapToAreas ? NearestVertex(moved, reach, ignore) : std::nullopt;
        if (!target && m_settings.SnapToGrid && start.x == moving.front().x && start.y == moving.front().y)
            target = OnGrid(moved); // the grid takes the first point
        if (!target)
            continue;
        const double d = Distance(moved, *target);
        if (d <= bestDistance || !correction) {
            correction = Point{target->x - moved.x, target->y - moved.y};
            mark = target;
            bestDistance = d;
        }
    }
    if (!correction)
        return offset;
    m_mark = mark;
    return {offset.x + correction->x, offset.y + correction->y};
}
