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

} // namespace

const UnitBytes* UnitTable()
{
    static const std::vector<UnitBytes> table = [] {
        std::vector<UnitBytes> t(kUnitCount);
        for (unsigned u = 0; u < 0x80; ++u)
            t[u] = static_cast<UnitBytes>(u);
        for (unsigned u = 0x80; u < kUnitCount; ++u)
            t[u] = BytesOf(static_cast<char16_t>(u));
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
            if (!IsPairLead(lead))
                continue;
            for (unsigned trail = kFirstTrail; trail <= kLastTrail; ++trail)
                t[lead << 8 | trail] = jis::ToUnicode(jis::FromShiftJis(lead, trail));
        }
        return t;
    }();
    return table.data();
}

} // namespace sjis
