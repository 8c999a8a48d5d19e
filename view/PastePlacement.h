#pragma once
// A pasted area waiting for its place: its outline follows the pointer, and
// the next left click adds it to the map there.

#include "model/CMapData.h"
#include "view/Interaction.h"

class CZephyrmapView;

class PastePlacement : public Interaction
{
public:
    // `area` is already centred on the pointer at `pointer`.
    PastePlacement(CZephyrmapView& view, const CMapData& area, Point pointer);

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void Paint(QPainter& painter) const override;
    bool IsDone() const override { return m_done; }
    const CMapData& Outline() const { return m_area; }

    // Moves `area` so that the centre of its bounds lands on `target`.
    static void CentreOn(CMapData& area, Point target);

private:
    CZephyrmapView& m_view;
    CMapData m_area;
    Point m_last;
    bool m_done = false;
};
