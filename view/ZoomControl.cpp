#include "view/ZoomControl.h"

#include "model/CMapData.h"
#include "view/CZephyrmapView.h"
#include "view/Magnification.h"

#include <QScrollBar>

#include <algorithm>
#include <cmath>

bool ZoomControl::KeepingSelection(float factor)
{
    QPoint at;
    const QPointF kept = KeptPoint(at);
    return Change(factor, kept, at);
}

bool ZoomControl::Around(float factor, QPoint anchor)
{
    return Change(factor, PictureUnder(anchor), anchor);
}

void ZoomControl::ToFit()
{
    if (!m_view.PictureSize().isEmpty())
        KeepingSelection(magnification::Fitting(m_view.PictureSize(), m_view.viewport()->size()));
}

void ZoomControl::ToSelection()
{
    if (m_view.Selection().Areas().empty())
        return;
    const Rect all = SelectionBounds();
    // A tenth of the selection's size on each side, and at least a pixel.
    const QSize selection(all.right - all.left, all.bottom - all.top);
    const QSize framed(selection.width() + std::max(2, selection.width() / 5),
                       selection.height() + std::max(2, selection.height() / 5));
    const QPointF middle((all.left + all.right) / 2.0, (all.top + all.bottom) / 2.0);
    Change(magnification::Fitting(framed, m_view.viewport()->size()), middle, m_view.viewport()->rect().center());
}

Rect ZoomControl::SelectionBounds() const
{
    const std::vector<CMapData*>& selected = m_view.Selection().Areas();
    Rect all = selected.front()->Bounds();
    for (const CMapData* area : selected) {
        const Rect r = area->Bounds();
        all = {std::min(all.left, r.left), std::min(all.top, r.top), std::max(all.right, r.right),
               std::max(all.bottom, r.bottom)};
    }
    return all;
}

QPointF ZoomControl::PictureUnder(QPoint viewportPoint) const
{
    return QPointF(viewportPoint + m_view.ScrollPosition() - m_view.Origin()) / static_cast<double>(m_view.Factor());
}

QPointF ZoomControl::KeptPoint(QPoint& at) const
{
    const QPoint centre = m_view.viewport()->rect().center();
    at = centre;
    const std::vector<CMapData*>& selected = m_view.Selection().Areas();
    if (selected.empty())
        return PictureUnder(centre);
    const Rect all = SelectionBounds();
    const QPointF middle((all.left + all.right) / 2.0, (all.top + all.bottom) / 2.0);
    const QPoint shown =
        m_view.ToLogical({static_cast<int>(middle.x()), static_cast<int>(middle.y())}) - m_view.ScrollPosition();
    if (m_view.viewport()->rect().contains(shown))
        at = shown;
    return middle;
}

bool ZoomControl::Change(float factor, QPointF kept, QPoint at)
{
    const bool drawn = m_view.Rescale(factor);
    const QPointF logical = kept * static_cast<double>(factor) + QPointF(m_view.Origin());
    m_view.horizontalScrollBar()->setValue(static_cast<int>(std::lround(logical.x())) - at.x());
    m_view.verticalScrollBar()->setValue(static_cast<int>(std::lround(logical.y())) - at.y());
    return drawn;
}
