#pragma once
// The outline that follows the pointer while an area is moved: a copy of the
// area, moved so that its first point keeps its distance to the pointer from
// where the drag began, along one axis only while Shift is held.

#include "model/CMapData.h"

#include <functional>

class MovingCopy
{
public:
    // Starts from `area` as it is, with the pointer at `down`.
    void Start(const CMapData& area, Point down);
    // Moves the copy for the pointer at `pointer`; answers the screen bounds
    // before and after at `factor`. `adjust`, when given, may change the
    // offset from where the copy started (to snap it).
    void Follow(Point pointer, bool oneAxis, float factor, Rect& before, Rect& after,
                const std::function<Point(Point offset)>& adjust = {});
    // The copy's points when the drag began.
    const std::vector<Point>& StartPoints() const { return m_start; }

    CMapData& Area() { return m_copy; }
    const CMapData& Area() const { return m_copy; }
    Point Down() const { return m_down; }
    Point Last() const { return m_last; }

private:
    CMapData m_copy;
    Point m_down;
    Point m_last;
    Point m_first; // the copy's first point when the drag began
    std::vector<Point> m_start;
};
