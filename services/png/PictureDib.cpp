#include "services/png/PictureDib.h"

#include <cstring>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace
{

void Put16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t Get32(const std::uint8_t* p)
{
    return p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t(p[3]) << 24);
}

bool IsBitCount(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
}

// A large picture is written once from end to end right after it is made:
// in pages of 2 MB the system has a few dozen faults to serve instead of
// tens of thousands. Only a hint; where it is not taken, nothing changes.
void AskForLargePages(void* block, std::size_t size)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
    const auto begin = (reinterpret_cast<std::uintptr_t>(block) + kLargePage - 1) & ~(kLargePage - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(block) + size) & ~(kLargePage - 1);
    if (end > begin)
        (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)block;
    (void)size;
#endif
}

} // namespace

std::size_t PictureDib::StrideOf(std::int32_t width, int bitCount)
{
    return ((static_cast<std::size_t>(width) * bitCount + 7) / 8 + 3) / 4 * 4;
}

int PictureDib::ColorCountOf(int bitCount)
{
    return bitCount >= 1 && bitCount <= 8 ? 1 << bitCount : 0;
}

bool PictureDib::Create(std::int32_t width, std::int32_t height, int bitCount, std::size_t maxBytes)
{
    Free();
    if (width <= 0 || height <= 0 || !IsBitCount(bitCount))
        return false;
    // Rows are allocated a whole byte per pixel at least, which covers the
    // stride of the packed 1- and 4-bit rows too.
    const std::size_t rowSize = (static_cast<std::size_t>(width) * ((bitCount + 7) / 8) + 3) / 4 * 4;
    const std::size_t head = kHeaderSize + 4 * static_cast<std::size_t>(ColorCountOf(bitCount));
    if (head > maxBytes || rowSize > (maxBytes - head) / static_cast<std::size_t>(height))
        return false;
    m_block.reset(static_cast<std::uint8_t*>(std::calloc(head + rowSize * height, 1)));
    if (!m_block)
        return false;
    AskForLargePages(m_block.get(), head + rowSize * height);
    m_rowSize = rowSize;
    m_width = width;
    m_height = height;
    m_bitCount = bitCount;
    WriteHeader();
    return true;
}

void PictureDib::Free()
{
    m_block.reset();
    m_tableOpacity.clear();
    m_rowSize = 0;
    m_width = m_height = 0;
    m_bitCount = 0;
}

void PictureDib::WriteHeader()
{
    std::uint8_t* h = m_block.get();
    Put32(h, kHeaderSize);
    Put32(h + 4, static_cast<std::uint32_t>(m_width));
    Put32(h + 8, static_cast<std::uint32_t>(m_height));
    Put16(h + 12, 1);
    Put16(h + 14, static_cast<std::uint16_t>(m_bitCount));
    Put32(h + 16, 0);
    const std::uint64_t imageSize = std::uint64_t(m_width) * m_bitCount * std::uint64_t(m_height) / 8;
    Put32(h + 20, static_cast<std::uint32_t>(imageSize));
    Put32(h + 24, kPixelsPerMetre);
    Put32(h + 28, kPixelsPerMetre);
    // Colours used and important stay 0.
}

std::size_t PictureDib::RowsOffsetOf(const std::uint8_t* packed, std::size_t size)
{
    if (size < 12)
        return 0;
    const std::uint32_t headerSize = Get32(packed);
    if (headerSize == 12) {
        const int bits = packed[10] | (packed[11] << 8);
        return 12 + 3 * static_cast<std::size_t>(ColorCountOf(bits));
    }
    if (headerSize != kHeaderSize || size < kHeaderSize)
        return 0;
    const int bits = packed[14] | (packed[15] << 8);
    const std::uint32_t used = Get32(packed + 32);
    return kHeaderSize + 4 * static_cast<std::size_t>(used ? used : ColorCountOf(bits));
}

void PictureDib::SetTableOpacity(unsigned index, std::uint8_t opacity)
{
    if (index >= static_cast<unsigned>(ColorCount()))
        return;
    if (m_tableOpacity.empty())
        m_tableOpacity.assign(static_cast<std::size_t>(ColorCount()), 255);
    m_tableOpacity[index] = opacity;
}

std::uint32_t PictureDib::TableColor(unsigned index) const
{
    const std::uint8_t* e = ColorTable() + 4 * index;
    return (std::uint32_t(e[2]) << 16) | (std::uint32_t(e[1]) << 8) | e[0];
}

unsigned PictureDib::IndexAt(const std::uint8_t* row, std::int32_t x) const
{
    switch (m_bitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1;
    case 4:
        return (row[x >> 1] >> ((x & 1) ? 0 : 4)) & 15;
    default:
        return row[x];
    }
}

std::uint32_t PictureDib::PixelAt(const std::uint8_t* row, std::int32_t x) const
{
    switch (m_bitCount) {
    case 1:
    case 4:
    case 8:
        return TableColor(IndexAt(row, x));
    default: {
        const std::uint8_t* p = row + static_cast<std::size_t>(x) * (m_bitCount / 8);
        return (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[1]) << 8) | p[0];
    }
    }
}
