#include "services/text/TextCodec.h"
#include "services/text/JisTables.h"
#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace
{

std::string Convert(int from, int to, const std::string& in, bool signature = false, int* result = nullptr)
{
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(from, to, in, signature);
    if (result)
        *result = out.result;
    return out.data ? std::string(reinterpret_cast<const char*>(out.data), out.size) : std::string();
}

std::string ToSjis(int from, const std::string& in, int* result = nullptr)
{
    TextCodec codec;
    std::string text;
    int r = codec.ConvertToString(from, EncodingShiftJis, in, text);
    if (result)
        *result = r;
    return text;
}

std::string Utf16Le(std::u16string s)
{
    std::string out;
    for (char16_t c : s) {
        out.push_back(static_cast<char>(c & 0xFF));
        out.push_back(static_cast<char>(c >> 8));
    }
    return out;
}

const std::string kKanji = "\x8A\xBF\x8E\x9A"; // 漢字 in Shift-JIS
const std::string kKana = "\xB1\xB2";          // ｱｲ half-width

} // namespace

TEST(JisTables, CountsAndChosenMappings)
{
    int undefined = 0;
    for (int i = 0; i < jis::kJisToUnicodeSize; ++i) {
        EXPECT_NE(jis::kJisToUnicode[i], 0);
        undefined += jis::kJisToUnicode[i] == 0x30FB;
    }
    EXPECT_EQ(undefined, 1582 + 1); // plus the real U+30FB at 0x2126
    int blocks = 0, entries = 0;
    for (const auto& b : jis::kUnicodeToJis) {
        if (b.codes) {
            ++blocks;
            entries += b.last - b.first + 1;
        }
    }
    EXPECT_EQ(blocks, 106);
    EXPECT_EQ(entries, 23831);
    EXPECT_EQ(jis::kUnicodeToJis[0].first, 0xA7);
    EXPECT_EQ(jis::kUnicodeToJis[0].last, 0xF7);
    EXPECT_EQ(jis::FromUnicode(0x2252), 0x2262);
    EXPECT_EQ(jis::FromUnicode(0x2160), 0x2D35);
    EXPECT_EQ(jis::FromUnicode(0x2170), 0x7C71);
    EXPECT_EQ(jis::FromUnicode(0x7E8A), 0x7921);
    EXPECT_EQ(jis::FromUnicode(0x30FB), 0x2126);
    EXPECT_EQ(jis::FromUnicode(0x00D7), 0x215F);
    EXPECT_EQ(jis::FromUnicode(0x00A5), 0xA5); // no entry: the byte itself
    EXPECT_EQ(jis::FromUnicode(0x2212), 0);
    EXPECT_EQ(jis::FromUnicode(0x301C), 0);
    EXPECT_EQ(jis::FromUnicode(0xFF71), 0xB1);
    EXPECT_EQ(jis::ToUnicode(0x2141), 0xFF5E);
    EXPECT_EQ(jis::ToUnicode(0x2140), 0xFF3C);
    EXPECT_EQ(jis::ToUnicode(0xB1), 0xFF71);
    EXPECT_EQ(jis::ToUnicode(0x7E7F), 0); // cell out of range
    EXPECT_EQ(jis::ToUnicode(0x9821), 0); // row out of range
}

TEST(TextCodecDecoders, ShiftJis)
{
    EXPECT_EQ(Convert(1, 6, "a" + kKanji + kKana), Utf16Le(u"a漢字ｱｲ"));
    EXPECT_EQ(Convert(1, 6, "\x81\x60"), Utf16Le(u"\uFF5E"));
    // Two Latin-1 units the table lacks are written raw, the same bytes as
    // FA 5C, which Shift-JIS reads as the IBM extension's 纊.
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"\u00FA\u005C")), "\xFA\x5C");
    // A lead byte at the end stays a unit of its own value.
    EXPECT_EQ(Convert(1, 6, "a\x88"), Utf16Le(u"a\u0088"));
    // A bad trail passes both bytes.
    EXPECT_EQ(Convert(1, 6, std::string("\x88\x20", 2)), Utf16Le(u"\u0088 "));
}

// Regression: leads 0xF0..0xFC were no pair starts, so the IBM extensions
// (FB FC, 髙, on many a Windows page) came out as two Latin-1 characters.
TEST(TextCodecDecoders, ShiftJisExtensionsReadThroughTheTable)
{
    const struct {
        const char* what;
        std::string sjis;
        std::u16string units;
    } rows[] = {
        {"IBM extension ⅰ", "\xFA\x40", u"\u2170"},
        {"IBM extension 纊", "\xFA\x5C", u"\u7E8A"},
        {"IBM extension 髙 before 橋", "\xFB\xFC\x8B\xB4", u"\u9AD9\u6A4B"},
        {"the first user-defined character", "\xF0\x40", u"\uE000"},
        {"the last user-defined character", "\xF9\xFC", u"\uE757"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Convert(1, 6, row.sjis), Utf16Le(row.units)) << row.what;
}

TEST(TextCodecDecoders, EucJp)
{
    EXPECT_EQ(Convert(3, 1, "\xB4\xC1\xBB\xFA\x8E\xB1"), kKanji + "\xB1");
    EXPECT_EQ(Convert(3, 6, "a\xB4"), Utf16Le(u"a\u00B4")); // ends after a lead byte
    EXPECT_EQ(Convert(3, 6, "\x8E"), Utf16Le(u"\u008E"));
    EXPECT_EQ(Convert(3, 6, "\x8F\xB0\xA1x"), Utf16Le(u"\u00B0\u00A1x")); // JIS X 0212 passed as bytes
}

TEST(TextCodecDecoders, JisEscapes)
{
    EXPECT_EQ(Convert(2, 1, "a\x1B$B4A;z\x1B(Jb"), "a" + kKanji + "b");
    EXPECT_EQ(Convert(2, 1, "\x1B(I12\x1B(B"), kKana);
    EXPECT_EQ(Convert(2, 1, "\x1B$@4A\x1B(J"), "\x8A\xBF");
    EXPECT_EQ(Convert(2, 1, "\x1B$(D4A"), "\x8A\xBF");
    EXPECT_EQ(Convert(2, 6, "\x1B$B4"), std::string());         // half a pair is lost: nothing at all
    EXPECT_EQ(Convert(2, 6, "\x1B(Zx"), Utf16Le(u"\u001B(Zx")); // unknown sequence passes through
}

TEST(TextCodecDecoders, Utf16)
{
    std::string le = "\xFF\xFE" + Utf16Le(u"漢");
    EXPECT_EQ(ToSjis(0, le), "\x8A\xBF");
    // Code 6 keeps the signature as U+FEFF, which Shift-JIS writes raw.
    EXPECT_EQ(ToSjis(6, le), "\xFE\xFF\x8A\xBF");
    std::string be = "\x6F\x22"; // 漢 big-endian, no signature
    EXPECT_EQ(ToSjis(7, be), "\x8A\xBF");
    EXPECT_EQ(ToSjis(6, be), "\x22\x6F"); // read as little-endian: U+226F, unmapped, raw
    EXPECT_EQ(ToSjis(6, std::string("\xFE\xFF\x6F\x22", 4)), "\xFE\xFF\x8A\xBF"); // FE FF picks big-endian
    EXPECT_EQ(ToSjis(6, Utf16Le(u"ab") + "c"), "ab");                             // odd last byte dropped
}

TEST(TextCodecEncoders, ShiftJisAndEucJp)
{
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"\u7E8A")), "\xED\x40");
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"\u301C")), "\x30\x1C"); // no mapping: raw
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"\uFF5E")), "\x81\x60");
    EXPECT_EQ(Convert(1, 3, kKana), "\x8E\xB1\x8E\xB2");
    EXPECT_EQ(Convert(1, 6, kKana), Utf16Le(u"ｱｲ"));
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"ｱｲ")), kKana);
}

// Regression: user-defined characters (JIS rows past 0x7E) came out of the
// EUC-JP writer as the bytes ff a1 01 a1, and out of the JIS writer as 8-bit
// bytes; both codes stop at row 0x7E, so they get the replacement '?'.
TEST(TextCodecEncoders, UserDefinedCharactersStayInsideTheCode)
{
    EXPECT_EQ(Convert(6, 3, Utf16Le(u"a\uE000\uE0BCb")), "a??b");
    EXPECT_EQ(Convert(6, 2, Utf16Le(u"a\uE000b")), "a?b");
    EXPECT_EQ(Convert(6, 2, Utf16Le(u"\u6F22\uE000\u6F22")), "\x1B$B4A\x1B(J?\x1B$B4A\x1B(J");
    EXPECT_EQ(Convert(6, 1, Utf16Le(u"\uE000")), "\xF0\x40"); // Shift-JIS holds them
    // The NEC-selected IBM rows (0x79..0x7C) still fit both.
    EXPECT_EQ(Convert(6, 3, Utf16Le(u"\u7E8A")), "\xF9\xA1");
}

TEST(TextCodecEncoders, JisFraming)
{
    EXPECT_EQ(Convert(1, 2, "abc"), "abc");
    EXPECT_EQ(Convert(1, 2, "a" + kKanji + "b"), "a\x1B$B4A;z\x1B(Jb");
    EXPECT_EQ(Convert(1, 2, "a" + kKanji), "a\x1B$B4A;z\x1B(J");
    EXPECT_EQ(Convert(1, 2, kKana), "\x1B(I12\x1B(J");
}

TEST(TextCodecEncoders, SignaturesAndResults)
{
    int result = 0;
    EXPECT_EQ(Convert(1, 6, "a", true, &result), std::string("\xFF\xFE"
                                                             "a\0",
                                                             4));
    EXPECT_EQ(result, 6);
    EXPECT_EQ(Convert(1, 7, "a", true, &result), std::string("\xFE\xFF\0"
                                                             "a",
                                                             4));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(Convert(1, 5, "a", true, &result), "\xEF\xBB\xBF"
                                                 "a");
    EXPECT_EQ(result, 4);
    EXPECT_EQ(Convert(1, 4, kKanji, true, &result), "漢字");
    EXPECT_EQ(result, 4);
    EXPECT_EQ(Convert(6, 6, "xy", true, &result), "xy"); // same code: untouched, no signature
    EXPECT_EQ(result, 6);
    EXPECT_EQ(Convert(1, 0, "a", false, &result), "a"); // the fallback writer
    EXPECT_EQ(result, -1);
    TextCodec codec;
    ConvertedBytes none = codec.ConvertBytes(2, 1, std::string("\x1B$B4"), false);
    EXPECT_EQ(none.result, -1);
    EXPECT_EQ(none.data, nullptr);
}

TEST(TextCodecDetection, Decisions)
{
    int result = 0;
    EXPECT_EQ(ToSjis(0, "plain ascii", &result), "plain ascii");
    EXPECT_EQ(ToSjis(0, "x" + kKanji), "x" + kKanji);                      // Shift-JIS lead 0x8A
    EXPECT_EQ(ToSjis(0, "\xB4\xC1\xBB\xFA\xA4\xF3"), kKanji + "\x82\xF1"); // A4 F3: EUC-JP
    EXPECT_EQ(ToSjis(0, "\xB4\xC1\xBB\xFA"), kKanji);                      // ambiguous: EUC-JP
    EXPECT_EQ(ToSjis(0, "\x1B(Jabc"), "abc");                              // only ESC ( J: JIS
    EXPECT_EQ(ToSjis(0, Utf16Le(u"ab")), "ab");                            // NUL second: little-endian
    EXPECT_EQ(ToSjis(0, std::string("\0a\0b", 4)), "ab");                  // NUL first: big-endian
    EXPECT_EQ(ToSjis(0, "\xFE\xFF" + std::string("\0a", 2)), "a");
    // UTF-8 is never detected: 漢 (E6 BC A2) reads as EUC-JP here.
    EXPECT_NE(ToSjis(0, "漢"), "\x8A\xBF");
}

TEST(TextCodecRouting, Utf8Route)
{
    int result = 0;
    EXPECT_EQ(ToSjis(4, "\xEF\xBB\xBF", &result), ""); // only a signature
    EXPECT_EQ(result, 1);
    EXPECT_EQ(ToSjis(4, "\xEF\xBB\xBF漢字ｱ"), kKanji + "\xB1");
    EXPECT_EQ(ToSjis(4, "a\xE2\x80\x95"
                        "b"),
              "a\x81\x5C"
              "b"); // U+2015, trail byte 0x5C
    EXPECT_EQ(ToSjis(4, "a\xF0\x9F\x98\x80"
                        "b"),
              "a?b"); // missing from code page 932
    EXPECT_EQ(ToSjis(4, "a\xC3\x28"
                        "\xE6\xBC"),
              "a?(?");                                    // invalid UTF-8
    EXPECT_EQ(ToSjis(4, std::string("ab\0cd", 5)), "ab"); // up to the first NUL
    EXPECT_TRUE(TextCodec::TakesUtf8Route(4, 1));
    EXPECT_FALSE(TextCodec::TakesUtf8Route(4, 3)); // UTF-8 to EUC-JP takes the table route
}

TEST(TextCodecLineEnds, Conversions)
{
    auto conv = [](int from, int to, std::string s) {
        TextCodec::ConvertLineEnds(from, to, s);
        return s;
    };
    EXPECT_EQ(conv(1, 2, "a\r\nb"), "a\nb");
    EXPECT_EQ(conv(2, 1, "a\nb"), "a\r\nb");
    EXPECT_EQ(conv(3, 2, "a\rb"), "a\nb");
    EXPECT_EQ(conv(1, 3, "a\r\n\r\nb"), "a\r\rb");
    EXPECT_EQ(conv(3, 1, "a\r\nb"), "a\r\n\nb");
    EXPECT_EQ(conv(0, 2, "a\r\nb"), "a\r\nb");
    EXPECT_EQ(conv(1, 0, "a\r\nb"), "a\r\nb");
    EXPECT_EQ(conv(2, 2, "a\nb"), "a\nb");
}

// Regression: a line-end conversion on raw bytes tore UTF-16 text apart.
TEST(TextCodecLineEnds, InTheUnitsOfTheText)
{
    auto conv = [](int encoding, int from, int to, std::string s) {
        TextCodec::ConvertLineEndsIn(encoding, from, to, s);
        return s;
    };
    auto be = [](std::u16string s) {
        std::string out;
        for (char16_t c : s) {
            out.push_back(static_cast<char>(c >> 8));
            out.push_back(static_cast<char>(c & 0xFF));
        }
        return out;
    };
    EXPECT_EQ(conv(6, 2, 1, Utf16Le(u"a\nb")), Utf16Le(u"a\r\nb"));
    EXPECT_EQ(conv(6, 1, 2, Utf16Le(u"a\r\nb")), Utf16Le(u"a\nb"));
    EXPECT_EQ(conv(7, 2, 3, be(u"a\nb")), be(u"a\rb"));
    EXPECT_EQ(conv(6, 2, 1, be(u"\uFEFFa\nb")), be(u"\uFEFFa\r\nb")); // FE FF picks big-endian for 6
    // U+0D0A is the bytes 0A 0D little-endian: a character, not a line end.
    EXPECT_EQ(conv(6, 2, 1, Utf16Le(u"\u0D0A\n")), Utf16Le(u"\u0D0A\r\n"));
    // Detected like a conversion would: a signature, or the place of the first NUL.
    EXPECT_EQ(conv(0, 2, 1, "\xFF\xFE" + Utf16Le(u"a\nb")), "\xFF\xFE" + Utf16Le(u"a\r\nb"));
    EXPECT_EQ(conv(0, 2, 1, be(u"a\nb")), be(u"a\r\nb"));
    EXPECT_EQ(conv(6, 2, 1, Utf16Le(u"a\n") + "x"), Utf16Le(u"a\r\n") + "x"); // a last half unit stays
    // Byte encodings as before.
    EXPECT_EQ(conv(1, 2, 1, "a\nb"), "a\r\nb");
    EXPECT_EQ(conv(0, 1, 2, kKanji + "\r\n"), kKanji + "\n");
}

TEST(Utf8Bridge, RoundTripsAndLossReport)
{
    bool lossless = false;
    EXPECT_EQ(utf8::Utf8ToSjis("表示.png", &lossless), "\x95\x5C\x8E\xA6.png");
    EXPECT_TRUE(lossless);
    EXPECT_EQ(utf8::SjisToUtf8("\x95\x5C\x8E\xA6.png"), "表示.png");
    utf8::Utf8ToSjis("caf\xC3\xA9", &lossless);
    EXPECT_FALSE(lossless);
    EXPECT_EQ(utf8::FromUtf16(utf8::ToUtf16("\xF0\x9F\x98\x80")), "\xF0\x9F\x98\x80");
}

// Regression: code page 932's single bytes 0x80, 0xA0 and 0xFD..0xFF went out
// to UTF-8 but came back as '?'.
TEST(Utf8Bridge, LoneSingleBytesRoundTrip)
{
    const std::string lone = "a\x80\xA0\xFD\xFE\xFFz";
    bool lossless = false;
    EXPECT_EQ(utf8::Utf8ToSjis(utf8::SjisToUtf8(lone), &lossless), lone);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(utf8::SjisToUtf16(lone), u"a\u0080\uF8F0\uF8F1\uF8F2\uF8F3z");
    EXPECT_EQ(ToSjis(4, Convert(1, 4, lone)), lone); // the codec's UTF-8 route both ways
}

TEST(Utf8Bridge, LossCountsAndTheFirstPlace)
{
    utf8::SjisLoss loss;
    EXPECT_EQ(utf8::Utf16ToSjis(u"ab\n\u301C\U0001F600\u00A5x", loss), "ab\n???x");
    EXPECT_EQ(loss.count, 3u); // the surrogate pair is one character
    EXPECT_EQ(loss.firstOffset, 3u);
    EXPECT_EQ(utf8::Utf16ToSjis(u"\u6F22", loss), "\x8A\xBF");
    EXPECT_EQ(loss.count, 0u);
    EXPECT_EQ(loss.firstOffset, std::string::npos);
}

TEST(Utf8Bridge, LooksLikeUtf8)
{
    EXPECT_TRUE(utf8::LooksLikeUtf8("caf\xC3\xA9"));
    EXPECT_TRUE(utf8::LooksLikeUtf8("\xE5\x9C\xB0\xE5\x9B")); // the last character cut off by the end
    EXPECT_FALSE(utf8::LooksLikeUtf8("plain ASCII"));         // nothing multi-byte to go by
    EXPECT_FALSE(utf8::LooksLikeUtf8("\x92\x6E\x90\x7D"));    // Shift-JIS
    EXPECT_FALSE(utf8::LooksLikeUtf8("\xC3\xA9\xA4\xA2"));    // a stray continuation byte
    EXPECT_FALSE(utf8::LooksLikeUtf8("\xC3\xA9\xC0\xAF"));    // an overlong form
    EXPECT_FALSE(utf8::LooksLikeUtf8("\xC3\xA9\xE5\x9C"
                                     "a"));            // cut off, but not by the end
    EXPECT_FALSE(utf8::LooksLikeUtf8("\xC3\xA9\xFF")); // a byte UTF-8 never uses
}

// UTF-8 goes into Shift-JIS in one pass, without UTF-16 between; each row
// holds a case where the two could part: what a sequence decodes to, how
// much of a broken one is skipped, where the first '?' stands.
TEST(Utf8Bridge, OnePassMatchesTheRouteThroughUtf16)
{
    struct Row {
        const char* what;
        std::string utf8;
        std::string sjis;
        std::size_t lost;
        std::size_t firstLost;
    };
    const std::size_t none = std::string::npos;
    const Row rows[] = {
        {"an ASCII run longer than eight bytes", "<p class=\"x\">a</p>\r\n", "<p class=\"x\">a</p>\r\n", 0, none},
        {"kanji and half-width katakana", "a漢字ｱｲz", "a" + kKanji + kKana + "z", 0, none},
        {"a two-byte sequence with a code", "\xC2\xA7", "\x81\x98", 0, none},
        {"a two-byte sequence code page 932 lacks", "x\xC2\xA5", "x?", 1, 1},
        {"lone single bytes", "\xC2\x80\xEF\xA3\xB0", "\x80\xA0", 0, none},
        {"the IBM extensions win over NEC's selection of them", "\xE7\xBA\x8A", "\xFA\x5C", 0, none},
        {"a character beyond the first plane is one '?'", "\xF0\x9F\x98\x80!", "?!", 1, 0},
        {"an encoded surrogate is one broken sequence", "\xED\xA0\x80", "?", 1, 0},
        {"an overlong three-byte form", "\xE0\x80\xAF", "?", 1, 0},
        {"a lead UTF-8 never uses, then a stray continuation", "\xC0\xAF", "??", 2, 0},
        {"a sequence broken by ASCII", "\xE6\xBC(", "?(", 1, 0},
        {"a sequence cut off by the end", "ab\xE6\xBC", "ab?", 1, 2},
        {"a byte beyond the last plane", "\xF4\x90\x80\x80", "?", 1, 0},
        {"NUL is a character like any other", std::string("a\0b", 3), std::string("a\0b", 3), 0, none},
    };
    for (const Row& row : rows) {
        utf8::SjisLoss loss;
        EXPECT_EQ(utf8::Utf8ToSjis(row.utf8, loss), row.sjis) << row.what;
        EXPECT_EQ(loss.count, row.lost) << row.what;
        EXPECT_EQ(loss.firstOffset, row.firstLost) << row.what;
        utf8::SjisLoss viaUtf16;
        EXPECT_EQ(utf8::Utf16ToSjis(utf8::ToUtf16(row.utf8), viaUtf16), row.sjis) << row.what;
        EXPECT_EQ(viaUtf16.count, row.lost) << row.what;
    }
}

// Every unit of the first plane, alone and inside a UTF-8 text: the one-pass
// route and the route through UTF-16 agree, and every Shift-JIS character
// that reads as a unit comes back as itself.
TEST(Utf8Bridge, EveryUnitTakesBothRoutesAlike)
{
    for (unsigned u = 1; u < 0x10000; ++u) {
        if (u >= 0xD800 && u <= 0xDFFF)
            continue;
        const std::u16string unit(1, static_cast<char16_t>(u));
        const std::string text = "ab" + utf8::FromUtf16(unit) + "z";
        ASSERT_EQ(utf8::Utf8ToSjis(text), utf8::Utf16ToSjis(utf8::ToUtf16(text))) << std::hex << u;
    }
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string sjis{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string unit = utf8::SjisToUtf16(sjis);
            const std::string back = utf8::Utf16ToSjis(unit);
            if (unit.size() == 1 && unit[0] != 0x30FB && utf8::SjisToUtf16(back) == unit)
                EXPECT_EQ(utf8::Utf8ToSjis(utf8::FromUtf16(unit)), back) << std::hex << lead << ' ' << trail;
        }
    }
}

// The text-only conversions stay byte for byte what they were, but what a
// target lacks is counted, with the line of the first: never a silent loss.
TEST(TextCodecLoss, WhatTheTargetLacksIsCounted)
{
    struct Row {
        const char* what;
        int from, to;
        std::string input, output;
        std::size_t lost, line;
    };
    const Row rows[] = {
        {"UTF-8 to Shift-JIS, '?' as always", 4, 1, "a\n\xF0\x9F\x98\x80 caf\xC3\xA9\n\xE6\xBC\xA2",
         "a\n? caf?\n\x8A\xBF", 2, 2},
        {"Japanese UTF-8 loses nothing", 4, 1, "\xE6\xBC\xA2\xE5\xAD\x97", kKanji, 0, 0},
        {"UTF-16 to EUC-JP, raw as always", 6, 3, Utf16Le(u"a\r\n\u00E9\u6F22"), "a\r\n\xE9\xB4\xC1", 1, 2},
        {"UTF-16 to Shift-JIS: a pair counts once", 6, 1, Utf16Le(u"\U0001F600"), std::string("\xD8\x3D\xDE\x00", 4), 1,
         1},
        {"UTF-16 to JIS: 0xA2 reads as a katakana", 6, 2, Utf16Le(u"\u6F22\u00A2"), "\x1B$B4A\x1B(I\"\x1B(J", 1, 1},
        {"Shift-JIS to EUC-JP: bytes that form no character pass, no loss", 1, 3, "\x81\x20" + kKanji,
         "\x81\x20\xB4\xC1\xBB\xFA", 0, 0},
        {"Shift-JIS to UTF-16 loses nothing", 1, 6, kKanji, Utf16Le(u"\u6F22\u5B57"), 0, 0},
        {"Shift-JIS to UTF-8 loses nothing", 1, 4, kKanji, "\xE6\xBC\xA2\xE5\xAD\x97", 0, 0},
        // Regression: the IBM extensions and the user-defined characters came
        // out as Latin-1 characters, with nothing said.
        {"Shift-JIS extensions to UTF-16", 1, 6, "a\n\xFB\xFC\x8B\xB4 \xFA\x40\n\xF0\x40\n",
         Utf16Le(u"a\n\u9AD9\u6A4B \u2170\n\uE000\n"), 0, 0},
        {"Shift-JIS extensions to EUC-JP: the user-defined one is lost", 1, 3, "a\n\xFB\xFC \xFA\x40\n\xF0\x40\n",
         "a\n\xFC\xE2 \xFC\xF1\n?\n", 1, 3},
        {"Shift-JIS bytes that form no character to UTF-16 are lost", 1, 6, "a\n\x81\x20", Utf16Le(u"a\n\u0081 "), 1,
         2},
        {"the fallback writer writes no character but ASCII", 1, 0, "a" + kKanji, "a\x34\x41\x3B\x7A", 2, 1},
    };
    for (const Row& r : rows) {
        TextCodec codec;
        const ConvertedBytes out = codec.ConvertBytes(r.from, r.to, r.input, false);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.data), out.size), r.output) << r.what;
        EXPECT_EQ(out.lost, r.lost) << r.what;
        EXPECT_EQ(out.firstLostLine, r.line) << r.what;
    }
}

TEST(Utf8Bridge, ValidTextAndRepairs)
{
    EXPECT_TRUE(utf8::IsValid("Café 😀 地図"));
    EXPECT_FALSE(utf8::IsValid("caf\xE9"));
    utf8::Repairs repairs;
    EXPECT_EQ(utf8::MakeValid("Café 😀", repairs), "Café 😀");
    EXPECT_EQ(repairs.count, 0u);
    // A broken sequence (a surrogate's too) is replaced once.
    EXPECT_EQ(utf8::MakeValid("a\xC3(b\xF0\x9F\x98 \xED\xA0\x80z", repairs), "a\uFFFD(b\uFFFD \uFFFDz");
    EXPECT_EQ(repairs.count, 3u);
    EXPECT_EQ(repairs.firstOffset, 1u);
    std::size_t i = 0;
    EXPECT_EQ(utf8::NextCodePoint("😀a", i), U'😀');
    EXPECT_EQ(i, 4u);
    EXPECT_TRUE(utf8::FitsShiftJis("地図 ｱ ① abc \u00D7"));
    EXPECT_FALSE(utf8::FitsShiftJis("地図 é"));
    EXPECT_FALSE(utf8::FitsShiftJis("😀"));
}

// Shift-JIS goes into UTF-8 in one pass, copying ASCII runs whole: the same as
// the road through UTF-16, on random bytes of every kind (leads with and
// without trails, katakana, lone bytes, runs of ASCII around eight bytes).
TEST(Utf8Bridge, ShiftJisToUtf8InOnePassMatchesTheRouteThroughUtf16)
{
    const std::vector<std::string> pieces = {
        "a",    "abcdefghij", "<p>",      "\x81",     "\x82\xA0", "\x95\x5C", "\xB1",     "\x80",
        "\xA0", "\xFD",       "\xFA\x5C", "\xF0\x40", "\x81\x7F", "\xEF\xFC", "\x81\x20", std::string(1, '\0')};
    std::mt19937 random(932);
    for (int round = 0; round < 2000; ++round) {
        std::string sjis;
        for (int n = std::uniform_int_distribution<int>(0, 30)(random); n > 0; --n)
            sjis += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        ASSERT_EQ(utf8::SjisToUtf8(sjis), utf8::FromUtf16(utf8::SjisToUtf16(sjis))) << sjis;
    }
}
