#include "services/text/CodeConverter.h"

#include <cstring>

CodeConverter::CodeConverter() : m_decoder(MakeDecoder(KindSingleByte)), m_encoder(MakeEncoder(KindSingleByte)) {}

void CodeConverter::Decode(ByteStream& in)
{
    if (m_decoder->Kind() == KindSingleByte) {
        if (auto detected = DetectDecoder(in))
            m_decoder = std::move(detected);
    }
    m_decoder->Run(in, m_units);
}

void CodeConverter::Encode(std::string& out)
{
    m_encoder->Run(m_units, out);
}

namespace
{

enum class Guess { None, ShiftJis, EucJp, Jis, NecKanji, Utf16Le, Utf16Be, Ambiguous };

Guess ClassifyEscape(ByteStream& in)
{
    int x = in.Get();
    if (x == 0x28) {
        int y = in.Get();
        if (y == 0x42 || y == 0x4A || y == 0x49)
            return Guess::Jis;
    } else if (x == 0x24) {
        int y = in.Get();
        if (y == 0x40 || y == 0x42)
            return Guess::Jis;
        if (y == 0x28 && in.Get() == 0x44)
            return Guess::Jis;
    } else if (x == 0x4B) {
        return Guess::NecKanji;
    }
    return Guess::None;
}

Guess ClassifyAfter8E(int x)
{
    if ((x >= 0x40 && x <= 0x7E) || (x >= 0x80 && x <= 0xA0) || (x >= 0xE0 && x <= 0xFC))
        return Guess::ShiftJis;
    return (x >= 0xA1 && x <= 0xDF) ? Guess::Ambiguous : Guess::None;
}

Guess ClassifyAfterKana(int x)
{
    if (x >= 0xF0 && x <= 0xFE)
        return Guess::EucJp;
    if (x >= 0xA1 && x <= 0xEF)
        return Guess::Ambiguous;
    if (x == 0xA0 || x == 0xFF)
        return Guess::None;
    return Guess::ShiftJis; // 0x00..0x9F or the end of the text
}

Guess ClassifyAfterE0(int x)
{
    if ((x >= 0x40 && x <= 0x7E) || (x >= 0x80 && x <= 0xA0))
        return Guess::ShiftJis;
    if (x == 0xFD || x == 0xFE)
        return Guess::EucJp;
    return (x >= 0xA1 && x <= 0xFC) ? Guess::Ambiguous : Guess::None;
}

Guess Classify(int b, ByteStream& in, std::size_t start)
{
    if (b == 0x00)
        return ((in.pos - start) % 2 == 1) ? Guess::Utf16Be : Guess::Utf16Le;
    if (b == 0x1B)
        return ClassifyEscape(in);
    if ((b >= 0x81 && b <= 0x8D) || (b >= 0x8F && b <= 0x9F))
        return Guess::ShiftJis;
    if (b == 0x8E)
        return ClassifyAfter8E(in.Get());
    if (b >= 0xA1 && b <= 0xDF)
        return ClassifyAfterKana(in.Get());
    if (b >= 0xF0 && b <= 0xFE)
        return Guess::EucJp;
    if (b >= 0xE0 && b <= 0xEF)
        return ClassifyAfterE0(in.Get());
    return Guess::None;
}

std::unique_ptr<TextDecoder> DecoderFor(Guess g)
{
    switch (g) {
    case Guess::ShiftJis:
        return MakeDecoder(KindShiftJis);
    case Guess::EucJp:
        return MakeDecoder(KindEucJp);
    case Guess::Jis:
        return MakeDecoder(KindJis);
    case Guess::NecKanji:
        return MakeDecoder(KindNecKanji);
    case Guess::Utf16Le:
        return MakeDecoder(KindUtf16, false);
    case Guess::Utf16Be:
        return MakeDecoder(KindUtf16, true);
    default:
        return nullptr;
    }
}

} // namespace

std::unique_ptr<TextDecoder> CodeConverter::DetectDecoder(ByteStream& in)
{
    const std::size_t start = in.pos;
    int b0 = in.Get(), b1 = in.Get();
    if (b0 == 0xFF && b1 == 0xFE)
        return MakeDecoder(KindUtf16, false);
    if (b0 == 0xFE && b1 == 0xFF)
        return MakeDecoder(KindUtf16, true);
    in.pos = start;
    bool ambiguous = false;
    Guess decision = Guess::None;
    while (decision == Guess::None) {
        int b = in.Get();
        if (b < 0) {
            if (ambiguous)
                decision = Guess::EucJp;
            break;
        }
        Guess g = Classify(b, in, start);
        if (g == Guess::Ambiguous)
            ambiguous = true;
        else
            decision = g;
    }
    in.pos = start;
    return DecoderFor(decision);
}
