#pragma once
// Moving an area by dragging it. A click on an area that was not selected
// waits for the click timer before it moves anything, so that a plain click
// only selects. The outline follows the pointer, snapping a vertex onto
// another area's or onto the grid; on release the area takes its place (one
// undo step), or, with Ctrl held, a copy without attributes is dropped there
// and the area stays where it was. Escape gives the move up.

#include "view/Interaction.h"
#include "view/MovingCopy.h"

#include <memory>
#include <optional>
#include <vector>

class InteractionHost;

class AreaMove : public Interaction
{
public:
    // `moving`: the move starts at once (the area was already selected).
    // `toggleFrom`: Shift was held; a click that moves nothing then takes
    // the area into, or out of, this selection.
    AreaMove(InteractionHost& view, const CMapData& area, Point down, bool moving,
             std::optional<std::vector<CMapData*>> toggleFrom = std::nullopt);

    void Moved(Point p) override;
    void Released(Point p) override;
    void ModifiersChanged() override;
    void TimerFired() override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    const CMapData* Shape() const override { return m_moving ? &m_copy.Area() : nullptr; }
    bool IsDone() const override { return m_done; }
    bool IsMoving() const { return m_moving; }

    // A copy of `area` with its link attributes emptied.
    static std::unique_ptr<CMapData> BareCopy(const CMapData& area);
    // `selection` with `area` taken out when it is in, added when it is not.
    static std::vector<CMapData*> Toggled(std::vector<CMapData*> selection, CMapData* area);

private:
    void Follow(Point p);

    InteractionHost& m_view;
    CMapData* m_area; // in the document: the one pressed on, whatever is selected later
    MovingCopy m_copy;
    std::unique_ptr<CMapData> m_snapshot; // the area before the move
    std::optional<std::vector<CMapData*>> m_toggleFrom;
    bool m_moving;
    bool m_done = false;
};
