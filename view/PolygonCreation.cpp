#include "view/PolygonCreation.h"

#include "view/CZephyrmapView.h"

#include <QPainter>
#include <QPolygon>

#include <memory>

void PolygonCreation::Pressed(Point p)
{
    if (!m_creating) {
        m_area.Reset();
        m_view.ClearViewSelection();
        m_area.m_points.push_back(p);
        m_area.m_shape = ShapePoly;
        m_creating = true;
        m_pointerMoved = false;
    }
    m_area.m_points.push_back(p); // the point that follows the pointer
}

void PolygonCreation::Moved(Point p)
{
    if (!m_creating)
        return;
    m_pointerMoved = true;
    const Rect before = m_area.GetScreenBounds(m_view.Factor());
    m_area.MoveVertex(static_cast<int>(m_area.m_points.size()) - 1, p.x, p.y);
    m_view.InvalidateChange(before, m_area.GetScreenBounds(m_view.Factor()));
}

void PolygonCreation::DoubleClicked(Point)
{
    if (!m_creating)
        return;
    m_creating = false;
    if (!m_pointerMoved) {
        // Nothing was drawn: the tool stays, and the next click starts afresh.
        m_area.Reset();
        m_view.InvalidateAll();
        return;
    }
    Finish();
    m_view.InvalidateAll();
    m_view.ReturnToSelectionTool();
}

// The double-click's own press added a point on top of the last vertex:
// dropping it leaves the vertices clicked.
void PolygonCreation::Finish()
{
    if (m_area.m_points.size() < 4) {
        m_area.Reset();
        return;
    }
    m_area.m_points.pop_back();
    m_area.m_shape = ShapePoly;
    m_area.BuildRegion();
    m_view.AddArea(std::make_unique<CMapData>(m_area));
    m_area.Reset();
}

void PolygonCreation::Paint(QPainter& painter) const
{
    if (!m_creating || m_area.m_points.size() < 2)
        return;
    QPolygon line;
    for (const Point& p : m_area.m_points)
        line << m_view.ToLogical(p);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPolyline(line);
    painter.restore();
}
