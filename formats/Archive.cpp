#include "formats/Archive.h"

#include "services/text/Utf8Bridge.h"
#include "services/text/Utf8String.h"

#include <algorithm>
#include <cstring>

namespace
{

// Class indexes up to this fit the tag word of a stored class.
constexpr std::uint32_t kLargestWordIndex = 32766;
// What comes before the length of a text stored in UTF-16: 0xFF, word 0xFFFE.
constexpr char kWideMark[] = "\xFF\xFE\xFF";
constexpr std::size_t kWideMarkSize = 3;

} // namespace

void ArchiveWriter::Reserve(std::size_t size)
{
    if (m_capacity - m_used < size)
        Resize(m_used + size);
}

void ArchiveWriter::Grow(std::size_t n)
{
    Resize(std::max(m_used + n, 2 * m_capacity));
}

void ArchiveWriter::Resize(std::size_t capacity)
{
    auto bytes = std::make_unique_for_overwrite<char[]>(capacity);
    if (m_used)
        std::memcpy(bytes.get(), m_bytes.get(), m_used);
    m_bytes = std::move(bytes);
    m_capacity = capacity;
}

std::string ArchiveWriter::TakeBytes()
{
    std::string bytes(Bytes());
    m_used = 0;
    return bytes;
}

void ArchiveWriter::Append(const char* data, std::size_t n)
{
    if (n)
        std::memcpy(Room(n), data, n);
}

void ArchiveText::Convert(std::string_view text)
{
    utf8::SjisLoss loss;
    m_stored = std::make_unique<std::string>(utf8::Utf8ToSjis(text, loss));
    if (loss.count) {
        const std::u16string units = utf8::ToUtf16(text);
        m_stored->assign(2 * units.size(), '\0');
        for (std::size_t i = 0; i < units.size(); ++i) {
            (*m_stored)[2 * i] = static_cast<char>(units[i] & 0xFF);
            (*m_stored)[2 * i + 1] = static_cast<char>(units[i] >> 8);
        }
        m_wide = true;
    }
    m_bytes = *m_stored;
}

std::size_t ArchiveText::WideSize() const
{
    const std::size_t units = m_bytes.size() / 2;
    return kWideMarkSize + ArchiveWriter::StringSize(units) - units + m_bytes.size();
}

char* ArchiveText::PutWide(char* p) const
{
    std::memcpy(p, kWideMark, kWideMarkSize);
    p = ArchiveWriter::PutLength(p + kWideMarkSize, m_bytes.size() / 2);
    std::memcpy(p, m_bytes.data(), m_bytes.size());
    return p + m_bytes.size();
}

char* ArchiveWriter::PutCount(char* p, std::uint32_t n)
{
    if (n < 0xFFFF)
        return PutWord(p, static_cast<std::uint16_t>(n));
    p = PutWord(p, 0xFFFF);
    return PutInt32(p, static_cast<std::int32_t>(n));
}

void ArchiveWriter::ClassTag(std::string_view name, std::uint16_t schema)
{
    auto known = std::find_if(m_classIndex.begin(), m_classIndex.end(), [&](const auto& c) { return c.first == name; });
    if (known == m_classIndex.end()) {
        Word(0xFFFF);
        Word(schema);
        Word(static_cast<std::uint16_t>(name.size()));
        Append(name.data(), name.size());
        m_classIndex.emplace_back(name, m_nextIndex++);
    } else if (known->second <= kLargestWordIndex) {
        Word(static_cast<std::uint16_t>(0x8000 | known->second));
    } else {
        Word(0x7FFF);
        Int32(static_cast<std::int32_t>(0x80000000u | known->second));
    }
    ++m_nextIndex; // the object itself
}

bool ArchiveReader::Take(std::size_t n)
{
    if (m_failed || m_size - m_pos < n) {
        m_failed = true;
        return false;
    }
    return true;
}

std::uint8_t ArchiveReader::Byte()
{
    return Take(1) ? m_data[m_pos++] : 0;
}

std::uint16_t ArchiveReader::Word()
{
    if (!Take(2))
        return 0;
    std::uint16_t v = static_cast<std::uint16_t>(m_data[m_pos] | m_data[m_pos + 1] << 8);
    m_pos += 2;
    return v;
}

std::int32_t ArchiveReader::Int32()
{
    if (!Take(4))
        return 0;
    const std::int32_t v = Int32At(m_data + m_pos);
    m_pos += 4;
    return v;
}

const std::uint8_t* ArchiveReader::Block(std::size_t n)
{
    if (!Take(n))
        return nullptr;
    const std::uint8_t* block = m_data + m_pos;
    m_pos += n;
    return block;
}

std::uint64_t ArchiveReader::Length()
{
    std::uint8_t b = Byte();
    if (b < 0xFF)
        return b;
    std::uint16_t w = Word();
    if (w < 0xFFFE)
        return w;
    if (w == 0xFFFE) {
        m_failed = true; // a second UTF-16 mark inside a length
        return 0;
    }
    std::uint32_t d = static_cast<std::uint32_t>(Int32());
    if (d < 0xFFFFFFFFu)
        return d;
    std::uint64_t lo = static_cast<std::uint32_t>(Int32()), hi = static_cast<std::uint32_t>(Int32());
    return hi << 32 | lo;
}

std::string ArchiveReader::Utf16Text()
{
    std::uint64_t units = Length();
    if (m_failed || units > Remaining() / 2) {
        m_failed = true;
        return std::string();
    }
    std::u16string text(static_cast<std::size_t>(units), u'\0');
    for (char16_t& c : text)
        c = Word();
    return utf8::FromUtf16(text);
}

namespace
{

// Stored bytes are Shift-JIS; ASCII, which most texts are, is the same in UTF-8.
std::string FromStored(const char* bytes, std::size_t n)
{
    const std::string_view stored(bytes, n);
    return utf8::IsAscii(stored) ? std::string(stored) : utf8::SjisToUtf8(stored);
}

} // namespace

std::string ArchiveReader::Text()
{
    if (!m_failed && m_pos < m_size && m_data[m_pos] <= ArchiveWriter::kLongestByteLength) {
        // The usual short string, without the checks for the longer forms.
        const std::size_t n = m_data[m_pos];
        if (n >= m_size - m_pos) {
            m_failed = true;
            return std::string();
        }
        const char* text = reinterpret_cast<const char*>(m_data + m_pos + 1);
        m_pos += 1 + n;
        return FromStored(text, n);
    }
    std::size_t start = m_pos;
    if (Byte() == 0xFF && Word() == 0xFFFE)
        return Utf16Text();
    if (m_failed)
        return std::string();
    m_pos = start;
    std::uint64_t n = Length();
    if (m_failed || n > Remaining()) {
        m_failed = true;
        return std::string();
    }
    std::string s = FromStored(reinterpret_cast<const char*>(m_data + m_pos), static_cast<std::size_t>(n));
    m_pos += static_cast<std::size_t>(n);
    return s;
}

std::uint32_t ArchiveReader::Count(std::size_t minimumElementSize)
{
    std::uint32_t n = Word();
    if (n == 0xFFFF)
        n = static_cast<std::uint32_t>(Int32());
    if (m_failed || n > Remaining() / (minimumElementSize ? minimumElementSize : 1)) {
        m_failed = true;
        return 0;
    }
    return n;
}

int ArchiveReader::ClassTag(std::string_view name)
{
    std::uint16_t tag = Word();
    std::uint32_t classIndex = 0;
    if (tag == 0xFFFF) {
        int schema = Word();
        std::uint16_t length = Word();
        if (!Take(length) || length != name.size() ||
            name != std::string_view(reinterpret_cast<const char*>(m_data + m_pos), length)) {
            m_failed = true;
            return -1;
        }
        m_pos += length;
        m_classSchema.emplace_back(m_nextIndex++, schema);
        ++m_nextIndex;
        return schema;
    }
    if (tag == 0x7FFF)
        classIndex = static_cast<std::uint32_t>(Int32()) & 0x7FFFFFFFu;
    else if (tag & 0x8000)
        classIndex = tag & 0x7FFFu;
    auto known =
        std::find_if(m_classSchema.begin(), m_classSchema.end(), [&](const auto& c) { return c.first == classIndex; });
    if (m_failed || known == m_classSchema.end()) {
        m_failed = true; // null, an object back-reference or an unknown class
        return -1;
    }
    ++m_nextIndex;
    return known->second;
}
