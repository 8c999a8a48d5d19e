#include "model/HitRegion.h"

#include <algorithm>
#include <cmath>

HitRegion HitRegion::MakePolygon(std::span<const Point> points)
{
    HitRegion r;
    if (points.size() >= 3) {
        r.m_kind = Kind::Polygon;
        r.m_points.assign(points.begin(), points.end());
    }
    return r;
}

HitRegion HitRegion::MakeEllipse(const Rect& box)
{
    HitRegion r;
    Rect b{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
           std::max(box.top, box.bottom)};
    if (!b.IsEmpty()) {
        r.m_kind = Kind::Ellipse;
        r.m_box = b;
    }
    return r;
}

void HitRegion::Offset(int dx, int dy)
{
    for (Point& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
    m_box = {m_box.left + dx, m_box.top + dy, m_box.right + dx, m_box.bottom + dy};
}

namespace
{

// Where the edge from a to b crosses the horizontal line at cy; one formula
// for the point test and the row runs, so that both count the same pixels.
double CrossingX(const Point& a, const Point& b, double cy)
{
    return a.x + (cy - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
}

bool Straddles(const Point& a, const Point& b, double cy)
{
    return (a.y > cy) != (b.y > cy);
}

// The first pixel whose centre lies at or past the crossing c (the point
// test's `cx < c` no longer holds).
std::int64_t FirstPixelFrom(double c)
{
    constexpr double kFar = 4.0e18;
    auto x = static_cast<std::int64_t>(std::clamp(std::ceil(c - 0.5), -kFar, kFar));
    while (double(x) + 0.5 < c)
        ++x;
    while (double(x - 1) + 0.5 >= c)
        --x;
    return x;
}

void AddSpan(std::int64_t begin, std::int64_t end, std::int32_t left, std::int32_t right,
             std::vector<HitRegion::Span>& spans)
{
    begin = std::max<std::int64_t>(begin, left);
    end = std::min<std::int64_t>(end, right);
    if (begin >= end)
        return;
    if (!spans.empty() && spans.back().end >= begin)
        spans.back().end = std::max(spans.back().end, static_cast<std::int32_t>(end));
    else
        spans.push_back({static_cast<std::int32_t>(begin), static_cast<std::int32_t>(end)});
}

} // namespace

bool HitRegion::ContainsCentre(double cx, double cy) const
{
    if (m_kind == Kind::Ellipse) {
        // Differences in double: a box may span the whole int range.
        double rx = (double(m_box.right) - m_box.left) / 2.0;
        double ry = (double(m_box.bottom) - m_box.top) / 2.0;
        double dx = (cx - (m_box.left + rx)) / rx;
        double dy = (cy - (m_box.top + ry)) / ry;
        return dx * dx + dy * dy <= 1.0;
    }
    if (m_kind != Kind::Polygon)
        return false;
    bool inside = false; // even-odd crossing count
    for (std::size_t i = 0, j = m_points.size() - 1; i < m_points.size(); j = i++) {
        if (Straddles(m_points[i], m_points[j], cy) && cx < CrossingX(m_points[i], m_points[j], cy))
            inside = !inside;
    }
    return inside;
}

bool HitRegion::ContainsPoint(int x, int y) const
{
    return ContainsCentre(x + 0.5, y + 0.5);
}

static bool SegmentsCross(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy)
{
    auto side = [](double px, double py, double qx, double qy, double rx, double ry) {
        double v = (qx - px) * (ry - py) - (qy - py) * (rx - px);
        return (v > 0) - (v < 0);
    };
    int d1 = side(cx, cy, dx, dy, ax, ay), d2 = side(cx, cy, dx, dy, bx, by);
    int d3 = side(ax, ay, bx, by, cx, cy), d4 = side(ax, ay, bx, by, dx, dy);
    return d1 * d2 <= 0 && d3 * d4 <= 0 && !(d1 == 0 && d2 == 0);
}

bool HitRegion::PolygonCrossesBox(double left, double top, double right, double bottom) const
{
    const double box[4][2] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    for (std::size_t i = 0, j = m_points.size() - 1; i < m_points.size(); j = i++) {
        const Point& a = m_points[i];
        const Point& b = m_points[j];
        if (a.x >= left && a.x <= right && a.y >= top && a.y <= bottom)
            return true;
        for (int e = 0; e < 4; ++e) {
            const double* p = box[e];
            const double* q = box[(e + 1) % 4];
            if (SegmentsCross(a.x, a.y, b.x, b.y, p[0], p[1], q[0], q[1]))
                return true;
        }
    }
    return false;
}

bool HitRegion::IntersectsRect(const Rect& rect) const
{
    if (m_kind == Kind::Empty || rect.IsEmpty())
        return false;
    // Pixel centres of the rectangle span this box.
    double left = rect.left + 0.5, top = rect.top + 0.5;
    double right = rect.right - 0.5, bottom = rect.bottom - 0.5;
    if (m_kind == Kind::Ellipse) {
        double rx = (double(m_box.right) - m_box.left) / 2.0, ry = (double(m_box.bottom) - m_box.top) / 2.0;
        double nx = std::clamp(m_box.left + rx, left, right);
        double ny = std::clamp(m_box.top + ry, top, bottom);
        return ContainsCentre(nx, ny);
    }
    return ContainsCentre(left, top) || PolygonCrossesBox(left, top, right, bottom);
}

Rect HitRegion::Bounds() const
{
    if (m_kind == Kind::Ellipse)
        return m_box;
    if (m_kind != Kind::Polygon)
        return Rect();
    Rect r{m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const Point& p : m_points) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

void HitRegion::RowSpans(std::int32_t y, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const
{
    spans.clear();
    if (m_kind == Kind::Polygon)
        PolygonRowSpans(y + 0.5, left, right, spans);
    else if (m_kind == Kind::Ellipse)
        EllipseRowSpans(y + 0.5, left, right, spans);
}

// A centre is inside when an odd number of crossings lie to its right: with
// the crossings sorted, from the 2k-th up to the (2k+1)-th.
void HitRegion::PolygonRowSpans(double cy, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const
{
    thread_local std::vector<double> crossings;
    crossings.clear();
    for (std::size_t i = 0, j = m_points.size() - 1; i < m_points.size(); j = i++) {
        if (Straddles(m_points[i], m_points[j], cy))
            crossings.push_back(CrossingX(m_points[i], m_points[j], cy));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
        AddSpan(FirstPixelFrom(crossings[k]), FirstPixelFrom(crossings[k + 1]), left, right, spans);
}

// An ellipse meets a row in one run: found from the closed form, then its
// ends settled by the point test itself.
void HitRegion::EllipseRowSpans(double cy, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const
{
    const double rx = (double(m_box.right) - m_box.left) / 2.0, ry = (double(m_box.bottom) - m_box.top) / 2.0;
    const double dy = (cy - (m_box.top + ry)) / ry;
    if (dy * dy > 1.0)
        return;
    const double centre = m_box.left + rx, half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    std::int64_t first = std::clamp<std::int64_t>(FirstPixelFrom(centre - half), m_box.left, m_box.right);
    std::int64_t last = std::clamp<std::int64_t>(FirstPixelFrom(centre + half) - 1, m_box.left, m_box.right);
    const auto inside = [&](std::int64_t x) { return ContainsCentre(double(x) + 0.5, cy); };
    while (first <= last && !inside(first))
        ++first;
    while (first > m_box.left && inside(first - 1))
        --first;
    while (last >= first && !inside(last))
        --last;
    while (last + 1 < m_box.right && inside(last + 1))
        ++last;
    if (first <= last)
        AddSpan(first, last + 1, left, right, spans);
}
