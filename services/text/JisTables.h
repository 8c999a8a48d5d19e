#pragma once
// The codec's tables between JIS codes (row * 256 + cell) and UTF-16 units,
// generated from the code page 932 mapping (services/JisTables.cpp).

#include <cstdint>
#include <string>

namespace jis
{

constexpr int kFirstRow = 0x21;
constexpr int kLastRow = 0x97;
constexpr int kCellsPerRow = 94;
constexpr int kJisToUnicodeSize = (kLastRow - kFirstRow + 1) * kCellsPerRow; // 11,186

// Indexed by (row - 0x21) * 94 + (cell - 0x21).
extern const std::uint16_t kJisToUnicode[kJisToUnicodeSize];

// One block per high byte of a Unicode value: codes for low bytes first..last
// (0 = no mapping), or no codes at all.
struct UnicodeBlock {
    std::uint8_t first;
    std::uint8_t last;
    const std::uint16_t* codes;
};
extern const UnicodeBlock kUnicodeToJis[256];

// JIS -> Unicode; 0 when the value has no mapping.
inline std::uint16_t ToUnicode(std::uint32_t v)
{
    if (v <= 0xFF)
        return static_cast<std::uint16_t>((v >= 0xA1 && v <= 0xDF) ? v + 0xFEC0 : v);
    std::uint32_t row = v >> 8, cell = v & 0xFF;
    if (row < 0x21 || row > 0x97 || cell < 0x21 || cell > 0x7E)
        return 0;
    return kJisToUnicode[(row - 0x21) * kCellsPerRow + (cell - 0x21)];
}

// What the table holds where code page 932 leaves a position free: the
// katakana middle dot, whose own position is 0x2126.
constexpr std::uint16_t kUndefinedUnit = 0x30FB;
constexpr std::uint32_t kMiddleDot = 0x2126;

// Whether a double-byte JIS code stands for a character of code page 932,
// and not for the middle dot put where it has none.
inline bool IsCharacter(std::uint32_t v)
{
    const std::uint16_t u = ToUnicode(v);
    return u != 0 && (u != kUndefinedUnit || v == kMiddleDot);
}

// Unicode -> JIS; 0 when the unit has no mapping.
inline std::uint16_t FromUnicode(std::uint16_t u)
{
    if (u >= 0xFF61 && u <= 0xFF9F)
        return static_cast<std::uint16_t>(u - 0xFEC0);
    const UnicodeBlock& b = kUnicodeToJis[u >> 8];
    std::uint8_t low = u & 0xFF;
    if (b.codes && low >= b.first && low <= b.last)
        return b.codes[low - b.first];
    return u <= 0xFF ? u : 0;
}

// Shift-JIS lead and trail to a JIS code by the standard arithmetic.
inline std::uint32_t FromShiftJis(unsigned lead, unsigned trail)
{
    unsigned row = 2 * (lead - (lead < 0xA0 ? 0x70 : 0xB0)) - (trail < 0x9F ? 1 : 0);
    unsigned cell = trail < 0x80 ? trail - 0x1F : trail < 0x9F ? trail - 0x20 : trail - 0x7E;
    return row * 256 + cell;
}

// A double-byte JIS code to its Shift-JIS lead and trail.
inline void ToShiftJis(std::uint32_t j, unsigned& lead, unsigned& trail)
{
    unsigned row = j >> 8, cell = j & 0xFF;
    lead = ((row + 1) >> 1) + (j < 0x5F00 ? 0x70 : 0xB0);
    trail = (row % 2 == 0) ? cell + 0x7E : cell < 0x60 ? cell + 0x1F : cell + 0x20;
}

// A JIS code written as Shift-JIS: one byte up to 0xFF, else lead and trail.
inline void AppendShiftJis(std::string& out, std::uint32_t j)
{
    if (j <= 0xFF) {
        out.push_back(static_cast<char>(j));
        return;
    }
    unsigned lead, trail;
    ToShiftJis(j, lead, trail);
    out.push_back(static_cast<char>(lead));
    out.push_back(static_cast<char>(trail));
}

} // namespace jis
