#pragma once
// The UTF-8 side of the program: UTF-8 <-> UTF-16 by the standard, and
// UTF-16 <-> Shift-JIS (code page 932) by the codec's tables. Used by the
// codec's UTF-8 route and wherever text crosses into Qt, the terminal or the
// file system.

#include <string>
#include <string_view>

namespace utf8
{

// Invalid sequences become U+FFFD; never reads past the input.
std::u16string ToUtf16(std::string_view utf8);
// Holds multi-byte UTF-8 and nothing that breaks the rules, except perhaps
// a sequence cut off by the end (a head read from a longer file).
bool LooksLikeUtf8(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string FromUtf16(std::u16string_view utf16);

// Code page 932 decoding; undefined codes become U+30FB.
std::u16string SjisToUtf16(std::string_view sjis);
// A character code page 932 lacks becomes '?'; `lossless` says whether any did.
std::string Utf16ToSjis(std::u16string_view utf16, bool* lossless = nullptr);

// What a conversion into Shift-JIS had to replace by '?'.
struct SjisLoss {
    std::size_t count = 0;                       // characters replaced
    std::size_t firstOffset = std::string::npos; // where the first '?' stands in the output
};
std::string Utf16ToSjis(std::u16string_view utf16, SjisLoss& loss);

inline std::string SjisToUtf8(std::string_view sjis)
{
    return FromUtf16(SjisToUtf16(sjis));
}
// The same as Utf16ToSjis(ToUtf16(text)), in one pass.
std::string Utf8ToSjis(std::string_view text, SjisLoss& loss);
std::string Utf8ToSjis(std::string_view text, bool* lossless = nullptr);

} // namespace utf8
