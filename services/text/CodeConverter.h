#pragma once
// One table-route conversion: the current decoder, the current encoder and
// the UTF-16 units between them. Starts with the single-byte decoder and the
// fallback writer.

#include "services/text/TextEncoder.h"

#include <memory>
#include <string>

class CodeConverter
{
public:
    CodeConverter();
    virtual ~CodeConverter() = default;

    void SetDecoder(std::unique_ptr<TextDecoder> d) { m_decoder = std::move(d); }
    void SetEncoder(std::unique_ptr<TextEncoder> e) { m_encoder = std::move(e); }
    const TextDecoder& Decoder() const { return *m_decoder; }
    const TextEncoder& Encoder() const { return *m_encoder; }

    // Detects the encoding first while the decoder is the single-byte one.
    virtual void Decode(ByteStream& in);
    virtual void Encode(std::string& out);
    // Guesses the encoding from the bytes at the stream's position; the
    // position comes back there, or just past a UTF-16 signature.
    virtual std::unique_ptr<TextDecoder> DetectDecoder(ByteStream& in);

    const UnitBuffer& Units() const { return m_units; }

private:
    std::unique_ptr<TextDecoder> m_decoder;
    std::unique_ptr<TextEncoder> m_encoder;
    UnitBuffer m_units;
};
