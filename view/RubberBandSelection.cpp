#include "view/RubberBandSelection.h"

#include "model/CZephyrmapDoc.h"
#include "view/AreaPicker.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <algorithm>
#include <cstdlib>

RubberBandSelection::RubberBandSelection(InteractionHost& view, Point start, std::vector<CMapData*> kept)
    : m_view(view), m_start(start), m_end(start), m_kept(std::move(kept))
{
}

Rect RubberBandSelection::Band() const
{
    return {std::min(m_start.x, m_end.x), std::min(m_start.y, m_end.y), std::max(m_start.x, m_end.x),
            std::max(m_start.y, m_end.y)};
}

bool RubberBandSelection::IsClick() const
{
    const QPoint a = m_view.ToLogical(m_start), b = m_view.ToLogical(m_end);
    return std::abs(a.x() - b.x()) < kSmallestBand && std::abs(a.y() - b.y()) < kSmallestBand;
}

void RubberBandSelection::Moved(Point p)
{
    m_end = p;
    m_view.InvalidateAll();
}

void RubberBandSelection::Released(Point p)
{
    m_end = p;
    m_done = true;
    m_view.InvalidateAll();
    if (IsClick())
        return;
    std::vector<CMapData*> areas = m_kept;
    for (CMapData* area : AreaPicker(m_view.Doc()).Inside(Band())) {
        if (std::find(areas.begin(), areas.end(), area) == areas.end())
            areas.push_back(area);
    }
    m_view.SelectAndTell(areas);
}

bool RubberBandSelection::Cancel()
{
    m_done = true;
    m_view.InvalidateAll();
    return true;
}

void RubberBandSelection::Paint(QPainter& painter) const
{
    if (!IsClick())
        m_view.Painter().PaintRubberBand(painter, Band());
}
