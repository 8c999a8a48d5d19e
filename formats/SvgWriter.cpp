#include "formats/SvgWriter.h"

#include "formats/ClipChains.h"
#include "formats/HtmlWriter.h"
#include "formats/OverlapIndex.h"
#include "formats/StartTag.h"
#include "formats/XmlText.h"
#include "model/CZephyrmapDoc.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <numbers>
#include <optional>
#include <random>
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

// The element drawing the shape: invisible, yet taking the pointer unless told.
std::string ShapeElement(const Shape& s, bool takesThePointer)
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
    if (!takesThePointer)
        AddAttribute(e, "pointer-events", "none");
    return e + "/>";
}

std::string Decimal(double n)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", n);
    std::string d = text;
    d.erase(d.find_last_not_of('0') + 1);
    if (d.back() == '.')
        d.pop_back();
    return d == "-0" ? "0" : d;
}

// How far a cut reaches beyond the straight edges of the shape it cuts: an
// image map counts a point on an area's outline in, so the cut must take
// the whole pixels on it, and no pixel beside it.
constexpr double kCutMargin = 1.0 / 16;

std::string BoxOutline(double left, double top, double right, double bottom)
{
    return "M" + Decimal(left) + "," + Decimal(top) + "h" + Decimal(right - left) + "v" + Decimal(bottom - top) + "h" +
           Decimal(left - right) + "Z";
}

// A circle a little larger than the area's, holding every whole pixel within
// the radius and none beyond it (the next lies at the root of r² + 1). It is
// drawn as arcs short enough that the curves browsers make of them stay
// between the two.
std::string GrownCircle(const Shape& s)
{
    const double cx = double(s.numbers[0]), cy = double(s.numbers[1]), r = double(s.numbers[2]);
    const double grown = r + 1.0 / (4 * r + 2);
    constexpr double kQuarterCurveError = 2.7e-4; // of the radius, a quarter circle as one cubic
    const double ratio = r * kQuarterCurveError / ((grown - r) / 2);
    const int quarters = std::max(1, static_cast<int>(std::ceil(std::pow(ratio, 1.0 / 6))));
    const int arcs = 4 * quarters;
    const std::string radius = Decimal(grown);
    std::string d = "M" + Decimal(cx + grown) + "," + Decimal(cy);
    for (int i = 1; i <= arcs; ++i) {
        const double angle = 2 * std::numbers::pi * i / arcs;
        d += "A" + radius + "," + radius + " 0 0 1 " + Decimal(cx + grown * std::cos(angle)) + "," +
             Decimal(cy + grown * std::sin(angle));
    }
    return d + "Z";
}

std::string PolygonOutline(const Shape& s)
{
    const auto& n = s.numbers;
    std::string d;
    for (std::size_t i = 0; i + 1 < n.size(); i += 2)
        d += (i ? "L" : "M") + Number(n[i]) + "," + Number(n[i + 1]);
    return d + "Z";
}

// Thin bands along a polygon's edges, one per edge, each holding its first
// corner and not its last, so that every corner lies in one band and the
// even-odd rule does not cancel it. A band is narrower than the distance
// from its edge to any whole pixel off it (one over the edge's length).
std::string PolygonEdgeBands(const Shape& s)
{
    const auto& n = s.numbers;
    const std::size_t corners = n.size() / 2;
    std::string d;
    for (std::size_t i = 0; i < corners; ++i) {
        const double x0 = double(n[2 * i]), y0 = double(n[2 * i + 1]);
        const double x1 = double(n[2 * ((i + 1) % corners)]), y1 = double(n[2 * ((i + 1) % corners) + 1]);
        const double length = std::hypot(x1 - x0, y1 - y0);
        if (length == 0)
            continue;
        const double half = std::min(kCutMargin, 1 / (4 * length));
        const double ux = (x1 - x0) / length, uy = (y1 - y0) / length; // along the edge
        const double nx = -uy * half, ny = ux * half;                  // across it
        const double bx = x0 - ux * half, by = y0 - uy * half, ex = x1 - ux * half, ey = y1 - uy * half;
        d += "M" + Decimal(bx + nx) + "," + Decimal(by + ny) + "L" + Decimal(ex + nx) + "," + Decimal(ey + ny) + "L" +
             Decimal(ex - nx) + "," + Decimal(ey - ny) + "L" + Decimal(bx - nx) + "," + Decimal(by - ny) + "Z";
    }
    return d;
}

// What an earlier shape takes from the later ones, as outlines to cut out
// of the whole frame by the even-odd rule: a polygon's inside and its edges
// are two cuts, since a point on an edge of the one would count in both.
std::vector<std::string> CutsOf(const Shape& s)
{
    const Box& b = s.bounds;
    if (s.kind == Shape::Circle)
        return {GrownCircle(s)};
    if (s.kind == Shape::Polygon)
        return {PolygonOutline(s), PolygonEdgeBands(s)};
    return {BoxOutline(b.left - kCutMargin, b.top - kCutMargin, b.right + kCutMargin, b.bottom + kCutMargin)};
}

// ---- Other attributes ----

// What SVG allows on a link besides data-*, aria-* and event handlers: its
// core and presentation attributes, ARIA's role and the link's own. The
// title goes in a <title> child, SVG's tip.
constexpr std::array<std::string_view, 14> kCarriedNames = {
    "autofocus", "class",    "id",       "lang", "role",           "style", "tabindex",
    "title",     "download", "hreflang", "ping", "referrerpolicy", "rel",   "type",
};

// What the writer writes from the area itself, never from its other attributes.
constexpr std::array<std::string_view, 6> kAreaOwn = {"href", "alt", "shape", "coords", "nohref", "target"};

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

// A linked DEFAULT area is written twice: beneath the others for the
// pointer, hidden from the keyboard and screen readers, and last for them,
// as an image map has it, letting the pointer through.
enum class Audience { Everyone, PointerOnly, KeyboardOnly };

struct Written {
    const CMapData* area;
    Shape shape;
    Audience audience = Audience::Everyone;
};

// What a link beneath the others needs for the pointer alone: where it goes
// and what a click does, no name, no id.
bool ServesThePointer(std::string_view name)
{
    constexpr std::array<std::string_view, 6> kLinkOwn = {"download",       "hreflang", "ping",
                                                          "referrerpolicy", "rel",      "type"};
    return name.starts_with("on") || std::find(kLinkOwn.begin(), kLinkOwn.end(), name) != kLinkOwn.end();
}

// Whether an area's shape takes clicks from the ones after it: the DEFAULT
// area lies beneath them all.
bool CanCover(const Written& w)
{
    return w.area->m_shape != ShapeDefault && w.shape.HasArea();
}

// The boxes of the shapes that can cover others, an empty box for the rest.
// A pixel on a shape's outline is the shape's, so shapes that only touch
// share the pixels along the touch: each box takes its last column and row.
OverlapIndex IndexOfCovering(const std::vector<Written>& written)
{
    std::vector<Box> boxes;
    boxes.reserve(written.size());
    for (const Written& w : written) {
        const Box& b = w.shape.bounds;
        boxes.push_back(CanCover(w) ? Box{b.left, b.top, b.right + 1, b.bottom + 1} : Box());
    }
    return OverlapIndex(std::move(boxes));
}

// Six letters and digits drawn afresh for every output, so that two outputs
// on one page, of one map or of two, never share an id.
std::string FreshIdToken()
{
    constexpr std::string_view kDigits = "0123456789abcdefghijklmnopqrstuvwxyz";
    constexpr int kLength = 6;
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kDigits.size() - 1);
    std::string token;
    for (int i = 0; i < kLength; ++i)
        token += kDigits[pick(device)];
    return token;
}

class SvgBuilder
{
public:
    SvgBuilder(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture,
               std::string_view idToken)
        : m_doc(doc), m_options(options), m_indent(html::MakeIndent(options))
    {
        m_frame = DisplayedSize(doc, picture);
        if (!m_frame.Known())
            m_frame = FrameOfAreas();
        m_idPrefix = "zm" + (idToken.empty() ? FreshIdToken() : std::string(idToken)) + "-";
    }

    std::string Build()
    {
        CollectAreas();
        m_covering.emplace(IndexOfCovering(m_written));
        m_cutFrame = CutFrame();
        m_cutIds.resize(m_written.size());
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
        const CMapData* fallback = !areas.empty() && areas.back()->m_shape == ShapeDefault ? areas.back() : nullptr;
        const bool linked = fallback && !fallback->m_noHref;
        if (fallback)
            m_written.push_back(
                {fallback, ShapeOf(*fallback, m_frame), linked ? Audience::PointerOnly : Audience::Everyone});
        for (const CMapData* area : areas) {
            if (area->m_shape != ShapeDefault)
                m_written.push_back({area, ShapeOf(*area, m_frame)});
        }
        if (linked)
            m_written.push_back({fallback, ShapeOf(*fallback, m_frame), Audience::KeyboardOnly});
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
        const Audience audience = m_written[index].audience;
        std::string head = area.m_noHref ? "<g" : "<a";
        std::string title;
        if (!area.m_noHref) {
            AddAttribute(head, "href", html::LinkReference(area, m_doc.HtmlPath(), m_options));
            if (!area.m_target.empty())
                AddAttribute(head, "target", area.m_target);
            if (audience == Audience::PointerOnly) {
                AddAttribute(head, "tabindex", "-1");
                AddAttribute(head, "aria-hidden", "true");
            } else if (!area.m_alt.empty()) {
                AddAttribute(head, "aria-label", area.m_alt);
            }
        }
        for (const CarriedAttribute& a : CarriedAttributes(area.m_otherAttrs)) {
            if (audience == Audience::PointerOnly && !ServesThePointer(a.name))
                continue;
            if (a.name == "aria-label" && !area.m_noHref && !area.m_alt.empty())
                continue;          // the ALT names the link
            if (a.name == "title") // SVG's tip, and the only place SVG allows it
                title = "<title>" + xmltext::Escape(a.value) + "</title>";
            else
                AddAttribute(head, a.name, a.value);
        }
        return head + ">" + title + ClippedShape(index) + (area.m_noHref ? "</g>" : "</a>");
    }

    std::string ClippedShape(std::size_t index)
    {
        const Shape& own = m_written[index].shape;
        std::vector<std::size_t> over;
        if (own.HasArea() && m_written[index].area->m_shape != ShapeDefault)
            over = m_covering->EarlierOverlapping(index);
        const std::size_t firstLink = m_chains.Links().size();
        const std::size_t head = m_chains.Add(over);
        for (std::size_t link = firstLink; link < m_chains.Links().size(); ++link)
            AddLink(link);
        const bool takesThePointer = m_written[index].audience != Audience::KeyboardOnly;
        if (head == ClipChains::kEnd)
            return ShapeElement(own, takesThePointer);
        return "<g clip-path=\"url(#" + LinkId(head, 0) + ")\">" + ShapeElement(own, takesThePointer) + "</g>";
    }

    // The frame, and every shape beyond it, in a margin: what a cut is taken from.
    Box CutFrame() const
    {
        Box frame{-1, -1, std::int64_t(m_frame.width) + 1, std::int64_t(m_frame.height) + 1};
        for (const Written& w : m_written) {
            if (CanCover(w))
                frame = {std::min(frame.left, w.shape.bounds.left - 1), std::min(frame.top, w.shape.bounds.top - 1),
                         std::max(frame.right, w.shape.bounds.right + 1),
                         std::max(frame.bottom, w.shape.bounds.bottom + 1)};
        }
        return frame;
    }

    // The ids of the paths cutting out an area's shape, written once, the
    // first time a chain needs them.
    const std::vector<std::string>& CutIds(std::size_t area)
    {
        std::vector<std::string>& ids = m_cutIds[area];
        if (!ids.empty())
            return ids;
        const std::string frame = BoxOutline(double(m_cutFrame.left), double(m_cutFrame.top), double(m_cutFrame.right),
                                             double(m_cutFrame.bottom));
        for (const std::string& cut : CutsOf(m_written[area].shape)) {
            ids.push_back(m_idPrefix + "s" + Number(std::int64_t(area)) +
                          (ids.empty() ? "" : "-" + Number(std::int64_t(ids.size()))));
            m_clips += "\r\n" + m_indent + m_indent + "<path id=\"" + ids.back() + "\" clip-rule=\"evenodd\" d=\"" +
                       frame + cut + "\"/>";
        }
        return ids;
    }

    std::string LinkId(std::size_t link, std::size_t part) const
    {
        return m_idPrefix + "k" + Number(std::int64_t(link)) + (part ? "-" + Number(std::int64_t(part)) : "");
    }

    // One clip path per cut of the link's area, each clipped by the next.
    void AddLink(std::size_t link)
    {
        const ClipChains::Link& l = m_chains.Links()[link];
        const std::vector<std::string> cuts = CutIds(l.area);
        for (std::size_t part = 0; part < cuts.size(); ++part) {
            std::string clip = "<clipPath id=\"" + LinkId(link, part) + "\"";
            if (part + 1 < cuts.size())
                clip += " clip-path=\"url(#" + LinkId(link, part + 1) + ")\"";
            else if (l.next != ClipChains::kEnd)
                clip += " clip-path=\"url(#" + LinkId(l.next, 0) + ")\"";
            m_clips += "\r\n" + m_indent + m_indent + clip + "><use href=\"#" + cuts[part] + "\"/></clipPath>";
        }
    }

    const CZephyrmapDoc& m_doc;
    const HtmlOutputOptions& m_options;
    const std::string m_indent;
    DisplaySize m_frame;
    std::string m_idPrefix;
    std::vector<Written> m_written;
    std::optional<OverlapIndex> m_covering; // of m_written, once collected
    Box m_cutFrame;
    ClipChains m_chains;
    std::vector<std::vector<std::string>> m_cutIds; // by area of m_written
    std::string m_clips;
};

} // namespace

namespace
{

// Each name the area's other attributes hold, the first of each in lower
// case, with its value as typed.
std::vector<CarriedAttribute> NamedAttributes(const std::string& otherAttrs)
{
    std::vector<CarriedAttribute> named;
    const std::string tag = "<a " + otherAttrs + ">";
    const std::optional<StartTag> read = StartTag::Read(tag, 0, "a", tag.size());
    if (!read)
        return named;
    for (const TagAttribute& a : read->Attributes()) {
        const std::string name = utf8::ToLower(tag.substr(a.nameBegin, a.nameEnd - a.nameBegin));
        const bool seen =
            std::any_of(named.begin(), named.end(), [&](const CarriedAttribute& c) { return c.name == name; });
        if (!seen)
            named.push_back({name, tag.substr(a.valueBegin, a.valueEnd - a.valueBegin)});
    }
    return named;
}

} // namespace

std::vector<CarriedAttribute> CarriedAttributes(const std::string& otherAttrs)
{
    std::vector<CarriedAttribute> carried = NamedAttributes(otherAttrs);
    std::erase_if(carried, [](const CarriedAttribute& a) { return !IsCarried(a.name); });
    return carried;
}

std::vector<std::string> LeftOutAttributes(const std::string& otherAttrs)
{
    std::vector<std::string> leftOut;
    for (const CarriedAttribute& a : NamedAttributes(otherAttrs)) {
        if (!IsCarried(a.name) && std::find(kAreaOwn.begin(), kAreaOwn.end(), a.name) == kAreaOwn.end())
            leftOut.push_back(a.name);
    }
    return leftOut;
}

std::string WriteMapSvg(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture,
                        std::string_view idToken)
{
    return SvgBuilder(doc, options, picture, idToken).Build();
}

} // namespace svg
