#include "view/SelectionMode.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "view/AreaMove.h"
#include "view/AreaPicker.h"
#include "view/AreaReshape.h"
#include "view/GroupMove.h"
#include "view/InteractionHost.h"
#include "view/PaneInterface.h"
#include "view/RubberBandSelection.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <algorithm>
#include <cmath>
#include <memory>

void SelectionMode::Moved(Point p)
{
    m_view.Hover(p);
}

// A double-click on the grabbed vertex's own handle deletes that vertex.
// Anywhere else its second press is a press like any other: it selects, or
// starts the drag of a polygon clicked twice in quick succession.
void SelectionMode::DoubleClicked(Point p)
{
    SelectionState& selection = m_view.Selection();
    const int grabbed = selection.grabbedHandle;
    const CMapData* area = selection.Area();
    if (area && area->m_shape == ShapePoly && selection.IsOnHandle(grabbed, p, m_view.Factor())) {
        m_view.DeletePoint();
        return;
    }
    m_view.Hover(p);
    Pressed(p);
}

void SelectionMode::Pressed(Point p)
{
    // What lies under the press, not under the last move: a press right
    // after an area was drawn, or the view scrolled, comes without a move.
    m_view.Hover(p);
    if (m_view.AltHeld()) {
        SelectNextBeneath(p);
        return;
    }
    if (m_view.ShiftHeld() && m_view.Cursor() == CursorKind::Nothing) {
        AddByBand(p);
        return;
    }
    switch (m_view.Cursor()) {
    case CursorKind::OverArea:
        PressOnArea(p);
        break;
    case CursorKind::Nothing:
        PressOnNothing(p);
        break;
    default:
        PressOnSelection(p);
        break;
    }
}

// Shift on nothing: a band that adds what it takes to the selection.
void SelectionMode::AddByBand(Point p)
{
    m_view.BeginDrag(std::make_unique<RubberBandSelection>(m_view, p, m_view.Selection().Areas()));
}

void SelectionMode::SelectNextBeneath(Point p)
{
    if (CMapData* next = AreaPicker(m_view.Doc()).NextAt(p, m_view.Selection().Area()))
        m_view.SelectAndTell(next);
}

// A click on the selected area moves it at once (a group's area, the whole
// group); a click on another selects it, and it moves only if the button is
// still down when the click timer fires.
void SelectionMode::PressOnArea(Point p)
{
    CMapData* area = m_view.HoveredArea();
    if (!area)
        return;
    // With Shift a click that moves nothing takes the area into the
    // selection or out of it; a drag moves along one axis, as ever.
    std::optional<std::vector<CMapData*>> toggleFrom;
    if (m_view.ShiftHeld())
        toggleFrom = m_view.Selection().Areas();
    if (m_view.Selection().IsGroup() && m_view.Selection().Contains(area)) {
        m_view.BeginDrag(std::make_unique<GroupMove>(m_view, m_view.Selection().Areas(), p, area, toggleFrom));
        return;
    }
    const bool alreadySelected = area == m_view.Selection().Area();
    if (!alreadySelected)
        m_view.SelectAndTell(area);
    m_view.BeginDrag(std::make_unique<AreaMove>(m_view, *area, p, alreadySelected, toggleFrom));
    if (!alreadySelected)
        m_view.StartClickTimer();
}

void SelectionMode::PressOnNothing(Point p)
{
    m_view.ClearViewSelection();
    if (m_view.PointerInsidePicture())
        m_view.Frame().SelectDefaultArea();
    else
        m_view.Frame().ClearSelection();
    m_view.BeginDrag(std::make_unique<RubberBandSelection>(m_view, p, std::vector<CMapData*>()));
}

void SelectionMode::PressOnSelection(Point p)
{
    SelectionState& selection = m_view.Selection();
    CMapData* area = selection.Area();
    if (!area)
        return;
    const CursorKind cursor = m_view.Cursor();
    const int handle = selection.hoveredHandle;
    const bool corner = cursor == CursorKind::SizeNwse || cursor == CursorKind::SizeNesw;
    const bool edgeMiddle = cursor == CursorKind::SizeNs || cursor == CursorKind::SizeWe;
    if (area->m_shape == ShapePoly && cursor == CursorKind::SizeNwse) {
        selection.grabbedHandle = handle;
        m_view.BeginDrag(std::make_unique<AreaReshape>(m_view, AreaReshape::Vertex, handle, p));
        m_view.InvalidateAll();
    } else if (cursor == CursorKind::InsertVertex) {
        InsertVertex(p);
    } else if (area->m_shape == ShapeRect && corner) {
        m_view.BeginDrag(std::make_unique<AreaReshape>(m_view, AreaReshape::Corner, handle, p));
    } else if (area->m_shape == ShapeRect && edgeMiddle) {
        // Handles 1, 3, 5 and 7 sit on the top, right, bottom and left edges.
        m_view.BeginDrag(std::make_unique<AreaReshape>(m_view, AreaReshape::Edge, (handle - 1) / 2, p));
    } else if (area->m_shape == ShapeCirc && corner) {
        m_view.BeginDrag(std::make_unique<AreaReshape>(m_view, AreaReshape::Circle, handle, p));
    } else {
        return;
    }
    m_view.SetCursorKind(CursorKind::Drawing);
}

Point SelectionMode::InsertionPoint(Point a, Point b, Point pointer)
{
    if (a.x == b.x)
        return {a.x, pointer.y};
    const double g = static_cast<double>(b.y - a.y) / (a.x - b.x);
    if (std::abs(g) > 1)
        return {static_cast<int>(a.x - (pointer.y - a.y) / g), pointer.y};
    return {pointer.x, static_cast<int>(a.y - g * (pointer.x - a.x))};
}

// The new vertex goes before the edge's second point (index 0 for the
// closing edge) and is dragged at once.
void SelectionMode::InsertVertex(Point p)
{
    SelectionState& selection = m_view.Selection();
    CMapData* area = selection.Area();
    const int edge = selection.hoveredEdge;
    if (area->m_shape != ShapePoly || edge < 0 || edge >= static_cast<int>(selection.Edges().size()))
        return;
    auto reshape = std::make_unique<AreaReshape>(m_view, AreaReshape::Vertex, -1, p);
    const EdgeZone& zone = selection.Edges()[edge];
    const Point at = InsertionPoint(area->m_points[zone.first], area->m_points[zone.second], p);
    const int index = zone.second;
    area->InsertVertex(index, at.x, at.y);
    selection.Build(area, m_view.Factor(), index);
    selection.hoveredHandle = index;
    reshape->SetVertex(index);
    m_view.BeginDrag(std::move(reshape));
    m_view.InvalidateAll();
}
