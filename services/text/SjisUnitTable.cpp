#include "services/text/SjisUnitTable.h"

#include "services/text/JisTables.h"

#include <iterator>
#include <vector>

namespace sjis
{
namespace
{

constexpr unsigned kUnitCount = 0x10000;

UnitBytes BytesOf(char16_t u)
{
    for (std::size_t i = 0; i < std::size(kLoneUnicode); ++i) {
        if (kLoneUnicode[i] == u)
            return kLoneBytes[i];
    }
    const std::uint16_t j = jis::FromUnicode(u);
    const bool katakana = u >= 0xFF61 && u <= 0xFF9F;
    if (katakana)
        return j;
    if (j <= 0xFF)
        return 0; // no mapping, or a byte that stands for another character in code page 932
    unsigned lead, trail;
    jis::ToShiftJis(j, lead, trail);
    return static_cast<UnitBytes>(lead << 8 | trail);
}

// The JIS rows that Shift-JIS leads 0xED and 0xEE (NEC's selection of the
// IBM extensions) and 0xFA..0xFC (the IBM extensions) stand for.
constexpr unsigned kFirstIbmRow = 0x93, kLastIbmRow = 0x97;
constexpr unsigned kFirstCell = 0x21, kLastCell = 0x7E;
constexpr unsigned kNecSelectedLeads[] = {0xED, 0xEE};

bool IsNecSelected(UnitBytes bytes)
{
    const unsigned lead = bytes >> 8;
    return lead == kNecSelectedLeads[0] || lead == kNecSelectedLeads[1];
}

// A character both extensions hold is written with its IBM code, as
// Windows and the browsers write it (a page with 髙 has FB FC, and a map
// read from it writes it back so); the JIS tables, which the byte converters
// share, give the NEC code. A character of JIS X 0208 or of NEC's row 13
// keeps that code.
void PreferIbmExtensions(std::vector<UnitBytes>& t)
{
    for (unsigned row = kFirstIbmRow; row <= kLastIbmRow; ++row) {
        for (unsigned cell = kFirstCell; cell <= kLastCell; ++cell) {
            const std::uint32_t code = row << 8 | cell;
            if (!jis::IsCharacter(code))
                continue;
            UnitBytes& bytes = t[jis::ToUnicode(code)];
            if (!IsNecSelected(bytes))
                continue;
            unsigned lead, trail;
            jis::ToShiftJis(code, lead, trail);
            bytes = static_cast<UnitBytes>(lead << 8 | trail);
        }
    }
}

bool TakesTrail(unsigned trail)
{
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
}

} // namespace

char16_t PageCharacterAt(std::string_view s, std::size_t& i)
{
    constexpr unsigned kFirstKatakana = 0xA1, kLastKatakana = 0xDF;
    const unsigned lead = static_cast<unsigned char>(s[i++]);
    if (lead >= kFirstKatakana && lead <= kLastKatakana)
        return static_cast<char16_t>(lead + 0xFEC0);
    if (lead == kLoneBytes[0]) // 0x80, U+0080 to code page 932 and to browsers alike
        return kLoneUnicode[0];
    if (!IsLeadByte(static_cast<unsigned char>(lead)) || i == s.size())
        return kReplacementCharacter;
    const unsigned trail = static_cast<unsigned char>(s[i]);
    const std::uint32_t code = TakesTrail(trail) ? jis::FromShiftJis(lead, trail) : 0;
    const bool ascii = trail < 0x80;
    if (code && jis::IsCharacter(code)) {
        ++i;
        return jis::ToUnicode(code);
    }
    i += !ascii;
    return kReplacementCharacter;
}

const UnitBytes* UnitTable()
{
    static const std::vector<UnitBytes> table = [] {
        std::vector<UnitBytes> t(kUnitCount);
        for (unsigned u = 0; u < 0x80; ++u)
            t[u] = static_cast<UnitBytes>(u);
        for (unsigned u = 0x80; u < kUnitCount; ++u)
            t[u] = BytesOf(static_cast<char16_t>(u));
        PreferIbmExtensions(t);
        return t;
    }();
    return table.data();
}

const std::uint16_t* PairTable()
{
    static const std::vector<std::uint16_t> table = [] {
        constexpr unsigned kFirstTrail = 0x40, kLastTrail = 0xFC;
        std::vector<std::uint16_t> t(kUnitCount);
        for (unsigned lead = 0x80; lead <= 0xFF; ++lead) {
            if (!IsLeadByte(static_cast<unsigned char>(lead)))
                continue;
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail)
                t[lead << 8 | trail] = jis::ToUnicode(jis::FromShiftJis(lead, trail));
        }
        return t;
    }();
    return table.data();
}

} // namespace sjis
