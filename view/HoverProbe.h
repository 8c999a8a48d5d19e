#pragma once
// What lies under the pointer in selection mode, and so what a press would
// do there: a handle of the one selected area (to reshape it), an edge of a
// selected polygon (to insert a vertex), an area (to select or move it; the
// first in list order, as in a browser), or nothing.

#include "services/types/Geometry.h"
#include "view/Interaction.h"

class CMapData;
class CZephyrmapDoc;
class SelectionState;

struct HoverProbe {
    CursorKind cursor = CursorKind::Nothing;
    CMapData* area = nullptr; // under the pointer, or the selected one for a handle or an edge
    int handle = -1;          // a rectangle's corner handle as the corner's own index
    int edge = -1;

    static HoverProbe At(const SelectionState& selection, const CZephyrmapDoc& doc, Point p, float factor);

private:
    void OverHandle(const CMapData& selected, int index);
};
