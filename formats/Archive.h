#pragma once
// The byte encoding of the native map file, little-endian throughout:
//
//   counted string  length 0..254: one byte, then the bytes (no terminator)
//                   255..65533:   0xFF, word length
//                   65534 and up: 0xFF, word 0xFFFF, int32 length
//                                 (0xFFFFFFFF: then an int64 length)
//                   0xFF, word 0xFFFE, then a length by the same rules counting
//                   UTF-16 units: UTF-16 text
//
// Texts are the program's (UTF-8). A text is stored in Shift-JIS, as every
// text always was, and in the UTF-16 form only when Shift-JIS cannot hold
// it, so that a map of Japanese and ASCII texts is stored as it always was.
//   count           word below 0xFFFF, else word 0xFFFF then a 32-bit count
//   class tag       word 0xFFFF, word schema, word name length, name: a new class
//                   word 0x8000|index (0x7FFF, int32 0x80000000|index when the
//                   index exceeds 32766): a class stored before
//
// Indexes are shared by classes and objects: the first class takes 1, every
// object read or written after it the next number.
//
// Reading is bounded by the bytes at hand: no length or count may claim more
// than is left, and any shortfall fails the whole read.

#include "services/text/Utf8String.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A text as the archive stores it, worked out once for sizing and writing:
// ASCII as it is, other text as Shift-JIS or, failing that, UTF-16.
class ArchiveText
{
public:
    explicit ArchiveText(std::string_view text) : m_bytes(text)
    {
        if (!utf8::IsAscii(text))
            Convert(text);
    }
    // What Put writes for it.
    std::size_t Size() const;
    char* Put(char* p) const;

private:
    void Convert(std::string_view text);
    std::size_t WideSize() const;
    char* PutWide(char* p) const;

    std::string_view m_bytes;              // the text itself when ASCII, else *m_stored
    std::unique_ptr<std::string> m_stored; // Shift-JIS bytes, or UTF-16 units little-endian first
    bool m_wide = false;
};

// Writes into a buffer sized ahead (Reserve), so that a whole file is
// written in one pass with one allocation when the caller knows its size;
// the buffer is not cleared first, since every byte handed out is written.
class ArchiveWriter
{
public:
    void Int32(std::int32_t v) { PutInt32(Room(4), v); }
    void Word(std::uint16_t v) { PutLittleEndian(Room(2), v); }
    void Byte(std::uint8_t v) { *Room(1) = static_cast<char>(v); }
    // A text of the program's, as ArchiveText stores it.
    void Text(std::string_view text)
    {
        const ArchiveText stored(text);
        stored.Put(Room(stored.Size()));
    }
    void Count(std::uint32_t n) { PutCount(Room(CountSize(n)), n); }

    // Room for `size` bytes, to be filled by the Put functions below: a
    // caller that knows what a run of fields takes claims it once.
    char* Claim(std::size_t size) { return Room(size); }
    // Each writes at `p` what the write of the same name above writes, and
    // answers where the next field goes.
    static char* PutInt32(char* p, std::int32_t v)
    {
        PutLittleEndian(p, static_cast<std::uint32_t>(v));
        return p + 4;
    }
    static char* PutCount(char* p, std::uint32_t n);
    // The counted bytes, and the counted length alone.
    static char* PutString(char* p, std::string_view s)
    {
        p = PutLength(p, s.size());
        if (!s.empty())
            std::memcpy(p, s.data(), s.size());
        return p + s.size();
    }
    static char* PutLength(char* p, std::size_t n)
    {
        if (n <= kLongestByteLength) {
            *p++ = static_cast<char>(n);
        } else if (n <= kLongestWordLength) {
            *p++ = static_cast<char>(0xFF);
            p = PutWord(p, static_cast<std::uint16_t>(n));
        } else {
            *p++ = static_cast<char>(0xFF);
            p = PutWord(p, 0xFFFF);
            p = PutInt32(p, static_cast<std::int32_t>(static_cast<std::uint32_t>(n)));
        }
        return p;
    }
    // The class tag of the next object of the class `name`; counts the object.
    void ClassTag(std::string_view name, std::uint16_t schema);

    // What each of the writes above takes, for sizing a file ahead.
    static std::size_t StringSize(std::size_t length)
    {
        return (length <= kLongestByteLength ? 1 : length <= kLongestWordLength ? 3 : 7) + length;
    }
    static std::size_t CountSize(std::uint32_t n) { return n < 0xFFFF ? 2 : 6; }
    // The most a class tag takes: a new class's tag less its name, or a
    // stored class's tag with its 32-bit index.
    static constexpr std::size_t kLargestTag = 6;

    // Counted strings of up to 254 bytes give their length in one byte; up to
    // 65533 in a word after 0xFF; longer ones in an int32 after 0xFF, 0xFFFF.
    static constexpr std::size_t kLongestByteLength = 254;
    static constexpr std::size_t kLongestWordLength = 0xFFFD;

    // Room for `size` bytes more than are written.
    void Reserve(std::size_t size);
    // What was written, valid until the next write.
    std::string_view Bytes() const { return {m_bytes.get(), m_used}; }
    std::string TakeBytes();

private:
    template <class Unsigned> static void PutLittleEndian(char* p, Unsigned v)
    {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(p, &v, sizeof v);
        } else {
            for (std::size_t i = 0; i < sizeof v; ++i)
                p[i] = static_cast<char>(v >> (8 * i));
        }
    }
    char* Room(std::size_t n)
    {
        if (m_capacity - m_used < n)
            Grow(n);
        char* p = m_bytes.get() + m_used;
        m_used += n;
        return p;
    }
    void Grow(std::size_t n);
    void Resize(std::size_t capacity);
    void Append(const char* data, std::size_t n);
    static char* PutWord(char* p, std::uint16_t v)
    {
        PutLittleEndian(p, v);
        return p + 2;
    }

    std::unique_ptr<char[]> m_bytes; // m_capacity bytes, the first m_used of them written
    std::size_t m_capacity = 0;
    std::size_t m_used = 0;
    std::vector<std::pair<std::string, std::uint32_t>> m_classIndex; // a class's name -> its index
    std::uint32_t m_nextIndex = 1;
};

class ArchiveReader
{
public:
    ArchiveReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Failed() const { return m_failed; }
    std::size_t Remaining() const { return m_failed ? 0 : m_size - m_pos; }
    std::size_t Position() const { return m_pos; }

    std::int32_t Int32();
    std::uint16_t Word();
    std::uint8_t Byte();
    // A text as the program's (UTF-8), from either form.
    std::string Text();
    // A count no larger than the bytes left divided by `minimumElementSize`.
    std::uint32_t Count(std::size_t minimumElementSize);
    // The schema of the next object's class, which must be `name`; -1 on failure.
    int ClassTag(std::string_view name);
    // The next `n` bytes, passed over, for a caller that decodes a run of
    // fields at once; null (and failed) when fewer are left.
    const std::uint8_t* Block(std::size_t n);

    // The int32 at `p`, for decoding a Block.
    static std::int32_t Int32At(const std::uint8_t* p)
    {
        return static_cast<std::int32_t>(p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24);
    }

private:
    bool Take(std::size_t n);
    std::uint64_t Length();
    std::string Utf16Text();

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_failed = false;
    std::vector<std::pair<std::uint32_t, int>> m_classSchema; // class index -> schema
    std::uint32_t m_nextIndex = 1;
};

inline std::size_t ArchiveText::Size() const
{
    return m_wide ? WideSize() : ArchiveWriter::StringSize(m_bytes.size());
}

inline char* ArchiveText::Put(char* p) const
{
    return m_wide ? PutWide(p) : ArchiveWriter::PutString(p, m_bytes);
}
