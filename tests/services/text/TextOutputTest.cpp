#include "services/text/TextOutput.h"

#include "services/text/HtmlPageText.h"
#include "services/text/JisTables.h"
#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

namespace
{

// Text of many scripts: Latin with accents, a combining accent, Korean,
// Chinese, a character beyond the first plane, emoji, the everyday marks
// Shift-JIS lacks, and Japanese that it holds.
const std::string kWorld = "Café crème — ©2026 €5 😀 /wiki/Zürich?q=ñ 지도 naïve 𠮷野家 图片地图 e\u0301 "
                           "£©€—–½™• 地図のページ ｱｲ ①";

// Numeric references back to their characters, as a browser reads them.
std::string ReadReferences(const std::string& text)
{
    static const std::regex reference("&#(x[0-9A-Fa-f]+|[0-9]+);");
    std::string out;
    std::size_t at = 0;
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
        out += text.substr(at, static_cast<std::size_t>(it->position()) - at);
        const std::string digits = (*it)[1];
        const unsigned long code =
            digits[0] == 'x' ? std::stoul(digits.substr(1), nullptr, 16) : std::stoul(digits, nullptr, 10);
        utf8::AppendCodePoint(out, static_cast<char32_t>(code));
        at = static_cast<std::size_t>(it->position() + it->length());
    }
    return out + text.substr(at);
}

} // namespace

TEST(TextOutput, ReferencesDecimalAndBeyondTheFirstPlaneHexadecimal)
{
    EXPECT_EQ(textout::CharacterReference(0xE9), "&#233;");
    EXPECT_EQ(textout::CharacterReference(0xFFFD), "&#65533;");
    EXPECT_EQ(textout::CharacterReference(0x1F600), "&#x1F600;");
    EXPECT_EQ(textout::CharacterReference(0x20BB7), "&#x20BB7;");
}

TEST(TextOutput, WhatEachEncodingHolds)
{
    const struct {
        char32_t c;
        bool sjis, euc;
    } rows[] = {
        {U'a', true, true},       {U'地', true, true},       {U'ｱ', true, true},
        {U'①', true, true},                                  // an NEC special character, row 13
        {U'\uE000', true, false},                            // user-defined: code page 932 has it, EUC-JP not
        {U'é', false, false},     {U'¥', false, false},      // 0xA5 would read as a katakana
        {U'¢', false, false},     {U'\u301C', false, false}, // the wave dash code page 932 lacks
        {U'\uFF5E', true, true},  {U'😀', false, false},      {U'지', false, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(textout::Holds(EncodingShiftJis, row.c), row.sjis) << std::hex << static_cast<unsigned long>(row.c);
        EXPECT_EQ(textout::Holds(EncodingEucJp, row.c), row.euc) << std::hex << static_cast<unsigned long>(row.c);
        EXPECT_EQ(textout::Holds(EncodingJis, row.c), row.euc) << std::hex << static_cast<unsigned long>(row.c);
        for (int unicode : {EncodingUtf8, EncodingUtf8Signature, EncodingUtf16Le, EncodingUtf16Be})
            EXPECT_TRUE(textout::Holds(unicode, row.c));
    }
}

// Text of many scripts written in each of the seven encodings and read back
// as a page is read: every character the same, as itself in UTF-8 and
// UTF-16, as a reference in the Japanese encodings.
TEST(TextOutput, EveryEncodingGivesEveryCharacterBack)
{
    const std::string text = "<p alt=\"" + kWorld + "\">\r\n";
    for (int encoding = EncodingShiftJis; encoding <= EncodingUtf16Be; ++encoding) {
        std::size_t references = 0;
        const std::string bytes = textout::Encode(text, encoding, true, &references);
        const PageText back = DecodeHtmlPage(bytes, encoding == EncodingUtf8Signature ? EncodingAuto : encoding);
        EXPECT_EQ(back.replaced, 0u) << encoding;
        const bool japanese = encoding <= EncodingEucJp;
        EXPECT_EQ(references > 0, japanese) << encoding;
        EXPECT_EQ(back.text == text, !japanese) << encoding << ": " << back.text;
        EXPECT_EQ(ReadReferences(back.text), text) << encoding << ": " << back.text;
    }
}

// What Japanese-only text is written as stays byte for byte what it was.
TEST(TextOutput, JapaneseTextIsWrittenAsAlways)
{
    const std::string text = "<AREA ALT=\"地図のページ ｱｲ ① 表ソ\">";
    const std::string sjis = utf8::Utf8ToSjis(text);
    EXPECT_EQ(textout::Encode(text, EncodingShiftJis, true), sjis);
    for (int encoding : {EncodingJis, EncodingEucJp, EncodingUtf16Le, EncodingUtf16Be}) {
        TextCodec codec;
        const ConvertedBytes old = codec.ConvertBytes(EncodingShiftJis, encoding, sjis, true);
        EXPECT_EQ(textout::Encode(text, encoding, true), std::string(reinterpret_cast<const char*>(old.data), old.size))
            << encoding;
    }
    EXPECT_EQ(textout::Encode(text, EncodingUtf8, true), text);
    EXPECT_EQ(textout::Encode(text, EncodingUtf8Signature, false), "\xEF\xBB\xBF" + text);
    EXPECT_EQ(textout::Encode("a", EncodingUtf16Le, false), std::string("a\0", 2));
}

TEST(TextOutput, PageFormOfACharsetWithoutTables)
{
    EXPECT_EQ(textout::AsciiWithReferences("Zürich 地図 😀"), "Z&#252;rich &#22320;&#22259; &#x1F600;");
    std::size_t references = 0;
    EXPECT_EQ(textout::WithReferences("Zürich", EncodingUtf8, &references), "Zürich");
    EXPECT_EQ(references, 0u);
    EXPECT_EQ(textout::WithReferences("Zürich ü", EncodingShiftJis, &references), "Z&#252;rich &#252;");
    EXPECT_EQ(references, 2u);
}

// Regression: a character both of NEC's selection of the IBM extensions
// (ED, EE) and the IBM extensions (FA..FC) hold was written with the NEC
// code, so a map read from a Windows page with 髙 (FB FC) no longer wrote it
// byte for byte. JIS X 0208 and NEC's row 13 keep their codes.
TEST(TextOutput, ShiftJisWritesTheCodeWindowsAndBrowsersWrite)
{
    const struct {
        const char* character;
        std::string sjis;
    } rows[] = {
        {"髙", "\xFB\xFC"},
        {"﨑", "\xFA\xB1"},
        {"ⅰ", "\xFA\x40"},
        {"纊", "\xFA\x5C"},
        {"∵", "\x81\xE6"},
        {"￢", "\x81\xCA"},
        {"Ⅰ", "\x87\x54"},
        {"≒", "\x81\xE0"},
        // NEC's row 13 before the IBM extensions' FA 58..FA 5A; the IBM
        // symbols before NEC's selection of them (EE FA..EE FC).
        {"№", "\x87\x82"},
        {"㈱", "\x87\x8A"},
        {"℡", "\x87\x84"},
        {"￤", "\xFA\x55"},
        {"＇", "\xFA\x56"},
        {"＂", "\xFA\x57"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(textout::Encode(row.character, EncodingShiftJis, false), row.sjis) << row.character;
        EXPECT_EQ(utf8::Utf8ToSjis(row.character), row.sjis) << row.character;
        EXPECT_EQ(utf8::SjisToUtf8(row.sjis), row.character) << row.character;
    }
}

namespace
{

// JIS as other programs read it: in JIS-Roman (ESC ( J) 0x5C is the yen
// sign and 0x7E the overline; the text begins in ASCII.
std::string ReadAsOtherReadersDo(const std::string& bytes)
{
    enum { Ascii, Roman, Katakana, Kanji } state = Ascii;
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes.compare(i, 3, "\x1B(B") == 0 || bytes.compare(i, 3, "\x1B(J") == 0 ||
            bytes.compare(i, 3, "\x1B(I") == 0 || bytes.compare(i, 3, "\x1B$B") == 0) {
            const char kind = bytes[i + 2];
            state = kind == 'B' ? (bytes[i + 1] == '$' ? Kanji : Ascii) : kind == 'J' ? Roman : Katakana;
            i += 2;
        } else if (state == Kanji && i + 1 < bytes.size()) {
            utf8::AppendCodePoint(out, jis::ToUnicode(static_cast<unsigned char>(bytes[i]) * 256u +
                                                      static_cast<unsigned char>(bytes[i + 1])));
            ++i;
        } else if (state == Katakana) {
            utf8::AppendCodePoint(out, jis::ToUnicode(static_cast<unsigned char>(bytes[i]) | 0x80u));
        } else if (state == Roman && (bytes[i] == '\\' || bytes[i] == '~')) {
            out += bytes[i] == '\\' ? "\u00A5" : "\u203E";
        } else {
            out += bytes[i];
        }
    }
    return out;
}

} // namespace

// Regression: after kanji the JIS writer went back to JIS-Roman, where other
// programs read "/~user/a\b.html" as "/‾user/a¥b.html". Where no escape
// came before, and for every other character, it writes what it always wrote.
TEST(TextOutput, JisWritesBackslashAndTildeInAscii)
{
    const struct {
        const char* what;
        std::string text, jis;
    } rows[] = {
        {"ASCII alone, no escape", "/~user/a\\b.html", "/~user/a\\b.html"},
        {"kanji then letters, JIS-Roman as always", "地図ab", "\x1B$BCO?^\x1B(Jab"},
        {"kanji at the end", "a地図", "a\x1B$BCO?^\x1B(J"},
        {"kanji then a tilde", "地図~user", "\x1B$BCO?^\x1B(B~user\x1B(J"},
        {"kanji, a slash, then a tilde", "地/~u", "\x1B$BCO\x1B(J/\x1B(B~u\x1B(J"},
        {"kanji, a letter, then a backslash", "地a\\b", "\x1B$BCO\x1B(Ja\x1B(B\\b\x1B(J"},
        {"katakana then a tilde", "ｱ~", "\x1B(I1\x1B(B~\x1B(J"},
        {"kanji again after the ASCII run", "地~a地b", "\x1B$BCO\x1B(B~a\x1B$BCO\x1B(Jb"},
    };
    for (const auto& row : rows) {
        const std::string jis = textout::Encode(row.text, EncodingJis, false);
        EXPECT_EQ(jis, row.jis) << row.what;
        EXPECT_EQ(DecodeHtmlPage(jis, EncodingJis).text, row.text) << row.what;
    }
    // Every character JIS is said to hold reads back as itself in other
    // programs too, after kanji as anywhere.
    for (char32_t c = 0x20; c < 0x7F; ++c) {
        std::string text = "地";
        utf8::AppendCodePoint(text, c);
        ASSERT_TRUE(textout::Holds(EncodingJis, c));
        EXPECT_EQ(ReadAsOtherReadersDo(textout::Encode(text, EncodingJis, false)), text) << text;
    }
}
