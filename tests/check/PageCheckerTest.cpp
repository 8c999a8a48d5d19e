#include "check/PageChecker.h"

#include "model/CZephyrmapDoc.h"
#include "services/text/HtmlPageText.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace
{

// "code line map" for each finding.
std::vector<std::string> Summary(const std::vector<Finding>& findings)
{
    std::vector<std::string> lines;
    for (const Finding& f : findings)
        lines.push_back(std::string(CodeName(f.code)) + " " + std::to_string(f.line) + " " + (f.hasMap ? f.map : "-") +
                        (f.area >= 0 ? " @" + std::to_string(f.area) : ""));
    return lines;
}

} // namespace

TEST(PageChecker, HowEachImgFindsItsMap)
{
    const struct {
        const char* what;
        const char* page;
        std::vector<std::string> summary;
    } rows[] = {
        {"found by name", "<img alt=x usemap=\"#m\">\n<map name=\"m\"></map>", {}},
        {"no '#'", "<img alt=x usemap=\"m\">\n<map name=\"m\"></map>", {"usemap-unresolved 1 -"}},
        {"no such map",
         "<img alt=x usemap=\"#m\">\n<map name=\"n\"></map>",
         {"usemap-unresolved 1 m", "map-unused 2 n"}},
        {"only an id", "<map id=\"m\"></map>\n<img alt=x usemap=\"#m\">", {"usemap-unresolved 2 m"}},
        {"another case", "<img alt=x usemap=\"#Map\"><map name=\"map\"></map>", {"usemap-unresolved 1 Map"}},
        {"text before '#'", "<img alt=x usemap=\"page.html#m\">\n<map name=\"m\"></map>", {"usemap-unresolved 1 m"}},
        {"a blank before '#'",
         "<img alt=x usemap=\" #m\">\n<map name=\"n\"></map>",
         {"usemap-unresolved 1 m", "usemap-unresolved 1 m", "map-unused 2 n"}},
        {"the map in a comment", "<img alt=x usemap=#m>\r\n<!-- <map name=m></map> -->", {"usemap-unresolved 1 m"}},
        {"an IMG in a comment", "<!--\n<img alt=x usemap=#x>\n-->", {}},
        {"a tag that only begins alike", "<imgs usemap=#x><mapping name=m>", {}},
        {"two maps of a name",
         "<img alt=x usemap=#m>\n<map name=m></map>\r<map name=m></map>\r\n<map name=m></map>",
         {"duplicate-map-name 3 m", "duplicate-map-name 4 m"}},
        {"one map for two IMGs", "<img alt=x usemap=#m><img alt=x usemap=#m><map name=m></map>", {}},
        // Regression: names that differ only in characters Shift-JIS lacks
        // were read alike and reported as one name twice.
        {"names of any script",
         "<img alt=x usemap=\"#지도\"><img alt=x usemap=\"#지역\">\n<map name=\"지도\"></map>\n<map "
         "name=\"지역\"></map>\n"
         "<img alt=x usemap=#Café><map name=Café></map><img alt=x usemap=#😀><map name=😀></map>",
         {}},
        {"two maps of a name in any script",
         "<img alt=x usemap=#지도>\n<map name=지도></map>\n<map name=지도></map>",
         {"duplicate-map-name 3 지도"}},
        // An IMG that uses a map needs an ALT: screen readers name the map by it.
        {"an IMG without ALT", "<map name=m></map>\n<img usemap=#m>", {"img-missing-alt 2 m"}},
        {"an empty ALT is an ALT", "<img usemap=#m alt=\"\"><map name=m></map>", {}},
        {"an IMG without a map needs none here", "<img src=x.png>", {}},
        // A map no IMG uses is never shown; one an IMG reaches only by its
        // id, or in another case, is reported for the IMG.
        {"a map no IMG uses",
         "<img alt=x usemap=#m><map name=m></map>\n\n<map name=spare></map>",
         {"map-unused 3 spare"}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Summary(pagecheck::CheckMapReferences(row.page)), row.summary) << row.what;
}

TEST(PageChecker, Messages)
{
    const std::vector<Finding> f =
        pagecheck::CheckMapReferences("<img alt=x usemap=m><img alt=x usemap=#Map><map name=map></map><img alt=x "
                                      "usemap=#i><map id=i></map><map name=map></map>"
                                      "<img alt=x usemap=\"x.html#map\">");
    ASSERT_EQ(f.size(), 5u);
    EXPECT_EQ(f[0].message, "IMGのUSEMAP \"m\" に \"#\" がないため、どのマップも使われません。");
    EXPECT_EQ(f[1].message, "IMGのUSEMAPが指す名前 \"Map\" のマップがありません。マップ \"map\" "
                            "とは大文字と小文字が違うため、ブラウザはこのマップを使いません。");
    EXPECT_EQ(f[2].message, "IMGのUSEMAP \"#i\" に合うのはMAPのidだけです。"
                            "NAMEでマップを探すブラウザでは、マップが使われません。");
    EXPECT_EQ(f[3].message, "IMGのUSEMAP \"x.html#map\" は \"#\" の前に文字か空白があるため、"
                            "ブラウザやツールによってマップの探し方が違います。");
    EXPECT_EQ(f[4].message, "マップの名前 \"map\" は、1行目のマップと同じです。ブラウザは最初のマップを使います。");
}

// The page's findings, then each map's, its areas numbered as imported:
// a DEFAULT area ensured and placed last.
TEST(PageChecker, PageThenEachMap)
{
    const std::string page = "<img src=a.png usemap=#one width=100 height=50 alt=One>\n"
                             "<map name=one><area shape=default href=d.html>"
                             "<area shape=rect coords=0,0,10,10 href=a.html alt=A></map>\n"
                             "<img src=b.png usemap=#two alt=Two><map name=two>"
                             "<area shape=rect coords=0,0,10,10 href=http://x/ alt=B>"
                             "<area shape=rect coords=2,2,5,5 href=http://y/ alt=C></map>\n"
                             "<img usemap=#three alt=Three>";
    std::vector<DisplaySize> sizes;
    const auto sizeOf = [&](const CZephyrmapDoc& doc) {
        sizes.push_back(ParseDisplaySize(doc.Width(), doc.Height()));
        return sizes.back().Known() ? sizes.back() : DisplaySize{8, 8};
    };
    MapChecker checker([](const std::string& path) { return path == "/web/a.html"; });
    const std::vector<Finding> findings = pagecheck::CheckPage(page, "/web/index.html", checker, sizeOf);
    EXPECT_EQ(Summary(findings), (std::vector<std::string>{"usemap-unresolved 4 three", "missing-alt 0 one @1",
                                                           "missing-link-target 0 one @1", "outside-picture 0 two @0",
                                                           "hidden-area 0 two @1"}));
    EXPECT_EQ(sizes, (std::vector<DisplaySize>{{100, 50}, {}}));
}

namespace
{

std::string Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

// On a page, an AREA without HREF is no link and needs no ALT, whatever the
// map would write for it; one with an empty HREF is a link.
TEST(PageChecker, AreasWithoutHrefAreNoLinks)
{
    const std::string page = "<img src=a.png usemap=#m width=100 height=50 alt=Map>\n"
                             "<map name=m><area shape=rect coords=0,0,10,10>"
                             "<area shape=rect coords=20,0,30,10 href=\"\">"
                             "<area shape=rect coords=40,0,50,10 nohref>"
                             "<area shape=circle coords=70,20,5 href=http://x/ alt=\"\"></map>";
    MapChecker checker([](const std::string&) { return true; });
    const auto sizeOf = [](const CZephyrmapDoc&) { return DisplaySize{100, 50}; };
    EXPECT_EQ(Summary(pagecheck::CheckPage(page, "/web/index.html", checker, sizeOf)),
              (std::vector<std::string>{"missing-alt 0 m @1", "missing-alt 0 m @3"}));
}

TEST(PageChecker, MessagesOfImgAndMap)
{
    const std::vector<Finding> f = pagecheck::CheckMapReferences("<img usemap=#m><map name=m></map><map name=x></map>");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].message,
              "マップを使うIMGにALTがありません。スクリーンリーダーは、この画像とマップが何かを伝えられません。");
    EXPECT_EQ(f[1].message, "マップ \"x\" を使うIMGが、このページにありません。このマップは表示されません。");
}

// Real pages: an IMG whose map is not there (and without ALT), a map with no
// IMG, maps in comments, and the rest without a fault of this kind.
TEST(PageChecker, RealPages)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    const struct {
        const char* page;
        std::vector<std::string> summary;
    } rows[] = {
        {"07-usemap-without-map-ismap.html", {"usemap-unresolved 12 bbkraj", "img-missing-alt 12 bbkraj"}},
        {"15-shape-polygon-multiline-map-without-img.html", {"map-unused 18 imagemap"}},
        {"02-ja-eucjp-ecopri-top-six-maps.html", {}},
        {"06-html4-uppercase-nohref-circle.html", {}},
    };
    for (const auto& row : rows) {
        const std::string text = DecodeHtmlPage(Slurp(kTestData / "realworld" / row.page), 0).text;
        EXPECT_EQ(Summary(pagecheck::CheckMapReferences(text)), row.summary) << row.page;
    }
}
