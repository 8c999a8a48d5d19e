#include "services/text/SjisString.h"

#include <cstdint>
#include <cstring>

namespace sjis
{

namespace
{

// From a character boundary, how many of the next bytes are plain ASCII, in
// whole blocks of eight; each such byte is a character of its own. HTML is
// mostly ASCII, so walks over whole characters mostly go eight at a time.
std::size_t AsciiBlocks(std::string_view s, std::size_t i, std::size_t end)
{
    std::size_t n = 0;
    while (end - i - n >= 8) {
        std::uint64_t block;
        std::memcpy(&block, s.data() + i + n, 8);
        if (block & 0x8080808080808080ull)
            break;
        n += 8;
    }
    return n;
}

// Moves the character boundary `i` forward to the first boundary at or after
// `target`.
std::size_t BoundaryAtOrAfter(std::string_view s, std::size_t i, std::size_t target)
{
    while (i < target) {
        i += AsciiBlocks(s, i, target);
        if (i < target)
            i += CharLength(s, i);
    }
    return i;
}

// A byte search finds the candidates; a candidate counts only where a walk
// over whole characters lands on it. `Needle` is a char or a string_view.
template <class Needle> std::size_t FindOnBoundary(std::string_view s, Needle needle, std::size_t from)
{
    for (std::size_t i = from;;) {
        const std::size_t candidate = s.find(needle, i);
        if (candidate == std::string_view::npos)
            return candidate;
        i = BoundaryAtOrAfter(s, i, candidate);
        if (i == candidate)
            return candidate;
    }
}

} // namespace

std::size_t Find(std::string_view s, std::string_view pattern, std::size_t from)
{
    if (pattern.empty())
        return from <= s.size() ? from : std::string_view::npos;
    return FindOnBoundary(s, pattern, from);
}

std::size_t FindChar(std::string_view s, char c, std::size_t from)
{
    return FindOnBoundary(s, c, from);
}

std::size_t ReverseFindChar(std::string_view s, char c)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (s[i] == c)
            found = i;
    }
    return found;
}

std::size_t Replace(std::string& s, std::string_view from, std::string_view to)
{
    if (from.empty())
        return 0;
    std::string out;
    out.reserve(s.size());
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        if (s.compare(i, from.size(), from) == 0) {
            out += to;
            i += from.size();
            ++count;
        } else {
            std::size_t n = CharLength(s, i);
            out.append(s, i, n);
            i += n;
        }
    }
    if (count)
        s = std::move(out);
    return count;
}

std::vector<std::string> Split(std::string_view s, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); i += CharLength(s, i)) {
        if (s[i] == separator) {
            parts.emplace_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    parts.emplace_back(s.substr(start));
    return parts;
}

static void MapCase(std::string& s, bool lower)
{
    const char first = lower ? 'A' : 'a', last = lower ? 'Z' : 'z';
    const int shift = lower ? 'a' - 'A' : 'A' - 'a';
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t run = i + AsciiBlocks(s, i, s.size());
        for (; i < run; ++i)
            s[i] = static_cast<char>(s[i] >= first && s[i] <= last ? s[i] + shift : s[i]);
        if (i == s.size())
            break;
        const std::size_t n = CharLength(s, i);
        if (n == 1 && s[i] >= first && s[i] <= last)
            s[i] = static_cast<char>(s[i] + shift);
        i += n;
    }
}

void MakeLower(std::string& s)
{
    MapCase(s, true);
}
void MakeUpper(std::string& s)
{
    MapCase(s, false);
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

} // namespace sjis
