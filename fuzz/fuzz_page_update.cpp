// Any bytes as a page a map is put back into: with a map of its own and, when
// the page has one, with its own map moved, in each encoding rule. The update
// either fails cleanly or gives a page that a second update with the same map
// leaves exactly as it is. (The writer writes values as they are, so a map
// whose texts hold markup characters may well change a page's tags; the
// page's own map keeps only its plain texts, which may be of any script.)
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/PageUpdate.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace
{

std::unique_ptr<CMapData> Area(int shape, std::vector<Point> points, const std::string& href, const std::string& alt)
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = shape;
    a->m_points = std::move(points);
    a->m_href = href;
    a->m_alt = alt;
    return a;
}

void FillMap(CZephyrmapDoc& doc)
{
    doc.SetAttribute(AttrMapName, "m");
    doc.SetAttribute(AttrImageSrc, "/web/img/a.png");
    doc.SetAttribute(AttrWidth, "40");
    doc.SetAttribute(AttrImgAlt, "地図"); // Japanese, which some encodings lack
    doc.AppendArea(Area(ShapeRect, {{1, 2}, {5, 2}, {5, 6}, {1, 6}}, "/web/Zürich.html", ""));
    doc.AppendArea(
        Area(ShapeCirc, {{0, 0}, {4, 0}, {4, 4}, {0, 4}}, "http://x/", "Café 😀 지도")); // as references where lacked
    doc.AppendArea(Area(ShapePoly, {{0, 0}, {9, 0}, {4, 7}}, "", ""));
    doc.AreaAt(2)->m_noHref = 1;
}

// Printable text of any script, without markup characters and with its
// quotes in pairs.
bool Plain(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= 0x20 || c < 0) && c != 0x7F && c != '<' && c != '>'; }) &&
           std::count(text.begin(), text.end(), '"') % 2 == 0 && std::count(text.begin(), text.end(), '\'') % 2 == 0;
}

void KeepPlainTexts(CZephyrmapDoc& doc)
{
    for (const MapAttributeInfo& info : kMapAttributes) {
        const std::string& text = doc.Attribute(info.index);
        if (!Plain(text) || text.find_first_of("\"'") != std::string::npos)
            doc.SetAttribute(info.index, "");
    }
    for (const auto& area : doc.Areas()) {
        for (std::string* text : {&area->m_href, &area->m_alt, &area->m_target, &area->m_otherAttrs}) {
            if (!Plain(*text) || (text != &area->m_otherAttrs && text->find_first_of("\"'") != std::string::npos))
                text->clear();
        }
    }
}

void UpdateTwice(const std::string& page, const CZephyrmapDoc& doc, int encoding)
{
    PageUpdateTarget target;
    target.pagePath = "/web/index.html";
    target.encoding = encoding;
    HtmlOutputOptions options;
    options.lowerCaseTags = encoding % 2 == 1;
    const PageUpdate first = html::UpdateMapInPage(page, target, doc, options);
    if (!first.Ok()) {
        if (!first.bytes.empty())
            __builtin_trap();
        return;
    }
    // New text can take away the bytes an automatic choice went by; then the
    // page reads otherwise and there is nothing to compare.
    if (ChoosePageCoding(first.bytes, encoding) != ChoosePageCoding(page, encoding))
        return;
    const PageUpdate second = html::UpdateMapInPage(first.bytes, target, doc, options);
    if (!second.Ok() || second.bytes != first.bytes)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string page(reinterpret_cast<const char*>(data), size);
    const int encoding = static_cast<int>(size % 8);
    AppSettings settings;
    CZephyrmapDoc ours(settings);
    FillMap(ours);
    UpdateTwice(page, ours, encoding);

    std::vector<FoundMap> maps = html::FindMaps(DecodeHtmlPage(page, encoding).text);
    if (maps.empty())
        return 0;
    CZephyrmapDoc own(settings);
    maps[0].documentPath = "/web/index.html";
    html::BuildDocumentFromMap(own, maps, 0);
    KeepPlainTexts(own);
    if (CMapData* first = own.AreaAt(0)) {
        for (Point& p : first->m_points)
            p.x = p.x < 1 << 30 ? p.x + 1 : p.x - 1;
    }
    UpdateTwice(page, own, encoding);
    return 0;
}
