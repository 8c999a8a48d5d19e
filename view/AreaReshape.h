#pragma once
// Reshaping the selected area by one of its handles: a polygon vertex, a
// rectangle's corner or edge, a circle's corner. The area follows the pointer
// as it is dragged, the pointer snapping onto other areas or the grid;
// releasing the left button records one undo step, and Escape puts the area
// back as it was. Pressing the right button meanwhile turns the drag into a
// move of the whole area until it is released.

#include "view/Interaction.h"
#include "view/MovingCopy.h"

#include <memory>

class InteractionHost;

class AreaReshape : public Interaction
{
public:
    enum Kind { Vertex, Corner, Edge, Circle };

    // `which`: the vertex, the corner (0 to 3) or the edge (0 top, 1 right,
    // 2 bottom, 3 left). The area is copied now, before anything changes.
    AreaReshape(InteractionHost& view, Kind kind, int which, Point down);

    // The vertex a drag started by inserting it.
    void SetVertex(int index) { m_which = index; }

    void Moved(Point p) override;
    void Released(Point p) override;
    void RightPressed(Point p) override;
    void RightReleased(Point p) override;
    void ModifiersChanged() override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    const CMapData* Shape() const override { return AreaAlive() ? m_area : nullptr; }
    bool IsDone() const override { return m_done; }

private:
    void Reshape(Point p, bool normalize);
    Point Snapped(Point p);
    void FollowRightMove(Point p);
    void EndRightMove();
    // Whether the area is still in the map (nothing may have taken it out).
    bool AreaAlive() const;

    InteractionHost& m_view;
    CMapData* m_area; // in the document: the one the drag began on
    Kind m_kind;
    int m_which;
    std::unique_ptr<CMapData> m_snapshot;
    MovingCopy m_copy;
    bool m_rightMove = false;
    bool m_done = false;
};
