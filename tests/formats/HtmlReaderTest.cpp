#include "formats/HtmlReader.h"

#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlWriter.h"
#include "formats/TagScanner.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextOutput.h"
#include "tests/TestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

using html::FindMaps;

namespace
{

struct Built {
    AppSettings settings;
    CZephyrmapDoc doc{settings};
    int result = -1;
};

std::unique_ptr<Built> Build(const std::string& areas, const std::string& documentPath = "/web/index.html")
{
    auto b = std::make_unique<Built>();
    auto maps = FindMaps("<img src=\"a.png\" usemap=\"#m\"><map name=\"m\">" + areas + "</map>");
    if (maps.empty())
        return b;
    maps[0].documentPath = documentPath;
    b->result = html::BuildDocumentFromMap(b->doc, maps, 0);
    return b;
}

} // namespace

TEST(TagScanner, ValuesQuotedSingleQuotedAndBare)
{
    TagScanner t("<area alt='single' title=\"dq\" coords=1,2,3,4 href=\"a=b.html\">");
    EXPECT_EQ(t.GetAttribute("ALT", true).value, "single");
    EXPECT_EQ(t.GetAttribute("title", true).value, "dq");
    EXPECT_EQ(t.GetAttribute("COORDS", true).value, "1,2,3,4");
    EXPECT_EQ(t.GetAttribute("HREF", false).value, "a=b.html");
    EXPECT_EQ(t.GetAttribute("HREF", true).status, AttributeRead::Malformed); // '=' inside the quotes
    EXPECT_EQ(t.GetAttribute("target", true).status, AttributeRead::Absent);
    EXPECT_EQ(TagScanner("<a alt=\"open>").GetAttribute("ALT", true).status, AttributeRead::Malformed);
    EXPECT_EQ(TagScanner("<a xalt=\"x\">").FindAttribute("alt"), -1);                 // no delimiter before
    EXPECT_EQ(TagScanner("<a\u3000alt=\"x\">").GetAttribute("alt", true).value, "x"); // an ideographic space
    EXPECT_EQ(TagScanner("<a alt=\"Café 😀\"\u3000title=地図>").GetAttribute("title", true).value, "地図");
    EXPECT_EQ(TagScanner("<a alt = \"x\">").GetAttribute("alt", true).value, "x");
}

TEST(TagScanner, ExtractAndFlags)
{
    TagScanner t("<AREA SHAPE=\"rect\" NOHREF onclick=\"go()\">");
    EXPECT_EQ(t.ExtractAttribute("shape", true).value, "rect");
    EXPECT_EQ(t.Text(), "<AREA NOHREF onclick=\"go()\">");
    EXPECT_TRUE(t.RemoveFlagAttribute("NOHREF"));
    EXPECT_EQ(t.Text(), "<AREA onclick=\"go()\">");
    EXPECT_FALSE(t.RemoveFlagAttribute("NOHREF"));
}

TEST(HtmlReader, MapNamesAreCaseSensitiveTagNamesAreNot)
{
    auto maps = FindMaps("<IMG SRC=\"p.png\" USEMAP=\"#m\"><Map NAME=\"m\"><AREA shape=rect coords=1,2,3,4>"
                         "<area shape=circle coords=5,5,2></MAP>");
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].areaTags.size(), 2u);
    EXPECT_EQ(maps[0].picture, "p.png");
    EXPECT_TRUE(FindMaps("<img usemap=\"#m\"><map name=\"M\"><area></map>").empty());
    EXPECT_TRUE(FindMaps("<img usemap=\"m\"><map name=\"m\"><area></map>").empty()); // no '#'
    EXPECT_EQ(FindMaps("<img usemap=\"page.html#m\"><map name=\"page.htmlm\"></map>").size(), 1u);
}

TEST(HtmlReader, TwoImagesSharingOneMap)
{
    auto maps = FindMaps("<img usemap=\"#m\" src=1><img usemap=\"#m\" src=2><map name=\"m\"><area></map>");
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].picture, "1");
}

TEST(HtmlReader, Shapes)
{
    auto b = Build("<area shape=\"rectangle\" coords=\"30,40,10,20\"><area shape=square coords=\"1,2,3,4\">"
                   "<area shape=default><area shape=\"polygon\" coords=\"0,0,50,0,25,40,0,0\">"
                   "<area shape=poly coords=\"0,0,50,0,25,40\"><area coords=\"1,1,1\">");
    EXPECT_EQ(b->result, 0);
    const auto& a = b->doc.Areas();
    ASSERT_EQ(a.size(), 6u);
    auto it = a.begin();
    EXPECT_EQ((*it)->m_shape, ShapeRect);
    EXPECT_EQ((*it)->FormatCoords(), "10,20,30,40");
    ++it; // square: a syntax error, the fallback circle
    EXPECT_EQ((*it)->m_shape, ShapeCirc);
    EXPECT_EQ((*it)->FormatCoords(), "10,20,10");
    ++it; // default without COORDS: as browsers have it, the whole picture
    EXPECT_EQ((*it)->m_shape, ShapeDefault);
    EXPECT_EQ((*it)->m_points, (std::vector<Point>{{0, 0}, {0, 0}}));
    ++it;
    EXPECT_EQ((*it)->m_points.size(), 3u);
    ++it;
    EXPECT_EQ((*it)->m_points.size(), 3u);
    ++it; // missing SHAPE: a rectangle, as browsers read it; three numbers make no points
    EXPECT_EQ((*it)->m_shape, ShapeRect);
    EXPECT_TRUE((*it)->m_points.empty());
}

// Typed other attributes, tidied, are what the tag written from them reads back as.
TEST(HtmlReader, TidyOtherAttributesReadBackAsTyped)
{
    const std::pair<const char*, const char*> rows[] = {
        {"", ""},
        {"  \t\r\n ", ""},
        {"id=a\tclass=\"b\"", "id=a class=\"b\""},
        {" onclick=\"f()\"\r\n  title='x  y' ", "onclick=\"f()\" title='x  y'"},
        // Blanks inside a quoted value are the value's own; line ends there
        // become blanks, one for a CR LF pair.
        {"title=\"a  b\"  class=c", "title=\"a  b\" class=c"},
        {"title = 'a\tb\r\nc'", "title = 'a b c'"},
        {"data-x=\"it's\"   y", "data-x=\"it's\" y"},
        {"a='b \"c\"  d'", "a='b \"c\"  d'"},
        {"say \"a  b\"", "say \"a b\""},              // a quote that opens no value is plain text
        {"ァ 😀\u3000data-x=1", "ァ 😀\u3000data-x=1"}, // characters beyond ASCII stay whole
    };
    for (const auto& [typed, tidy] : rows) {
        EXPECT_EQ(html::TidyOtherAttributes(typed), tidy) << typed;
        CMapData area;
        area.m_shape = ShapeRect;
        area.m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
        area.m_otherAttrs = tidy;
        HtmlOutputOptions keep;
        keep.keepOtherAttrsCase = true;
        bool clean = false;
        auto read = html::ReadAreaTag(html::WriteAreaTag(area, "", keep), "", clean);
        EXPECT_TRUE(clean);
        EXPECT_EQ(read->m_otherAttrs, tidy) << typed;
    }
}

// What browsers accept without a word is no syntax error: an area without
// SHAPE is a rectangle, and the DEFAULT area needs no COORDS. A SHAPE or
// COORDS that is there but cannot be read still is one.
TEST(HtmlReader, WhatBrowsersAcceptIsNoSyntaxError)
{
    struct Row {
        const char* tags;
        int result;
        int shape;
        const char* coords;
    } rows[] = {
        {"<area coords=\"10,20,30,40\" href=a.html>", 1, ShapeRect, "10,20,30,40"},
        {"<area shape=default nohref>", 1, ShapeDefault, "0,0,0,0"},
        {"<AREA SHAPE=\"DEFAULT\" HREF=\"x.html\">", 1, ShapeDefault, "0,0,0,0"},
        {"<area shape=\"default\" coords=\"5,6,7,8\">", 1, ShapeDefault, "5,6,7,8"},
        {"<area shape=default coords=\"5,6>", 0, ShapeDefault, ""},
        {"<area shape=\"rect\" href=a.html>", 0, ShapeRect, "10,20,10,20"},
        {"<area shape=\"rect>", 0, ShapeCirc, "10,20,10"},
    };
    for (const Row& r : rows) {
        auto b = Build(r.tags);
        EXPECT_EQ(b->result, r.result) << r.tags;
        ASSERT_EQ(b->doc.Areas().size(), 1u) << r.tags;
        const CMapData& area = *b->doc.Areas().front();
        EXPECT_EQ(area.m_shape, r.shape) << r.tags;
        EXPECT_EQ(area.FormatCoords(), r.coords) << r.tags;
    }
}

TEST(HtmlReader, ShortCoordsAreNoError)
{
    auto b = Build("<area shape=rect coords=\"10,20\" href=\"x.html\">");
    EXPECT_EQ(b->result, 1);
    EXPECT_TRUE(b->doc.AreaAt(0)->m_points.empty());
    auto odd = Build("<area shape=poly coords=\"0,0,9,0,5,5,0,0,7\">");
    EXPECT_EQ(odd->doc.AreaAt(0)->m_points.size(), 4u); // a trailing odd number keeps the closing point
}

struct CoordsRow {
    const char* shape;
    const char* coords;
    const char* written; // FormatCoords of what was read
};

// Regression: "30 20 245 210" gave a rectangle without points, and numbers
// were cut to their first nine digits.
TEST(HtmlReader, BlankSeparatedCoordsAndLongNumbers)
{
    const CoordsRow rows[] = {
        {"rect", "30 20 245 210", "30,20,245,210"},
        {"rect", "30  20\t245\r\n210", "30,20,245,210"},  // any run of blanks
        {"rect", " 30 , 20 ,245, 210 ", "30,20,245,210"}, // blanks around commas as before
        {"rect", "30 20,245 210", "30,20,245,210"},       // mixed
        {"rect", "-5 +7 10 20", "-5,7,10,20"},            // signs start numbers too
        {"rect", "10 x 20,30,40,50", "10,30,40,50"},      // a blank before no number separates nothing
        {"poly", "0 0 50 0 25 40", "0,0,50,0,25,40"},
        {"circle", "100 100 50", "100,100,50"},
        {"rect", "1234567890,0,5,5", "5,0,1234567890,5"},                          // read in full
        {"rect", "0,0,99999999999,-99999999999", "0,-2147483648,2147483647,0"},    // held to 32 bits
        {"circle", "2000000000,0,2000000000", "1073741823,-926258177,1073741823"}, // clamped square
        {"rect", "278.246.277,249,5,6", "5,6,278,249"}, // other characters still end a number
    };
    for (const auto& r : rows) {
        auto b = Build(std::string("<area shape=\"") + r.shape + "\" coords=\"" + r.coords + "\">");
        ASSERT_EQ(b->doc.AreaCount(), 1) << r.coords;
        EXPECT_EQ(b->doc.AreaAt(0)->FormatCoords(), r.written) << r.coords;
        EXPECT_EQ(b->result, 1) << r.coords;
    }
}

TEST(HtmlReader, LinksResolvedAgainstTheDocument)
{
    auto b = Build("<area shape=rect coords=1,2,3,4 href=\"sub/a.html\"><area shape=rect coords=1,2,3,4 href=\"#top\">"
                   "<area shape=rect coords=1,2,3,4 href=\"http://x/y.html\">"
                   "<area shape=rect coords=1,2,3,4 href=\"/root/z.html\">");
    EXPECT_EQ(b->doc.AreaAt(0)->m_href, "/web/sub/a.html");
    EXPECT_EQ(b->doc.AreaAt(0)->m_hrefIsPath, 1);
    EXPECT_EQ(b->doc.AreaAt(1)->m_href, "/web/index.html#top");
    EXPECT_EQ(b->doc.AreaAt(2)->m_href, "http://x/y.html");
    EXPECT_EQ(b->doc.AreaAt(2)->m_hrefIsPath, 0);
    EXPECT_EQ(b->doc.AreaAt(3)->m_href, "/root/z.html"); // root-relative: as written
    EXPECT_EQ(b->doc.AreaAt(3)->m_hrefIsPath, 0);
    EXPECT_EQ(b->doc.Attribute(AttrImageSrc), "/web/a.png");
#ifndef _WIN32
    SUCCEED();
#endif
}

// Regression: SRC and HREF that hold character references (as the writer
// writes a name the page's encoding lacks) were taken as file names, the
// references and all. The texts stay as the page has them.
TEST(HtmlReader, ReferencesInFileNamesAreReadAsBrowsersReadThem)
{
    auto maps = FindMaps("<img src=\"na&#239;ve &#x1F600;.png\" usemap=\"#m\"><map name=\"m\">"
                         "<area shape=rect coords=1,2,3,4 href=\"Z&#252;rich.html#caf&#233;\" alt=\"caf&#233;\">"
                         "<area shape=rect coords=1,2,3,4 href=\"http://x/?a=1&amp;b=2\"></map>");
    ASSERT_EQ(maps.size(), 1u);
    maps[0].documentPath = "/web/index.html";
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    html::BuildDocumentFromMap(doc, maps, 0);
    EXPECT_EQ(doc.ImageSrc(), "/web/naïve 😀.png");
    EXPECT_EQ(doc.AreaAt(0)->m_href, "/web/Zürich.html#café");
    EXPECT_EQ(doc.AreaAt(0)->m_hrefIsPath, 1);
    EXPECT_EQ(doc.AreaAt(0)->m_alt, "caf&#233;");
    EXPECT_EQ(doc.AreaAt(1)->m_href, "http://x/?a=1&amp;b=2"); // a URL, as typed
    EXPECT_EQ(html::PicturePath("http://x/a.png?a&amp;b", "/web/index.html"), "http://x/a.png?a&amp;b");
}

// What the writer writes in an encoding that lacks characters of a file's
// name, it reads back as that name: names with references' look-alikes too.
TEST(HtmlReader, FileNamesWrittenInAnyEncodingReadBack)
{
    for (const std::string folder : {"/web/Café 😀/", "/web/sp ace&amp;#x/", "/web/a&b/"}) {
        for (int encoding = EncodingShiftJis; encoding <= EncodingUtf16Be; ++encoding) {
            AppSettings settings;
            CZephyrmapDoc doc(settings);
            doc.SetAttribute(AttrHtmlPath, "/web/index.html");
            doc.SetAttribute(AttrMapName, "m");
            doc.SetAttribute(AttrImageSrc, folder + "naïve 😀 &#233;.png");
            auto area = std::make_unique<CMapData>();
            area->m_shape = ShapeRect;
            area->m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
            area->m_href = folder + "Zürich&copy;.html#top";
            area->m_hrefIsPath = 1;
            doc.AppendArea(std::move(area));
            HtmlOutputOptions options;
            options.srcRelative = options.hrefRelative = true;
            const std::string bytes = textout::Encode(html::WriteMapHtml(doc, options), encoding, true);
            auto maps = FindMaps(DecodeHtmlPage(bytes, EncodingAuto).text);
            ASSERT_EQ(maps.size(), 1u) << folder << encoding;
            maps[0].documentPath = "/web/index.html";
            AppSettings s2;
            CZephyrmapDoc back(s2);
            html::BuildDocumentFromMap(back, maps, 0);
            EXPECT_EQ(back.ImageSrc(), doc.ImageSrc()) << folder << encoding;
            ASSERT_EQ(back.AreaCount(), 1) << folder << encoding;
            EXPECT_EQ(back.AreaAt(0)->m_href, folder + "Zürich&copy;.html#top") << folder << encoding;
        }
    }
}

TEST(HtmlReader, MalformedAltStaysInOtherAttributes)
{
    auto b = Build("<area shape=rect coords=1,2,3,4 alt='ok' target=_top>"
                   "<area shape=rect coords=1,2,3,4 alt=\"open nohref>");
    EXPECT_EQ(b->doc.AreaAt(0)->m_alt, "ok");
    EXPECT_EQ(b->doc.AreaAt(0)->m_target, "_top");
    EXPECT_EQ(b->doc.AreaAt(1)->m_alt, "");
    EXPECT_EQ(b->doc.AreaAt(1)->m_otherAttrs, "alt=\"open");
    EXPECT_EQ(b->doc.AreaAt(1)->m_noHref, 1);
}

TEST(HtmlReader, NoHrefBesideOnclick)
{
    auto b = Build("<AREA SHAPE=\"circle\" COORDS=\"5,5,5\"\r\n\tNOHREF onclick=\"go('x')\">");
    const CMapData* a = b->doc.AreaAt(0);
    EXPECT_EQ(a->m_noHref, 1);
    EXPECT_EQ(a->m_otherAttrs, "onclick=\"go('x')\"");
}

TEST(HtmlReader, ImageAttributesInAnyScript)
{
    const std::string names[] = {"表", "지도", "naïve 𠮷野家 图片地图", "Café crème — ©2026 €5 😀"};
    for (const std::string& name : names) {
        auto maps = FindMaps("<img src=\"x.png\" usemap=\"#" + name + "\" alt=\"" + name +
                             "\" width=10 border=\"0\"><map name=\"" + name + "\"></map>");
        ASSERT_EQ(maps.size(), 1u) << name;
        AppSettings s;
        CZephyrmapDoc doc(s);
        maps[0].documentPath = "C:\\web\\i.html";
        html::BuildDocumentFromMap(doc, maps, 0);
        EXPECT_EQ(doc.Attribute(AttrMapName), name);
        EXPECT_EQ(doc.Attribute(AttrImgAlt), name);
        EXPECT_EQ(doc.Attribute(AttrWidth), "10");
        EXPECT_EQ(doc.Attribute(AttrBorder), "0");
    }
    // Two maps whose names differ only in characters Shift-JIS lacks are two maps.
    auto maps = FindMaps("<img src=a.png usemap=\"#지도\"><img src=b.png usemap=\"#지역\">"
                         "<map name=\"지역\"><area id=b></map><map name=\"지도\"><area id=a></map>");
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(maps[0].areaTags, std::vector<std::string>{"<area id=a>"});
    EXPECT_EQ(maps[1].areaTags, std::vector<std::string>{"<area id=b>"});
}

TEST(HtmlReader, ManyMapsMatchInOrder)
{
    std::string page;
    for (int i = 0; i < 2000; ++i)
        page += "<img usemap=\"#m" + std::to_string(i % 7) + "\" src=\"" + std::to_string(i) + "\">";
    for (int i = 0; i < 2000; ++i)
        page += "<map name=\"m" + std::to_string(i % 7) + "\"><area id=" + std::to_string(i) + "></map>";
    auto maps = FindMaps(page);
    ASSERT_EQ(maps.size(), 2000u);
    EXPECT_EQ(maps[7].picture, "7");
    EXPECT_EQ(maps[7].areaTags[0], "<area id=7>");
}

// Regression: maps, images and areas inside comments were read as live, so
// writing the map back switched on what the page's author had switched off.
TEST(HtmlReader, CommentsAreSkipped)
{
    const std::string live = "<img src=a.png usemap=\"#m\"><map name=\"m\"><area shape=rect coords=1,2,3,4></map>";
    // An IMG/MAP pair commented out before the live one; the same names, so a
    // reader that looked inside would match the dead pair first.
    auto maps = FindMaps("<!-- <img src=old.png usemap=\"#m\"><map name=\"m\"><area id=old></map> -->" + live);
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].picture, "a.png");
    EXPECT_EQ(maps[0].areaTags, std::vector<std::string>{"<area shape=rect coords=1,2,3,4>"});
    // One AREA commented out, and a "</map>" in a comment that ends nothing.
    maps = FindMaps("<img usemap=\"#m\"><map name=\"m\"><!--<area id=1>--><area id=2><!-- </map> --><area id=3></map>");
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].areaTags, (std::vector<std::string>{"<area id=2>", "<area id=3>"}));
    // An SSI directive and an empty "<!-->" comment hide nothing after them.
    EXPECT_EQ(FindMaps("<!--#include file=\"x\"--><!-->" + live).size(), 1u);
    EXPECT_EQ(FindMaps("<!--->" + live).size(), 1u);
    // A comment that never ends runs to the end of the text.
    EXPECT_TRUE(FindMaps("<img usemap=\"#m\"><map name=\"m\"><area id=1><!-- <area id=2></map>").empty());
    EXPECT_TRUE(FindMaps("<!-- " + live).empty());
    // No byte of a character beyond ASCII is part of a marker: one right
    // after such characters opens a comment.
    EXPECT_TRUE(FindMaps("地図😀<!-- " + live).empty());
    EXPECT_EQ(FindMaps("地図😀" + live).size(), 1u);
}

namespace
{

std::string RealPage(const char* name)
{
    std::ifstream in(kTestData / "realworld" / name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace

TEST(HtmlReader, RealPagesWithCommentedOutMarkup)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    // A whole IMG/MAP pair inside a comment: only the live map "Map" is offered.
    auto maps = FindMaps(RealPage("01-ja-eucjp-melonpan-kiyaku-map-in-comment.html"));
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].mapName, "Map");
    EXPECT_EQ(maps[0].areaTags.size(), 8u);
    // One AREA commented out of three.
    maps = FindMaps(RealPage("14-de-shape-rectangle-commented-area.html"));
    ASSERT_EQ(maps.size(), 1u);
    EXPECT_EQ(maps[0].areaTags.size(), 2u);
}
