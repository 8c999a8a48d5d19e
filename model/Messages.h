#pragma once
// The program's own texts, as Shift-JIS strings (converted once from the
// UTF-8 source text).

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

} // namespace texts
