#include "view/HoverProbe.h"

#include "model/CZephyrmapDoc.h"
#include "view/AreaPicker.h"
#include "view/SelectionState.h"

HoverProbe HoverProbe::At(const SelectionState& selection, const CZephyrmapDoc& doc, Point p, float factor)
{
    HoverProbe probe;
    if (CMapData* selected = selection.Area()) {
        const int handle = selection.HandleAt(p, factor);
        if (handle >= 0) {
            probe.area = selected;
            probe.OverHandle(*selected, handle);
            return probe;
        }
        probe.edge = selection.EdgeAt(p, factor);
        if (probe.edge >= 0) {
            probe.area = selected;
            probe.cursor = CursorKind::InsertVertex;
            return probe;
        }
    }
    probe.area = AreaPicker(doc).FirstAt(p);
    probe.cursor = probe.area ? CursorKind::OverArea : CursorKind::Nothing;
    return probe;
}

// A rectangle's corner handles become the corner's own index for the drag.
void HoverProbe::OverHandle(const CMapData& selected, int index)
{
    handle = index;
    if (selected.m_shape == ShapeRect) {
        switch (index) {
        case 0:
        case 4:
            handle = index / 2;
            cursor = CursorKind::SizeNwse;
            return;
        case 2:
        case 6:
            handle = index / 2;
            cursor = CursorKind::SizeNesw;
            return;
        case 1:
        case 5:
            cursor = CursorKind::SizeNs;
            return;
        default:
            cursor = CursorKind::SizeWe;
            return;
        }
    }
    if (selected.m_shape == ShapeCirc)
        cursor = index == 0 || index == 2 ? CursorKind::SizeNwse : CursorKind::SizeNesw;
    else
        cursor = CursorKind::SizeNwse;
}
