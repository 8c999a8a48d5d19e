#pragma once
// One way the mouse works on the view: hovering and clicking in selection
// mode, drawing a new area, moving or reshaping one, placing a pasted one,
// dragging a rubber band. The view hands every pointer event, and the keys
// it does not take itself, to the interaction that is active; positions are
// picture pixels.

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
    Pan = 8,          // Space is held: a drag moves the picture
    Panning = 9,      // the picture is being moved by hand
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
    virtual void MiddleReleased(Point) {}
    // Shift or Ctrl went down or up.
    virtual void ModifiersChanged() {}
    // The 90 ms click timer fired.
    virtual void TimerFired() {}
    // A key the view passes on (Qt::Key); true when it was taken.
    virtual bool KeyPressed(int key) { return false; }
    // Escape: what is in progress is given up and nothing is recorded; true
    // when there was something to give up.
    virtual bool Cancel() { return false; }
    // The area being drawn, moved or reshaped, for the status bar; none when
    // nothing is.
    virtual const CMapData* Shape() const { return nullptr; }

    // Drawn over the areas: an area being made, or an outline being moved.
    virtual void Paint(QPainter&) const {}
    // A context menu waits until the interaction is over.
    virtual bool IsBusy() const { return true; }
    // When the interaction has ended, the view goes back to selection mode.
    virtual bool IsDone() const { return false; }
};
