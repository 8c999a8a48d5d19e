#pragma once
// Decoders from the Japanese byte encodings into UTF-16 units. A byte that
// does not form a character is passed on as a unit of its own value, so that
// a byte encoder writes it back unchanged.

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

class TextDecoder
{
public:
    TextDecoder(int kind, bool bigEndian = false) : m_kind(kind), m_bigEndian(bigEndian) {}
    virtual ~TextDecoder() = default;
    virtual void Run(ByteStream& in, UnitBuffer& out) = 0;

    int Kind() const { return m_kind; }
    bool BigEndian() const { return m_bigEndian; }

private:
    int m_kind;
    bool m_bigEndian;
};

// Makes the decoder of a kind (the UTF-16 one with its byte order).
std::unique_ptr<TextDecoder> MakeDecoder(int kind, bool bigEndian = false);
