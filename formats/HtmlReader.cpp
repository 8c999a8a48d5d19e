#include "formats/HtmlReader.h"

#include "formats/CharacterReference.h"
#include "formats/TagScanner.h"
#include "formats/TagSearch.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/PathUtil.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <limits>
#include <unordered_map>

namespace html
{
namespace
{

constexpr auto npos = std::string::npos;
const char kFallbackCoords[] = "10,20,10,20";

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Numbers are held to the range of a coordinate, so a long one saturates
// instead of wrapping.
constexpr std::int64_t kLargestMagnitude = std::int64_t(1) << 31;

std::int32_t ToCoordinate(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

struct NumberRead {
    std::int64_t value = 0;
    std::size_t end = 0; // just past the last digit (or the sign or blanks)
    bool hasDigits = false;
};

// A decimal integer after optional blanks and sign, every digit of it read;
// 0 when there are no digits.
NumberRead ReadNumber(const std::string& s, std::size_t pos)
{
    while (pos < s.size() && IsBlank(s[pos]))
        ++pos;
    bool negative = false;
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        negative = s[pos++] == '-';
    NumberRead n;
    const std::size_t first = pos;
    for (; pos < s.size() && IsDigit(s[pos]); ++pos)
        n.value = std::min(n.value * 10 + (s[pos] - '0'), kLargestMagnitude);
    n.hasDigits = pos > first;
    n.value = ToCoordinate(negative ? -n.value : n.value);
    n.end = pos;
    return n;
}

// Whether a number (digits, perhaps signed) begins at `pos`.
bool NumberStartsAt(const std::string& s, std::size_t pos)
{
    if (pos < s.size() && (s[pos] == '-' || s[pos] == '+'))
        ++pos;
    return pos < s.size() && IsDigit(s[pos]);
}

// Where the number after `n` begins: after the next ',', or, as browsers read
// "30 20 245 210", after a run of blanks that another number follows. npos
// when no number follows.
std::size_t NextNumber(const std::string& s, const NumberRead& n)
{
    std::size_t pos = n.end;
    while (pos < s.size() && IsBlank(s[pos]))
        ++pos;
    if (n.hasDigits && pos > n.end && NumberStartsAt(s, pos))
        return pos;
    const std::size_t comma = s.find(',', n.end);
    return comma == npos ? npos : comma + 1;
}

// The numbers of a COORDS value (at most `limit` of them).
std::vector<std::int64_t> ReadNumbers(const std::string& s, std::size_t limit)
{
    std::vector<std::int64_t> numbers;
    for (std::size_t pos = 0;;) {
        const NumberRead n = ReadNumber(s, pos);
        numbers.push_back(n.value);
        pos = NextNumber(s, n);
        if (pos == npos || numbers.size() >= limit)
            return numbers;
    }
}

void SetSquare(CMapData& area, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    Rect r{ToCoordinate(left), ToCoordinate(top), ToCoordinate(right), ToCoordinate(bottom)};
    CMapData::NormalizeRect(r);
    area.m_points = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
}

void ParsePointList(CMapData& area, const std::string& text)
{
    std::vector<std::int64_t> n = ReadNumbers(text, npos);
    const bool odd = n.size() % 2 == 1;
    for (std::size_t i = 0; i + 1 < n.size(); i += 2)
        area.m_points.push_back({ToCoordinate(n[i]), ToCoordinate(n[i + 1])});
    auto& p = area.m_points;
    if (!odd && p.size() >= 2 && p.back() == p.front())
        p.pop_back();
}

int ShapeOf(const std::string& keyword)
{
    std::string k = utf8::ToLower(keyword);
    if (k.find("poly") != npos)
        return ShapePoly;
    if (k.find("rect") != npos)
        return ShapeRect;
    if (k.find("circ") != npos)
        return ShapeCirc;
    if (k.find("default") != npos)
        return ShapeDefault;
    return ShapeNone;
}

void SetLink(CMapData& area, const std::string& value, const std::string& documentPath)
{
    bool isFile = false;
    area.m_href = ReadLink(value, documentPath, isFile);
    area.m_hrefIsPath = isFile ? 1 : 0;
}

// What is left of the tag once the known attributes are out.
std::string OtherAttributes(std::string rest)
{
    std::erase_if(rest, [](char c) { return c == '\r' || c == '\n' || c == '\t'; });
    rest.erase(0, std::min<std::size_t>(5, rest.size()));
    std::size_t begin = rest.find_first_not_of(' ');
    rest.erase(0, begin == npos ? rest.size() : begin);
    while (!rest.empty() && rest.back() == '>')
        rest.pop_back();
    while (!rest.empty() && rest.back() == ' ')
        rest.pop_back();
    return rest;
}

std::unique_ptr<CMapData> ParseAreaTag(const std::string& tagText, const std::string& documentPath, int& result)
{
    auto area = std::make_unique<CMapData>();
    TagScanner tag(tagText);
    AttributeRead shape = tag.ExtractAttribute("SHAPE", true);
    area->m_shape = ShapeNone;
    if (shape.status == AttributeRead::Read)
        area->m_shape = ShapeOf(shape.value);
    else if (shape.status == AttributeRead::Absent)
        area->m_shape = ShapeRect; // browsers take an area without SHAPE as a rectangle
    const bool shapeKnown = area->m_shape != ShapeNone;
    if (!shapeKnown) {
        area->m_shape = ShapeCirc;
        result = 0;
    }
    AttributeRead href = tag.ExtractAttribute("HREF", false);
    if (href.status == AttributeRead::Read)
        SetLink(*area, href.value, documentPath);
    area->m_alt = tag.ExtractAttribute("ALT", true).value;
    area->m_target = tag.ExtractAttribute("TARGET", true).value;
    AttributeRead coords = tag.ExtractAttribute("COORDS", true);
    if (coords.status == AttributeRead::Read && shapeKnown) {
        ParseCoords(*area, coords.value);
    } else if (coords.status == AttributeRead::Absent && area->m_shape == ShapeDefault) {
        // The whole picture needs no coordinates: the placeholders of a new map.
        area->m_points.assign(2, Point{0, 0});
    } else {
        ParseCoords(*area, kFallbackCoords);
        result = 0;
    }
    area->BuildRegion();
    if (tag.RemoveFlagAttribute("NOHREF"))
        area->m_noHref = 1;
    area->m_otherAttrs = OtherAttributes(tag.Text());
    return area;
}

} // namespace

std::string ReadLink(const std::string& href, const std::string& documentPath, bool& isFile)
{
    const std::string resolved = paths::ResolveReference(charref::Decode(href), documentPath);
    isFile = !resolved.empty();
    return isFile ? resolved : href;
}

std::string PicturePath(const std::string& src, const std::string& documentPath)
{
    if (paths::IsUrlReference(src))
        return src;
    const std::string decoded = charref::Decode(src);
    const std::string resolved = paths::ResolveReference(decoded, documentPath);
    return resolved.empty() ? decoded : resolved;
}

namespace
{

void FindImageTagsIn(const std::string& text, const TagSearch& search, std::vector<FoundMap>& maps)
{
    for (std::size_t open = search.Find("<img", 0); open != npos;) {
        std::size_t close = search.FindChar('>', open);
        if (close == npos)
            break;
        TagScanner tag(text.substr(open, close - open + 1));
        AttributeRead usemap = tag.GetAttribute("USEMAP", true);
        // A '#' hidden behind a stray lead byte is no map reference.
        const std::size_t hash = utf8::FindChar(usemap.value, '#');
        if (usemap.status == AttributeRead::Read && hash != npos) {
            FoundMap map;
            map.mapName = usemap.value;
            map.mapName.erase(hash, 1);
            map.imageTag = tag.Text();
            map.picture = tag.GetAttribute("SRC", true).value;
            maps.push_back(std::move(map));
        }
        open = search.Find("<img", close + 1);
    }
}

// The AREA tags between a MAP element's opening tag and its end.
void CollectAreaTags(const std::string& text, const TagSearch& search, std::size_t from, std::size_t end, FoundMap& map)
{
    for (std::size_t a = search.Find("<area", from); a != npos && a < end;) {
        std::size_t close = search.FindChar('>', a);
        if (close == npos)
            break;
        map.areaTags.push_back(text.substr(a, close - a + 1));
        a = search.Find("<area", close + 1);
    }
}

void FindMapElementsIn(const std::string& text, const TagSearch& search, std::vector<FoundMap>& maps)
{
    // Unmatched records by name, first come first served, so matching stays
    // linear however many maps a page holds.
    std::unordered_map<std::string, std::deque<std::size_t>> waiting;
    for (std::size_t i = 0; i < maps.size(); ++i) {
        if (!maps[i].matched)
            waiting[maps[i].mapName].push_back(i);
    }
    for (std::size_t open = search.Find("<map", 0); open != npos;) {
        std::size_t headEnd = search.FindChar('>', open);
        std::size_t end = headEnd == npos ? npos : search.Find("</map>", headEnd);
        if (end == npos)
            break;
        AttributeRead name = TagScanner(text.substr(open, headEnd - open + 1)).GetAttribute("NAME", true);
        auto it = name.status == AttributeRead::Read ? waiting.find(name.value) : waiting.end();
        if (it != waiting.end() && !it->second.empty()) {
            FoundMap& map = maps[it->second.front()];
            it->second.pop_front();
            map.matched = true;
            CollectAreaTags(text, search, headEnd, end, map);
        }
        open = search.Find("<map", end + 6);
    }
}

} // namespace

int DropUnmatchedMaps(std::vector<FoundMap>& maps)
{
    std::erase_if(maps, [](const FoundMap& m) { return !m.matched; });
    return static_cast<int>(maps.size());
}

std::vector<FoundMap> FindMaps(const std::string& text)
{
    std::vector<FoundMap> maps;
    const TagSearch search(text); // lower-cased and its comments found once for both steps
    FindImageTagsIn(text, search, maps);
    FindMapElementsIn(text, search, maps);
    DropUnmatchedMaps(maps);
    return maps;
}

int BuildDocumentFromMap(CZephyrmapDoc& doc, const std::vector<FoundMap>& maps, int index)
{
    const FoundMap& m = maps.at(static_cast<std::size_t>(index));
    doc.SetAttribute(AttrHtmlPath, m.documentPath);
    doc.SetAttribute(AttrImageSrc, PicturePath(m.picture, m.documentPath));
    doc.SetAttribute(AttrMapName, m.mapName);
    TagScanner img(m.imageTag);
    for (const MapAttributeInfo& info : kMapAttributes) {
        if (info.imgAttribute)
            doc.SetAttribute(info.index, img.GetAttribute(info.imgAttribute, true).value);
    }
    return ParseAreaTags(doc, m);
}

int ParseAreaTags(CZephyrmapDoc& doc, const FoundMap& map)
{
    int result = 1;
    for (const std::string& tagText : map.areaTags)
        doc.AppendArea(ParseAreaTag(tagText, doc.HtmlPath(), result));
    return result;
}

std::unique_ptr<CMapData> ReadAreaTag(const std::string& tag, const std::string& documentPath, bool& clean)
{
    int result = 1;
    std::unique_ptr<CMapData> area = ParseAreaTag(tag, documentPath, result);
    clean = result != 0;
    return area;
}

namespace
{

// Inside a quoted value only the line ends and tabs become blanks, one for
// a CR LF pair: a page drops them, and the blanks the user typed stay.
std::size_t CopyQuotedValue(const std::string& typed, std::size_t at, std::string& tidy)
{
    const char quote = typed[at];
    tidy.push_back(quote);
    for (++at; at < typed.size(); ++at) {
        const char c = typed[at];
        if (c == '\r' && at + 1 < typed.size() && typed[at + 1] == '\n')
            continue;
        tidy.push_back(IsBlank(c) ? ' ' : c);
        if (c == quote)
            return at + 1;
    }
    return at;
}

} // namespace

// Quotes, '=' and blanks are ASCII, never a byte of another character:
// the text can be walked a byte at a time.
std::string TidyOtherAttributes(const std::string& typed)
{
    std::string tidy;
    for (std::size_t at = 0; at < typed.size();) {
        const char c = typed[at];
        if ((c == '"' || c == '\'') && TagScanner::OpensQuotedValue(tidy)) {
            at = CopyQuotedValue(typed, at, tidy);
            continue;
        }
        if (!IsBlank(c))
            tidy.push_back(c);
        else if (!tidy.empty() && tidy.back() != ' ')
            tidy.push_back(' ');
        ++at;
    }
    while (!tidy.empty() && tidy.back() == ' ')
        tidy.pop_back();
    return tidy;
}

void ParseCoords(CMapData& area, const std::string& text)
{
    area.m_points.clear();
    switch (area.m_shape) {
    case ShapePoly:
    case ShapeDefault:
        ParsePointList(area, text);
        break;
    case ShapeCirc: {
        std::vector<std::int64_t> n = ReadNumbers(text, 3);
        if (n.size() == 3)
            SetSquare(area, n[0] - n[2], n[1] - n[2], n[0] + n[2], n[1] + n[2]);
        break;
    }
    case ShapeRect: {
        std::vector<std::int64_t> n = ReadNumbers(text, 4);
        if (n.size() == 4)
            SetSquare(area, n[0], n[1], n[2], n[3]);
        break;
    }
    default:
        break;
    }
}

} // namespace html
