#pragma once
// Shift-JIS aware string helpers. Every program string is Shift-JIS (code
// page 932); a trail byte may equal '\\', '/', '#', '"', '=' or '>', so any
// search or split must step over whole characters, never single bytes.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sjis
{

inline bool IsLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Length in bytes of the character that starts at `pos` (1 or 2; a lead byte
// at the very end counts as one byte).
inline std::size_t CharLength(std::string_view s, std::size_t pos)
{
    return (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
}

// First occurrence of `pattern` starting on a character boundary at or after
// `from` (which must itself be a boundary); npos when absent.
std::size_t Find(std::string_view s, std::string_view pattern, std::size_t from = 0);
std::size_t FindChar(std::string_view s, char c, std::size_t from = 0);
// Last single-byte character `c`; npos when absent.
std::size_t ReverseFindChar(std::string_view s, char c);

// Replaces every whole-character occurrence of `from` by `to`; returns the count.
std::size_t Replace(std::string& s, std::string_view from, std::string_view to);
std::vector<std::string> Split(std::string_view s, char separator);

// ASCII-only case mapping, leaving both bytes of double-byte characters alone.
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
void MakeLower(std::string& s);
void MakeUpper(std::string& s);

} // namespace sjis
