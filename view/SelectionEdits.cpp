#include "view/SelectionEdits.h"

#include "model/CZephyrmapDoc.h"
#include "view/AreaClipboard.h"
#include "view/CZephyrmapView.h"
#include "view/PaneInterface.h"
#include "view/PastePlacement.h"

#include <QCursor>

#include <memory>

void SelectionEdits::Reshape(const std::vector<CMapData*>& areas, const std::vector<PointList>& points, UndoKind kind)
{
    CZephyrmapDoc& doc = m_view.Doc();
    doc.BeginGroup();
    for (std::size_t i = 0; i < areas.size() && i < points.size(); ++i) {
        if (areas[i]->m_points == points[i])
            continue;
        auto before = std::make_unique<CMapData>(*areas[i]);
        areas[i]->m_points = points[i];
        areas[i]->BuildRegion();
        UndoStep step;
        step.kind = kind;
        doc.RecordEdit(std::move(step), std::move(before), areas[i], true);
    }
    doc.EndGroup();
    m_view.Selection().Rebuild(m_view.Factor());
    m_view.InvalidateAll();
    emit m_view.StateChanged();
}

void SelectionEdits::MoveBy(int dx, int dy)
{
    const std::vector<CMapData*> areas = m_view.Selection().Areas();
    std::vector<PointList> moved;
    for (const CMapData* area : areas) {
        CMapData copy = *area;
        copy.OffsetBy(dx, dy);
        moved.push_back(copy.m_points);
    }
    Reshape(areas, moved, UndoAreaMoved);
}

void SelectionEdits::Delete()
{
    const std::vector<CMapData*> areas = m_view.Selection().Areas();
    if (areas.empty())
        return;
    m_view.Doc().RemoveAreasUndoable(areas);
    m_view.Selection().Clear();
    m_view.SetHoveredArea(nullptr);
    m_view.Frame().FillList();
    m_view.InvalidateAll();
    emit m_view.StateChanged();
}

void SelectionEdits::SelectAll()
{
    std::vector<CMapData*> areas;
    for (const auto& area : m_view.Doc().Areas()) {
        if (area->m_shape != ShapeDefault)
            areas.push_back(area.get());
    }
    if (areas.empty())
        return;
    m_view.SelectAndTell(areas);
    m_view.InvalidateAll();
}

bool SelectionEdits::CanArrange(arrangement::Kind kind) const
{
    return static_cast<int>(m_view.Selection().Areas().size()) >= arrangement::FewestAreas(kind);
}

void SelectionEdits::Arrange(arrangement::Kind kind)
{
    if (!CanArrange(kind))
        return;
    const std::vector<CMapData*> areas = m_view.Selection().Areas();
    const std::vector<const CMapData*> constAreas(areas.begin(), areas.end());
    const auto reference =
        m_view.Selection().ReferenceChosen() ? arrangement::Reference::First : arrangement::Reference::Extent;
    Reshape(areas, arrangement::Arrange(kind, constAreas, reference), UndoAreaReshaped);
}

void SelectionEdits::Copy()
{
    const std::vector<CMapData*>& areas = m_view.Selection().Areas();
    AreaClipboard::CopyAreasToClipboard(std::vector<const CMapData*>(areas.begin(), areas.end()));
}

void SelectionEdits::Cut()
{
    if (!m_view.HasSelection())
        return;
    Copy();
    Delete();
}

void SelectionEdits::Paste(bool withAttributes)
{
    std::vector<CMapData> areas;
    if (!AreaClipboard::ReadAreasFromClipboard(areas, !withAttributes))
        return;
    const Point target = m_view.ToPicture(m_view.viewport()->mapFromGlobal(QCursor::pos()));
    PastePlacement::CentreOn(areas, target);
    m_view.StartPlacement(areas, target);
}
