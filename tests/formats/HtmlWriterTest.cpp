#include "formats/HtmlWriter.h"

#include "formats/HtmlOutputOptions.h"
#include "model/CZephyrmapDoc.h"
#include "services/paths/LocalFile.h"
#include "services/settings/AppSettings.h"
#include "tests/formats/WorkedExampleMap.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{

struct WriterTest : ::testing::Test {
    AppSettings settings;
    CZephyrmapDoc doc{settings};

    // The worked example of the output format.
    void SetUp() override
    {
        settings.DefaultAreaTailInEffect = 0;
        FillWorkedExampleMap(doc);
    }
    std::string Write()
    {
        HtmlOutputOptions o = HtmlOutputOptions::FromSettings(settings);
        return html::WriteMapHtml(doc, o);
    }
};

} // namespace

TEST_F(WriterTest, WorkedExample)
{
    EXPECT_EQ(Write(), "<IMG SRC=\"photo.jpg\" USEMAP=\"#ZephyrmapMap\" WIDTH=\"400\" HEIGHT=\"300\">\r\n"
                       "<MAP NAME=\"ZephyrmapMap\">\r\n"
                       "  <AREA SHAPE=\"rect\" COORDS=\"10,20,110,70\" HREF=\"a.html\" ALT=\"A\">\r\n"
                       "  <AREA SHAPE=\"circle\" COORDS=\"230,80,30\" HREF=\"b.html\" TARGET=\"_blank\">\r\n"
                       "  <AREA SHAPE=\"poly\" COORDS=\"0,0,50,0,25,40\" NOHREF>\r\n"
                       "  <AREA SHAPE=\"default\" COORDS=\"0,0,0,0\" HREF=\"index.html#top\">\r\n"
                       "</MAP>");
}

TEST_F(WriterTest, RelativeAndLowerCaseVariants)
{
    settings.HREF_RelativePath = 1;
    std::string text = Write();
    EXPECT_NE(text.find("HREF=\"./a.html\""), std::string::npos);
    EXPECT_NE(text.find("HREF=\"#top\""), std::string::npos);
    EXPECT_NE(text.find("HREF=\"b.html\""), std::string::npos); // typed: as typed
    settings.SRC_RelativePath = 1;
    EXPECT_EQ(Write().substr(0, 30), "<IMG SRC=\"./img/photo.jpg\" USE");
    settings.HtmlOption |= kLowerCaseTags;
    text = Write();
    EXPECT_EQ(text.substr(0, 10), "<img src=\"");
    for (const char* piece : {"usemap=", "<map name=", "<area shape=\"rect\" coords=", " nohref>", "</map>"})
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
}

TEST_F(WriterTest, OnlyAnAttributelessDefaultArea)
{
    doc.ClearContents();
    doc.SetAttribute(AttrMapName, "m");
    doc.EnsureDefaultArea();
    EXPECT_EQ(Write(), "<IMG SRC=\"\" USEMAP=\"#m\">\r\n<MAP NAME=\"m\">\r\n</MAP>");
    doc.ClearContents();
    EXPECT_EQ(Write(), "<IMG SRC=\"\" USEMAP=\"#\">\r\n<MAP NAME=\"\">\r\n</MAP>");
}

TEST_F(WriterTest, UrlAndRootRelativePicturesAreWrittenWhole)
{
    settings.SRC_RelativePath = 1;
    doc.SetAttribute(AttrImageSrc, "http://example.com/img/photo.jpg");
    EXPECT_EQ(Write().substr(0, 44), "<IMG SRC=\"http://example.com/img/photo.jpg\" ");
    doc.SetAttribute(AttrImageSrc, "/img/photo.jpg"); // root-relative, read from a page as written
    EXPECT_EQ(Write().substr(0, 26), "<IMG SRC=\"/img/photo.jpg\" ");
    doc.SetAttribute(AttrImageSrc, "/web/pics/missing.jpg"); // resolved from a relative reference
    EXPECT_EQ(Write().substr(0, 30), "<IMG SRC=\"./pics/missing.jpg\" ");
}

TEST(HtmlWriter, NoHrefWithTargetAndAlt)
{
    CMapData a;
    a.m_shape = ShapeRect;
    a.m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
    a.m_href = "x.html";
    a.m_noHref = 1;
    a.m_target = "t";
    a.m_alt = "a";
    EXPECT_EQ(html::WriteAreaTag(a, "", HtmlOutputOptions()),
              "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" NOHREF TARGET=\"t\" ALT=\"a\">");
}

TEST(HtmlWriter, OtherAttributesAndTheirCase)
{
    CMapData a;
    a.m_shape = ShapeRect;
    a.m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
    a.m_href = "Go.html";
    a.m_otherAttrs = "onClick=\"Go()\"";
    HtmlOutputOptions o;
    EXPECT_EQ(html::WriteAreaTag(a, "", o),
              "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"Go.html\" ONCLICK=\"Go()\">");
    o.keepOtherAttrsCase = true;
    EXPECT_EQ(html::WriteAreaTag(a, "", o),
              "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"Go.html\" onClick=\"Go()\">");
    o.keepOtherAttrsCase = false;
    o.lowerCaseTags = true;
    EXPECT_EQ(html::WriteAreaTag(a, "", o),
              "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"Go.html\" onclick=\"Go()\">");
}

// Regression: the first '>' was taken for the end of the tag, so a link
// "a>b.html" with other attributes came out as HREF="a onclick="X">b.html".
TEST(HtmlWriter, GreaterThanInsideAValue)
{
    CMapData a;
    a.m_shape = ShapeRect;
    a.m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
    a.m_href = "a>b.html";
    a.m_alt = "x > y";
    a.m_otherAttrs = "onclick=\"x\"";
    HtmlOutputOptions o;
    EXPECT_EQ(html::WriteAreaTag(a, "", o),
              "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"a>b.html\" ALT=\"x > y\" ONCLICK=\"x\">");
    o.keepOtherAttrsCase = true;
    o.lowerCaseTags = true;
    EXPECT_EQ(html::WriteAreaTag(a, "", o),
              "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"a>b.html\" alt=\"x > y\" onclick=\"x\">");
    std::string tags = "<img alt=\"1>0\" src=x><a title='p>q' name=n>";
    html::ConvertTagCase(tags, false);
    EXPECT_EQ(tags, "<IMG ALT=\"1>0\" SRC=x><A TITLE='p>q' NAME=n>");
    std::string open = "<a alt=\"never closed> b=c"; // no closing quote: the first '>' ends it, as before
    html::InsertOtherAttributes(open, "x=1");
    EXPECT_EQ(open, "<a alt=\"never closed x=1> b=c");
}

// A quote inside a value must not end it: the tag would break, and the case
// conversion would take the rest of the text for attribute names.
TEST(HtmlWriter, QuotesInsideAValue)
{
    CMapData a;
    a.m_shape = ShapeRect;
    a.m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
    a.m_alt = "19\" monitor";
    a.m_target = "it's";
    a.m_otherAttrs = "onclick='show(\"a\")' title=\"x\"";
    HtmlOutputOptions o;
    EXPECT_EQ(html::WriteAreaTag(a, "", o), "<AREA SHAPE=\"rect\" COORDS=\"1,2,3,4\" HREF=\"\" TARGET=\"it's\" "
                                            "ALT='19\" monitor' ONCLICK='show(\"a\")' TITLE=\"x\">");
    o.lowerCaseTags = true;
    a.m_alt = "5\" disk, 3.5' drive";
    EXPECT_EQ(html::WriteAreaTag(a, "", o), "<area shape=\"rect\" coords=\"1,2,3,4\" href=\"\" target=\"it's\" "
                                            "alt=\"5&quot; disk, 3.5' drive\" onclick='show(\"a\")' title=\"x\">");
    // Characters beyond ASCII stay as they are beside the quotes.
    EXPECT_EQ(html::QuotedValue("ア\"'😀\""), "\"ア&quot;'😀&quot;\"");
    EXPECT_EQ(html::QuotedValue("Café \"crème\""), "'Café \"crème\"'");
}

TEST(HtmlWriter, ConvertTagCaseRules)
{
    std::string t = "<area Shape=Rect Coords = \"A,B\" NoHref><!-- Keep --> text <b Title=X=Y>";
    html::ConvertTagCase(t, false);
    EXPECT_EQ(t, "<AREA SHAPE=Rect COORDS = \"A,B\" NOHREF><!-- Keep --> text <B TITLE=X=Y>");
    std::string world = "<a title=\"ア café\" x=été data-ü=ñy>"; // letters beyond ASCII keep their case
    html::ConvertTagCase(world, false);
    EXPECT_EQ(world, "<A TITLE=\"ア café\" X=été DATA-ü=ñy>");
    std::string empty = "<a b= >";
    html::ConvertTagCase(empty, false);
    EXPECT_EQ(empty, "<A B= >");
}

TEST(HtmlWriter, Indentation)
{
    HtmlOutputOptions o;
    o.indentAmount = 3;
    o.indentStyle = IndentStyle::Tabs;
    EXPECT_EQ(html::MakeIndent(o), "\t\t\t");
    AppSettings s;
    s.HtmlOption = 0x18; // both bits: tabs win
    s.nIndentSpace = 3;
    EXPECT_EQ(html::MakeIndent(HtmlOutputOptions::FromSettings(s)), "\t\t\t");
    s.HtmlOption = 0x08;
    EXPECT_EQ(html::MakeIndent(HtmlOutputOptions::FromSettings(s)), "   ");
    s.HtmlOption = 0;
    EXPECT_EQ(html::MakeIndent(HtmlOutputOptions::FromSettings(s)), "");
    s.HtmlOption = 0x08;
    s.nIndentSpace = 0;
    EXPECT_EQ(html::MakeIndent(HtmlOutputOptions::FromSettings(s)), "");
}

// An existing picture with a Japanese name counts as a local file: its
// Shift-JIS path has to reach the file system in the platform's encoding.
TEST(HtmlOutputOptions, ExistingPictureWithAJapaneseNameIsLocal)
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "zm-local-写真";
    std::filesystem::create_directories(dir);
    const std::filesystem::path picture = dir / "地図.png";
    std::ofstream(picture) << "x";
    const HtmlOutputOptions options = HtmlOutputOptions::FromSettings(AppSettings());
    const std::string path = localfile::TextOf(picture);
    EXPECT_TRUE(options.isLocalFile(path, "/elsewhere/page.html"));
    std::filesystem::remove_all(dir);
    EXPECT_FALSE(options.isLocalFile(path, "/elsewhere/page.html"));
}
