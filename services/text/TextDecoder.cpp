#include "services/text/TextDecoder.h"

#include "services/text/JisTables.h"
#include "services/text/SjisUnitTable.h"

#include <cstring>

namespace
{

inline void Pass(UnitBuffer& out, int byte)
{
    out.push_back(static_cast<std::uint16_t>(byte));
}

// A double-byte JIS pair after `lead`; a pair without a character passes both
// bytes. False at the end of the text, where half a pair is dropped.
bool DecodeJisPair(ByteStream& in, UnitBuffer& out, int lead)
{
    const int trail = in.Get();
    if (trail < 0)
        return false;
    const std::uint16_t u = jis::ToUnicode(lead * 256 + trail);
    if (u) {
        out.push_back(u);
    } else {
        Pass(out, lead);
        Pass(out, trail);
    }
    return true;
}

// Copies the run of ASCII bytes from `i` on as units, eight at a time, and
// returns where it ends; what is left of the run goes the usual way.
std::size_t WidenAscii(const std::uint8_t* p, std::size_t i, std::size_t n, std::uint16_t*& o)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    for (std::uint64_t eight; n - i >= 8; i += 8, o += 8) {
        std::memcpy(&eight, p + i, 8);
        if (eight & kHighBits)
            break;
        for (int k = 0; k < 8; ++k)
            o[k] = p[i + k];
    }
    return i;
}

template <int K> class DecoderBase : public TextDecoder
{
public:
    explicit DecoderBase(bool bigEndian = false) : TextDecoder(K, bigEndian) {}
};

class SingleByteDecoder : public DecoderBase<KindSingleByte>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        out.reserve(out.size() + in.size - in.pos);
        for (int b; (b = in.Get()) >= 0;)
            out.push_back(jis::ToUnicode(b));
    }
};

class ShiftJisDecoder : public DecoderBase<KindShiftJis>
{
public:
    using DecoderBase::DecoderBase;
    // No byte gives more than one unit, so the units go into room made
    // ahead, and every pair is one look-up.
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        const std::uint16_t* pairs = sjis::PairTable();
        const std::size_t base = out.size();
        out.resize(base + (in.size - in.pos));
        std::uint16_t* o = out.data() + base;
        const std::uint8_t* p = in.data;
        std::size_t i = in.pos;
        const std::size_t n = in.size;
        while (i < n) {
            const unsigned lead = p[i++];
            if (lead < 0x80) {
                *o++ = static_cast<std::uint16_t>(lead);
                i = WidenAscii(p, i, n, o);
            } else if (!sjis::IsPairLead(lead)) {
                *o++ = jis::ToUnicode(lead);
            } else if (i == n) {
                *o++ = static_cast<std::uint16_t>(lead); // a lead the text cut off
            } else {
                const unsigned trail = p[i++];
                const std::uint16_t u = pairs[lead << 8 | trail];
                if (u) {
                    *o++ = u;
                } else {
                    *o++ = static_cast<std::uint16_t>(lead);
                    *o++ = static_cast<std::uint16_t>(trail);
                }
            }
        }
        out.resize(static_cast<std::size_t>(o - out.data()));
        in.pos = n;
    }
};

class EucJpDecoder : public DecoderBase<KindEucJp>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        out.reserve(out.size() + in.size - in.pos);
        for (int b; (b = in.Get()) >= 0;) {
            if (b == 0x8E) {
                if (!Katakana(in, out))
                    return;
            } else if (b == 0x8F) {
                int x = in.Get(), y = in.Get(); // JIS X 0212 is not converted
                if (y < 0)
                    return;
                Pass(out, x);
                Pass(out, y);
            } else if (b >= 0xA1 && b <= 0xFE) {
                if (!Pair(b, in, out))
                    return;
            } else {
                Pass(out, b);
            }
        }
    }

private:
    static bool Katakana(ByteStream& in, UnitBuffer& out)
    {
        int x = in.Get();
        if (x < 0) {
            Pass(out, 0x8E);
            return false;
        }
        std::uint16_t u = jis::ToUnicode(x);
        if (u) {
            out.push_back(u);
        } else {
            Pass(out, 0x8E);
            Pass(out, x);
        }
        return true;
    }
    static bool Pair(int lead, ByteStream& in, UnitBuffer& out)
    {
        int x = in.Get();
        if (x < 0) {
            Pass(out, lead);
            return false;
        }
        std::uint16_t u = (x >= 0xA1 && x <= 0xFE) ? jis::ToUnicode(lead * 256 + x - 0x8080) : 0;
        if (u) {
            out.push_back(u);
        } else {
            Pass(out, lead);
            Pass(out, x);
        }
        return true;
    }
};

class JisDecoder : public DecoderBase<KindJis>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        State state = Roman;
        for (int b; (b = in.Get()) >= 0;) {
            if (b == 0x1B) {
                Escape(in, out, state);
            } else if (state == Katakana) {
                out.push_back(jis::ToUnicode(b | 0x80));
            } else if (state == Kanji) {
                if (!DecodeJisPair(in, out, b))
                    return;
            } else {
                out.push_back(jis::ToUnicode(b));
            }
        }
    }

private:
    enum State { Ascii, Roman, Katakana, Kanji };

    // Reads the sequence after ESC; an unknown one is passed through whole.
    static void Escape(ByteStream& in, UnitBuffer& out, State& state)
    {
        int seq[3] = {in.Get(), -1, -1};
        int count = 1;
        if (seq[0] == 0x28) {
            seq[1] = in.Get();
            count = 2;
            if (seq[1] == 0x42 || seq[1] == 0x4A || seq[1] == 0x49) {
                state = seq[1] == 0x42 ? Ascii : seq[1] == 0x4A ? Roman : Katakana;
                return;
            }
        } else if (seq[0] == 0x24) {
            seq[1] = in.Get();
            count = 2;
            if (seq[1] == 0x40 || seq[1] == 0x42) {
                state = Kanji;
                return;
            }
            if (seq[1] == 0x28) {
                seq[2] = in.Get();
                count = 3;
                if (seq[2] == 0x44) {
                    state = Kanji;
                    return;
                }
            }
        }
        Pass(out, 0x1B);
        for (int i = 0; i < count && seq[i] >= 0; ++i)
            Pass(out, seq[i]);
    }
};

class NecKanjiDecoder : public DecoderBase<KindNecKanji>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        bool kanji = false;
        for (int b; (b = in.Get()) >= 0;) {
            if (b == 0x1B) {
                int x = in.Get();
                if (x < 0)
                    return;
                if (x == 'K' || x == 'H') {
                    kanji = x == 'K';
                } else {
                    Pass(out, b);
                    Pass(out, x);
                }
            } else if (kanji) {
                if (!DecodeJisPair(in, out, b))
                    return;
            } else {
                out.push_back(jis::ToUnicode(b));
            }
        }
    }
};

class Utf16Decoder : public DecoderBase<KindUtf16>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        std::size_t pairs = (in.size - in.pos) / 2;
        std::size_t base = out.size();
        out.resize(base + pairs);
        const std::uint8_t* p = in.data + in.pos;
        int hi = BigEndian() ? 0 : 1;
        for (std::size_t i = 0; i < pairs; ++i, p += 2)
            out[base + i] = static_cast<std::uint16_t>(p[hi] << 8 | p[1 - hi]);
        in.pos = in.size; // an odd last byte is dropped
    }
};

} // namespace

std::unique_ptr<TextDecoder> MakeDecoder(int kind, bool bigEndian)
{
    switch (kind) {
    case KindShiftJis:
        return std::make_unique<ShiftJisDecoder>();
    case KindJis:
        return std::make_unique<JisDecoder>();
    case KindNecKanji:
        return std::make_unique<NecKanjiDecoder>();
    case KindEucJp:
        return std::make_unique<EucJpDecoder>();
    case KindUtf16:
        return std::make_unique<Utf16Decoder>(bigEndian);
    default:
        return std::make_unique<SingleByteDecoder>();
    }
}
