#include "formats/HtmlWriter.h"

#include "formats/CharacterReference.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/PathUtil.h"
#include "services/text/Utf8String.h"

namespace html
{
namespace
{

constexpr auto npos = std::string::npos;

void AddAttribute(std::string& tag, const char* name, const std::string& value)
{
    tag += ' ';
    tag += name;
    tag += '=';
    tag += QuotedValue(value);
}

void AddIfNotEmpty(std::string& tag, const char* name, const std::string& value)
{
    if (!value.empty())
        AddAttribute(tag, name, value);
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

struct Span {
    std::size_t begin, end;
};

// The '>' that ends the tag opening at `open`: the first one outside quoted
// attribute values, since a typed link or text may hold a '>'. When a quote
// never closes, the first '>' at all, as before. npos when there is none.
std::size_t TagEnd(const std::string& t, std::size_t open)
{
    for (std::size_t i = open + 1; i < t.size(); i += utf8::CharLength(t, i)) {
        if (t[i] == '>')
            return i;
        if (t[i] != '=')
            continue;
        std::size_t value = i + 1;
        while (value < t.size() && IsBlank(t[value]))
            ++value;
        if (value < t.size() && (t[value] == '"' || t[value] == '\'')) {
            const std::size_t closing = utf8::FindChar(t, t[value], value + 1);
            if (closing == npos)
                return utf8::FindChar(t, '>', open + 1);
            i = closing;
        }
    }
    return npos;
}

// The value that begins after the '=' at `eq`, within the tag ending at `close`.
Span ValueAfter(const std::string& t, std::size_t eq, std::size_t close)
{
    std::size_t first = eq + 1;
    while (first < close && IsBlank(t[first]))
        ++first;
    if (first < close && t[first] == '\'') { // a value in single quotes, as one holding a double quote is written
        std::size_t closing = utf8::FindChar(t, '\'', first + 1);
        return {first, closing == npos || closing > close ? close : closing + 1};
    }
    std::size_t quote = utf8::FindChar(t, '"', eq + 1);
    std::size_t nextEq = utf8::FindChar(t, '=', eq + 1);
    if (quote < close && (nextEq == npos || quote < nextEq)) {
        std::size_t closing = utf8::FindChar(t, '"', quote + 1);
        return {quote, closing == npos || closing > close ? close : closing + 1};
    }
    std::size_t i = eq + 1;
    while (i < close && IsBlank(t[i]))
        ++i;
    std::size_t begin = i;
    while (i < close && !IsBlank(t[i]) && t[i] != '=')
        i += utf8::CharLength(t, i);
    return {begin, i};
}

void MapLetterCase(char& c, bool lower)
{
    if (lower && c >= 'A' && c <= 'Z')
        c = static_cast<char>(c + 32);
    else if (!lower && c >= 'a' && c <= 'z')
        c = static_cast<char>(c - 32);
}

// Converts everything of one tag, [open, close), that is not an attribute value.
void ConvertOneTag(std::string& t, std::size_t open, std::size_t close, bool lower)
{
    Span value{npos, npos};
    for (std::size_t i = open; i < close;) {
        if (i == value.begin) {
            i = value.end;
            value = {npos, npos};
            continue;
        }
        std::size_t n = utf8::CharLength(t, i);
        if (n == 1 && t[i] == '=')
            value = ValueAfter(t, i, close);
        else if (n == 1)
            MapLetterCase(t[i], lower);
        i += n;
    }
}

} // namespace

std::string QuotedValue(const std::string& value)
{
    const bool doubleQuote = utf8::FindChar(value, '"') != npos;
    if (!doubleQuote)
        return '"' + value + '"';
    if (utf8::FindChar(value, '\'') == npos)
        return '\'' + value + '\'';
    std::string escaped;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t n = utf8::CharLength(value, i);
        if (n == 1 && value[i] == '"')
            escaped += "&quot;";
        else
            escaped.append(value, i, n);
        i += n;
    }
    return '"' + escaped + '"';
}

void ConvertTagCase(std::string& text, bool lower)
{
    std::size_t open = utf8::FindChar(text, '<');
    while (open != npos) {
        std::size_t close = TagEnd(text, open);
        if (close == npos)
            close = text.size();
        if (text.compare(open, 2, "<!") != 0)
            ConvertOneTag(text, open, close, lower);
        open = close < text.size() ? utf8::FindChar(text, '<', close + 1) : npos;
    }
}

void InsertOtherAttributes(std::string& tag, const std::string& other)
{
    if (other.empty())
        return;
    std::size_t open = utf8::FindChar(tag, '<');
    std::size_t close = open == npos ? npos : TagEnd(tag, open);
    if (close != npos)
        tag.insert(close, " " + other);
}

std::string MakeIndent(const HtmlOutputOptions& o)
{
    if (o.indentAmount <= 0 || o.indentStyle == IndentStyle::None)
        return std::string();
    return std::string(static_cast<std::size_t>(o.indentAmount), o.indentStyle == IndentStyle::Tabs ? '\t' : ' ');
}

const char* ShapeKeyword(int shape, const HtmlOutputOptions& o)
{
    switch (shape) {
    case ShapePoly:
        return o.polyKeywordLong ? "polygon" : "poly";
    case ShapeCirc:
        return o.circKeywordLong ? "circle" : "circ";
    case ShapeRect:
        return o.rectKeywordLong ? "rectangle" : "rect";
    case ShapeDefault:
        return "default";
    default:
        return "";
    }
}

namespace
{

// A file's name as HTML source: an '&' that would begin a character
// reference is written "&amp;", so that a browser, and the reader, find the
// file the name names. Any other name is written as it always was.
std::string FileReference(const std::string& reference, bool isFile)
{
    return isFile && !paths::IsUrlReference(reference) ? charref::EscapeAmpersands(reference) : reference;
}

} // namespace

std::string LinkReference(const CMapData& area, const std::string& documentPath, const HtmlOutputOptions& o)
{
    const bool isFile = area.m_hrefIsPath != 0;
    return FileReference(
        paths::ComposeOutputPath(documentPath, area.m_href, isFile, o.hrefRelative, o.omitInPageFileName), isFile);
}

std::string PictureReference(const CZephyrmapDoc& doc, const std::string& documentPath, const HtmlOutputOptions& o)
{
    const bool localPicture = !o.isLocalFile || o.isLocalFile(doc.ImageSrc(), documentPath);
    return FileReference(paths::ComposeOutputPath(documentPath, doc.ImageSrc(), localPicture, o.srcRelative, false),
                         localPicture);
}

std::vector<const CMapData*> AreasInWritingOrder(const CZephyrmapDoc& doc)
{
    std::vector<const CMapData*> written;
    const CMapData* defaultArea = nullptr;
    for (const auto& area : doc.Areas()) {
        if (area->m_shape == ShapeDefault)
            defaultArea = area.get();
        else
            written.push_back(area.get());
    }
    if (defaultArea && !defaultArea->HasNoAttributes())
        written.push_back(defaultArea);
    return written;
}

std::string WriteAreaTag(const CMapData& area, const std::string& documentPath, const HtmlOutputOptions& o)
{
    std::string href = LinkReference(area, documentPath, o);
    std::string tag = "<AREA";
    AddAttribute(tag, "SHAPE", ShapeKeyword(area.m_shape, o));
    AddAttribute(tag, "COORDS", area.FormatCoords());
    if (area.m_noHref)
        tag += " NOHREF";
    else
        AddAttribute(tag, "HREF", href);
    AddIfNotEmpty(tag, "TARGET", area.m_target);
    AddIfNotEmpty(tag, "ALT", area.m_alt);
    tag += '>';
    if (o.keepOtherAttrsCase) {
        ConvertTagCase(tag, o.lowerCaseTags);
        InsertOtherAttributes(tag, area.m_otherAttrs);
    } else {
        InsertOtherAttributes(tag, area.m_otherAttrs);
        ConvertTagCase(tag, o.lowerCaseTags);
    }
    return tag;
}

std::string WriteMapHtml(const CZephyrmapDoc& doc, const HtmlOutputOptions& o)
{
    const std::string& htmlPath = doc.HtmlPath();
    const std::string src = PictureReference(doc, htmlPath, o);
    const std::string indent = MakeIndent(o);
    std::string text = "<IMG";
    AddAttribute(text, "SRC", src);
    AddAttribute(text, "USEMAP", "#" + doc.MapName());
    for (MapAttribute index : kImgTagOrder)
        AddIfNotEmpty(text, MapAttributeInfoOf(index).imgAttribute, doc.Attribute(index));
    text += ">\r\n<MAP";
    AddAttribute(text, "NAME", doc.MapName());
    text += '>';
    ConvertTagCase(text, o.lowerCaseTags);
    for (const CMapData* area : AreasInWritingOrder(doc))
        text += "\r\n" + indent + WriteAreaTag(*area, htmlPath, o);
    std::string close = "</MAP>";
    ConvertTagCase(close, o.lowerCaseTags);
    return text + "\r\n" + close;
}

} // namespace html
