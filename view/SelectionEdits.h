#pragma once
// Edits of every selected area at once, each one undo step: moving by the
// arrow keys, deleting, arranging, and the area clipboard (copy, cut,
// paste), and taking every area into the selection. With one area selected
// they are that area's own edits.

#include "model/Arrangement.h"
#include "model/UndoHistory.h"

#include <vector>

class CMapData;
class CZephyrmapView;

class SelectionEdits
{
public:
    explicit SelectionEdits(CZephyrmapView& view) : m_view(view) {}

    // Every area but DEFAULT, in the view and in the area list.
    void SelectAll();
    void MoveBy(int dx, int dy);
    void Delete();
    // Nothing unless enough areas are selected for it to change anything.
    void Arrange(arrangement::Kind kind);
    bool CanArrange(arrangement::Kind kind) const;
    void Copy();
    void Cut();
    // Reads the clipboard's areas and lets them follow the pointer.
    void Paste(bool withAttributes);

    // Gives each area its new points, all in one undo step of `kind`.
    void Reshape(const std::vector<CMapData*>& areas, const std::vector<PointList>& points, UndoKind kind);

private:
    CZephyrmapView& m_view;
};
