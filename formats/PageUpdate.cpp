#include "formats/PageUpdate.h"

#include "formats/AreaAlignment.h"
#include "formats/CharacterReference.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/PageMarkup.h"
#include "formats/StartTag.h"
#include "formats/TagSearch.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/LocalFile.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

namespace html
{
namespace
{

constexpr auto npos = std::string::npos;
const char kCrLf[] = "\r\n";

// A change to the page: the markup span [begin, end) becomes `text`, in page
// form (see PageMarkup::InPageForm).
struct Edit {
    std::size_t begin = 0, end = 0;
    std::string text;
    bool removal = false; // takes out what the map no longer has
};

// What one tag gets: values set where they stand, attributes taken out (by
// index), and attributes added after its last one.
struct TagChanges {
    std::vector<Edit> values;
    std::vector<bool> removed;
    std::string added;
};

// What an area says, as far as its AREA tag goes.
struct AreaFacts {
    int shape = ShapeNone;
    std::string coords;
    bool noHref = false;
    std::string href;
    int hrefIsPath = 0;
    std::string linkLeadsTo; // the link as the map writes it, read back against the page
    std::string target, alt, other;
};

// One AREA tag of the map's MAP element.
struct AreaTagInPage {
    explicit AreaTagInPage(const StartTag& t) : tag(t) {}
    StartTag tag;
    std::size_t elementEnd = 0; // after the "</area>" that follows it, if one does
    std::size_t readerEnd = 0;  // after its first '>': what the reader takes for the tag
    AreaFacts facts;            // the area as the reader reads the tag
    bool clean = true;          // its SHAPE and COORDS could be read
};

// Which parts of an AREA tag say something else than its area.
struct AreaDifference {
    bool shape = false, coords = false, link = false, target = false, alt = false, other = false;
    bool Any() const { return shape || coords || link || target || alt || other; }
};

bool IsLineBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool AllLineBlank(const std::string& s, std::size_t begin, std::size_t end)
{
    return std::all_of(s.begin() + static_cast<std::ptrdiff_t>(begin), s.begin() + static_cast<std::ptrdiff_t>(end),
                       IsLineBlank);
}

// Whether a value can stand without quotes: nothing in it would end it or
// be taken for markup.
bool NeedsNoQuotes(const std::string& v)
{
    if (v.empty())
        return false;
    for (std::size_t i = 0; i < v.size(); i += utf8::CharLength(v, i)) {
        if (utf8::CharLength(v, i) == 1 && std::string_view(" \t\r\n\f\"'=<>`").find(v[i]) != npos)
            return false;
    }
    return true;
}

// The reader keeps the '/' of an XHTML end "/>" among the other
// attributes; it is no attribute, and a tag says the same with it or without.
std::string WithoutClosingSlash(std::string other)
{
    if (other.empty() || other.back() != '/' || (other.size() > 1 && !IsLineBlank(other[other.size() - 2])))
        return other;
    other.pop_back();
    while (!other.empty() && IsLineBlank(other.back()))
        other.pop_back();
    return other;
}

bool Holds(const std::string& v, char c)
{
    return utf8::FindChar(v, c) != npos;
}

class PageUpdater
{
public:
    // `checked`: the result is read back before it is given.
    PageUpdater(const std::string& page, PageCoding coding, const PageUpdateTarget& target, const CZephyrmapDoc& doc,
                const HtmlOutputOptions& options, bool checked);
    PageUpdate Run();

private:
    bool Failed() const { return m_result.status != PageUpdateStatus::Updated; }
    void Fail(PageUpdateStatus status, std::size_t pos);
    std::string ValueOf(const TagAttribute& a) const;
    // The map's text as the page holds it.
    std::string InPage(const std::string& text) const { return m_markup.InPageForm(text); }

    // Finding the map's tags.
    bool FindMap();
    void FindAreaTags();
    std::size_t EndTagAfter(std::size_t tagEnd) const;
    void FindImageTags();
    bool UsesMap(const StartTag& img) const;
    bool NamesTheMap(const std::string& value) const;
    bool WithinMapTags(const StartTag& tag) const;

    // The map's areas against the tags.
    AreaFacts FactsOf(const CMapData& area) const;
    std::string WrittenOtherAttributes(const std::string& other) const;
    static AreaDifference Compare(const AreaFacts& page, const AreaFacts& map);
    static bool SameLink(const AreaFacts& page, const AreaFacts& map);
    // An HREF the map writes as the reader reads it back from the page.
    std::string LinkAsRead(const std::string& href) const;
    void UpdateAreas();
    void UpdateBetween(std::size_t tag, std::size_t tagEnd, std::size_t area, std::size_t areaEnd,
                       const std::vector<const CMapData*>& areas, const std::vector<AreaFacts>& facts);
    void UpdateAreaTag(const AreaTagInPage& old, const CMapData& area, const AreaFacts& facts);
    TagChanges ChangesInPlace(const AreaTagInPage& old, const CMapData& area, const AreaDifference& d) const;
    bool ReadsAs(const AreaTagInPage& old, const std::vector<Edit>& edits, const AreaFacts& facts);
    void RemoveAreaTag(const AreaTagInPage& old);
    void AddAreaTags(std::size_t keptBefore, const std::vector<const CMapData*>& areas);
    std::string NewAreaTag(const CMapData& area, bool selfClosing) const;
    std::string Indentation() const;
    bool PageSelfCloses() const;
    std::size_t AfterOnItsLine(std::size_t end) const;
    std::string DetectLineEnd() const;

    // The map's name and the IMG tags.
    void RenameMap();
    void UpdateImageTag(const StartTag& img);
    bool SamePicture(const std::string& value) const;

    // Attribute changes within one tag.
    std::string Name(const char* upper) const;
    void SetAttribute(const StartTag& tag, std::string_view lower, const char* upper, const std::string& value,
                      TagChanges& changes) const;
    Edit ValueEdit(const TagAttribute& a, const std::string& value) const;
    void RemoveAttribute(const StartTag& tag, std::string_view lower, TagChanges& changes, bool evenEmpty) const;
    static bool EndsOpen(const StartTag& tag, const TagChanges& changes);
    static std::vector<Edit> EditsOf(const StartTag& tag, const TagChanges& changes);
    void CommitOutsideMap(std::vector<Edit> edits);
    void Commit(std::vector<Edit> edits);
    void Commit(Edit edit);

    // The new bytes.
    std::optional<std::string> ApplyEdits(std::size_t fromByte, std::size_t toByte, std::vector<Edit> edits);
    bool ReadsBackAsTheMap(const std::string& bytes) const;

    const std::string& m_page;
    const CZephyrmapDoc& m_doc;
    const HtmlOutputOptions& m_options;
    const std::string m_pagePath;
    const std::string m_name;     // the MAP looked for
    const std::string m_readName; // its name as a browser reads it, references and all
    const std::string m_renameTo;
    const int m_encoding;
    const bool m_checked;
    PageMarkup m_markup;
    TagSearch m_search;
    std::optional<StartTag> m_map;
    std::size_t m_mapClose = 0; // where its "</map>" stands
    std::vector<AreaTagInPage> m_areaTags;
    std::vector<StartTag> m_images;
    std::string m_lineEnd;
    std::vector<Edit> m_edits;
    PageUpdate m_result;
};

PageUpdater::PageUpdater(const std::string& page, PageCoding coding, const PageUpdateTarget& target,
                         const CZephyrmapDoc& doc, const HtmlOutputOptions& options, bool checked)
    : m_page(page), m_doc(doc), m_options(options),
      m_pagePath(target.pagePath.empty() ? doc.HtmlPath() : target.pagePath),
      m_name(target.mapName.empty() ? doc.MapName() : target.mapName), m_readName(charref::Decode(m_name)),
      m_renameTo(!doc.MapName().empty() && charref::Decode(doc.MapName()) != m_readName ? doc.MapName()
                                                                                        : std::string()),
      m_encoding(target.encoding), m_checked(checked), m_markup(page, coding), m_search(m_markup.Text())
{
    m_result.report.encoding = EncodingOf(m_markup.Coding());
}

void PageUpdater::Fail(PageUpdateStatus status, std::size_t pos)
{
    if (Failed())
        return;
    m_result.status = status;
    m_result.line = m_markup.LineOf(pos);
}

std::string PageUpdater::ValueOf(const TagAttribute& a) const
{
    return m_markup.Read(a.valueBegin, a.valueEnd).text;
}

PageUpdate PageUpdater::Run()
{
    if (!FindMap()) {
        m_result.status = PageUpdateStatus::NoSuchMap;
        return m_result;
    }
    if (m_map->Broken()) // a quote still open at its '>': it ends elsewhere for a browser
        Fail(PageUpdateStatus::Tangled, m_map->Begin());
    FindAreaTags();
    FindImageTags();
    m_lineEnd = DetectLineEnd();
    RenameMap();
    UpdateAreas();
    for (const StartTag& img : m_images)
        UpdateImageTag(img);
    std::optional<std::string> bytes;
    if (!Failed())
        bytes = ApplyEdits(0, m_page.size(), std::move(m_edits));
    if (bytes && !Failed() && m_checked && *bytes != m_page && !ReadsBackAsTheMap(*bytes))
        Fail(PageUpdateStatus::Tangled, m_map->Begin());
    if (bytes && !Failed())
        m_result.bytes = std::move(*bytes);
    return m_result;
}

// Whether the new page, read as this update reads pages, holds the map as
// it is: another update would find nothing to change. What the page's text
// around the map does to its new text is thus checked, whatever it is.
bool PageUpdater::ReadsBackAsTheMap(const std::string& bytes) const
{
    PageUpdateTarget again;
    again.pagePath = m_pagePath;
    again.encoding = m_encoding;
    again.mapName = m_renameTo.empty() ? m_name : m_renameTo;
    const PageUpdate reread = PageUpdater(bytes, m_markup.Coding(), again, m_doc, m_options, false).Run();
    const PageUpdateReport& n = reread.report;
    return reread.Ok() && n.changedAreaTags == 0 && n.removedAreaTags == 0 && n.changedImageTags == 0 &&
           n.imageTags == m_result.report.imageTags;
}

// ---- Finding the map's tags ----

// The MAP element as the reader takes it: its start tag from "<map" up to
// the first '>', its end the first "</map>" after that, the next one looked
// for after it.
bool PageUpdater::FindMap()
{
    const std::string& text = m_markup.Text();
    for (std::size_t open = m_search.Find("<map", 0); open != npos;) {
        const std::size_t gt = text.find('>', open);
        if (gt == npos)
            return false;
        const std::optional<StartTag> tag = StartTag::Read(text, open, "map", gt + 1);
        const std::size_t close = m_search.Find("</map>", gt + 1);
        if (close == npos)
            return false;
        const TagAttribute* name = tag ? tag->Find("name") : nullptr;
        if (name && name->hasValue && NamesTheMap(ValueOf(*name))) {
            m_map = tag;
            m_mapClose = close;
            return true;
        }
        open = m_search.Find("<map", close + 6);
    }
    return false;
}

// The AREA tags as the reader takes them: after the MAP's start tag, each
// from "<area" to its first '>', the next looked for after it, so that the
// tags are the areas the map was read from. A tag that cannot be read as one
// (a quote open at that '>', another name) can only be written anew.
void PageUpdater::FindAreaTags()
{
    const std::string& text = m_markup.Text();
    for (std::size_t open = m_search.Find("<area", m_map->End()); open != npos && open < m_mapClose;) {
        const std::size_t readerEnd = text.find('>', open) + 1;
        if (readerEnd == 0 || readerEnd > m_mapClose) // it would take in the "</map>"
            break;
        AreaTagInPage found(StartTag::Read(text, open, "area", readerEnd).value_or(StartTag::Unread(open, readerEnd)));
        found.readerEnd = readerEnd;
        found.elementEnd = EndTagAfter(readerEnd);
        found.facts = FactsOf(*ReadAreaTag(m_markup.Read(open, readerEnd).text, m_pagePath, found.clean));
        m_areaTags.push_back(std::move(found));
        open = m_search.Find("<area", m_areaTags.back().elementEnd);
    }
}

// Where an "</area>" right after a tag (blanks between allowed) ends.
std::size_t PageUpdater::EndTagAfter(std::size_t tagEnd) const
{
    const std::string& text = m_markup.Text();
    std::size_t i = tagEnd;
    while (i < m_mapClose && IsLineBlank(text[i]))
        ++i;
    if (utf8::ToLower(std::string_view(text).substr(i, 6)) != "</area")
        return tagEnd;
    for (i += 6; i < m_mapClose && StartTag::IsBlank(text[i]); ++i) {
    }
    return i < m_mapClose && text[i] == '>' ? i + 1 : tagEnd;
}

// The IMG tags using the map, each as the reader takes it: from "<img" up to
// its first '>'. One whose quote is still open there cannot be changed
// safely, and any IMG tag sharing text with the MAP's start or end tag or an
// AREA tag would end elsewhere once they change: such a page is refused.
void PageUpdater::FindImageTags()
{
    const std::string& text = m_markup.Text();
    for (std::size_t open = m_search.Find("<img", 0); open != npos;) {
        const std::size_t gt = text.find('>', open);
        if (gt == npos)
            return;
        const StartTag tag = StartTag::Read(text, open, "img", gt + 1).value_or(StartTag::Unread(open, gt + 1));
        if (WithinMapTags(tag) || (UsesMap(tag) && tag.Broken()))
            Fail(PageUpdateStatus::Tangled, open);
        else if (UsesMap(tag))
            m_images.push_back(tag);
        open = m_search.Find("<img", gt + 1);
    }
}

// USEMAP with its first '#' taken out names the map, as the reader pairs them.
bool PageUpdater::UsesMap(const StartTag& img) const
{
    const TagAttribute* usemap = img.Find("usemap");
    if (!usemap || !usemap->hasValue)
        return false;
    std::string name = ValueOf(*usemap);
    const std::size_t hash = utf8::FindChar(name, '#');
    return hash != npos && NamesTheMap(name.erase(hash, 1));
}

// Names compare as a browser reads them: "&#xC9C0;&#xB3C4;" in the page is
// the map 지도, however the page or the map writes its characters.
bool PageUpdater::NamesTheMap(const std::string& value) const
{
    return charref::Decode(value) == m_readName;
}

// Whether a tag shares text with the MAP's start or end tag or an AREA tag.
bool PageUpdater::WithinMapTags(const StartTag& tag) const
{
    auto overlaps = [&tag](std::size_t begin, std::size_t end) { return tag.Begin() < end && begin < tag.End(); };
    return overlaps(m_map->Begin(), m_map->End()) || overlaps(m_mapClose, m_mapClose + 6) ||
           std::any_of(m_areaTags.begin(), m_areaTags.end(),
                       [&](const AreaTagInPage& a) { return overlaps(a.tag.Begin(), a.elementEnd); });
}

// ---- The map's areas against the tags ----

std::string PageUpdater::LinkAsRead(const std::string& href) const
{
    bool isFile = false;
    return ReadLink(href, m_pagePath, isFile);
}

// Other attributes as the writer writes them: their names in the options'
// letter case unless kept as typed. A tag that says the same in other case
// says the same.
std::string PageUpdater::WrittenOtherAttributes(const std::string& other) const
{
    if (m_options.keepOtherAttrsCase || other.empty())
        return other;
    std::string tag = "<" + other + ">";
    ConvertTagCase(tag, m_options.lowerCaseTags);
    return tag.substr(1, tag.size() - 2);
}

// An area's texts in page form, so that a tag read from the page and an
// area of the map compare as the page would hold them.
AreaFacts PageUpdater::FactsOf(const CMapData& area) const
{
    AreaFacts f;
    f.shape = area.m_shape;
    f.coords = area.FormatCoords();
    f.noHref = area.m_noHref != 0;
    f.href = InPage(area.m_href);
    f.hrefIsPath = area.m_hrefIsPath;
    f.linkLeadsTo = InPage(LinkAsRead(LinkReference(area, m_pagePath, m_options)));
    f.target = InPage(area.m_target);
    f.alt = InPage(area.m_alt);
    f.other = WithoutClosingSlash(WrittenOtherAttributes(InPage(area.m_otherAttrs)));
    return f;
}

// The same link: the same stored path or text, or the text the map writes
// leads where the page's does.
bool PageUpdater::SameLink(const AreaFacts& page, const AreaFacts& map)
{
    if (page.noHref || map.noHref)
        return page.noHref == map.noHref;
    return (page.href == map.href && page.hrefIsPath == map.hrefIsPath) || page.href == map.linkLeadsTo;
}

AreaDifference PageUpdater::Compare(const AreaFacts& page, const AreaFacts& map)
{
    AreaDifference d;
    d.shape = page.shape != map.shape;
    d.coords = page.coords != map.coords;
    d.link = !SameLink(page, map);
    d.target = page.target != map.target;
    d.alt = page.alt != map.alt;
    d.other = page.other != map.other;
    return d;
}

void PageUpdater::UpdateAreas()
{
    const std::vector<const CMapData*> areas = AreasInWritingOrder(m_doc);
    std::vector<AreaFacts> facts;
    for (const CMapData* area : areas)
        facts.push_back(FactsOf(*area));
    auto same = [&](std::size_t tag, std::size_t area) { return !Compare(m_areaTags[tag].facts, facts[area]).Any(); };
    std::vector<std::pair<std::size_t, std::size_t>> kept = AlignAreaTags(m_areaTags.size(), areas.size(), same);
    kept.emplace_back(m_areaTags.size(), areas.size()); // the end, after the last tag kept
    std::size_t tag = 0, area = 0;
    for (const auto& [keptTag, keptArea] : kept) {
        UpdateBetween(tag, keptTag, area, keptArea, areas, facts);
        tag = keptTag + 1;
        area = keptArea + 1;
    }
    m_result.report.areaTags = static_cast<int>(areas.size());
}

// The tags and areas between two that stay meet in order; the rest of the
// tags go, the rest of the areas are added.
void PageUpdater::UpdateBetween(std::size_t tag, std::size_t tagEnd, std::size_t area, std::size_t areaEnd,
                                const std::vector<const CMapData*>& areas, const std::vector<AreaFacts>& facts)
{
    const std::size_t paired = std::min(tagEnd - tag, areaEnd - area);
    for (std::size_t k = 0; k < paired && !Failed(); ++k)
        UpdateAreaTag(m_areaTags[tag + k], *areas[area + k], facts[area + k]);
    for (std::size_t k = tag + paired; k < tagEnd; ++k)
        RemoveAreaTag(m_areaTags[k]);
    if (area + paired < areaEnd)
        AddAreaTags(tag + paired,
                    std::vector<const CMapData*>(areas.begin() + static_cast<std::ptrdiff_t>(area + paired),
                                                 areas.begin() + static_cast<std::ptrdiff_t>(areaEnd)));
}

void PageUpdater::UpdateAreaTag(const AreaTagInPage& old, const CMapData& area, const AreaFacts& facts)
{
    const AreaDifference d = Compare(old.facts, facts);
    if (!d.Any())
        return;
    ++m_result.report.changedAreaTags;
    if (!d.other && old.clean && !old.tag.Broken()) {
        std::vector<Edit> edits = EditsOf(old.tag, ChangesInPlace(old, area, d));
        if (ReadsAs(old, edits, facts)) {
            Commit(std::move(edits));
            return;
        }
    }
    if (!Failed())
        Commit({old.tag.Begin(), old.readerEnd, NewAreaTag(area, old.tag.SelfClosing())});
}

TagChanges PageUpdater::ChangesInPlace(const AreaTagInPage& old, const CMapData& area, const AreaDifference& d) const
{
    const StartTag& tag = old.tag;
    TagChanges changes;
    if (d.shape)
        SetAttribute(tag, "shape", "SHAPE", ShapeKeyword(area.m_shape, m_options), changes);
    if (d.shape || d.coords)
        SetAttribute(tag, "coords", "COORDS", area.FormatCoords(), changes);
    if (d.link && area.m_noHref) {
        if (!old.facts.noHref)
            changes.added += " " + Name("NOHREF");
        RemoveAttribute(tag, "href", changes, true);
    } else if (d.link) {
        if (old.facts.noHref)
            RemoveAttribute(tag, "nohref", changes, true);
        SetAttribute(tag, "href", "HREF", InPage(LinkReference(area, m_pagePath, m_options)), changes);
    }
    if (d.target && area.m_target.empty())
        RemoveAttribute(tag, "target", changes, false);
    else if (d.target)
        SetAttribute(tag, "target", "TARGET", InPage(area.m_target), changes);
    if (d.alt && area.m_alt.empty())
        RemoveAttribute(tag, "alt", changes, false);
    else if (d.alt)
        SetAttribute(tag, "alt", "ALT", InPage(area.m_alt), changes);
    return changes;
}

// Whether the tag changed so reads, as the reader reads it, as the area.
bool PageUpdater::ReadsAs(const AreaTagInPage& old, const std::vector<Edit>& edits, const AreaFacts& facts)
{
    const std::optional<std::string> bytes =
        ApplyEdits(m_markup.ByteOffset(old.tag.Begin()), m_markup.ByteOffset(old.tag.End()), edits);
    if (!bytes)
        return false;
    const std::string text = DecodePageBytes(*bytes, m_markup.Coding()).text;
    const std::size_t gt = utf8::FindChar(text, '>');
    bool clean = true;
    const std::unique_ptr<CMapData> read = ReadAreaTag(text.substr(0, gt == npos ? npos : gt + 1), m_pagePath, clean);
    return clean && !Compare(FactsOf(*read), facts).Any();
}

void PageUpdater::RemoveAreaTag(const AreaTagInPage& old)
{
    const std::string& text = m_markup.Text();
    const std::size_t previousEnd = old.tag.Begin() == 0 ? npos : text.find_last_of(kCrLf, old.tag.Begin() - 1);
    const std::size_t lineStart = previousEnd == npos ? 0 : previousEnd + 1;
    const std::size_t lineEnd = text.find_first_of(kCrLf, old.elementEnd);
    ++m_result.report.removedAreaTags;
    const bool alone = lineEnd != npos && lineEnd < m_mapClose && AllLineBlank(text, lineStart, old.tag.Begin()) &&
                       AllLineBlank(text, old.elementEnd, lineEnd);
    if (!alone) {
        Commit({old.tag.Begin(), old.elementEnd, std::string(), true});
        return;
    }
    const bool crLf = text.compare(lineEnd, 2, kCrLf) == 0;
    Commit({lineStart, lineEnd + (crLf ? 2 : 1), std::string(), true});
}

void PageUpdater::AddAreaTags(std::size_t keptBefore, const std::vector<const CMapData*>& areas)
{
    const std::string indent = Indentation();
    std::string text;
    std::size_t at = 0;
    m_result.report.changedAreaTags += static_cast<int>(areas.size());
    if (keptBefore == 0 && !m_areaTags.empty()) { // before the first tag, which keeps its line
        for (const CMapData* area : areas)
            text += NewAreaTag(*area, PageSelfCloses()) + m_lineEnd + indent;
        at = m_areaTags.front().tag.Begin();
    } else {
        for (const CMapData* area : areas)
            text += m_lineEnd + indent + NewAreaTag(*area, PageSelfCloses());
        if (keptBefore == 0) { // into a MAP without AREA tags; "</map>" gets a line of its own
            at = AfterOnItsLine(m_map->End());
            const std::string& markup = m_markup.Text();
            if (std::find_if(markup.begin() + static_cast<std::ptrdiff_t>(m_map->End()),
                             markup.begin() + static_cast<std::ptrdiff_t>(m_mapClose),
                             IsLineEnd) == markup.begin() + static_cast<std::ptrdiff_t>(m_mapClose))
                text += m_lineEnd;
        } else {
            at = AfterOnItsLine(m_areaTags[keptBefore - 1].elementEnd);
        }
    }
    Commit({at, at, text});
}

// The writer's tag, ending "/>" where the page ends its AREA tags so.
std::string PageUpdater::NewAreaTag(const CMapData& area, bool selfClosing) const
{
    std::string tag = InPage(WriteAreaTag(area, m_pagePath, m_options));
    if (selfClosing && tag.size() >= 2 && tag.compare(tag.size() - 2, 2, "/>") != 0)
        tag.replace(tag.size() - 1, 1, " />");
    return tag;
}

bool PageUpdater::PageSelfCloses() const
{
    return !m_areaTags.empty() && m_areaTags.front().tag.SelfClosing();
}

// The blanks that begin the first AREA tag's line, when nothing else comes before it there.
std::string PageUpdater::Indentation() const
{
    if (m_areaTags.empty())
        return MakeIndent(m_options);
    const std::string& text = m_markup.Text();
    const std::size_t begin = m_areaTags.front().tag.Begin();
    const std::size_t previousEnd = text.find_last_of(kCrLf, begin - 1);
    const std::size_t lineStart = previousEnd == npos ? 0 : previousEnd + 1;
    if (!AllLineBlank(text, lineStart, begin))
        return MakeIndent(m_options);
    return text.substr(lineStart, begin - lineStart);
}

// Where a line added after something ending at `end` goes: before the line
// end when only blanks follow it there (they stay on its line), else right after it.
std::size_t PageUpdater::AfterOnItsLine(std::size_t end) const
{
    const std::string& text = m_markup.Text();
    std::size_t i = end;
    while (i < m_mapClose && IsLineBlank(text[i]))
        ++i;
    return i < m_mapClose && IsLineEnd(text[i]) ? i : end;
}

// The first line end within the MAP element, else the page's first, else CR LF.
std::string PageUpdater::DetectLineEnd() const
{
    const std::string& text = m_markup.Text();
    std::size_t at = text.find_first_of(kCrLf, m_map->Begin());
    if (at == npos || at > m_mapClose)
        at = text.find_first_of(kCrLf);
    if (at == npos)
        return kCrLf;
    if (text[at] == '\n')
        return "\n";
    return text.compare(at, 2, kCrLf) == 0 ? kCrLf : "\r";
}

// ---- The map's name and the IMG tags ----

void PageUpdater::RenameMap()
{
    if (m_renameTo.empty())
        return;
    TagChanges changes;
    SetAttribute(*m_map, "name", "NAME", InPage(m_renameTo), changes);
    CommitOutsideMap(EditsOf(*m_map, changes));
}

bool PageUpdater::SamePicture(const std::string& value) const
{
    const std::string read = PicturePath(value, m_pagePath);
    return read == m_doc.ImageSrc() || read == PicturePath(PictureReference(m_doc, m_pagePath, m_options), m_pagePath);
}

void PageUpdater::UpdateImageTag(const StartTag& img)
{
    TagChanges changes;
    const TagAttribute* src = img.Find("src");
    if (!src || !src->hasValue || !SamePicture(ValueOf(*src)))
        SetAttribute(img, "src", "SRC", InPage(PictureReference(m_doc, m_pagePath, m_options)), changes);
    if (!m_renameTo.empty())
        SetAttribute(img, "usemap", "USEMAP", "#" + InPage(m_renameTo), changes);
    for (MapAttribute index : kImgTagOrder) {
        const char* name = MapAttributeInfoOf(index).imgAttribute;
        const std::string lower = utf8::ToLower(name);
        // The size comes from the picture: empty, it is not known (the
        // picture could not be read here), and the page's own stays.
        const bool size = index == AttrWidth || index == AttrHeight;
        if (m_doc.Attribute(index).empty() && size)
            continue;
        if (m_doc.Attribute(index).empty())
            RemoveAttribute(img, lower, changes, false);
        else
            SetAttribute(img, lower, name, InPage(m_doc.Attribute(index)), changes);
    }
    std::vector<Edit> edits = EditsOf(img, changes);
    ++m_result.report.imageTags;
    m_result.report.changedImageTags += !edits.empty();
    CommitOutsideMap(std::move(edits));
}

// ---- Attribute changes within one tag ----

std::string PageUpdater::Name(const char* upper) const
{
    return m_options.lowerCaseTags ? utf8::ToLower(upper) : std::string(upper);
}

// The first attribute of the name gets the value in place; a missing one is
// added; one already holding the value is left alone.
void PageUpdater::SetAttribute(const StartTag& tag, std::string_view lower, const char* upper, const std::string& value,
                               TagChanges& changes) const
{
    const TagAttribute* a = tag.Find(lower);
    if (!a)
        changes.added += " " + Name(upper) + "=" + QuotedValue(value);
    else if (!a->hasValue)
        changes.values.push_back({a->nameEnd, a->nameEnd, "=" + QuotedValue(value)});
    else if (ValueOf(*a) != value)
        changes.values.push_back(ValueEdit(*a, value));
}

// A value in its own quotes, or in the other ones when it holds that quote;
// a bare value stays bare when it can.
Edit PageUpdater::ValueEdit(const TagAttribute& a, const std::string& value) const
{
    if (a.quote) {
        const char other = a.quote == '"' ? '\'' : '"';
        if (Holds(value, a.quote) && !Holds(value, other))
            return {a.valueBegin - 1, a.valueEnd + 1, other + value + other};
        return {a.valueBegin, a.valueEnd, value};
    }
    if (NeedsNoQuotes(value))
        return {a.valueBegin, a.valueEnd, value};
    return {a.valueBegin, a.valueEnd, QuotedValue(value)};
}

// Every attribute of the name goes; unless `evenEmpty`, one with an empty
// value stays, as it already says what the map says.
void PageUpdater::RemoveAttribute(const StartTag& tag, std::string_view lower, TagChanges& changes,
                                  bool evenEmpty) const
{
    const std::vector<TagAttribute>& attributes = tag.Attributes();
    changes.removed.resize(attributes.size());
    for (std::size_t i = 0; i < attributes.size(); ++i) {
        const TagAttribute& a = attributes[i];
        if (tag.Is(a, lower) && (evenEmpty || a.valueEnd > a.valueBegin))
            changes.removed[i] = true;
    }
}

// Whether the tag's last attribute stays "name=" with nothing after it, so
// that text added after it would be read as its value.
bool PageUpdater::EndsOpen(const StartTag& tag, const TagChanges& changes)
{
    const std::vector<TagAttribute>& a = tag.Attributes();
    if (a.empty() || !a.back().hasValue || a.back().quote || a.back().valueBegin != a.back().valueEnd)
        return false;
    const bool removed = changes.removed.size() == a.size() && changes.removed.back();
    const bool set = std::any_of(changes.values.begin(), changes.values.end(),
                                 [&](const Edit& e) { return e.begin == a.back().valueBegin; });
    return !removed && !set;
}

std::vector<Edit> PageUpdater::EditsOf(const StartTag& tag, const TagChanges& changes)
{
    std::vector<Edit> edits = changes.values;
    for (const StartTag::Removal& r : tag.Removals(changes.removed))
        edits.push_back({r.begin, r.end, r.blank ? " " : "", true});
    if (!changes.added.empty())
        edits.push_back(
            {tag.InsertionPoint(), tag.InsertionPoint(), (EndsOpen(tag, changes) ? "\"\"" : "") + changes.added});
    return edits;
}

// Changes to the MAP's start tag and the IMG tags, which may stand before the
// map: text taken out of them must hold no '<', or the tags the map is found
// by (or that a comment opens) could come or go with it.
void PageUpdater::CommitOutsideMap(std::vector<Edit> edits)
{
    const std::string& text = m_markup.Text();
    for (const Edit& e : edits) {
        if (std::find(text.begin() + static_cast<std::ptrdiff_t>(e.begin),
                      text.begin() + static_cast<std::ptrdiff_t>(e.end),
                      '<') != text.begin() + static_cast<std::ptrdiff_t>(e.end))
            Fail(PageUpdateStatus::Tangled, e.begin);
    }
    Commit(std::move(edits));
}

void PageUpdater::Commit(std::vector<Edit> edits)
{
    for (Edit& e : edits)
        Commit(std::move(e));
}

// Page text the program could not read must not be replaced by the U+FFFD
// it read, and no change may switch parts of the page on or off, begin or end
// amid JIS two-byte text (a tag's bytes read there as pairs), or follow a
// stray '<' (which would open a tag with what comes after it).
void PageUpdater::Commit(Edit edit)
{
    if (!edit.removal && edit.end > edit.begin && m_markup.Read(edit.begin, edit.end).replaced)
        Fail(PageUpdateStatus::CannotKeep, edit.begin);
    if (edit.end > edit.begin ? m_search.CutsComment(edit.begin, edit.end) : m_search.InComment(edit.begin))
        Fail(PageUpdateStatus::Tangled, edit.begin);
    if (m_markup.InTwoByteShift(edit.begin) || m_markup.InTwoByteShift(edit.end))
        Fail(PageUpdateStatus::Tangled, edit.begin);
    if (edit.begin > 0 && m_markup.Text()[edit.begin - 1] == '<') // it would make a tag of what follows
        Fail(PageUpdateStatus::Tangled, edit.begin);
    m_edits.push_back(std::move(edit));
}

// ---- The new bytes ----

// The page's bytes [fromByte, toByte) with the edits made, each encoded into
// the page's coding; nothing when one cannot be.
std::optional<std::string> PageUpdater::ApplyEdits(std::size_t fromByte, std::size_t toByte, std::vector<Edit> edits)
{
    std::stable_sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) {
        return a.begin != b.begin ? a.begin < b.begin : a.end < b.end;
    });
    std::string out;
    out.reserve(toByte - fromByte + 256);
    std::size_t at = fromByte;
    for (const Edit& e : edits) {
        const std::size_t begin = m_markup.ByteOffset(e.begin), end = m_markup.ByteOffset(e.end);
        if (begin < at) // edits never overlap; should one, the page keeps its bytes there
            continue;
        std::string bytes;
        if (!m_markup.Encode(e.text, e.begin, e.end, bytes)) {
            Fail(PageUpdateStatus::CannotEncode, e.begin);
            return std::nullopt;
        }
        out.append(m_page, at, begin - at);
        out += bytes;
        at = end;
    }
    out.append(m_page, at, toByte - at);
    return out;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    return std::filesystem::equivalent(localfile::PathOf(a), localfile::PathOf(b), ec);
}

PageUpdate FileFailure(PageUpdateStatus status, const std::string& reason)
{
    PageUpdate failed;
    failed.status = status;
    failed.reason = reason;
    return failed;
}

} // namespace

PageUpdate UpdateMapInPage(const std::string& page, const PageUpdateTarget& target, const CZephyrmapDoc& doc,
                           const HtmlOutputOptions& options)
{
    return PageUpdater(page, ChoosePageCoding(page, target.encoding), target, doc, options, true).Run();
}

PageUpdate UpdateMapInPageFile(const PageUpdateTarget& target, const std::string& outputPath, const CZephyrmapDoc& doc,
                               const HtmlOutputOptions& options)
{
    std::string page, reason;
    if (!localfile::ReadWholeFile(localfile::PathOf(target.pagePath), page, reason))
        return FileFailure(PageUpdateStatus::CannotRead, reason);
    PageUpdate update = UpdateMapInPage(page, target, doc, options);
    if (!update.Ok())
        return update;
    const bool inPlace = outputPath.empty() || SameFile(outputPath, target.pagePath);
    if (inPlace && update.bytes == page) // nothing to change: the page and its last backup stay
        return update;
    if (inPlace && !localfile::WriteFileAtomically(localfile::PathOf(target.pagePath + "~"), page, reason,
                                                   localfile::SaveLinks::Replace))
        return FileFailure(PageUpdateStatus::CannotBackUp, reason);
    const std::string output = inPlace ? target.pagePath : outputPath;
    if (!localfile::WriteFileAtomically(localfile::PathOf(output), update.bytes, reason))
        return FileFailure(PageUpdateStatus::CannotWrite, reason);
    return update;
}

} // namespace html
