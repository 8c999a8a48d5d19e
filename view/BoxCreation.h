#pragma once
// Drawing a rectangle or a circle: click at one corner, move, click at the
// other. A circle's second corner stays on the diagonal through the first
// click, so its box stays square. An empty box makes no area; a double-click
// abandons the drawing.

#include "model/CMapData.h"
#include "view/Interaction.h"

class CZephyrmapView;

class BoxCreation : public Interaction
{
public:
    // `shape`: ShapeRect or ShapeCirc.
    BoxCreation(CZephyrmapView& view, int shape) : m_view(view), m_shape(shape) {}

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void DoubleClicked(Point p) override;
    void Paint(QPainter& painter) const override;
    bool IsBusy() const override { return m_creating; }
    bool IsCreating() const { return m_creating; }
    const CMapData& UnderConstruction() const { return m_area; }

private:
    void DragTo(Point p, bool normalize);
    void Abandon();

    CZephyrmapView& m_view;
    int m_shape;
    CMapData m_area;
    bool m_creating = false;
};
