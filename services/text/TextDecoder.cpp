#include "services/text/TextDecoder.h"

#include "services/text/JisTables.h"
#include "services/text/SjisUnitTable.h"

#include <cstring>
#include <string_view>

namespace
{

constexpr std::uint16_t kReplacement = sjis::kReplacementCharacter;
constexpr int kFirstJisByte = 0x21, kLastJisByte = 0x7E;
constexpr int kFirstEucByte = 0xA1, kLastEucByte = 0xFE;
constexpr int kEucKatakana = 0x8E, kEucJisX0212 = 0x8F;
constexpr int kFirstKatakana = 0xA1, kLastKatakana = 0xDF;

inline void Pass(UnitBuffer& out, int byte)
{
    out.push_back(static_cast<std::uint16_t>(byte));
}

bool IsJisByte(int b)
{
    return b >= kFirstJisByte && b <= kLastJisByte;
}

bool IsEucByte(int b)
{
    return b >= kFirstEucByte && b <= kLastEucByte;
}

// A byte of the single-byte states: ASCII as itself, and the half-width
// katakana some pages send as eight-bit bytes; any other byte is no
// character, passed on or replaced.
void SingleByte(UnitBuffer& out, int b, bool replace)
{
    const bool character = b < 0x80 || (b >= kFirstKatakana && b <= kLastKatakana);
    out.push_back(character || !replace ? jis::ToUnicode(static_cast<std::uint32_t>(b)) : kReplacement);
}

// A double-byte JIS pair after `lead`. Passing bytes, a pair without a table
// position passes both bytes, and half a pair at the end of the text is
// dropped; replacing, a pair that is no character and half a pair are U+FFFD.
// False at the end of the text.
bool DecodeJisPair(ByteStream& in, UnitBuffer& out, int lead, bool replace)
{
    const int trail = in.Get();
    if (trail < 0) {
        if (replace)
            out.push_back(kReplacement);
        return false;
    }
    const std::uint32_t code = static_cast<std::uint32_t>(lead * 256 + trail);
    if (replace) {
        out.push_back(IsJisByte(lead) && IsJisByte(trail) && jis::IsCharacter(code) ? jis::ToUnicode(code)
                                                                                    : kReplacement);
        return true;
    }
    const std::uint16_t u = jis::ToUnicode(code);
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
    DecoderBase(bool bigEndian, Undecodable undecodable) : TextDecoder(K, bigEndian, undecodable) {}
};

class SingleByteDecoder : public DecoderBase<KindSingleByte>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        out.reserve(out.size() + in.size - in.pos);
        for (int b; (b = in.Get()) >= 0;)
            SingleByte(out, b, Replaces());
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
        const std::string_view bytes(reinterpret_cast<const char*>(p), in.size);
        std::size_t i = in.pos;
        const std::size_t n = in.size;
        while (i < n) {
            const unsigned lead = p[i];
            if (lead < 0x80) {
                *o++ = static_cast<std::uint16_t>(lead);
                i = WidenAscii(p, i + 1, n, o);
            } else if (Replaces()) {
                *o++ = sjis::PageCharacterAt(bytes, i);
            } else {
                PassingPair(p, i, n, pairs, o);
            }
        }
        out.resize(static_cast<std::size_t>(o - out.data()));
        in.pos = n;
    }

private:
    // The codec's own reading of the non-ASCII byte at `i`: a pair through
    // the table, any other byte, or a pair without a position, as its units.
    static void PassingPair(const std::uint8_t* p, std::size_t& i, std::size_t n, const std::uint16_t* pairs,
                            std::uint16_t*& o)
    {
        const unsigned lead = p[i++];
        if (!sjis::IsLeadByte(static_cast<unsigned char>(lead))) {
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
};

class EucJpDecoder : public DecoderBase<KindEucJp>
{
public:
    using DecoderBase::DecoderBase;
    void Run(ByteStream& in, UnitBuffer& out) override
    {
        out.reserve(out.size() + in.size - in.pos);
        for (int b; (b = in.Get()) >= 0;) {
            bool goesOn = true;
            if (b < 0x80)
                Pass(out, b);
            else if (Replaces())
                goesOn = Replacing(b, in, out);
            else if (b == kEucKatakana)
                goesOn = Katakana(in, out);
            else if (b == kEucJisX0212)
                goesOn = PassJisX0212(in, out);
            else if (IsEucByte(b))
                goesOn = Pair(b, in, out);
            else
                Pass(out, b);
            if (!goesOn)
                return;
        }
    }

private:
    static bool Katakana(ByteStream& in, UnitBuffer& out)
    {
        int x = in.Get();
        if (x < 0) {
            Pass(out, kEucKatakana);
            return false;
        }
        std::uint16_t u = jis::ToUnicode(static_cast<std::uint32_t>(x));
        if (u) {
            out.push_back(u);
        } else {
            Pass(out, kEucKatakana);
            Pass(out, x);
        }
        return true;
    }
    // JIS X 0212 is not converted: its two bytes pass without the 0x8F.
    static bool PassJisX0212(ByteStream& in, UnitBuffer& out)
    {
        int x = in.Get(), y = in.Get();
        if (y < 0)
            return false;
        Pass(out, x);
        Pass(out, y);
        return true;
    }
    static bool Pair(int lead, ByteStream& in, UnitBuffer& out)
    {
        int x = in.Get();
        if (x < 0) {
            Pass(out, lead);
            return false;
        }
        std::uint16_t u = IsEucByte(x) ? jis::ToUnicode(static_cast<std::uint32_t>(lead * 256 + x - 0x8080)) : 0;
        if (u) {
            out.push_back(u);
        } else {
            Pass(out, lead);
            Pass(out, x);
        }
        return true;
    }

    // As browsers read EUC-JP: a byte after a lead that cannot follow it is
    // read again when it is ASCII and goes with the lead otherwise. JIS X
    // 0212, which the program has no table for, is one U+FFFD a character.
    static bool Replacing(int b, ByteStream& in, UnitBuffer& out)
    {
        if (b != kEucKatakana && b != kEucJisX0212 && !IsEucByte(b)) {
            out.push_back(kReplacement);
            return true;
        }
        int x = in.Get();
        if (b == kEucJisX0212 && IsEucByte(x)) {
            x = in.Get();
            out.push_back(kReplacement);
        } else if (b == kEucKatakana && x >= kFirstKatakana && x <= kLastKatakana) {
            out.push_back(jis::ToUnicode(static_cast<std::uint32_t>(x)));
            return true;
        } else {
            const std::uint32_t code = static_cast<std::uint32_t>(b * 256 + x - 0x8080);
            const bool pair = b != kEucKatakana && b != kEucJisX0212 && IsEucByte(x) && jis::IsCharacter(code);
            out.push_back(pair ? jis::ToUnicode(code) : kReplacement);
            if (pair)
                return true;
        }
        if (x >= 0 && x < 0x80)
            --in.pos; // ASCII is a character of its own
        return x >= 0;
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
                const bool katakana = IsJisByte(b) && (b | 0x80) <= kLastKatakana;
                out.push_back(katakana || !Replaces() ? jis::ToUnicode(static_cast<std::uint32_t>(b | 0x80))
                                                      : kReplacement);
            } else if (state == Kanji) {
                if (!DecodeJisPair(in, out, b, Replaces()))
                    return;
            } else {
                SingleByte(out, b, Replaces());
            }
        }
    }

private:
    enum State { Ascii, Roman, Katakana, Kanji };

    // Reads the sequence after ESC; an unknown one is passed through whole,
    // the ESC made U+FFFD when replacing.
    void Escape(ByteStream& in, UnitBuffer& out, State& state) const
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
        Pass(out, Replaces() ? kReplacement : 0x1B);
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
                if (x < 0) {
                    if (Replaces())
                        out.push_back(kReplacement);
                    return;
                }
                if (x == 'K' || x == 'H') {
                    kanji = x == 'K';
                } else {
                    Pass(out, Replaces() ? kReplacement : b);
                    Pass(out, x);
                }
            } else if (kanji) {
                if (!DecodeJisPair(in, out, b, Replaces()))
                    return;
            } else {
                SingleByte(out, b, Replaces());
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
        // An odd last byte is half a unit: dropped, or no character.
        if ((in.size - in.pos) % 2 && Replaces())
            out.push_back(kReplacement);
        in.pos = in.size;
    }
};

} // namespace

std::unique_ptr<TextDecoder> MakeDecoder(int kind, bool bigEndian, Undecodable undecodable)
{
    switch (kind) {
    case KindShiftJis:
        return std::make_unique<ShiftJisDecoder>(false, undecodable);
    case KindJis:
        return std::make_unique<JisDecoder>(false, undecodable);
    case KindNecKanji:
        return std::make_unique<NecKanjiDecoder>(false, undecodable);
    case KindEucJp:
        return std::make_unique<EucJpDecoder>(false, undecodable);
    case KindUtf16:
        return std::make_unique<Utf16Decoder>(bigEndian, undecodable);
    default:
        return std::make_unique<SingleByteDecoder>(false, undecodable);
    }
}
