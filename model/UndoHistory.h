#pragma once
// The unlimited undo/redo history. It owns the areas taken out of the map and
// the before-copies of edited areas; it refers to areas still in the map
// through live references. Both stacks hold the newest step at index 0.

#include "model/CMapData.h"

#include <deque>
#include <list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

enum UndoKind : int {
    UndoAreaRemoved = 0,
    UndoAreaAdded = 1,
    UndoAreaMoved = 2,
    UndoAreaReshaped = 3,
    UndoVertexDeleted = 4,
    UndoMapAttribute = 5,
    UndoAreaAttributes = 6,
    UndoAreaReordered = 7,
    // Several steps taken as one: a move, a deletion or an arrangement of
    // several areas at once. Its parts are kept newest first, as the stacks.
    UndoGroup = 8,
    // The picture replaced, with WIDTH and HEIGHT, as a refit of the map to
    // a new picture does: oldText and newText hold the picture, the parts
    // hold WIDTH and HEIGHT as UndoMapAttribute steps restored with it
    // (never taken on their own).
    UndoPictureReplaced = 9,
};

// A map attribute edit: the index is a MapAttribute below AttrHeight.
struct MapAttrChange {
    std::string oldText;
    std::string newText;
    int index = -1;
};

using OwnedList = std::list<std::unique_ptr<CMapData>>;
using LiveList = std::list<CMapData*>;

struct UndoStep {
    UndoKind kind = UndoAreaRemoved;
    std::string oldText; // UndoMapAttribute
    std::string newText; // UndoMapAttribute
    int attrIndex = -1;  // UndoMapAttribute
    // The area in the map the step concerns (added, moved, reshaped, edited).
    std::optional<LiveList::iterator> live;
    // The removed area, or the before-copy of a moved, reshaped or edited one.
    std::optional<OwnedList::iterator> owned;
    // UndoAreaReordered: the list index before the move. UndoAreaRemoved and
    // UndoAreaAdded: where the area stood, so that it goes back to that place.
    int sourceIndex = -1;
    int destinationIndex = -1;   // UndoAreaReordered: the insert-before index
    std::vector<UndoStep> parts; // UndoGroup; UndoPictureReplaced: its WIDTH and HEIGHT
};

class UndoHistory
{
public:
    OwnedList::iterator Own(std::unique_ptr<CMapData> area);
    LiveList::iterator Refer(CMapData* area);
    std::unique_ptr<CMapData> Release(OwnedList::iterator it);
    void Drop(LiveList::iterator it) { m_live.erase(it); }

    void PushUndo(UndoStep step);
    void PushRedo(UndoStep step);
    std::optional<UndoStep> PopUndo();
    std::optional<UndoStep> PopRedo();
    void ClearRedo();
    void Clear();
    // While capturing, pushed steps are collected, newest first, instead of
    // going onto a stack; the collector holds them until EndCapture.
    void BeginCapture();
    std::vector<UndoStep> EndCapture();

    bool UndoAvailable() const { return m_undoAvailable; }
    bool RedoAvailable() const { return m_redoAvailable; }
    void SetUndoAvailable() { m_undoAvailable = true; }
    // After a pending edit that came to nothing: available only with steps.
    void SettleUndoAvailable() { m_undoAvailable = !m_undo.empty(); }
    std::size_t UndoDepth() const { return m_undo.size(); }
    std::size_t RedoDepth() const { return m_redo.size(); }
    std::size_t OwnedCount() const { return m_owned.size(); }
    std::size_t LiveCount() const { return m_live.size(); }
    const std::deque<UndoStep>& UndoSteps() const { return m_undo; }

private:
    void Forget(const UndoStep& step);

    bool m_redoAvailable = false;
    bool m_undoAvailable = false;
    OwnedList m_owned;
    LiveList m_live;
    std::deque<UndoStep> m_undo;                  // newest first
    std::deque<UndoStep> m_redo;                  // newest first
    std::vector<std::deque<UndoStep>> m_captures; // innermost last
};
