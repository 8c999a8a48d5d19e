#include "formats/PageMarkup.h"

#include "services/text/JisTables.h"
#include "services/text/SjisUnitTable.h"
#include "services/text/TextCodec.h"
#include "services/text/TextOutput.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace
{

constexpr unsigned kEsc = 0x1B;
constexpr unsigned kIdeographicSpace = 0x3000;

unsigned ByteAt(const std::string& s, std::size_t i)
{
    return static_cast<unsigned char>(s[i]);
}

// The first byte at or after `from` that is not ASCII, or the size: eight
// bytes at a time, as pages are mostly ASCII.
std::size_t NextNonAscii(const std::string& s, std::size_t from)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    std::size_t i = from;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & kHighBits)
            break;
    }
    while (i < s.size() && ByteAt(s, i) < 0x80)
        ++i;
    return i;
}

bool IsAscii(std::string_view s)
{
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The program's text into one of the codec's encodings, as the HTML source
// is saved; text in page form has no character the encoding lacks.
bool Convert(const std::string& text, int target, std::string& bytes)
{
    bytes = textout::Encode(text, target, false);
    return true;
}

void ReplaceAll(std::string& s, const std::string& from, const std::string& to)
{
    for (std::size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size()))
        s.replace(at, from.size(), to);
}

} // namespace

PageMarkup::PageMarkup(const std::string& bytes, PageCoding coding) : m_bytes(bytes), m_coding(coding)
{
    m_text.reserve(bytes.size());
    switch (coding) {
    case PageCoding::ShiftJis:
        BuildShiftJis();
        break;
    case PageCoding::EucJp:
        BuildEucJp();
        break;
    case PageCoding::Utf8:
        BuildUtf8();
        break;
    case PageCoding::Utf16Le:
    case PageCoding::Utf16Be:
        BuildUtf16(coding == PageCoding::Utf16Be);
        break;
    case PageCoding::Jis:
        BuildJis();
        break;
    case PageCoding::NecKanji:
        BuildNecKanji();
        break;
    case PageCoding::ForeignDoubleByte:
        BuildForeignDoubleByte();
        break;
    case PageCoding::Western:
    case PageCoding::ForeignSingleByte:
        BuildSingleByte();
        break;
    }
}

// ---- Building the markup ----

bool PageMarkup::PutUnit(unsigned unit)
{
    if (unit == 0)
        return false;
    m_text.push_back(unit < 0x80 ? static_cast<char>(unit) : unit == kIdeographicSpace ? kWideSpace : kOther);
    return true;
}

void PageMarkup::BuildShiftJis()
{
    // The program's own text: the reader walks the bytes themselves. ASCII
    // stays as it is; only the other bytes need a look.
    m_text.assign(m_bytes, 0, std::min(m_bytes.size(), m_bytes.find('\0')));
    const std::size_t n = m_text.size();
    for (std::size_t i = NextNonAscii(m_text, 0); i < n; i = NextNonAscii(m_text, i + 1)) {
        const unsigned c = ByteAt(m_text, i);
        const bool pair = sjis::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < n;
        const bool wide = pair && c == 0x81 && ByteAt(m_text, i + 1) == 0x40;
        m_text[i] = wide ? kWideSpace : kOther;
        if (pair)
            m_text[++i] = wide ? kWideSpace : kOther;
    }
}

void PageMarkup::BuildEucJp()
{
    const std::size_t n = m_bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned b = ByteAt(m_bytes, i);
        if (b == 0x8E || (b >= 0xA1 && b <= 0xFE)) {
            m_text.push_back(kOther);
            if (i + 1 >= n)
                return;
            const unsigned x = ByteAt(m_bytes, i + 1);
            i += 2;
            if (b == 0x8E) { // half-width katakana, or the byte after it standing for itself
                if (!PutUnit(jis::ToUnicode(x)))
                    return;
            } else if (x >= 0xA1 && x <= 0xFE) {
                const bool wide = jis::ToUnicode(b * 256 + x - 0x8080) == kIdeographicSpace;
                m_text.back() = wide ? kWideSpace : kOther;
                m_text.push_back(wide ? kWideSpace : kOther);
            } else if (!PutUnit(x)) {
                return;
            }
        } else if (b == 0x8F) { // JIS X 0212 is passed through as its two bytes
            m_text.push_back(kOther);
            if (i + 2 >= n || !PutUnit(ByteAt(m_bytes, i + 1)) || !PutUnit(ByteAt(m_bytes, i + 2)))
                return;
            i += 3;
        } else if (!PutUnit(b)) {
            return;
        } else {
            ++i;
        }
    }
}

void PageMarkup::BuildUtf8()
{
    const std::size_t n = std::min(m_bytes.size(), m_bytes.find('\0'));
    for (std::size_t i = 0; i < n;) {
        if (m_bytes.compare(i, 3, "\xE3\x80\x80") == 0) {
            m_text.append(3, kWideSpace);
            i += 3;
        } else {
            m_text.push_back(ByteAt(m_bytes, i) < 0x80 ? m_bytes[i] : kOther);
            ++i;
        }
    }
}

void PageMarkup::BuildUtf16(bool bigEndian)
{
    m_unitBytes = 2;
    const std::size_t high = bigEndian ? 0 : 1;
    for (std::size_t i = 0; i + 1 < m_bytes.size(); i += 2) {
        if (!PutUnit(ByteAt(m_bytes, i + high) << 8 | ByteAt(m_bytes, i + 1 - high)))
            return;
    }
}

void PageMarkup::PutKanjiPair(unsigned lead, unsigned trail)
{
    const unsigned u = jis::ToUnicode(lead * 256 + trail);
    if (u == kIdeographicSpace) {
        m_text.append(2, kWideSpace);
    } else if (u != 0) { // one character for the two bytes
        m_text.push_back(kOther);
        m_text.push_back(u < 0x80 ? static_cast<char>(u) : kOther);
    } else if (PutUnit(lead)) {
        PutUnit(trail);
    }
}

// The two bytes of JIS two-byte text at `i`, stepping over them; false when
// the text ends amid them or cannot go on.
bool PageMarkup::TakeKanjiPair(std::size_t& i)
{
    if (i + 1 >= m_bytes.size())
        return false;
    const std::size_t before = m_text.size();
    PutKanjiPair(ByteAt(m_bytes, i), ByteAt(m_bytes, i + 1));
    if (m_text.size() < before + 2)
        return false;
    i += 2;
    return true;
}

bool PageMarkup::JisEscape(std::size_t& i)
{
    auto at = [this](std::size_t k) { return k < m_bytes.size() ? static_cast<int>(ByteAt(m_bytes, k)) : -1; };
    const int x = at(i + 1), y = at(i + 2);
    std::size_t length = 3;
    Shift shift = Shift::Kanji;
    if (x == 0x28 && (y == 0x42 || y == 0x4A || y == 0x49))
        shift = y == 0x42 ? Shift::Ascii : y == 0x4A ? Shift::Roman : Shift::Katakana;
    else if (x == 0x24 && y == 0x28 && at(i + 3) == 0x44)
        length = 4;
    else if (!(x == 0x24 && (y == 0x40 || y == 0x42)))
        return false;
    m_text.append(length, kOther);
    i += length;
    m_shifts.emplace_back(i, shift);
    return true;
}

void PageMarkup::BuildJis()
{
    const std::size_t n = m_bytes.size();
    // A JIS text begins in ASCII, as ISO-2022-JP has it; the decoder reads
    // JIS-Roman there, which it reads the same.
    m_shifts.emplace_back(0, Shift::Ascii);
    for (std::size_t i = 0; i < n;) {
        const unsigned b = ByteAt(m_bytes, i);
        const Shift shift = m_shifts.back().second;
        if (b == kEsc) {
            if (JisEscape(i))
                continue;
            // Not an escape the decoder knows: ESC and the bytes it read pass as they are.
            const int x = i + 1 < n ? static_cast<int>(ByteAt(m_bytes, i + 1)) : -1;
            const bool second = (x == 0x28 || x == 0x24) && i + 2 < n;
            const bool third = x == 0x24 && second && ByteAt(m_bytes, i + 2) == 0x28 && i + 3 < n;
            const std::size_t read = 1 + (x >= 0) + second + third;
            for (std::size_t k = 0; k < read; ++k) {
                if (!PutUnit(ByteAt(m_bytes, i + k)))
                    return;
            }
            i += read;
        } else if (shift == Shift::Katakana) {
            m_text.push_back(kOther);
            ++i;
        } else if (shift == Shift::Kanji) {
            if (!TakeKanjiPair(i))
                return;
        } else if (!PutUnit(jis::ToUnicode(b))) {
            return;
        } else {
            ++i;
        }
    }
}

void PageMarkup::BuildNecKanji()
{
    const std::size_t n = m_bytes.size();
    m_shifts.emplace_back(0, Shift::Ascii);
    for (std::size_t i = 0; i < n;) {
        const unsigned b = ByteAt(m_bytes, i);
        if (b == kEsc) {
            if (i + 1 >= n)
                return;
            const unsigned x = ByteAt(m_bytes, i + 1);
            if (x == 'K' || x == 'H') {
                m_text.append(2, kOther);
                m_shifts.emplace_back(i + 2, x == 'K' ? Shift::Kanji : Shift::Ascii);
            } else if (!PutUnit(b) || !PutUnit(x)) {
                return;
            }
            i += 2;
        } else if (m_shifts.back().second == Shift::Kanji) {
            if (!TakeKanjiPair(i))
                return;
        } else if (!PutUnit(jis::ToUnicode(b))) {
            return;
        } else {
            ++i;
        }
    }
}

void PageMarkup::BuildSingleByte()
{
    for (std::size_t i = 0; i < m_bytes.size() && PutUnit(std::min(ByteAt(m_bytes, i), 0x80u)); ++i) {
    }
}

void PageMarkup::BuildForeignDoubleByte()
{
    const std::size_t n = m_bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned b = ByteAt(m_bytes, i);
        if (b < 0x80) {
            if (!PutUnit(b))
                return;
            ++i;
        } else if (b >= 0x81 && i + 1 < n && ByteAt(m_bytes, i + 1) >= 0x40) { // a lead byte takes its trail
            m_text.append(2, kOther);
            i += 2;
        } else {
            m_text.push_back(kOther);
            ++i;
        }
    }
}

// ---- Reading and writing pieces ----

PageMarkup::Shift PageMarkup::ShiftAt(std::size_t byteOffset) const
{
    auto after = std::upper_bound(m_shifts.begin(), m_shifts.end(), byteOffset,
                                  [](std::size_t offset, const auto& s) { return offset < s.first; });
    return after == m_shifts.begin() ? Shift::Ascii : (after - 1)->second;
}

namespace
{

const char* JisEscapeFor(bool nec, int shift)
{
    static const char* const jis[] = {"\x1B(B", "\x1B(J", "\x1B(I", "\x1B$B"};
    static const char* const necKanji[] = {"\x1BH", "\x1BH", "\x1BH", "\x1BK"};
    return nec ? necKanji[shift] : jis[shift];
}

} // namespace

PageText PageMarkup::Read(std::size_t begin, std::size_t end) const
{
    const std::string_view markup = std::string_view(m_text).substr(begin, end - begin);
    if (IsAscii(markup)) { // what ASCII stands for needs no decoding
        PageText page;
        page.text = std::string(markup);
        page.encoding = EncodingOf(m_coding);
        return page;
    }
    std::string piece = m_bytes.substr(ByteOffset(begin), ByteOffset(end) - ByteOffset(begin));
    if (!m_shifts.empty()) {
        const Shift shift = ShiftAt(ByteOffset(begin));
        if (shift == Shift::Katakana || shift == Shift::Kanji)
            piece.insert(0, JisEscapeFor(m_coding == PageCoding::NecKanji, static_cast<int>(shift)));
    }
    return DecodePageBytes(piece, m_coding);
}

bool PageMarkup::EncodeShifted(const std::string& text, std::size_t begin, std::size_t end, std::string& bytes) const
{
    const bool nec = m_coding == PageCoding::NecKanji;
    Shift base = ShiftAt(ByteOffset(begin));
    std::string prefix;
    if (base == Shift::Katakana || base == Shift::Kanji) {
        prefix = JisEscapeFor(nec, static_cast<int>(Shift::Ascii));
        base = Shift::Ascii;
    }
    std::string body;
    if (nec) {
        if (!IsAscii(text)) // the codec writes no NEC kanji
            return false;
        body = text;
    } else {
        if (!Convert(text, EncodingJis, body))
            return false;
        // The encoder returns to JIS-Roman; where the page is in ASCII, to ASCII.
        if (base == Shift::Ascii)
            ReplaceAll(body, "\x1B(J", "\x1B(B");
    }
    // The bytes after the piece go on in the state the page had there.
    const Shift after = ShiftAt(ByteOffset(end));
    bytes = prefix + body + (after == base ? std::string() : std::string(JisEscapeFor(nec, static_cast<int>(after))));
    return true;
}

bool PageMarkup::Encode(const std::string& text, std::size_t begin, std::size_t end, std::string& bytes) const
{
    bool encoded = false;
    switch (m_coding) {
    case PageCoding::ShiftJis:
        encoded = Convert(text, EncodingShiftJis, bytes);
        break;
    case PageCoding::Jis:
    case PageCoding::NecKanji:
        encoded = EncodeShifted(text, begin, end, bytes);
        break;
    case PageCoding::EucJp:
        encoded = Convert(text, EncodingEucJp, bytes);
        break;
    case PageCoding::Utf8:
        encoded = Convert(text, EncodingUtf8, bytes);
        break;
    case PageCoding::Utf16Le:
        encoded = Convert(text, EncodingUtf16Le, bytes);
        break;
    case PageCoding::Utf16Be:
        encoded = Convert(text, EncodingUtf16Be, bytes);
        break;
    default: // charsets without tables: ASCII only
        encoded = IsAscii(text);
        bytes = text;
        break;
    }
    // What the page's coding lacks comes out as something else: read it back.
    if (!encoded)
        return false;
    const PageText back = DecodePageBytes(bytes, m_coding);
    return back.replaced == 0 && back.text == text;
}

std::string PageMarkup::InPageForm(const std::string& text) const
{
    switch (m_coding) {
    case PageCoding::Utf8:
    case PageCoding::Utf16Le:
    case PageCoding::Utf16Be:
        return text;
    case PageCoding::ShiftJis:
    case PageCoding::Jis:
    case PageCoding::EucJp:
        return textout::WithReferences(text, EncodingOf(m_coding));
    default: // no tables to write with: the codec writes no NEC kanji either
        return textout::AsciiWithReferences(text);
    }
}

bool PageMarkup::InTwoByteShift(std::size_t pos) const
{
    return !m_shifts.empty() && ShiftAt(ByteOffset(pos)) == Shift::Kanji;
}

std::size_t PageMarkup::LineOf(std::size_t pos) const
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < pos && i < m_text.size(); ++i) {
        if (m_text[i] == '\n' || (m_text[i] == '\r' && (i + 1 >= m_text.size() || m_text[i + 1] != '\n')))
            ++line;
    }
    return line;
}
