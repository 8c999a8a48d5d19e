#include "services/text/TextCodec.h"

#include "services/text/CodeConverter.h"
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
        m_buffer = utf8::Utf8ToSjis(UpToNul(data, size));
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
    m_buffer.clear();
    converter.Encode(m_buffer);
    return m_buffer.empty() ? -1 : ResultOf(converter.Encoder());
}

ConvertedBytes TextCodec::ConvertBytes(int source, int target, const std::uint8_t* data, std::size_t size,
                                       bool signature)
{
    if (source == target || size == 0)
        return {source, data, size};
    int result =
        TakesUtf8Route(source, target) ? Utf8Route(source, target, data, size) : TableRoute(source, target, data, size);
    if (result == -1 && m_buffer.empty())
        return {-1, nullptr, 0};
    if (target > EncodingUtf8Signature && signature && !TakesUtf8Route(source, target))
        m_buffer.insert(0, result == EncodingUtf16Le ? "\xFF\xFE" : "\xFE\xFF");
    return {result, reinterpret_cast<const std::uint8_t*>(m_buffer.data()), m_buffer.size()};
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
    const std::size_t fromLength = std::strlen(from);
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    for (std::size_t hit; (hit = text.find(from, start)) != std::string::npos; start = hit + fromLength) {
        out.append(text, start, hit - start);
        out += to;
    }
    out.append(text, start, std::string::npos);
    text.swap(out);
}
