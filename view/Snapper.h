#pragma once
// Where a point being placed goes: onto a vertex of another area when one is
// within 5 window pixels, else onto the nearest point of another area's
// outline within as much, else onto the grid when snapping to it is on. The
// point last snapped is kept for the view to mark; holding Alt, or turning
// both snaps off, leaves points where the pointer puts them.

#include "services/types/Geometry.h"

#include <optional>
#include <span>
#include <vector>

class CMapData;
class CZephyrmapDoc;
struct AppSettings;

class Snapper
{
public:
    // How near a vertex or an outline must be, in window pixels.
    static constexpr float kReach = 5.0f;

    Snapper(const CZephyrmapDoc& doc, const AppSettings& settings) : m_doc(doc), m_settings(settings) {}

    // Held down while dragging: nothing snaps.
    void SetSuspended(bool suspended) { m_suspended = suspended; }
    bool IsSuspended() const { return m_suspended; }

    // `p` snapped at magnification `factor`; the areas in `ignore` (the one
    // being changed) are no targets.
    Point Snap(Point p, float factor, const std::vector<const CMapData*>& ignore);
    // Points moved together by `offset`: the offset changed so that the
    // nearest of them lands on a vertex or on the grid.
    Point SnapOffset(std::span<const Point> moving, Point offset, float factor,
                     const std::vector<const CMapData*>& ignore);

    // Where a point pressed at `p` would go, marked before the press; true
    // when the mark appeared, went or moved.
    bool Preview(Point p, float factor);

    const std::optional<Point>& Mark() const { return m_mark; }
    void ClearMark() { m_mark.reset(); }

private:
    bool Active() const;
    bool Ignored(const CMapData& area, const std::vector<const CMapData*>& ignore) const;
    std::optional<Point> NearestVertex(Point p, double reach, const std::vector<const CMapData*>& ignore) const;
    std::optional<Point> NearestOnOutline(Point p, double reach, const std::vector<const CMapData*>& ignore) const;
    std::optional<Point> OnGrid(Point p) const;

    const CZephyrmapDoc& m_doc;
    const AppSettings& m_settings;
    bool m_suspended = false;
    std::optional<Point> m_mark;
};
