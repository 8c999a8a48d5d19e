// Random texts of every script through the whole road a map takes: the map,
// its native file, its HTML source in each of the seven encodings, and the
// map read back from that page. Every character comes back: as itself from
// the native file and from UTF-8 and UTF-16, as a character reference from
// the Japanese encodings.

#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"
#include "tests/Shrink.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace
{

// Code points to draw from: ranges of many scripts, marks and symbols, the
// first plane's edges and beyond it. Markup characters ('<', '>', quotes,
// '=') and controls are left out: the writer writes values as they are, and
// a page holding them would read as other markup.
const std::vector<std::pair<char32_t, char32_t>> kRanges = {
    {U'a', U'z'},       {U'0', U'9'},       {U' ', U' '},         {U'&', U'&'},     {U'#', U'#'},     {0x00A1, 0x00FF},
    {0x0100, 0x017F},   {0x0300, 0x036F},   {0x0391, 0x03C9},     {0x0410, 0x044F}, {0x05D0, 0x05EA}, {0x0627, 0x064A},
    {0x0E01, 0x0E3A},   {0x2010, 0x2027},   {0x20AC, 0x20AC},     {0x2122, 0x2122}, {0x2460, 0x2473}, {0x3041, 0x3096},
    {0x30A1, 0x30FA},   {0x4E00, 0x9FFF},   {0xAC00, 0xD7A3},     {0xE000, 0xE0FF}, {0xFF61, 0xFF9F}, {0xFFE0, 0xFFE6},
    {0x1F300, 0x1F64F}, {0x20000, 0x2A6DF}, {0x10FFF0, 0x10FFFD},
};

std::string RandomText(std::mt19937& random)
{
    std::string text;
    for (int n = std::uniform_int_distribution<int>(1, 12)(random); n > 0; --n) {
        const auto& [low, high] = kRanges[std::uniform_int_distribution<std::size_t>(0, kRanges.size() - 1)(random)];
        utf8::AppendCodePoint(text, std::uniform_int_distribution<char32_t>(low, high)(random));
    }
    return text;
}

// One area's texts.
struct AreaTexts {
    std::string link, alt, target, title;
};

// The map the texts make: a name, an IMG ALT and one rectangle per area.
struct MapTexts {
    std::string name, imgAlt;
    std::vector<AreaTexts> areas;
};

void Fill(CZephyrmapDoc& doc, const MapTexts& texts)
{
    doc.SetAttribute(AttrMapName, texts.name);
    doc.SetAttribute(AttrImgAlt, texts.imgAlt);
    doc.SetAttribute(AttrImageSrc, "https://example.com/p.png");
    doc.SetAttribute(AttrHtmlPath, "/web/page.html");
    int y = 0;
    for (const AreaTexts& t : texts.areas) {
        auto area = std::make_unique<CMapData>();
        area->m_shape = ShapeRect;
        area->m_points = {{0, y}, {9, y}, {9, y + 9}, {0, y + 9}};
        // A URL is written and read as it stands, never made relative.
        area->m_href = "https://example.com/" + t.link;
        area->m_alt = t.alt;
        area->m_target = t.target;
        area->m_otherAttrs = t.title.empty() ? std::string() : "title=\"" + t.title + "\"";
        area->BuildRegion();
        doc.AppendArea(std::move(area));
        y += 10;
    }
}

// Character references back to their characters, as a browser reads them.
std::string ReadReferences(const std::string& text)
{
    static const std::regex reference("&#(x[0-9A-Fa-f]+|[0-9]+);");
    std::string out;
    std::size_t at = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
        out += text.substr(at, static_cast<std::size_t>(it->position()) - at);
        const std::string digits = (*it)[1];
        utf8::AppendCodePoint(out, static_cast<char32_t>(digits[0] == 'x' ? std::stoul(digits.substr(1), nullptr, 16)
                                                                          : std::stoul(digits)));
        at = static_cast<std::size_t>(it->position() + it->length());
    }
    return out + text.substr(at);
}

// Every text of two maps the same, the second's references read; what
// differs, or nothing.
std::string Difference(CZephyrmapDoc& expected, CZephyrmapDoc& actual)
{
    std::ostringstream why;
    const auto compare = [&](const char* what, const std::string& want, const std::string& got) {
        if (ReadReferences(got) != want)
            why << what << ": \"" << want << "\" came back as \"" << got << "\"\n";
    };
    compare("map name", expected.MapName(), actual.MapName());
    compare("IMG ALT", expected.Attribute(AttrImgAlt), actual.Attribute(AttrImgAlt));
    if (actual.AreaCount() != expected.AreaCount())
        return why.str() + "areas: " + std::to_string(actual.AreaCount()) + "\n";
    for (int i = 0; i < expected.AreaCount(); ++i) {
        compare("HREF", expected.AreaAt(i)->m_href, actual.AreaAt(i)->m_href);
        compare("ALT", expected.AreaAt(i)->m_alt, actual.AreaAt(i)->m_alt);
        compare("TARGET", expected.AreaAt(i)->m_target, actual.AreaAt(i)->m_target);
        compare("other attributes", expected.AreaAt(i)->m_otherAttrs, actual.AreaAt(i)->m_otherAttrs);
    }
    return why.str();
}

// What goes wrong on the whole road for these texts; nothing when all is well.
std::string RoadFailure(const MapTexts& texts)
{
    AppSettings settings;
    settings.DefaultAreaTailInEffect = 0;
    settings.HtmlOption |= kKeepOtherAttrsCase;
    CZephyrmapDoc doc(settings);
    Fill(doc, texts);
    const std::string stored = native::SaveToBytes(doc);
    CZephyrmapDoc loaded(settings);
    if (native::LoadFromBytes(loaded, stored) != native::LoadResult::Ok)
        return "the native file did not load";
    if (const std::string why = Difference(doc, loaded); !why.empty())
        return "native file: " + why;
    if (native::SaveToBytes(loaded) != stored)
        return "the native file was not stored again the same";
    const std::string source = html::WriteMapHtml(loaded, HtmlOutputOptions::FromSettings(settings));
    for (int encoding = EncodingShiftJis; encoding <= EncodingUtf16Be; ++encoding) {
        // Read in the encoding it was written in, as the open dialog offers: a
        // page without a declaration that holds Shift-JIS's user-defined
        // characters (F0..F9) is detected as EUC-JP.
        const int readAs = encoding == EncodingUtf8Signature ? EncodingAuto : encoding;
        const PageText page = DecodeHtmlPage(textout::Encode(source, encoding, true), readAs);
        std::vector<FoundMap> maps = html::FindMaps(page.text);
        if (page.replaced || maps.size() != 1)
            return "encoding " + std::to_string(encoding) + ": the page read as " + page.text;
        maps[0].documentPath = "/web/page.html";
        CZephyrmapDoc read(settings);
        if (html::BuildDocumentFromMap(read, maps, 0) != 1)
            return "encoding " + std::to_string(encoding) + ": the map did not read cleanly";
        if (const std::string why = Difference(doc, read); !why.empty())
            return "encoding " + std::to_string(encoding) + ": " + why;
        // UTF-8 and UTF-16 give every character as itself.
        const bool unicode = encoding >= EncodingUtf8;
        if (unicode && read.AreaCount() > 0 && read.AreaAt(0)->m_alt != doc.AreaAt(0)->m_alt)
            return "encoding " + std::to_string(encoding) + ": a reference where the character should be";
    }
    return std::string();
}

MapTexts Build(const std::vector<std::string>& pieces)
{
    MapTexts texts;
    texts.name = pieces.empty() ? "m" : pieces[0];
    texts.imgAlt = pieces.size() > 1 ? pieces[1] : "";
    for (std::size_t i = 2; i + 3 < pieces.size(); i += 4)
        texts.areas.push_back({pieces[i], pieces[i + 1], pieces[i + 2], pieces[i + 3]});
    return texts;
}

} // namespace

TEST(UnicodeRoundTrip, RandomTextsComeBackOnTheWholeRoad)
{
    for (unsigned seed = 1; seed <= 16; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::string> pieces;
        for (int i = 0; i < 2 + 4 * 24; ++i)
            pieces.push_back(RandomText(random));
        const auto fails = [](const std::vector<std::string>& p) { return !RoadFailure(Build(p)).empty(); };
        if (!fails(pieces))
            continue;
        const std::vector<std::string> shortest = ShrinkSteps(pieces, fails);
        std::string listed;
        for (const std::string& p : shortest)
            listed += "  \"" + p + "\"\n";
        ADD_FAILURE() << "seed " << seed << ", shrunk to " << shortest.size() << " texts:\n"
                      << listed << RoadFailure(Build(shortest));
    }
}
