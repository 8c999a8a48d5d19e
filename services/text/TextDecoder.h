#pragma once
// Decoders from the Japanese byte encodings into UTF-16 units. For the
// codec, a byte that does not form a character is passed on as a unit of its
// own value, so that a byte encoder writes it back unchanged; for a page read
// into the program's text, each sequence that forms none becomes U+FFFD.

#include "services/text/ByteStream.h"

#include <memory>
#include <vector>

enum CodeKind : int {
    KindSingleByte = 1,
    KindShiftJis = 2,
    KindJis = 4,
    KindNecKanji = 16,
    KindEucJp = 32,
    KindUtf16 = 64
};

using UnitBuffer = std::vector<std::uint16_t>;

// What a decoder makes of bytes that form no character.
enum class Undecodable {
    PassBytes, // a unit of each byte's value: the codec's conversions, byte for byte
    Replace,   // one U+FFFD for each sequence, as browsers read a page
};

class TextDecoder
{
public:
    TextDecoder(int kind, bool bigEndian, Undecodable undecodable)
        : m_kind(kind), m_bigEndian(bigEndian), m_undecodable(undecodable)
    {
    }
    virtual ~TextDecoder() = default;
    virtual void Run(ByteStream& in, UnitBuffer& out) = 0;

    int Kind() const { return m_kind; }
    bool BigEndian() const { return m_bigEndian; }
    bool Replaces() const { return m_undecodable == Undecodable::Replace; }

private:
    int m_kind;
    bool m_bigEndian;
    Undecodable m_undecodable;
};

// Makes the decoder of a kind (the UTF-16 one with its byte order).
std::unique_ptr<TextDecoder> MakeDecoder(int kind, bool bigEndian = false,
                                         Undecodable undecodable = Undecodable::PassBytes);
