#pragma once
// The program's text is UTF-8. Here it meets UTF-16 (by the standard) and
// Shift-JIS (code page 932, by the codec's tables): the codec's UTF-8 route,
// the native file's strings, the area clipboard and the pages read in.

#include <string>
#include <string_view>

namespace utf8
{

// Invalid sequences become U+FFFD; never reads past the input.
std::u16string ToUtf16(std::string_view utf8);
// Holds multi-byte UTF-8 and nothing that breaks the rules, except perhaps
// a sequence cut off by the end (a head read from a longer file).
bool LooksLikeUtf8(std::string_view text);
// Holds characters of three and four bytes (Japanese, Chinese, emoji) at
// least four times as often as sequences that break the rules: UTF-8 with a
// few stray bytes. Shift-JIS and EUC-JP text forms such characters by chance
// far more seldom than it breaks the rules.
bool MostlyUtf8(std::string_view text);
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

// The same as FromUtf16(SjisToUtf16(sjis)), in one pass.
std::string SjisToUtf8(std::string_view sjis);

// The code point of the character at `i`, which moves past it; a broken
// sequence gives U+FFFD and is passed over once.
char32_t NextCodePoint(std::string_view text, std::size_t& i);
void AppendCodePoint(std::string& out, char32_t c);

// Whether the text is valid UTF-8 throughout.
bool IsValid(std::string_view text);
// What making a text valid replaced.
struct Repairs {
    std::size_t count = 0;                       // broken sequences, each now U+FFFD
    std::size_t firstOffset = std::string::npos; // where the first U+FFFD stands in the output
};
// The text with every broken sequence replaced by U+FFFD: valid text comes
// back as it is.
std::string MakeValid(std::string_view text, Repairs& repairs);

// Shift-JIS as browsers read a page: code page 932's characters, and one
// U+FFFD, counted, for each sequence that is none (a lead without a trail it
// can take, a code it leaves free, the bytes 0xA0 and 0xFD..0xFF); an ASCII
// byte after a lead that cannot take it stays a character of its own.
std::string SjisToUtf8(std::string_view sjis, Repairs& repairs);

// Whether code page 932 holds every character of the text.
bool FitsShiftJis(std::string_view text);
// The same as Utf16ToSjis(ToUtf16(text)), in one pass.
std::string Utf8ToSjis(std::string_view text, SjisLoss& loss);
std::string Utf8ToSjis(std::string_view text, bool* lossless = nullptr);

} // namespace utf8
