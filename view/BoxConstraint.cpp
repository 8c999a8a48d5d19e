#include "view/BoxConstraint.h"

#include <algorithm>
#include <cstdlib>

namespace boxconstraint
{

Corners Apply(Point anchor, Point pointer, bool square, bool fromCentre)
{
    int dx = pointer.x - anchor.x;
    int dy = pointer.y - anchor.y;
    if (square) {
        const int side = std::max(std::abs(dx), std::abs(dy));
        // A pointer on an axis still chooses a quarter: right and down.
        dx = dx < 0 ? -side : side;
        dy = dy < 0 ? -side : side;
    }
    const Point moving{anchor.x + dx, anchor.y + dy};
    const Point fixed = fromCentre ? Point{anchor.x - dx, anchor.y - dy} : anchor;
    return {moving, fixed};
}

} // namespace boxconstraint
