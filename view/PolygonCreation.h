#pragma once
// Drawing a polygon: a click for each vertex, a double-click on the last one.
// The last point always follows the pointer; the open outline is drawn
// inverted, without its closing edge. Fewer than three vertices make no area.

#include "model/CMapData.h"
#include "view/Interaction.h"

class CZephyrmapView;

class PolygonCreation : public Interaction
{
public:
    explicit PolygonCreation(CZephyrmapView& view) : m_view(view) {}

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void DoubleClicked(Point p) override;
    void Paint(QPainter& painter) const override;
    bool IsBusy() const override { return m_creating; }
    bool IsCreating() const { return m_creating; }
    const CMapData& UnderConstruction() const { return m_area; }

private:
    void Finish();

    CZephyrmapView& m_view;
    CMapData m_area;
    bool m_creating = false;
    bool m_pointerMoved = false;
};
