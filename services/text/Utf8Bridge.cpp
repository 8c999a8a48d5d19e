#include "services/text/Utf8Bridge.h"

#include "services/text/JisTables.h"

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

// Code page 932's single bytes that lie outside JIS and their Unicode
// values: 0x80 itself, 0xA0 and 0xFD..0xFF in the private use area.
constexpr unsigned char kLoneBytes[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
constexpr char16_t kLoneUnicode[] = {0x0080, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};

// The Unicode value of a lone byte, or 0 when the byte is none of them.
char16_t LoneByteToUnicode(unsigned byte)
{
    for (std::size_t i = 0; i < std::size(kLoneBytes); ++i) {
        if (kLoneBytes[i] == byte)
            return kLoneUnicode[i];
    }
    return 0;
}

// The lone byte a Unicode value stands for, or 0 when it stands for none.
unsigned UnicodeToLoneByte(char16_t u)
{
    for (std::size_t i = 0; i < std::size(kLoneUnicode); ++i) {
        if (kLoneUnicode[i] == u)
            return kLoneBytes[i];
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

std::string FromUtf16(std::u16string_view s)
{
    std::string out;
    out.reserve(s.size() * 3);
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
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
    return out;
}

std::u16string SjisToUtf16(std::string_view s)
{
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        unsigned lead = static_cast<unsigned char>(s[i]);
        if (lead < 0x80) {
            out.push_back(static_cast<char16_t>(lead));
        } else if (lead >= 0xA1 && lead <= 0xDF) {
            out.push_back(static_cast<char16_t>(lead + 0xFEC0));
        } else if (const char16_t lone = LoneByteToUnicode(lead)) {
            out.push_back(lone);
        } else {
            unsigned trail = i + 1 < s.size() ? static_cast<unsigned char>(s[i + 1]) : 0;
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC) {
                out.push_back(0x30FB); // a lead byte without its trail
                continue;
            }
            ++i;
            std::uint16_t u = jis::ToUnicode(jis::FromShiftJis(lead, trail));
            out.push_back(u ? u : 0x30FB);
        }
    }
    return out;
}

std::string Utf16ToSjis(std::u16string_view s, SjisLoss& loss)
{
    std::string out;
    out.reserve(s.size() * 2);
    loss = SjisLoss();
    for (std::size_t i = 0; i < s.size(); ++i) {
        char16_t u = s[i];
        if (u < 0x80) {
            PutByte(out, u);
            continue;
        }
        if (const unsigned lone = UnicodeToLoneByte(u)) {
            PutByte(out, lone);
            continue;
        }
        std::uint16_t j = jis::FromUnicode(u);
        bool katakana = u >= 0xFF61 && u <= 0xFF9F;
        if (j == 0 || (j <= 0xFF && !katakana)) {
            if (u >= 0xD800 && u <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF)
                ++i; // one '?' for the whole character
            if (loss.count++ == 0)
                loss.firstOffset = out.size();
            PutByte(out, '?');
        } else {
            jis::AppendShiftJis(out, j);
        }
    }
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
