#include "model/CMapData.h"

#include "model/BlockPool.h"
#include "services/paths/PathUtil.h"
#include "services/settings/AppSettings.h"

#include <algorithm>
#include <cmath>

void* CMapData::operator new(std::size_t size)
{
    if (ZM_POOLS_USE_HEAP || size != sizeof(CMapData))
        return ::operator new(size);
    return PoolFor<CMapData>().Allocate();
}

void CMapData::operator delete(void* area, std::size_t size) noexcept
{
    if (ZM_POOLS_USE_HEAP || size != sizeof(CMapData))
        ::operator delete(area);
    else
        PoolFor<CMapData>().Deallocate(area);
}

CMapData::CMapData(const CMapData& other)
{
    CopyFrom(other);
}

CMapData& CMapData::operator=(const CMapData& other)
{
    if (this != &other) {
        Reset();
        CopyFrom(other);
    }
    return *this;
}

void CMapData::CopyFrom(const CMapData& other)
{
    m_shape = other.m_shape;
    m_href = other.m_href;
    m_hrefIsPath = other.m_hrefIsPath;
    m_target = other.m_target;
    m_alt = other.m_alt;
    m_otherAttrs = other.m_otherAttrs;
    m_noHref = other.m_noHref;
    m_points = other.m_points;
    BuildRegion();
}

void CMapData::Reset()
{
    m_shape = ShapeNone;
    m_href.clear();
    m_target.clear();
    m_alt.clear();
    m_otherAttrs.clear();
    m_noHref = 0;
    m_hrefIsPath = 0;
    m_points = PointList();
    m_region.reset();
}

const HitRegion& CMapData::Region() const
{
    if (!m_region)
        MakeRegion();
    return *m_region;
}

void CMapData::MakeRegion() const
{
    m_region = std::make_unique<HitRegion>();
    if (m_shape == ShapePoly || m_shape == ShapeRect)
        *m_region = HitRegion::MakePolygon(m_points);
    else if (m_shape == ShapeCirc && m_points.size() >= 3)
        *m_region = HitRegion::MakeEllipse({m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y});
}

void CMapData::OffsetBy(int dx, int dy)
{
    for (Point& p : m_points) {
        p.x += dx;
        p.y += dy;
    }
    if (m_region)
        m_region->Offset(dx, dy);
}

void CMapData::MoveTo(int x, int y)
{
    if (m_points.size() > 2)
        OffsetBy(x - m_points[0].x, y - m_points[0].y);
}

Point CMapData::MoveVertex(int index, int x, int y)
{
    if (m_shape != ShapePoly || index < 0 || index >= static_cast<int>(m_points.size()))
        return {x, y};
    Point old = m_points[index];
    m_points[index] = {x, y};
    BuildRegion();
    return old;
}

void CMapData::InsertVertex(int index, int x, int y)
{
    if (m_shape != ShapePoly || index < 0 || index >= static_cast<int>(m_points.size()))
        return;
    m_points.insert(m_points.begin() + index, Point{x, y});
    BuildRegion();
}

void CMapData::DeleteVertex(int index)
{
    if (m_shape != ShapePoly || index < 0 || index >= static_cast<int>(m_points.size()))
        return;
    m_points.erase(m_points.begin() + index);
    BuildRegion();
}

void CMapData::SetPointsFromRect(const Rect& r)
{
    m_points = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

void CMapData::NormalizeFromOppositeCorners()
{
    Rect r{m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y};
    NormalizeRect(r);
    SetPointsFromRect(r);
}

void CMapData::DragRectCorner(int x, int y, int corner, bool normalize)
{
    if (m_shape != ShapeRect || m_points.size() != 4 || corner < 0 || corner > 3)
        return;
    Point& prev = m_points[(corner + 3) % 4];
    Point& next = m_points[(corner + 1) % 4];
    if (corner % 2 == 0) {
        prev.x = x;
        next.y = y;
    } else {
        prev.y = y;
        next.x = x;
    }
    m_points[corner] = {x, y};
    if (normalize)
        NormalizeFromOppositeCorners();
    BuildRegion();
}

void CMapData::DragRectEdge(int x, int y, int edge, bool normalize)
{
    if (m_points.size() != 4 || edge < 0 || edge > 3)
        return;
    switch (edge) {
    case 0:
        m_points[0].y = m_points[1].y = y;
        break;
    case 1:
        m_points[1].x = m_points[2].x = x;
        break;
    case 2:
        m_points[2].y = m_points[3].y = y;
        break;
    default:
        m_points[3].x = m_points[0].x = x;
        break;
    }
    if (normalize)
        NormalizeFromOppositeCorners();
    BuildRegion();
}

void CMapData::DragCircleCorner(int x, int y, int corner, bool normalize)
{
    if (m_shape != ShapeCirc || m_points.size() != 4 || corner < 0 || corner > 3)
        return;
    int fixedIndex = corner < 2 ? corner + 2 : corner - 2;
    Point f = m_points[fixedIndex];
    double dx = x - f.x, dy = y - f.y;
    int s = static_cast<int>(std::sqrt(dx * dx + dy * dy) * 0.707106781373095);
    Point n{f.x + (x < f.x ? -s : s), f.y + (y < f.y ? -s : s)};
    // The fixed corner keeps its own place in the rectangle.
    Rect r;
    switch (fixedIndex) {
    case 0:
        r = {f.x, f.y, n.x, n.y};
        break;
    case 1:
        r = {n.x, f.y, f.x, n.y};
        break;
    case 2:
        r = {n.x, n.y, f.x, f.y};
        break;
    default:
        r = {f.x, n.y, n.x, f.y};
        break;
    }
    if (normalize)
        NormalizeRect(r);
    SetPointsFromRect(r);
    BuildRegion();
}

Rect CMapData::GetScreenBounds(float zoom) const
{
    if (m_points.size() < 2)
        return {};
    auto [minX, maxX] =
        std::minmax_element(m_points.begin(), m_points.end(), [](const Point& a, const Point& b) { return a.x < b.x; });
    auto [minY, maxY] =
        std::minmax_element(m_points.begin(), m_points.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
    // Held to the int range: coordinates read from a page may be near its ends.
    auto scale = [zoom](int v) {
        const double scaled =
            std::clamp(static_cast<double>(static_cast<float>(v) * zoom), -2147483000.0, 2147483000.0);
        return static_cast<int>(scaled);
    };
    return {scale(minX->x) - 10, scale(minY->y) - 10, scale(maxX->x) + 10, scale(maxY->y) + 10};
}

Rect CMapData::GetShapeRect() const
{
    if (m_shape == ShapePoly || m_points.size() < 4)
        return {};
    Rect r{m_points[0].x, m_points[0].y, m_points[2].x, m_points[2].y};
    NormalizeRect(r);
    return r;
}

Rect CMapData::Bounds() const
{
    if (m_points.empty())
        return {};
    Rect r{m_points[0].x, m_points[0].y, m_points[0].x, m_points[0].y};
    for (const Point& p : m_points)
        r = {std::min(r.left, p.x), std::min(r.top, p.y), std::max(r.right, p.x), std::max(r.bottom, p.y)};
    return r;
}

void CMapData::NormalizeRect(Rect& r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
}

void CMapData::SetAttributes(const std::optional<std::string>& href, const std::optional<std::string>& target,
                             const std::optional<std::string>& alt, int hrefIsPath, int noHref,
                             const std::optional<std::string>& otherAttrs)
{
    if (href) {
        m_href = *href;
        m_hrefIsPath = hrefIsPath;
    }
    if (target)
        m_target = *target;
    if (alt)
        m_alt = *alt;
    if (noHref != -1)
        m_noHref = noHref;
    if (otherAttrs)
        m_otherAttrs = *otherAttrs;
}

void CMapData::ReplaceAnchor(const std::string& anchor)
{
    paths::SplitAnchor(m_href);
    m_href += anchor;
}

bool CMapData::HasNoAttributes() const
{
    return m_alt.empty() && m_href.empty() && m_target.empty() && m_otherAttrs.empty() && m_noHref == 0;
}

bool CMapData::SameAttributes(const CMapData& other) const
{
    return m_shape == other.m_shape && m_href == other.m_href && m_hrefIsPath == other.m_hrefIsPath &&
           m_target == other.m_target && m_alt == other.m_alt && m_otherAttrs == other.m_otherAttrs &&
           m_noHref == other.m_noHref;
}

bool CMapData::SameContent(const CMapData& other) const
{
    return SameAttributes(other) && m_points == other.m_points;
}

bool CMapData::IsInPageLink(const std::string& documentPath) const
{
    return m_hrefIsPath != 0 && !paths::InPageAnchor(documentPath, m_href).empty();
}

std::string CMapData::GetOutputHref(const std::string& documentPath, const AppSettings& settings) const
{
    return paths::ComposeOutputPath(documentPath, m_href, m_hrefIsPath != 0, settings.HREF_RelativePath != 0,
                                    settings.OmitInPageLinkFileName != 0);
}

std::string CMapData::FormatCoords() const
{
    const auto& p = m_points;
    auto pair = [](const Point& q) { return std::to_string(q.x) + "," + std::to_string(q.y); };
    switch (m_shape) {
    case ShapePoly: {
        // Each vertex once: browsers close a polygon themselves, and a
        // repeated first vertex reads as one vertex more than the area has.
        std::string text;
        for (const Point& q : p)
            text += (text.empty() ? "" : ",") + pair(q);
        return text;
    }
    case ShapeCirc: {
        if (p.size() != 4)
            return std::string();
        // In 64 bits: a circle read from a page may span the whole coordinate range.
        const std::int64_t r = (std::int64_t(p[2].x) - p[0].x) / 2;
        return std::to_string(p[0].x + r) + "," + std::to_string(p[0].y + r) + "," + std::to_string(r);
    }
    case ShapeRect:
        return p.size() == 4 ? pair(p[0]) + "," + pair(p[2]) : std::string();
    case ShapeDefault:
        return p.size() == 2 ? pair(p[0]) + "," + pair(p[1]) : std::string();
    default:
        return std::string();
    }
}
