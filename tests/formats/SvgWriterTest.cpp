#include "formats/SvgWriter.h"

#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "formats/XmlText.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"
#include "tests/formats/WorkedExampleMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#ifdef ZM_HAVE_LIBXML2
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#endif

namespace
{

std::unique_ptr<CMapData> Rectangle(int left, int top, int right, int bottom, std::string href)
{
    return Area(ShapeRect, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, std::move(href));
}

struct SvgWriterTest : ::testing::Test {
    AppSettings settings;
    CZephyrmapDoc doc{settings};

    // The map of the HTML writer's worked example.
    void SetUp() override { FillWorkedExampleMap(doc); }
    std::string Write(DisplaySize picture = {})
    {
        return svg::WriteMapSvg(doc, HtmlOutputOptions::FromSettings(settings), picture, "t");
    }
};

// The links (href values) of a text, in order.
std::vector<std::string> Links(const std::string& text, const std::string& attribute)
{
    std::vector<std::string> links;
    const std::regex link(attribute + "=\"([^\"]*)\"", std::regex::icase);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), link); it != std::sregex_iterator(); ++it)
        links.push_back((*it)[1]);
    return links;
}

} // namespace

// The DEFAULT area comes first for the pointer, beneath the others, and
// last for the keyboard; the triangle, later in
// the list than the rectangle it overlaps, is clipped by it, so the
// rectangle takes the click where both lie.
TEST_F(SvgWriterTest, WorkedExample)
{
    EXPECT_EQ(Write(), "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 400 300\" width=\"400\" height=\"300\" "
                       "style=\"max-width: 100%; height: auto\">\r\n"
                       "  <image href=\"photo.jpg\" width=\"400\" height=\"300\" preserveAspectRatio=\"none\"/>\r\n"
                       "  <defs>\r\n"
                       "    <path id=\"zmt-s1\" clip-rule=\"evenodd\" "
                       "d=\"M-1,-1h402v302h-402ZM9.9375,19.9375h100.125v50.125h-100.125Z\"/>\r\n"
                       "    <clipPath id=\"zmt-k0\"><use href=\"#zmt-s1\"/></clipPath>\r\n"
                       "  </defs>\r\n"
                       "  <a href=\"index.html#top\" tabindex=\"-1\" aria-hidden=\"true\"><rect x=\"0\" y=\"0\" "
                       "width=\"400\" height=\"300\" fill=\"transparent\"/></a>\r\n"
                       "  <a href=\"a.html\" aria-label=\"A\"><rect x=\"10\" y=\"20\" width=\"100\" height=\"50\" "
                       "fill=\"transparent\"/></a>\r\n"
                       "  <a href=\"b.html\" target=\"_blank\"><circle cx=\"230\" cy=\"80\" r=\"30\" "
                       "fill=\"transparent\"/></a>\r\n"
                       "  <g><g clip-path=\"url(#zmt-k0)\"><polygon points=\"0,0 50,0 25,40\" "
                       "fill-rule=\"evenodd\" fill=\"transparent\"/></g></g>\r\n"
                       "  <a href=\"index.html#top\"><rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" "
                       "fill=\"transparent\" pointer-events=\"none\"/></a>\r\n"
                       "</svg>");
}

// SRC and every HREF are the texts the HTML source has, in every mode.
TEST_F(SvgWriterTest, ReferencesAsTheHtmlWriterWritesThem)
{
    for (int mode = 0; mode < 8; ++mode) {
        settings.SRC_RelativePath = mode & 1;
        settings.HREF_RelativePath = (mode >> 1) & 1;
        settings.OmitInPageLinkFileName = (mode >> 2) & 1;
        const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(settings);
        const std::string source = html::WriteMapHtml(doc, options), svgText = Write();
        std::vector<std::string> htmlLinks = Links(source, "HREF"), svgLinks = Links(svgText, "<a href");
        EXPECT_EQ(Links(svgText, "<image href"), Links(source, "SRC")) << mode;
        // The DEFAULT area's link comes last in both; its copy for the pointer first in the SVG.
        htmlLinks.insert(htmlLinks.begin(), htmlLinks.back());
        EXPECT_EQ(svgLinks, htmlLinks) << mode;
    }
}

TEST_F(SvgWriterTest, FrameFromTheMapThePictureOrTheAreas)
{
    EXPECT_NE(Write({640, 480}).find("viewBox=\"0 0 400 300\" width=\"400\" height=\"300\""), std::string::npos);
    doc.SetAttribute(AttrWidth, "100%");
    const std::string pictured = Write({640, 480});
    EXPECT_NE(pictured.find("viewBox=\"0 0 640 480\" width=\"640\" height=\"480\""), std::string::npos);
    EXPECT_NE(pictured.find("<rect x=\"0\" y=\"0\" width=\"640\" height=\"480\""), std::string::npos); // DEFAULT
    // Nothing known: as far as the areas reach (the circle's box ends at 260, 110).
    EXPECT_NE(Write().find("viewBox=\"0 0 260 110\""), std::string::npos);
}

TEST_F(SvgWriterTest, TextsAreEscapedAndAttributesCarried)
{
    doc.SetAttribute(AttrImgAlt, "Tom & \"Jerry\"");
    CMapData* rect = doc.AreaAt(0);
    rect->m_alt = "<b>A&amp;B</b>";
    rect->m_otherAttrs = "onClick='go(\"x\")' TITLE=\"Tip &nbsp; here\" class=big data-id=7 SHAPE=circle hidden "
                         "xmlns:evil=\"x\" class=twice aria-label=\"dropped\"";
    const std::string text = Write();
    EXPECT_NE(text.find("aria-label=\"Tom &amp; &quot;Jerry&quot;\">"), std::string::npos) << text;
    // The title is the link's <title> child, which SVG allows it to be; HTML's
    // hidden is no SVG attribute.
    EXPECT_NE(text.find("<a href=\"a.html\" aria-label=\"&lt;b&gt;A&amp;B&lt;/b&gt;\" "
                        "onclick=\"go(&quot;x&quot;)\" class=\"big\" data-id=\"7\">"
                        "<title>Tip &#160; here</title><rect"),
              std::string::npos)
        << text;
    // A NOHREF area is a group that takes the pointer and leads nowhere, its
    // attributes with it; its typed aria-label stays, as nothing else names it.
    doc.AreaAt(2)->m_otherAttrs = "id=hole aria-label=\"a hole\"";
    EXPECT_NE(Write().find("<g id=\"hole\" aria-label=\"a hole\"><g clip-path="), std::string::npos);
}

// Each earlier shape is written once; a later area continues the chain of
// the last area over it, adding a link only for what that chain leaves out.
TEST_F(SvgWriterTest, EarlierShapesWrittenOnceAndReferredTo)
{
    doc.DeleteContents();
    doc.SetAttribute(AttrWidth, "100");
    doc.SetAttribute(AttrHeight, "100");
    doc.InsertArea(Rectangle(0, 0, 10, 10, "a"));
    doc.InsertArea(Rectangle(20, 0, 30, 10, "b"));
    doc.InsertArea(Rectangle(5, 5, 25, 8, "c"));    // over a and b, which lie apart
    doc.InsertArea(Rectangle(0, 0, 40, 40, "big")); // under all three
    doc.InsertArea(Rectangle(60, 60, 70, 70, "apart"));
    const std::string text = Write();
    for (const char* cut : {"<path id=\"zmt-s0\" clip-rule=\"evenodd\" "
                            "d=\"M-1,-1h102v102h-102ZM-0.0625,-0.0625h10.125v10.125h-10.125Z\"/>",
                            "<path id=\"zmt-s2\" clip-rule=\"evenodd\" "
                            "d=\"M-1,-1h102v102h-102ZM4.9375,4.9375h20.125v3.125h-20.125Z\"/>",
                            "<clipPath id=\"zmt-k1\" clip-path=\"url(#zmt-k0)\"><use href=\"#zmt-s1\"/></clipPath>",
                            "<clipPath id=\"zmt-k2\" clip-path=\"url(#zmt-k1)\"><use href=\"#zmt-s2\"/></clipPath>",
                            "<a href=\"c\"><g clip-path=\"url(#zmt-k1)\"><rect",
                            "<a href=\"big\"><g clip-path=\"url(#zmt-k2)\"><rect", "<a href=\"apart\"><rect"}) {
        EXPECT_NE(text.find(cut), std::string::npos) << cut << "\n" << text;
    }
    EXPECT_EQ(Links(text, "id").size(), 6u) << text; // three shapes, three links
}

// Shapes that only touch share the pixels along the touch, which are the
// earlier one's: the later one is cut there too.
TEST_F(SvgWriterTest, ShapesThatOnlyTouchShareTheirEdge)
{
    doc.DeleteContents();
    doc.SetAttribute(AttrWidth, "100");
    doc.SetAttribute(AttrHeight, "100");
    doc.InsertArea(Rectangle(0, 0, 10, 10, "upper"));
    doc.InsertArea(Rectangle(5, 10, 20, 20, "touching"));
    doc.InsertArea(Rectangle(11, 0, 20, 9, "apart"));
    const std::string text = Write();
    EXPECT_NE(text.find("<a href=\"touching\"><g clip-path=\"url(#zmt-k0)\"><rect"), std::string::npos) << text;
    EXPECT_NE(text.find("<a href=\"apart\"><rect"), std::string::npos) << text;
}

// A circle's cut holds the whole pixels on its outline and none beyond: its
// radius lies between r and the root of r² + 1.
TEST_F(SvgWriterTest, CutsTakeTheOutline)
{
    doc.DeleteContents();
    doc.SetAttribute(AttrWidth, "100");
    doc.SetAttribute(AttrHeight, "100");
    doc.InsertArea(Area(ShapeCirc, {{30, 30}, {70, 30}, {70, 70}, {30, 70}}, "c"));
    doc.InsertArea(Rectangle(0, 0, 100, 100, "under"));
    const std::string text = Write();
    const std::smatch arc = [&] {
        std::smatch m;
        std::regex_search(text, m, std::regex("A([0-9.]+),"));
        return m;
    }();
    ASSERT_FALSE(arc.empty()) << text;
    const double r = std::stod(arc[1]);
    EXPECT_GT(r, 20.0);
    EXPECT_LT(r, std::sqrt(20.0 * 20 + 1));
}

// Two outputs on one page, of one map or of two, share no id.
TEST_F(SvgWriterTest, TwoOutputsShareNoId)
{
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(settings);
    AppSettings otherSettings;
    CZephyrmapDoc other{otherSettings};
    FillWorkedExampleMap(other);
    other.SetAttribute(AttrMapName, "Other");
    const std::vector<std::string> texts = {svg::WriteMapSvg(doc, options), svg::WriteMapSvg(doc, options),
                                            svg::WriteMapSvg(other, options)};
    std::set<std::string> seen;
    std::size_t ids = 0;
    for (const std::string& text : texts) {
        for (const std::string& id : Links(text, " id")) {
            EXPECT_TRUE(seen.insert(id).second) << id;
            ++ids;
        }
    }
    EXPECT_EQ(ids, 6u); // each output cuts the triangle by the rectangle: a path and a clip path
}

// A linked DEFAULT area takes the pointer beneath every other area, as a
// copy first that the keyboard and screen readers pass over, and comes last
// for them, as in the image map, letting the pointer through.
TEST_F(SvgWriterTest, DefaultAreaBeneathForThePointerLastForTheKeyboard)
{
    doc.FindDefaultArea()->m_alt = "Elsewhere";
    doc.FindDefaultArea()->m_otherAttrs = "id=rest onclick=\"go()\" class=c";
    const std::string text = Write();
    const std::size_t pointer =
        text.find("<a href=\"index.html#top\" tabindex=\"-1\" aria-hidden=\"true\" onclick=\"go()\">"
                  "<rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" fill=\"transparent\"/></a>");
    const std::size_t keyboard =
        text.find("<a href=\"index.html#top\" aria-label=\"Elsewhere\" id=\"rest\" onclick=\"go()\" class=\"c\">"
                  "<rect x=\"0\" y=\"0\" width=\"400\" height=\"300\" fill=\"transparent\" "
                  "pointer-events=\"none\"/></a>\r\n</svg>");
    ASSERT_NE(pointer, std::string::npos) << text;
    ASSERT_NE(keyboard, std::string::npos) << text;
    EXPECT_LT(pointer, text.find("<a href=\"a.html\""));
    // Without a link, it only blocks the pointer, beneath the others.
    doc.FindDefaultArea()->m_noHref = 1;
    EXPECT_EQ(Links(Write(), "<a href").size(), 2u); // the rectangle and the circle
}

// An area whose COORDS name no shape keeps its link, at no size.
TEST_F(SvgWriterTest, AreaWithoutShapeKeepsItsLink)
{
    doc.AreaAt(0)->m_points.clear();
    EXPECT_NE(Write().find("<a href=\"a.html\" aria-label=\"A\"><rect x=\"0\" y=\"0\" width=\"0\" height=\"0\""),
              std::string::npos);
}

TEST(XmlText, Escape)
{
    const struct {
        const char* html;
        const char* xml;
    } rows[] = {
        {"A & B", "A &amp; B"},
        {"A &amp; B", "A &amp; B"}, // a reference stays
        {"&lt;&gt;&quot;&apos;", "&lt;&gt;&quot;&apos;"},
        {"&nbsp;&copy;&hellip;", "&#160;&#169;&#8230;"}, // HTML names XML lacks become numbers
        {"&Uuml;ber &uuml;&yuml;&OElig;&Omega;&diams;", "&#220;ber &#252;&#255;&#338;&#937;&#9830;"},
        {"&#12354;&#x3042;", "&#12354;&#x3042;"},
        {"&#0;&#xD800;", "&amp;#0;&amp;#xD800;"}, // no character XML allows
        {"&unknown; &amp &;", "&amp;unknown; &amp;amp &amp;;"},
        {"<a href=\"x\">", "&lt;a href=&quot;x&quot;&gt;"},
        {"tab\there\x01\x1F", "tab\there"}, // controls XML refuses are left out
        {"ソァ Café 😀", "ソァ Café 😀"},     // characters beyond ASCII as they are
        {"地<図\"", "地&lt;図&quot;"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(xmltext::Escape(row.html), row.xml) << row.html;
    // A name Shift-JIS holds gives its bytes there (漢 is 8A BF), as ids always had.
    EXPECT_EQ(xmltext::IdPart("Map 1:漢.x_"), "Map_201_3A_8A_BF.x_5F");
    EXPECT_NE(xmltext::IdPart("a b"), xmltext::IdPart("a_b"));
    // Any other name its characters' numbers, which no name of the first kind gives.
    EXPECT_EQ(xmltext::IdPart("지도 é"), "_u00C9C0_u00B3C4_20_u0000E9");
    EXPECT_NE(xmltext::IdPart("é"), xmltext::IdPart("ﾃｩ")); // ﾃｩ is C3 A9 in Shift-JIS, é is C3 A9 in UTF-8
    EXPECT_NE(xmltext::IdPart("지도"), xmltext::IdPart("지역"));
}

// What SVG allows on a link is carried, once, in lower case; the rest is
// named as left out: HTML-only attributes and names XML would refuse. The
// area's own attributes are written elsewhere and are neither.
TEST(SvgCarriedAttributes, ValidNamesOnceEach)
{
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    const struct {
        const char* typed;
        Pairs carried;
        std::vector<std::string> leftOut;
    } rows[] = {
        {"onClick=\"Go()\" TITLE='T'", {{"onclick", "Go()"}, {"title", "T"}}, {}},
        {"class=a class=b", {{"class", "a"}}, {}},
        {"data-x=1 aria-hidden=true role=link", {{"data-x", "1"}, {"aria-hidden", "true"}, {"role", "link"}}, {}},
        {"href=x alt=y shape=rect coords=1 nohref target=_top", {}, {}},
        {"xmlns:x=y on=1 data-=2 on-x=3 1id=4 id=ok", {{"id", "ok"}}, {"xmlns:x", "on", "data-", "on-x", "1id"}},
        {"download rel=\"next prev\" hreflang=en ping=p referrerpolicy=no-referrer type=text/html",
         {{"download", ""},
          {"rel", "next prev"},
          {"hreflang", "en"},
          {"ping", "p"},
          {"referrerpolicy", "no-referrer"},
          {"type", "text/html"}},
         {}},
        {"accesskey=a autocapitalize=on dir=rtl draggable=true enterkeyhint=go inputmode=text itemprop=x "
         "spellcheck=true translate=no hidden lang=en tabindex=0 style=\"color: red\" autofocus",
         {{"lang", "en"}, {"tabindex", "0"}, {"style", "color: red"}, {"autofocus", ""}},
         {"accesskey", "autocapitalize", "dir", "draggable", "enterkeyhint", "inputmode", "itemprop", "spellcheck",
          "translate", "hidden"}},
        {"DIR=ltr dir=rtl", {}, {"dir"}},
        {"title=\"never closed", {}, {}},
        {"", {}, {}},
    };
    for (const auto& row : rows) {
        Pairs got;
        for (const svg::CarriedAttribute& a : svg::CarriedAttributes(row.typed))
            got.emplace_back(a.name, a.value);
        EXPECT_EQ(got, row.carried) << row.typed;
        EXPECT_EQ(svg::LeftOutAttributes(row.typed), row.leftOut) << row.typed;
    }
}

#ifdef ZM_HAVE_LIBXML2
namespace
{

std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Property(xmlNode* node, const char* name)
{
    xmlChar* value = xmlGetProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    xmlFree(value);
    return text;
}

// An attribute value of the HTML source (Shift-JIS) as a browser reads it,
// its references resolved by libxml2's HTML parser, in UTF-8.
std::string AsBrowsersRead(const std::string& sjisValue)
{
    const std::string page = "<p title=" + utf8::SjisToUtf8(html::QuotedValue(sjisValue)) + ">";
    htmlDocPtr doc = htmlReadMemory(page.data(), static_cast<int>(page.size()), nullptr, "UTF-8",
                                    HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
    xmlNode* node = xmlDocGetRootElement(doc);
    while (node && xmlStrcmp(node->name, reinterpret_cast<const xmlChar*>("p")))
        node = node->children;
    const std::string value = node ? Property(node, "title") : "?";
    xmlFreeDoc(doc);
    return value;
}

// The links of the parsed SVG that the keyboard meets, in order: href and aria-label.
std::vector<std::pair<std::string, std::string>> ParsedLinks(xmlNode* svg)
{
    std::vector<std::pair<std::string, std::string>> links;
    for (xmlNode* n = svg->children; n; n = n->next) {
        if (n->type == XML_ELEMENT_NODE && !xmlStrcmp(n->name, reinterpret_cast<const xmlChar*>("a")) &&
            Property(n, "aria-hidden") != "true") // the DEFAULT area's copy for the pointer
            links.emplace_back(Property(n, "href"), Property(n, "aria-label"));
    }
    return links;
}

} // namespace

// Every map of every real page, written as SVG and taken to UTF-8 as the
// command writes it, is well-formed XML with one link per linked area, in
// list order (the DEFAULT area last), named by its ALT: link and name read
// from the SVG as a browser reads them from the HTML source.
TEST(SvgWriterRealPages, WellFormedWithOneLinkPerLinkedArea)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    int maps = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kTestData / "realworld")) {
        if (entry.path().extension() != ".html")
            continue;
        std::vector<FoundMap> found = html::FindMaps(DecodeHtmlPage(Slurp(entry.path()), 0).text);
        for (std::size_t i = 0; i < found.size(); ++i, ++maps) {
            AppSettings settings;
            CZephyrmapDoc doc(settings);
            found[i].documentPath = "/site/page.html";
            html::BuildDocumentFromMap(doc, found, static_cast<int>(i));
            const std::string where = entry.path().filename().string() + " map " + std::to_string(i);
            const std::string text = utf8::SjisToUtf8(svg::WriteMapSvg(doc, HtmlOutputOptions::FromSettings(settings)));
            xmlDocPtr xml = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, "UTF-8",
                                          XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
            ASSERT_NE(xml, nullptr) << where << "\n" << text;
            std::vector<std::pair<std::string, std::string>> expected;
            const std::vector<const CMapData*> written = html::AreasInWritingOrder(doc);
            for (const CMapData* area : written) {
                if (area->m_noHref)
                    continue;
                // The link and its name as a browser reads them in the HTML source.
                const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(settings);
                expected.emplace_back(AsBrowsersRead(html::LinkReference(*area, doc.HtmlPath(), options)),
                                      AsBrowsersRead(area->m_alt));
            }
            EXPECT_EQ(ParsedLinks(xmlDocGetRootElement(xml)), expected) << where;
            xmlFreeDoc(xml);
        }
    }
    EXPECT_GT(maps, 15);
}
#endif
