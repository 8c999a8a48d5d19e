#include "services/text/Utf8String.h"

#include <cstdint>
#include <cstring>

namespace utf8
{
namespace
{

// How many bytes a lead byte says its character has; 0 for a byte that
// leads none (a continuation byte, or one UTF-8 never uses).
std::size_t SequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

void MapCase(std::string& s, char first, char last, int shift)
{
    for (char& c : s) {
        if (c >= first && c <= last)
            c = static_cast<char>(c + shift);
    }
}

} // namespace

std::size_t CharLength(std::string_view s, std::size_t pos)
{
    const std::size_t length = SequenceLength(static_cast<unsigned char>(s[pos]));
    if (length <= 1 || pos + length > s.size())
        return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuationByte(static_cast<unsigned char>(s[pos + k])))
            return 1;
    }
    return length;
}

std::size_t Replace(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    std::size_t hit = s.find(from);
    if (hit == std::string::npos)
        return 0;
    std::string out;
    out.reserve(s.size());
    std::size_t count = 0, start = 0;
    for (; hit != std::string::npos; hit = s.find(from, start), ++count) {
        out.append(s, start, hit - start);
        out += to;
        start = hit + from.size();
    }
    out.append(s, start, std::string::npos);
    s = std::move(out);
    return count;
}

std::vector<std::string> Split(std::string_view s, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t hit = s.find(separator); hit != std::string_view::npos; hit = s.find(separator, start)) {
        parts.emplace_back(s.substr(start, hit - start));
        start = hit + 1;
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

void MakeLower(std::string& s)
{
    MapCase(s, 'A', 'Z', 'a' - 'A');
}

void MakeUpper(std::string& s)
{
    MapCase(s, 'a', 'z', 'A' - 'a');
}

std::string ToLower(std::string_view s)
{
    std::string out(s);
    MakeLower(out);
    return out;
}

std::string ToUpper(std::string_view s)
{
    std::string out(s);
    MakeUpper(out);
    return out;
}

std::string_view PrefixOfAtMost(std::string_view s, std::size_t maxBytes)
{
    if (s.size() <= maxBytes)
        return s;
    std::size_t end = maxBytes;
    while (end > 0 && IsContinuationByte(static_cast<unsigned char>(s[end])))
        --end;
    return s.substr(0, end);
}

} // namespace utf8
