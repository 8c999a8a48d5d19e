#pragma once
// Arranging several areas at once: their left, right, top or bottom edges,
// or their centres, lined up; the areas spread evenly across the room they
// take; or given one width or height. Positions go by each area's bounds.
// Every function answers the new points of each area, in the order given;
// where one area sets the measure (one width, one height), it is the first.
// A circle keeps its centre when its size changes.

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

// What the edges and centres line up on: the outermost of all the areas, or
// the first area's own, once the user has chosen it as the one to follow.
enum class Reference {
    Extent,
    First,
};

// How many areas the arrangement needs to change anything.
int FewestAreas(Kind kind);

std::vector<PointList> Arrange(Kind kind, const std::vector<const CMapData*>& areas,
                               Reference reference = Reference::Extent);

} // namespace arrangement
