#pragma once
// The area of the picture an area covers, for hit tests: an even-odd polygon
// or an ellipse inscribed in a rectangle. A pixel belongs to the region when
// its centre lies inside the shape, so left and top edges are in and right and
// bottom edges out, as with window regions.

#include "services/types/Geometry.h"

#include <vector>

class HitRegion
{
public:
    enum class Kind { Empty, Polygon, Ellipse };

    static HitRegion MakePolygon(const std::vector<Point>& points);
    static HitRegion MakeEllipse(const Rect& box);

    Kind GetKind() const { return m_kind; }
    bool IsEmpty() const { return m_kind == Kind::Empty; }
    void Offset(int dx, int dy);
    bool ContainsPoint(int x, int y) const;
    bool IntersectsRect(const Rect& rect) const;

private:
    bool ContainsCentre(double cx, double cy) const;
    bool PolygonCrossesBox(double left, double top, double right, double bottom) const;

    Kind m_kind = Kind::Empty;
    std::vector<Point> m_points; // polygon corners
    Rect m_box;                  // ellipse bounds
};
