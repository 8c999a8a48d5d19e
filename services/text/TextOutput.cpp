#include "services/text/TextOutput.h"

#include "services/text/JisTables.h"
#include "services/text/SjisUnitTable.h"
#include "services/text/TextEncoder.h"
#include "services/text/Utf8Bridge.h"

namespace textout
{
namespace
{

constexpr char32_t kLastBmp = 0xFFFF;
constexpr char32_t kFirstHalfWidthKatakana = 0xFF61, kLastHalfWidthKatakana = 0xFF9F;
// EUC-JP and JIS carry the rows of JIS X 0208 and the NEC rows among them;
// the user-defined rows after these would come out as other bytes.
constexpr unsigned kLastCarriedRow = 0x7E;
constexpr char32_t kEscape = 0x1B;

bool HoldsInShiftJis(char32_t c)
{
    return c < 0x80 || (c <= kLastBmp && sjis::UnitTable()[c] != 0);
}

// A JIS code of its own that reads back as the character: a byte of JIS's
// that stands for another character (0xA2 is a katakana, not U+00A2) does not.
bool HoldsInJisRows(char32_t c)
{
    if (c < 0x80 || (c >= kFirstHalfWidthKatakana && c <= kLastHalfWidthKatakana))
        return true;
    if (c > kLastBmp)
        return false;
    const std::uint16_t j = jis::FromUnicode(static_cast<std::uint16_t>(c));
    return j > 0xFF && (j >> 8) <= kLastCarriedRow && jis::ToUnicode(j) == c;
}

bool NeedsReferences(int encoding)
{
    return encoding == EncodingShiftJis || encoding == EncodingJis || encoding == EncodingEucJp;
}

std::string Utf16Bytes(std::string_view text, bool bigEndian, bool signature)
{
    const std::u16string units = utf8::ToUtf16(text);
    std::string bytes;
    bytes.reserve(2 * units.size() + 2);
    const auto put = [&](char16_t u) {
        const char high = static_cast<char>(u >> 8), low = static_cast<char>(u & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    };
    if (signature)
        put(0xFEFF);
    for (char16_t u : units)
        put(u);
    return bytes;
}

std::string TableBytes(std::string_view text, int kind)
{
    const std::u16string units = utf8::ToUtf16(text);
    std::string bytes;
    // '\' and '~' after kanji go in ASCII, where every reader takes them for
    // themselves (a link to "/~user/" must not turn into an overline).
    const std::unique_ptr<TextEncoder> encoder =
        kind == KindJis ? MakeJisEncoder(JisRomanBytes::Ascii) : MakeEncoder(kind);
    encoder->Run(UnitBuffer(units.begin(), units.end()), bytes);
    return bytes;
}

} // namespace

bool Holds(int encoding, char32_t c)
{
    switch (encoding) {
    case EncodingShiftJis:
        return HoldsInShiftJis(c);
    case EncodingJis:
        // An escape character of the text would read as one of JIS's own;
        // '\' and '~' go in ASCII wherever JIS-Roman would change them.
        return c != kEscape && HoldsInJisRows(c);
    case EncodingEucJp:
        return HoldsInJisRows(c);
    default:
        return true;
    }
}

std::string CharacterReference(char32_t c)
{
    if (c <= kLastBmp)
        return "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
    static const char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (char32_t v = c; v; v >>= 4)
        digits.insert(digits.begin(), kHex[v & 0xF]);
    return "&#x" + digits + ";";
}

namespace
{

template <class HoldsCharacter>
std::string ReferencesFor(std::string_view text, HoldsCharacter holds, std::size_t* references)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t at = i;
        const char32_t c = utf8::NextCodePoint(text, i);
        if (holds(c)) {
            out.append(text, at, i - at);
            continue;
        }
        out += CharacterReference(c);
        if (references)
            ++*references;
    }
    return out;
}

} // namespace

std::string WithReferences(std::string_view text, int encoding, std::size_t* references)
{
    if (references)
        *references = 0;
    if (!NeedsReferences(encoding))
        return std::string(text);
    return ReferencesFor(
        text, [encoding](char32_t c) { return Holds(encoding, c); }, references);
}

std::string AsciiWithReferences(std::string_view text)
{
    return ReferencesFor(
        text, [](char32_t c) { return c < 0x80; }, nullptr);
}

std::string Encode(std::string_view text, int encoding, bool signature, std::size_t* references)
{
    if (references)
        *references = 0;
    switch (encoding) {
    case EncodingShiftJis:
        return utf8::Utf8ToSjis(WithReferences(text, encoding, references));
    case EncodingJis:
        return TableBytes(WithReferences(text, encoding, references), KindJis);
    case EncodingEucJp:
        return TableBytes(WithReferences(text, encoding, references), KindEucJp);
    case EncodingUtf8Signature:
        return "\xEF\xBB\xBF" + std::string(text);
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        return Utf16Bytes(text, encoding == EncodingUtf16Be, signature);
    default:
        return std::string(text);
    }
}

} // namespace textout
