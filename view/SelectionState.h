#pragma once
// What the view knows of the selection: one area with its handles, in
// picture pixels and sized so that they stay six window pixels wide at any
// magnification, and its edges, where a click on a polygon's outline inserts
// a vertex; or a group of several areas, which move, go and are copied
// together and are reshaped by none of their handles.

#include "services/types/Geometry.h"

#include <vector>

class CMapData;

struct EdgeZone {
    int first = 0;  // index of the edge's first point
    int second = 0; // index of its second point (0 for the closing edge)
};

class SelectionState
{
public:
    // Selects `area` alone and builds its handles and edges for `factor`.
    void Build(CMapData* area, float factor, int grabbedHandle);
    // Builds again for the one selected area, keeping the grabbed handle.
    void Rebuild(float factor);
    void Clear();
    // Selects these areas, in this order: none, one (with its handles) or a group.
    void SetAreas(std::vector<CMapData*> areas, float factor);

    bool IsSelected() const { return !m_areas.empty(); }
    bool IsGroup() const { return m_areas.size() > 1; }
    // The one selected area; none while a group (or nothing) is selected.
    CMapData* Area() const { return m_areas.size() == 1 ? m_areas.front() : nullptr; }
    // Every selected area, in the order they were selected.
    const std::vector<CMapData*>& Areas() const { return m_areas; }
    bool Contains(const CMapData* area) const;
    // In a group, the area the others take their size from: the first
    // selected, or the one the user has since clicked. Once clicked, the
    // others line up on it too, as they would on a drawing's key shape.
    const CMapData* Reference() const { return IsGroup() ? m_areas.front() : nullptr; }
    bool ReferenceChosen() const { return IsGroup() && m_referenceChosen; }
    void ChooseReference(CMapData* area);
    const std::vector<Rect>& Handles() const { return m_handles; }
    const std::vector<EdgeZone>& Edges() const { return m_edges; }
    // Moves one handle's rectangle to follow a dragged vertex.
    void MoveHandle(int index, Point centre, float factor);

    // The first handle whose rectangle meets the probe around (x, y); -1 for none.
    int HandleAt(Point p, float factor) const;
    // Whether handle `index` meets that probe.
    bool IsOnHandle(int index, Point p, float factor) const;
    // The first edge of the one selected polygon within 3 window pixels of
    // the pointer; -1 for none.
    int EdgeAt(Point p, float factor) const;

    int hoveredHandle = -1;
    int grabbedHandle = -1;
    int hoveredEdge = -1;

    // Half the side of a handle, in picture pixels at `factor`.
    static int HandleHalfSize(float factor);
    // How near the outline a click must be to insert a vertex, in window pixels.
    static constexpr float kEdgeReach = 3.0f;
    // How far from a handle's centre, in window pixels, a press still takes
    // it above 300 %: half the square drawn and half the probe.
    static constexpr float kHandleReach = 6.0f;
    static std::vector<Point> HandlePoints(const CMapData& area);

private:
    void BuildHandles(float factor);

    std::vector<CMapData*> m_areas; // in the document
    bool m_referenceChosen = false;
    std::vector<Rect> m_handles;
    std::vector<EdgeZone> m_edges;
};
