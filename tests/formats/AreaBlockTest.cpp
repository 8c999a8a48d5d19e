#include "formats/AreaBlock.h"
#include "model/CMapData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{

CMapData Rectangle()
{
    CMapData area;
    area.m_shape = ShapeRect;
    area.m_points = {{1, 2}, {9, 2}, {9, 8}, {1, 8}};
    area.BuildRegion();
    return area;
}

std::string Le32(std::int32_t v)
{
    std::string s;
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
    return s;
}

// A block with a header of our choosing over the body of a plain rectangle.
std::string Block(std::int32_t href, std::int32_t alt, std::int32_t target, std::int32_t other, std::int32_t count,
                  std::int32_t shape)
{
    std::string block = areablock::Encode(Rectangle());
    block.replace(4, 24, Le32(href) + Le32(alt) + Le32(target) + Le32(other) + Le32(count) + Le32(shape));
    return block;
}

} // namespace

TEST(AreaBlock, EmptyTextsAndFourPointsMakeSeventyThreeBytes)
{
    const std::string block = areablock::Encode(Rectangle());
    const std::string expected = Le32(1) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(4) + Le32(ShapeRect) + Le32(0) +
                                 std::string(1, '\0') + Le32(0) + std::string(3, '\0') + Le32(1) + Le32(2) + Le32(9) +
                                 Le32(2) + Le32(9) + Le32(8) + Le32(1) + Le32(8) + std::string(1, '\0');
    ASSERT_EQ(block.size(), 73u);
    EXPECT_EQ(block, expected);
}

TEST(AreaBlock, TextsFollowTheHeaderInItsOrder)
{
    CMapData area = Rectangle();
    area.SetAttributes(std::string("ab"), std::string("t"), std::string("xyz"), 1, 1, std::string("id=q"));
    const std::string block = areablock::Encode(area);
    EXPECT_EQ(block.size(), 41u + 2 + 3 + 1 + 4 + 32);
    EXPECT_EQ(block.substr(4, 16), Le32(2) + Le32(3) + Le32(1) + Le32(4));
    EXPECT_EQ(block.substr(28, 4), Le32(1));                  // NOHREF in the header
    EXPECT_EQ(block.substr(32, 3), std::string("ab\0", 3));   // HREF
    EXPECT_EQ(block.substr(35, 4), Le32(1));                  // its path flag
    EXPECT_EQ(block.substr(39, 4), std::string("xyz\0", 4));  // ALT
    EXPECT_EQ(block.substr(43, 2), std::string("t\0", 2));    // TARGET
    EXPECT_EQ(block.substr(45, 5), std::string("id=q\0", 5)); // other attributes
}

TEST(AreaBlock, PasteKeepsOrDropsAllSixAttributes)
{
    CMapData area = Rectangle();
    area.SetAttributes(std::string("/site/a.html"), std::string("_top"), std::string("A"), 1, 1, std::string("id=q"));
    const std::string block = areablock::Encode(area);
    CMapData kept, bare;
    ASSERT_TRUE(areablock::Decode(block, false, kept));
    ASSERT_TRUE(areablock::Decode(block, true, bare));
    EXPECT_EQ(kept.m_href, "/site/a.html");
    EXPECT_EQ(kept.m_hrefIsPath, 1);
    EXPECT_EQ(kept.m_noHref, 1);
    EXPECT_EQ(kept.m_target, "_top");
    EXPECT_EQ(kept.m_alt, "A");
    EXPECT_EQ(kept.m_otherAttrs, "id=q");
    EXPECT_TRUE(bare.HasNoAttributes());
    EXPECT_EQ(bare.m_hrefIsPath, 0);
    for (const CMapData* read : {&kept, &bare}) {
        EXPECT_EQ(read->m_shape, ShapeRect);
        EXPECT_EQ(read->FormatCoords(), "1,2,9,8");
        EXPECT_TRUE(read->ContainsPoint(5, 5)); // the region came back too
    }
}

// Another program may register the same format: nothing outside the block is read.
TEST(AreaBlock, DamagedBlocksAreRefused)
{
    struct Case {
        const char* what;
        std::string block;
    };
    const Case cases[] = {
        {"shorter than its header", std::string(31, '\0')},
        {"HREF length past the end", Block(100, 0, 0, 0, 4, ShapeRect)},
        {"negative ALT length", Block(0, -5, 0, 0, 4, ShapeRect)},
        {"HREF length of -1", Block(-1, 0, 0, 0, 4, ShapeRect)},
        {"huge TARGET length", Block(0, 0, 0x7FFFFFFF, 0, 4, ShapeRect)},
        {"lengths that add up past the end", Block(20, 20, 0, 0, 4, ShapeRect)},
        {"negative point count", Block(0, 0, 0, 0, -4, ShapePoly)},
        {"huge point count", Block(0, 0, 0, 0, 0x10000000, ShapePoly)},
        {"a rectangle of three points", Block(0, 0, 0, 0, 3, ShapeRect)},
        {"no shape of ours", Block(0, 0, 0, 0, 4, 7)},
        {"the DEFAULT area", Block(0, 0, 0, 0, 4, ShapeDefault)},
    };
    // A header that says the HREF "ab" is one byte long: no 0 byte after it.
    CMapData linked = Rectangle();
    linked.m_href = "ab";
    std::string unterminated = areablock::Encode(linked);
    unterminated.replace(4, 4, Le32(1));
    EXPECT_FALSE(areablock::Decode(unterminated, false, linked)) << "a text without its 0 byte";
    for (const Case& c : cases) {
        CMapData area = Rectangle();
        area.m_alt = "untouched";
        EXPECT_FALSE(areablock::Decode(c.block, false, area)) << c.what;
        EXPECT_EQ(area.m_alt, "untouched") << c.what;
    }
}

// Points beyond reach of any picture come from a block that is not ours:
// moves and centring must never meet them.
TEST(AreaBlock, FarPointsAreRefused)
{
    struct Row {
        Point corner;
        bool taken;
    };
    const Row rows[] = {
        {{1000000, 1000000}, true},        {{-1000000, 5}, true},         {{1000001, 0}, false}, {{0, -1000001}, false},
        {{2147483647, 2147483647}, false}, {{-2147483647 - 1, 0}, false},
    };
    for (const Row& row : rows) {
        CMapData far = Rectangle();
        far.m_points[2] = row.corner;
        CMapData read;
        EXPECT_EQ(areablock::Decode(areablock::Encode(far), false, read), row.taken)
            << row.corner.x << "," << row.corner.y;
    }
}

TEST(AreaBlock, EveryTruncationFailsCleanly)
{
    CMapData area = Rectangle();
    area.SetAttributes(std::string("a.html"), std::string("_top"), std::string("A"), 0, 0, std::string("id=q"));
    const std::string block = areablock::Encode(area);
    // The final 0 byte is the block's padding; everything before it is needed.
    for (std::size_t size = 0; size + 1 < block.size(); ++size) {
        CMapData read;
        EXPECT_FALSE(areablock::Decode(block.substr(0, size), false, read)) << size;
    }
    CMapData read;
    EXPECT_TRUE(areablock::Decode(block.substr(0, block.size() - 1), false, read));
}

// Several areas: their count, then each one's length and block.
TEST(AreaBlock, SeveralAreasRoundTrip)
{
    CMapData first = Rectangle();
    first.m_alt = "A";
    CMapData second = Rectangle();
    second.m_shape = ShapePoly;
    second.m_points = {{0, 0}, {5, 0}, {5, 5}};
    const std::string block = areablock::EncodeMany({&first, &second});
    // Each area's block as the one-area block, marked as carrying UTF-8.
    const std::string one = Le32(2) + areablock::Encode(first).substr(4);
    EXPECT_EQ(block.substr(0, 8), Le32(2) + Le32(static_cast<std::int32_t>(one.size())));
    EXPECT_EQ(block.substr(8, one.size()), one);
    std::vector<CMapData> read;
    ASSERT_TRUE(areablock::DecodeMany(block, false, read));
    ASSERT_EQ(read.size(), 2u);
    EXPECT_TRUE(read[0].SameContent(first));
    EXPECT_TRUE(read[1].SameContent(second));
    ASSERT_TRUE(areablock::DecodeMany(block, true, read));
    EXPECT_EQ(read[0].m_alt, "");
}

TEST(AreaBlock, DamagedGroupsAreRefused)
{
    CMapData area = Rectangle();
    const std::string good = areablock::EncodeMany({&area, &area});
    std::string counted = good;
    counted.replace(0, 4, Le32(3));
    std::string lengthened = good;
    lengthened.replace(4, 4, Le32(1 << 20));
    const std::pair<const char*, std::string> rows[] = {
        {"no areas", Le32(0)},
        {"a negative count", Le32(-1)},
        {"more areas than held", counted},
        {"a length past the end", lengthened},
        {"bytes after the last area", good + "x"},
    };
    for (const auto& [what, block] : rows) {
        std::vector<CMapData> read(1);
        read[0].m_alt = "untouched";
        EXPECT_FALSE(areablock::DecodeMany(block, false, read)) << what;
        EXPECT_EQ(read.size(), 1u) << what;
    }
    for (std::size_t size = 0; size < good.size(); ++size) {
        std::vector<CMapData> read;
        EXPECT_FALSE(areablock::DecodeMany(good.substr(0, size), false, read)) << size;
    }
}

// The one-area block is Shift-JIS, as older copies of the program read it;
// the several-areas block carries UTF-8, so that any text survives a copy.
TEST(AreaBlock, TextsInShiftJisAloneOrInUtf8AmongSeveral)
{
    CMapData japanese = Rectangle();
    japanese.SetAttributes(std::string("/地図/表.html"), std::string("_top"), std::string("ア"), 1, 0,
                           std::string("title=\"図\""));
    EXPECT_TRUE(areablock::FitsShiftJis(japanese));
    const std::string block = areablock::Encode(japanese);
    EXPECT_EQ(block.substr(0, 4), Le32(1));
    EXPECT_NE(block.find(std::string("/\x92\x6E\x90\x7D/\x95\x5C.html\0", 13)), std::string::npos);
    CMapData read;
    ASSERT_TRUE(areablock::Decode(block, false, read));
    EXPECT_TRUE(read.SameContent(japanese));

    CMapData world = Rectangle();
    world.SetAttributes(std::string("/wiki/Zürich?q=ñ"), std::string("𠮷"), std::string("Café crème — ©2026 €5 😀"), 0,
                        0, std::string("title=\"naïve 图片地图\""));
    EXPECT_FALSE(areablock::FitsShiftJis(world));
    const std::string many = areablock::EncodeMany({&world, &japanese});
    EXPECT_EQ(many.substr(8, 4), Le32(2));
    EXPECT_NE(many.find("Café crème — ©2026 €5 😀"), std::string::npos);
    std::vector<CMapData> areas;
    ASSERT_TRUE(areablock::DecodeMany(many, false, areas));
    ASSERT_EQ(areas.size(), 2u);
    EXPECT_TRUE(areas[0].SameContent(world));
    EXPECT_TRUE(areas[1].SameContent(japanese));
    // A several-areas block of an older copy holds Shift-JIS blocks (marker 1).
    const std::string one = areablock::Encode(japanese);
    ASSERT_TRUE(areablock::DecodeMany(Le32(1) + Le32(static_cast<std::int32_t>(one.size())) + one, false, areas));
    EXPECT_TRUE(areas[0].SameContent(japanese));
}
