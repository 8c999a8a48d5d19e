#include "view/PastePlacement.h"

#include "view/CZephyrmapView.h"

#include <algorithm>
#include <cstdint>
#include <memory>

PastePlacement::PastePlacement(CZephyrmapView& view, const CMapData& area, Point pointer)
    : m_view(view), m_area(area), m_last(pointer)
{
}

void PastePlacement::Moved(Point p)
{
    const Rect before = m_area.GetScreenBounds(m_view.Factor());
    m_area.OffsetBy(p.x - m_last.x, p.y - m_last.y);
    m_last = p;
    m_view.InvalidateChange(before, m_area.GetScreenBounds(m_view.Factor()));
}

void PastePlacement::Pressed(Point)
{
    m_done = true;
    m_view.AddArea(std::make_unique<CMapData>(m_area));
    m_view.InvalidateAll();
}

void PastePlacement::Paint(QPainter& painter) const
{
    m_view.DrawInverted(painter, m_area);
}

// In 64 bits: a block from elsewhere may hold points far apart.
void PastePlacement::CentreOn(CMapData& area, Point target)
{
    if (area.m_points.empty())
        return;
    const auto [minX, maxX] = std::minmax_element(area.m_points.begin(), area.m_points.end(),
                                                  [](const Point& a, const Point& b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(area.m_points.begin(), area.m_points.end(),
                                                  [](const Point& a, const Point& b) { return a.y < b.y; });
    const std::int64_t centreX = minX->x + (std::int64_t(maxX->x) - minX->x) / 2;
    const std::int64_t centreY = minY->y + (std::int64_t(maxY->y) - minY->y) / 2;
    area.OffsetBy(static_cast<int>(target.x - centreX), static_cast<int>(target.y - centreY));
}
