#include "view/GroupMove.h"

#include "model/CZephyrmapDoc.h"
#include "view/AreaMove.h"
#include "view/InteractionHost.h"
#include "view/SelectionEdits.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <cstdlib>

GroupMove::GroupMove(InteractionHost& view, std::vector<CMapData*> areas, Point down, CMapData* pressed,
                     std::optional<std::vector<CMapData*>> toggleFrom)
    : m_view(view), m_areas(std::move(areas)), m_pressed(pressed), m_toggleFrom(std::move(toggleFrom)), m_down(down),
      m_last(down)
{
    for (const CMapData* area : m_areas) {
        m_copies.push_back(*area);
        m_start.insert(m_start.end(), area->m_points.begin(), area->m_points.end());
    }
}

void GroupMove::Moved(Point p)
{
    Follow(p);
}

void GroupMove::ModifiersChanged()
{
    Follow(m_last);
}

void GroupMove::Follow(Point p)
{
    m_last = p;
    Point offset{p.x - m_down.x, p.y - m_down.y};
    if (m_view.ShiftHeld()) {
        // The axis the pointer has gone further along wins; a tie moves sideways.
        if (std::abs(offset.x) < std::abs(offset.y))
            offset.x = 0;
        else
            offset.y = 0;
    }
    const std::vector<const CMapData*> moving(m_areas.begin(), m_areas.end());
    offset = m_view.Snapping().SnapOffset(m_start, offset, m_view.Factor(), moving);
    for (std::size_t i = 0; i < m_copies.size(); ++i)
        m_copies[i].OffsetBy(offset.x - m_offset.x, offset.y - m_offset.y);
    m_offset = offset;
    m_view.InvalidateAll();
}

void GroupMove::Released(Point)
{
    m_done = true;
    m_view.Snapping().ClearMark();
    m_view.InvalidateAll();
    if (m_offset.x == 0 && m_offset.y == 0) {
        // A click that moved nothing: with Shift it takes the area out of the
        // group; without, it makes the area the one the others follow.
        if (m_toggleFrom && m_pressed)
            m_view.SelectAndTell(AreaMove::Toggled(*m_toggleFrom, m_pressed));
        else if (m_pressed)
            m_view.Selection().ChooseReference(m_pressed);
        return;
    }
    if (m_view.CtrlHeld()) {
        std::vector<std::unique_ptr<CMapData>> copies;
        for (const CMapData& copy : m_copies)
            copies.push_back(AreaMove::BareCopy(copy));
        m_view.AddAreas(std::move(copies));
        return;
    }
    std::vector<PointList> moved;
    for (const CMapData& copy : m_copies)
        moved.push_back(copy.m_points);
    m_view.ReshapeAreas(m_areas, moved, UndoAreaMoved);
}

bool GroupMove::Cancel()
{
    m_done = true;
    m_view.Snapping().ClearMark();
    m_view.InvalidateAll();
    return true;
}

void GroupMove::Paint(QPainter& painter) const
{
    for (const CMapData& copy : m_copies)
        m_view.Painter().DrawInverted(painter, copy);
}
