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

// Kind 1 is the fallback writer.
std::unique_ptr<TextEncoder> MakeEncoder(int kind, bool bigEndian = false);
