#include "view/MovingCopy.h"

#include <cstdlib>

void MovingCopy::Start(const CMapData& area, Point down)
{
    m_copy = area;
    m_down = m_last = down;
    m_first = area.m_points.empty() ? Point{} : area.m_points.front();
    m_start = area.m_points.ToVector();
}

void MovingCopy::Follow(Point pointer, bool oneAxis, float factor, Rect& before, Rect& after,
                        const std::function<Point(Point offset)>& adjust)
{
    m_last = pointer;
    Point target{m_first.x + pointer.x - m_down.x, m_first.y + pointer.y - m_down.y};
    if (oneAxis) {
        // The axis the pointer has gone further along wins; a tie moves sideways.
        if (std::abs(pointer.x - m_down.x) < std::abs(pointer.y - m_down.y))
            target.x = m_first.x;
        else
            target.y = m_first.y;
    }
    if (adjust) {
        const Point offset = adjust({target.x - m_first.x, target.y - m_first.y});
        target = {m_first.x + offset.x, m_first.y + offset.y};
    }
    before = m_copy.GetScreenBounds(factor);
    m_copy.MoveTo(target.x, target.y);
    after = m_copy.GetScreenBounds(factor);
}
