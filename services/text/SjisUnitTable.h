#pragma once
// Flat tables between Shift-JIS and UTF-16 units, built once from the
// codec's JIS tables: the conversions that run over whole texts (the UTF-8
// route, pages read as Unicode, the Shift-JIS decoder) take one look-up a
// character instead of the lone-byte search, the block table and the JIS
// arithmetic.

#include <cstdint>
#include <string_view>

namespace sjis
{

// Code page 932's single bytes that lie outside JIS and their Unicode
// values: 0x80 itself, 0xA0 and 0xFD..0xFF in the private use area.
inline constexpr unsigned char kLoneBytes[] = {0x80, 0xA0, 0xFD, 0xFE, 0xFF};
inline constexpr char16_t kLoneUnicode[] = {0x0080, 0xF8F0, 0xF8F1, 0xF8F2, 0xF8F3};

// An entry: 0 when code page 932 lacks the unit, a value up to 0xFF for one
// byte, else lead << 8 | trail: for a character with several codes the one
// Windows and the browsers write. Units below 0x80 are themselves and are not
// looked up (their entry 0 would read as "lacking" for U+0000).
using UnitBytes = std::uint16_t;

// 65,536 entries, one per unit.
const UnitBytes* UnitTable();

// Whether a byte starts a double-byte character of code page 932.
inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// What stands for a sequence of a page's bytes that is no character.
inline constexpr char16_t kReplacementCharacter = 0xFFFD;

// The character of a page's Shift-JIS that starts at the non-ASCII byte `i`,
// which moves past it, as browsers read it: kReplacementCharacter where the
// bytes form none. A lead takes the byte after it along unless that byte is
// ASCII, which is a character of its own; 0xA0 and 0xFD..0xFF, which code
// page 932 gives to the private use area, are none.
char16_t PageCharacterAt(std::string_view bytes, std::size_t& i);

// The unit of each lead and trail, indexed by lead << 8 | trail, as the
// codec's Shift-JIS decoder reads them through the JIS tables, the
// user-defined area (leads 0xF0..0xF9) in the private use area and the IBM
// extensions (0xFA..0xFC) among them: 0 where the JIS tables have no
// position for the pair (and for every byte that is no lead), U+30FB where
// they hold no character.
const std::uint16_t* PairTable();

} // namespace sjis
