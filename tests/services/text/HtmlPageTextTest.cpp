#include "services/text/HtmlPageText.h"

#include "services/text/JisTables.h"
#include "services/text/TextCodec.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace
{

std::string Sjis(const std::string& utf8Text)
{
    return utf8::Utf8ToSjis(utf8Text);
}

std::string Encoded(int code, const std::string& utf8Text)
{
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(EncodingShiftJis, code, Sjis(utf8Text), false);
    return std::string(reinterpret_cast<const char*>(out.data), out.size);
}

std::string Utf16(const std::string& utf8Text, bool bigEndian)
{
    std::string out;
    for (char16_t c : utf8::ToUtf16(utf8Text)) {
        const char high = static_cast<char>(c >> 8), low = static_cast<char>(c & 0xFF);
        out += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return out;
}

// A Shift-JIS text that the codec's detection takes for EUC-JP: every lead
// byte in 0xE0..0xEF and every trail in 0xA1..0xFC.
const std::string kAmbiguousSjis = "\xE4\xA1\xE8\xB0";

// What the codec makes of those bytes as EUC-JP, as the program's text.
std::string AsEucJp(const std::string& bytes)
{
    TextCodec codec;
    std::string text;
    codec.ConvertToString(EncodingEucJp, EncodingShiftJis, bytes, text);
    return utf8::SjisToUtf8(text);
}

struct Row {
    const char* what;
    std::string bytes;
    int chosen;
    int encoding;         // the code read as
    std::string expected; // the program's text
};

} // namespace

TEST(HtmlPageText, ChosenEncodingsAreUsedAsTheyAre)
{
    const Row rows[] = {
        {"Shift-JIS", kAmbiguousSjis, 1, 1, utf8::SjisToUtf8(kAmbiguousSjis)},
        {"JIS", Encoded(2, "地図"), 2, 2, "地図"},
        {"EUC-JP", Encoded(3, "地図"), 3, 3, "地図"},
        {"UTF-8", "\xEF\xBB\xBF地図", 4, 4, "地図"},
        {"UTF-16LE with its mark", "\xFF\xFE" + Utf16("地図", false), 6, 6, "地図"},
        {"UTF-16 marked big-endian", "\xFE\xFF" + Utf16("地図", true), 6, 7, "地図"},
        {"UTF-16BE", Utf16("地図", true), 7, 7, "地図"},
        {"UTF-8 chosen for EUC-JP bytes", Encoded(3, "地"), 4, 4, "\uFFFD\uFFFD"},
    };
    for (const Row& r : rows) {
        PageText page = DecodeHtmlPage(r.bytes, r.chosen);
        EXPECT_EQ(page.text, r.expected) << r.what;
        EXPECT_EQ(page.encoding, r.encoding) << r.what;
    }
}

// Regression: the automatic choice never picked UTF-8, so UTF-8 pages came
// out as garbage.
TEST(HtmlPageText, AutomaticChoiceInItsOrder)
{
    // Sixty characters, none of them with a NUL in UTF-16.
    std::string longJapanese;
    for (int i = 0; i < 10; ++i)
        longJapanese += "地図のページ";
    const std::string meta = "<html><head><meta charset=\"";
    const Row rows[] = {
        // 1. A byte-order mark, whatever the page declares.
        {"UTF-8 mark", "\xEF\xBB\xBF<meta charset=euc-jp>地", 0, 4, "<meta charset=euc-jp>地"},
        {"UTF-16LE mark", "\xFF\xFE" + Utf16("地", false), 0, 6, "地"},
        {"UTF-16BE mark", "\xFE\xFF" + Utf16("地", true), 0, 7, "地"},
        // 2. A declared charset, in either form of <meta>.
        {"meta charset", meta + "Shift_JIS\">" + kAmbiguousSjis, 0, 1,
         meta + "Shift_JIS\">" + utf8::SjisToUtf8(kAmbiguousSjis)},
        {"x-sjis", "<META CHARSET=x-sjis>" + kAmbiguousSjis, 0, 1,
         "<META CHARSET=x-sjis>" + utf8::SjisToUtf8(kAmbiguousSjis)},
        {"Windows-31J", "<meta charset='Windows-31J'>" + kAmbiguousSjis, 0, 1,
         "<meta charset='Windows-31J'>" + utf8::SjisToUtf8(kAmbiguousSjis)},
        {"http-equiv", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">" + Encoded(3, "地"), 0,
         3, "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">地"},
        {"ISO-2022-JP", "<meta charset=iso-2022-jp>" + Encoded(2, "地"), 0, 2, "<meta charset=iso-2022-jp>地"},
        {"UTF-8 declared", "<meta charset=utf-8>地", 0, 4, "<meta charset=utf-8>地"},
        {"UTF-16 declared in UTF-16", Utf16("<meta charset=utf-16>地", true), 0, 7, "<meta charset=utf-16>地"},
        // A UTF-16 declaration read as ASCII is no UTF-16 page.
        {"UTF-16 declared in ASCII", "<meta charset=utf-16>地", 0, 4, "<meta charset=utf-16>地"},
        // A declaration in a comment, an unknown label or one too far in is no declaration.
        {"in a comment", "<!-- <meta charset=shift_jis> -->" + kAmbiguousSjis, 0, 3,
         "<!-- <meta charset=shift_jis> -->" + AsEucJp(kAmbiguousSjis)},
        {"unknown label", "<meta charset=x-unknown>地", 0, 4, "<meta charset=x-unknown>地"},
        {"too far in", std::string(9000, ' ') + "<meta charset=shift_jis>" + kAmbiguousSjis, 0, 3,
         std::string(9000, ' ') + "<meta charset=shift_jis>" + AsEucJp(kAmbiguousSjis)},
        // 3. Valid UTF-8 with multi-byte characters.
        {"UTF-8", "<p>地図のページ</p>", 0, 4, "<p>地図のページ</p>"},
        // 4. The codec's detection.
        {"Shift-JIS", Sjis("<p>地図のページ</p>"), 0, 1, "<p>地図のページ</p>"},
        {"EUC-JP", Encoded(3, "<p>地図のページ</p>"), 0, 3, "<p>地図のページ</p>"},
        {"ambiguous", kAmbiguousSjis, 0, 3, AsEucJp(kAmbiguousSjis)},
        {"JIS", Encoded(2, "<p>地図</p>"), 0, 2, "<p>地図</p>"},
        {"UTF-16 by its NULs", Utf16("<p>地図</p>", false), 0, 6, "<p>地図</p>"},
        {"UTF-16BE by its NULs", Utf16("<p>地図のページ</p>", true), 0, 7, "<p>地図のページ</p>"},
        {"UTF-16 of few ASCII characters", Utf16("<p>x" + longJapanese, false), 0, 6, "<p>x" + longJapanese},
        // A stray NUL in a page of bytes does not make it UTF-16 (the text
        // ends there, as the codec reads it).
        {"UTF-8 with a NUL", "<p>地図</p>" + std::string(1, '\0') + "<!-- -->", 0, 4, "<p>地図</p>"},
        {"EUC-JP with a NUL", Encoded(3, "<p>地図のページ</p>") + std::string(1, '\0') + "<!-- -->", 0, 3,
         "<p>地図のページ</p>"},
        {"a run of NULs", "<p>地図</p>" + std::string(16, '\0'), 0, 4, "<p>地図</p>"},
        {"ASCII", "<p>map</p>", 0, 1, "<p>map</p>"},
        {"code 5 chooses too", "地", 5, 4, "地"},
    };
    for (const Row& r : rows) {
        PageText page = DecodeHtmlPage(r.bytes, r.chosen);
        EXPECT_EQ(page.text, r.expected) << r.what;
        EXPECT_EQ(page.encoding, r.encoding) << r.what;
        EXPECT_EQ(page.replaced, 0u) << r.what;
    }
}

// The coding is found without decoding the page, and a piece of a page reads
// as the same piece of the whole page's text.
TEST(HtmlPageText, CodingsAndPieces)
{
    struct CodingRow {
        const char* what;
        std::string bytes;
        int chosen;
        PageCoding coding;
    };
    const CodingRow rows[] = {
        {"chosen EUC-JP", "abc", 3, PageCoding::EucJp},
        {"chosen UTF-16 marked big-endian", "\xFE\xFF\0a", 6, PageCoding::Utf16Be},
        {"detected JIS", Encoded(2, "地"), 0, PageCoding::Jis},
        {"detected NEC kanji", "\x1BKCO\x1BH", 0, PageCoding::NecKanji},
        {"declared windows-1252", "<meta charset=windows-1252>", 0, PageCoding::Western},
        {"declared Big5", "<meta charset=big5>", 0, PageCoding::ForeignDoubleByte},
        {"declared KOI8-R", "<meta charset=koi8-r>", 0, PageCoding::ForeignSingleByte},
        {"ASCII", "<p>", 0, PageCoding::ShiftJis},
    };
    for (const CodingRow& r : rows)
        EXPECT_EQ(ChoosePageCoding(r.bytes, r.chosen), r.coding) << r.what;
    EXPECT_EQ(EncodingOf(PageCoding::NecKanji), EncodingJis);
    EXPECT_EQ(EncodingOf(PageCoding::ForeignSingleByte), kForeignCharset);
    const std::string euc = Encoded(3, "<p>地図</p>");
    EXPECT_EQ(DecodePageBytes(euc.substr(3, 4), PageCoding::EucJp).text, "地図");
    EXPECT_EQ(DecodePageBytes(euc, PageCoding::EucJp).text, DecodeHtmlPage(euc, 3).text);
}

// Charsets without tables keep their ASCII, their other characters U+FFFD;
// windows-1252 and its kin are read whole.
TEST(HtmlPageText, ForeignCharsets)
{
    PageText korean = DecodeHtmlPage("<meta charset=\"EUC-KR\"><b alt='\xB3\xD7\xC0\xCC'>x</b>", 0);
    EXPECT_EQ(korean.text, "<meta charset=\"EUC-KR\"><b alt='\uFFFD\uFFFD'>x</b>");
    EXPECT_EQ(korean.encoding, kForeignCharset);
    EXPECT_EQ(korean.replaced, 2u);
    PageText western = DecodeHtmlPage("<meta charset=iso-8859-1>caf\xE9 \x93q\x94 2\xD7"
                                      "3 \x81",
                                      0);
    EXPECT_EQ(western.text, "<meta charset=iso-8859-1>café “q” 2×3 \uFFFD");
    EXPECT_EQ(western.replaced, 1u); // 0x81 is no character of windows-1252
    PageText cyrillic = DecodeHtmlPage("<meta charset=koi8-r>\xC1\xC2z", 0);
    EXPECT_EQ(cyrillic.text, "<meta charset=koi8-r>\uFFFD\uFFFDz");
}

// Every character of the world's pages comes in as itself: nothing the
// Japanese encodings lack is replaced.
TEST(HtmlPageText, EveryCharacterComesInAsItself)
{
    const std::string text =
        "<p>a</p>\r\n<p alt=\"Café crème — ©2026 €5 😀 naïve 𠮷野家 图片地图 지도 e\u0301\">〜 ¥ −</p>";
    for (const Row& r : {Row{"UTF-8", text, 0, 4, text}, Row{"UTF-8 chosen", text, 4, 4, text},
                         Row{"UTF-16LE", "\xFF\xFE" + Utf16(text, false), 0, 6, text},
                         Row{"UTF-16BE", Utf16(text, true), 7, 7, text}}) {
        PageText page = DecodeHtmlPage(r.bytes, r.chosen);
        EXPECT_EQ(page.text, r.expected) << r.what;
        EXPECT_EQ(page.encoding, r.encoding) << r.what;
        EXPECT_EQ(page.replaced, 0u) << r.what;
    }
}

// What could not be read becomes U+FFFD, counted, with the line of the first.
TEST(HtmlPageText, ReplacementsAreCountedWithTheirFirstLine)
{
    PageText page = DecodeHtmlPage("<p>a</p>\r\n<p>b</p>\n<p>x\xF0\x9F\x98 \xC3(</p>\r\n", 4);
    EXPECT_EQ(page.text, "<p>a</p>\r\n<p>b</p>\n<p>x\uFFFD \uFFFD(</p>\r\n");
    EXPECT_EQ(page.replaced, 2u);
    EXPECT_EQ(page.firstReplacedLine, 3u);
    EXPECT_EQ(DecodeHtmlPage("a\rb\r\xF0\x9F\x98", 4).firstReplacedLine, 3u); // lone CRs end lines too
    EXPECT_EQ(DecodeHtmlPage("\xC3\x28", 4).replaced, 1u);                    // broken UTF-8
    EXPECT_EQ(DecodeHtmlPage(Utf16("a", false) + std::string("\0\xD8", 2) + Utf16("b", false), 6).replaced,
              1u); // a lone surrogate
    // JIS X 0212 in EUC-JP, which the program has no table for: one character, one U+FFFD.
    EXPECT_EQ(DecodeHtmlPage("\x8F\xA2\xAF", 3).text, "\uFFFD");
    PageText clean = DecodeHtmlPage("地図", 0);
    EXPECT_EQ(clean.replaced, 0u);
    EXPECT_EQ(clean.firstReplacedLine, 0u);
    // The text ends at its first NUL, as before; what follows is not counted.
    PageText cut = DecodeHtmlPage(std::string("ab\0\xF0\x9F\x98\x80", 6), 4);
    EXPECT_EQ(cut.text, "ab");
    EXPECT_EQ(cut.replaced, 0u);
}

// Regression: bytes the Japanese decoders could not read came out as U+30FB
// (・) or as Latin-1 characters (°, ±), or were dropped, and nothing was
// said. Each sequence that forms no character is one U+FFFD, counted, as
// browsers read it: a lead takes the byte after it along unless that byte
// is ASCII.
TEST(HtmlPageText, UndecodableSequencesAreOneReplacementEach)
{
    const struct {
        const char* what;
        int encoding;
        std::string bytes;    // on the page's second line
        std::string expected; // the program's text of those bytes
        std::size_t replaced;
    } rows[] = {
        {"Shift-JIS, a free code with an ASCII trail", 1, "\x85\x50", "\uFFFDP", 1},
        {"Shift-JIS, a free code", 1, "\x85\x9F", "\uFFFD", 1},
        {"Shift-JIS, a lead at the end", 1, "a\x85", "a\uFFFD", 1},
        {"Shift-JIS, a trail out of range", 1, "\x81\xFF", "\uFFFD", 1},
        {"Shift-JIS, lone bytes no browser reads", 1, "\xA0\xFD", "\uFFFD\uFFFD", 2},
        {"Shift-JIS, the real middle dot", 1, "\x81\x45", "・", 0},
        {"Shift-JIS, an IBM extension", 1, "\xFB\xFC", "髙", 0},
        {"EUC-JP, a lead with an ASCII trail", 3, "\xB0\x41", "\uFFFDA", 1},
        {"EUC-JP, JIS X 0212", 3, "\x8F\xAB\xB1", "\uFFFD", 1},
        {"EUC-JP, 0x8E without a katakana", 3, "\x8E\x42", "\uFFFDB", 1},
        {"EUC-JP, a free code", 3, "\xF5\xA1", "\uFFFD", 1},
        {"EUC-JP, a byte no lead", 3, "\x80", "\uFFFD", 1},
        {"EUC-JP, the real middle dot", 3, "\xA1\xA6", "・", 0},
        {"EUC-JP, JIS X 0212 cut off by the end", 3, "a\x8F\xA2", "a\uFFFD", 1},
        {"EUC-JP, a lead at the end", 3, "a\xB0", "a\uFFFD", 1},
        {"JIS, a cell out of range", 2, "\x1B$B\x30\x7F\x1B(B", "\uFFFD", 1},
        {"JIS, a free code", 2, "\x1B$B\x22\x30\x1B(B", "\uFFFD", 1},
        {"JIS, the real middle dot", 2, "\x1B$B\x21\x26\x1B(B", "・", 0},
        {"JIS, a lead at the end", 2, "a\x1B$B\x30", "a\uFFFD", 1},
        {"JIS, an escape it does not know", 2, "\x1B(Zx", "\uFFFD(Zx", 1},
    };
    for (const auto& row : rows) {
        const PageText page = DecodeHtmlPage("<p>\n" + row.bytes, row.encoding);
        EXPECT_EQ(page.text, "<p>\n" + row.expected) << row.what;
        EXPECT_EQ(page.replaced, row.replaced) << row.what;
        EXPECT_EQ(page.firstReplacedLine, row.replaced ? 2u : 0u) << row.what;
    }
    // Regression: the odd last byte of a UTF-16 page was dropped unsaid.
    const PageText odd = DecodeHtmlPage("\xFF\xFE" + Utf16("<p>\na", false) + "b", 6);
    EXPECT_EQ(odd.text, "<p>\na\uFFFD");
    EXPECT_EQ(odd.replaced, 1u);
    EXPECT_EQ(odd.firstReplacedLine, 2u);
}

// Regression: an undeclared UTF-8 page with one stray byte was read whole as
// Shift-JIS, its every character garbled. A few stray bytes among many
// characters of UTF-8 leave it UTF-8, the strays U+FFFD.
TEST(HtmlPageText, NearlyValidUtf8IsReadAsUtf8)
{
    const std::string map = "<img usemap=\"#地図\"><map name=\"地図\"><area alt=\"Café 地図\"></map>\n";
    PageText page = DecodeHtmlPage(map + "<p>\xFF</p>", EncodingAuto);
    EXPECT_EQ(page.encoding, EncodingUtf8);
    EXPECT_EQ(page.text, map + "<p>\uFFFD</p>");
    EXPECT_EQ(page.replaced, 1u);
    EXPECT_EQ(page.firstReplacedLine, 2u);
    // An undeclared windows-1252 page is no UTF-8: Shift-JIS, its é unreadable and said so.
    page = DecodeHtmlPage("<p>Caf\xE9</p>", EncodingAuto);
    EXPECT_EQ(page.encoding, EncodingShiftJis);
    EXPECT_EQ(page.text, "<p>Caf\uFFFD</p>");
    EXPECT_EQ(page.replaced, 1u);
}

namespace
{

std::string RealPage(const std::string& name)
{
    std::ifstream in(kTestData / "realworld" / name, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// The ASCII characters of a text other than '?', stepping over the pairs of
// Shift-JIS when it is Shift-JIS (their trail bytes may look like ASCII).
std::size_t AsciiCount(const std::string& text, bool shiftJis)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (shiftJis && ((c >= 0x81 && c <= 0x9F) || c >= 0xE0))
            ++i;
        else
            count += c > 0 && c < 0x7F && c != '?';
    }
    return count;
}

} // namespace

// Every real page reads without a chosen encoding: the Japanese ones whole,
// the others with their ASCII kept.
TEST(HtmlPageText, RealPages)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    struct Page {
        const char* name;
        int encoding;
        const char* text; // UTF-8, found in the decoded page
    };
    const Page pages[] = {
        {"01-ja-eucjp-melonpan-kiyaku-map-in-comment.html", 3, "alt=\"めろんぱんでのメルマガ発行の流れ\""},
        {"02-ja-eucjp-ecopri-top-six-maps.html", 3, "title=\"EcoゾウQ&A\""},
        {"03-ja-eucjp-ecopri-circles-events-no-href.html", 3, "<!--台所-->"},
        {"04-ja-utf8-tokushima-poly-junk-map-attrs.html", 4, "alt=\"西部\""},
        {"05-ja-utf8-pc4353-php-commented-area-fragment.html", 4, "alt=\"中国・四国・九州エリア\""},
        {"05-ja-utf8-pc4353-php-commented-area-fragment.sjis.html", 1, "alt=\"中国・四国・九州エリア\""},
        {"06-html4-uppercase-nohref-circle.html", 1, "ALT=\"The Circle\""},
        {"08-xhtml-doxygen-class-diagram-map.html", 4, "gameplay::Button_map"},
        {"10-frontpage-asp-spaced-coords.html", kForeignCharset, "FPMap0"},
        {"11-ko-seoul-trailing-commas-js-events.html", 4, "title=\"새창열림\""},
        {"12-ru-space-separated-coords.html", 4, "alt=\"На главную страницу\""},
        {"13-ko-euckr-spaced-equals-single-quotes.html", kForeignCharset, "alt = '\uFFFD\uFFFD\uFFFD'"},
        {"14-de-shape-rectangle-commented-area.html", 3, "Zur\uFFFDck zur <a href=\"index.php\">"},
        {"15-shape-polygon-multiline-map-without-img.html", 1, "shape=\"polygon\""},
        {"16-zh-double-comma-area-end-tags.html", 4, "<area shape=\"rect\""},
    };
    for (const Page& p : pages) {
        const std::string bytes = RealPage(p.name);
        PageText page = DecodeHtmlPage(bytes, EncodingAuto);
        EXPECT_EQ(page.encoding, p.encoding) << p.name;
        EXPECT_NE(page.text.find(p.text), std::string::npos) << p.name;
        // Only what could not be read was replaced: the ASCII of the page is all there.
        EXPECT_EQ(AsciiCount(page.text, false), AsciiCount(bytes, page.encoding == EncodingShiftJis)) << p.name;
    }
}

// Shift-JIS and EUC-JP practically never pass as valid UTF-8, so the UTF-8
// step cannot take them: not the real pages, and not generated Japanese text.
TEST(HtmlPageText, JapaneseEncodingsAreNotValidUtf8)
{
    ZM_SKIP_WITHOUT_TESTDATA();
    for (const char* name : {"01-ja-eucjp-melonpan-kiyaku-map-in-comment.html", "02-ja-eucjp-ecopri-top-six-maps.html",
                             "03-ja-eucjp-ecopri-circles-events-no-href.html",
                             "05-ja-utf8-pc4353-php-commented-area-fragment.sjis.html"}) {
        EXPECT_FALSE(utf8::LooksLikeUtf8(RealPage(name))) << name;
        EXPECT_FALSE(utf8::MostlyUtf8(RealPage(name))) << name;
    }
}

TEST(HtmlPageText, GeneratedJapaneseTextIsNotValidUtf8)
{
    // Sentences of 5 to 60 characters, mixed roughly as Japanese prose is:
    // hiragana, katakana, kanji of both levels, punctuation and some ASCII.
    // (A string of one to four kanji alone can pass as UTF-8, which is why
    // a declared charset is asked first.)
    std::mt19937 random(20240611);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    int passed = 0;
    for (int sentence = 0; sentence < 20000; ++sentence) {
        std::string sjis, euc;
        for (int n = pick(5, 60); n > 0; --n) {
            const int kind = pick(0, 99);
            int row = 0, cell = 0;
            if (kind < 40)
                row = 0x24, cell = pick(0x21, 0x73); // hiragana
            else if (kind < 55)
                row = 0x25, cell = pick(0x21, 0x76); // katakana
            else if (kind < 75)
                row = pick(0x30, 0x4E), cell = pick(0x21, 0x7E); // kanji, level 1
            else if (kind < 85)
                row = pick(0x50, 0x73), cell = pick(0x21, 0x7E); // kanji, level 2
            else if (kind < 90)
                row = 0x21, cell = pick(0x22, 0x23); // 、。
            if (row == 0) {
                const char ascii = "abc 123"[pick(0, 6)];
                sjis += ascii;
                euc += ascii;
                continue;
            }
            jis::AppendShiftJis(sjis, row * 256 + cell);
            euc += static_cast<char>(row + 0x80);
            euc += static_cast<char>(cell + 0x80);
        }
        passed += utf8::LooksLikeUtf8(sjis + "\n") + utf8::LooksLikeUtf8(euc + "\n");
        passed += utf8::MostlyUtf8(sjis + "\n") + utf8::MostlyUtf8(euc + "\n");
    }
    EXPECT_EQ(passed, 0);
}
