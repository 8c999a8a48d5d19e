#pragma once
// Arranging several areas at once: their left, right, top or bottom edges,
// or their centres, lined up; the areas spread evenly across the room they
// take; or given one width or height. Positions go by each area's bounds.
// Every function answers the new points of each area, in the order given;
// where one area sets the measure (one width, one height), it is the first.

#include "model/PointList.h"
#include "services/types/Geometry.h"

#include <vector>

class CMapData;

namespace arrangement
{

enum class Kind {
    AlignLeft,
    AlignRight,
    AlignTop,
    AlignBottom,
    AlignCentresHorizontally, // one vertical line through every centre
    AlignCentresVertically,   // one horizontal line through every centre
    DistributeHorizontally,   // equal gaps between neighbours, the outer two staying
    DistributeVertically,
    SameWidth,
    SameHeight,
};

// How many areas the arrangement needs to change anything.
int FewestAreas(Kind kind);

std::vector<PointList> Arrange(Kind kind, const std::vector<const CMapData*>& areas);

} // namespace arrangement
