#include "view/AreaMove.h"

#include "model/CZephyrmapDoc.h"
#include "view/CZephyrmapView.h"

AreaMove::AreaMove(CZephyrmapView& view, const CMapData& area, Point down, bool moving)
    : m_view(view), m_area(const_cast<CMapData*>(&area)), m_snapshot(std::make_unique<CMapData>(area)), m_moving(moving)
{
    m_copy.Start(area, down);
}

void AreaMove::Moved(Point p)
{
    if (m_moving)
        Follow(p);
    else
        m_view.Hover(p);
}

void AreaMove::ModifiersChanged()
{
    if (m_moving)
        Follow(m_copy.Last());
}

void AreaMove::TimerFired()
{
    m_view.StopClickTimer();
    m_moving = true;
}

void AreaMove::Follow(Point p)
{
    Rect before, after;
    m_copy.Follow(p, m_view.ShiftHeld(), m_view.Factor(), before, after);
    m_view.InvalidateChange(before, after);
}

std::unique_ptr<CMapData> AreaMove::BareCopy(const CMapData& area)
{
    auto copy = std::make_unique<CMapData>(area);
    copy->SetAttributes(std::string(), std::string(), std::string(), 0, 0, std::string());
    return copy;
}

void AreaMove::Released(Point p)
{
    m_done = true;
    m_view.StopClickTimer();
    if (!m_moving)
        return; // a plain click: selected, nothing moved
    const bool moved = !(p == m_copy.Down());
    if (m_view.CtrlHeld()) {
        if (moved) // a copy dropped on its original would be an invisible twin
            m_view.AddArea(BareCopy(m_copy.Area()));
    } else if (m_view.Doc().IndexOf(m_area) >= 0 && moved) {
        *m_area = m_copy.Area();
        m_view.Selection().Build(m_area, m_view.Factor(), m_view.Selection().grabbedHandle);
        m_view.RecordGeometryEdit(UndoAreaMoved, std::move(m_snapshot), m_area);
    }
    m_view.InvalidateAll();
}

void AreaMove::Paint(QPainter& painter) const
{
    if (m_moving)
        m_view.DrawInverted(painter, m_copy.Area());
}
