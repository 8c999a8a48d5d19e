#pragma once
// The byte encoding of the native map file, little-endian throughout:
//
//   counted string  length 0..254: one byte, then the bytes (no terminator)
//                   255..65533:   0xFF, word length
//                   65534 and up: 0xFF, word 0xFFFF, int32 length
//                                 (0xFFFFFFFF: then an int64 length)
//                   0xFF, word 0xFFFE, then a length by the same rules counting
//                   UTF-16 units: UTF-16 text (read only, never written)
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

#include <cstdint>
#include <map>
#include <string>
#include <utility>

class ArchiveWriter
{
public:
    void Int32(std::int32_t v);
    void Word(std::uint16_t v);
    void Byte(std::uint8_t v) { m_bytes.push_back(static_cast<char>(v)); }
    void String(const std::string& s);
    void Count(std::uint32_t n);
    // The class tag of the next object of the class `name`; counts the object.
    void ClassTag(const std::string& name, std::uint16_t schema);

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }
    void Reserve(std::size_t size) { m_bytes.reserve(size); }

private:
    std::string m_bytes;
    std::map<std::string, std::uint32_t> m_classIndex;
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
    std::string String();
    // A count no larger than the bytes left divided by `minimumElementSize`.
    std::uint32_t Count(std::size_t minimumElementSize);
    // The schema of the next object's class, which must be `name`; -1 on failure.
    int ClassTag(const std::string& name);

private:
    bool Take(std::size_t n);
    std::uint64_t Length();
    std::string Utf16Text();

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
    bool m_failed = false;
    std::map<std::uint32_t, int> m_classSchema; // class index -> schema
    std::uint32_t m_nextIndex = 1;
};
