#pragma once
// The title of an HTML file as the file dialogs' preview shows it, read from
// the head of the file only.

#include <cstddef>
#include <string>

namespace htmltitle
{

// How much of the file is read.
inline constexpr std::size_t kHeadBytes = 500;

// The text between the first <TITLE> and the first </TITLE> (tags in any
// case), untrimmed; empty when either is missing or they are out of order.
std::string TitleOf(const std::string& text);

// False (and an empty title) when the file cannot be opened. The head is
// decoded as an HTML page is (DecodeHtmlPage, automatic choice).
bool ReadHtmlTitle(const std::string& path, std::string& title);

} // namespace htmltitle
