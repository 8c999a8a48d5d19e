#include "services/text/TextEncoder.h"

#include "services/text/JisTables.h"

namespace
{

// Bytes written into room made ahead.
struct ByteRoom {
    char* at;
};

inline void Put(std::string& out, unsigned b)
{
    out.push_back(static_cast<char>(b & 0xFF));
}

inline void Put(ByteRoom& out, unsigned b)
{
    *out.at++ = static_cast<char>(b & 0xFF);
}

template <class Out> void PutRaw(Out& out, std::uint16_t u)
{
    if (u > 0xFF)
        Put(out, u >> 8);
    Put(out, u);
}

// A JIS code as Shift-JIS: one byte up to 0xFF, else lead and trail.
inline void PutShiftJis(ByteRoom& out, std::uint16_t j)
{
    if (j <= 0xFF) {
        Put(out, j);
        return;
    }
    unsigned lead, trail;
    jis::ToShiftJis(j, lead, trail);
    Put(out, lead);
    Put(out, trail);
}

// The last JIS row EUC-JP and JIS can carry; the rows after it (the
// user-defined area and the IBM extensions of Shift-JIS) would come out as
// bytes outside those codes.
constexpr unsigned kLastCarriedRow = 0x7E;

// What stands for a character such an encoding cannot carry: the question
// mark that replaces any character Shift-JIS cannot hold.
constexpr char kReplacement = '?';

inline bool BeyondJisRows(std::uint16_t j)
{
    return (j >> 8) > kLastCarriedRow;
}

template <int K> class EncoderBase : public TextEncoder
{
public:
    explicit EncoderBase(bool bigEndian = false) : TextEncoder(K, bigEndian) {}
};

// No unit takes more than two bytes in any of the table encoders but JIS.
constexpr std::size_t kMostBytesPerUnit = 2;

// The loop of the table encoders: each unit's JIS code goes to `write`; a
// unit the table lacks is written raw. ASCII is itself in every one of them.
template <class WriteCode> void EncodeByTable(const UnitBuffer& in, std::string& out, WriteCode write)
{
    const std::size_t base = out.size();
    out.resize(base + in.size() * kMostBytesPerUnit);
    ByteRoom room{out.data() + base};
    for (std::uint16_t u : in) {
        if (u < 0x80 && u != 0) {
            Put(room, u);
            continue;
        }
        const std::uint16_t j = jis::FromUnicode(u);
        if (j == 0)
            PutRaw(room, u);
        else
            write(room, j);
    }
    out.resize(static_cast<std::size_t>(room.at - out.data()));
}

class FallbackEncoder : public EncoderBase<KindSingleByte>
{
public:
    using EncoderBase::EncoderBase;
    // The JIS code high byte first.
    void Run(const UnitBuffer& in, std::string& out) override
    {
        EncodeByTable(in, out, [](ByteRoom& o, std::uint16_t j) { PutRaw(o, j); });
    }
};

class ShiftJisEncoder : public EncoderBase<KindShiftJis>
{
public:
    using EncoderBase::EncoderBase;
    void Run(const UnitBuffer& in, std::string& out) override
    {
        EncodeByTable(in, out, [](ByteRoom& o, std::uint16_t j) { PutShiftJis(o, j); });
    }
};

class EucJpEncoder : public EncoderBase<KindEucJp>
{
public:
    using EncoderBase::EncoderBase;
    void Run(const UnitBuffer& in, std::string& out) override
    {
        EncodeByTable(in, out, [](ByteRoom& o, std::uint16_t j) { WriteEuc(o, j); });
    }

private:
    static void WriteEuc(ByteRoom& out, std::uint16_t j)
    {
        if (BeyondJisRows(j)) {
            Put(out, kReplacement);
        } else if (j > 0xFF) {
            Put(out, (j >> 8) + 0x80);
            Put(out, (j & 0xFF) + 0x80);
        } else if (j >= 0xA1 && j <= 0xDF) {
            Put(out, 0x8E);
            Put(out, j);
        } else {
            Put(out, j);
        }
    }
};

class JisEncoder : public EncoderBase<KindJis>
{
public:
    explicit JisEncoder(JisRomanBytes backslashAndTilde) : m_asciiForRoman(backslashAndTilde == JisRomanBytes::Ascii) {}
    void Run(const UnitBuffer& in, std::string& out) override
    {
        if (in.empty())
            return;
        Shift shift;
        out.reserve(out.size() + in.size() * 2);
        for (std::uint16_t u : in) {
            std::uint16_t j = jis::FromUnicode(u);
            if (j == 0) {
                PutRaw(out, u);
            } else if (BeyondJisRows(j)) {
                SingleByte(out, shift, kReplacement);
            } else if (j > 0xFF) {
                Enter(out, shift, Kanji);
                Put(out, j >> 8);
                Put(out, j);
            } else if (j >= 0xA1 && j <= 0xDF) {
                Enter(out, shift, Katakana);
                Put(out, j & 0x7F);
            } else {
                SingleByte(out, shift, static_cast<unsigned>(j));
            }
        }
        Enter(out, shift, Roman);
    }

private:
    enum State { Roman, Katakana, Kanji, Ascii };
    // Where the encoder stands: a reader begins in ASCII, which JIS-Roman
    // reads alike but for two bytes, so until an escape is written the text
    // is in the reader's own first state whatever it says.
    struct Shift {
        State state = Roman;
        bool escaped = false;
    };

    static void Enter(std::string& out, Shift& shift, State wanted)
    {
        if (shift.state == wanted)
            return;
        static const char* const escapes[] = {"\x1B(J", "\x1B(I", "\x1B$B", "\x1B(B"};
        out += escapes[wanted];
        shift = {wanted, true};
    }

    // A byte of ASCII or JIS-Roman: in the run of ASCII it is in, else in JIS-Roman.
    void SingleByte(std::string& out, Shift& shift, unsigned byte) const
    {
        const bool differsInRoman = byte == '\\' || byte == '~';
        if (shift.state != Ascii)
            Enter(out, shift, m_asciiForRoman && shift.escaped && differsInRoman ? Ascii : Roman);
        Put(out, byte);
    }

    const bool m_asciiForRoman;
};

class Utf16Encoder : public EncoderBase<KindUtf16>
{
public:
    using EncoderBase::EncoderBase;
    void Run(const UnitBuffer& in, std::string& out) override
    {
        std::size_t base = out.size();
        out.resize(base + in.size() * 2);
        char* p = out.data() + base;
        int hi = BigEndian() ? 0 : 1;
        for (std::uint16_t u : in) {
            p[hi] = static_cast<char>(u >> 8);
            p[1 - hi] = static_cast<char>(u & 0xFF);
            p += 2;
        }
    }
};

} // namespace

std::unique_ptr<TextEncoder> MakeEncoder(int kind, bool bigEndian)
{
    switch (kind) {
    case KindShiftJis:
        return std::make_unique<ShiftJisEncoder>();
    case KindJis:
        return MakeJisEncoder(JisRomanBytes::Roman);
    case KindEucJp:
        return std::make_unique<EucJpEncoder>();
    case KindUtf16:
        return std::make_unique<Utf16Encoder>(bigEndian);
    default:
        return std::make_unique<FallbackEncoder>();
    }
}

std::unique_ptr<TextEncoder> MakeJisEncoder(JisRomanBytes backslashAndTilde)
{
    return std::make_unique<JisEncoder>(backslashAndTilde);
}
