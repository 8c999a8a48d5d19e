#include "formats/PageUpdate.h"

#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/TagScanner.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/paths/LocalFile.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <sstream>
#include <unistd.h>

namespace
{

const std::string kPagePath = "/web/index.html";

// A map read from a page as the editor reads it, its picture missing.
struct Imported {
    AppSettings settings;
    CZephyrmapDoc doc{settings};
    CMapData& Area(int index) { return *doc.AreaAt(index); }
};

std::unique_ptr<Imported> Import(const std::string& page, int encoding = 0, std::size_t index = 0,
                                 const std::string& pagePath = kPagePath)
{
    auto imported = std::make_unique<Imported>();
    std::vector<FoundMap> maps = html::FindMaps(DecodeHtmlPage(page, encoding).text);
    if (index >= maps.size())
        return imported;
    maps[index].documentPath = pagePath;
    html::BuildDocumentFromMap(imported->doc, maps, static_cast<int>(index));
    mapcmd::AfterMapCreated(imported->doc);
    return imported;
}

PageUpdate Update(const std::string& page, const CZephyrmapDoc& doc, const HtmlOutputOptions& options = {},
                  const std::string& mapName = "", int encoding = 0)
{
    PageUpdateTarget target;
    target.pagePath = kPagePath;
    target.encoding = encoding;
    target.mapName = mapName;
    return html::UpdateMapInPage(page, target, doc, options);
}

void Move(CMapData& area, int dx, int dy)
{
    for (Point& p : area.m_points) {
        p.x += dx;
        p.y += dy;
    }
}

std::unique_ptr<CMapData> NewRect(int left, int top, int right, int bottom, const std::string& typedHref)
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = ShapeRect;
    a->m_points = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    a->m_href = typedHref;
    return a;
}

std::string Sjis(const std::string& utf8Text)
{
    return utf8::Utf8ToSjis(utf8Text);
}

// UTF-8 text in one of the codec's encodings.
std::string Encoded(int code, const std::string& utf8Text)
{
    TextCodec codec;
    const ConvertedBytes out = codec.ConvertBytes(EncodingShiftJis, code, Sjis(utf8Text), false);
    return std::string(reinterpret_cast<const char*>(out.data), out.size);
}

std::string Utf16Le(const std::string& utf8Text)
{
    std::string bytes;
    for (char16_t u : utf8::ToUtf16(utf8Text)) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

const std::string kImg = "<img src=\"a.png\" usemap=\"#m\">\n";

} // namespace

// Regression guard for the promise of the whole feature: a map that says what
// the page says changes nothing, whatever the page's way of writing its tags.
TEST(PageUpdate, AMapThatReadsAsThePageLeavesEveryByte)
{
    const std::string pages[] = {
        "<IMG SRC=\"img/a.png\" USEMAP=\"#m\" alt='x'>\r\n<MAP NAME=\"m\">\r\n  <AREA SHAPE=RECT COORDS=\"1,2,3,4\" "
        "HREF=\"sub/a.html\">\r\n</MAP>\r\n",
        kImg + "<map name = 'm' id=m>\n\t<area shape='rect' coords='1, 2, 3, 4' href='#top' />\n"
               "\t<!-- <area shape=rect coords=9,9,9,9> -->\n\t<area shape=\"circle\" coords=\"5,5,2\" nohref></area>\n"
               "</map>",
        kImg + "<map name=\"m\">\n\t<area\n\t  shape=\"polygon\"\n\t  coords=\"0,0,10,0,5,8\"\n\t  href=\"p.html\"\n"
               "\t  style=\"x\"\n\t/>\n</map>",
        "<img src=\"a.png\" height=\"121\"usemap=\"#m\" alt>\n<map name=\"m\"><area shape=rect coords=1,2,3,4 "
        "href=http://example.com/x?a=1&b=2 target=_blank></map>",
    };
    for (const std::string& page : pages) {
        auto m = Import(page);
        m->doc.SetAttribute(AttrHeight, page.find("121") != std::string::npos ? "121" : "");
        const PageUpdate r = Update(page, m->doc);
        ASSERT_TRUE(r.Ok()) << page;
        EXPECT_EQ(r.bytes, page);
        EXPECT_EQ(r.report.changedAreaTags, 0) << page;
        EXPECT_EQ(r.report.removedAreaTags, 0) << page;
        EXPECT_EQ(r.report.changedImageTags, 0) << page;
        EXPECT_EQ(r.report.imageTags, 1) << page;
    }
}

// A moved area changes its COORDS value and nothing else, in the tag's own
// way of writing it (quotes, blanks, case, lines).
TEST(PageUpdate, AMovedAreaChangesOnlyItsCoordinates)
{
    struct Row {
        const char* what;
        std::string map, expected;
        int area;
    };
    const Row rows[] = {
        {"bare values",
         "<map name=m><area shape=rect coords=1,2,3,4 href=a.html><area shape=circ coords=10,10,5 "
         "nohref></map>",
         "<map name=m><area shape=rect coords=1,2,3,4 href=a.html><area shape=circ coords=11,10,5 nohref></map>", 1},
        {"single quotes, blanks around '='",
         "<map name = 'm'><area shape = 'rect' coords = '1, 2, 3, 4' href = 'a.html'></map>",
         "<map name = 'm'><area shape = 'rect' coords = '2,2,4,4' href = 'a.html'></map>", 0},
        {"over several lines, '/>'",
         "<map name=\"m\">\n\t<area\n\t  shape=\"polygon\"\n\t  coords=\"0,0,10,0,5,8\"\n\t  href=\"p.html\"\n\t/>\n"
         "</map>",
         "<map name=\"m\">\n\t<area\n\t  shape=\"polygon\"\n\t  coords=\"1,0,11,0,6,8\"\n\t  "
         "href=\"p.html\"\n\t/>\n"
         "</map>",
         0},
        {"mixed case, end tag", "<MAP NAME=\"m\"><Area Shape=\"Rect\" Coords=\"1,2,3,4\" Href=\"a.html\"></Area></MAP>",
         "<MAP NAME=\"m\"><Area Shape=\"Rect\" Coords=\"2,2,4,4\" Href=\"a.html\"></Area></MAP>", 0},
    };
    for (const Row& r : rows) {
        auto m = Import(kImg + r.map);
        Move(m->Area(r.area), 1, 0);
        const PageUpdate u = Update(kImg + r.map, m->doc);
        ASSERT_TRUE(u.Ok()) << r.what;
        EXPECT_EQ(u.bytes, kImg + r.expected) << r.what;
        EXPECT_EQ(u.report.changedAreaTags, 1) << r.what;
    }
}

// Each attribute the area says otherwise is set where it stands, added after
// the tag's last attribute, or taken out with the blanks before the next.
TEST(PageUpdate, AreaAttributesChangeInPlace)
{
    const std::string before = "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" alt=\"A\" onclick=\"go()\" />";
    struct Row {
        const char* what;
        std::function<void(CMapData&)> change;
        std::string expected;
        bool lowerCase = false;
    };
    const Row rows[] = {
        {"ALT set", [](CMapData& a) { a.m_alt = "B"; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" alt=\"B\" onclick=\"go()\" />"},
        {"ALT emptied", [](CMapData& a) { a.m_alt.clear(); },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" onclick=\"go()\" />"},
        {"ALT with a double quote", [](CMapData& a) { a.m_alt = "say \"hi\""; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" alt='say \"hi\"' onclick=\"go()\" />"},
        {"TARGET added", [](CMapData& a) { a.m_target = "_top"; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" alt=\"A\" onclick=\"go()\" TARGET=\"_top\" />"},
        {"TARGET added in lower case", [](CMapData& a) { a.m_target = "_top"; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" alt=\"A\" onclick=\"go()\" target=\"_top\" />", true},
        {"NOHREF", [](CMapData& a) { a.m_noHref = 1; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" alt=\"A\" onclick=\"go()\" NOHREF />"},
        {"another file", [](CMapData& a) { a.m_href = "/web/b.html"; },
         "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"b.html\" alt=\"A\" onclick=\"go()\" />"},
        {"a circle now", [](CMapData& a) { a.m_shape = ShapeCirc; },
         "<area shape=\"circle\" coords=\"2,3,1\" href=\"a.html\" alt=\"A\" onclick=\"go()\" />"},
    };
    for (const Row& r : rows) {
        const std::string page = kImg + "<map name=\"m\">\n  " + before + "\n</map>\n";
        auto m = Import(page);
        r.change(m->Area(0));
        HtmlOutputOptions options;
        options.lowerCaseTags = r.lowerCase;
        const PageUpdate u = Update(page, m->doc, options);
        ASSERT_TRUE(u.Ok()) << r.what;
        EXPECT_EQ(u.bytes, kImg + "<map name=\"m\">\n  " + r.expected + "\n</map>\n") << r.what;
    }
    // NOHREF taken off: the link comes back as written.
    const std::string page = kImg + "<map name=m><area shape=rect coords=\"1,2,3,4\" NOHREF></map>";
    auto m = Import(page);
    m->Area(0).m_noHref = 0;
    m->Area(0).m_href = "c.html";
    EXPECT_EQ(Update(page, m->doc).bytes,
              kImg + "<map name=m><area shape=rect coords=\"1,2,3,4\" HREF=\"c.html\"></map>");
}

// A tag is written anew, as the writer writes it, when its other attributes
// changed or it cannot be changed in place and read back as the area.
TEST(PageUpdate, AreaTagsWrittenAnew)
{
    const std::string page = kImg + "<map name=m>\n<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" "
                                    "onclick=\"go()\"></area>\n<area shape=\"square\" coords=\"1,2,3,4\">\n</map>";
    auto m = Import(page);
    m->Area(0).m_otherAttrs = "onclick=\"stop()\"";
    Move(m->Area(1), 1, 0); // read as the fallback circle around (10,20)
    HtmlOutputOptions options;
    const PageUpdate u = Update(page, m->doc, options);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, kImg +
                           "<map name=m>\n<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"a.html\" "
                           "ONCLICK=\"stop()\"></area>\n<AREA SHAPE=\"circle\" COORDS=\"11,20,10\" HREF=\"\">\n</map>");
    options.lowerCaseTags = true;
    options.keepOtherAttrsCase = true;
    EXPECT_NE(Update(page, m->doc, options)
                  .bytes.find("<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" "
                              "onclick=\"stop()\"></area>"),
              std::string::npos);
}

// Added areas get lines of their own after the last tag kept, in the page's
// line ends and the first AREA line's indentation.
TEST(PageUpdate, AddedAreasTakeThePagesLinesAndIndentation)
{
    struct Row {
        const char* what;
        std::string map, expected;
    };
    const std::string added = "<AREA SHAPE=\"rect\" COORDS=\"5,5,9,9\" HREF=\"n.html\">";
    const Row rows[] = {
        {"CR LF, tabs", "<map name=m>\r\n\t\t<area shape=rect coords=1,2,3,4>\r\n</map>\r\n",
         "<map name=m>\r\n\t\t<area shape=rect coords=1,2,3,4>\r\n\t\t" + added + "\r\n</map>\r\n"},
        {"LF, blanks after the last tag stay on its line", "<map name=m>\n <area shape=rect coords=1,2,3,4>  \n</map>",
         "<map name=m>\n <area shape=rect coords=1,2,3,4>  \n " + added + "\n</map>"},
        {"CR", "<map name=m>\r<area shape=rect coords=1,2,3,4>\r</map>",
         "<map name=m>\r<area shape=rect coords=1,2,3,4>\r" + added + "\r</map>"},
        {"'/>' and an end tag", "<map name=m>\n  <area shape=rect coords=1,2,3,4 /></area>\n</map>",
         "<map name=m>\n  <area shape=rect coords=1,2,3,4 /></area>\n  <AREA SHAPE=\"rect\" COORDS=\"5,5,9,9\" "
         "HREF=\"n.html\" />\n</map>"},
        {"the first tag not at its line's start: the options' indentation",
         "<map name=m><area shape=rect coords=1,2,3,4></map>",
         "<map name=m><area shape=rect coords=1,2,3,4>\n  " + added + "</map>"},
        {"no AREA tags", "<map name=m></map>", "<map name=m>\n  " + added + "\n</map>"},
        {"no AREA tags, a line between", "<map name=m>\n</map>", "<map name=m>\n  " + added + "\n</map>"},
    };
    for (const Row& r : rows) {
        auto m = Import(kImg + r.map);
        m->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
        const PageUpdate u = Update(kImg + r.map, m->doc);
        ASSERT_TRUE(u.Ok()) << r.what;
        EXPECT_EQ(u.bytes, kImg + r.expected) << r.what;
        EXPECT_EQ(u.report.changedAreaTags, 1) << r.what;
    }
    // A page without line ends gets the writer's.
    const std::string oneLine = "<img src=a.png usemap=#m><map name=m></map>";
    auto o = Import(oneLine);
    o->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
    EXPECT_EQ(Update(oneLine, o->doc).bytes, "<img src=a.png usemap=#m><map name=m>\r\n  " + added + "\r\n</map>");
    // A new first area goes before the first tag, which keeps its line.
    const std::string page = kImg + "<map name=m>\n  <area shape=rect coords=1,2,3,4>\n</map>";
    auto m = Import(page);
    m->doc.InsertAreaAt(0, NewRect(5, 5, 9, 9, "n.html"));
    EXPECT_EQ(Update(page, m->doc).bytes,
              kImg + "<map name=m>\n  " + added + "\n  <area shape=rect coords=1,2,3,4>\n</map>");
}

// A tag alone on its line goes with the line; what stands between tags stays.
TEST(PageUpdate, RemovedAreasAndWhatStandsBetweenTags)
{
    const std::string page = kImg + "<map name=m>\r\n  <area shape=rect coords=1,1,2,2>\r\n  <!-- B -->\r\n"
                                    "  <area shape=rect coords=3,3,4,4></area>\r\n  <area shape=rect coords=5,5,6,6>"
                                    "<area shape=rect coords=7,7,8,8>\r\n</map>";
    auto m = Import(page);
    m->doc.DetachArea(*m->doc.GetPositionAt(1));
    PageUpdate u = Update(page, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, kImg + "<map name=m>\r\n  <area shape=rect coords=1,1,2,2>\r\n  <!-- B -->\r\n"
                              "  <area shape=rect coords=5,5,6,6><area shape=rect coords=7,7,8,8>\r\n</map>");
    EXPECT_EQ(u.report.removedAreaTags, 1);
    EXPECT_EQ(u.report.areaTags, 3);
    m->doc.DetachArea(*m->doc.GetPositionAt(2));
    u = Update(page, m->doc);
    EXPECT_EQ(u.bytes, kImg + "<map name=m>\r\n  <area shape=rect coords=1,1,2,2>\r\n  <!-- B -->\r\n"
                              "  <area shape=rect coords=5,5,6,6>\r\n</map>");
    // Server code and comments between the tags stay where they stand.
    const std::string php = kImg +
                            "<map name=m>\n<?php /* west */ ?>\n<area shape=rect coords=1,1,2,2>\n"
                            "<!-- <area shape=rect coords=9,9,9,9> -->\n<area shape=rect coords=3,3,4,4>\n</map>";
    auto p = Import(php);
    Move(p->Area(1), 0, 1);
    u = Update(php, p->doc);
    EXPECT_EQ(u.bytes, kImg + "<map name=m>\n<?php /* west */ ?>\n<area shape=rect coords=1,1,2,2>\n"
                              "<!-- <area shape=rect coords=9,9,9,9> -->\n<area shape=rect coords=3,4,4,5>\n</map>");
    EXPECT_EQ(u.report.areaTags, 2);
}

// IMG attributes are set where they stand in their quotes, added after the
// last one in the writer's order, taken out when the map has none, and SRC
// stays when it names the same file.
TEST(PageUpdate, ImageTags)
{
    const std::string map = "\n<map name=\"m\"><area shape=rect coords=1,2,3,4></map>";
    struct Row {
        const char* what;
        std::string img, expected;
        std::function<void(CZephyrmapDoc&)> change;
        bool lowerCase = false;
    };
    const Row rows[] = {
        {"set, added and taken out", "<IMG SRC='img/a.png' WIDTH='100' BORDER=0 USEMAP=\"#m\" ALT=\"pic\">",
         "<IMG SRC='img/a.png' WIDTH='120' USEMAP=\"#m\" ALT=\"pic\" HEIGHT=\"80\">",
         [](CZephyrmapDoc& d) {
             d.SetAttribute(AttrWidth, "120");
             d.SetAttribute(AttrHeight, "80");
             d.SetAttribute(AttrBorder, "");
         }},
        {"added in lower case, the writer's order", "<img src=\"a.png\" usemap=\"#m\">",
         "<img src=\"a.png\" usemap=\"#m\" width=\"3\" height=\"2\" align=\"left\" alt=\"x\">",
         [](CZephyrmapDoc& d) {
             d.SetAttribute(AttrImgAlt, "x");
             d.SetAttribute(AttrAlign, "left");
             d.SetAttribute(AttrWidth, "3");
             d.SetAttribute(AttrHeight, "2");
         },
         true},
        {"over several lines", "<IMG SRC=\"a.png\"\n   VSPACE=158 HSPACE=158 ALT=\"O\" USEMAP=\"#m\">",
         "<IMG SRC=\"a.png\"\n   ALT=\"O\" USEMAP=\"#m\">",
         [](CZephyrmapDoc& d) {
             d.SetAttribute(AttrHspace, "");
             d.SetAttribute(AttrVspace, "");
         }},
        {"the last one taken out", "<img src=\"a.png\" usemap=\"#m\"\n  border=\"1\" />",
         "<img src=\"a.png\" usemap=\"#m\" />", [](CZephyrmapDoc& d) { d.SetAttribute(AttrBorder, ""); }},
        {"every repeat taken out", "<img src=a.png border=0 border=0 usemap=#m>", "<img src=a.png usemap=#m>",
         [](CZephyrmapDoc& d) { d.SetAttribute(AttrBorder, ""); }},
        {"a glued attribute taken out", "<img src=\"a.png\"align=\"top\"usemap=\"#m\">",
         "<img src=\"a.png\" usemap=\"#m\">", [](CZephyrmapDoc& d) { d.SetAttribute(AttrAlign, ""); }},
        {"an attribute without value", "<img src=a.png usemap=#m alt>", "<img src=a.png usemap=#m alt=\"x y\">",
         [](CZephyrmapDoc& d) { d.SetAttribute(AttrImgAlt, "x y"); }},
        {"a bare value needing quotes", "<img src=a.png usemap=#m alt=x>", "<img src=a.png usemap=#m alt=\"x y\">",
         [](CZephyrmapDoc& d) { d.SetAttribute(AttrImgAlt, "x y"); }},
        {"another picture", "<img src=\"img/a.png\" usemap=\"#m\">", "<img src=\"b.png\" usemap=\"#m\">",
         [](CZephyrmapDoc& d) { d.SetAttribute(AttrImageSrc, "/web/img/b.png"); }},
    };
    for (const Row& r : rows) {
        const std::string page = r.img + map;
        auto m = Import(page);
        r.change(m->doc);
        HtmlOutputOptions options;
        options.lowerCaseTags = r.lowerCase;
        const PageUpdate u = Update(page, m->doc, options);
        ASSERT_TRUE(u.Ok()) << r.what;
        EXPECT_EQ(u.bytes, r.expected + map) << r.what;
        EXPECT_EQ(u.report.changedImageTags, 1) << r.what;
    }
}

// The size comes from the picture: where the picture could not be read the
// map has none, and the page keeps its own.
TEST(PageUpdate, AnUnknownSizeLeavesThePagesSize)
{
    const std::string page = "<img src=\"http://example.com/a.png\" width=\"800\" height=\"500px\" usemap=\"#m\">\n"
                             "<map name=\"m\"><area shape=rect coords=1,2,3,4></map>";
    auto m = Import(page);
    m->doc.SetAttribute(AttrWidth, "");
    m->doc.SetAttribute(AttrHeight, "");
    PageUpdate u = Update(page, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, page);
    EXPECT_EQ(u.report.changedImageTags, 0);
    m->doc.SetAttribute(AttrWidth, "640");
    u = Update(page, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_NE(u.bytes.find("width=\"640\" height=\"500px\""), std::string::npos) << u.bytes;
}

// An XHTML end "/>" is no attribute: a map read from an HTML page and put
// into an XHTML one (or the other way) changes nothing, and a tag written
// anew keeps its end.
TEST(PageUpdate, XhtmlEnds)
{
    const std::string html = kImg + "<map name=m><area shape=rect coords=1,2,3,4 href=a.html></map>";
    const std::string xhtml = kImg + "<map name=m><area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" /></map>";
    auto fromHtml = Import(html);
    auto fromXhtml = Import(xhtml);
    EXPECT_EQ(Update(xhtml, fromHtml->doc).bytes, xhtml);
    EXPECT_EQ(Update(html, fromXhtml->doc).bytes, html);
    fromHtml->Area(0).m_otherAttrs = "title=\"t\"";
    EXPECT_EQ(Update(xhtml, fromHtml->doc).bytes,
              kImg + "<map name=m><AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"a.html\" TITLE=\"t\" /></map>");
}

// Added attributes take quotes their values allow, and never become the
// value of a last attribute written "name=" with nothing after it.
TEST(PageUpdate, AddedAttributesStandApart)
{
    const std::string map = "\n<map name=m><area shape=rect coords=1,2,3,4></map>";
    const std::string page = "<img src=a.png usemap=#m x=>" + map;
    auto m = Import(page);
    m->doc.SetAttribute(AttrImgAlt, "say \"hi\"");
    EXPECT_EQ(Update(page, m->doc).bytes, "<img src=a.png usemap=#m x=\"\" ALT='say \"hi\"'>" + map);
    // An IMG tag among the AREA tags is one of the page's too.
    const std::string within = "<map name=m><area shape=rect coords=1,2,3,4>\n<img src=a.png usemap=#m>\n</map>";
    auto w = Import(within);
    w->doc.SetAttribute(AttrBorder, "0");
    EXPECT_EQ(Update(within, w->doc).bytes,
              "<map name=m><area shape=rect coords=1,2,3,4>\n<img src=a.png usemap=#m BORDER=\"0\">\n</map>");
}

// Every live IMG tag using the map is updated; others are left alone.
TEST(PageUpdate, EveryImageTagUsingTheMap)
{
    const std::string page = "<img src=a.png usemap=#m alt=1><img src=b.png usemap=#other alt=1>"
                             "<!-- <img src=c.png usemap=#m alt=1> --><p><IMG SRC=a.png USEMAP=\"#m\" ALT=1>"
                             "<map name=m><area shape=rect coords=1,2,3,4></map><map name=other></map>";
    auto m = Import(page);
    m->doc.SetAttribute(AttrImgAlt, "2");
    const PageUpdate u = Update(page, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, "<img src=a.png usemap=#m alt=2><img src=b.png usemap=#other alt=1>"
                       "<!-- <img src=c.png usemap=#m alt=1> --><p><IMG SRC=a.png USEMAP=\"#m\" ALT=2>"
                       "<map name=m><area shape=rect coords=1,2,3,4></map><map name=other></map>");
    EXPECT_EQ(u.report.imageTags, 2);
    EXPECT_EQ(u.report.changedImageTags, 2);
}

// A name asked for that is not the map's own: the map takes its name along.
TEST(PageUpdate, AnotherMapNameAskedFor)
{
    const std::string page = "<img src=a.png usemap=\"#old\"><map id=x name=\"old\"><area shape=rect coords=1,2,3,4>"
                             "</map>";
    auto m = Import(page);
    m->doc.SetAttribute(AttrMapName, "new");
    EXPECT_EQ(Update(page, m->doc).status, PageUpdateStatus::NoSuchMap);
    const PageUpdate u = Update(page, m->doc, {}, "old");
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, "<img src=a.png usemap=\"#new\"><map id=x name=\"new\"><area shape=rect coords=1,2,3,4></map>");
}

TEST(PageUpdate, NoMapOfThatName)
{
    auto m = Import("<img src=a.png usemap=#m><map name=m><area shape=rect coords=1,2,3,4></map>");
    const std::string pages[] = {
        "<p>no map</p>",
        "<img src=a.png usemap=#m><!-- <map name=m><area shape=rect coords=1,2,3,4></map> -->",
        "<img src=a.png usemap=#m><map name=m><area shape=rect coords=1,2,3,4>", // no </map>
        "<img src=a.png usemap=#m><map name=M></map>",                           // names are exact
        "<img src=a.png usemap=#m><mapping name=m></map>",
    };
    for (const std::string& page : pages) {
        const PageUpdate u = Update(page, m->doc);
        EXPECT_EQ(u.status, PageUpdateStatus::NoSuchMap) << page;
        EXPECT_TRUE(u.bytes.empty()) << page;
    }
    // The live one of two, when the first is switched off.
    const std::string both = "<!-- <map name=m><area shape=rect coords=9,9,9,9></map> -->\n"
                             "<img src=a.png usemap=#m><map name=m><area shape=rect coords=1,2,3,4></map>";
    Move(m->Area(0), 1, 1);
    EXPECT_EQ(Update(both, m->doc).bytes,
              "<!-- <map name=m><area shape=rect coords=9,9,9,9></map> -->\n"
              "<img src=a.png usemap=#m><map name=m><area shape=rect coords=2,3,4,5></map>");
}

// The new text goes in the page's own encoding; the rest keeps its bytes.
TEST(PageUpdate, ThePagesOwnEncoding)
{
    const std::string body = "<meta charset=\"EUC-JP\"><p>地図</p>\r\n<img src=a.png usemap=#m alt=\"地\">\r\n"
                             "<map name=m>\r\n <area shape=rect coords=1,2,3,4 alt=\"地図\">\r\n</map>\r\n";
    const std::string euc = Encoded(EncodingEucJp, body);
    auto m = Import(euc);
    m->Area(0).m_alt = "案内";
    m->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
    m->doc.AreaAt(1)->m_alt = "地";
    PageUpdate u = Update(euc, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.report.encoding, EncodingEucJp);
    EXPECT_EQ(u.bytes, Encoded(EncodingEucJp, "<meta charset=\"EUC-JP\"><p>地図</p>\r\n<img src=a.png usemap=#m "
                                              "alt=\"地\">\r\n<map name=m>\r\n <area shape=rect coords=1,2,3,4 "
                                              "alt=\"案内\">\r\n <AREA SHAPE=\"rect\" COORDS=\"5,5,9,9\" "
                                              "HREF=\"n.html\" ALT=\"地\">\r\n</map>\r\n"));

    // UTF-16 with its mark: line ends and all in 16-bit units.
    const std::string utf16 = "\xFF\xFE" + Utf16Le("<img src=a.png usemap=#m>\r\n<map name=m>\r\n\t<area shape=rect "
                                                   "coords=1,2,3,4 alt=\"地図\">\r\n</map>");
    auto w = Import(utf16);
    w->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
    u = Update(utf16, w->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.report.encoding, EncodingUtf16Le);
    EXPECT_EQ(u.bytes, "\xFF\xFE" + Utf16Le("<img src=a.png usemap=#m>\r\n<map name=m>\r\n\t<area shape=rect "
                                            "coords=1,2,3,4 alt=\"地図\">\r\n\t<AREA SHAPE=\"rect\" "
                                            "COORDS=\"5,5,9,9\" HREF=\"n.html\">\r\n</map>"));
}

// JIS: the new text leaves the shift state as the page had it, returning to
// ASCII by ESC ( B where the page is in ASCII.
TEST(PageUpdate, JisShiftStates)
{
    const std::string page = "<meta charset=iso-2022-jp>\n<img src=a.png usemap=#m>\n<map name=m>"
                             "<area shape=rect coords=1,2,3,4 alt=\"\x1B$BCO?^\x1B(B\"></map>\n"
                             "<p>\x1B$BCO\x1B(B</p>\n";
    auto m = Import(page);
    ASSERT_EQ(m->Area(0).m_alt, "地図");
    m->Area(0).m_alt = "案内";
    PageUpdate u = Update(page, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.report.encoding, EncodingJis);
    EXPECT_EQ(u.bytes, "<meta charset=iso-2022-jp>\n<img src=a.png usemap=#m>\n<map name=m>"
                       "<area shape=rect coords=1,2,3,4 alt=\"\x1B$B0FFb\x1B(B\"></map>\n<p>\x1B$BCO\x1B(B</p>\n");
    // Where the page stays in JIS-Roman, so does the new text.
    const std::string roman = "<img src=a.png usemap=#m>\x1B$BCO\x1B(J<map name=m><area shape=rect coords=1,2,3,4>"
                              "</map>";
    auto r = Import(roman);
    r->Area(0).m_alt = "地";
    EXPECT_EQ(Update(roman, r->doc).bytes, "<img src=a.png usemap=#m>\x1B$BCO\x1B(J<map name=m><area shape=rect "
                                           "coords=1,2,3,4 ALT=\"\x1B$BCO\x1B(J\"></map>");
}

// What the page's encoding cannot hold goes in as character references, so
// nothing of the map is lost; page text the program could not read is never
// replaced by the U+FFFD it read: that fails the update with the line.
TEST(PageUpdate, TextThePageCannotHoldOrThatCouldNotBeRead)
{
    const std::string euc = Encoded(EncodingEucJp, "<meta charset=euc-jp><img src=a.png usemap=#m alt=\"地図\">\n"
                                                   "<map name=m>\n<area shape=rect coords=1,2,3,4>\n</map>");
    auto m = Import(euc);
    m->Area(0).m_alt = "\uE000 Café 😀"; // a user-defined character: code page 932 has it, EUC-JP not
    m->doc.SetAttribute(AttrImgAlt, "地図 ©");
    m->doc.InsertArea(NewRect(5, 5, 9, 9, "Zürich.html"));
    m->doc.AreaAt(1)->m_alt = "지도";
    PageUpdate u = Update(euc, m->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, Encoded(EncodingEucJp, "<meta charset=euc-jp><img src=a.png usemap=#m alt=\"地図 &#169;\">\n"
                                              "<map name=m>\n<area shape=rect coords=1,2,3,4 ALT=\"&#57344; Caf&#233; "
                                              "&#x1F600;\">\n<AREA SHAPE=\"rect\" COORDS=\"5,5,9,9\" "
                                              "HREF=\"Z&#252;rich.html\" ALT=\"&#51648;&#46020;\">\n</map>"));
    // The page so written says what the map says: nothing more to change.
    EXPECT_EQ(Update(u.bytes, m->doc).bytes, u.bytes);
    const std::string utf8Page = "<img src=a.png usemap=#m>\n<map name=m>\n<area shape=rect coords=1,2,3,4>\n</map>";
    u = Update(utf8Page, m->doc, {}, "", EncodingUtf8);
    ASSERT_TRUE(u.Ok());
    EXPECT_NE(u.bytes.find("ALT=\"\uE000 Café 😀\""), std::string::npos);
    EXPECT_NE(u.bytes.find("HREF=\"Zürich.html\" ALT=\"지도\""), std::string::npos);

    // A Korean page: the program reads its Korean as U+FFFD. Moving an area
    // changes its COORDS alone, but putting back the ALT it read would lose it.
    const std::string korean = "<meta charset=\"EUC-KR\">\r\n<img src=a.png usemap=#m>\r\n<map name=m>\r\n"
                               "<area shape=rect coords=1,2,3,4 alt=\"\xB3\xD7\xC0\xCC\">\r\n</map>";
    auto k = Import(korean);
    ASSERT_EQ(k->Area(0).m_alt, "\uFFFD\uFFFD");
    Move(k->Area(0), 1, 0);
    u = Update(korean, k->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.report.encoding, kForeignCharset);
    EXPECT_EQ(u.bytes, "<meta charset=\"EUC-KR\">\r\n<img src=a.png usemap=#m>\r\n<map name=m>\r\n"
                       "<area shape=rect coords=2,2,4,4 alt=\"\xB3\xD7\xC0\xCC\">\r\n</map>");
    k->Area(0).m_alt = "\uFFFD\uFFFD 2";
    u = Update(korean, k->doc);
    EXPECT_EQ(u.status, PageUpdateStatus::CannotKeep);
    EXPECT_EQ(u.line, 4u);
    k->Area(0).m_alt.clear(); // taken out is no damage
    EXPECT_TRUE(Update(korean, k->doc).Ok());
    k->Area(0).m_alt = "\uFFFD\uFFFD";
    k->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
    k->doc.AreaAt(1)->m_alt = "地図"; // a charset without tables takes references
    u = Update(korean, k->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_NE(u.bytes.find("ALT=\"&#22320;&#22259;\""), std::string::npos);
}

// Regression: two maps whose names differ only in characters Shift-JIS lacks
// were both read as "??", and updating the second overwrote the first.
TEST(PageUpdate, MapsAreFoundByTheirExactNames)
{
    const std::string page = "<img src=a.png usemap=\"#지도\" alt=\"A\">\n<img src=b.png usemap=\"#지역\" alt=\"B\">\n"
                             "<map name=\"지도\">\n<area shape=rect coords=1,2,3,4 alt=\"a\">\n</map>\n"
                             "<map name=\"지역\">\n<area shape=rect coords=5,6,7,8 alt=\"b\">\n</map>\n";
    auto second = Import(page, EncodingAuto, 1);
    ASSERT_EQ(second->doc.MapName(), "지역");
    second->Area(0).m_alt = "b2";
    second->doc.SetAttribute(AttrImgAlt, "B2");
    const PageUpdate u = Update(page, second->doc);
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.bytes, "<img src=a.png usemap=\"#지도\" alt=\"A\">\n<img src=b.png usemap=\"#지역\" alt=\"B2\">\n"
                       "<map name=\"지도\">\n<area shape=rect coords=1,2,3,4 alt=\"a\">\n</map>\n"
                       "<map name=\"지역\">\n<area shape=rect coords=5,6,7,8 alt=\"b2\">\n</map>\n");
    // The same page in Shift-JIS holds the names as references, and they are the map's names there.
    const std::string sjisPage = textout::Encode("<meta charset=shift_jis>" + page, EncodingShiftJis, false);
    auto inSjis = Import(sjisPage, EncodingAuto, 1);
    ASSERT_EQ(inSjis->doc.MapName(), "&#51648;&#50669;");
    inSjis->Area(0).m_alt = "b2";
    const PageUpdate s = Update(sjisPage, inSjis->doc);
    ASSERT_TRUE(s.Ok());
    EXPECT_EQ(s.report.changedAreaTags, 1);
    EXPECT_EQ(s.bytes.find("alt=\"a\""), sjisPage.find("alt=\"a\""));
    EXPECT_NE(s.bytes.find("alt=\"b2\""), std::string::npos);
}

// Regression: a map was found only when the page wrote its name as the
// program writes references; "&#xC9C0;&#xB3C4;" is the map 지도 too. The
// page keeps the name as it wrote it.
TEST(PageUpdate, MapNamesCompareAsBrowsersReadThem)
{
    const struct {
        const char* what;
        std::string inPage, inMap;
        int encoding;
    } rows[] = {
        {"hexadecimal references, the map's own characters", "&#xC9C0;&#xB3C4;", "지도", EncodingShiftJis},
        {"decimal references, the map's hexadecimal", "&#51648;&#46020;", "&#xC9C0;&#xB3C4;", EncodingShiftJis},
        {"the characters, the map's references", "지도", "&#51648;&#46020;", EncodingUtf8},
        {"a named reference", "caf&eacute;", "café", EncodingEucJp},
    };
    for (const auto& row : rows) {
        const std::string page =
            textout::Encode("<img src=a.png usemap=\"#" + row.inPage + "\" alt=\"A\">\n<map name=\"" + row.inPage +
                                "\">\n<area shape=rect coords=1,2,3,4 alt=\"a\">\n</map>\n",
                            row.encoding, false);
        auto imported = Import(page, row.encoding);
        ASSERT_EQ(imported->doc.AreaCount(), 2) << row.what;
        imported->doc.SetAttribute(AttrMapName, row.inMap);
        imported->Area(0).m_alt = "b";
        const PageUpdate u = Update(page, imported->doc, {}, "", row.encoding);
        ASSERT_EQ(u.status, PageUpdateStatus::Updated) << row.what;
        EXPECT_EQ(u.report.changedAreaTags, 1) << row.what;
        EXPECT_EQ(u.report.imageTags, 1) << row.what;
        EXPECT_EQ(u.report.changedImageTags, 0) << row.what;
        std::string expected = page;
        expected.replace(expected.find("alt=\"a\""), 7, "alt=\"b\"");
        EXPECT_EQ(u.bytes, expected) << row.what;
    }
}

// A tag whose text holds the start of a comment (as the reader takes it, up to
// its first '>'): writing it anew would take that start away and switch on
// what the comment hid; adding after it would put the tags inside the comment.
// And a quote left open across the map: changing the map would move its end.
TEST(PageUpdate, TangledTags)
{
    const std::string page = kImg + "<map name=m>\n<area shape=rect coords=1,2,3,4 alt=\"<!-- x\">\n"
                                    "<area shape=rect coords=5,6,7,8> -->\n</map>";
    auto m = Import(page);
    ASSERT_EQ(m->doc.AreaCount(), 2); // the second tag is inside the comment
    m->Area(0).m_otherAttrs = "title=t";
    PageUpdate u = Update(page, m->doc);
    EXPECT_EQ(u.status, PageUpdateStatus::Tangled);
    EXPECT_EQ(u.line, 3u);
    EXPECT_TRUE(u.bytes.empty());
    m->Area(0).m_otherAttrs.clear();
    m->doc.InsertArea(NewRect(5, 5, 9, 9, "n.html"));
    EXPECT_EQ(Update(page, m->doc).status, PageUpdateStatus::Tangled);
    // An IMG tag whose quote runs into the MAP element.
    const std::string open = "<img src=a.png usemap=#m alt='x>\n<map name=m><area shape=rect coords=1,2,3,4 "
                             "alt='y'></map>";
    auto o = Import(open);
    u = Update(open, o->doc);
    EXPECT_EQ(u.status, PageUpdateStatus::Tangled);
    EXPECT_EQ(u.line, 1u);
    // An IMG tag sharing text with an AREA tag: "<img" within an AREA tag's value.
    const std::string inside = kImg + "<map name=m><area shape=rect coords=1,2,3,4 alt=\"<img x\"></map>";
    auto i = Import(inside);
    EXPECT_EQ(Update(inside, i->doc).status, PageUpdateStatus::Tangled);
    // A tag ending amid JIS two-byte text: its '>' paired with a line end
    // makes no character, which reads as U+FFFD, as browsers read it, and is
    // not written over.
    const std::string jis = kImg + "<map name=m><area shape=rect coords=1,2,3,4\x1B$B>\n\x1B(B</map>";
    auto j = Import(jis, EncodingJis);
    ASSERT_EQ(j->doc.AreaCount(), 2);
    Move(j->Area(0), 1, 0);
    EXPECT_EQ(Update(jis, j->doc, {}, "", EncodingJis).status, PageUpdateStatus::CannotKeep);
    // Markup in the map's own text: the writer writes values as they are, and
    // the new page would read as another map.
    const std::string plain = kImg + "<map name=m>\n<area shape=rect coords=1,2,3,4>\n</map>";
    auto p = Import(plain);
    p->Area(0).m_alt = "x\"><area shape=rect coords=9,9,9,9";
    u = Update(plain, p->doc);
    EXPECT_EQ(u.status, PageUpdateStatus::Tangled);
    EXPECT_EQ(u.line, 2u);      // the MAP's line
    p->Area(0).m_alt = "x > y"; // a '>' ends the tag early for the reader
    EXPECT_EQ(Update(plain, p->doc).status, PageUpdateStatus::Tangled);
}

// An ideographic space before a name separates attributes, as the reader reads it.
TEST(PageUpdate, IdeographicSpaceBetweenAttributes)
{
    const std::string page = "<img src=a.png usemap=#m>\n<map name=m><area shape=\"rect\"\xE3\x80\x80"
                             "coords=\"1,2,3,4\"></map>";
    auto m = Import(page, EncodingUtf8);
    ASSERT_EQ(m->Area(0).FormatCoords(), "1,2,3,4");
    Move(m->Area(0), 1, 0);
    EXPECT_EQ(Update(page, m->doc, {}, "", EncodingUtf8).bytes,
              "<img src=a.png usemap=#m>\n<map name=m><area shape=\"rect\"\xE3\x80\x80"
              "coords=\"2,2,4,4\"></map>");
}

namespace
{

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("zm-pageupdate-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

} // namespace

TEST(PageUpdateFile, InPlaceWithABackupOrToAnotherFile)
{
    const std::string page = TempPath("page.html"), out = TempPath("out.html");
    const std::string before = kImg + "<map name=m><area shape=rect coords=1,2,3,4></map>";
    std::ofstream(page, std::ios::binary) << before;
    auto m = Import(before);
    PageUpdateTarget target;
    target.pagePath = page;
    // Nothing to change: the page and its backup are left alone.
    EXPECT_TRUE(html::UpdateMapInPageFile(target, "", m->doc, {}).Ok());
    EXPECT_FALSE(std::filesystem::exists(page + "~"));
    Move(m->Area(0), 1, 0);
    const std::string after = kImg + "<map name=m><area shape=rect coords=2,2,4,4></map>";
    ASSERT_TRUE(html::UpdateMapInPageFile(target, out, m->doc, {}).Ok());
    EXPECT_EQ(Slurp(out), after);
    EXPECT_EQ(Slurp(page), before);
    EXPECT_FALSE(std::filesystem::exists(page + "~"));
    const PageUpdate u = html::UpdateMapInPageFile(target, "", m->doc, {});
    ASSERT_TRUE(u.Ok());
    EXPECT_EQ(u.report.changedAreaTags, 1);
    EXPECT_EQ(Slurp(page), after);
    EXPECT_EQ(Slurp(page + "~"), before);
    for (const std::string& f : {page, page + "~", out})
        std::filesystem::remove(f);
}

TEST(PageUpdateFile, FailuresWriteNothing)
{
    const std::string page = TempPath("fail.html");
    const std::string before = kImg + "<map name=m><area shape=rect coords=1,2,3,4></map>";
    std::ofstream(page, std::ios::binary) << before;
    auto m = Import(before);
    Move(m->Area(0), 1, 0);
    PageUpdateTarget target;
    target.pagePath = page;

    PageUpdate u = html::UpdateMapInPageFile(target, "/nonexistent/dir/out.html", m->doc, {});
    EXPECT_EQ(u.status, PageUpdateStatus::CannotWrite);
    EXPECT_EQ(u.reason, "No such file or directory");
    std::filesystem::create_directory(page + "~"); // where the backup would go
    u = html::UpdateMapInPageFile(target, "", m->doc, {});
    EXPECT_EQ(u.status, PageUpdateStatus::CannotBackUp);
    EXPECT_FALSE(u.reason.empty());
    EXPECT_EQ(Slurp(page), before);
    std::filesystem::remove(page + "~");

    target.mapName = "absent";
    EXPECT_EQ(html::UpdateMapInPageFile(target, "", m->doc, {}).status, PageUpdateStatus::NoSuchMap);
    EXPECT_FALSE(std::filesystem::exists(page + "~"));
    EXPECT_EQ(Slurp(page), before);

    target.pagePath = TempPath("dir");
    std::filesystem::create_directory(target.pagePath);
    u = html::UpdateMapInPageFile(target, "", m->doc, {});
    EXPECT_EQ(u.status, PageUpdateStatus::CannotRead);
    EXPECT_EQ(u.reason, "Is a directory");
    std::filesystem::remove(target.pagePath);
    std::filesystem::remove(page);
}

// ---- The real pages ----

namespace
{

std::string RealPage(const std::filesystem::path& path)
{
    std::string bytes, reason;
    localfile::ReadWholeFile(path, bytes, reason);
    return bytes;
}

struct Span {
    std::size_t begin, end;
};

// Where the MAP element of the name and the IMG tags using it stand in the
// page's bytes: found apart from the code under test, with patterns over the
// ASCII of the page, comments passed over.
std::vector<Span> MapAndImageSpans(const std::string& bytes, const std::string& name)
{
    std::string lower = bytes;
    for (char& c : lower)
        c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
    std::vector<Span> spans;
    const std::regex nameAttr("\\sname\\s*=\\s*[\"']?([^\"'\\s>]*)");
    const std::regex usemap("\\susemap\\s*=\\s*[\"']?#([^\"'\\s>]*)");
    std::smatch match;
    bool mapFound = false;
    for (std::size_t i = 0; i < lower.size(); ++i) {
        if (lower.compare(i, 4, "<!--") == 0) {
            i = lower.find("-->", i + 2);
            if (i == std::string::npos)
                break;
            continue;
        }
        const bool map = lower.compare(i, 4, "<map") == 0, img = lower.compare(i, 4, "<img") == 0;
        if (!map && !img)
            continue;
        const std::size_t close = lower.find('>', i);
        const std::string tag = bytes.substr(i, close - i + 1), lowerTag = lower.substr(i, close - i + 1);
        if (img && std::regex_search(lowerTag, match, usemap) &&
            tag.substr(static_cast<std::size_t>(match.position(1)), static_cast<std::size_t>(match.length(1))) == name)
            spans.push_back({i, close + 1});
        if (map && !mapFound && std::regex_search(lowerTag, match, nameAttr) &&
            tag.substr(static_cast<std::size_t>(match.position(1)), static_cast<std::size_t>(match.length(1))) ==
                name) {
            mapFound = true;
            spans.push_back({i, lower.find("</map>", i) + 6});
        }
    }
    return spans;
}

// The result is the page with only the spans replaced: every byte between them is kept, in order.
::testing::AssertionResult ChangedOnlyWithin(const std::string& page, const std::string& result,
                                             const std::vector<Span>& spans)
{
    std::size_t from = 0, at = 0;
    for (std::size_t k = 0; k <= spans.size(); ++k) {
        const std::size_t to = k < spans.size() ? spans[k].begin : page.size();
        const std::string gap = page.substr(from, to - from);
        const std::size_t found =
            k == 0 ? (result.compare(0, gap.size(), gap) == 0 ? 0 : std::string::npos)
            : k == spans.size()
                ? (result.size() >= gap.size() + at && result.compare(result.size() - gap.size(), gap.size(), gap) == 0
                       ? result.size() - gap.size()
                       : std::string::npos)
                : result.find(gap, at);
        if (found == std::string::npos)
            return ::testing::AssertionFailure() << "the bytes from " << from << " to " << to << " changed";
        at = found + gap.size();
        if (k < spans.size())
            from = spans[k].end;
    }
    return ::testing::AssertionSuccess();
}

struct LineEnds {
    std::size_t crLf = 0, lf = 0, cr = 0;
    bool operator==(const LineEnds&) const = default;
};

LineEnds CountLineEnds(const std::string& bytes)
{
    LineEnds n;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 2, "\r\n") == 0)
            ++n.crLf, ++i;
        else if (bytes[i] == '\n')
            ++n.lf;
        else if (bytes[i] == '\r')
            ++n.cr;
    }
    return n;
}

// The areas as the writer writes them, to compare two maps by; an XHTML end
// "/>", which a page's added tags take from its others, aside.
std::vector<std::string> WrittenAreas(const CZephyrmapDoc& doc, const std::string& pagePath)
{
    std::vector<std::string> tags;
    for (const CMapData* area : html::AreasInWritingOrder(doc)) {
        tags.push_back(html::WriteAreaTag(*area, pagePath, {}));
        if (tags.back().size() > 3 && tags.back().compare(tags.back().size() - 3, 3, " />") == 0)
            tags.back().replace(tags.back().size() - 3, 3, ">");
    }
    return tags;
}

// The page's map read as the editor reads it, with the picture's size taken
// to be the one the page gives (as when the picture is there).
std::unique_ptr<Imported> ImportWithSizes(const std::string& page, std::size_t index, const std::string& pagePath)
{
    auto m = Import(page, 0, index, pagePath);
    const FoundMap found = html::FindMaps(DecodeHtmlPage(page, 0).text)[index];
    TagScanner img(found.imageTag);
    m->doc.SetAttribute(AttrWidth, img.GetAttribute("WIDTH", true).value);
    m->doc.SetAttribute(AttrHeight, img.GetAttribute("HEIGHT", true).value);
    return m;
}

} // namespace

// Over every real page with a usable map, each of its maps: updated with no
// change the page keeps every byte; with an area moved by one pixel (and
// then with one added) it changes only inside that MAP element and its IMG
// tags, stays in its own encoding and line ends, and reads back as the map.
TEST(PageUpdate, RealPages)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    int maps = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kTestData / "realworld")) {
        if (entry.path().extension() != ".html")
            continue;
        const std::string page = RealPage(entry.path()), name = entry.path().filename().string();
        const std::string pagePath = "/site/pages/" + name;
        const PageText text = DecodeHtmlPage(page, 0);
        const std::size_t found = html::FindMaps(text.text).size();
        for (std::size_t index = 0; index < found; ++index, ++maps) {
            auto m = ImportWithSizes(page, index, pagePath);
            PageUpdateTarget target;
            target.pagePath = pagePath;
            PageUpdate same = html::UpdateMapInPage(page, target, m->doc, {});
            ASSERT_TRUE(same.Ok()) << name;
            EXPECT_EQ(same.bytes, page) << name << " #" << index;
            EXPECT_EQ(same.report.encoding, text.encoding) << name;

            const std::vector<Span> spans = MapAndImageSpans(page, m->doc.MapName());
            ASSERT_FALSE(spans.empty()) << name;
            Move(m->Area(0), 1, 0);
            for (int step = 0; step < 2; ++step) {
                if (step == 1)
                    m->doc.InsertArea(NewRect(1, 2, 30, 40, "added.html"));
                const PageUpdate moved = html::UpdateMapInPage(page, target, m->doc, {});
                ASSERT_TRUE(moved.Ok()) << name << " step " << step << " line " << moved.line;
                EXPECT_EQ(moved.report.changedAreaTags, 1 + step) << name;
                EXPECT_TRUE(ChangedOnlyWithin(page, moved.bytes, spans)) << name << " step " << step;
                const PageText back = DecodeHtmlPage(moved.bytes, 0);
                EXPECT_EQ(back.encoding, text.encoding) << name;
                EXPECT_EQ(back.replaced, text.replaced) << name;
                LineEnds ends = CountLineEnds(page);
                if (step == 1) { // one more line, in the page's one kind of line end when it has one
                    std::size_t& only = ends.lf + ends.cr == 0     ? ends.crLf
                                        : ends.crLf + ends.cr == 0 ? ends.lf
                                        : ends.crLf + ends.lf == 0 ? ends.cr
                                                                   : ends.crLf;
                    ++only;
                }
                const LineEnds now = CountLineEnds(moved.bytes);
                if (ends.crLf * ends.lf + ends.crLf * ends.cr + ends.lf * ends.cr == 0 || step == 0)
                    EXPECT_EQ(now, ends) << name << " step " << step;
                auto reread = Import(moved.bytes, 0, index, pagePath);
                EXPECT_EQ(WrittenAreas(reread->doc, pagePath), WrittenAreas(m->doc, pagePath)) << name;
            }
        }
    }
    EXPECT_GE(maps, 19);
}
