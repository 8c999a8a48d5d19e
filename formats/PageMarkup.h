#pragma once
// A page's bytes seen as markup without decoding them: each character of the
// page, read in its coding as the page reader reads it, stands in a plain
// text at its own place, ASCII characters as themselves and every other
// character as filler bytes (an ideographic space as blanks, which the reader
// takes for one). Tags, attribute names and comments are found in that text
// with the tools for the program's own text, every position still names the
// bytes it came from, and only the pieces that are read or replaced are ever
// decoded or encoded, so the rest of the page keeps its bytes exactly.
//
// The text has one byte per byte of the page, or per 16-bit unit for UTF-16,
// and ends where the reader's text ends: at the page's first NUL character.

#include "services/text/HtmlPageText.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

class PageMarkup
{
public:
    // Any character that is not ASCII, or a byte that stands for no character of its own.
    static constexpr char kOther = '\x80';
    // The ideographic space U+3000.
    static constexpr char kWideSpace = '\xA0';

    // `bytes` must outlive the markup.
    PageMarkup(const std::string& bytes, PageCoding coding);

    const std::string& Text() const { return m_text; }
    PageCoding Coding() const { return m_coding; }
    // Where the character at markup position `pos` (up to Text().size()) begins in the page.
    std::size_t ByteOffset(std::size_t pos) const { return pos * m_unitBytes; }
    // The page's text of [begin, end) as the program's text, with what could
    // not be read counted.
    PageText Read(std::size_t begin, std::size_t end) const;
    // The text as the page holds it: each character the page's coding lacks
    // as a numeric character reference, which the page reads as it.
    std::string InPageForm(const std::string& text) const;
    // `text` (in page form) as the page's bytes, to stand for [begin, end):
    // for JIS with the escapes that leave the shift state after it as the
    // page had it. False when the page's coding cannot hold every character of it.
    bool Encode(const std::string& text, std::size_t begin, std::size_t end, std::string& bytes) const;
    // Whether a position lies in JIS text shifted to two-byte characters, where
    // bytes go in pairs and a change would pair the bytes after it anew.
    bool InTwoByteShift(std::size_t pos) const;
    // The 1-based line of a position: lines end at LF, CR LF or a lone CR.
    std::size_t LineOf(std::size_t pos) const;

private:
    enum class Shift { Ascii, Roman, Katakana, Kanji };

    void BuildShiftJis();
    void BuildEucJp();
    void BuildUtf8();
    void BuildUtf16(bool bigEndian);
    void BuildJis();
    void BuildNecKanji();
    void BuildSingleByte();
    void BuildForeignDoubleByte();
    // Puts the unit a byte passes as; false at a NUL, where the text ends.
    bool PutUnit(unsigned unit);
    void PutKanjiPair(unsigned lead, unsigned trail);
    bool TakeKanjiPair(std::size_t& i);
    // Reads one JIS escape at `i` (after ESC); false when the sequence is not one.
    bool JisEscape(std::size_t& i);
    Shift ShiftAt(std::size_t byteOffset) const;
    bool EncodeShifted(const std::string& text, std::size_t begin, std::size_t end, std::string& bytes) const;

    const std::string& m_bytes;
    PageCoding m_coding;
    std::string m_text;
    std::size_t m_unitBytes = 1;
    std::vector<std::pair<std::size_t, Shift>> m_shifts; // JIS: the state from each byte offset on
};
