#include "services/text/Utf8Bridge.h"

#include "services/text/JisTables.h"
#include "services/text/SjisUnitTable.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace utf8
{
namespace
{

constexpr char16_t kReplacement = 0xFFFD;

void AppendCodePoint(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
    } else {
        c -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    }
}

// Length of the sequence a lead byte starts, and the smallest code point it may carry.
bool SequenceInfo(unsigned char b, int& length, char32_t& minimum, char32_t& value)
{
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2, minimum = 0x80, value = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3, minimum = 0x800, value = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4, minimum = 0x10000, value = b & 0x07;
    } else {
        return false;
    }
    return true;
}

void PutByte(std::string& out, unsigned v)
{
    out.push_back(static_cast<char>(v));
}

// The Unicode value of a lone byte, or 0 when the byte is none of them.
char16_t LoneByteToUnicode(unsigned byte)
{
    for (std::size_t i = 0; i < std::size(sjis::kLoneBytes); ++i) {
        if (sjis::kLoneBytes[i] == byte)
            return sjis::kLoneUnicode[i];
    }
    return 0;
}

} // namespace

namespace
{

// The multi-byte sequence at `i`: its length and code point, or 0 when it is
// broken. `seen` is how many bytes belonged to it before it broke off;
// `cutOff` says it broke only because the text ended.
int ReadSequence(std::string_view s, std::size_t i, char32_t& value, int& seen, bool* cutOff = nullptr)
{
    int length = 0;
    char32_t minimum = 0;
    seen = 1;
    if (cutOff)
        *cutOff = false;
    if (!SequenceInfo(static_cast<unsigned char>(s[i]), length, minimum, value))
        return 0;
    for (; seen < length && i + seen < s.size(); ++seen) {
        unsigned char t = static_cast<unsigned char>(s[i + seen]);
        if ((t & 0xC0) != 0x80)
            break;
        value = (value << 6) | (t & 0x3F);
    }
    if (cutOff)
        *cutOff = seen < length && i + seen == s.size();
    const bool valid = seen == length && value >= minimum && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF);
    return valid ? length : 0;
}

bool IsHighSurrogate(char32_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(char32_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

char16_t HighSurrogateOf(char32_t c)
{
    return static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
}

char16_t LowSurrogateOf(char32_t c)
{
    return static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
}

// The unit of a well-formed three-byte sequence at `in`, or 0 when there is
// none (another length, a broken or overlong sequence, a surrogate), which
// the general reader then handles.
inline char16_t ThreeByteUnit(const unsigned char* in, const unsigned char* end)
{
    if ((in[0] & 0xF0) != 0xE0 || end - in < 3 || (in[1] & 0xC0) != 0x80 || (in[2] & 0xC0) != 0x80)
        return 0;
    const char16_t u = static_cast<char16_t>((in[0] & 0x0F) << 12 | (in[1] & 0x3F) << 6 | (in[2] & 0x3F));
    return u >= 0x800 && !(u >= 0xD800 && u <= 0xDFFF) ? u : 0;
}

// Past the ASCII bytes from `in` on, eight at a time where it can.
inline const unsigned char* SkipAscii(const unsigned char* in, const unsigned char* end)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t eight; end - in >= 8; in += 8) {
        std::memcpy(&eight, in, 8);
        if (eight & kHighBits)
            break;
    }
    while (in < end && *in < 0x80)
        ++in;
    return in;
}

// Writes Shift-JIS into a buffer sized beforehand, counting what code page
// 932 lacks as '?'.
class SjisWriter
{
public:
    SjisWriter(char* out, SjisLoss& loss) : m_begin(out), m_out(out), m_table(sjis::UnitTable()), m_loss(loss)
    {
        m_loss = SjisLoss();
    }

    std::size_t Written() const { return static_cast<std::size_t>(m_out - m_begin); }

    void Byte(unsigned b) { *m_out++ = static_cast<char>(b); }

    void Unit(char16_t u)
    {
        const sjis::UnitBytes bytes = m_table[u];
        if (bytes > 0xFF) {
            m_out[0] = static_cast<char>(bytes >> 8);
            m_out[1] = static_cast<char>(bytes & 0xFF);
            m_out += 2;
        } else if (bytes) {
            Byte(bytes);
        } else {
            Lost();
        }
    }

    // A surrogate pair: one '?' for the whole character, as code page 932
    // holds no character beyond the first plane.
    void Pair(char16_t high, char16_t low)
    {
        if (!m_table[high]) {
            Lost();
            return;
        }
        Unit(high);
        Unit(low);
    }

    // Copies the ASCII bytes from `in` on, eight at a time where it can;
    // returns where they end.
    const unsigned char* AsciiRun(const unsigned char* in, const unsigned char* end)
    {
        constexpr std::uint64_t kHighBits = 0x8080808080808080u;
        for (std::uint64_t eight; end - in >= 8; in += 8, m_out += 8) {
            std::memcpy(&eight, in, 8);
            if (eight & kHighBits)
                break;
            std::memcpy(m_out, &eight, 8);
        }
        while (in < end && *in < 0x80)
            Byte(*in++);
        return in;
    }

private:
    void Lost()
    {
        if (m_loss.count++ == 0)
            m_loss.firstOffset = Written();
        Byte('?');
    }

    char* const m_begin;
    char* m_out;
    const sjis::UnitBytes* const m_table;
    SjisLoss& m_loss;
};

} // namespace

std::u16string ToUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        char32_t value = 0;
        int seen = 0;
        const int length = ReadSequence(s, i, value, seen);
        if (length)
            AppendCodePoint(out, value);
        else
            out.push_back(kReplacement);
        i += length ? length : seen; // a broken sequence is replaced once and skipped
    }
    return out;
}

bool LooksLikeUtf8(std::string_view s)
{
    bool multiByte = false;
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t value = 0;
        int seen = 0;
        bool cutOff = false;
        const int length = ReadSequence(s, i, value, seen, &cutOff);
        if (!length)
            return multiByte && cutOff;
        multiByte = true;
        i += length;
    }
    return multiByte;
}

bool MostlyUtf8(std::string_view s)
{
    // Short Shift-JIS and EUC-JP sentences reach two such characters to a
    // broken sequence at the most: four leaves room.
    constexpr std::size_t kWidePerBroken = 4;
    std::size_t wide = 0, broken = 0;
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        char32_t value = 0;
        int seen = 0;
        bool cutOff = false;
        const int length = ReadSequence(s, i, value, seen, &cutOff);
        wide += length >= 3;
        broken += !length && !cutOff;
        i += length ? length : seen;
    }
    return wide > 0 && wide >= kWidePerBroken * broken;
}

std::string FromUtf16(std::u16string_view s)
{
    std::string out;
    out.reserve(s.size() * 3);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        AppendCodePoint(out, c);
    }
    return out;
}

void AppendCodePoint(std::string& out, char32_t c)
{
    if (c < 0x80) {
        PutByte(out, c);
    } else if (c < 0x800) {
        PutByte(out, 0xC0 | (c >> 6));
        PutByte(out, 0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        PutByte(out, 0xE0 | (c >> 12));
        PutByte(out, 0x80 | ((c >> 6) & 0x3F));
        PutByte(out, 0x80 | (c & 0x3F));
    } else {
        PutByte(out, 0xF0 | (c >> 18));
        PutByte(out, 0x80 | ((c >> 12) & 0x3F));
        PutByte(out, 0x80 | ((c >> 6) & 0x3F));
        PutByte(out, 0x80 | (c & 0x3F));
    }
}

char32_t NextCodePoint(std::string_view s, std::size_t& i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
        ++i;
        return b;
    }
    char32_t value = 0;
    int seen = 0;
    const int length = ReadSequence(s, i, value, seen);
    i += length ? length : seen; // a broken sequence is replaced once and skipped
    return length ? value : kReplacement;
}

namespace
{

// Where the first byte that is not valid UTF-8 stands; the size when there is none.
std::size_t FirstBroken(std::string_view s)
{
    const auto* const begin = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = begin + s.size();
    for (const auto* in = begin; in < end;) {
        if (*in < 0x80) {
            in = SkipAscii(in, end);
        } else if (ThreeByteUnit(in, end)) {
            in += 3;
        } else {
            char32_t value = 0;
            int seen = 0;
            const int length = ReadSequence(s, static_cast<std::size_t>(in - begin), value, seen);
            if (!length)
                return static_cast<std::size_t>(in - begin);
            in += length;
        }
    }
    return s.size();
}

} // namespace

bool IsValid(std::string_view text)
{
    return FirstBroken(text) == text.size();
}

std::string MakeValid(std::string_view text, Repairs& repairs)
{
    repairs = Repairs();
    std::size_t i = FirstBroken(text);
    std::string out(text.substr(0, i));
    if (i == text.size())
        return out;
    out.reserve(text.size() + text.size() / 8);
    // Each turn begins at a broken sequence and copies the valid run after it.
    while (i < text.size()) {
        NextCodePoint(text, i);
        if (repairs.count++ == 0)
            repairs.firstOffset = out.size();
        AppendCodePoint(out, kReplacement);
        const std::size_t next = std::min(text.size(), i + FirstBroken(text.substr(i)));
        out.append(text, i, next - i);
        i = next;
    }
    return out;
}

bool FitsShiftJis(std::string_view text)
{
    const sjis::UnitBytes* const table = sjis::UnitTable();
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const char32_t c = NextCodePoint(text, i);
        if (c > 0xFFFF || !table[c])
            return false;
    }
    return true;
}

namespace
{

constexpr char16_t kUndefined = 0x30FB; // what code page 932 gives for a code it leaves free

// The character of code page 932 that starts at the non-ASCII byte `i`,
// which moves past it.
char16_t SjisCharacterAt(std::string_view s, std::size_t& i)
{
    const unsigned lead = static_cast<unsigned char>(s[i++]);
    if (lead >= 0xA1 && lead <= 0xDF)
        return static_cast<char16_t>(lead + 0xFEC0);
    if (const char16_t lone = LoneByteToUnicode(lead))
        return lone;
    const unsigned trail = i < s.size() ? static_cast<unsigned char>(s[i]) : 0;
    if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
        return kUndefined; // a lead byte without its trail
    ++i;
    const std::uint16_t u = jis::ToUnicode(jis::FromShiftJis(lead, trail));
    return u ? u : kUndefined;
}

} // namespace

std::u16string SjisToUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
        } else {
            out.push_back(SjisCharacterAt(s, i));
        }
    }
    return out;
}

namespace
{

// Writes the UTF-8 of a unit of the first plane at `out`; returns where it ends.
inline char* PutUnitUtf8(char* out, char16_t u)
{
    if (u < 0x800) {
        out[0] = static_cast<char>(0xC0 | (u >> 6));
        out[1] = static_cast<char>(0x80 | (u & 0x3F));
        return out + 2;
    }
    out[0] = static_cast<char>(0xE0 | (u >> 12));
    out[1] = static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    out[2] = static_cast<char>(0x80 | (u & 0x3F));
    return out + 3;
}

} // namespace

namespace
{

// Shift-JIS into UTF-8 in one pass. `repairs` null: code page 932's own
// reading, U+30FB for what it lacks; else the page's, each sequence that is
// no character U+FFFD and counted.
std::string SjisToUtf8In(std::string_view s, Repairs* repairs)
{
    // Code page 932 has no character beyond the first plane: at most three
    // bytes a character, which takes at least one.
    constexpr std::size_t kMostBytes = 3;
    std::string out(s.size() + s.size() / 2 + kMostBytes, '\0');
    std::size_t o = 0;
    const auto* const begin = reinterpret_cast<const unsigned char*>(s.data());
    const std::uint16_t* const pairs = sjis::PairTable();
    for (std::size_t i = 0; i < s.size();) {
        // Pages are mostly ASCII: its runs are copied whole.
        const std::size_t run = static_cast<std::size_t>(SkipAscii(begin + i, begin + s.size()) - (begin + i));
        if (out.size() - o < run + kMostBytes)
            out.resize(std::max(2 * out.size(), o + run + kMostBytes));
        std::memcpy(out.data() + o, s.data() + i, run);
        o += run;
        i += run;
        if (i == s.size())
            break;
        // The common pairs straight from the table, everything else the long way.
        const unsigned lead = begin[i], trail = i + 1 < s.size() ? begin[i + 1] : 0;
        char16_t u = trail != 0x7F ? pairs[lead << 8 | trail] : 0;
        if (u == jis::kUndefinedUnit && repairs && jis::FromShiftJis(lead, trail) != jis::kMiddleDot)
            u = 0;
        if (u) {
            i += 2;
        } else if (!repairs) {
            u = SjisCharacterAt(s, i);
        } else if ((u = sjis::PageCharacterAt(s, i)) == kReplacement && repairs->count++ == 0) {
            repairs->firstOffset = o;
        }
        o = static_cast<std::size_t>(PutUnitUtf8(out.data() + o, u) - out.data());
    }
    out.resize(o);
    return out;
}

} // namespace

std::string SjisToUtf8(std::string_view s)
{
    return SjisToUtf8In(s, nullptr);
}

std::string SjisToUtf8(std::string_view s, Repairs& repairs)
{
    repairs = Repairs();
    return SjisToUtf8In(s, &repairs);
}

std::string Utf16ToSjis(std::u16string_view s, SjisLoss& loss)
{
    std::string out(s.size() * 2, '\0'); // no unit takes more than two bytes
    SjisWriter writer(out.data(), loss);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t u = s[i];
        if (u < 0x80) {
            writer.Byte(u);
        } else if (IsHighSurrogate(u) && i + 1 < s.size() && IsLowSurrogate(s[i + 1])) {
            writer.Pair(u, s[i + 1]);
            ++i;
        } else {
            writer.Unit(u);
        }
    }
    out.resize(writer.Written());
    return out;
}

std::string Utf8ToSjis(std::string_view s, SjisLoss& loss)
{
    // Every character takes at least as many bytes in UTF-8 as in Shift-JIS,
    // and so does a broken sequence while its replacement is one byte.
    const bool wideReplacement = sjis::UnitTable()[kReplacement] > 0xFF;
    std::string out(wideReplacement ? s.size() * 2 : s.size(), '\0');
    SjisWriter writer(out.data(), loss);
    const auto* in = reinterpret_cast<const unsigned char*>(s.data());
    const auto* const end = in + s.size();
    while (in < end) {
        if (*in < 0x80) {
            in = writer.AsciiRun(in, end);
        } else if (const char16_t u = ThreeByteUnit(in, end)) {
            writer.Unit(u); // the common case of Japanese text, on its own short road
            in += 3;
        } else {
            char32_t value = 0;
            int seen = 0;
            const auto at = static_cast<std::size_t>(in - reinterpret_cast<const unsigned char*>(s.data()));
            const int length = ReadSequence(s, at, value, seen);
            if (!length)
                writer.Unit(kReplacement);
            else if (value < 0x10000)
                writer.Unit(static_cast<char16_t>(value));
            else
                writer.Pair(HighSurrogateOf(value), LowSurrogateOf(value));
            in += length ? length : seen; // a broken sequence is replaced once and skipped
        }
    }
    out.resize(writer.Written());
    return out;
}

std::string Utf8ToSjis(std::string_view text, bool* lossless)
{
    SjisLoss loss;
    std::string out = Utf8ToSjis(text, loss);
    if (lossless)
        *lossless = loss.count == 0;
    return out;
}

std::string Utf16ToSjis(std::u16string_view s, bool* lossless)
{
    SjisLoss loss;
    std::string out = Utf16ToSjis(s, loss);
    if (lossless)
        *lossless = loss.count == 0;
    return out;
}

} // namespace utf8
