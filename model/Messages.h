#pragma once
// The program's own texts, in Japanese: the widgets and the command-line
// tool translate them where they show them (services/language).

#include <cstddef>
#include <string>

namespace texts
{

const std::string& Untitled();       // 無題
const std::string& DefaultMapName(); // ZephyrmapMap
const std::string& NoMapInHtml();
const std::string& HtmlSyntaxError();
const std::string& NotOurFormat();
const std::string& NewerVersion();
const std::string& OldVersionWarning();
const std::string& UnexpectedFormat();
const std::string& CannotOpenFile();
std::string PictureMissing(const std::string& picturePath);
// A picture file that exists but is no picture the program can read.
std::string PictureUnreadable(const std::string& picturePath);
// An HTML file was read with `count` characters that could not be read put
// as U+FFFD, the first of them on `line` (1-based).
std::string CharactersReplaced(std::size_t count, std::size_t line);

} // namespace texts
