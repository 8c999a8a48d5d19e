#pragma once
// Pasted areas waiting for their place: their outlines follow the pointer
// (snapping as a move does), and the next left click adds them to the map
// there, one undo step; Escape gives them up.

#include "model/CMapData.h"
#include "view/Interaction.h"

#include <vector>

class InteractionHost;

class PastePlacement : public Interaction
{
public:
    // `areas` are already centred on the pointer at `pointer`.
    PastePlacement(InteractionHost& view, std::vector<CMapData> areas, Point pointer);

    void Pressed(Point p) override;
    void Moved(Point p) override;
    void Paint(QPainter& painter) const override;
    bool Cancel() override;
    bool IsDone() const override { return m_done; }
    const CMapData* Shape() const override { return m_areas.size() == 1 ? &m_areas.front() : nullptr; }
    const std::vector<CMapData>& Outlines() const { return m_areas; }

    // Moves `area` so that the centre of its bounds lands on `target`.
    static void CentreOn(CMapData& area, Point target);
    // The same for the bounds of them all.
    static void CentreOn(std::vector<CMapData>& areas, Point target);

private:
    InteractionHost& m_view;
    std::vector<CMapData> m_areas;
    std::vector<Point> m_start; // every point as pasted
    Point m_first;              // the pointer when the placement began
    Point m_offset{0, 0};
    bool m_done = false;
};
