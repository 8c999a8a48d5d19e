#include "check/MapChecker.h"

#include "check/CheckTexts.h"
#include "check/CoverageGrid.h"
#include "formats/CharacterReference.h"
#include "formats/HtmlWriter.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/LocalFile.h"
#include "services/paths/PathUtil.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>
#include <system_error>
#include <unordered_map>

namespace
{

constexpr auto npos = std::string::npos;

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::exists(localfile::PathOf(path), ec);
}

bool IsBlankText(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == npos;
}

// Three points on one line: the cross product of their differences is 0.
// The differences take 33 bits, their products 66.
bool OnOneLine(const Point& a, const Point& b, const Point& c)
{
    __extension__ using Wide = __int128;
    const Wide cross = Wide(std::int64_t(b.x) - a.x) * (std::int64_t(c.y) - a.y) -
                       Wide(std::int64_t(b.y) - a.y) * (std::int64_t(c.x) - a.x);
    return cross == 0;
}

bool PolygonHasNoArea(std::span<const Point> points)
{
    std::vector<Point> distinct;
    for (const Point& p : points) {
        if (std::find(distinct.begin(), distinct.end(), p) == distinct.end())
            distinct.push_back(p);
        if (distinct.size() >= 3 && !OnOneLine(distinct[0], distinct[1], distinct.back()))
            return false;
    }
    return true;
}

// %XX escapes of a link as the file name they stand for (a browser takes
// them for the bytes of the name, UTF-8 on the web). Empty when there are none.
std::string Unescaped(const std::string& link)
{
    if (link.find('%') == npos)
        return std::string();
    std::string bytes;
    for (std::size_t i = 0; i < link.size(); ++i) {
        const std::string hex = link.substr(i + 1, 2);
        if (link[i] == '%' && hex.size() == 2 && std::isxdigit(static_cast<unsigned char>(hex[0])) &&
            std::isxdigit(static_cast<unsigned char>(hex[1]))) {
            bytes += static_cast<char>(std::stoi(hex, nullptr, 16));
            i += 2;
        } else {
            bytes += link[i];
        }
    }
    return bytes;
}

// A link's text up to where a browser cuts it: its fragment, then its query.
std::string WithoutFragmentAndQuery(std::string link)
{
    link.erase(std::min(link.find('#'), link.size()));
    link.erase(std::min(link.find('?'), link.size()));
    return link;
}

// A typed link read against the page, as a browser reads the page's text.
// A reference that has lost everything but a '#' of its name keeps it as a
// name, which the resolution would take for an anchor.
std::string Resolved(const std::string& reference, const std::string& htmlPath)
{
    return paths::ResolveReference(reference[0] == '#' ? "./" + reference : reference, htmlPath);
}

// The local file of a link typed as HTML source (references read as a
// browser reads them); only the link's own text is cut and unescaped.
LinkedFiles TypedLinkTarget(const std::string& href, const std::string& htmlPath)
{
    if (paths::IsUrlReference(href))
        return {};
    const std::string own = WithoutFragmentAndQuery(charref::Decode(href));
    if (own.empty()) // the page's own anchor
        return {htmlPath, std::string()};
    const std::string unescaped = Unescaped(own);
    return {Resolved(own, htmlPath), unescaped.empty() ? std::string() : Resolved(unescaped, htmlPath)};
}

// A file the link was picked as, or read from the page as: its folders are
// folders whatever their names hold; its name is the link's own text.
LinkedFiles PathTarget(const std::string& path, const std::string& htmlPath)
{
    const auto [folder, name] = paths::DirectoryOf(path.substr(0, paths::LinkAnchorStart(htmlPath, path)));
    const std::string own = WithoutFragmentAndQuery(name);
    const std::string unescaped = Unescaped(own);
    return {folder + own, unescaped.empty() ? std::string() : folder + unescaped};
}

// The state of one check: the findings so far, the pixels covered by the
// areas before, the shapes and links met.
class CheckRun
{
public:
    CheckRun(const CZephyrmapDoc& doc, DisplaySize picture, const MapChecker::FileProbe& exists,
             const MapChecker::LinkTest& isLink)
        : m_doc(doc), m_picture(picture), m_exists(exists), m_isLink(isLink), m_grid(GridWidth(), GridHeight())
    {
        int index = 0;
        for (const auto& area : doc.Areas())
            m_index.emplace(area.get(), index++);
    }

    std::vector<Finding> Run()
    {
        for (const CMapData* area : html::AreasInWritingOrder(m_doc))
            CheckArea(*area);
        return std::move(m_findings);
    }

private:
    std::int64_t GridWidth() const { return m_picture.Known() ? m_picture.width : Extent(&Rect::right); }
    std::int64_t GridHeight() const { return m_picture.Known() ? m_picture.height : Extent(&Rect::bottom); }

    // How far the areas reach, without a picture to say.
    std::int64_t Extent(std::int32_t Rect::*edge) const
    {
        std::int64_t extent = 0;
        for (const auto& area : m_doc.Areas())
            extent = std::max<std::int64_t>(extent, area->Region().Bounds().*edge);
        return extent;
    }

    void Add(FindingCode code, const CMapData& area, std::string message)
    {
        Finding f;
        f.code = code;
        f.area = m_index.at(&area);
        f.map = m_doc.MapName();
        f.message = std::move(message);
        m_findings.push_back(std::move(f));
    }

    void CheckArea(const CMapData& area)
    {
        if (area.m_shape == ShapeDefault) {
            if (m_picture.Known() && !m_grid.AnyUncovered())
                Add(FindingCode::HiddenArea, area, checktexts::HiddenArea());
        } else {
            CheckGeometry(area);
        }
        if (IsLink(area) && IsBlankText(area.m_alt))
            Add(FindingCode::MissingAlt, area, checktexts::MissingAlt());
        CheckLinkTarget(area);
        CheckSvgAttributes(area);
    }

    bool IsLink(const CMapData& area) const { return m_isLink ? m_isLink(area) : !area.m_noHref; }

    void CheckSvgAttributes(const CMapData& area)
    {
        const std::vector<std::string> leftOut = svg::LeftOutAttributes(area.m_otherAttrs);
        if (!leftOut.empty())
            Add(FindingCode::SvgAttributeLeftOut, area,
                checktexts::SvgAttributesLeftOut(checktexts::QuotedNames(leftOut)));
    }

    void CheckGeometry(const CMapData& area)
    {
        if (MapChecker::IsEmptyArea(area)) {
            Add(FindingCode::EmptyArea, area, EmptyText(area));
            return;
        }
        CheckOutside(area);
        if (const int earlier = EarlierTwin(area); earlier >= 0) {
            Add(FindingCode::DuplicateArea, area, checktexts::DuplicateArea(earlier));
            return;
        }
        if (m_grid.Cover(area.Region()) == CoverageGrid::Reach::Covered)
            Add(FindingCode::HiddenArea, area, checktexts::HiddenArea());
    }

    static std::string EmptyText(const CMapData& area)
    {
        if (area.m_shape == ShapeRect)
            return checktexts::EmptyRectangle();
        if (area.m_shape == ShapeCirc)
            return checktexts::EmptyCircle();
        return checktexts::EmptyPolygon();
    }

    void CheckOutside(const CMapData& area)
    {
        if (!m_picture.Known())
            return;
        const auto out = [this](const Point& p) {
            return p.x < 0 || p.y < 0 || p.x > m_picture.width || p.y > m_picture.height;
        };
        if (std::none_of(area.m_points.begin(), area.m_points.end(), out))
            return;
        const Rect b = area.Region().Bounds();
        const bool entirely = b.right <= 0 || b.bottom <= 0 || b.left >= m_picture.width || b.top >= m_picture.height;
        Add(FindingCode::OutsidePicture, area,
            entirely ? checktexts::EntirelyOutsidePicture(m_picture.width, m_picture.height)
                     : checktexts::OutsidePicture(m_picture.width, m_picture.height));
    }

    // The index of an earlier area of the same shape, points and link; -1 for none.
    int EarlierTwin(const CMapData& area)
    {
        std::string key(1, static_cast<char>(area.m_shape));
        key.append(reinterpret_cast<const char*>(area.m_points.data()), area.m_points.size() * sizeof(Point));
        key += area.m_noHref ? '\1' : '\0';
        if (!area.m_noHref) // the link as stored: a picked path and the same text typed differ
            key += std::to_string(area.m_hrefIsPath) + '\0' + area.m_href;
        const auto [it, fresh] = m_geometries.emplace(std::move(key), m_index.at(&area));
        return fresh ? -1 : it->second;
    }

    void CheckLinkTarget(const CMapData& area)
    {
        const LinkedFiles target = MapChecker::LinkTarget(area, m_doc.HtmlPath());
        if (target.file.empty() || Exists(target.file))
            return;
        if (target.unescaped.empty() || !Exists(target.unescaped))
            Add(FindingCode::MissingLinkTarget, area, checktexts::MissingLinkTarget(target.file));
    }

    bool Exists(const std::string& file)
    {
        const auto [it, fresh] = m_files.emplace(file, false);
        if (fresh)
            it->second = m_exists(file);
        return it->second;
    }

    const CZephyrmapDoc& m_doc;
    DisplaySize m_picture;
    const MapChecker::FileProbe& m_exists;
    const MapChecker::LinkTest& m_isLink;
    CoverageGrid m_grid;
    std::unordered_map<const CMapData*, int> m_index;
    std::unordered_map<std::string, int> m_geometries;
    std::unordered_map<std::string, bool> m_files;
    std::vector<Finding> m_findings;
};

} // namespace

MapChecker::MapChecker() : m_exists(FileExists) {}

MapChecker::MapChecker(FileProbe exists) : m_exists(std::move(exists)) {}

std::vector<Finding> MapChecker::Check(const CZephyrmapDoc& doc, DisplaySize picture, const LinkTest& isLink) const
{
    return CheckRun(doc, picture, m_exists, isLink).Run();
}

bool MapChecker::IsEmptyArea(const CMapData& area)
{
    const PointList& p = area.m_points;
    switch (area.m_shape) {
    case ShapeRect:
        return p.size() != 4 || p[0].x == p[2].x || p[0].y == p[2].y;
    case ShapeCirc: // the radius is taken from the width, as COORDS are written
        return p.size() != 4 || (std::int64_t(p[2].x) - p[0].x) / 2 <= 0;
    case ShapePoly:
        return PolygonHasNoArea(p);
    case ShapeDefault:
        return false;
    default:
        return true;
    }
}

LinkedFiles MapChecker::LinkTarget(const CMapData& area, const std::string& htmlPath)
{
    if (area.m_noHref || area.m_href.empty())
        return {};
    return area.m_hrefIsPath ? PathTarget(area.m_href, htmlPath) : TypedLinkTarget(area.m_href, htmlPath);
}

std::string MapChecker::LinkedFile(const CMapData& area, const std::string& htmlPath)
{
    return LinkTarget(area, htmlPath).file;
}
