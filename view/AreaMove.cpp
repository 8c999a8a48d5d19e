#include "view/AreaMove.h"

#include "model/CZephyrmapDoc.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <algorithm>

AreaMove::AreaMove(InteractionHost& view, const CMapData& area, Point down, bool moving,
                   std::optional<std::vector<CMapData*>> toggleFrom)
    : m_view(view), m_area(const_cast<CMapData*>(&area)), m_snapshot(std::make_unique<CMapData>(area)),
      m_toggleFrom(std::move(toggleFrom)), m_moving(moving)
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
    const CMapData* self = m_area;
    auto snap = [this, self](Point offset) {
        return m_view.Snapping().SnapOffset(m_copy.StartPoints(), offset, m_view.Factor(), {self});
    };
    m_copy.Follow(p, m_view.ShiftHeld(), m_view.Factor(), before, after, snap);
    m_view.InvalidateChange(before, after);
}

bool AreaMove::Cancel()
{
    m_done = true;
    m_view.StopClickTimer();
    m_view.InvalidateAll();
    return true;
}

std::vector<CMapData*> AreaMove::Toggled(std::vector<CMapData*> selection, CMapData* area)
{
    const auto found = std::find(selection.begin(), selection.end(), area);
    if (found != selection.end())
        selection.erase(found);
    else
        selection.push_back(area);
    return selection;
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
    m_view.Snapping().ClearMark();
    const bool moved = m_moving && m_copy.Area().m_points != m_copy.StartPoints() && !(p == m_copy.Down());
    if (!moved && m_toggleFrom) {
        m_view.SelectAndTell(Toggled(*m_toggleFrom, m_area));
        return;
    }
    if (!m_moving)
        return; // a plain click: selected, nothing moved
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
        m_view.Painter().DrawInverted(painter, m_copy.Area());
}
