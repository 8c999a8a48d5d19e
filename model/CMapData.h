#pragma once
// One clickable area: its shape, its points in picture pixels, a hit region
// kept in step with the points, and the link attributes of one AREA tag.

#include "model/HitRegion.h"
#include "model/PointList.h"
#include "services/types/Geometry.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct AppSettings;

enum AreaShape : int { ShapeNone = -1, ShapePoly = 0, ShapeCirc = 1, ShapeRect = 2, ShapeDefault = 3 };

class CMapData
{
public:
    CMapData() = default;
    CMapData(const CMapData& other);
    CMapData& operator=(const CMapData& other);

    // Areas come from a pool of their own: see BlockPool.
    static void* operator new(std::size_t size);
    static void operator delete(void* area, std::size_t size) noexcept;

    void Reset();
    // The points changed: the hit region follows them. It is made when a hit
    // test first needs it, so that reading a large map makes none.
    void BuildRegion() { m_region.reset(); }

    // Geometry, in picture pixels.
    void OffsetBy(int dx, int dy);
    void MoveTo(int x, int y);
    Point MoveVertex(int index, int x, int y);
    void InsertVertex(int index, int x, int y);
    void DeleteVertex(int index);
    void DragRectCorner(int x, int y, int corner, bool normalize);
    void DragRectEdge(int x, int y, int edge, bool normalize);
    void DragCircleCorner(int x, int y, int corner, bool normalize);
    Rect GetScreenBounds(float zoom) const;
    Rect GetShapeRect() const;
    // The smallest rectangle holding every point, right and bottom included;
    // empty for an area without points.
    Rect Bounds() const;
    static void NormalizeRect(Rect& rect);

    // Attributes; an absent argument leaves its field alone, noHref -1 too.
    void SetAttributes(const std::optional<std::string>& href, const std::optional<std::string>& target,
                       const std::optional<std::string>& alt, int hrefIsPath, int noHref,
                       const std::optional<std::string>& otherAttrs);
    void ReplaceAnchor(const std::string& anchor);
    bool HasNoAttributes() const;
    // Same shape, points and attributes: what a file or a page would hold
    // of the two is the same. The hit region follows the points.
    bool SameContent(const CMapData& other) const;
    // The same link attributes, whatever the points.
    bool SameAttributes(const CMapData& other) const;
    bool IsInPageLink(const std::string& documentPath) const;
    std::string GetOutputHref(const std::string& documentPath, const AppSettings& settings) const;
    // The COORDS text: a polygon's vertices each once, a circle's centre and
    // radius, a rectangle's corners, the DEFAULT area's two points.
    std::string FormatCoords() const;

    bool ContainsPoint(int x, int y) const { return Region().ContainsPoint(x, y); }
    bool IntersectsRect(const Rect& r) const { return Region().IntersectsRect(r); }
    const HitRegion& Region() const;

    PointList m_points;
    int m_shape = ShapeNone;
    std::string m_href;
    int m_hrefIsPath = 0;
    std::string m_target;
    std::string m_alt;
    std::string m_otherAttrs;
    int m_noHref = 0;

private:
    void CopyFrom(const CMapData& other);
    void MakeRegion() const;

    // Made at the first hit test; kept out of the area, which a large map
    // holds by the hundred thousand, until then.
    mutable std::unique_ptr<HitRegion> m_region;
    void SetPointsFromRect(const Rect& r);
    void NormalizeFromOppositeCorners();
};
