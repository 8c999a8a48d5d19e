#pragma once
// What the view knows of the selected area: its handles and the zones along
// its edges where a click inserts a polygon vertex, both in picture pixels and
// sized so that they stay six window pixels wide at any magnification.

#include "model/HitRegion.h"
#include "services/types/Geometry.h"

#include <vector>

class CMapData;

struct EdgeZone {
    HitRegion region;
    int first = 0;  // index of the edge's first point
    int second = 0; // index of its second point (0 for the closing edge)
};

class SelectionState
{
public:
    // Selects `area` and builds its handles and edge zones for `factor`.
    void Build(CMapData* area, float factor, int grabbedHandle);
    // Builds again for the selected area, keeping the grabbed handle.
    void Rebuild(float factor) { Build(m_area, factor, grabbedHandle); }
    void Clear();

    bool IsSelected() const { return m_area != nullptr; }
    CMapData* Area() const { return m_area; }
    const std::vector<Rect>& Handles() const { return m_handles; }
    const std::vector<EdgeZone>& Edges() const { return m_edges; }
    // Moves one handle's rectangle to follow a dragged vertex.
    void MoveHandle(int index, Point centre, float factor);

    // The first handle whose rectangle meets the probe around (x, y); -1 for none.
    int HandleAt(Point p, float factor) const;
    // Whether handle `index` meets that probe.
    bool IsOnHandle(int index, Point p, float factor) const;
    // The first edge zone that meets the 2 x 2 probe at (x, y); -1 for none.
    int EdgeAt(Point p) const;

    int hoveredHandle = -1;
    int grabbedHandle = -1;
    int hoveredEdge = -1;

    // Half the side of a handle, and the width of an edge zone, in picture
    // pixels at `factor`.
    static int HandleHalfSize(float factor);
    static int EdgeZoneWidth(float factor);
    static std::vector<Point> HandlePoints(const CMapData& area);
    static EdgeZone MakeEdgeZone(Point a, Point b, int width, int first, int second);

private:
    CMapData* m_area = nullptr; // in the document
    std::vector<Rect> m_handles;
    std::vector<EdgeZone> m_edges;
};
