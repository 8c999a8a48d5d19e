#pragma once
// A device-independent bitmap in one zero-filled block, as the PNG reader
// builds it and the picture draws it.
//
// Packed layout, little-endian:
//   0   BITMAPINFOHEADER, 40 bytes:
//         u32 size (40), s32 width, s32 height (positive: rows bottom-up),
//         u16 planes (1), u16 bit count (1, 4, 8, 24 or 32),
//         u32 compression (0, uncompressed), u32 image size (w * bits * h / 8),
//         s32 x and y pixels per metre (2834 each), u32 colours used (0),
//         u32 colours important (0)
//   40  colour table: 2, 16 or 256 entries of (blue, green, red, 0) for
//       1, 4 or 8 bits; none for 24 and 32
//   ... pixel rows, the last picture row first, each Stride() bytes long
//       ((w * bits + 7) / 8 + 3) / 4 * 4, padding zero.
//
// 32-bit pixels are (blue, green, red, alpha); the alpha byte is kept as read
// but takes no part in drawing.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

class PictureDib
{
public:
    static constexpr std::size_t kHeaderSize = 40;
    static constexpr std::int32_t kPixelsPerMetre = 2834;

    // Makes a zero-filled bitmap with a filled-in header; false (and empty)
    // when the sizes are not positive, the bit count is not one of the five,
    // or the block would pass `maxBytes` or cannot be allocated.
    bool Create(std::int32_t width, std::int32_t height, int bitCount, std::size_t maxBytes);
    void Free();

    bool IsEmpty() const { return !m_block; }
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    int BitCount() const { return m_bitCount; }
    std::size_t Stride() const { return StrideOf(m_width, m_bitCount); }
    // The row size the block was allocated for: at least Stride().
    std::size_t AllocatedRowSize() const { return m_rowSize; }
    int ColorCount() const { return ColorCountOf(m_bitCount); }

    std::uint8_t* ColorTable() { return m_block.get() + kHeaderSize; }
    const std::uint8_t* ColorTable() const { return m_block.get() + kHeaderSize; }
    std::uint8_t* Bits() { return m_block.get() + BitsOffset(); }
    const std::uint8_t* Bits() const { return m_block.get() + BitsOffset(); }
    // Picture row `y` counted from the top.
    std::uint8_t* Row(std::int32_t y) { return Bits() + static_cast<std::size_t>(m_height - 1 - y) * Stride(); }
    const std::uint8_t* Row(std::int32_t y) const
    {
        return Bits() + static_cast<std::size_t>(m_height - 1 - y) * Stride();
    }

    // The opacity of a colour table's entry as the picture gave it (a PNG
    // palette's transparency), 255 where it gave none. It lives beside the
    // packed bitmap, whose entries hold their colours composited and a zero
    // fourth byte, for those who trace the picture rather than draw it.
    std::uint8_t TableOpacity(unsigned index) const
    {
        return index < m_tableOpacity.size() ? m_tableOpacity[index] : std::uint8_t(255);
    }
    void SetTableOpacity(unsigned index, std::uint8_t opacity);
    bool HasTableOpacity() const { return !m_tableOpacity.empty(); }

    // The colour table's entry of a pixel of a row, for 1, 4 and 8 bits.
    unsigned IndexAt(const std::uint8_t* row, std::int32_t x) const;
    // A pixel of a row as 0x00RRGGBB, through the colour table when there is one.
    std::uint32_t PixelAt(const std::uint8_t* row, std::int32_t x) const;
    std::uint32_t PixelAt(std::int32_t x, std::int32_t y) const { return PixelAt(Row(y), x); }

    // The packed bitmap: header, colour table and rows.
    const std::uint8_t* Packed() const { return m_block.get(); }
    std::size_t PackedSize() const { return BitsOffset() + Stride() * static_cast<std::size_t>(m_height); }

    static std::size_t StrideOf(std::int32_t width, int bitCount);
    static int ColorCountOf(int bitCount);
    // Where the rows of any packed bitmap start, from its header: after a
    // 40-byte header the table has biClrUsed four-byte entries when that is
    // set, else 2, 16 or 256 for 1, 4 or 8 bits; after an old 12-byte header
    // the entries are three bytes. 0 when the header is neither.
    static std::size_t RowsOffsetOf(const std::uint8_t* packed, std::size_t size);

private:
    std::size_t BitsOffset() const { return kHeaderSize + 4 * static_cast<std::size_t>(ColorCount()); }
    void WriteHeader();
    std::uint32_t TableColor(unsigned index) const;

    struct FreeBlock {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t[], FreeBlock> m_block;
    std::vector<std::uint8_t> m_tableOpacity; // by entry; empty while every entry is opaque
    std::size_t m_rowSize = 0;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
    int m_bitCount = 0;
};
