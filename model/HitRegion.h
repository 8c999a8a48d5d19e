#pragma once
// The area of the picture an area covers, for hit tests: an even-odd polygon
// or an ellipse inscribed in a rectangle. A pixel belongs to the region when
// its centre lies inside the shape, so left and top edges are in and right and
// bottom edges out, as with window regions.

#include "services/types/Geometry.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

class HitRegion
{
public:
    enum class Kind { Empty, Polygon, Ellipse };

    static HitRegion MakePolygon(std::span<const Point> points);
    static HitRegion MakePolygon(std::initializer_list<Point> points)
    {
        return MakePolygon({points.begin(), points.size()});
    }
    static HitRegion MakeEllipse(const Rect& box);

    Kind GetKind() const { return m_kind; }
    bool IsEmpty() const { return m_kind == Kind::Empty; }
    void Offset(int dx, int dy);
    bool ContainsPoint(int x, int y) const;
    bool IntersectsRect(const Rect& rect) const;
    // The pixels the region may hold lie in this rectangle; empty for none.
    Rect Bounds() const;

    // A run of pixels [begin, end) of one row.
    struct Span {
        std::int32_t begin = 0;
        std::int32_t end = 0;
    };
    // The pixels of row `y` that ContainsPoint holds, within [left, right),
    // as runs from left to right (replacing what `spans` held). Whole rows are
    // taken at once, so that covering a picture costs rows, not pixels.
    void RowSpans(std::int32_t y, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const;

private:
    bool ContainsCentre(double cx, double cy) const;
    void PolygonRowSpans(double cy, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const;
    void EllipseRowSpans(double cy, std::int32_t left, std::int32_t right, std::vector<Span>& spans) const;
    bool PolygonCrossesBox(double left, double top, double right, double bottom) const;

    Kind m_kind = Kind::Empty;
    std::vector<Point> m_points; // polygon corners
    Rect m_box;                  // ellipse bounds
};
