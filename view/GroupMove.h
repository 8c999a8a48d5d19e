#pragma once
// Moving several selected areas together by dragging one of them: their
// outlines follow the pointer (along one axis with Shift, snapping one of
// their vertices onto another area's or the grid), and on release they all
// take their places in one undo step; with Ctrl held, copies without
// attributes are dropped there instead. Escape gives the move up.

#include "model/CMapData.h"
#include "view/Interaction.h"

#include <optional>
#include <vector>

class InteractionHost;

class GroupMove : public Interaction
{
public:
    // `pressed`: the area the press was on; `toggleFrom` as for AreaMove.
    GroupMove(InteractionHost& view, std::vector<CMapData*> areas, Point down, CMapData* pressed = nullptr,
              std::optional<std::vector<CMapData*>> toggleFrom = std::nullopt);

    void Moved(Point p) override;
    void Released(Point p) override;
    void ModifiersChanged() override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    bool IsDone() const override { return m_done; }

private:
    void Follow(Point p);

    InteractionHost& m_view;
    std::vector<CMapData*> m_areas; // in the document
    CMapData* m_pressed;            // in the document
    std::optional<std::vector<CMapData*>> m_toggleFrom;
    std::vector<CMapData> m_copies;
    std::vector<Point> m_start; // every point of the areas when the drag began
    Point m_down;
    Point m_last;
    Point m_offset{0, 0};
    bool m_done = false;
};
