#pragma once
// Converts whole texts between the encodings of HTML files, and between
// line-end conventions: the text-only conversions, byte for byte as they
// always were, with what the target could not hold counted. (The program's
// own text goes out through textout, where nothing is lost.) One codec
// serves one conversion; the output it returns lives until the next one.

#include <cstddef>
#include <cstdint>
#include <string>

enum TextEncoding : int {
    EncodingAuto = 0,
    EncodingShiftJis = 1,
    EncodingJis = 2,
    EncodingEucJp = 3,
    EncodingUtf8 = 4,
    EncodingUtf8Signature = 5,
    EncodingUtf16Le = 6,
    EncodingUtf16Be = 7,
};

enum LineEnd : int { LineEndAuto = 0, LineEndCrLf = 1, LineEndLf = 2, LineEndCr = 3 };

struct ConvertedBytes {
    int result = -1;                    // the encoding produced, or -1
    const std::uint8_t* data = nullptr; // none when nothing was produced
    std::size_t size = 0;
    // Characters of the input the target lacks, written as the codec writes
    // them ('?' on the UTF-8 route, their raw bytes on the table route), and
    // the 1-based line of the first of them (0 when none).
    std::size_t lost = 0;
    std::size_t firstLostLine = 0;
};

class TextCodec
{
public:
    ConvertedBytes ConvertBytes(int source, int target, const std::uint8_t* data, std::size_t size, bool signature);
    ConvertedBytes ConvertBytes(int source, int target, const std::string& bytes, bool signature)
    {
        return ConvertBytes(source, target, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                            signature);
    }
    // The converted text up to its first NUL byte; for byte encodings only.
    int ConvertToString(int source, int target, const std::uint8_t* data, std::size_t size, std::string& text);
    int ConvertToString(int source, int target, const std::string& bytes, std::string& text)
    {
        return ConvertToString(source, target, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), text);
    }
    static void ConvertLineEnds(int source, int target, std::string& text);
    // Line ends of a text still in its own `encoding` (a source code; the
    // automatic codes detect it as a conversion would): in 16-bit units for
    // UTF-16, where a byte 0x0A or 0x0D may be half of any character, and in
    // bytes for every other encoding, where they are always line ends.
    static void ConvertLineEndsIn(int encoding, int source, int target, std::string& bytes);

    static bool TakesUtf8Route(int source, int target);

private:
    int Utf8Route(int source, int target, const std::uint8_t* data, std::size_t size);
    int TableRoute(int source, int target, const std::uint8_t* data, std::size_t size);

    std::string m_buffer;
    std::size_t m_lost = 0;
    std::size_t m_firstLostLine = 0;
};
