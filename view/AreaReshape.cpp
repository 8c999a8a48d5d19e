#include "view/AreaReshape.h"

#include "model/CZephyrmapDoc.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

AreaReshape::AreaReshape(InteractionHost& view, Kind kind, int which, Point)
    : m_view(view), m_area(view.Selection().Area()), m_kind(kind), m_which(which)
{
    if (m_area)
        m_snapshot = std::make_unique<CMapData>(*m_area);
}

bool AreaReshape::AreaAlive() const
{
    return m_area && m_view.Doc().IndexOf(m_area) >= 0;
}

void AreaReshape::Reshape(Point p, bool normalize)
{
    CMapData& area = *m_area;
    switch (m_kind) {
    case Vertex:
        area.MoveVertex(m_which, p.x, p.y);
        break;
    case Corner:
        area.DragRectCorner(p.x, p.y, m_which, normalize);
        break;
    case Edge:
        area.DragRectEdge(p.x, p.y, m_which, normalize);
        break;
    case Circle:
        area.DragCircleCorner(p.x, p.y, m_which, normalize);
        break;
    }
}

Point AreaReshape::Snapped(Point p)
{
    return m_view.Snapping().Snap(p, m_view.Factor(), {m_area});
}

void AreaReshape::Moved(Point pointer)
{
    if (m_rightMove) {
        FollowRightMove(pointer);
        return;
    }
    if (!AreaAlive())
        return;
    const Point p = Snapped(pointer);
    CMapData* area = m_area;
    const Rect before = area->GetScreenBounds(m_view.Factor());
    Reshape(p, false);
    // A dragged vertex takes its handle along; the other handles are rebuilt.
    if (m_kind == Vertex)
        m_view.Selection().MoveHandle(m_which, p, m_view.Factor());
    else
        m_view.Selection().Rebuild(m_view.Factor());
    m_view.InvalidateChange(before, area->GetScreenBounds(m_view.Factor()));
}

void AreaReshape::Released(Point pointer)
{
    m_done = true;
    CMapData* area = m_area;
    if (!AreaAlive() || !m_snapshot)
        return;
    const Point p = m_rightMove ? pointer : Snapped(pointer);
    m_view.Snapping().ClearMark();
    if (m_rightMove)
        EndRightMove();
    if (m_kind == Vertex) {
        m_view.Selection().Rebuild(m_view.Factor());
    } else {
        Reshape(p, true);
        m_view.Selection().Build(area, m_view.Factor(), -1);
    }
    // A handle taken and let go where it was changes nothing, and an undo
    // step for it would throw away what redo still holds.
    if (area->m_points != m_snapshot->m_points)
        m_view.RecordGeometryEdit(UndoAreaReshaped, std::move(m_snapshot), area);
    m_view.InvalidateAll();
}

bool AreaReshape::Cancel()
{
    m_done = true;
    m_rightMove = false;
    if (AreaAlive() && m_snapshot) {
        *m_area = *m_snapshot;
        m_view.Selection().Build(m_area, m_view.Factor(), m_view.Selection().grabbedHandle);
    }
    m_view.InvalidateAll();
    return true;
}

void AreaReshape::RightPressed(Point p)
{
    if (AreaAlive()) {
        m_copy.Start(*m_area, p);
        m_rightMove = true;
    }
}

void AreaReshape::RightReleased(Point)
{
    if (m_rightMove) {
        EndRightMove();
        m_view.InvalidateAll();
    }
}

// The area takes the outline's place; the reshape goes on from there and the
// step recorded on release covers both.
void AreaReshape::EndRightMove()
{
    m_rightMove = false;
    if (AreaAlive()) {
        *m_area = m_copy.Area();
        m_view.Selection().Build(m_area, m_view.Factor(), m_view.Selection().grabbedHandle);
    }
}

void AreaReshape::FollowRightMove(Point p)
{
    Rect before, after;
    m_copy.Follow(p, m_view.ShiftHeld(), m_view.Factor(), before, after);
    m_view.InvalidateChange(before, after);
}

void AreaReshape::ModifiersChanged()
{
    if (m_rightMove)
        FollowRightMove(m_copy.Last());
}

void AreaReshape::Paint(QPainter& painter) const
{
    if (m_rightMove)
        m_view.Painter().DrawInverted(painter, m_copy.Area());
}
