#include "check/PageChecker.h"

#include "check/CheckTexts.h"
#include "formats/HtmlReader.h"
#include "formats/TagScanner.h"
#include "formats/TagSearch.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace pagecheck
{
namespace
{

constexpr auto npos = std::string::npos;

// The 1-based line of positions in a text: lines end at LF, CR LF or a lone CR.
class LineIndex
{
public:
    explicit LineIndex(const std::string& text)
    {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const bool crlf = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
            if (text[i] == '\n' || (text[i] == '\r' && !crlf))
                m_starts.push_back(i + 1);
        }
    }
    std::size_t LineOf(std::size_t pos) const
    {
        return static_cast<std::size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), pos) - m_starts.begin()) + 1;
    }

private:
    std::vector<std::size_t> m_starts; // where lines 2, 3... begin
};

struct ImageUse {
    std::string usemap;
    std::size_t line;
    bool hasAlt;
};

struct MapElement {
    AttributeRead name;
    AttributeRead id;
    std::size_t line;
};

// The opening tags of one name outside comments, as the reader cuts them:
// from '<' to the first '>'. The name must end there, so "<mapping" is no map.
template <typename Visit>
void ForEachTag(const std::string& text, const TagSearch& search, std::string_view name, Visit visit)
{
    const std::string open = "<" + std::string(name);
    for (std::size_t at = search.Find(open, 0); at != npos; at = search.Find(open, at + open.size())) {
        const std::size_t after = at + open.size();
        const char next = after < text.size() ? text[after] : '\0';
        if (next != ' ' && next != '\t' && next != '\r' && next != '\n' && next != '>' && next != '/')
            continue;
        const std::size_t close = search.FindChar('>', at);
        if (close == npos)
            return;
        visit(TagScanner(text.substr(at, close - at + 1)), at);
    }
}

Finding PageFinding(FindingCode code, std::string map, bool hasMap, std::size_t line, std::string message)
{
    Finding f;
    f.code = code;
    f.map = std::move(map);
    f.hasMap = hasMap;
    f.line = line;
    f.message = std::move(message);
    return f;
}

bool Named(const AttributeRead& read, const std::string& name)
{
    return read.status == AttributeRead::Read && read.value == name;
}

// How browsers and tools fare with one IMG's USEMAP.
void CheckUse(const ImageUse& use, const std::vector<MapElement>& maps, std::vector<Finding>& findings)
{
    const std::size_t hash = utf8::FindChar(use.usemap, '#');
    if (hash == npos) {
        findings.push_back(PageFinding(FindingCode::UsemapUnresolved, std::string(), false, use.line,
                                       checktexts::UsemapWithoutHash(use.usemap)));
        return;
    }
    const std::string name = use.usemap.substr(hash + 1);
    const auto add = [&](std::string message) {
        findings.push_back(PageFinding(FindingCode::UsemapUnresolved, name, true, use.line, std::move(message)));
    };
    if (hash > 0)
        add(checktexts::UsemapTextBeforeHash(use.usemap));
    if (std::any_of(maps.begin(), maps.end(), [&](const MapElement& m) { return Named(m.name, name); }))
        return;
    if (std::any_of(maps.begin(), maps.end(), [&](const MapElement& m) { return Named(m.id, name); })) {
        add(checktexts::UsemapById(name));
        return;
    }
    const std::string lower = utf8::ToLower(name);
    const auto sameLetters = std::find_if(maps.begin(), maps.end(), [&](const MapElement& m) {
        return m.name.status == AttributeRead::Read && utf8::ToLower(m.name.value) == lower;
    });
    add(sameLetters != maps.end() ? checktexts::UsemapDiffersInCase(name, sameLetters->name.value)
                                  : checktexts::UsemapNamesNoMap(name));
}

// An IMG that uses a map is named by its ALT, and the map's links with it;
// an empty ALT is one the author chose.
void CheckAlt(const ImageUse& use, std::vector<Finding>& findings)
{
    const std::size_t hash = utf8::FindChar(use.usemap, '#');
    if (use.hasAlt || hash == npos)
        return;
    findings.push_back(PageFinding(FindingCode::ImgMissingAlt, use.usemap.substr(hash + 1), true, use.line,
                                   checktexts::ImgMissingAlt()));
}

// A map that no IMG's USEMAP names in any way is never shown. One an IMG
// names in another case, by its id or without '#' is reported for the IMG.
void CheckMapsUsed(const std::vector<ImageUse>& uses, const std::vector<MapElement>& maps,
                   std::vector<Finding>& findings)
{
    std::vector<std::string> named;
    for (const ImageUse& use : uses) {
        const std::size_t hash = utf8::FindChar(use.usemap, '#');
        named.push_back(utf8::ToLower(hash == npos ? use.usemap : use.usemap.substr(hash + 1)));
    }
    const auto usedAs = [&](const AttributeRead& read) {
        return read.status == AttributeRead::Read &&
               std::find(named.begin(), named.end(), utf8::ToLower(read.value)) != named.end();
    };
    for (const MapElement& m : maps) {
        if (m.name.status == AttributeRead::Read && !usedAs(m.name) && !usedAs(m.id))
            findings.push_back(
                PageFinding(FindingCode::MapUnused, m.name.value, true, m.line, checktexts::MapUnused(m.name.value)));
    }
}

void CheckMapNames(const std::vector<MapElement>& maps, std::vector<Finding>& findings)
{
    std::unordered_map<std::string, std::size_t> firstLine;
    for (const MapElement& m : maps) {
        if (m.name.status != AttributeRead::Read || m.name.value.empty())
            continue;
        const auto [it, fresh] = firstLine.emplace(m.name.value, m.line);
        if (!fresh)
            findings.push_back(PageFinding(FindingCode::DuplicateMapName, m.name.value, true, m.line,
                                           checktexts::DuplicateMapName(m.name.value, it->second)));
    }
}

// The areas whose tags in the page have an HREF: the links, as the page is
// written (the map would write an HREF for every area without NOHREF). One
// area is read from each AREA tag, in order.
std::unordered_set<const CMapData*> LinksOfPage(const CZephyrmapDoc& doc, const FoundMap& map)
{
    std::unordered_set<const CMapData*> links;
    std::size_t i = 0;
    for (const auto& area : doc.Areas()) {
        if (i < map.areaTags.size() &&
            TagScanner(map.areaTags[i]).GetAttribute("HREF", false).status == AttributeRead::Read)
            links.insert(area.get());
        ++i;
    }
    return links;
}

} // namespace

std::vector<Finding> CheckMapReferences(const std::string& text)
{
    const TagSearch search(text);
    const LineIndex lines(text);
    std::vector<ImageUse> uses;
    std::vector<MapElement> maps;
    ForEachTag(text, search, "img", [&](const TagScanner& tag, std::size_t at) {
        const AttributeRead usemap = tag.GetAttribute("USEMAP", true);
        if (usemap.status == AttributeRead::Read)
            uses.push_back(
                {usemap.value, lines.LineOf(at), tag.GetAttribute("ALT", true).status != AttributeRead::Absent});
    });
    ForEachTag(text, search, "map", [&](const TagScanner& tag, std::size_t at) {
        maps.push_back({tag.GetAttribute("NAME", true), tag.GetAttribute("ID", true), lines.LineOf(at)});
    });
    std::vector<Finding> findings;
    for (const ImageUse& use : uses) {
        CheckUse(use, maps, findings);
        CheckAlt(use, findings);
    }
    CheckMapNames(maps, findings);
    CheckMapsUsed(uses, maps, findings);
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings;
}

std::vector<Finding> CheckPage(const std::string& text, const std::string& documentPath, const MapChecker& checker,
                               const SizeOfMap& sizeOf)
{
    std::vector<Finding> findings = CheckMapReferences(text);
    std::vector<FoundMap> maps = html::FindMaps(text);
    for (std::size_t i = 0; i < maps.size(); ++i) {
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        maps[i].documentPath = documentPath;
        html::BuildDocumentFromMap(doc, maps, static_cast<int>(i));
        const std::unordered_set<const CMapData*> links = LinksOfPage(doc, maps[i]);
        doc.EnsureDefaultArea();
        if (settings.DefaultAreaTailInEffect)
            doc.MoveDefaultAreaToEnd();
        const auto isLink = [&](const CMapData& area) { return !area.m_noHref && links.count(&area) > 0; };
        std::vector<Finding> more = checker.Check(doc, sizeOf(doc), isLink);
        findings.insert(findings.end(), std::make_move_iterator(more.begin()), std::make_move_iterator(more.end()));
    }
    return findings;
}

} // namespace pagecheck
