#include "formats/PageMarkup.h"

#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

namespace
{

const char O = PageMarkup::kOther;
const char W = PageMarkup::kWideSpace;

std::string Sjis(const std::string& utf8Text)
{
    return utf8::Utf8ToSjis(utf8Text);
}

} // namespace

// Every character stands at its own place: ASCII as itself, anything else as
// fillers, one per byte (per unit in UTF-16), and the text ends at the first NUL.
TEST(PageMarkup, OneStandInPerByteOrUnit)
{
    struct Row {
        const char* what;
        std::string bytes;
        PageCoding coding;
        std::string markup;
    };
    const Row rows[] = {
        {"Shift-JIS: a trail byte '<' or 'a' is no markup", "<\x83\x3C\x83\x61\x81\x40>", PageCoding::ShiftJis,
         std::string("<") + O + O + O + O + W + W + ">"},
        {"Shift-JIS ends at a NUL", std::string("a\0b", 3), PageCoding::ShiftJis, "a"},
        {"EUC-JP, half-width katakana, JIS X 0212, ideographic space", "a\xC3\xCF\x8E\xB1\x8F\xA1\xA1\xA1\xA1z",
         PageCoding::EucJp, std::string("a") + O + O + O + O + O + O + O + W + W + "z"},
        {"EUC-JP: a byte after a stray lead is itself", "\xC3<", PageCoding::EucJp, std::string(1, O) + "<"},
        {"UTF-8", "a\xE5\x9C\xB0\xE3\x80\x80z", PageCoding::Utf8, std::string("a") + O + O + O + W + W + W + "z"},
        {"UTF-16LE with its mark", std::string("\xFF\xFE<\0\x30\x57\x00\x30>\0", 10), PageCoding::Utf16Le,
         std::string(1, O) + "<" + O + W + ">"},
        {"UTF-16BE ends at a NUL unit", std::string("\0a\0\0\0b", 6), PageCoding::Utf16Be, "a"},
        {"JIS: escapes and kanji are no markup", "<\x1B$BCO!!\x1B(B>", PageCoding::Jis,
         std::string("<") + O + O + O + O + O + W + W + O + O + O + ">"},
        {"JIS: an unknown escape passes", "\x1B(Z<", PageCoding::Jis, "\x1B(Z<"},
        {"NEC kanji", "a\x1BKCO\x1BHb", PageCoding::NecKanji, std::string("a") + O + O + O + O + O + O + "b"},
        {"a foreign two-byte code: the trail goes with its lead", "\xB3<\xC0\x61z", PageCoding::ForeignDoubleByte,
         std::string(1, O) + "<" + O + O + "z"},
        {"a single-byte code", "caf\xE9!", PageCoding::Western, std::string("caf") + O + "!"},
    };
    for (const Row& r : rows) {
        const PageMarkup markup(r.bytes, r.coding);
        EXPECT_EQ(markup.Text(), r.markup) << r.what;
    }
    const std::string utf16("\xFF\xFE<\0a\0", 6);
    EXPECT_EQ(PageMarkup(utf16, PageCoding::Utf16Le).ByteOffset(2), 4u);
}

TEST(PageMarkup, PiecesReadInTheirCoding)
{
    const std::string euc = "<p alt=\"\xC3\xCF\xBF\xDE\">";
    const PageMarkup markup(euc, PageCoding::EucJp);
    EXPECT_EQ(markup.Read(8, 12).text, "地図");
    EXPECT_EQ(markup.Read(0, 2).text, "<p");
    // A piece that begins inside JIS kanji is read in that state.
    const std::string jis = "a\x1B$BCO?^\x1B(B";
    EXPECT_EQ(PageMarkup(jis, PageCoding::Jis).Read(6, 8).text, "図");
    const PageText korean = PageMarkup("\xB3\xD7", PageCoding::ForeignDoubleByte).Read(0, 2);
    EXPECT_EQ(korean.text, "\uFFFD");
    EXPECT_EQ(korean.replaced, 1u);
}

// New text in the page's coding, or refused when the coding lacks one of its characters.
TEST(PageMarkup, NewTextInThePagesCoding)
{
    struct Row {
        const char* what;
        std::string page;
        PageCoding coding;
        std::string text;
        bool encoded;
        std::string bytes;
    };
    const Row rows[] = {
        {"Shift-JIS", "<p>", PageCoding::ShiftJis, "地図", true, Sjis("地図")},
        {"EUC-JP", "<p>", PageCoding::EucJp, "地図", true, "\xC3\xCF\xBF\xDE"},
        {"UTF-8", "<p>", PageCoding::Utf8, "地😀", true, "\xE5\x9C\xB0\xF0\x9F\x98\x80"},
        {"UTF-16BE", std::string("\0<", 2), PageCoding::Utf16Be, "a\r\n", true, std::string("\0a\0\r\0\n", 6)},
        {"a user-defined character has no EUC-JP code", "<p>", PageCoding::EucJp, "\uE000", false, ""},
        {"nor Shift-JIS an emoji", "<p>", PageCoding::ShiftJis, "😀", false, ""},
        {"nor UTF-8 a lone lead byte", "<p>", PageCoding::Utf8, "\x88", false, ""},
        {"a foreign charset takes ASCII", "<p>", PageCoding::Western, "abc", true, "abc"},
        {"and nothing else", "<p>", PageCoding::ForeignDoubleByte, "地", false, ""},
        {"NEC kanji takes ASCII", "<p>", PageCoding::NecKanji, "abc", true, "abc"},
    };
    for (const Row& r : rows) {
        const PageMarkup markup(r.page, r.coding);
        std::string bytes;
        EXPECT_EQ(markup.Encode(r.text, 0, 0, bytes), r.encoded) << r.what;
        if (r.encoded)
            EXPECT_EQ(bytes, r.bytes) << r.what;
    }
}

// JIS: the new text returns to the single-byte state the page has where it
// goes, and leaves the state after it as the page had it.
TEST(PageMarkup, JisTextKeepsThePagesShiftStates)
{
    struct Row {
        const char* what;
        std::string page;
        std::size_t begin, end;
        std::string text, bytes;
    };
    const Row rows[] = {
        {"in ASCII", "<p>", 1, 1, "地a", "\x1B$BCO\x1B(Ba"},
        {"in JIS-Roman", "\x1B(J<p>", 4, 4, "地", "\x1B$BCO\x1B(J"},
        {"ASCII text where kanji follow", "<\x1B$BCO\x1B(B>", 1, 1, "p", "p"},
        {"replacing a kanji run that ended in ASCII, in JIS-Roman", "\x1B(J<\x1B$BCO\x1B(B>", 4, 12, "p", "p\x1B(B"},
        {"within kanji", "\x1B$BCO?^\x1B(B", 5, 5, "p", "\x1B(Bp\x1B$B"},
    };
    for (const Row& r : rows) {
        const PageMarkup markup(r.page, PageCoding::Jis);
        std::string bytes;
        ASSERT_TRUE(markup.Encode(r.text, r.begin, r.end, bytes)) << r.what;
        EXPECT_EQ(bytes, r.bytes) << r.what;
    }
}

TEST(PageMarkup, Lines)
{
    const PageMarkup markup("a\r\nb\nc\rd", PageCoding::ShiftJis);
    EXPECT_EQ(markup.LineOf(0), 1u);
    EXPECT_EQ(markup.LineOf(3), 2u);
    EXPECT_EQ(markup.LineOf(5), 3u);
    EXPECT_EQ(markup.LineOf(7), 4u);
}

// The page form of a text: what the page's coding lacks as character
// references, which every coding can then take.
TEST(PageMarkup, TextInPageForm)
{
    struct Row {
        const char* what;
        PageCoding coding;
        std::string form;
    };
    const std::string text = "地図 Café ©2026 😀 지도";
    const Row rows[] = {
        {"UTF-8 holds everything", PageCoding::Utf8, text},
        {"so does UTF-16", PageCoding::Utf16Le, text},
        {"Shift-JIS", PageCoding::ShiftJis, "地図 Caf&#233; &#169;2026 &#x1F600; &#51648;&#46020;"},
        {"EUC-JP", PageCoding::EucJp, "地図 Caf&#233; &#169;2026 &#x1F600; &#51648;&#46020;"},
        {"JIS", PageCoding::Jis, "地図 Caf&#233; &#169;2026 &#x1F600; &#51648;&#46020;"},
        {"a charset without tables: ASCII only", PageCoding::ForeignDoubleByte,
         "&#22320;&#22259; Caf&#233; &#169;2026 &#x1F600; &#51648;&#46020;"},
    };
    for (const Row& r : rows) {
        const PageMarkup markup("<p>", r.coding);
        EXPECT_EQ(markup.InPageForm(text), r.form) << r.what;
        std::string bytes;
        EXPECT_TRUE(markup.Encode(r.form, 0, 0, bytes)) << r.what;
    }
}
