#pragma once
// One way the mouse works on the view: hovering and clicking in selection
// mode, drawing a new area, moving or reshaping one, placing a pasted one.
// The view hands every pointer event to the interaction that is active;
// positions are picture pixels.

#include "services/types/Geometry.h"

class CMapData;
class QPainter;

// What the pointer looks like, by what a click would do.
enum class CursorKind : int {
    Nothing = 0,      // the window's own arrow
    OverArea = 1,     // a click selects or moves the area
    SizeNwse = 2,     // a vertex, or a top-left / bottom-right handle
    SizeNesw = 3,     // a top-right / bottom-left handle
    SizeNs = 4,       // the middle of a rectangle's top or bottom edge
    SizeWe = 5,       // the middle of a rectangle's left or right edge
    Drawing = 6,      // a drawing tool is chosen, or a drag is in progress
    InsertVertex = 7, // an edge of the selected polygon: a click inserts a vertex
};

class Interaction
{
public:
    virtual ~Interaction() = default;

    virtual void Pressed(Point) {}
    virtual void Moved(Point) {}
    virtual void Released(Point) {}
    virtual void DoubleClicked(Point) {}
    virtual void RightPressed(Point) {}
    virtual void RightReleased(Point) {}
    // Shift or Ctrl went down or up.
    virtual void ModifiersChanged() {}
    // The 90 ms click timer fired.
    virtual void TimerFired() {}
    // A key (Qt::Key) the view has no use for itself; true when taken.
    virtual bool KeyPressed(int) { return false; }

    // Drawn over the areas: an area being made, or an outline being moved.
    virtual void Paint(QPainter&) const {}
    // A context menu waits until the interaction is over.
    virtual bool IsBusy() const { return true; }
    // When the interaction has ended, the view goes back to selection mode.
    virtual bool IsDone() const { return false; }
};
