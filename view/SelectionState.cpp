#include "view/SelectionState.h"

#include "model/CMapData.h"
#include "view/Magnification.h"

#include <algorithm>
#include <cmath>

namespace
{

bool Meets(const Rect& a, const Rect& b)
{
    return std::max(a.left, b.left) < std::min(a.right, b.right) &&
           std::max(a.top, b.top) < std::min(a.bottom, b.bottom);
}

double DistanceToSegment(Point p, Point a, Point b)
{
    const double t = NearestOnSegment(p, a, b);
    return std::hypot(p.x - (a.x + t * (b.x - a.x)), p.y - (a.y + t * (b.y - a.y)));
}

Rect SquareAround(Point p, int half)
{
    return {p.x - half, p.y - half, p.x + half, p.y + half};
}

} // namespace

int SelectionState::HandleHalfSize(float factor)
{
    return static_cast<int>(3.0f / factor);
}

std::vector<Point> SelectionState::HandlePoints(const CMapData& area)
{
    const PointList& p = area.m_points;
    if (p.size() < 2)
        return {};
    if (area.m_shape == ShapePoly)
        return p.ToVector();
    if (area.m_shape == ShapeCirc && p.size() == 4)
        return p.ToVector();
    if (area.m_shape != ShapeRect || p.size() != 4)
        return {};
    // Each corner, then the middle of the edge that leaves it.
    return {p[0], {p[0].x + (p[1].x - p[0].x) / 2, p[0].y}, p[1], {p[1].x, p[1].y + (p[2].y - p[1].y) / 2},
            p[2], {p[3].x + (p[2].x - p[3].x) / 2, p[2].y}, p[3], {p[3].x, p[0].y + (p[3].y - p[0].y) / 2}};
}

void SelectionState::Build(CMapData* area, float factor, int grabbed)
{
    Clear();
    if (!area)
        return;
    m_areas = {area};
    grabbedHandle = grabbed;
    BuildHandles(factor);
}

void SelectionState::Rebuild(float factor)
{
    if (CMapData* area = Area())
        Build(area, factor, grabbedHandle);
}

void SelectionState::SetAreas(std::vector<CMapData*> areas, float factor)
{
    if (areas.size() == 1) {
        Build(areas.front(), factor, -1);
        return;
    }
    // A chosen reference stays chosen while it leads the group.
    const bool keep = m_referenceChosen && !m_areas.empty() && !areas.empty() && areas.front() == m_areas.front();
    Clear();
    m_areas = std::move(areas);
    m_referenceChosen = keep;
}

void SelectionState::ChooseReference(CMapData* area)
{
    const auto at = std::find(m_areas.begin(), m_areas.end(), area);
    if (!IsGroup() || at == m_areas.end())
        return;
    std::rotate(m_areas.begin(), at, at + 1);
    m_referenceChosen = true;
}

bool SelectionState::Contains(const CMapData* area) const
{
    return std::find(m_areas.begin(), m_areas.end(), area) != m_areas.end();
}

void SelectionState::BuildHandles(float factor)
{
    CMapData* area = m_areas.front();
    const int half = HandleHalfSize(factor);
    for (const Point& p : HandlePoints(*area))
        m_handles.push_back(SquareAround(p, half));
    const int n = static_cast<int>(area->m_points.size());
    for (int i = 1; i <= n && n >= 2; ++i)
        m_edges.push_back({i - 1, i == n ? 0 : i});
}

void SelectionState::Clear()
{
    m_areas.clear();
    m_referenceChosen = false;
    m_handles.clear();
    m_edges.clear();
    hoveredHandle = grabbedHandle = hoveredEdge = -1;
}

void SelectionState::MoveHandle(int index, Point centre, float factor)
{
    if (index >= 0 && index < static_cast<int>(m_handles.size()))
        m_handles[index] = SquareAround(centre, HandleHalfSize(factor));
}

bool SelectionState::IsOnHandle(int index, Point p, float factor) const
{
    if (index < 0 || index >= static_cast<int>(m_handles.size()))
        return false;
    if (factor > magnification::kLargestClassic) {
        // A picture pixel is wider than the probe here: the handle is met
        // where its square drawn and the probe overlap, in window pixels,
        // so that what is drawn can always be grabbed.
        const Rect& h = m_handles[index];
        const Point centre{h.left + (h.right - h.left) / 2, h.top + (h.bottom - h.top) / 2};
        return static_cast<float>(std::abs(p.x - centre.x)) * factor <= kHandleReach &&
               static_cast<float>(std::abs(p.y - centre.y)) * factor <= kHandleReach;
    }
    const int side = static_cast<int>(6.0f / factor);
    const Rect probe{p.x - side / 2, p.y - side / 2, p.x - side / 2 + side, p.y - side / 2 + side};
    return Meets(m_handles[index], probe);
}

int SelectionState::HandleAt(Point p, float factor) const
{
    for (int i = 0; i < static_cast<int>(m_handles.size()); ++i) {
        if (IsOnHandle(i, p, factor))
            return i;
    }
    return -1;
}

// The distance from the pointer to each edge of the polygon, in window
// pixels: only the outline itself inserts a vertex, so that the inside of a
// narrow polygon still takes the press that moves it.
int SelectionState::EdgeAt(Point p, float factor) const
{
    const CMapData* area = Area();
    if (!area || area->m_shape != ShapePoly)
        return -1;
    for (int i = 0; i < static_cast<int>(m_edges.size()); ++i) {
        const Point a = area->m_points[m_edges[i].first], b = area->m_points[m_edges[i].second];
        if (DistanceToSegment(p, a, b) * factor <= kEdgeReach)
            return i;
    }
    return -1;
}
