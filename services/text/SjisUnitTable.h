#pragma once
// Flat tables between Shift-JIS and UTF-16 units, built once from the
// codec's JIS tables: the conversions that run over whole texts (the UTF-8
// route, pages read as Unicode, the Shift-JIS decoder) take one look-up a
// character instead of the lone-byte search, the block table and the JIS
// arithmetic.

#include <cstdint>

namespace sjis
{

// Code page 932's single bytes that lie outside JIS and their Unicode
// values: 0x80 itself, 0xA0 and 0xFD..0xFF in the private use area.
inline constexpr unsigned char kLoneBytes[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
inline constexpr char16_t kLoneUnicode[] = {0x0080, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};

// An entry: 0 when code page 932 lacks the unit, a value up to 0xFF for one
// byte, else lead << 8 | trail. Units below 0x80 are themselves and are not
// looked up (their entry 0 would read as "lacking" for U+0000).
using UnitBytes = std::uint16_t;

// 65,536 entries, one per unit.
const UnitBytes* UnitTable();

// Whether a byte starts a double-byte character of code page 932.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Whether a byte starts a double-byte character for the codec's Shift-JIS
// decoder (the user-defined and IBM leads 0xF0..0xFC do not).
inline bool IsPairLead(unsigned byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xEF);
}

// The unit of each lead and trail, indexed by lead << 8 | trail, as the
// codec's Shift-JIS decoder reads them through the JIS tables: 0 where the
// pair makes no character (and for every byte that is no pair lead).
const std::uint16_t* PairTable();

} // namespace sjis
