#pragma once
// Which areas lie under a point or inside a rectangle, in list order: the
// first is the one a click takes, as in a browser. The DEFAULT area, which
// stands for the rest of the picture, and areas with no region are never
// taken.

#include "services/types/Geometry.h"

#include <vector>

class CMapData;
class CZephyrmapDoc;

class AreaPicker
{
public:
    explicit AreaPicker(const CZephyrmapDoc& doc) : m_doc(doc) {}

    std::vector<CMapData*> At(Point p) const;
    CMapData* FirstAt(Point p) const;
    // The area after `current` among those under `p`, back to the first
    // after the last; the first when `current` is none of them.
    CMapData* NextAt(Point p, const CMapData* current) const;
    // The areas whose bounds lie wholly within `band`.
    std::vector<CMapData*> Inside(const Rect& band) const;

private:
    static bool Takes(const CMapData& area);

    const CZephyrmapDoc& m_doc;
};
