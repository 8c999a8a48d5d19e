#pragma once
// Moving an area by dragging it. A click on an area that was not selected
// waits for the click timer before it moves anything, so that a plain click
// only selects. The outline follows the pointer; on release the area takes
// its place (one undo step), or, with Ctrl held, a copy without attributes is
// dropped there and the area stays where it was.

#include "view/Interaction.h"
#include "view/MovingCopy.h"

#include <memory>

class CZephyrmapView;

class AreaMove : public Interaction
{
public:
    // `moving`: the move starts at once (the area was already selected).
    AreaMove(CZephyrmapView& view, const CMapData& area, Point down, bool moving);

    void Moved(Point p) override;
    void Released(Point p) override;
    void ModifiersChanged() override;
    void TimerFired() override;
    void Paint(QPainter& painter) const override;
    bool IsDone() const override { return m_done; }
    bool IsMoving() const { return m_moving; }

    // A copy of `area` with its link attributes emptied.
    static std::unique_ptr<CMapData> BareCopy(const CMapData& area);

private:
    void Follow(Point p);

    CZephyrmapView& m_view;
    CMapData* m_area; // in the document: the one pressed on, whatever is selected later
    MovingCopy m_copy;
    std::unique_ptr<CMapData> m_snapshot; // the area before the move
    bool m_moving;
    bool m_done = false;
};
