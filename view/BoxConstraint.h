#pragma once
// The keys that shape a box while it is drawn, as drawing programs have
// them: Ctrl makes the box square, its longer side winning; Shift makes the
// press the box's middle rather than its corner.

#include "services/types/Geometry.h"

namespace boxconstraint
{

struct Corners {
    Point moving; // the corner that follows the pointer
    Point fixed;  // the opposite one
};

// A box drawn from the press at `anchor` to the pointer at `pointer`.
Corners Apply(Point anchor, Point pointer, bool square, bool fromCentre);

} // namespace boxconstraint
