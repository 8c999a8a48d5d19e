#pragma once
// Whether a closed polygon keeps clear of itself: no edge meets another
// except where consecutive edges share their corner, and no edge runs back
// along the one before it. An outline that passes this never crosses
// itself, whatever rule fills it.

#include "services/types/Geometry.h"

#include <span>
#include <vector>

namespace polygoncheck
{

// The edges that meet another edge where they should not, by index (edge i
// runs from corner i to corner i + 1, the last one back to corner 0), in
// increasing order. A polygon of fewer than 3 corners has every edge there.
std::vector<int> TouchingEdges(std::span<const Point> polygon);

inline bool IsSimple(std::span<const Point> polygon)
{
    return TouchingEdges(polygon).empty();
}

} // namespace polygoncheck
