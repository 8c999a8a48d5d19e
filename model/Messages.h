#pragma once
// The program's own texts, as Shift-JIS strings (converted once from the
// UTF-8 source text).

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
// An HTML file was read with `count` characters Shift-JIS cannot hold put
// as "?", the first of them on `line` (1-based).
std::string CharactersReplaced(std::size_t count, std::size_t line);

} // namespace texts
