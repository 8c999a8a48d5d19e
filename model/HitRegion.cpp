#include "model/HitRegion.h"

#include <algorithm>

HitRegion HitRegion::MakePolygon(const std::vector<Point>& points)
{
    HitRegion r;
    if (points.size() >= 3) {
        r.m_kind = Kind::Polygon;
        r.m_points = points;
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
        const Point& a = m_points[i];
        const Point& b = m_points[j];
        if ((a.y > cy) != (b.y > cy)) {
            double xCross = a.x + (cy - a.y) * (double(b.x) - a.x) / (double(b.y) - a.y);
            if (cx < xCross)
                inside = !inside;
        }
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
