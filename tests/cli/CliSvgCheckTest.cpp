#include "cli/CliApp.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"
#include "tests/cli/CliRun.h"
#include "tests/services/png/PngMaker.h"

#include <gtest/gtest.h>

#include <regex>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace
{

using Outcome = CliOutcome;

Outcome Cli(const std::vector<std::string>& args, const std::string& input = "")
{
    return RunCli(args, input);
}

// A folder of its own for each test, gone at the end.
struct Folder {
    std::filesystem::path path;
    explicit Folder(const std::string& name)
        : path(std::filesystem::temp_directory_path() / ("zmcli22-" + std::to_string(::getpid()) + "-" + name))
    {
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path);
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string File(const std::string& name, const std::string& bytes = "") const
    {
        const std::string file = (path / name).string();
        if (!bytes.empty())
            std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }
};

// A grey picture of that size.
std::string GreyPng(std::uint32_t width, std::uint32_t height)
{
    return PngMaker(width, height, 8, 0)
        .Rows(std::vector<std::vector<std::uint8_t>>(height, std::vector<std::uint8_t>(width, 128)))
        .Bytes();
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A page whose map the tests import: a clean one unless asked otherwise.
const char kPage[] = "<img src=\"pic.png\" usemap=\"#m\" width=\"200\" height=\"100\" alt=\"地図\">\n"
                     "<map name=\"m\">\n"
                     "<area shape=\"rect\" coords=\"0,0,100,100\" href=\"http://example.com/a\" alt=\"東 & 西\">\n"
                     "<area shape=\"circle\" coords=\"130,50,40\" href=\"b.html\" alt=\"B\" onClick=\"go()\">\n"
                     "</map>\n";

} // namespace

TEST(CliSvg, TheMapAsAnInlineSvgElement)
{
    Folder dir("svg");
    dir.File("b.html", "x");
    dir.File("pic.png", GreyPng(200, 100));
    const std::string zmf = dir.File("map.zmf");
    ASSERT_EQ(Cli({"import", dir.File("index.html", kPage), "-o", zmf}).status, 0);
    const Outcome r = Cli({"svg", zmf});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // The ids are drawn afresh for every output.
    const std::string out = std::regex_replace(r.out, std::regex("zm[0-9a-z]{6}-"), "zmT-");
    EXPECT_NE(out, r.out);
    EXPECT_EQ(out, "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 200 100\" width=\"200\" height=\"100\" "
                   "style=\"max-width: 100%; height: auto\" aria-label=\"地図\">\n"
                   "  <image href=\"pic.png\" width=\"200\" height=\"100\" preserveAspectRatio=\"none\"/>\n"
                   "  <defs>\n"
                   "    <path id=\"zmT-s0\" clip-rule=\"evenodd\" "
                   "d=\"M-1,-1h202v102h-202ZM-0.0625,-0.0625h100.125v100.125h-100.125Z\"/>\n"
                   "    <clipPath id=\"zmT-k0\"><use href=\"#zmT-s0\"/></clipPath>\n"
                   "  </defs>\n"
                   "  <a href=\"http://example.com/a\" aria-label=\"東 &amp; 西\"><rect x=\"0\" y=\"0\" "
                   "width=\"100\" height=\"100\" fill=\"transparent\"/></a>\n"
                   "  <a href=\"b.html\" aria-label=\"B\" onclick=\"go()\"><g clip-path=\"url(#zmT-k0)\">"
                   "<circle cx=\"130\" cy=\"50\" r=\"40\" fill=\"transparent\"/></g></a>\n"
                   "</svg>");
    // Line ends and encoding as chosen, to a file.
    const std::string file = dir.File("map.svg");
    ASSERT_EQ(Cli({"svg", zmf, "--eol", "1", "--encoding", "1", "--href-relative", "-o", file}).status, 0);
    const std::string sjis = Slurp(file);
    EXPECT_NE(sjis.find("aria-label=\"\x93\x8C &amp; \x90\xBC\"><rect"), std::string::npos) << sjis;
    EXPECT_NE(sjis.find("<a href=\"./b.html\""), std::string::npos) << sjis;
    EXPECT_NE(sjis.find("</a>\r\n</svg>"), std::string::npos);
}

// What SVG does not allow on a link is left out, and said on standard error.
TEST(CliSvg, SaysWhatItLeavesOut)
{
    Folder dir("svg-left-out");
    const std::string zmf = dir.File("map.zmf");
    ASSERT_EQ(Cli({"import",
                   dir.File("index.html", "<img src=p.png usemap=#m alt=M><map name=m>"
                                          "<area shape=rect coords=0,0,9,9 href=a.html alt=A accesskey=a title=T>"
                                          "<area shape=rect coords=10,0,19,9 href=b.html alt=B dir=rtl "
                                          "itemprop=x class=k></map>"),
                   "-o", zmf})
                  .status,
              0);
    const Outcome r = Cli({"svg", zmf});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err.substr(r.err.find("エリア 0")),
              "エリア 0: 属性 \"accesskey\" はSVGのリンクに書けないため、省きました。\n"
              "エリア 1: 属性 \"dir\", \"itemprop\" はSVGのリンクに書けないため、省きました。\n");
    EXPECT_EQ(r.out.find("accesskey"), std::string::npos);
    EXPECT_NE(r.out.find("<title>T</title>"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("class=\"k\""), std::string::npos) << r.out;
}

TEST(CliSvg, BadArgumentsAndFiles)
{
    Folder dir("svg-bad");
    EXPECT_EQ(Cli({"svg"}).status, 2);
    EXPECT_EQ(Cli({"svg", "a.zmf", "--eol", "7"}).status, 2);
    EXPECT_EQ(Cli({"svg", "a.zmf", "--frobnicate"}).status, 2);
    const Outcome missing = Cli({"svg", dir.File("missing.zmf")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(Cli({"svg", dir.File("junk.zmf", "not a map")}).status, 1);
    EXPECT_NE(Cli({"--help"}).out.find("  svg MAP.zmf [--src-relative]"), std::string::npos);
}

TEST(CliCheck, NothingFoundExitsZero)
{
    Folder dir("check-clean");
    dir.File("b.html", "x");
    dir.File("pic.png", GreyPng(200, 100));
    const std::string page = dir.File("index.html", kPage), zmf = dir.File("map.zmf");
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    for (const std::string& input : {zmf, page}) {
        const Outcome r = Cli({"check", input});
        EXPECT_EQ(r.status, 0) << input << r.out;
        EXPECT_EQ(r.out, "") << input;
        const Outcome json = Cli({"check", input, "--json"});
        EXPECT_EQ(json.status, 0);
        EXPECT_EQ(json.out, "[]\n");
    }
}

TEST(CliCheck, FindingsExitThree)
{
    Folder dir("check-found");
    const std::string page = dir.File("index.html", std::string(kPage) + "<img usemap=\"#nothing\" alt=\"x\">\n" +
                                                        "<map name=\"m\"></map>\n");
    const Outcome r = Cli({"check", page});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, page +
                         ":6: map \"nothing\": usemap-unresolved: IMGのUSEMAPが指す名前 \"nothing\" のマップが、"
                         "このページにありません。\n" +
                         page +
                         ":7: map \"m\": duplicate-map-name: マップの名前 \"m\" は、2行目のマップと同じです。"
                         "ブラウザは最初のマップを使います。\n" +
                         page + ": map \"m\", area 1: missing-link-target: リンク先のファイル \"" +
                         (dir.path / "b.html").string() + "\" がありません。\n");
    const Outcome json = Cli({"check", page, "--json"});
    EXPECT_EQ(json.status, 3);
    EXPECT_EQ(json.out, "[\n"
                        "  {\"code\":\"usemap-unresolved\",\"map\":\"nothing\",\"area\":null,\"line\":6,\"message\":"
                        "\"IMGのUSEMAPが指す名前 \\\"nothing\\\" のマップが、このページにありません。\"},\n"
                        "  {\"code\":\"duplicate-map-name\",\"map\":\"m\",\"area\":null,\"line\":7,\"message\":"
                        "\"マップの名前 \\\"m\\\" は、2行目のマップと同じです。ブラウザは最初のマップを使います。\"},\n"
                        "  {\"code\":\"missing-link-target\",\"map\":\"m\",\"area\":1,\"line\":null,\"message\":"
                        "\"リンク先のファイル \\\"" +
                            (dir.path / "b.html").string() + "\\\" がありません。\"}\n]\n");
    // A USEMAP without '#' names no map.
    const Outcome bare = Cli({"check", dir.File("bare.html", "<img usemap=x>"), "--json"});
    EXPECT_EQ(bare.status, 3);
    EXPECT_NE(bare.out.find("{\"code\":\"usemap-unresolved\",\"map\":null,\"area\":null,\"line\":1,"),
              std::string::npos)
        << bare.out;
}

// Bytes of a page that form no character reach the JSON as U+FFFD, so that
// what --json prints stays JSON (which is UTF-8) whatever the page holds.
TEST(CliCheck, JsonStaysUtf8WhateverThePageHolds)
{
    Folder dir("check-bytes");
    const struct {
        const char* what;
        std::string page;
    } rows[] = {
        {"UTF-8", "<meta charset=utf-8><img usemap=\"#m\xFF\"><map name=\"m\xFF\"></map>\n<map name=\"m\xFF\"></map>"},
        {"Shift-JIS", "<meta charset=shift_jis><img usemap=\"#m\x85\"><map name=\"m\x85\"></map>\n"
                      "<map name=\"m\x85\"></map>"},
        {"EUC-JP", "<meta charset=euc-jp><img usemap=\"#m\x8F\xA2\"><map name=\"m\x8F\xA2\"></map>\n"
                   "<map name=\"m\x8F\xA2\"></map>"},
    };
    for (const auto& row : rows) {
        const Outcome json = Cli({"check", dir.File("bytes.html", row.page), "--json"});
        EXPECT_EQ(json.status, 3) << row.what;
        EXPECT_TRUE(utf8::IsValid(json.out)) << row.what;
        EXPECT_NE(json.out.find("{\"code\":\"duplicate-map-name\",\"map\":\"m\uFFFD\",\"area\":null,\"line\":2,"),
                  std::string::npos)
            << row.what << json.out;
    }
}

TEST(CliCheck, AMapFileIsCheckedAtItsSize)
{
    Folder dir("check-zmf");
    dir.File("pic.png", GreyPng(50, 40));
    const std::string zmf = dir.File("map.zmf");
    ASSERT_EQ(Cli({"import",
                   dir.File("index.html", "<img src=pic.png usemap=#m width=50 height=50><map name=m>"
                                          "<area shape=rect coords=0,0,60,10 href=http://x/>"
                                          "<area shape=rect coords=5,5,8,8 href=http://x/ alt=Y></map>"),
                   "-o", zmf})
                  .status,
              0);
    const Outcome r = Cli({"check", zmf});
    EXPECT_EQ(r.status, 3);
    // The picture's own size is taken on import, and stored.
    EXPECT_EQ(r.out, zmf + ": map \"m\", area 0: outside-picture: エリアが画像(50×40)の外にはみ出しています。\n" + zmf +
                         ": map \"m\", area 0: missing-alt: リンクのあるエリアにALTがありません。"
                         "スクリーンリーダーはこのリンクを読み上げられません。\n" +
                         zmf +
                         ": map \"m\", area 1: hidden-area: リストで先にあるエリアに完全に隠れているため、"
                         "このエリアはクリックできません。\n");
}

TEST(CliCheck, UnreadableInputExitsOne)
{
    Folder dir("check-bad");
    const std::string folder = (dir.path / "sub").string();
    std::filesystem::create_directories(folder);
    for (const std::string& input :
         {dir.File("missing.html"), dir.File("missing.zmf"), dir.File("junk.zmf", "garbage"), folder}) {
        const Outcome r = Cli({"check", input});
        EXPECT_EQ(r.status, 1) << input;
        EXPECT_EQ(r.out, "") << input;
        EXPECT_FALSE(r.err.empty()) << input;
    }
    EXPECT_EQ(Cli({"check"}).status, 2);
    EXPECT_EQ(Cli({"check", "a.html", "b.html"}).status, 2);
    EXPECT_EQ(Cli({"check", "a.html", "--encoding", "8"}).status, 2);
    EXPECT_NE(Cli({"--help"}).out.find("  check INPUT [--encoding CODE] [--json]"), std::string::npos);
}

// Every real page can be checked: findings or none, never a failure, and
// the JSON form has one object per line the text form has.
TEST(CliCheck, RealPages)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    for (const auto& entry : std::filesystem::directory_iterator(kTestData / "realworld")) {
        if (entry.path().extension() != ".html")
            continue;
        const Outcome text = Cli({"check", entry.path().string()});
        EXPECT_TRUE(text.status == 0 || text.status == 3) << entry.path() << text.err;
        const Outcome json = Cli({"check", entry.path().string(), "--json"});
        EXPECT_EQ(json.status, text.status);
        const auto lines = std::count(text.out.begin(), text.out.end(), '\n');
        EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), lines ? lines + 2 : 1) << entry.path();
    }
}
