#pragma once
// Character references in the program's text, which is HTML source: the map
// keeps its texts as the page has them, but what names a file or the target
// of a link is read as a browser reads it, and a file's name is written so
// that a browser reads it back as that name. When the page's encoding lacks
// a character, the writer puts a reference in its place ("na&#239;ve.png"),
// which reads back here as the character.
//
// A reference is "&#" and decimal digits or "&#x" and hexadecimal ones, its
// ';' optional as browsers allow, or one of the names of HTML 4 and XML
// ("&eacute;", "&amp;") with its ';'.

#include <cstddef>
#include <string>
#include <string_view>

namespace charref
{

// The character of the reference whose '&' stands at `amp`, `length` set to
// the reference's bytes; 0 when no reference begins there. Numbers read as
// HTML reads them: 0, surrogates and numbers beyond Unicode as U+FFFD,
// 0x80..0x9F as windows-1252's characters.
char32_t ReferenceAt(std::string_view text, std::size_t amp, std::size_t& length);
// The text with every reference as its character.
std::string Decode(std::string_view text);
// The text with every '&' that would begin a reference written "&amp;":
// Decode, and every browser, then read it as it stands.
std::string EscapeAmpersands(std::string_view text);
// The character of a named reference (its name without '&' and ';'); 0 for
// a name that is none of HTML 4's or XML's.
char32_t NamedCharacter(std::string_view name);

} // namespace charref
