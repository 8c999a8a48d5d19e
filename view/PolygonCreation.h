#pragma once
// Drawing a polygon: a click for each vertex, and a double-click on the last
// one, a click on the first one's handle or Enter to close it. The last point always
// follows the pointer (outside the view too); the open outline is drawn
// inverted, its closing edge dotted. Points snap onto other areas and the
// grid, and the snap shows before the first press. Backspace takes back the last vertex placed (the first one ends the
// drawing); Escape gives the drawing up with the tool still chosen. Fewer
// than three vertices make no area.

#include "model/CMapData.h"
#include "view/Interaction.h"

class InteractionHost;

class PolygonCreation : public Interaction
{
public:
    explicit PolygonCreation(InteractionHost& view) : m_view(view) {}

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void DoubleClicked(Point p) override;
    bool KeyPressed(int key) override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    const CMapData* Shape() const override { return m_creating ? &m_area : nullptr; }
    bool IsBusy() const override { return m_creating; }
    bool IsCreating() const { return m_creating; }
    const CMapData& UnderConstruction() const { return m_area; }

private:
    // Whether `p` is on the first vertex's handle, with enough placed to close.
    bool ClosesAt(Point p) const;
    void Close();
    void Finish();
    void AddIfWhole();
    void GiveUp();

    InteractionHost& m_view;
    CMapData m_area;
    bool m_creating = false;
    bool m_pointerMoved = false;
};
