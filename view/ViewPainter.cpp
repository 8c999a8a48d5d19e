#include "view/ViewPainter.h"

#include "model/CMapData.h"
#include "services/picture/QtText.h"
#include "services/settings/AppSettings.h"
#include "view/CZephyrmapView.h"
#include "view/SelectionState.h"

#include <QPainter>
#include <QPolygon>

#include <cmath>

namespace
{

QRect Grown(const QRect& r, int by)
{
    return r.adjusted(-by, -by, by, by);
}

// Half the side of the cross that marks a snapped point, in window pixels.
constexpr int kMarkReach = 5;
// Grid lines closer than this on screen would hide the picture: a grid that
// fine shows every second, fifth, tenth... line instead.
constexpr float kClosestGridOnScreen = 8.0f;
// Every fifth line shown is drawn stronger, to count by.
constexpr int kMajorEvery = 5;

// The lines shown: every `spacing` picture pixels, or a multiple of it (1,
// 2, 5, 10, 20, 50...) far enough apart at magnification `z`.
int ShownSpacing(int spacing, float z)
{
    for (long multiple = 1;; multiple *= 10) {
        for (long step : {multiple, 2 * multiple, 5 * multiple}) {
            const long shown = spacing * step;
            if (static_cast<float>(shown) * z >= kClosestGridOnScreen || shown > (1L << 24))
                return static_cast<int>(shown);
        }
    }
}

} // namespace

QPen ViewPainter::OutlinePen() const
{
    QPen pen(ToQColor(m_settings.OutlineColor));
    pen.setWidth(1);
    pen.setCosmetic(true);
    return pen;
}

QBrush ViewPainter::AreaBrush() const
{
    if (!m_settings.Hatching)
        return Qt::NoBrush;
    return QBrush(ToQColor(m_settings.HatchColor), Qt::BDiagPattern);
}

void ViewPainter::DrawArea(QPainter& painter, const CMapData& area) const
{
    const PointList& points = area.m_points;
    if ((area.m_shape == ShapePoly || area.m_shape == ShapeRect) && points.size() > 1) {
        QPolygon polygon;
        for (const Point& p : points)
            polygon << m_view.ToLogical(p);
        painter.drawPolygon(polygon, Qt::OddEvenFill);
    } else if (area.m_shape == ShapeCirc && points.size() == 4) {
        // The box's right and bottom edges lie outside it, as with the region.
        const QRect box = QRect(m_view.ToLogical(points[0]), m_view.ToLogical(points[2])).normalized();
        painter.drawEllipse(QRect(box.topLeft(), QSize(box.width() - 2, box.height() - 2)));
    }
}

void ViewPainter::DrawInverted(QPainter& painter, const CMapData& area) const
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    DrawArea(painter, area);
    painter.restore();
}

void ViewPainter::DrawInvertedLine(QPainter& painter, std::span<const Point> points, bool closed) const
{
    if (points.size() < 2)
        return;
    QPolygon line;
    for (const Point& p : points)
        line << m_view.ToLogical(p);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPolyline(line);
    if (closed && points.size() > 2) {
        // The closing edge dotted, so that it reads as the one still to come.
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.drawLine(line.back(), line.front());
    }
    painter.restore();
}

QRect ViewPainter::HandleSquare(const Rect& handle) const
{
    const float z = m_view.Factor();
    const QPoint origin = m_view.Origin();
    const int cx = handle.left + (handle.right - handle.left) / 2;
    const int cy = handle.top + (handle.bottom - handle.top) / 2;
    const int dx = origin.x() + static_cast<int>(static_cast<float>(cx) * z - static_cast<float>(cx));
    const int dy = origin.y() + static_cast<int>(static_cast<float>(cy) * z - static_cast<float>(cy));
    const int grow = (handle.left - handle.right + 6) / 2;
    return QRect(QPoint(handle.left + dx - grow, handle.top + dy - grow),
                 QPoint(handle.right + dx + grow - 1, handle.bottom + dy + grow - 1));
}

void ViewPainter::PaintHandles(QPainter& painter, const SelectionState& selection) const
{
    if (selection.IsGroup()) {
        PaintGroupHandles(painter, selection);
        return;
    }
    const std::vector<Rect>& handles = selection.Handles();
    if (!selection.IsSelected() || handles.size() < 2)
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const Rect& handle : handles)
        painter.fillRect(HandleSquare(handle), Qt::black);
    // The grabbed handle: inverted once more one pixel wider, which leaves a
    // frame around a normal centre.
    const int grabbed = selection.grabbedHandle;
    if (grabbed >= 0 && grabbed < static_cast<int>(handles.size()))
        painter.fillRect(Grown(HandleSquare(handles[grabbed]), 1), Qt::black);
    painter.restore();
}

// Several areas selected: hollow squares at their corners, which take no
// drag, so that they read as a group to move rather than shapes to reshape;
// the reference, which the others take their size from, has solid ones.
void ViewPainter::PaintGroupHandles(QPainter& painter, const SelectionState& selection) const
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    for (const CMapData* area : selection.Areas()) {
        painter.setBrush(area == selection.Reference() ? QBrush(Qt::black) : QBrush(Qt::NoBrush));
        for (const Point& p : SelectionState::HandlePoints(*area)) {
            const QPoint at = m_view.ToLogical(p);
            painter.drawRect(QRect(at - QPoint(3, 3), QSize(6, 6)));
        }
    }
    painter.restore();
}

// Lines every spacing picture pixels over the picture, in the grid colour.
void ViewPainter::PaintGrid(QPainter& painter, const QRect& clip) const
{
    if (m_settings.GridSpacing <= 0)
        return;
    const int spacing = ShownSpacing(m_settings.GridSpacing, m_view.Factor());
    const int major = spacing * kMajorEvery;
    const QRect picture = m_view.PictureRect();
    const QRect area = picture.intersected(clip);
    if (area.isEmpty())
        return;
    painter.save();
    const QColor colour = ToQColor(m_settings.GridColor);
    // A stronger line is one window pixel wider, to its right and below.
    const auto line = [&](int at, bool vertical, bool strong) {
        for (int extra = 0; extra <= (strong ? 1 : 0); ++extra) {
            if (vertical)
                painter.fillRect(at + extra, area.top(), 1, area.height(), colour);
            else
                painter.fillRect(area.left(), at + extra, area.width(), 1, colour);
        }
    };
    const Point first = m_view.ToPictureFromLogical(area.topLeft());
    for (int x = first.x / spacing * spacing;; x += spacing) {
        const int at = m_view.ToLogical({x, 0}).x();
        if (at > area.right())
            break;
        if (at >= area.left() - 1)
            line(at, true, x % major == 0);
    }
    for (int y = first.y / spacing * spacing;; y += spacing) {
        const int at = m_view.ToLogical({0, y}).y();
        if (at > area.bottom())
            break;
        if (at >= area.top() - 1)
            line(at, false, y % major == 0);
    }
    painter.restore();
}

void ViewPainter::PaintSnapMark(QPainter& painter, Point at) const
{
    const QPoint c = m_view.ToLogical(at);
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLine(c.x() - kMarkReach, c.y() - kMarkReach, c.x() + kMarkReach, c.y() + kMarkReach);
    painter.drawLine(c.x() - kMarkReach, c.y() + kMarkReach, c.x() + kMarkReach, c.y() - kMarkReach);
    painter.restore();
}

void ViewPainter::PaintRubberBand(QPainter& painter, const Rect& band) const
{
    const QPoint a = m_view.ToLogical({band.left, band.top});
    const QPoint b = m_view.ToLogical({band.right, band.bottom});
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(a, b).normalized());
    painter.restore();
}
