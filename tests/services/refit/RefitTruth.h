#pragma once
// How far the refit puts an area's points from where they belong: the true
// place of each point before rounding, by the rule rectangles and circles
// are carried with (a rectangle's centre carried and its half sides scaled
// across and down, a circle's radius by the mean of the two scales), and the
// largest miss along either axis of the points the refit gives.

#include "model/CMapData.h"
#include "services/refit/MapRefit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace refittruth
{

inline std::vector<PlanePoint> TruePoints(const CMapData& area, const PictureTransform& t)
{
    const PointList& p = area.m_points;
    if (area.m_shape == ShapePoly) {
        std::vector<PlanePoint> points;
        for (const Point& q : p)
            points.push_back(t.Apply({double(q.x), double(q.y)}));
        return points;
    }
    const double hw = (p[2].x - p[0].x) / 2.0, hh = (p[2].y - p[0].y) / 2.0;
    const PlanePoint c = t.Apply({p[0].x + hw, p[0].y + hh});
    const bool circle = area.m_shape == ShapeCirc;
    const double w = hw * (circle ? t.MeanScale() : t.ScaleX()), h = hh * (circle ? t.MeanScale() : t.ScaleY());
    return {{c.x - w, c.y - h}, {c.x + w, c.y - h}, {c.x + w, c.y + h}, {c.x - w, c.y + h}};
}

inline double WorstError(const std::vector<CMapData>& areas, const PictureTransform& found,
                         const PictureTransform& truth, DisplaySize newSize)
{
    double worst = 0;
    for (const CMapData& area : areas) {
        const PointList carried = maprefit::Carried(area, found, newSize);
        const std::vector<PlanePoint> truePoints = TruePoints(area, truth);
        for (std::size_t i = 0; i < truePoints.size(); ++i)
            worst =
                std::max({worst, std::abs(carried[i].x - truePoints[i].x), std::abs(carried[i].y - truePoints[i].y)});
    }
    return worst;
}

} // namespace refittruth
