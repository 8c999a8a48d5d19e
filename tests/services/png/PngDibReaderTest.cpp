#include "services/png/PngDibReader.h"
#include "services/png/PictureDib.h"
#include "tests/TestData.h"
#include "tests/services/png/PngMaker.h"

#include <gtest/gtest.h>

#include <png.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace
{

const ColorRef kGrey208 = MakeRgb(208, 208, 208);
const std::filesystem::path kSuite = kTestData / "pngsuite";

using Rows = std::vector<std::vector<std::uint8_t>>;

struct Loaded {
    bool ok = false;
    std::string failure;
};

// Reads `bytes` through a temporary file, as the editor reads a file.
Loaded ReadBytes(const std::string& bytes, PictureDib& dib, ColorRef background = kGrey208,
                 std::size_t maxBytes = PngDibReader::kDefaultMaxBytes)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    PngDibReader reader(background, maxBytes);
    Loaded result{reader.Read(file, dib), reader.Failure()};
    std::fclose(file);
    return result;
}

std::string FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::uint32_t Rgb(int r, int g, int b)
{
    return (std::uint32_t(r) << 16) | (g << 8) | b;
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

int Blend(int value, int alpha, int background)
{
    return (alpha * value + (255 - alpha) * background) / 255;
}

} // namespace

TEST(PngDibReader, RgbaIsCompositedOntoTheBackgroundAtLoad)
{
    // 128/255 of red over grey 208: trunc(128 + 127/255 * 208) = 231, trunc(127/255 * 208) = 103.
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(PngMaker(1, 1, 8, 6).Rows({{255, 0, 0, 128}}).Bytes(), dib).ok);
    EXPECT_EQ(dib.BitCount(), 32);
    const std::uint8_t* p = dib.Bits();
    EXPECT_EQ(p[0], 103); // blue
    EXPECT_EQ(p[1], 103); // green
    EXPECT_EQ(p[2], 231); // red
    EXPECT_EQ(p[3], 128); // the alpha byte is kept
}

TEST(PngDibReader, HeaderFollowsThePackedLayout)
{
    PictureDib dib;
    ASSERT_TRUE(
        ReadBytes(PngMaker(3, 2, 8, 2).Rows({{1, 2, 3, 4, 5, 6, 7, 8, 9}, {9, 8, 7, 6, 5, 4, 3, 2, 1}}).Bytes(), dib)
            .ok);
    const std::uint8_t* h = dib.Packed();
    EXPECT_EQ(Get32(h), 40u);
    EXPECT_EQ(Get32(h + 4), 3u);
    EXPECT_EQ(Get32(h + 8), 2u);
    EXPECT_EQ(h[12] | (h[13] << 8), 1);
    EXPECT_EQ(h[14] | (h[15] << 8), 24);
    EXPECT_EQ(Get32(h + 16), 0u);
    EXPECT_EQ(Get32(h + 20), 3u * 24 * 2 / 8);
    EXPECT_EQ(Get32(h + 24), 2834u);
    EXPECT_EQ(Get32(h + 28), 2834u);
    EXPECT_EQ(Get32(h + 32), 0u);
    EXPECT_EQ(Get32(h + 36), 0u);
    // 9 bytes of pixels padded to 12; rows bottom-up, pixels blue-green-red.
    EXPECT_EQ(dib.Stride(), 12u);
    EXPECT_EQ(dib.PackedSize(), 40u + 2 * 12);
    EXPECT_EQ(PictureDib::RowsOffsetOf(h, dib.PackedSize()), 40u);
    const std::uint8_t* bottom = dib.Bits();
    EXPECT_EQ(bottom[0], 7);
    EXPECT_EQ(bottom[2], 9);
    const std::uint8_t* top = bottom + 12;
    EXPECT_EQ(top[0], 3);
    EXPECT_EQ(top[2], 1);
    EXPECT_EQ(dib.PixelAt(2, 0), Rgb(7, 8, 9));
}

TEST(PngDibReader, SixteenBitSamplesKeepTheirHighByte)
{
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(PngMaker(1, 1, 16, 2).Rows({{0x12, 0x34, 0xAB, 0xCD, 0xFF, 0x01}}).Bytes(), dib).ok);
    EXPECT_EQ(dib.BitCount(), 24);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(0x12, 0xAB, 0xFF));
}

TEST(PngDibReader, TwoBitPaletteBecomesEightBitsWithThePalette)
{
    PictureDib dib;
    const std::string png =
        PngMaker(4, 1, 2, 3).Palette({10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110, 120}).Rows({{0b00011011}}).Bytes();
    ASSERT_TRUE(ReadBytes(png, dib).ok);
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.ColorCount(), 256);
    const std::uint8_t* table = dib.ColorTable();
    EXPECT_EQ(std::vector<int>(table, table + 8), (std::vector<int>{30, 20, 10, 0, 60, 50, 40, 0}));
    EXPECT_EQ(table[4 * 4 + 2], 0); // entries past the palette stay zero
    const std::uint8_t* row = dib.Bits();
    EXPECT_EQ(std::vector<int>(row, row + 4), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(dib.PixelAt(3, 0), Rgb(100, 110, 120));
}

TEST(PngDibReader, OneBitGreyKeepsOneBitWithABlackAndWhiteTable)
{
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(PngMaker(10, 1, 1, 0).Rows({{0b10100000, 0b01000000}}).Bytes(), dib).ok);
    EXPECT_EQ(dib.BitCount(), 1);
    EXPECT_EQ(dib.Stride(), 4u);
    const std::uint8_t* table = dib.ColorTable();
    EXPECT_EQ(std::vector<int>(table, table + 8), (std::vector<int>{0, 0, 0, 0, 255, 255, 255, 0}));
    EXPECT_EQ(dib.Bits()[0], 0b10100000);
    EXPECT_EQ(dib.Bits()[1], 0b01000000);
    EXPECT_EQ(dib.PixelAt(9, 0), Rgb(255, 255, 255));
    EXPECT_EQ(dib.PixelAt(8, 0), 0u);
}

TEST(PngDibReader, FourAndTwoBitGreyGetFittingRamps)
{
    PictureDib four;
    ASSERT_TRUE(ReadBytes(PngMaker(2, 1, 4, 0).Rows({{0x0F}}).Bytes(), four).ok);
    EXPECT_EQ(four.BitCount(), 4);
    EXPECT_EQ(four.PixelAt(0, 0), 0u);
    EXPECT_EQ(four.PixelAt(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(four.ColorTable()[4 * 1], 17);
    // Two-bit grey is spread over the 8-bit ramp: 0, 85, 170, 255.
    PictureDib two;
    ASSERT_TRUE(ReadBytes(PngMaker(4, 1, 2, 0).Rows({{0b00011011}}).Bytes(), two).ok);
    EXPECT_EQ(two.BitCount(), 8);
    EXPECT_EQ(two.PixelAt(1, 0), Rgb(85, 85, 85));
    EXPECT_EQ(two.PixelAt(2, 0), Rgb(170, 170, 170));
}

TEST(PngDibReader, GreyWithTransparencyBecomesThirtyTwoBits)
{
    PictureDib dib;
    ASSERT_TRUE(
        ReadBytes(PngMaker(2, 1, 8, 0).Transparency({0, 50}).Rows({{50, 60}}).Bytes(), dib, MakeRgb(10, 20, 30)).ok);
    EXPECT_EQ(dib.BitCount(), 32);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(10, 20, 30)); // the transparent grey shows the background
    EXPECT_EQ(dib.PixelAt(1, 0), Rgb(60, 60, 60));
    EXPECT_EQ(dib.Bits()[3], 0);
    EXPECT_EQ(dib.Bits()[7], 255);
}

TEST(PngDibReader, RgbWithTransparencyBecomesThirtyTwoBits)
{
    PictureDib dib;
    ASSERT_TRUE(
        ReadBytes(PngMaker(2, 1, 8, 2).Transparency({0, 1, 0, 2, 0, 3}).Rows({{1, 2, 3, 4, 5, 6}}).Bytes(), dib).ok);
    EXPECT_EQ(dib.BitCount(), 32);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(208, 208, 208));
    EXPECT_EQ(dib.PixelAt(1, 0), Rgb(4, 5, 6));
}

// Regression (found by the fuzzer): a second, broken tRNS chunk left the
// rows RGB while the bitmap was set up for RGBA, and the blend read past
// libpng's row. Such a file is refused; with one tRNS it loads.
TEST(PngDibReader, ABrokenSecondTransparencyChunkIsRefused)
{
    std::vector<std::uint8_t> row;
    for (int x = 0; x < 32; ++x)
        row.insert(row.end(), {static_cast<std::uint8_t>(x), 2, 3});
    const std::vector<std::uint8_t> palette(3 * 16, 0x80);
    PictureDib dib;
    const Loaded damaged = ReadBytes(
        PngMaker(32, 1, 8, 2).Transparency({0, 1, 0, 2, 0, 3}).Palette(palette).Transparency({0}).Rows({row}).Bytes(),
        dib);
    if (damaged.ok) { // a libpng that drops the second chunk whole reads it as it should
        EXPECT_EQ(dib.BitCount(), 32);
        EXPECT_EQ(dib.PixelAt(31, 0), Rgb(31, 2, 3));
    } else {
        EXPECT_TRUE(dib.IsEmpty());
    }
    ASSERT_TRUE(
        ReadBytes(PngMaker(32, 1, 8, 2).Palette(palette).Transparency({0, 1, 0, 2, 0, 3}).Rows({row}).Bytes(), dib).ok);
    EXPECT_EQ(dib.PixelAt(31, 0), Rgb(31, 2, 3));
}

// Every colour value under every alpha, over a background whose channels
// differ, in rows of a width that leaves the wide compositing a tail: each
// pixel as the exact formula says, read straight or interlaced.
TEST(PngDibReader, EveryValueAndAlphaCompositesExactly)
{
    const int width = 259, height = 256;
    Rows rows(height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            rows[y].insert(rows[y].end(),
                           {std::uint8_t(x), std::uint8_t(255 - x), std::uint8_t(x * 7), std::uint8_t(y)});
    }
    const ColorRef background = MakeRgb(208, 17, 255);
    PictureDib plain, interlaced;
    ASSERT_TRUE(ReadBytes(PngMaker(width, height, 8, 6).Rows(rows).Bytes(), plain, background).ok);
    ASSERT_TRUE(
        ReadBytes(PngMaker(width, height, 8, 6, true).InterlacedRows(rows, 4).Bytes(), interlaced, background).ok);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = plain.Row(y) + 4 * x;
            ASSERT_EQ(p[2], Blend(std::uint8_t(x), y, 208)) << x << "," << y;
            ASSERT_EQ(p[1], Blend(std::uint8_t(255 - x), y, 17)) << x << "," << y;
            ASSERT_EQ(p[0], Blend(std::uint8_t(x * 7), y, 255)) << x << "," << y;
            ASSERT_EQ(p[3], y) << x << "," << y; // the alpha byte as read
        }
    }
    ASSERT_EQ(plain.PackedSize(), interlaced.PackedSize());
    EXPECT_EQ(0, std::memcmp(plain.Packed(), interlaced.Packed(), plain.PackedSize()));
}

TEST(PngDibReader, GreyAlphaIsCompositedAsRgba)
{
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(PngMaker(1, 1, 8, 4).Rows({{100, 51}}).Bytes(), dib, MakeRgb(0, 255, 0)).ok);
    EXPECT_EQ(dib.BitCount(), 32);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(Blend(100, 51, 0), Blend(100, 51, 255), Blend(100, 51, 0)));
}

TEST(PngDibReader, PaletteTransparencyCompositesTheTable)
{
    PictureDib dib;
    const std::string png =
        PngMaker(2, 1, 8, 3).Palette({255, 0, 0, 0, 0, 255, 9, 9, 9}).Transparency({128, 0}).Rows({{0, 1}}).Bytes();
    ASSERT_TRUE(ReadBytes(png, dib).ok);
    EXPECT_EQ(dib.BitCount(), 8);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(231, 103, 103));
    EXPECT_EQ(dib.PixelAt(1, 0), Rgb(208, 208, 208));
    EXPECT_EQ(dib.ColorTable()[4 * 2], 9); // past the tRNS entries: untouched
    // The opacity stays beside the table, for tracing; the packed entries'
    // fourth byte stays zero.
    ASSERT_TRUE(dib.HasTableOpacity());
    EXPECT_EQ(dib.TableOpacity(0), 128);
    EXPECT_EQ(dib.TableOpacity(1), 0);
    EXPECT_EQ(dib.TableOpacity(2), 255);
    EXPECT_EQ(dib.ColorTable()[3], 0);
    EXPECT_EQ(dib.ColorTable()[4 + 3], 0);
    // A picture read after it has no transparency of its own.
    ASSERT_TRUE(ReadBytes(PngMaker(2, 1, 8, 3).Palette({1, 2, 3, 4, 5, 6}).Rows({{0, 1}}).Bytes(), dib).ok);
    EXPECT_FALSE(dib.HasTableOpacity());
    EXPECT_EQ(dib.TableOpacity(0), 255);
}

TEST(PngDibReader, TransparencyLongerThanThePaletteIsLeftAlone)
{
    PictureDib dib;
    const std::string png =
        PngMaker(2, 1, 8, 3).Palette({255, 0, 0, 0, 0, 255}).Transparency({0, 0, 0}).Rows({{0, 1}}).Bytes();
    ASSERT_TRUE(ReadBytes(png, dib).ok);
    EXPECT_EQ(dib.PixelAt(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(dib.PixelAt(1, 0), Rgb(0, 0, 255));
}

TEST(PngDibReader, InterlacedPicturesComeOutWhole)
{
    // An 11 x 9 RGB picture where every pixel differs, so a pixel of a wrong
    // pass lands visibly wrong.
    std::vector<std::vector<std::uint8_t>> rows(9);
    for (std::uint32_t y = 0; y < rows.size(); ++y) {
        for (std::uint32_t x = 0; x < 11; ++x)
            rows[y].insert(rows[y].end(), {std::uint8_t(x * 20), std::uint8_t(y * 25), std::uint8_t(x + y)});
    }
    PictureDib plain, interlaced;
    ASSERT_TRUE(ReadBytes(PngMaker(11, 9, 8, 2).Rows(rows).Bytes(), plain).ok);
    ASSERT_TRUE(ReadBytes(PngMaker(11, 9, 8, 2, true).InterlacedRows(rows, 3).Bytes(), interlaced).ok);
    EXPECT_EQ(plain.PixelAt(10, 8), Rgb(200, 200, 18));
    ASSERT_EQ(plain.PackedSize(), interlaced.PackedSize());
    EXPECT_EQ(0, std::memcmp(plain.Packed(), interlaced.Packed(), plain.PackedSize()));
}

TEST(PngDibReader, FailuresLeaveTheBitmapEmpty)
{
    PictureDib dib;
    EXPECT_EQ(ReadBytes("GIF89a not a png at all", dib).failure, "not a PNG file");
    EXPECT_TRUE(dib.IsEmpty());
    EXPECT_FALSE(ReadBytes("\x89PNG", dib).ok); // shorter than the signature
    PngDibReader reader(kGrey208);
    EXPECT_FALSE(reader.Read(std::string("/no/such/picture.png"), dib));
    EXPECT_EQ(reader.Failure(), "can't open");
    EXPECT_TRUE(dib.IsEmpty());
}

TEST(PngDibReader, EveryTruncationFailsCleanly)
{
    const std::string png = PngMaker(5, 3, 8, 3)
                                .Palette({1, 2, 3, 4, 5, 6})
                                .Transparency({7})
                                .Rows({{0, 1, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}})
                                .Bytes();
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(png, dib).ok);
    for (std::size_t size = 0; size < png.size(); ++size) {
        const Loaded r = ReadBytes(png.substr(0, size), dib);
        EXPECT_FALSE(r.ok) << "truncated to " << size;
        EXPECT_TRUE(dib.IsEmpty()) << "truncated to " << size;
    }
}

TEST(PngDibReader, BadHeadersFail)
{
    struct Case {
        const char* what;
        std::string bytes;
    };
    std::string badCrc = PngMaker(1, 1, 8, 0).Rows({{0}}).Bytes();
    badCrc[8 + 8 + 13] ^= 1;
    std::string badData = PngMaker(1, 1, 8, 0).Rows({{0}}).Bytes();
    badData[badData.size() - 12 - 6] ^= 0x55;
    const Case cases[] = {
        {"IHDR checksum wrong", badCrc},
        {"IDAT altered under its checksum", badData},
        {"zero width", PngMaker(0, 1, 8, 0).Rows({{}}).Bytes()},
        {"colour type 5 does not exist", PngMaker(1, 1, 8, 5).Rows({{0}}).Bytes()},
        {"depth 3", PngMaker(1, 1, 3, 0).Rows({{0}}).Bytes()},
        {"palette picture without a palette", PngMaker(1, 1, 8, 3).Rows({{0}}).Bytes()},
        {"too little image data", PngMaker(4, 4, 8, 0).Rows({{0, 0, 0, 0}}).Bytes()},
    };
    for (const Case& c : cases) {
        PictureDib dib;
        EXPECT_FALSE(ReadBytes(c.bytes, dib).ok) << c.what;
        EXPECT_TRUE(dib.IsEmpty()) << c.what;
    }
}

TEST(PngDibReader, AStreamChecksumAloneDoesNotRefuseAPicture)
{
    PictureDib dib;
    ASSERT_TRUE(ReadBytes(PngMaker(2, 1, 8, 0).Rows({{7, 9}}).BreakStreamChecksum().Bytes(), dib).ok);
    EXPECT_EQ(dib.PixelAt(1, 0), Rgb(9, 9, 9));
}

TEST(PngDibReader, PicturesPastTheSizeLimitAreRefused)
{
    PictureDib dib;
    const std::string png = PngMaker(64, 64, 8, 6).Rows(Rows(64, std::vector<std::uint8_t>(256, 1))).Bytes();
    EXPECT_FALSE(ReadBytes(png, dib, kGrey208, 64 * 64 * 4).ok);
    EXPECT_TRUE(ReadBytes(png, dib, kGrey208, 64 * 64 * 4 + 40).ok);
}

// Every picture of the standard suite, against the decoded pixels stored
// beside it (made by an independent decoder), composited as the reader does.
namespace
{

// RGBA values, top row first; 16-bit samples are cut to their high byte, as
// the reader cuts them.
std::vector<int> ReferencePixels(const std::string& stem)
{
    std::ifstream in(kSuite / "json" / (stem + ".json"));
    std::vector<int> values;
    int value = 0;
    bool inNumber = false;
    for (char c; in.get(c);) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            value = value * 10 + (c - '0');
            inNumber = true;
        } else if (inNumber) {
            values.push_back(value);
            value = 0;
            inNumber = false;
        }
    }
    if (std::any_of(values.begin(), values.end(), [](int v) { return v > 255; }))
        for (int& v : values)
            v >>= 8;
    return values;
}

std::uint32_t Be32(const std::string& bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

} // namespace

// Regression (found by fuzzing): an sPLT chunk claiming 0x73737373 bytes in a
// file of 130 made libpng allocate 1.9 GB to buffer it. A chunk claiming more
// than a picture's own buffers is refused, and the load fails.
TEST(PngDibReader, AChunkClaimingGigabytesIsRefused)
{
    const std::string bytes =
        FileBytes(std::filesystem::path(ZM_SOURCE_DIR) / "fuzz/corpus/fuzz_png_reader/splt-claims-1.9-gb.png");
    ASSERT_EQ(bytes.size(), 130u);
    PictureDib dib;
    Loaded r = ReadBytes(bytes, dib);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure, "a chunk claims more memory than a picture needs");
    EXPECT_TRUE(dib.IsEmpty());
    // A whole picture with a text chunk of 9 MB: libpng would skip it with a
    // warning; it counts as a failed load.
    const std::vector<std::uint8_t> text(9 << 20, 'x');
    const Rows grey = {{0x80}};
    r = ReadBytes(PngMaker(1, 1, 8, 0).Chunk("tEXt", text).Rows(grey).Bytes(), dib);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.failure, "a chunk claims more memory than a picture needs");
    // Ordinary text still loads.
    const std::vector<std::uint8_t> comment = {'C', 'o', 'm', 'm', 'e', 'n', 't', 0, 'h', 'i'};
    EXPECT_TRUE(ReadBytes(PngMaker(1, 1, 8, 0).Chunk("tEXt", comment).Rows(grey).Bytes(), dib).ok);
}

TEST(PngDibReader, StandardSuiteMatchesAnIndependentDecode)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    const ColorRef bg = MakeRgb(17, 130, 240);
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSuite / "png")) {
        const std::string stem = entry.path().stem().string();
        if (stem[0] == 'x')
            continue;
        const std::string bytes = FileBytes(entry.path());
        PictureDib dib;
        const Loaded r = ReadBytes(bytes, dib, bg);
        ASSERT_TRUE(r.ok) << stem << ": " << r.failure;
        const std::uint32_t width = Be32(bytes, 16), height = Be32(bytes, 20);
        ASSERT_EQ(dib.Width(), static_cast<std::int32_t>(width)) << stem;
        ASSERT_EQ(dib.Height(), static_cast<std::int32_t>(height)) << stem;
        const std::vector<int> ref = ReferencePixels(stem);
        ASSERT_EQ(ref.size(), std::size_t(width) * height * 4) << stem;
        int wrong = 0;
        for (std::uint32_t y = 0; y < height; ++y)
            for (std::uint32_t x = 0; x < width; ++x) {
                const int* p = &ref[(std::size_t(y) * width + x) * 4];
                const std::uint32_t want =
                    Rgb(Blend(p[0], p[3], RedOf(bg)), Blend(p[1], p[3], GreenOf(bg)), Blend(p[2], p[3], BlueOf(bg)));
                wrong += dib.PixelAt(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y)) != want;
            }
        EXPECT_EQ(wrong, 0) << stem;
        ++checked;
    }
    EXPECT_GT(checked, 150);
}

TEST(PngDibReader, CorruptSuiteFilesFailCleanly)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    int checked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kSuite / "png")) {
        if (entry.path().filename().string()[0] != 'x')
            continue;
        PictureDib dib;
        EXPECT_FALSE(ReadBytes(FileBytes(entry.path()), dib).ok) << entry.path().filename();
        EXPECT_TRUE(dib.IsEmpty());
        ++checked;
    }
    EXPECT_EQ(checked, 14);
}
