#pragma once
// How the view draws the map over its picture: the areas' outlines (plain,
// or inverted for what follows the pointer), their hatching, the selected
// areas' handles, the grid, the mark of a snapped point and the rubber band.
// Positions are picture pixels, drawn on the view's logical surface.

#include "model/AreaList.h"
#include "services/types/Geometry.h"

#include <QBrush>
#include <QColor>
#include <QPen>
#include <QRect>

#include <span>

class CMapData;
class CZephyrmapView;
class QPainter;
class SelectionState;
struct AppSettings;

class ViewPainter
{
public:
    ViewPainter(const CZephyrmapView& view, const AppSettings& settings) : m_view(view), m_settings(settings) {}

    QPen OutlinePen() const;
    QBrush AreaBrush() const;
    // An area's outline with the painter's pen and brush.
    void DrawArea(QPainter& painter, const CMapData& area) const;
    // An area's outline inverted and hollow.
    void DrawInverted(QPainter& painter, const CMapData& area) const;
    // A line through the points, inverted; `closed` joins the last to the first.
    void DrawInvertedLine(QPainter& painter, std::span<const Point> points, bool closed) const;
    // Every area whose outline may meet `clip` (window pixels of the whole
    // surface); the others cost a look at their box.
    void DrawAreasMeeting(QPainter& painter, const AreaList& areas, const QRect& clip) const;
    void PaintHandles(QPainter& painter, const SelectionState& selection, const QRect& clip) const;
    void PaintGrid(QPainter& painter, const QRect& clip) const;
    void PaintSnapMark(QPainter& painter, Point at) const;
    void PaintRubberBand(QPainter& painter, const Rect& band) const;
    // A handle's square of 6 x 6 window pixels, whatever the magnification.
    QRect HandleSquare(const Rect& handle) const;

private:
    void PaintGroupHandles(QPainter& painter, const SelectionState& selection, const QRect& clip) const;
    // The window pixels an area's outline and handles may touch.
    QRect ShownBox(const CMapData& area) const;

    const CZephyrmapView& m_view;
    const AppSettings& m_settings;
};
