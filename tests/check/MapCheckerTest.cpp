#include "check/MapChecker.h"

#include "check/CheckTexts.h"
#include "formats/HtmlReader.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <unistd.h>

namespace
{

std::unique_ptr<CMapData> Area(int shape, std::vector<Point> points, const std::string& href = "x.html",
                               const std::string& alt = "x")
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = shape;
    a->m_points = std::move(points);
    a->m_href = href;
    a->m_alt = alt;
    a->BuildRegion();
    return a;
}

std::unique_ptr<CMapData> Rect4(int left, int top, int right, int bottom, const std::string& href = "x.html")
{
    return Area(ShapeRect, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}, href);
}

std::unique_ptr<CMapData> Circle(int left, int top, int side)
{
    return Area(ShapeCirc, {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}});
}

std::unique_ptr<CMapData> NoHref(std::unique_ptr<CMapData> a)
{
    a->m_noHref = 1;
    a->m_alt.clear();
    return a;
}

std::unique_ptr<CMapData> DefaultArea(const std::string& href, const std::string& alt = "elsewhere")
{
    return Area(ShapeDefault, {{0, 0}, {0, 0}}, href, alt);
}

// A map of 100 x 100 pixels whose areas a row builds, every link found.
struct Map {
    AppSettings settings;
    CZephyrmapDoc doc{settings};
    std::set<std::string> files;

    explicit Map(std::vector<std::unique_ptr<CMapData>> areas)
    {
        doc.SetAttribute(AttrMapName, "m");
        for (auto& a : areas)
            doc.AppendArea(std::move(a));
    }
    std::vector<Finding> Check(DisplaySize picture = {100, 100}, bool filesThere = true)
    {
        MapChecker checker([&](const std::string& path) {
            files.insert(path);
            return filesThere;
        });
        return checker.Check(doc, picture);
    }
};

template <typename... A> std::vector<std::unique_ptr<CMapData>> List(A... areas)
{
    std::vector<std::unique_ptr<CMapData>> list;
    (list.push_back(std::move(areas)), ...);
    return list;
}

// "code@area" for each finding.
std::vector<std::string> Codes(const std::vector<Finding>& findings)
{
    std::vector<std::string> codes;
    for (const Finding& f : findings)
        codes.push_back(std::string(CodeName(f.code)) + "@" + std::to_string(f.area));
    return codes;
}

} // namespace

TEST(MapChecker, CodeNames)
{
    EXPECT_STREQ(CodeName(FindingCode::MissingAlt), "missing-alt");
    EXPECT_STREQ(CodeName(FindingCode::OutsidePicture), "outside-picture");
    EXPECT_STREQ(CodeName(FindingCode::EmptyArea), "empty-area");
    EXPECT_STREQ(CodeName(FindingCode::HiddenArea), "hidden-area");
    EXPECT_STREQ(CodeName(FindingCode::DuplicateArea), "duplicate-area");
    EXPECT_STREQ(CodeName(FindingCode::MissingLinkTarget), "missing-link-target");
    EXPECT_STREQ(CodeName(FindingCode::UsemapUnresolved), "usemap-unresolved");
    EXPECT_STREQ(CodeName(FindingCode::DuplicateMapName), "duplicate-map-name");
}

// Each code with a map that has it and one that does not.
TEST(MapChecker, EachCodeWithAMapThatHasItAndOneThatDoesNot)
{
    const struct {
        const char* what;
        std::function<std::vector<std::unique_ptr<CMapData>>()> areas;
        std::vector<std::string> codes;
    } rows[] = {
        {"a clean map", [] { return List(Rect4(0, 0, 50, 50), Circle(50, 50, 50), DefaultArea("d.html")); }, {}},
        {"a link without ALT",
         [] {
             auto a = Rect4(0, 0, 10, 10);
             a->m_alt = "  ";
             return List(std::move(a));
         },
         {"missing-alt@0"}},
        {"a NOHREF area needs no ALT", [] { return List(NoHref(Rect4(0, 0, 10, 10))); }, {}},
        {"the DEFAULT area's link without ALT",
         [] { return List(Rect4(0, 0, 10, 10), DefaultArea("d.html", "")); },
         {"missing-alt@1"}},
        {"a DEFAULT area with nothing is not written", [] { return List(DefaultArea("", "")); }, {}},
        {"right to the edge is inside", [] { return List(Rect4(0, 0, 100, 100)); }, {}},
        {"one pixel beyond", [] { return List(Rect4(50, 50, 101, 60)); }, {"outside-picture@0"}},
        {"negative coordinates", [] { return List(Circle(-5, 10, 20)); }, {"outside-picture@0"}},
        {"a rectangle of no width", [] { return List(Rect4(10, 10, 10, 40)); }, {"empty-area@0"}},
        {"a circle of radius 0", [] { return List(Circle(10, 10, 1)); }, {"empty-area@0"}},
        {"a rectangle without its points", [] { return List(Area(ShapeRect, {})); }, {"empty-area@0"}},
        {"a polygon of two points",
         [] {
             return List(Area(ShapePoly, {{0, 0}, {10, 10}, {0, 0}, {10, 10}}));
         },
         {"empty-area@0"}},
        {"a polygon on one line",
         [] {
             return List(Area(ShapePoly, {{0, 0}, {10, 10}, {20, 20}, {5, 5}}));
         },
         {"empty-area@0"}},
        {"a thin triangle has area",
         [] {
             return List(Area(ShapePoly, {{0, 0}, {90, 1}, {0, 2}}));
         },
         {}},
        {"inside an earlier area", [] { return List(Rect4(0, 0, 50, 50), Circle(10, 10, 20)); }, {"hidden-area@1"}},
        {"under two earlier ones together",
         [] { return List(Rect4(0, 0, 30, 50), Rect4(30, 0, 60, 50), Rect4(20, 10, 40, 20)); },
         {"hidden-area@2"}},
        {"one column still reachable", [] { return List(Rect4(0, 0, 10, 10), Rect4(9, 0, 11, 10)); }, {}},
        {"an earlier NOHREF area blocks as well",
         [] { return List(NoHref(Rect4(0, 0, 50, 50)), Rect4(10, 10, 20, 20)); },
         {"hidden-area@1"}},
        {"a later area over an earlier one hides nothing",
         [] { return List(Circle(10, 10, 20), Rect4(0, 0, 50, 50)); },
         {}},
        {"the DEFAULT area under areas covering the picture",
         [] { return List(Rect4(0, 0, 100, 60), Rect4(0, 60, 100, 100), DefaultArea("d.html")); },
         {"hidden-area@2"}},
        {"the same shape and link twice",
         [] { return List(Rect4(0, 0, 50, 50), Rect4(0, 0, 50, 50)); },
         {"duplicate-area@1"}},
        {"the same shape with another link is hidden",
         [] { return List(Rect4(0, 0, 50, 50), Rect4(0, 0, 50, 50, "other.html")); },
         {"hidden-area@1"}},
    };
    for (const auto& row : rows) {
        Map map(row.areas());
        EXPECT_EQ(Codes(map.Check()), row.codes) << row.what;
    }
}

TEST(MapChecker, FindingsNameTheMapAndSayWhat)
{
    Map map(List(Rect4(0, 0, 50, 50), Rect4(0, 0, 50, 50), Rect4(90, 90, 120, 95), Rect4(200, 0, 210, 10)));
    const std::vector<Finding> findings = map.Check();
    ASSERT_EQ(findings.size(), 3u);
    EXPECT_EQ(findings[0].map, "m");
    EXPECT_TRUE(findings[0].hasMap);
    EXPECT_EQ(findings[0].line, 0u);
    EXPECT_EQ(findings[0].message, "エリア 0 と形・座標・リンクが同じです。");
    EXPECT_EQ(findings[1].message, "エリアが画像(100×100)の外にはみ出しています。");
    EXPECT_EQ(findings[2].message, "エリアが画像(100×100)の外にあるため、クリックできません。");
}

// Without the picture's size nothing is outside it, areas still hide one
// another, and the DEFAULT area is never called hidden.
TEST(MapChecker, WithoutThePictureSize)
{
    Map map(List(Rect4(0, 0, 500, 500), Rect4(-10, 10, 20, 20), DefaultArea("d.html")));
    EXPECT_EQ(Codes(map.Check(DisplaySize())), (std::vector<std::string>{"hidden-area@1"}));
}

// Areas are taken as written: the DEFAULT area last wherever it stands.
TEST(MapChecker, TheDefaultAreaIsTakenLast)
{
    Map map(List(DefaultArea("d.html"), Rect4(0, 0, 100, 100)));
    EXPECT_EQ(Codes(map.Check()), (std::vector<std::string>{"hidden-area@0"}));
}

TEST(MapChecker, LinkTargets)
{
    const struct {
        const char* href;
        int picked;
        const char* file;      // "" for none looked for
        const char* unescaped; // the file its %XX escapes name, "" for none
    } rows[] = {
        {"/web/sub/a.html#top", 1, "/web/sub/a.html", ""},
        {"sub/b.html?x=1#y", 0, "/web/sub/b.html", ""},
        {"../c.html", 0, "/c.html", ""},
        {"#top", 0, "/web/index.html", ""},
        {"http://example.com/a.html", 0, "", ""},
        {"mailto:a@example.com", 0, "", ""},
        {"javascript:go()", 0, "", ""},
        {"//cdn.example.com/x", 0, "", ""},
        {"/root/relative.html", 0, "", ""},
        {"", 0, "", ""},
        // Regression: a typed link's references were part of its file name,
        // and its '#' cut it short.
        {"Z&#252;rich.html", 0, "/web/Zürich.html", ""},
        {"sub/caf&eacute;.html#&#233;", 0, "/web/sub/café.html", ""},
        {"t%231.html?q", 0, "/web/t%231.html", "/web/t#1.html"},
        {"%23top.html", 0, "/web/%23top.html", "/web/#top.html"},
    };
    for (const auto& row : rows) {
        auto area = Area(ShapeRect, {}, row.href);
        area->m_hrefIsPath = row.picked;
        const LinkedFiles target = MapChecker::LinkTarget(*area, "/web/index.html");
        EXPECT_EQ(target.file, row.file) << row.href;
        EXPECT_EQ(target.unescaped, row.unescaped) << row.href;
        EXPECT_EQ(MapChecker::LinkedFile(*area, "/web/index.html"), row.file) << row.href;
    }
    auto hole = Area(ShapeRect, {}, "a.html");
    hole->m_noHref = 1;
    EXPECT_EQ(MapChecker::LinkedFile(*hole, "/web/index.html"), "");
}

// Regression: the folders a link was read in were cut at a '#' or a '?'
// and unescaped too; only the link's own text is.
TEST(MapChecker, LinkTargetsOfPagesInFoldersOfAnyName)
{
    const struct {
        const char* page;
        const char* href;
        int picked;
        const char* file;
        const char* unescaped;
    } rows[] = {
        {"/web/a#b/p.html", "/web/a#b/t%231.html", 1, "/web/a#b/t%231.html", "/web/a#b/t#1.html"},
        {"/web/a#b/p.html", "t%231.html#top", 0, "/web/a#b/t%231.html", "/web/a#b/t#1.html"},
        {"/web/a?b/p.html", "/web/a?b/Z%C3%BCrich.html", 1, "/web/a?b/Z%C3%BCrich.html", "/web/a?b/Zürich.html"},
        {"/web/a?b/p.html", "Z%C3%BCrich.html", 0, "/web/a?b/Z%C3%BCrich.html", "/web/a?b/Zürich.html"},
        {"/web/a%20b/p.html", "/web/a%20b/x.html#top", 1, "/web/a%20b/x.html", ""},
        {"/web/a%20b/p.html", "Z%C3%BCrich.html", 0, "/web/a%20b/Z%C3%BCrich.html", "/web/a%20b/Zürich.html"},
    };
    for (const auto& row : rows) {
        auto area = Area(ShapeRect, {}, row.href);
        area->m_hrefIsPath = row.picked;
        const LinkedFiles target = MapChecker::LinkTarget(*area, row.page);
        EXPECT_EQ(target.file, row.file) << row.href;
        EXPECT_EQ(target.unescaped, row.unescaped) << row.href;
    }
}

TEST(MapChecker, MissingLinkTargetsAreLookedUpOnce)
{
    Map map(List(Rect4(0, 0, 10, 10, "a.html#one"), Rect4(10, 0, 20, 10, "a.html#two"),
                 Rect4(20, 0, 30, 10, "http://example.com/")));
    map.doc.SetAttribute(AttrHtmlPath, "/web/index.html");
    EXPECT_EQ(Codes(map.Check({100, 100}, true)), std::vector<std::string>());
    EXPECT_EQ(map.files, (std::set<std::string>{"/web/a.html"}));
    const std::vector<Finding> missing = map.Check({100, 100}, false);
    EXPECT_EQ(Codes(missing), (std::vector<std::string>{"missing-link-target@0", "missing-link-target@1"}));
    EXPECT_EQ(missing[0].message, "リンク先のファイル \"/web/a.html\" がありません。");
}

// The file system's own answer, and a name escaped as browsers send it.
TEST(MapChecker, LinkTargetsOnDisk)
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zmcheck-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream((dir / "there.html").string()) << "x";
    std::ofstream((dir / "with space.html").string()) << "x";
    std::ofstream((dir / "地図.html").string()) << "x";
    // Regression: "Zürich.html" was looked for as "Z?rich.html".
    std::ofstream((dir / "Zürich.html").string()) << "x";
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    doc.SetAttribute(AttrHtmlPath, (dir / "index.html").string());
    for (const char* href : {"there.html", "with%20space.html", "%E5%9C%B0%E5%9B%B3.html", "Zürich.html",
                             "Z%C3%BCrich.html#ñ", "地図.html", "gone.html"})
        doc.AppendArea(Rect4(0, 0, 10, 10, href));
    const std::vector<Finding> findings = MapChecker().Check(doc, {});
    std::vector<std::string> codes = Codes(findings);
    std::erase_if(codes, [](const std::string& code) { return code.rfind("missing-link-target", 0) != 0; });
    EXPECT_EQ(codes, (std::vector<std::string>{"missing-link-target@6"}));
    std::filesystem::remove_all(dir);
}

// Regression: the checker cut the page's own folders at a '#' or a '?' and
// unescaped them, and so said files there were missing; and it took a
// link's character references for part of the name.
TEST(MapChecker, LinkTargetsInFoldersOfAnyName)
{
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("zmcheck-folders-" + std::to_string(::getpid()));
    for (const char* folder : {"a#b", "a?b", "a%20b", "plain"}) {
        const std::filesystem::path dir = root / folder;
        std::filesystem::create_directories(dir);
        std::ofstream((dir / "t#1.html").string()) << "x";
        std::ofstream((dir / "Zürich.html").string()) << "x";
        const std::string page = (dir / "index.html").string();
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        doc.SetAttribute(AttrHtmlPath, page);
        // Each link as the reader reads it against the page, and as typed.
        for (const std::string link : {"t%231.html", "Z%C3%BCrich.html", "Z&#252;rich.html", "gone.html"}) {
            bool isFile = false;
            auto read = Rect4(0, 0, 10, 10, html::ReadLink(link, page, isFile));
            read->m_hrefIsPath = isFile ? 1 : 0;
            doc.AppendArea(std::move(read));
            doc.AppendArea(Rect4(0, 0, 10, 10, link));
        }
        std::vector<std::string> codes = Codes(MapChecker().Check(doc, {}));
        std::erase_if(codes, [](const std::string& code) { return code.rfind("missing-link-target", 0) != 0; });
        EXPECT_EQ(codes, (std::vector<std::string>{"missing-link-target@6", "missing-link-target@7"})) << folder;
    }
    std::filesystem::remove_all(root);
}

TEST(MapChecker, EmptyAreas)
{
    const struct {
        int shape;
        std::vector<Point> points;
        bool empty;
    } rows[] = {
        {ShapeRect, {{0, 0}, {5, 0}, {5, 5}, {0, 5}}, false},
        {ShapeRect, {{0, 0}, {5, 0}, {5, 0}, {0, 0}}, true},
        {ShapeCirc, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, false},
        {ShapeCirc, {{10, 10}, {0, 10}, {0, 0}, {10, 0}}, true}, // point 2 left of point 0: a radius of -5
        {ShapePoly, {{0, 0}, {5, 0}, {0, 5}}, false},
        {ShapePoly, {{0, 0}, {5, 0}}, true},
        {ShapePoly, {{2147483647, 0}, {-2147483647 - 1, 1}, {0, 2147483647}}, false}, // no overflow
        {ShapePoly, {{-2147483647 - 1, -2147483647 - 1}, {0, 0}, {2147483647, 2147483647}}, true},
        {ShapeDefault, {}, false},
        {ShapeNone, {{0, 0}, {5, 0}, {0, 5}}, true},
    };
    for (const auto& row : rows) {
        CMapData area;
        area.m_shape = row.shape;
        area.m_points = row.points;
        EXPECT_EQ(MapChecker::IsEmptyArea(area), row.empty) << row.shape << " " << row.points.size();
    }
}
