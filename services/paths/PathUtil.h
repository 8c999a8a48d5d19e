#pragma once
// Conversions between local file paths and the references written into HTML
// (HREF, SRC). Pure string functions on the program's text (UTF-8, where no
// byte of a character beyond ASCII is a separator); nothing touches the
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

// A link's anchor starts at its first '#' (a '/' inside it is no folder
// break); only a backslash after the '#' makes it part of a folder name.
// Functions that know the document treat the folders a link shares with it
// as plain folders. A document's own path never has an anchor.

// The name after the last separator before the anchor, the anchor kept; the
// whole path when there is no separator or it ends the path, and, in the
// backslash style, when it stands at index 0 or 1 (a drive or server root).
std::string FileNameOf(const std::string& path, char sep = kSeparator);
// A file's path (no anchor): (directory including its final separator, file name)
std::pair<std::string, std::string> DirectoryOf(const std::string& path, char sep = kSeparator);
bool IsAbsolutePath(const std::string& path);
// A URL: a scheme of two or more characters before ':', or "//" at the start.
bool IsUrlReference(const std::string& ref);
bool SameDriveLetter(const std::string& a, const std::string& b);
// Cuts the anchor ("#...") off `ref` and returns it; empty and no change when
// there is none.
std::string SplitAnchor(std::string& ref, char sep = kSeparator);
// Where the anchor of a file's path begins as a link to it from the document
// is written (ComposeOutputPath): the folders it shares with the document
// are plain folders whatever their names hold. npos when it has none.
std::size_t LinkAnchorStart(const std::string& documentPath, const std::string& target, char sep = kSeparator);
std::string InPageAnchor(const std::string& documentPath, const std::string& target, char sep = kSeparator);
int CountOccurrences(const std::string& text, const std::string& pattern);
int ReplaceChar(std::string& text, char from, char to);
std::string RelativeDirectory(const std::string& base, const std::string& target, char sep = kSeparator);
std::string ResolveReference(const std::string& ref, const std::string& base, char sep = kSeparator);
std::string ComposeOutputPath(const std::string& documentPath, const std::string& target, bool convert,
                              bool relativeMode, bool omitInPage, char sep = kSeparator);

} // namespace paths
