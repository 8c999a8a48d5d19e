#pragma once
// Drawing a rectangle or a circle: click at one corner, move, click at the
// other; or press at one corner, drag and let go at the other. A circle's
// second corner stays on the diagonal through the first, so its box stays
// square. Ctrl draws a square rectangle and Shift draws from the middle.
// Corners snap onto other areas and the grid, and the snap shows before the
// press. An empty box makes no area; a double-click abandons the drawing,
// and Escape gives it up with the tool still chosen (or, with nothing begun,
// puts the tool down).

#include "model/CMapData.h"
#include "view/Interaction.h"

class InteractionHost;

class BoxCreation : public Interaction
{
public:
    // How far a press must be dragged, in window pixels, for its release to
    // end the box there.
    static constexpr int kDragDistance = 4;

    // `shape`: ShapeRect or ShapeCirc.
    BoxCreation(InteractionHost& view, int shape) : m_view(view), m_shape(shape) {}

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void Released(Point p) override;
    void DoubleClicked(Point p) override;
    void ModifiersChanged() override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    const CMapData* Shape() const override { return m_creating ? &m_area : nullptr; }
    bool IsBusy() const override { return m_creating; }
    bool IsCreating() const { return m_creating; }
    const CMapData& UnderConstruction() const { return m_area; }

private:
    void Finish(Point p);
    void DragTo(Point p, bool normalize);
    void Abandon();
    Point Snapped(Point p);

    InteractionHost& m_view;
    int m_shape;
    CMapData m_area;
    Point m_pressed; // the first corner, where the press was
    Point m_last;    // the pointer, for keys that change the box without a move
    bool m_creating = false;
};
