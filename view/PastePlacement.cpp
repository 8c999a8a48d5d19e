#include "view/PastePlacement.h"

#include "view/CZephyrmapView.h"

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
