#pragma once
// Helpers for the program's text, which is UTF-8. In UTF-8 every byte below
// 0x80 is a whole character, and no byte of a longer character is below
// 0x80, so a search for ASCII (a quote, '<', a separator) is a plain byte
// search and never lands inside another character; only case mapping and
// cutting text need to know where characters begin.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace utf8
{

inline bool IsContinuationByte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length in bytes of the character that starts at `pos`: 1 for ASCII and for
// a byte that starts no character, so that a broken text is still walked to
// its end; never past the end of `s`.
std::size_t CharLength(std::string_view s, std::size_t pos);

inline std::size_t Find(std::string_view s, std::string_view pattern, std::size_t from = 0)
{
    return s.find(pattern, from);
}
inline std::size_t FindChar(std::string_view s, char c, std::size_t from = 0)
{
    return s.find(c, from);
}
inline std::size_t ReverseFindChar(std::string_view s, char c)
{
    return s.rfind(c);
}

// Replaces every occurrence of `from` by `to`, left to right; returns the count.
std::size_t Replace(std::string& s, std::string_view from, std::string_view to);
std::vector<std::string> Split(std::string_view s, char separator);

// ASCII-only case mapping: names of tags and attributes, file extensions.
// Other characters are left alone.
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
void MakeLower(std::string& s);
void MakeUpper(std::string& s);

// Whether every byte is ASCII: eight at a time, as most texts are short ASCII
// and this is asked of every text stored or read.
inline bool IsAscii(std::string_view s)
{
    constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
    std::size_t i = 0;
    for (std::uint64_t block; i + 8 <= s.size(); i += 8) {
        std::memcpy(&block, s.data() + i, 8);
        if (block & kHighBits)
            return false;
    }
    unsigned char high = 0;
    for (; i < s.size(); ++i)
        high |= static_cast<unsigned char>(s[i]);
    return high < 0x80;
}
// The longest prefix of `s` no longer than `maxBytes` that ends between characters.
std::string_view PrefixOfAtMost(std::string_view s, std::size_t maxBytes);

} // namespace utf8
