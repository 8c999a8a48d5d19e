#pragma once
// Conversions between local file paths and the references written into HTML
// (HREF, SRC). Pure string functions on Shift-JIS text; nothing touches the
// file system. Local paths use the platform separator, which is the default of
// every `sep` argument; references in HTML always use '/'.

#include <string>
#include <utility>

namespace paths
{

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

std::string FileNameOf(const std::string& path, char sep = kSeparator);
// (directory including its final separator, file name)
std::pair<std::string, std::string> DirectoryOf(const std::string& path, char sep = kSeparator);
bool IsAbsolutePath(const std::string& path);
// A URL: a scheme of two or more characters before ':', or "//" at the start.
bool IsUrlReference(const std::string& ref);
bool SameDriveLetter(const std::string& a, const std::string& b);
// Cuts the anchor ("#...") off `ref` and returns it; empty and no change when
// there is no '#' or the first '#' stands before the last separator.
std::string SplitAnchor(std::string& ref, char sep = kSeparator);
std::string InPageAnchor(const std::string& documentPath, const std::string& target, char sep = kSeparator);
int CountOccurrences(const std::string& text, const std::string& pattern);
int ReplaceChar(std::string& text, char from, char to);
std::string RelativeDirectory(const std::string& base, const std::string& target, char sep = kSeparator);
std::string ResolveReference(const std::string& ref, const std::string& base, char sep = kSeparator);
std::string ComposeOutputPath(const std::string& documentPath, const std::string& target, bool convert,
                              bool relativeMode, bool omitInPage, char sep = kSeparator);

} // namespace paths
