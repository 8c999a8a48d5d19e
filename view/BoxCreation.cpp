#include "view/BoxCreation.h"

#include "model/CZephyrmapDoc.h"
#include "view/BoxConstraint.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <QPainter>

#include <cstdlib>
#include <memory>

Point BoxCreation::Snapped(Point p)
{
    return m_view.Snapping().Snap(p, m_view.Factor(), {});
}

void BoxCreation::Pressed(Point pointer)
{
    const Point p = Snapped(pointer);
    if (!m_creating) {
        m_area.Reset();
        m_area.m_shape = m_shape;
        m_area.m_points.assign(4, p);
        m_pressed = p;
        m_view.ClearViewSelection();
        m_creating = true;
        return;
    }
    Finish(p);
}

// A release far enough from the press ends the box there; one at the press
// leaves the drawing to the second click.
void BoxCreation::Released(Point pointer)
{
    if (!m_creating)
        return;
    const QPoint press = m_view.ToLogical(m_pressed), here = m_view.ToLogical(pointer);
    if (std::abs(here.x() - press.x()) < kDragDistance && std::abs(here.y() - press.y()) < kDragDistance)
        return;
    Finish(Snapped(pointer));
}

void BoxCreation::Finish(Point p)
{
    m_creating = false;
    m_view.Snapping().ClearMark();
    DragTo(p, true);
    if (m_area.GetShapeRect().IsEmpty()) {
        Abandon();
        return;
    }
    m_area.BuildRegion();
    m_view.AddArea(std::make_unique<CMapData>(m_area));
    m_area.Reset();
    m_view.FinishCreation();
}

// Before the press, the mark shows where the first corner would snap.
void BoxCreation::Moved(Point p)
{
    m_last = p;
    if (m_creating)
        DragTo(Snapped(p), false);
    else if (m_view.Snapping().Preview(p, m_view.Factor()))
        m_view.InvalidateAll();
}

void BoxCreation::ModifiersChanged()
{
    if (m_creating)
        DragTo(Snapped(m_last), false);
}

// Point 0 follows the pointer; point 2 stays at the first click, or mirrors
// the pointer there when Shift draws from the middle. Ctrl squares a
// rectangle; a circle's box is square already.
void BoxCreation::DragTo(Point p, bool normalize)
{
    const Rect before = m_area.GetScreenBounds(m_view.Factor());
    const bool fromCentre = m_view.ShiftHeld();
    const bool square =
        fromCentre ? m_shape == ShapeCirc || m_view.CtrlHeld() : m_shape == ShapeRect && m_view.CtrlHeld();
    const boxconstraint::Corners corners = boxconstraint::Apply(m_pressed, p, square, fromCentre);
    Point& fixed = m_area.m_points[2];
    fixed = corners.fixed;
    m_area.m_points[1].x = fixed.x;
    m_area.m_points[3].y = fixed.y;
    if (m_shape == ShapeCirc)
        m_area.DragCircleCorner(corners.moving.x, corners.moving.y, 0, normalize);
    else
        m_area.DragRectCorner(corners.moving.x, corners.moving.y, 0, normalize);
    m_view.InvalidateChange(before, m_area.GetScreenBounds(m_view.Factor()));
}

void BoxCreation::DoubleClicked(Point)
{
    Abandon();
}

void BoxCreation::Abandon()
{
    m_creating = false;
    m_area.Reset();
    m_view.ClearViewSelection();
    m_view.FinishCreation();
    m_view.InvalidateAll();
}

bool BoxCreation::Cancel()
{
    if (!m_creating) {
        m_view.ReturnToSelectionTool();
        return true;
    }
    m_creating = false;
    m_area.Reset();
    m_view.InvalidateAll();
    return true;
}

void BoxCreation::Paint(QPainter& painter) const
{
    const Rect box = m_area.GetShapeRect();
    if (!m_creating || box.IsEmpty())
        return;
    // The box's right and bottom edges are outside it, as the outline's are.
    const QPoint topLeft = m_view.ToLogical({box.left, box.top});
    const QPoint bottomRight = m_view.ToLogical({box.right, box.bottom});
    const QRect outline(topLeft, QSize(bottomRight.x() - topLeft.x() - 1, bottomRight.y() - topLeft.y() - 1));
    if (m_shape == ShapeCirc)
        painter.drawEllipse(outline);
    else
        painter.drawRect(outline);
}
