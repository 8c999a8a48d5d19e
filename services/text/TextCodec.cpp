#include "services/text/TextCodec.h"

#include "services/text/CodeConverter.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"

#include <cstring>
#include <string_view>

namespace
{

std::unique_ptr<TextDecoder> DecoderForSource(int source, const std::uint8_t* data, std::size_t size)
{
    switch (source) {
    case EncodingShiftJis:
        return MakeDecoder(KindShiftJis);
    case EncodingJis:
        return MakeDecoder(KindJis);
    case EncodingEucJp:
        return MakeDecoder(KindEucJp);
    case EncodingUtf16Le:
        return MakeDecoder(KindUtf16, size >= 2 && data[0] == 0xFE && data[1] == 0xFF);
    case EncodingUtf16Be:
        return MakeDecoder(KindUtf16, true);
    default:
        return nullptr; // keep the single-byte decoder, which detects
    }
}

std::unique_ptr<TextEncoder> EncoderForTarget(int target)
{
    switch (target) {
    case EncodingShiftJis:
        return MakeEncoder(KindShiftJis);
    case EncodingJis:
        return MakeEncoder(KindJis);
    case EncodingEucJp:
        return MakeEncoder(KindEucJp);
    case EncodingUtf16Le:
        return MakeEncoder(KindUtf16, false);
    case EncodingUtf16Be:
        return MakeEncoder(KindUtf16, true);
    default:
        return nullptr; // the fallback writer
    }
}

int ResultOf(const TextEncoder& e)
{
    switch (e.Kind()) {
    case KindShiftJis:
        return EncodingShiftJis;
    case KindJis:
        return EncodingJis;
    case KindEucJp:
        return EncodingEucJp;
    case KindUtf16:
        return e.BigEndian() ? EncodingUtf16Be : EncodingUtf16Le;
    default:
        return -1;
    }
}

// The input up to its first NUL byte, never beyond its length.
std::string_view UpToNul(const std::uint8_t* data, std::size_t size)
{
    const void* nul = std::memchr(data, 0, size);
    std::size_t n = nul ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(nul) - data) : size;
    return {reinterpret_cast<const char*>(data), n};
}

const char* LineEndText(int code)
{
    switch (code) {
    case LineEndCrLf:
        return "\r\n";
    case LineEndLf:
        return "\n";
    case LineEndCr:
        return "\r";
    default:
        return nullptr;
    }
}

// Every `from` in `text` replaced by `to`, left to right, without overlap.
template <class String> String ReplacedAll(const String& text, const String& from, const String& to)
{
    String out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != String::npos; start = hit + from.size()) {
        out.append(text, start, hit - start);
        out += to;
    }
    out.append(text, start, String::npos);
    return out;
}

struct Utf16Layout {
    bool isUtf16 = false;
    bool bigEndian = false;
    std::size_t start = 0; // the first unit, after a signature
};

// How a text in `encoding` is laid out in 16-bit units, if it is.
Utf16Layout Utf16LayoutOf(int encoding, const std::string& bytes)
{
    const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
    switch (encoding) {
    case EncodingShiftJis:
    case EncodingJis:
    case EncodingEucJp:
    case EncodingUtf8:
        return {};
    case EncodingUtf16Le:
        return {true, bytes.size() >= 2 && data[0] == 0xFE && data[1] == 0xFF, 0};
    case EncodingUtf16Be:
        return {true, true, 0};
    default: {
        CodeConverter converter;
        ByteStream in{data, bytes.size(), 0};
        auto detected = converter.DetectDecoder(in);
        if (!detected || detected->Kind() != KindUtf16)
            return {};
        return {true, detected->BigEndian(), in.pos};
    }
    }
}

std::u16string UnitsOf(const char* line)
{
    return std::u16string(line, line + std::strlen(line));
}

void ConvertUtf16LineEnds(const Utf16Layout& layout, const char* from, const char* to, std::string& bytes)
{
    const int high = layout.bigEndian ? 0 : 1;
    std::u16string units;
    std::size_t i = layout.start;
    for (; i + 1 < bytes.size(); i += 2) {
        units.push_back(static_cast<char16_t>((static_cast<unsigned char>(bytes[i + high]) << 8) |
                                              static_cast<unsigned char>(bytes[i + 1 - high])));
    }
    const std::string odd = bytes.substr(i); // a last half unit stays as it was
    units = ReplacedAll(units, UnitsOf(from), UnitsOf(to));
    bytes.resize(layout.start);
    for (char16_t u : units) {
        char pair[2];
        pair[high] = static_cast<char>(u >> 8);
        pair[1 - high] = static_cast<char>(u & 0xFF);
        bytes.append(pair, 2);
    }
    bytes += odd;
}

bool IsLineEnd(unsigned c, unsigned next)
{
    return c == '\n' || (c == '\r' && next != '\n');
}

// The 1-based line of position `at` in a text of units or bytes.
template <class Text> std::size_t LineAt(const Text& text, std::size_t at)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < at && i < text.size(); ++i)
        line += IsLineEnd(text[i], i + 1 < text.size() ? static_cast<unsigned>(text[i + 1]) : 0);
    return line;
}

bool IsHighSurrogate(std::uint16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(std::uint16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

bool IsByteEncoding(int code)
{
    return code == EncodingShiftJis || code == EncodingJis || code == EncodingEucJp;
}

// Whether the target writes the character as itself: the fallback writer
// (any other code) writes JIS codes, which are no character's bytes.
bool TargetHolds(int target, char32_t c)
{
    return IsByteEncoding(target) || target == EncodingUtf16Le || target == EncodingUtf16Be ? textout::Holds(target, c)
                                                                                            : c < 0x80;
}

// The characters of decoded units a target lacks. From UTF-16 every unit is
// a character; from a byte encoding a unit from 0x80 to 0xFF is a byte that
// formed no character, which a byte encoding writes again as that byte and
// any other target turns into a character it never was.
void CountLost(const UnitBuffer& units, bool fromUtf16, int target, std::size_t& lost, std::size_t& firstLine)
{
    lost = 0;
    firstLine = 0;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint16_t u = units[i];
        if (u < 0x80 || IsLowSurrogate(u))
            continue;
        const bool passedByte = !fromUtf16 && u <= 0xFF;
        const bool pair = IsHighSurrogate(u) && i + 1 < units.size() && IsLowSurrogate(units[i + 1]);
        const char32_t c = pair ? 0x10000 + ((u - 0xD800u) << 10) + (units[i + 1] - 0xDC00u) : u;
        if (passedByte ? IsByteEncoding(target) : TargetHolds(target, c))
            continue;
        if (lost++ == 0)
            firstLine = LineAt(units, i);
    }
}

} // namespace

bool TextCodec::TakesUtf8Route(int source, int target)
{
    return (source == EncodingUtf8 && target == EncodingShiftJis) ||
           (source == EncodingShiftJis && (target == EncodingUtf8 || target == EncodingUtf8Signature));
}

int TextCodec::Utf8Route(int source, int target, const std::uint8_t* data, std::size_t size)
{
    if (source == EncodingUtf8) {
        if (size > 2 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
            data += 3;
            size -= 3;
        }
        utf8::SjisLoss loss;
        m_buffer = utf8::Utf8ToSjis(UpToNul(data, size), loss);
        m_lost = loss.count;
        m_firstLostLine = loss.count ? LineAt(m_buffer, loss.firstOffset) : 0;
        return EncodingShiftJis;
    }
    m_buffer = target == EncodingUtf8Signature ? "\xEF\xBB\xBF" : "";
    m_buffer += utf8::SjisToUtf8(UpToNul(data, size));
    return EncodingUtf8;
}

int TextCodec::TableRoute(int source, int target, const std::uint8_t* data, std::size_t size)
{
    CodeConverter converter;
    if (auto d = DecoderForSource(source, data, size))
        converter.SetDecoder(std::move(d));
    if (auto e = EncoderForTarget(target))
        converter.SetEncoder(std::move(e));
    ByteStream in{data, size, 0};
    converter.Decode(in);
    CountLost(converter.Units(), converter.Decoder().Kind() == KindUtf16, target, m_lost, m_firstLostLine);
    m_buffer.clear();
    converter.Encode(m_buffer);
    return m_buffer.empty() ? -1 : ResultOf(converter.Encoder());
}

ConvertedBytes TextCodec::ConvertBytes(int source, int target, const std::uint8_t* data, std::size_t size,
                                       bool signature)
{
    m_lost = m_firstLostLine = 0;
    if (source == target || size == 0)
        return {source, data, size};
    int result =
        TakesUtf8Route(source, target) ? Utf8Route(source, target, data, size) : TableRoute(source, target, data, size);
    if (result == -1 && m_buffer.empty())
        return {-1, nullptr, 0};
    if (target > EncodingUtf8Signature && signature && !TakesUtf8Route(source, target))
        m_buffer.insert(0, result == EncodingUtf16Le ? "\xFF\xFE" : "\xFE\xFF");
    return {result, reinterpret_cast<const std::uint8_t*>(m_buffer.data()), m_buffer.size(), m_lost, m_firstLostLine};
}

int TextCodec::ConvertToString(int source, int target, const std::uint8_t* data, std::size_t size, std::string& text)
{
    text.clear();
    if (source == target || size == 0) {
        text = UpToNul(data, size);
        return source;
    }
    int result =
        TakesUtf8Route(source, target) ? Utf8Route(source, target, data, size) : TableRoute(source, target, data, size);
    if (result == -1 && m_buffer.empty())
        return -1;
    text = UpToNul(reinterpret_cast<const std::uint8_t*>(m_buffer.data()), m_buffer.size());
    return result;
}

void TextCodec::ConvertLineEnds(int source, int target, std::string& text)
{
    const char* from = LineEndText(source);
    const char* to = LineEndText(target);
    if (source == target || !from || !to)
        return;
    text = ReplacedAll(text, std::string(from), std::string(to));
}

void TextCodec::ConvertLineEndsIn(int encoding, int source, int target, std::string& bytes)
{
    const char* from = LineEndText(source);
    const char* to = LineEndText(target);
    if (source == target || !from || !to)
        return;
    const Utf16Layout layout = Utf16LayoutOf(encoding, bytes);
    if (layout.isUtf16)
        ConvertUtf16LineEnds(layout, from, to, bytes);
    else
        ConvertLineEnds(source, target, bytes);
}
