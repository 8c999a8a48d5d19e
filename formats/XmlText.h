#pragma once
// Texts of the map (UTF-8, written as HTML source, so they may hold
// character references) made fit for XML: '&', '<', '>' and '"' escaped, a
// reference XML knows kept as it is, a common HTML name (&nbsp;, &copy;...)
// turned into its number, and any other '&' escaped, so that the text reads
// the same in a page and stays well-formed XML.

#include <string>

namespace xmltext
{

std::string Escape(const std::string& html);
// A piece of an XML id standing for `text` alone: ASCII letters, digits, '-'
// and '.' kept, every other character as '_' and hexadecimal digits, so
// that maps of other names never share an id in one page.
std::string IdPart(const std::string& text);

} // namespace xmltext
