#include "cli/CliApp.h"
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "tests/TestData.h"
#include "tests/cli/CliRun.h"
#include "tests/services/png/PngMaker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
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

const std::string kSjis = "<p>\x8A\xBF\x8E\x9A \xB1\xB2 \x81\x60</p>\r\n"; // 漢字 ｱｲ ～

std::string Utf16Le(std::u16string_view units)
{
    std::string out;
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

} // namespace

TEST(CliApp, VersionAndHelp)
{
    EXPECT_EQ(Cli({"--version"}).out, "Zephyrmap !  Version 2.5.3 [Dec. 2009]\n");
    Outcome help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("convert"), std::string::npos);
    EXPECT_EQ(Cli({"frobnicate"}).status, 2);
    EXPECT_EQ(Cli({}).status, 2);
}

// `zephyrmap-cli COMMAND --help` (or -h) prints that command's part of the
// help, beginning with its usage line, and does nothing else.
class CliCommandHelp : public ::testing::TestWithParam<const char*>
{
};

TEST_P(CliCommandHelp, ShowsTheCommandsOwnHelp)
{
    const std::string command = GetParam();
    for (const char* flag : {"--help", "-h"}) {
        const Outcome r = Cli({command, "MAP.zmf", flag});
        EXPECT_EQ(r.status, 0) << flag << r.err;
        EXPECT_EQ(r.out.rfind("usage: zephyrmap-cli " + command + " ", 0), 0u) << r.out;
        EXPECT_EQ(r.err, "");
        // Only this command: no other one starts a line of it.
        for (const char* other :
             {"convert", "maps", "import", "dump", "html", "update", "svg", "check", "picture", "trace", "refit"}) {
            if (other != command)
                EXPECT_EQ(r.out.find(std::string("\n  ") + other + " "), std::string::npos) << other;
        }
        EXPECT_GT(std::count(r.out.begin(), r.out.end(), '\n'), 1) << r.out;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CliCommandHelp,
                         ::testing::Values("convert", "maps", "import", "dump", "html", "update", "svg", "check",
                                           "picture", "trace", "refit"));

TEST(CliApp, HelpForAnUnknownCommandIsAUsageError)
{
    EXPECT_EQ(Cli({"frobnicate", "--help"}).status, 2);
}

TEST(CliConvert, ShiftJisRoundTripsThroughEveryEncoding)
{
    for (int code : {2, 3, 4, 5, 6, 7}) {
        Outcome there = Cli({"convert", "--from", "1", "--to", std::to_string(code), "--signature"}, kSjis);
        ASSERT_EQ(there.status, 0) << code;
        int back = code == 5 ? 4 : code; // a signature is skipped when read as UTF-8
        Outcome again = Cli({"convert", "--from", std::to_string(back), "--to", "1"}, there.out);
        if (code >= 6) // the signature is read as U+FEFF by an explicit UTF-16 code: detect instead
            again = Cli({"convert", "--from", "0", "--to", "1"}, there.out);
        EXPECT_EQ(again.out, kSjis) << code;
    }
}

TEST(CliConvert, LineEndsAndResultCode)
{
    Outcome r = Cli({"convert", "--from", "1", "--to", "6", "--eol-from", "1", "--eol-to", "2", "--result"}, "a\r\nb");
    EXPECT_EQ(r.out, std::string("a\0\n\0b\0", 6));
    EXPECT_EQ(r.err, "6\n");
    Outcome none = Cli({"convert", "--from", "2", "--to", "1", "--result"}, "\x1B$B4");
    EXPECT_EQ(none.out, "");
    EXPECT_EQ(none.err, "-1\n");
}

// Regression: line ends were converted in the raw input, which tore UTF-16
// text apart; they are converted in the text's own units.
TEST(CliConvert, LineEndsOfUtf16Input)
{
    const std::string le("a\0\n\0b\0", 6);
    Outcome r = Cli({"convert", "--from", "6", "--to", "1", "--eol-from", "2", "--eol-to", "1"}, le);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "a\r\nb");
    Outcome detected =
        Cli({"convert", "--from", "0", "--to", "1", "--eol-from", "2", "--eol-to", "1"}, "\xFF\xFE" + le);
    EXPECT_EQ(detected.out, "a\r\nb");
}

TEST(CliConvert, BadArgumentsAndFiles)
{
    EXPECT_EQ(Cli({"convert", "--from", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "9", "--to", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "x"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "--eol-from", "1"}).status, 2);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "--bogus"}).status, 2);
    // UTF-8 goes to and from Shift-JIS only: other pairs would turn it into garbage.
    for (auto [from, to] : {std::pair{"4", "6"}, {"4", "5"}, {"5", "1"}, {"0", "4"}, {"3", "4"}}) {
        Outcome refused = Cli({"convert", "--from", from, "--to", to}, "ã");
        EXPECT_EQ(refused.status, 2) << from << to;
        EXPECT_NE(refused.err.find("UTF-8 (4, 5) converts to and from Shift-JIS (1) only"), std::string::npos);
        EXPECT_EQ(refused.out, "");
    }
    Outcome missing = Cli({"convert", "--from", "1", "--to", "2", "/nonexistent/in.html"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("/nonexistent/in.html"), std::string::npos);
    EXPECT_EQ(Cli({"convert", "--from", "1", "--to", "2", "-o", "/nonexistent/dir/out"}, "x").status, 1);
}

namespace
{

const std::string kRealWorld = (kTestData / "realworld").string() + "/";

std::string TempPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("zmcli-" + std::to_string(::getpid()) + "-" + name)).string();
}

} // namespace

TEST(CliMaps, ListsUsableMapsOrSaysThereAreNone)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    Outcome r = Cli({"maps", kRealWorld + "02-ja-eucjp-ecopri-top-six-maps.html"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.substr(0, 33), "0\tlink_what\timg/top/top_logo.gif\n");
    Outcome none = Cli({"maps", kRealWorld + "07-usemap-without-map-ismap.html"});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "このHTMLには有効なクリッカブルマップが定義されていません。\n");
    EXPECT_EQ(Cli({"maps"}).status, 2);
}

TEST(CliImport, ImportThenHtmlReproducesTheAreas)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    const std::string zmf = TempPath("06.zmf");
    Outcome imported = Cli({"import", kRealWorld + "06-html4-uppercase-nohref-circle.html", "-o", zmf});
    EXPECT_EQ(imported.status, 0);
    EXPECT_NE(imported.err.find("が見つかりません。"), std::string::npos); // the picture is not there
    Outcome html = Cli({"html", zmf, "--eol", "1", "--encoding", "1"});
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.out, "<IMG SRC=\"circleincircle.gif\" USEMAP=\"#map1\" BORDER=\"0\" ALT=\"Click the O!\">\r\n"
                        "<MAP NAME=\"map1\">\r\n"
                        "  <AREA SHAPE=\"circle\" COORDS=\"79,79,56\" NOHREF ALT=\"ohoh\">\r\n"
                        "  <AREA SHAPE=\"circle\" COORDS=\"79,79,78\" HREF=\"thecircle.html\" ALT=\"The Circle\" "
                        "TITLE=\"The Circle\">\r\n"
                        "</MAP>");
    Outcome dump = Cli({"dump", zmf});
    EXPECT_EQ(dump.status, 0);
    for (const char* field : {"\"mapName\":\"map1\"", "\"imgAlt\":\"Click the O!\"", "\"border\":\"0\"",
                              "\"shape\":1,\"points\":[[23,23],[135,23],[135,135],[23,135]]", "\"noHref\":1",
                              "\"otherAttrs\":\"TITLE=\\\"The Circle\\\"\"", "\"coords\":\"0,0,0,0\""})
        EXPECT_NE(dump.out.find(field), std::string::npos) << field;
    std::filesystem::remove(zmf);
}

TEST(CliImport, JapaneseText)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    const std::string zmf = TempPath("04.zmf");
    Outcome r = Cli({"import", kRealWorld + "04-ja-utf8-tokushima-poly-junk-map-attrs.html", "--encoding", "4",
                     "--document", "/site/index.html", "-o", zmf});
    EXPECT_NE(r.status, 1);
    Outcome dump = Cli({"dump", zmf});
    EXPECT_NE(dump.out.find("\"htmlPath\":\"/site/index.html\""), std::string::npos);
    std::filesystem::remove(zmf);
}

// Every real page is read without a chosen encoding; the texts come back out
// of html --encoding 4 as they were on the page.
TEST(CliImport, RealPagesWithoutAChosenEncoding)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    struct Page {
        const char* name;
        std::vector<std::string> texts; // UTF-8, each in the written map
    };
    const Page pages[] = {
        {"04-ja-utf8-tokushima-poly-junk-map-attrs.html", {"ALT=\"西部\"", "ALT=\"東部\"", "ALT=\"南部\""}},
        {"05-ja-utf8-pc4353-php-commented-area-fragment.html",
         {"ALT=\"全国に120教室 駅近やショッピング施設内だから通いやすい！\"", "ALT=\"中国・四国・九州エリア\"",
          "ALT=\"神奈川\"", "ALT=\"静岡\""}},
        {"05-ja-utf8-pc4353-php-commented-area-fragment.sjis.html", {"ALT=\"中国・四国・九州エリア\""}},
        {"12-ru-space-separated-coords.html",
         {"<AREA SHAPE=\"rect\" COORDS=\"30,20,245,210\" HREF=\"index.php\" ALT=\"На главную страницу\""}},
        {"01-ja-eucjp-melonpan-kiyaku-map-in-comment.html", {"<MAP NAME=\"Map\">"}},
    };
    const std::string zmf = TempPath("real.zmf");
    for (const Page& p : pages) {
        Outcome imported = Cli({"import", kRealWorld + p.name, "-o", zmf});
        EXPECT_EQ(imported.status, 0) << p.name << imported.err;
        EXPECT_EQ(imported.err.find("Shift-JIS"), std::string::npos) << p.name; // nothing was replaced
        Outcome html = Cli({"html", zmf, "--encoding", "4"});
        EXPECT_EQ(html.status, 0) << p.name;
        for (const std::string& text : p.texts)
            EXPECT_NE(html.out.find(text), std::string::npos) << p.name << ": " << text << "\n" << html.out;
    }
    std::filesystem::remove(zmf);
    // The others are read without a crash, each offering its maps or saying it has none.
    for (const auto& entry : std::filesystem::directory_iterator(kTestData / "realworld")) {
        if (entry.path().extension() != ".html")
            continue;
        Outcome maps = Cli({"maps", entry.path().string()});
        EXPECT_TRUE(maps.status == 0 || maps.status == 1) << entry.path();
        if (maps.status != 0)
            continue;
        Outcome imported = Cli({"import", entry.path().string(), "-o", zmf});
        EXPECT_TRUE(imported.status == 0 || imported.status == 2) << entry.path() << imported.err;
        EXPECT_EQ(Cli({"html", zmf, "--encoding", "4"}).status, 0) << entry.path();
        std::filesystem::remove(zmf);
    }
}

// Every character of a page comes in as itself and goes out as itself; in
// an encoding that lacks one, as a character reference. Only what could not
// be read at all (a broken sequence) is replaced, and the user is told how
// many and where the first was; the exit status stays 0.
TEST(CliImport, EveryCharacterIsKept)
{
    const std::string page = TempPath("emoji.html"), zmf = TempPath("emoji.zmf");
    std::ofstream(page, std::ios::binary)
        << "<p>地図</p>\n<img src=\"a.png\" usemap=\"#지도\" alt=\"〜\xF0\x9F\x97\xBA Café crème — ©2026 €5\">\n"
           "<map name=\"지도\"><area shape=rect coords=\"1 2 3 4\" href=\"/wiki/Zürich?q=ñ\" alt=\"−¥\" "
           "title=\"naïve 𠮷野家 图片地图\"></map>\n";
    Outcome maps = Cli({"maps", page});
    EXPECT_EQ(maps.status, 0);
    EXPECT_EQ(maps.err, "");
    EXPECT_EQ(maps.out, "0\t지도\ta.png\n");
    Outcome imported = Cli({"import", page, "-o", zmf});
    EXPECT_EQ(imported.status, 0);
    EXPECT_EQ(imported.err.find("このHTMLには"), std::string::npos) << imported.err;
    Outcome html = Cli({"html", zmf});
    EXPECT_NE(html.out.find("USEMAP=\"#지도\" ALT=\"〜\xF0\x9F\x97\xBA Café crème — ©2026 €5\">\n<MAP NAME=\"지도\">"),
              std::string::npos)
        << html.out;
    EXPECT_NE(html.out.find("HREF=\"/wiki/Zürich?q=ñ\" ALT=\"−¥\" TITLE=\"naïve 𠮷野家 图片地图\""), std::string::npos)
        << html.out;
    Outcome sjis = Cli({"html", zmf, "--encoding", "1"});
    EXPECT_NE(sjis.out.find("ALT=\"&#12316;&#x1F5FA; Caf&#233; cr&#232;me &#8212; &#169;2026 &#8364;5\""),
              std::string::npos)
        << sjis.out;
    EXPECT_NE(sjis.out.find("HREF=\"/wiki/Z&#252;rich?q=&#241;\" ALT=\"&#8722;&#165;\""), std::string::npos)
        << sjis.out;

    // A broken UTF-8 sequence is no character: it comes in as U+FFFD, told.
    std::ofstream(page, std::ios::binary)
        << "<p>地図</p>\n<img src=\"a.png\" usemap=\"#m\" alt=\"\xF0\x9F\x97\">\n<map name=\"m\"></map>\n";
    const std::string warning =
        "このHTMLには、読み取れない文字が1個あったため、\"\uFFFD\"に置き換えて読み込みました。\n"
        "最初に置き換えた文字は2行目にあります。\n";
    maps = Cli({"maps", page, "--encoding", "4"});
    EXPECT_EQ(maps.status, 0);
    EXPECT_EQ(maps.err, warning);
    std::filesystem::remove(page);
    std::filesystem::remove(zmf);
}

TEST(CliImport, SyntaxErrorsAndBadArguments)
{
    const std::string zmf = TempPath("syntax.zmf");
    const std::string bad = TempPath("bad.html");
    std::ofstream(bad) << "<img src=a.png usemap=\"#m\"><map name=\"m\"><area shape=square coords=1,2,3,4></map>";
    Outcome syntax = Cli({"import", bad, "-o", zmf});
    EXPECT_EQ(syntax.status, 2);
    EXPECT_NE(syntax.err.find("構文エラー"), std::string::npos);
    EXPECT_EQ(Cli({"import", bad, "--map", "3", "-o", zmf}).status, 1);
    EXPECT_EQ(Cli({"import", bad}).status, 2);
    std::filesystem::remove(zmf);
    std::filesystem::remove(bad);
}

// Regression: dump and html of a directory died of std::bad_alloc, maps and
// import said there was no map, and convert wrote nothing and exited 0.
TEST(CliApp, ADirectoryIsNoInput)
{
    const std::string dir = TempPath("dir");
    std::filesystem::create_directories(dir);
    const std::string said = "zephyrmap-cli: cannot read " + dir + ": Is a directory\n";
    const std::vector<std::vector<std::string>> commands = {
        {"dump", dir},
        {"html", dir},
        {"maps", dir},
        {"import", dir, "-o", TempPath("dir.zmf")},
        {"convert", "--from", "1", "--to", "4", dir},
    };
    for (const auto& command : commands) {
        Outcome r = Cli(command);
        EXPECT_EQ(r.status, 1) << command[0];
        EXPECT_EQ(r.err, said) << command[0];
        EXPECT_EQ(r.out, "") << command[0];
    }
    EXPECT_FALSE(std::filesystem::exists(TempPath("dir.zmf")));
    std::filesystem::remove_all(dir);
}

namespace
{

std::unique_ptr<CMapData> DefaultArea(const std::string& href)
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = ShapeDefault;
    a->m_points = {{0, 0}, {0, 0}};
    a->m_href = href;
    return a;
}

} // namespace

// Regression: dump and html showed the stored file, while the editor opens it
// with a DEFAULT area ensured and, under the DEFAULT-last rule, moved last.
TEST(CliDump, TheMapAsTheEditorOpensIt)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    doc.SetAttribute(AttrMapName, "m");
    doc.SetAttribute(AttrImageSrc, "/nowhere/pic.png");
    auto rect = std::make_unique<CMapData>();
    rect->m_shape = ShapeRect;
    rect->m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
    rect->m_href = "r.html";
    doc.AppendArea(std::move(rect));
    const std::string bare = TempPath("bare.zmf"), two = TempPath("two.zmf");
    std::ofstream(bare, std::ios::binary) << native::SaveToBytes(doc);
    // Two DEFAULT areas around the rectangle: the writer writes the last one met.
    doc.InsertAreaAt(0, DefaultArea("first.html"));
    doc.AppendArea(DefaultArea("second.html"));
    std::ofstream(two, std::ios::binary) << native::SaveToBytes(doc);

    const std::string missing =
        "画像ファイル\" /nowhere/pic.png \"が見つかりません。\n改めて画像ファイルを選択してください。\n";
    Outcome dump = Cli({"dump", bare});
    EXPECT_EQ(dump.status, 0);
    EXPECT_EQ(dump.err, missing);
    EXPECT_NE(dump.out.find("\"href\":\"r.html\""), std::string::npos);
    EXPECT_NE(dump.out.find("{\"shape\":3,\"points\":[[0,0],[0,0]]"), std::string::npos) << dump.out; // ensured
    EXPECT_EQ(dump.out.find("\"shape\":3"), dump.out.rfind("\"shape\":")) << dump.out;                // ... and last
    Outcome head = Cli({"dump", bare, "--no-default-tail"});
    EXPECT_LT(head.out.find("\"shape\":3"), head.out.find("\"shape\":2")) << head.out; // at the head

    Outcome html = Cli({"html", two});
    EXPECT_EQ(html.status, 0);
    EXPECT_EQ(html.err, missing);
    EXPECT_NE(html.out.find("HREF=\"first.html\">\n</MAP>"), std::string::npos) << html.out;
    Outcome kept = Cli({"html", two, "--no-default-tail"});
    EXPECT_NE(kept.out.find("HREF=\"second.html\">\n</MAP>"), std::string::npos) << kept.out;
    std::filesystem::remove(bare);
    std::filesystem::remove(two);
}

TEST(CliDump, RefusedFile)
{
    const std::string junk = TempPath("junk.zmf");
    std::ofstream(junk) << "\x02\0\0\0garbage";
    Outcome r = Cli({"dump", junk});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(r.err.empty());
    EXPECT_EQ(Cli({"html", junk}).status, 1);
    std::filesystem::remove(junk);
}

namespace
{

// A 3 x 2 RGBA PNG, every pixel red at half alpha.
std::string HalfRedPng()
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < 3; ++x)
        row.insert(row.end(), {255, 0, 0, 128});
    return PngMaker(3, 2, 8, 6).Rows({row, row}).Bytes();
}

// A w x h 24-bit BMP, every pixel the same grey.
std::string GreyBmp(std::uint32_t w, std::uint32_t h)
{
    const std::uint32_t stride = (w * 3 + 3) / 4 * 4, pixels = stride * h;
    std::string b = "BM";
    auto put = [&b](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            b += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put(54 + pixels, 4), put(0, 4), put(54, 4);              // file header
    put(40, 4), put(w, 4), put(h, 4), put(1, 2), put(24, 2); // info header
    put(0, 4), put(pixels, 4), put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
    b.append(pixels, '\x80');
    return b;
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST(CliPicture, PrintsSizesKindAndTheStatusLine)
{
    const std::string png = TempPath("half.png");
    std::ofstream(png, std::ios::binary) << HalfRedPng();
    Outcome r = Cli({"picture", png});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "3 2 " + std::to_string(HalfRedPng().size()) + " 3\n W3×H2 0.1KByte PNG\n");
    const std::string bmpFile = TempPath("grey.bmp");
    std::ofstream(bmpFile, std::ios::binary) << GreyBmp(32, 32);
    Outcome bmp = Cli({"picture", bmpFile});
    EXPECT_EQ(bmp.status, 0);
    EXPECT_EQ(bmp.out.substr(0, 6), "32 32 ");
    EXPECT_NE(bmp.out.find(" 4\n W32×H32 "), std::string::npos);
    EXPECT_NE(bmp.out.find("KByte BMP\n"), std::string::npos);
    std::filesystem::remove(png);
    std::filesystem::remove(bmpFile);
}

TEST(CliPicture, DibIsTheBitmapAsLoaded)
{
    const std::string png = TempPath("dib.png"), dib = TempPath("out.dib");
    std::ofstream(png, std::ios::binary) << HalfRedPng();
    // Default background: the editor's grey C0C0C0. Red 128/255 over it:
    // red trunc(128 + 127/255 * 192) = 223, the others trunc(127/255 * 192) = 95.
    ASSERT_EQ(Cli({"picture", png, "--dib", dib}).status, 0);
    std::string bytes = Slurp(dib);
    ASSERT_EQ(bytes.size(), 40u + 2 * 12);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x28\0\0\0", 4));
    EXPECT_EQ(bytes[14], 32);
    EXPECT_EQ(bytes.substr(40, 4), std::string("\x5F\x5F\xDF\x80", 4));
    // A chosen background, RRGGBB.
    ASSERT_EQ(Cli({"picture", png, "--background", "102030", "--dib", dib}).status, 0);
    bytes = Slurp(dib);
    EXPECT_EQ(bytes.substr(40, 4), std::string("\x17\x0F\x87\x80", 4));
    std::filesystem::remove(png);
    std::filesystem::remove(dib);
}

TEST(CliPicture, PicturesThatCannotBeLoaded)
{
    const std::string broken = TempPath("broken.png");
    std::ofstream(broken) << "no picture here";
    for (const std::string& file : {broken, TempPath("missing.jpg"), std::string("picture.tif")}) {
        Outcome r = Cli({"picture", file});
        EXPECT_EQ(r.status, 1) << file;
        EXPECT_EQ(r.out, "") << file;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    const std::string bmpFile = TempPath("dib.bmp");
    std::ofstream(bmpFile, std::ios::binary) << GreyBmp(4, 4);
    EXPECT_EQ(Cli({"picture", bmpFile, "--dib", TempPath("x.dib")}).status, 1);
    std::filesystem::remove(bmpFile);
    EXPECT_EQ(Cli({"picture", broken, "--background", "C0C0C"}).status, 2);
    EXPECT_EQ(Cli({"picture"}).status, 2);
    std::filesystem::remove(broken);
}

TEST(CliImport, SizesComeFromThePicture)
{
    const std::filesystem::path dir = TempPath("site");
    std::filesystem::create_directories(dir);
    std::ofstream((dir / "pic.png").string(), std::ios::binary) << HalfRedPng();
    const std::string page = (dir / "index.html").string(), zmf = (dir / "map.zmf").string();
    std::ofstream(page) << "<img src=\"pic.png\" usemap=\"#m\"><map name=\"m\">"
                           "<area shape=rect coords=\"0,0,1,1\" href=\"a.html\"></map>";
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    Outcome dump = Cli({"dump", zmf});
    EXPECT_NE(dump.out.find("\"height\":\"2\",\"width\":\"3\""), std::string::npos) << dump.out;
    std::filesystem::remove(dir / "pic.png");
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    EXPECT_NE(Cli({"dump", zmf}).out.find("\"height\":\"\",\"width\":\"\""), std::string::npos);
    std::filesystem::remove_all(dir);
}

// Regression: a page the program wrote in Shift-JIS, a name's characters it
// lacks as references, read back with its picture's name the references and
// all (the picture not found, its size lost), and the checker took the
// link's references for the file's name, cut at their '#'.
TEST(CliImport, AShiftJisPageTheProgramWroteReadsBack)
{
    for (const char* folder : {"Café 😀", "a#b", "a?b", "a%20b"}) {
        const std::filesystem::path dir = std::filesystem::path(TempPath("written")) / folder;
        std::filesystem::create_directories(dir);
        std::ofstream((dir / "naïve 😀.png").string(), std::ios::binary) << HalfRedPng();
        std::ofstream((dir / "Zürich.html").string()) << "<p>";
        const std::string source = (dir / "src.html").string(), sjis = (dir / "sjis.html").string();
        const std::string zmf = (dir / "m.zmf").string(), again = (dir / "again.zmf").string();
        std::ofstream(source) << "<img src=\"naïve 😀.png\" alt=\"a map\" usemap=\"#m\"><map name=\"m\">"
                                 "<area shape=rect coords=1,1,2,2 href=\"Zürich.html\" alt=\"x\"></map>";
        ASSERT_EQ(Cli({"import", source, "-o", zmf}).status, 0) << folder;
        ASSERT_EQ(Cli({"html", zmf, "--encoding", "1", "--src-relative", "--href-relative", "-o", sjis}).status, 0);
        ASSERT_NE(Slurp(sjis).find("na&#239;ve &#x1F600;.png"), std::string::npos) << Slurp(sjis);
        const Outcome imported = Cli({"import", sjis, "-o", again});
        EXPECT_EQ(imported.status, 0) << folder << ": " << imported.err;
        EXPECT_EQ(imported.err, "") << folder;
        const std::string dump = Cli({"dump", again}).out;
        EXPECT_NE(dump.find("\"" + (dir / "naïve 😀.png").string() + "\""), std::string::npos) << dump;
        EXPECT_NE(dump.find("\"height\":\"2\",\"width\":\"3\""), std::string::npos) << dump;
        EXPECT_NE(dump.find("\"" + (dir / "Zürich.html").string() + "\""), std::string::npos) << dump;
        const Outcome checked = Cli({"check", sjis});
        EXPECT_EQ(checked.status, 0) << folder << ": " << checked.out;
    }
    std::filesystem::remove_all(TempPath("written"));
}

namespace
{

void EditMapFile(const std::string& zmf, const std::function<void(CZephyrmapDoc&)>& edit)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    ASSERT_EQ(native::LoadFromBytes(doc, Slurp(zmf)), native::LoadResult::Ok);
    edit(doc);
    std::ofstream(zmf, std::ios::binary) << native::SaveToBytes(doc);
}

// Moves every area of a map file by dx and gives the map the picture size
// the page has, as when the picture is there.
void EditMapFile(const std::string& zmf, int dx, const std::string& width, const std::string& height)
{
    EditMapFile(zmf, [&](CZephyrmapDoc& doc) {
        for (const auto& area : doc.Areas()) {
            for (Point& p : area->m_points)
                p.x += dx;
        }
        doc.SetAttribute(AttrWidth, width);
        doc.SetAttribute(AttrHeight, height);
    });
}

std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

} // namespace

// An EUC-JP page with CR LF: updated in place, it stays EUC-JP with CR LF,
// changes only in the map's AREA tags, and its old bytes are kept beside it.
TEST(CliUpdate, RealPageInPlaceWithABackup)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    const std::filesystem::path dir = TempPath("update");
    std::filesystem::create_directories(dir);
    const std::string page = (dir / "kiyaku.html").string(), zmf = (dir / "map.zmf").string();
    const std::string original = Slurp(kRealWorld + "01-ja-eucjp-melonpan-kiyaku-map-in-comment.html");
    std::ofstream(page, std::ios::binary) << original;
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    EditMapFile(zmf, 1, "492", "421");

    const Outcome r = Cli({"update", page, zmf});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              page + ": map \"Map\", EUC-JP, 8 AREA tags (8 changed or added, 0 removed), 1 IMG tag (0 changed)\n");
    const std::string updated = Slurp(page);
    EXPECT_EQ(Slurp(page + "~"), original);
    EXPECT_NE(updated, original);
    EXPECT_EQ(Count(updated, "\r\n"), Count(original, "\r\n"));
    EXPECT_EQ(Count(updated, "\n"), Count(original, "\n"));
    EXPECT_NE(updated.find("<area shape=\"rect\" coords=\"46,52,141,78\" href=\"#2\">"), std::string::npos);
    // Read back: the moved areas, in EUC-JP.
    const Outcome maps = Cli({"maps", page});
    EXPECT_EQ(maps.status, 0);
    EXPECT_EQ(maps.err, ""); // nothing became '?'
    const std::string zmf2 = (dir / "again.zmf").string();
    ASSERT_EQ(Cli({"import", page, "-o", zmf2}).status, 0);
    EXPECT_NE(Cli({"dump", zmf2}).out.find("\"coords\":\"46,52,141,78\""), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(CliUpdate, ToAnotherFileWithOptions)
{
    const std::filesystem::path dir = TempPath("update-o");
    std::filesystem::create_directories(dir);
    const std::string page = (dir / "index.html").string(), zmf = (dir / "map.zmf").string(),
                      out = (dir / "out.html").string();
    const std::string original = "<img src=\"a.png\" usemap=\"#old\">\n<map name=\"old\">\n"
                                 "  <area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\">\n</map>\n";
    std::ofstream(page, std::ios::binary) << original;
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    {
        AppSettings settings;
        CZephyrmapDoc doc(settings);
        native::LoadFromBytes(doc, Slurp(zmf));
        doc.SetAttribute(AttrMapName, "new");
        doc.InsertArea(std::make_unique<CMapData>(*doc.AreaAt(0)));
        doc.AreaAt(1)->m_target = "_top";
        std::ofstream(zmf, std::ios::binary) << native::SaveToBytes(doc);
    }
    EXPECT_EQ(Cli({"update", page, zmf, "-o", out}).status, 1); // no map "new" in the page
    const Outcome r = Cli({"update", page, zmf, "--map", "old", "--html-option", "32", "-o", out});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              out + ": map \"old\", Shift-JIS, 2 AREA tags (1 changed or added, 0 removed), 1 IMG tag (1 changed)\n");
    EXPECT_EQ(Slurp(out), "<img src=\"a.png\" usemap=\"#new\">\n<map name=\"new\">\n"
                          "  <area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\">\n"
                          "  <area shape=\"rect\" coords=\"1,2,3,4\" href=\"a.html\" target=\"_top\">\n</map>\n");
    EXPECT_EQ(Slurp(page), original);
    EXPECT_FALSE(std::filesystem::exists(page + "~"));
    std::filesystem::remove_all(dir);
}

// A page without the map, or with it only inside a comment: a clear message,
// exit status 1, and nothing written.
TEST(CliUpdate, NoMapWritesNothing)
{
    const std::filesystem::path dir = TempPath("update-none");
    std::filesystem::create_directories(dir);
    const std::string page = (dir / "index.html").string(), zmf = (dir / "map.zmf").string(),
                      other = (dir / "other.html").string(), out = (dir / "out.html").string();
    std::ofstream((dir / "a.png").string(), std::ios::binary) << HalfRedPng(); // no message of a missing picture
    std::ofstream(page, std::ios::binary) << "<img src=a.png usemap=#m><map name=m><area shape=rect coords=1,2,3,4>"
                                             "</map>";
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    const std::string pages[] = {
        "<p>no map here</p>", "<img src=a.png usemap=#m><!-- <map name=m><area shape=rect coords=1,2,3,4></map> -->"};
    for (const std::string& bytes : pages) {
        std::ofstream(other, std::ios::binary) << bytes;
        for (const std::vector<std::string>& command : {std::vector<std::string>{"update", other, zmf},
                                                        std::vector<std::string>{"update", other, zmf, "-o", out}}) {
            const Outcome r = Cli(command);
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, "zephyrmap-cli: " + other +
                                 " has no map named \"m\" outside comments; nothing was "
                                 "written\n");
            EXPECT_EQ(Slurp(other), bytes);
            EXPECT_FALSE(std::filesystem::exists(other + "~"));
            EXPECT_FALSE(std::filesystem::exists(out));
        }
    }
    std::filesystem::remove_all(dir);
}

TEST(CliUpdate, FilesThatCannotBeReadOrWritten)
{
    const std::filesystem::path dir = TempPath("update-files");
    std::filesystem::create_directories(dir / "sub");
    const std::string page = (dir / "index.html").string(), zmf = (dir / "map.zmf").string();
    const std::string original = "<img src=a.png usemap=#m><map name=m><area shape=rect coords=1,2,3,4></map>";
    std::ofstream(page, std::ios::binary) << original;
    std::ofstream((dir / "a.png").string(), std::ios::binary) << HalfRedPng();
    ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0);
    EditMapFile(zmf, 1, "", "");

    Outcome r = Cli({"update", page, zmf, "-o", "/nonexistent/dir/out.html"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zephyrmap-cli: cannot save /nonexistent/dir/out.html: No such file or directory\n");
    const std::string folder = (dir / "sub").string();
    r = Cli({"update", folder, zmf});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zephyrmap-cli: cannot read " + folder + ": Is a directory\n");
    std::filesystem::create_directory(page + "~"); // the backup cannot be kept
    r = Cli({"update", page, zmf});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "zephyrmap-cli: cannot keep the old page as " + page + "~: Is a directory; nothing was written\n");
    EXPECT_EQ(Slurp(page), original);
    EXPECT_EQ(Cli({"update", page}).status, 2);
    EXPECT_EQ(Cli({"update", page, zmf, "--encoding", "9"}).status, 2);
    EXPECT_EQ(Cli({"update", page, (dir / "missing.zmf").string()}).status, 1);
    EXPECT_NE(Cli({"--help"}).out.find("  update PAGE.html MAP.zmf [--map NAME]"), std::string::npos);
    std::filesystem::remove_all(dir);
}

// What the page's encoding cannot hold, page text read as '?', and tangled
// tags: each a message naming the line, exit status 1, nothing written.
TEST(CliUpdate, TextThatCannotBeWrittenOrKeptAndTangledTags)
{
    const std::filesystem::path dir = TempPath("update-text");
    std::filesystem::create_directories(dir);
    std::ofstream((dir / "a.png").string(), std::ios::binary) << HalfRedPng();
    const std::string page = (dir / "index.html").string(), zmf = (dir / "map.zmf").string();
    struct Row {
        const char* what;
        std::string bytes;
        std::vector<std::string> options;
        std::function<void(CZephyrmapDoc&)> edit;
        std::string message;
    };
    const Row rows[] = {
        {"Korean that could not be read",
         "<meta charset=\"EUC-KR\">\n<img src=a.png usemap=#m>\n<map name=m><area shape=rect coords=1,2,3,4 "
         "alt=\"\xB3\xD7\xC0\xCC\"></map>",
         {},
         [](CZephyrmapDoc& d) { d.AreaAt(0)->m_alt = "\uFFFD\uFFFD 2"; },
         page + " (line 3) has characters that could not be read in its encoding where the map goes; they would be "
                "lost, so nothing was written"},
        {"a quote left open",
         "<img src=a.png usemap=#m alt='x>\n<map name=m><area shape=rect coords=1,2,3,4 alt='y'>"
         "</map>",
         {},
         [](CZephyrmapDoc&) {},
         page + " (line 1): the map's tags are tangled with the rest of the page (a comment or a quote left open, "
                "or markup in the map's texts), so the change would not stay within them; nothing was written"},
        {"markup in the map's texts",
         "<img src=a.png usemap=#m>\n<map name=m>\n<area shape=rect coords=1,2,3,4>\n</map>",
         {},
         [](CZephyrmapDoc& d) { d.AreaAt(0)->m_alt = "x\"><area shape=rect coords=9,9,9,9"; },
         page + " (line 2): the map's tags are tangled with the rest of the page (a comment or a quote left open, "
                "or markup in the map's texts), so the change would not stay within them; nothing was written"},
    };
    for (const Row& r : rows) {
        std::ofstream(page, std::ios::binary) << r.bytes;
        ASSERT_EQ(Cli({"import", page, "-o", zmf}).status, 0) << r.what;
        EditMapFile(zmf, r.edit);
        std::vector<std::string> command = {"update", page, zmf};
        command.insert(command.end(), r.options.begin(), r.options.end());
        const Outcome u = Cli(command);
        EXPECT_EQ(u.status, 1) << r.what;
        EXPECT_EQ(u.err, "zephyrmap-cli: " + r.message + "\n") << r.what;
        EXPECT_EQ(Slurp(page), r.bytes) << r.what;
        EXPECT_FALSE(std::filesystem::exists(page + "~")) << r.what;
    }
    std::filesystem::remove_all(dir);
}

// Regression: any page, picture or map under a folder or with a name that
// Shift-JIS lacks was refused by every command ("has characters Shift-JIS
// cannot hold"). Every command takes any name the file system holds: accents,
// Chinese, emoji and a quote, in the folder and in the file's own name.
TEST(CliNames, EveryCommandTakesAnyName)
{
    for (const std::string& folderName : {std::string("Café/José's maps"), std::string("中文目录/😀")}) {
        const std::filesystem::path dir = std::filesystem::path(TempPath("names")) / folderName;
        std::filesystem::create_directories(dir);
        const std::string folder = dir.string() + "/";
        const std::string png = folder + "naïve 😀.png", page = folder + "Zürich \"地図\".html";
        const std::string zmf = folder + "José's 地図.zmf", out = folder + "出力 é.html";
        std::ofstream(png, std::ios::binary) << HalfRedPng();
        std::ofstream(page, std::ios::binary)
            << "<img src=\"naïve 😀.png\" usemap=\"#지도\" alt=\"Café\">\n"
               "<map name=\"지도\"><area shape=rect coords=\"0,0,2,1\" href='Zürich \"地図\".html' alt=\"😀\"></map>\n";
        const struct {
            std::vector<std::string> args;
            int status;
        } rows[] = {
            {{"maps", page}, 0},
            {{"import", page, "-o", zmf}, 0},
            {{"dump", zmf}, 0},
            {{"html", zmf, "-o", out}, 0},
            {{"svg", zmf, "-o", out}, 0},
            {{"update", page, zmf, "-o", out}, 0},
            {{"update", page, zmf}, 0},
            {{"check", page}, 0},
            {{"check", zmf}, 0},
            {{"picture", png}, 0},
            {{"trace", png, "1", "1"}, 3}, // the picture's 6 pixels: a region of a few pixels, said
            {{"convert", "--from", "4", "--to", "4", page, "-o", out}, 0},
        };
        for (const auto& row : rows) {
            const Outcome r = Cli(row.args);
            EXPECT_EQ(r.status, row.status) << row.args[0] << " in " << folderName << ": " << r.err;
            EXPECT_EQ(r.err.find("Shift-JIS"), std::string::npos) << r.err;
        }
        // The map knows its picture and page by their names as they are.
        const Outcome dump = Cli({"dump", zmf});
        EXPECT_NE(dump.out.find("\"" + png + "\""), std::string::npos) << dump.out;
        EXPECT_NE(dump.out.find("\"alt\":\"😀\""), std::string::npos) << dump.out;
        const Outcome picture = Cli({"picture", png});
        EXPECT_NE(picture.out.find("PNG"), std::string::npos);
        EXPECT_EQ(Cli({"maps", page}).out, "0\t지도\tnaïve 😀.png\n");
        // The picture is written relative, readable: no percent escapes.
        EXPECT_NE(Cli({"html", zmf, "--src-relative"}).out.find("SRC=\"./naïve 😀.png\""), std::string::npos);
        std::filesystem::remove_all(TempPath("names"));
    }
}

// The text-only conversions keep their bytes, and say what did not convert.
TEST(CliConvert, CharactersTheTargetLacksAreReported)
{
    Outcome r = Cli({"convert", "--from", "4", "--to", "1"}, "ok\nCafé 😀\n地図");
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "ok\nCaf? ?\n\x92\x6E\x90\x7D");
    EXPECT_EQ(r.err, "zephyrmap-cli: 2 characters the target encoding cannot hold did not convert; the first is on "
                     "line 2\n");
    Outcome clean = Cli({"convert", "--from", "4", "--to", "1"}, "地図");
    EXPECT_EQ(clean.status, 0);
    EXPECT_EQ(clean.err, "");
    Outcome utf16 = Cli({"convert", "--from", "6", "--to", "3"}, std::string("a\0\xE9\0", 4));
    EXPECT_EQ(utf16.status, 3);
    EXPECT_EQ(utf16.out, "a\xE9");
    EXPECT_NE(utf16.err.find("1 character the target"), std::string::npos);
}

// Regression: on the table route the IBM extensions of Shift-JIS came out
// as Latin-1 characters ("ûü" for 髙), the user-defined ones too, with exit
// status 0 and nothing said.
TEST(CliConvert, ShiftJisExtensionsConvertOrAreReported)
{
    const std::string sjis = "a\n\xFB\xFC\x8B\xB4 \xFA\x40\n\xF0\x40\n";
    const struct {
        const char* to;
        std::string out;
        int status;
        const char* err;
    } rows[] = {
        {"6", Utf16Le(u"a\n\u9AD9\u6A4B \u2170\n\uE000\n"), 0, ""},
        {"3", "a\n\xFC\xE2\xB6\xB6 \xFC\xF1\n?\n", 3,
         "zephyrmap-cli: 1 character the target encoding cannot hold did not convert; the first is on line 3\n"},
        {"2", "a\n\x1B$B|b66\x1B(J \x1B$B|q\x1B(J\n?\n", 3,
         "zephyrmap-cli: 1 character the target encoding cannot hold did not convert; the first is on line 3\n"},
    };
    for (const auto& row : rows) {
        const Outcome r = Cli({"convert", "--from", "1", "--to", row.to}, sjis);
        EXPECT_EQ(r.out, row.out) << row.to;
        EXPECT_EQ(r.status, row.status) << row.to;
        EXPECT_EQ(r.err, row.err) << row.to;
    }
    // 0 reads automatically; as a target it wrote the codec's JIS codes
    // without escapes, which nothing reads.
    const Outcome automatic = Cli({"convert", "--from", "1", "--to", "0"}, sjis);
    EXPECT_EQ(automatic.status, 2);
    EXPECT_EQ(automatic.out, "");
    EXPECT_EQ(automatic.err, "zephyrmap-cli: --to takes a number from 1 to 7 (see zephyrmap-cli --help)\n");
}

// Regression: a page in a folder whose name is not UTF-8 (Linux allows any
// bytes) was imported with U+FFFD in the map's paths, so later commands
// could not find its picture. Such a name is refused before anything is
// read or written, named with its bytes shown.
TEST(CliNames, NamesThatAreNotUtf8AreRefused)
{
    const std::string dir = TempPath("bad\xFF\xFE");
    std::filesystem::create_directories(dir);
    std::ofstream(dir + "/p.png", std::ios::binary) << HalfRedPng();
    std::ofstream(dir + "/p.html") << "<img src=p.png usemap=#m><map name=m><area shape=rect coords=1,1,2,2></map>";
    const std::string shown = TempPath("bad\\xFF\\xFE");
    const std::string refusal = "\" is not UTF-8; maps and pages keep names as UTF-8 text, which would change this "
                                "one and lose its file: rename it\n";
    const struct {
        std::vector<std::string> args;
        std::string named;
    } rows[] = {
        {{"import", dir + "/p.html", "-o", TempPath("bad.zmf")}, shown + "/p.html"},
        {{"check", dir + "/p.html"}, shown + "/p.html"},
        {{"maps", dir + "/p.html"}, shown + "/p.html"},
        {{"picture", dir + "/p.png"}, shown + "/p.png"},
        {{"import", TempPath("p.html"), "-o", dir + "/m.zmf"}, shown + "/m.zmf"},
    };
    for (const auto& row : rows) {
        const Outcome r = Cli(row.args);
        EXPECT_EQ(r.status, 2) << row.args[0];
        EXPECT_EQ(r.err, "zephyrmap-cli: the name \"" + row.named + refusal) << row.args[0];
        EXPECT_EQ(r.out, "") << row.args[0];
    }
    EXPECT_FALSE(std::filesystem::exists(TempPath("bad.zmf")));
    EXPECT_FALSE(std::filesystem::exists(dir + "/m.zmf"));
    // A relative name read in a folder whose name is not UTF-8: the folder's
    // name would go into the map.
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    const Outcome relative = Cli({"import", "p.html", "-o", "m.zmf"});
    // The new picture's path goes into the refitted map.
    const Outcome refit = Cli({"refit", "m.zmf", "p.png"});
    std::filesystem::current_path(before);
    EXPECT_EQ(relative.status, 2);
    EXPECT_EQ(relative.err, "zephyrmap-cli: the name \"" + shown + "/p.html" + refusal);
    EXPECT_FALSE(std::filesystem::exists(dir + "/m.zmf"));
    EXPECT_EQ(refit.status, 2);
    EXPECT_EQ(refit.err, "zephyrmap-cli: the name \"" + shown + "/p.png" + refusal);
    std::filesystem::remove_all(dir);
}
