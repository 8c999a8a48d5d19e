#include "view/PastePlacement.h"

#include "model/CZephyrmapDoc.h"
#include "view/InteractionHost.h"
#include "view/SelectionState.h"
#include "view/Snapper.h"
#include "view/ViewPainter.h"

#include <algorithm>
#include <cstdint>
#include <memory>

PastePlacement::PastePlacement(InteractionHost& view, std::vector<CMapData> areas, Point pointer)
    : m_view(view), m_areas(std::move(areas)), m_first(pointer)
{
    for (const CMapData& area : m_areas)
        m_start.insert(m_start.end(), area.m_points.begin(), area.m_points.end());
}

void PastePlacement::Moved(Point p)
{
    const Point wanted{p.x - m_first.x, p.y - m_first.y};
    const Point offset = m_view.Snapping().SnapOffset(m_start, wanted, m_view.Factor(), {});
    for (CMapData& area : m_areas)
        area.OffsetBy(offset.x - m_offset.x, offset.y - m_offset.y);
    m_offset = offset;
    m_view.InvalidateAll();
}

void PastePlacement::Pressed(Point)
{
    m_done = true;
    m_view.Snapping().ClearMark();
    std::vector<std::unique_ptr<CMapData>> added;
    for (const CMapData& area : m_areas)
        added.push_back(std::make_unique<CMapData>(area));
    m_view.AddAreas(std::move(added));
    m_view.InvalidateAll();
}

bool PastePlacement::Cancel()
{
    m_done = true;
    m_view.Snapping().ClearMark();
    m_view.InvalidateAll();
    return true;
}

void PastePlacement::Paint(QPainter& painter) const
{
    for (const CMapData& area : m_areas)
        m_view.Painter().DrawInverted(painter, area);
}

// In 64 bits: a block from elsewhere may hold points far apart.
void PastePlacement::CentreOn(std::vector<CMapData>& areas, Point target)
{
    std::int64_t left = INT32_MAX, top = INT32_MAX, right = INT32_MIN, bottom = INT32_MIN;
    for (const CMapData& area : areas) {
        for (const Point& p : area.m_points) {
            left = std::min<std::int64_t>(left, p.x);
            right = std::max<std::int64_t>(right, p.x);
            top = std::min<std::int64_t>(top, p.y);
            bottom = std::max<std::int64_t>(bottom, p.y);
        }
    }
    if (left > right)
        return;
    const std::int64_t centreX = left + (right - left) / 2;
    const std::int64_t centreY = top + (bottom - top) / 2;
    for (CMapData& area : areas)
        area.OffsetBy(static_cast<int>(target.x - centreX), static_cast<int>(target.y - centreY));
}

void PastePlacement::CentreOn(CMapData& area, Point target)
{
    std::vector<CMapData> one{area};
    CentreOn(one, target);
    area = one.front();
}
