#pragma once
// Windows-1252's characters at 0x80..0x9F, where it differs from Latin-1:
// the bytes of a Western page, and what HTML reads a character reference to
// those numbers as ("&#150;" is the en dash). The five codes it leaves free
// are U+FFFD.

#include <array>

namespace windows1252
{

inline constexpr char32_t kFirstDiffering = 0x80, kLastDiffering = 0x9F;
inline constexpr char16_t kUnknown = 0xFFFD;

inline constexpr std::array<char16_t, 32> kDiffering = {0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD,
                                                        0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

inline bool Differs(char32_t c)
{
    return c >= kFirstDiffering && c <= kLastDiffering;
}

} // namespace windows1252
