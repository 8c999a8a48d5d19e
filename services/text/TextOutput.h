#pragma once
// The program's text (UTF-8) as the bytes of a file or a page in one of the
// codec's encodings, for the HTML and SVG sources and the tags put back
// into a page. A character the encoding lacks is written as a numeric
// character reference ("&#233;", "&#x1F600;"), which HTML and XML read as
// that very character, so nothing of the text is lost in any encoding.

#include "services/text/TextCodec.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace textout
{

// Whether text in `encoding` (a TextEncoding code) holds the character as
// itself: always for UTF-8 and UTF-16; for the Japanese encodings when it
// reads back as the same character.
bool Holds(int encoding, char32_t c);
// "&#233;": decimal as HTML's own tables list characters; beyond the
// first plane hexadecimal, as the U+ numbers people look up ("&#x1F600;").
std::string CharacterReference(char32_t c);
// The text with every character `encoding` lacks written as a reference;
// `references` counts them.
std::string WithReferences(std::string_view text, int encoding, std::size_t* references = nullptr);
// The same for a charset the program has no tables for: only ASCII stays.
std::string AsciiWithReferences(std::string_view text);
// The text as bytes in `encoding`, lacking characters as references; a
// signature for UTF-8 with signature (5) always, for UTF-16 when asked.
std::string Encode(std::string_view text, int encoding, bool signature, std::size_t* references = nullptr);

} // namespace textout
