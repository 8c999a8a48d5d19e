#pragma once
// Encoders from UTF-16 units into the Japanese byte encodings. A unit the
// target lacks is written raw: its high byte when non-zero, then its low byte.

#include "services/text/TextDecoder.h"

#include <memory>
#include <string>

class TextEncoder
{
public:
    TextEncoder(int kind, bool bigEndian = false) : m_kind(kind), m_bigEndian(bigEndian) {}
    virtual ~TextEncoder() = default;
    virtual void Run(const UnitBuffer& in, std::string& out) = 0;

    int Kind() const { return m_kind; }
    bool BigEndian() const { return m_bigEndian; }

private:
    int m_kind;
    bool m_bigEndian;
};

// Kind 1 is the fallback writer; kind 4 writes '\' and '~' as JisRomanBytes::Roman.
std::unique_ptr<TextEncoder> MakeEncoder(int kind, bool bigEndian = false);

// Where the JIS encoder writes '\' and '~' once it has written an escape
// (after text in kanji or katakana). In JIS-Roman, to which it returns, other
// readers take those bytes for the yen sign and the overline.
enum class JisRomanBytes {
    Roman, // with the rest, byte for byte as the codec's conversions always wrote them
    Ascii, // in ASCII (ESC ( B), for the rest of that run of single bytes: read as themselves everywhere
};
std::unique_ptr<TextEncoder> MakeJisEncoder(JisRomanBytes backslashAndTilde);
