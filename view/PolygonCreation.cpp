#include "view/PolygonCreation.h"

#include "model/CZephyrmapDoc.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <QPainter>

#include <cstdlib>
#include <memory>

namespace
{

// Half the side of a handle, in window pixels.
constexpr int kHandleReach = 3;

} // namespace

void PolygonCreation::Pressed(Point pointer)
{
    if (m_creating && ClosesAt(pointer)) {
        Close();
        return;
    }
    const Point p = m_view.Snapping().Snap(pointer, m_view.Factor(), {});
    if (!m_creating) {
        m_area.Reset();
        m_view.ClearViewSelection();
        m_area.m_points.push_back(p);
        m_area.m_shape = ShapePoly;
        m_creating = true;
        m_pointerMoved = false;
    } else {
        m_area.m_points.back() = p;
    }
    m_area.m_points.push_back(p); // the point that follows the pointer
}

// The vertices placed make the polygon; the point that followed the
// pointer is no vertex.
void PolygonCreation::Close()
{
    m_creating = false;
    m_view.Snapping().ClearMark();
    m_area.m_points.pop_back();
    AddIfWhole();
    m_view.InvalidateAll();
    m_view.FinishCreation();
}

bool PolygonCreation::ClosesAt(Point p) const
{
    // The first vertex, the ones placed after it, and the one following the pointer.
    if (m_area.m_points.size() < 4)
        return false;
    const QPoint first = m_view.ToLogical(m_area.m_points.front()), here = m_view.ToLogical(p);
    return std::abs(first.x() - here.x()) <= kHandleReach && std::abs(first.y() - here.y()) <= kHandleReach;
}

void PolygonCreation::Moved(Point pointer)
{
    if (!m_creating) {
        // Before the first press, the mark shows where it would snap.
        if (m_view.Snapping().Preview(pointer, m_view.Factor()))
            m_view.InvalidateAll();
        return;
    }
    m_pointerMoved = true;
    const Point p = m_view.Snapping().Snap(pointer, m_view.Factor(), {});
    const Rect before = m_area.GetScreenBounds(m_view.Factor());
    m_area.MoveVertex(static_cast<int>(m_area.m_points.size()) - 1, p.x, p.y);
    // The closing edge runs back to the first point.
    m_view.InvalidateChange(before, m_area.GetScreenBounds(m_view.Factor()));
}

void PolygonCreation::DoubleClicked(Point)
{
    if (!m_creating)
        return;
    m_creating = false;
    m_view.Snapping().ClearMark();
    if (!m_pointerMoved) {
        // Nothing was drawn: the tool stays, and the next click starts afresh.
        m_area.Reset();
        m_view.InvalidateAll();
        return;
    }
    Finish();
    m_view.InvalidateAll();
    m_view.FinishCreation();
}

// Enter closes the polygon as a double-click does. Backspace takes the last
// placed vertex back; with only the first one left, the drawing ends, the
// tool still chosen.
bool PolygonCreation::KeyPressed(int key)
{
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_creating) {
        Close();
        return true;
    }
    if (key != Qt::Key_Backspace || !m_creating)
        return false;
    if (m_area.m_points.size() <= 2) {
        GiveUp();
        return true;
    }
    const Point following = m_area.m_points.back();
    m_area.m_points.pop_back();
    m_area.m_points.back() = following;
    m_view.InvalidateAll();
    return true;
}

void PolygonCreation::GiveUp()
{
    m_creating = false;
    m_area.Reset();
    m_view.Snapping().ClearMark();
    m_view.InvalidateAll();
}

bool PolygonCreation::Cancel()
{
    if (m_creating)
        GiveUp();
    else
        m_view.ReturnToSelectionTool();
    return true;
}

// The double-click's own press added a point on top of the last vertex:
// dropping it leaves the vertices clicked.
void PolygonCreation::Finish()
{
    if (!m_area.m_points.empty())
        m_area.m_points.pop_back();
    AddIfWhole();
}

void PolygonCreation::AddIfWhole()
{
    if (m_area.m_points.size() < 3) {
        m_area.Reset();
        return;
    }
    m_area.m_shape = ShapePoly;
    m_area.BuildRegion();
    m_view.AddArea(std::make_unique<CMapData>(m_area));
    m_area.Reset();
}

void PolygonCreation::Paint(QPainter& painter) const
{
    if (m_creating)
        m_view.Painter().DrawInvertedLine(painter, m_area.m_points, true);
}
