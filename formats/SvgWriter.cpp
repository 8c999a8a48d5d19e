#include "formats/SvgWriter.h"

#include "formats/HtmlWriter.h"
#include "formats/OverlapIndex.h"
#include "formats/StartTag.h"
#include "formats/XmlText.h"
#include "model/CZephyrmapDoc.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <string_view>

namespace svg
{
namespace
{

using Box = OverlapIndex::Box;

// An area's shape as browsers take its COORDS.
struct Shape {
    enum Kind { None, Rectangle, Circle, Polygon } kind = None;
    std::vector<std::int64_t> numbers; // x y width height; cx cy r; x0 y0 x1 y1 ...
    Box bounds;
    bool HasArea() const { return kind != None && bounds.left < bounds.right && bounds.top < bounds.bottom; }
};

Shape RectangleShape(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    Shape s;
    s.kind = Shape::Rectangle;
    s.bounds = {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    s.numbers = {s.bounds.left, s.bounds.top, s.bounds.right - s.bounds.left, s.bounds.bottom - s.bounds.top};
    return s;
}

// The radius is taken from the width, as the written COORDS have it.
Shape CircleShape(std::span<const Point> p)
{
    Shape s;
    s.kind = Shape::Circle;
    const std::int64_t r = std::max<std::int64_t>(0, (std::int64_t(p[2].x) - p[0].x) / 2);
    const std::int64_t cx = p[0].x + r, cy = p[0].y + r;
    s.numbers = {cx, cy, r};
    s.bounds = {cx - r, cy - r, cx + r, cy + r};
    return s;
}

Shape PolygonShape(std::span<const Point> points)
{
    Shape s;
    s.kind = Shape::Polygon;
    s.bounds = {points[0].x, points[0].y, points[0].x, points[0].y};
    for (const Point& p : points) {
        s.numbers.insert(s.numbers.end(), {p.x, p.y});
        s.bounds = {std::min<std::int64_t>(s.bounds.left, p.x), std::min<std::int64_t>(s.bounds.top, p.y),
                    std::max<std::int64_t>(s.bounds.right, p.x), std::max<std::int64_t>(s.bounds.bottom, p.y)};
    }
    return s;
}

Shape ShapeOf(const CMapData& area, DisplaySize frame)
{
    const PointList& p = area.m_points;
    switch (area.m_shape) {
    case ShapeRect:
        return p.size() == 4 ? RectangleShape(p[0].x, p[0].y, p[2].x, p[2].y) : Shape();
    case ShapeCirc:
        return p.size() == 4 ? CircleShape(p) : Shape();
    case ShapePoly:
        return p.empty() ? Shape() : PolygonShape(p);
    case ShapeDefault:
        return RectangleShape(0, 0, frame.width, frame.height);
    default:
        return Shape();
    }
}

std::string Number(std::int64_t n)
{
    return std::to_string(n);
}

void AddAttribute(std::string& tag, std::string_view name, const std::string& htmlValue)
{
    tag += ' ';
    tag += name;
    tag += "=\"";
    tag += xmltext::Escape(htmlValue);
    tag += '"';
}

void AddNumber(std::string& tag, std::string_view name, std::int64_t n)
{
    AddAttribute(tag, name, Number(n));
}

// The element drawing the shape: invisible, yet taking the pointer.
std::string ShapeElement(const Shape& s)
{
    std::string e;
    const auto& n = s.numbers;
    if (s.kind == Shape::Circle) {
        e = "<circle";
        AddNumber(e, "cx", n[0]), AddNumber(e, "cy", n[1]), AddNumber(e, "r", n[2]);
    } else if (s.kind == Shape::Polygon) {
        std::string points;
        for (std::size_t i = 0; i + 1 < n.size(); i += 2)
            points += (i ? " " : "") + Number(n[i]) + "," + Number(n[i + 1]);
        e = "<polygon";
        AddAttribute(e, "points", points);
        AddAttribute(e, "fill-rule", "evenodd"); // as the image map's polygons are tested
    } else {
        // An area whose COORDS name no shape keeps its link, drawn at no size.
        const std::vector<std::int64_t> box = s.kind == Shape::Rectangle ? n : std::vector<std::int64_t>(4, 0);
        e = "<rect";
        AddNumber(e, "x", box[0]), AddNumber(e, "y", box[1]), AddNumber(e, "width", box[2]);
        AddNumber(e, "height", box[3]);
    }
    AddAttribute(e, "fill", "transparent");
    return e + "/>";
}

// The shape as one closed outline of a path.
std::string Outline(const Shape& s)
{
    const auto& n = s.numbers;
    if (s.kind == Shape::Circle) {
        const std::string arc = "A" + Number(n[2]) + "," + Number(n[2]) + " 0 1 0 ";
        return "M" + Number(n[0] - n[2]) + "," + Number(n[1]) + arc + Number(n[0] + n[2]) + "," + Number(n[1]) + arc +
               Number(n[0] - n[2]) + "," + Number(n[1]) + "Z";
    }
    if (s.kind == Shape::Polygon) {
        std::string d;
        for (std::size_t i = 0; i + 1 < n.size(); i += 2)
            d += (i ? "L" : "M") + Number(n[i]) + "," + Number(n[i + 1]);
        return d + "Z";
    }
    return "M" + Number(n[0]) + "," + Number(n[1]) + "h" + Number(n[2]) + "v" + Number(n[3]) + "h" + Number(-n[2]) +
           "Z";
}

// ---- Other attributes ----

constexpr std::array<std::string_view, 32> kCarriedNames = {
    "accesskey", "autocapitalize", "autofocus", "class",      "contenteditable", "dir",
    "draggable", "enterkeyhint",   "hidden",    "id",         "inert",           "inputmode",
    "is",        "itemid",         "itemprop",  "itemref",    "itemscope",       "itemtype",
    "lang",      "nonce",          "popover",   "spellcheck", "style",           "tabindex",
    "title",     "translate",      "role",      "download",   "hreflang",        "ping",
    "rel",       "type",
};

bool IsLetter(char c)
{
    return c >= 'a' && c <= 'z';
}

bool IsXmlNameTail(std::string_view name)
{
    return std::all_of(name.begin(), name.end(), [](char c) {
        return IsLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    });
}

bool IsCarried(std::string_view name)
{
    if (name.empty() || !IsLetter(name[0]) || !IsXmlNameTail(name))
        return false;
    if ((name.starts_with("data-") || name.starts_with("aria-")) && name.size() > 5)
        return true;
    if (name.starts_with("on") && name.size() > 2)
        return std::all_of(name.begin(), name.end(), IsLetter);
    return std::find(kCarriedNames.begin(), kCarriedNames.end(), name) != kCarriedNames.end();
}

// ---- The element ----

struct Written {
    const CMapData* area;
    Shape shape;
};

// Whether an area's shape takes clicks from the ones after it: the DEFAULT
// area lies beneath them all.
bool CanCover(const Written& w)
{
    return w.area->m_shape != ShapeDefault && w.shape.HasArea();
}

// The boxes of the shapes that can cover others; an empty box for the rest.
OverlapIndex IndexOfCovering(const std::vector<Written>& written)
{
    std::vector<Box> boxes;
    boxes.reserve(written.size());
    for (const Written& w : written)
        boxes.push_back(CanCover(w) ? w.shape.bounds : Box());
    return OverlapIndex(std::move(boxes));
}

// The earlier shapes over `later`, in groups whose members lie apart, so
// that each group cuts its shapes out of one even-odd outline.
std::vector<std::vector<const Shape*>> EarlierOver(const std::vector<Written>& written, const OverlapIndex& covering,
                                                   std::size_t later)
{
    std::vector<std::vector<const Shape*>> groups;
    for (std::size_t i : covering.EarlierOverlapping(later)) {
        const Shape& earlier = written[i].shape;
        auto fits = [&](const std::vector<const Shape*>& g) {
            return std::none_of(g.begin(), g.end(), [&](const Shape* s) { return s->bounds.Overlaps(earlier.bounds); });
        };
        auto group = std::find_if(groups.begin(), groups.end(), fits);
        if (group == groups.end())
            groups.push_back({&earlier});
        else
            group->push_back(&earlier);
    }
    return groups;
}

class SvgBuilder
{
public:
    SvgBuilder(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture)
        : m_doc(doc), m_options(options), m_indent(html::MakeIndent(options))
    {
        m_frame = DisplayedSize(doc, picture);
        if (!m_frame.Known())
            m_frame = FrameOfAreas();
        m_idPrefix = "zm-" + xmltext::IdPart(doc.MapName()) + "-";
    }

    std::string Build()
    {
        CollectAreas();
        m_covering.emplace(IndexOfCovering(m_written));
        std::string links;
        for (std::size_t i = 0; i < m_written.size(); ++i)
            links += "\r\n" + m_indent + AreaElement(i);
        std::string text = OpeningTag() + "\r\n" + m_indent + PictureElement();
        if (!m_clips.empty())
            text += "\r\n" + m_indent + "<defs>" + m_clips + "\r\n" + m_indent + "</defs>";
        return text + links + "\r\n</svg>";
    }

private:
    DisplaySize FrameOfAreas() const
    {
        std::int64_t right = 1, bottom = 1;
        for (const CMapData* area : html::AreasInWritingOrder(m_doc)) {
            const Shape s = ShapeOf(*area, {});
            if (s.kind != Shape::None && area->m_shape != ShapeDefault)
                right = std::max(right, s.bounds.right), bottom = std::max(bottom, s.bounds.bottom);
        }
        const std::int64_t largest = std::numeric_limits<std::int32_t>::max();
        return {static_cast<std::int32_t>(std::min(right, largest)),
                static_cast<std::int32_t>(std::min(bottom, largest))};
    }

    // The DEFAULT area first, beneath the others; the rest in list order.
    void CollectAreas()
    {
        const std::vector<const CMapData*> areas = html::AreasInWritingOrder(m_doc);
        if (!areas.empty() && areas.back()->m_shape == ShapeDefault)
            m_written.push_back({areas.back(), ShapeOf(*areas.back(), m_frame)});
        for (const CMapData* area : areas) {
            if (area->m_shape != ShapeDefault)
                m_written.push_back({area, ShapeOf(*area, m_frame)});
        }
    }

    std::string OpeningTag() const
    {
        std::string tag = "<svg xmlns=\"http://www.w3.org/2000/svg\"";
        AddAttribute(tag, "viewBox", "0 0 " + Number(m_frame.width) + " " + Number(m_frame.height));
        AddNumber(tag, "width", m_frame.width);
        AddNumber(tag, "height", m_frame.height);
        AddAttribute(tag, "style", "max-width: 100%; height: auto");
        if (!m_doc.Attribute(AttrImgAlt).empty())
            AddAttribute(tag, "aria-label", m_doc.Attribute(AttrImgAlt));
        return tag + ">";
    }

    // Stretched to the frame, as an IMG with WIDTH and HEIGHT is.
    std::string PictureElement() const
    {
        std::string image = "<image";
        AddAttribute(image, "href", html::PictureReference(m_doc, m_doc.HtmlPath(), m_options));
        AddNumber(image, "width", m_frame.width);
        AddNumber(image, "height", m_frame.height);
        AddAttribute(image, "preserveAspectRatio", "none");
        return image + "/>";
    }

    std::string AreaElement(std::size_t index)
    {
        const CMapData& area = *m_written[index].area;
        std::string head = area.m_noHref ? "<g" : "<a";
        std::string title;
        if (!area.m_noHref) {
            AddAttribute(head, "href", html::LinkReference(area, m_doc.HtmlPath(), m_options));
            if (!area.m_target.empty())
                AddAttribute(head, "target", area.m_target);
            if (!area.m_alt.empty())
                AddAttribute(head, "aria-label", area.m_alt);
        }
        for (const CarriedAttribute& a : CarriedAttributes(area.m_otherAttrs)) {
            if (a.name == "aria-label" && !area.m_noHref && !area.m_alt.empty())
                continue; // the ALT names the link
            AddAttribute(head, a.name, a.value);
            if (a.name == "title") // what browsers show as the tip of an SVG element
                title = "<title>" + xmltext::Escape(a.value) + "</title>";
        }
        return head + ">" + title + ClippedShape(index) + (area.m_noHref ? "</g>" : "</a>");
    }

    std::string ClippedShape(std::size_t index)
    {
        const Shape& own = m_written[index].shape;
        std::string open, close;
        if (own.HasArea() && m_written[index].area->m_shape != ShapeDefault) {
            const auto groups = EarlierOver(m_written, *m_covering, index);
            for (std::size_t g = 0; g < groups.size(); ++g) {
                const std::string id = m_idPrefix + Number(static_cast<std::int64_t>(index)) + "-" +
                                       Number(static_cast<std::int64_t>(g + 1));
                AddClip(id, own.bounds, groups[g]);
                open += "<g clip-path=\"url(#" + id + ")\">";
                close += "</g>";
            }
        }
        return open + ShapeElement(own) + close;
    }

    // Everything in a margin around `bounds` but the shapes of the group.
    void AddClip(const std::string& id, const Box& bounds, const std::vector<const Shape*>& group)
    {
        std::string d = Outline(RectangleShape(bounds.left - 1, bounds.top - 1, bounds.right + 1, bounds.bottom + 1));
        for (const Shape* s : group)
            d += Outline(*s);
        m_clips += "\r\n" + m_indent + m_indent + "<clipPath id=\"" + id + "\"><path clip-rule=\"evenodd\" d=\"" + d +
                   "\"/></clipPath>";
    }

    const CZephyrmapDoc& m_doc;
    const HtmlOutputOptions& m_options;
    const std::string m_indent;
    DisplaySize m_frame;
    std::string m_idPrefix;
    std::vector<Written> m_written;
    std::optional<OverlapIndex> m_covering; // of m_written, once collected
    std::string m_clips;
};

} // namespace

std::vector<CarriedAttribute> CarriedAttributes(const std::string& otherAttrs)
{
    std::vector<CarriedAttribute> carried;
    const std::string tag = "<a " + otherAttrs + ">";
    const std::optional<StartTag> read = StartTag::Read(tag, 0, "a", tag.size());
    if (!read)
        return carried;
    for (const TagAttribute& a : read->Attributes()) {
        const std::string name = utf8::ToLower(tag.substr(a.nameBegin, a.nameEnd - a.nameBegin));
        const bool seen =
            std::any_of(carried.begin(), carried.end(), [&](const CarriedAttribute& c) { return c.name == name; });
        if (!seen && IsCarried(name))
            carried.push_back({name, tag.substr(a.valueBegin, a.valueEnd - a.valueBegin)});
    }
    return carried;
}

std::string WriteMapSvg(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture)
{
    return SvgBuilder(doc, options, picture).Build();
}

} // namespace svg
