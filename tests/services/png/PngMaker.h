#pragma once
// Builds small PNG files byte by byte for the tests, so that each case holds
// exactly the chunks it is about (including ones an encoder would refuse).

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

class PngMaker
{
public:
    PngMaker(std::uint32_t width, std::uint32_t height, int depth, int colorType, bool interlaced = false)
        : m_width(width), m_height(height), m_depth(depth), m_colorType(colorType), m_interlaced(interlaced)
    {
    }

    // Raw rows, each with its filter byte (0) in front; not interlaced.
    PngMaker& Rows(const std::vector<std::vector<std::uint8_t>>& rows)
    {
        m_raw.clear();
        for (const auto& row : rows) {
            m_raw.push_back(0);
            m_raw.insert(m_raw.end(), row.begin(), row.end());
        }
        return *this;
    }
    // The same rows stored interlaced: the seven Adam7 passes, each row of a
    // pass with its filter byte; `pixelBytes` bytes a pixel (depth 8 and up).
    PngMaker& InterlacedRows(const std::vector<std::vector<std::uint8_t>>& rows, std::size_t pixelBytes)
    {
        static const int kPass[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                        {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
        m_raw.clear();
        for (const auto& p : kPass) {
            if (static_cast<std::uint32_t>(p[0]) >= m_width)
                continue;
            for (std::uint32_t y = p[1]; y < m_height; y += p[3]) {
                m_raw.push_back(0);
                for (std::uint32_t x = p[0]; x < m_width; x += p[2])
                    m_raw.insert(m_raw.end(), rows[y].begin() + x * pixelBytes, rows[y].begin() + (x + 1) * pixelBytes);
            }
        }
        return *this;
    }
    PngMaker& Palette(const std::vector<std::uint8_t>& rgb) { return Chunk("PLTE", rgb); }
    PngMaker& Transparency(const std::vector<std::uint8_t>& bytes) { return Chunk("tRNS", bytes); }

    // Spoils the compressed stream's own checksum (the chunk CRC stays right).
    PngMaker& BreakStreamChecksum()
    {
        m_breakChecksum = true;
        return *this;
    }

    PngMaker& Chunk(const char* type, const std::vector<std::uint8_t>& data)
    {
        m_chunks += ChunkBytes(type, data);
        return *this;
    }

    std::string Bytes() const
    {
        std::string out("\x89PNG\r\n\x1a\n", 8);
        std::vector<std::uint8_t> header;
        Put32(header, m_width);
        Put32(header, m_height);
        header.push_back(static_cast<std::uint8_t>(m_depth));
        header.push_back(static_cast<std::uint8_t>(m_colorType));
        header.push_back(0);
        header.push_back(0);
        header.push_back(m_interlaced ? 1 : 0);
        out += ChunkBytes("IHDR", header);
        out += m_chunks;
        uLongf size = compressBound(m_raw.size());
        std::vector<std::uint8_t> packed(size);
        compress(packed.data(), &size, m_raw.data(), m_raw.size());
        packed.resize(size);
        if (m_breakChecksum)
            packed.back() ^= 0xFF;
        out += ChunkBytes("IDAT", packed);
        out += ChunkBytes("IEND", {});
        return out;
    }

private:
    static void Put32(std::vector<std::uint8_t>& v, std::uint32_t x)
    {
        for (int shift = 24; shift >= 0; shift -= 8)
            v.push_back(static_cast<std::uint8_t>(x >> shift));
    }

    static std::string ChunkBytes(const char* type, const std::vector<std::uint8_t>& data)
    {
        std::vector<std::uint8_t> bytes;
        Put32(bytes, static_cast<std::uint32_t>(data.size()));
        bytes.insert(bytes.end(), type, type + 4);
        bytes.insert(bytes.end(), data.begin(), data.end());
        const uLong crc = crc32(0, bytes.data() + 4, static_cast<uInt>(bytes.size() - 4));
        Put32(bytes, static_cast<std::uint32_t>(crc));
        return std::string(bytes.begin(), bytes.end());
    }

    std::uint32_t m_width, m_height;
    int m_depth, m_colorType;
    bool m_interlaced;
    bool m_breakChecksum = false;
    std::vector<std::uint8_t> m_raw;
    std::string m_chunks;
};
