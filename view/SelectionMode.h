#pragma once
// Selection mode, while no button is held: the pointer hovers over handles,
// edges and areas, and a click selects an area, starts moving it (or the
// group it belongs to), or starts reshaping the selected one by a handle or
// a polygon edge. Shift+click adds an area to the selection or takes it out
// (Shift+drag still moves along one axis);
// Alt+click takes the next of the areas under the pointer; a press on empty
// picture starts a rubber band.

#include "view/Interaction.h"

class InteractionHost;

class SelectionMode : public Interaction
{
public:
    explicit SelectionMode(InteractionHost& view) : m_view(view) {}

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void DoubleClicked(Point p) override;
    bool IsBusy() const override { return false; }

    // Where a click on the edge from a to b inserts a vertex: on the edge's
    // line, level with the pointer along the edge's steeper direction.
    static Point InsertionPoint(Point a, Point b, Point pointer);

private:
    void PressOnArea(Point p);
    void AddByBand(Point p);
    void SelectNextBeneath(Point p);
    void PressOnNothing(Point p);
    void PressOnSelection(Point p);
    void InsertVertex(Point p);

    InteractionHost& m_view;
};
