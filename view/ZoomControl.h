#pragma once
// Changing the view's magnification without losing one's place: a zoom by
// command keeps the selected areas where they are on the screen (or brings
// them to the middle when they were out of sight), or else the view's
// centre; a zoom with the wheel keeps the picture point under the pointer.

#include <QPoint>
#include <QPointF>

#include "services/types/Geometry.h"

class CZephyrmapView;

class ZoomControl
{
public:
    explicit ZoomControl(CZephyrmapView& view) : m_view(view) {}

    bool KeepingSelection(float factor);
    bool Around(float factor, QPoint anchor);
    // The whole picture in the window, as large as it fits (up to 800 %).
    void ToFit();
    // The selected areas in the middle of the window, as large as they fit
    // with a margin around them (up to 800 %).
    void ToSelection();

private:
    // The picture point to keep still, and the viewport point it stays at.
    QPointF KeptPoint(QPoint& at) const;
    QPointF PictureUnder(QPoint viewportPoint) const;
    Rect SelectionBounds() const;
    bool Change(float factor, QPointF kept, QPoint at);

    CZephyrmapView& m_view;
};
