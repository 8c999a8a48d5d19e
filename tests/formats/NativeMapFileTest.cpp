#include "formats/NativeMapFile.h"

#include "model/CZephyrmapDoc.h"
#include "model/Messages.h"
#include "services/paths/LocalFile.h"
#include "services/settings/AppSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace
{

std::string Word(int v)
{
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string Int32(std::int64_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    return Word(u & 0xFFFF) + Word(u >> 16);
}

// A counted string in its short form.
std::string Short(const std::string& s)
{
    return std::string(1, static_cast<char>(s.size())) + s;
}

std::string Points(std::initializer_list<std::pair<int, int>> points)
{
    std::string out = Word(static_cast<int>(points.size()));
    for (auto [x, y] : points)
        out += Int32(x) + Int32(y);
    return out;
}

struct NativeTest : ::testing::Test {
    AppSettings settings;
    CZephyrmapDoc doc{settings};

    void SetUp() override
    {
        settings.DefaultAreaTailInEffect = 0; // the DEFAULT area first, the rectangle after it
        doc.EnsureDefaultArea();
        auto r = std::make_unique<CMapData>();
        r->m_shape = ShapeRect;
        r->m_points = {{1, 2}, {3, 2}, {3, 4}, {1, 4}};
        r->m_href = "/web/表.html"; // 表 is 95 5C in Shift-JIS: a trail byte that is a backslash
        r->m_hrefIsPath = 1;
        r->m_target = "_top";
        r->m_alt = "ア"; // 83 41
        r->m_otherAttrs = "onclick=\"x\"";
        r->m_noHref = 1;
        r->BuildRegion();
        doc.InsertArea(std::move(r));
        for (int i = 0; i < kEditableMapAttributeCount; ++i)
            doc.SetAttribute(static_cast<MapAttribute>(i), "v" + std::to_string(i));
        doc.SetAttribute(AttrWidth, "640");
        doc.SetAttribute(AttrHeight, "480");
    }
};

} // namespace

TEST_F(NativeTest, ByteLayout)
{
    std::string bytes = native::SaveToBytes(doc);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x02\0\0\0", 4));
    EXPECT_EQ(bytes.substr(4, 32), "\x1F"
                                   "Zephyrmap! ClickableMapDataFile");
    EXPECT_EQ(bytes.substr(36, 2), Word(2)); // two areas
    EXPECT_EQ(bytes.substr(38, 6), Word(0xFFFF) + Word(2) + Word(8));
    EXPECT_EQ(bytes.substr(44, 8), "CMapData");
    // The DEFAULT body: two points, shape 3, three empty strings, 0, empty, 0.
    std::string body = Word(2) + std::string(16, '\0') + std::string("\x03\0\0\0", 4) + std::string(3, '\0') +
                       std::string(4, '\0') + std::string(1, '\0') + std::string(4, '\0');
    EXPECT_EQ(bytes.substr(52, body.size()), body);
    EXPECT_EQ(bytes.substr(52 + body.size(), 2), Word(0x8001));
}

// The whole file, byte for byte, with every length form a writer has: a
// guard for any change to how the file is written.
TEST_F(NativeTest, GoldenBytes)
{
    auto poly = std::make_unique<CMapData>();
    poly->m_shape = ShapePoly;
    poly->m_points.assign(0x10000, Point{-1, 70000}); // a count past a word
    poly->m_href = std::string(300, 'h');             // 0xFF, then a word
    poly->m_otherAttrs = std::string(0x10000, 'o');   // 0xFF, 0xFFFF, then an int32
    poly->BuildRegion();
    doc.InsertArea(std::move(poly));
    doc.SetAttribute(AttrImgAlt, std::string(254, 'a')); // the longest one-byte length

    std::string golden = Int32(2) + Short("Zephyrmap! ClickableMapDataFile") + Word(3);
    golden += Word(0xFFFF) + Word(2) + Word(8) + "CMapData"; // the DEFAULT area brings the class
    golden += Points({{0, 0}, {0, 0}}) + Int32(3) + Short("") + Short("") + Short("") + Int32(0) + Short("") + Int32(0);
    golden += Word(0x8001); // the rectangle
    golden += Points({{1, 2}, {3, 2}, {3, 4}, {1, 4}}) + Int32(2) + Short("/web/\x95\x5C.html") + Short("_top") +
              Short("\x83\x41") + Int32(1) + Short("onclick=\"x\"") + Int32(1);
    golden += Word(0x8001); // the polygon
    golden += Word(0xFFFF) + Int32(0x10000);
    for (int i = 0; i < 0x10000; ++i)
        golden += Int32(-1) + Int32(70000);
    golden += Int32(0) + "\xFF" + Word(300) + std::string(300, 'h') + Short("") + Short("") + Int32(0);
    golden += "\xFF" + Word(0xFFFF) + Int32(0x10000) + std::string(0x10000, 'o') + Int32(0);
    // Map name, picture, HTML document, IMG ALT, BORDER, ALIGN, HSPACE, VSPACE, HEIGHT, WIDTH.
    golden += Short("v0") + Short("v2") + Short("v1") + "\xFE" + std::string(254, 'a') + Short("v3") + Short("v4") +
              Short("v6") + Short("v5") + Short("480") + Short("640");

    const std::string bytes = native::SaveToBytes(doc);
    ASSERT_EQ(bytes.size(), golden.size());
    EXPECT_TRUE(bytes == golden) << "first difference at "
                                 << std::mismatch(bytes.begin(), bytes.end(), golden.begin()).first - bytes.begin();
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, golden), native::LoadResult::Ok);
    EXPECT_EQ(native::SaveToBytes(back), golden);
    ASSERT_EQ(back.AreaCount(), 3);
    EXPECT_EQ(back.AreaAt(2)->m_points.size(), 0x10000u);
    EXPECT_EQ(back.AreaAt(2)->m_points.back(), (Point{-1, 70000}));
    EXPECT_EQ(back.AreaAt(2)->m_otherAttrs.size(), 0x10000u);
}

TEST_F(NativeTest, LongStringsAndRoundTrip)
{
    doc.AreaAt(0)->m_href = std::string(300, 'x');
    std::string bytes = native::SaveToBytes(doc);
    EXPECT_NE(bytes.find("\xFF" + Word(300) + std::string(300, 'x')), std::string::npos);
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, bytes), native::LoadResult::Ok);
    EXPECT_EQ(native::SaveToBytes(back), bytes);
    const CMapData* r = back.AreaAt(1);
    EXPECT_EQ(r->m_href, "/web/表.html");
    EXPECT_EQ(r->m_alt, "ア");
    EXPECT_EQ(r->m_otherAttrs, "onclick=\"x\"");
    EXPECT_EQ(r->m_noHref, 1);
    EXPECT_EQ(r->m_hrefIsPath, 1);
    EXPECT_TRUE(r->ContainsPoint(1, 2)); // the region is rebuilt
    EXPECT_EQ(back.Attribute(AttrWidth), "640");
    EXPECT_EQ(back.Attribute(AttrVspace), "v5");
}

TEST_F(NativeTest, Utf16StringsAreRead)
{
    std::string bytes = native::SaveToBytes(doc);
    // Replace the map name "v0" with the UTF-16 form of 表.
    std::string tail = std::string("\x02v0", 3);
    std::size_t at = bytes.rfind(tail);
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 3, "\xFF" + Word(0xFFFE) + "\x01" + Word(0x8868));
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, bytes), native::LoadResult::Ok);
    EXPECT_EQ(back.Attribute(AttrMapName), "表");
}

// A text Shift-JIS cannot hold is stored in the UTF-16 form, that text
// alone; the others stay in Shift-JIS, and every one reads back as it was.
TEST_F(NativeTest, TextsShiftJisCannotHoldAreStoredInUtf16)
{
    doc.AreaAt(1)->m_alt = "Café 😀";
    doc.SetAttribute(AttrMapName, "지도");
    const std::string bytes = native::SaveToBytes(doc);
    std::string cafe = "\xFF" + Word(0xFFFE) + "\x07";
    for (char16_t u : std::u16string_view(u"Café 😀"))
        cafe += Word(u);
    EXPECT_NE(bytes.find(cafe), std::string::npos);
    EXPECT_NE(bytes.find("\xFF" + Word(0xFFFE) + "\x02" + Word(0xC9C0) + Word(0xB3C4)), std::string::npos);
    EXPECT_NE(bytes.find(Short("/web/\x95\x5C.html")), std::string::npos); // Shift-JIS still
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, bytes), native::LoadResult::Ok);
    EXPECT_EQ(back.AreaAt(1)->m_alt, "Café 😀");
    EXPECT_EQ(back.Attribute(AttrMapName), "지도");
    EXPECT_EQ(back.AreaAt(1)->m_href, "/web/表.html");
    EXPECT_EQ(native::SaveToBytes(back), bytes);
    // A long one takes the word length after the mark.
    const std::string longText(300, 'x');
    doc.AreaAt(1)->m_alt = longText + "€";
    std::string longForm = "\xFF" + Word(0xFFFE) + "\xFF" + Word(301) + std::string();
    for (char c : longText)
        longForm += Word(static_cast<unsigned char>(c));
    longForm += Word(0x20AC);
    EXPECT_NE(native::SaveToBytes(doc).find(longForm), std::string::npos);
    ASSERT_EQ(native::LoadFromBytes(back, native::SaveToBytes(doc)), native::LoadResult::Ok);
    EXPECT_EQ(back.AreaAt(1)->m_alt, longText + "€");
}

// Regression: 髙橋 stored as FB FC 8B B4 (the IBM extension, as Windows
// pages have it) was saved again as EE E0 8B B4, and so went into Shift-JIS
// sources.
TEST_F(NativeTest, IbmExtensionsAreStoredAsTheyWere)
{
    std::string bytes = native::SaveToBytes(doc);
    const std::size_t at = bytes.find(Short("\x83\x41"));
    ASSERT_NE(at, std::string::npos);
    bytes.replace(at, 3, Short("\xFB\xFC\x8B\xB4"));
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, bytes), native::LoadResult::Ok);
    EXPECT_EQ(back.AreaAt(1)->m_alt, "髙橋");
    EXPECT_EQ(native::SaveToBytes(back), bytes);
}

TEST_F(NativeTest, OldLayoutAndRefusals)
{
    std::string current = native::SaveToBytes(doc);
    // The old layout: the area list with schema 1 and the ten strings.
    std::string old = Word(1) + Word(0xFFFF) + Word(1) + Word(8) + "CMapData" + Word(2) + std::string(16, '\0') +
                      std::string("\x03\0\0\0", 4) + std::string(3, '\0') + std::string(4, '\0') +
                      std::string(10, '\0');
    AppSettings s2;
    CZephyrmapDoc back(s2);
    EXPECT_EQ(native::LoadFromBytes(back, old), native::LoadResult::OldLayout);
    EXPECT_EQ(back.AreaCount(), 1);
    EXPECT_EQ(native::MessageFor(native::LoadResult::OldLayout), texts::OldVersionWarning());

    std::string v3 = current;
    v3[0] = 3;
    EXPECT_EQ(native::LoadFromBytes(back, v3), native::LoadResult::NewerVersion);
    EXPECT_EQ(back.AreaCount(), 0);
    std::string header = current;
    header[10] = 'X'; // one character of the header off
    EXPECT_EQ(native::LoadFromBytes(back, header), native::LoadResult::NotOurFormat);
    std::string foreignClass = current;
    foreignClass[44] = 'X'; // "XMapData"
    EXPECT_EQ(native::LoadFromBytes(back, foreignClass), native::LoadResult::Unexpected);
    std::string schema3 = current;
    schema3[40] = 3;
    EXPECT_EQ(native::LoadFromBytes(back, schema3), native::LoadResult::Unexpected);
    std::string hugeCount = current;
    hugeCount.replace(36, 2, Word(0xFFFF) + std::string("\xFF\xFF\xFF\x7F", 4));
    EXPECT_EQ(native::LoadFromBytes(back, hugeCount), native::LoadResult::Unexpected);
    EXPECT_TRUE(back.IsLoadRejected());
}

TEST_F(NativeTest, EveryTruncationFailsCleanly)
{
    const std::string bytes = native::SaveToBytes(doc);
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        AppSettings s2;
        CZephyrmapDoc back(s2);
        native::LoadResult r = native::LoadFromBytes(back, bytes.substr(0, n));
        EXPECT_NE(r, native::LoadResult::Ok) << n;
        EXPECT_EQ(back.AreaCount(), 0) << n;
        EXPECT_EQ(back.Attribute(AttrMapName), "") << n;
    }
}

TEST_F(NativeTest, SaveReplacesTheFileWhole)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zm-native-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "map.zmf").string();
    std::ofstream(path) << "old contents that are longer than nothing";
    std::string error;
    ASSERT_TRUE(native::SaveToFile(doc, path, error)) << error;
    AppSettings s2;
    CZephyrmapDoc back(s2);
    EXPECT_EQ(native::LoadFromFile(back, path), native::LoadResult::Ok);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1); // no temporary left
    EXPECT_FALSE(native::SaveToFile(doc, (dir / "no" / "map.zmf").string(), error));
    EXPECT_EQ(native::LoadFromFile(back, (dir / "missing.zmf").string()), native::LoadResult::CannotOpen);
    std::filesystem::remove_all(dir);
}

// The file's room is guessed from the first areas: areas far larger after
// small ones make the writer grow its buffer mid-way, keeping what it wrote.
TEST_F(NativeTest, LargerAreasAfterSmallOnesAreWrittenWhole)
{
    for (int i = 0; i < 40; ++i) {
        auto a = std::make_unique<CMapData>();
        a->m_shape = ShapePoly;
        for (int k = 0; k <= (i < 20 ? 2 : 2000); ++k)
            a->m_points.push_back({k, i});
        a->m_href = i < 20 ? "a" : std::string(70000, static_cast<char>('a' + i % 26)); // the int32 length form
        doc.InsertArea(std::move(a));
    }
    const std::string bytes = native::SaveToBytes(doc);
    const auto path =
        std::filesystem::temp_directory_path() / ("zm-native-grow-" + std::to_string(::getpid()) + ".zmf");
    std::string error;
    ASSERT_TRUE(native::SaveToFile(doc, path.string(), error)) << error;
    std::ifstream in(path, std::ios::binary);
    const std::string stored((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::filesystem::remove(path);
    EXPECT_EQ(stored, bytes);
    AppSettings s2;
    CZephyrmapDoc back(s2);
    ASSERT_EQ(native::LoadFromBytes(back, bytes), native::LoadResult::Ok);
    ASSERT_EQ(back.AreaCount(), doc.AreaCount());
    for (int i = 0; i < doc.AreaCount(); ++i)
        EXPECT_TRUE(back.AreaAt(i)->SameContent(*doc.AreaAt(i))) << "area " << i;
}

// Regression: a directory's reported size was taken as the buffer size, and
// the loader died of std::bad_alloc.
TEST_F(NativeTest, ADirectoryCannotBeOpened)
{
    AppSettings s2;
    CZephyrmapDoc back(s2);
    EXPECT_EQ(native::LoadFromFile(back, std::filesystem::temp_directory_path().string()),
              native::LoadResult::CannotOpen);
    EXPECT_EQ(back.AreaCount(), 0);
}

// Any file name the system allows, in folders of any name.
TEST_F(NativeTest, FileNamesOfAnyCharactersAndSaveErrors)
{
    const auto dir = std::filesystem::temp_directory_path() / ("zm-native-ja-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const char* name : {"地図.zmf", "Café/naïve.zmf", "José's maps/map.zmf", "中文目录/😀.zmf"}) {
        const std::filesystem::path path = dir / localfile::PathOf(name);
        std::filesystem::create_directories(path.parent_path());
        std::string error;
        ASSERT_TRUE(native::SaveToFile(doc, path, error)) << error;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << name;
        AppSettings s2;
        CZephyrmapDoc back(s2);
        EXPECT_EQ(native::LoadFromFile(back, path), native::LoadResult::Ok) << name;
        EXPECT_EQ(back.AreaAt(1)->m_alt, "ア");
    }
    std::string reason;
    // A failed save gives the system's reason, which names no temporary.
    const std::string missing = (dir / "no" / "map.zmf").string();
    EXPECT_FALSE(native::SaveToFile(doc, missing, reason));
    EXPECT_EQ(reason, "No such file or directory");
    std::filesystem::remove_all(dir);
}
