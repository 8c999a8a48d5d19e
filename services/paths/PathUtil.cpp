#include "services/paths/PathUtil.h"

#include "services/text/Utf8String.h"

#include <vector>

namespace paths
{
namespace
{

constexpr auto npos = std::string::npos;

int CountChar(const std::string& s, char c)
{
    int n = 0;
    for (std::size_t i = 0; i < s.size(); i += utf8::CharLength(s, i))
        n += s[i] == c;
    return n;
}

// The pieces that precede each separator; the file name is not a segment.
std::vector<std::string> DirectorySegments(std::string_view path, char sep)
{
    std::vector<std::string> parts = utf8::Split(path, sep);
    parts.pop_back();
    return parts;
}

// Where the anchor of a link begins, looking from `from` on: at the first
// '#'. A link's fragment may hold '/' ("app.html#/about"), so a '/' after
// the '#' is no folder break. A backslash is never written in a link, so one
// after the '#' makes that '#' part of a folder name.
std::size_t AnchorStart(std::string_view link, char sep, std::size_t from = 0)
{
    const std::size_t hash = utf8::FindChar(link, '#', from);
    if (hash == npos || sep == '/')
        return hash;
    const std::size_t last = utf8::ReverseFindChar(link, sep);
    return (last != npos && last > hash) ? npos : hash;
}

// The length of the folders a link shares with the document, whose own path
// is a file's and holds no anchor: a '#' inside them is part of a folder name.
std::size_t SharedFolderLength(std::string_view document, std::string_view link, char sep)
{
    const std::size_t folder = utf8::ReverseFindChar(document, sep);
    if (folder == npos || link.substr(0, folder + 1) != document.substr(0, folder + 1))
        return 0;
    return folder + 1;
}

// The link without its anchor.
std::string_view WithoutAnchor(std::string_view link, std::size_t anchor)
{
    return link.substr(0, anchor);
}

// The file name of a link whose anchor begins at `anchor`, the anchor kept.
// Only the backslash style knows drive and server roots ("\\a", "C\a"),
// which keep the whole path.
std::string FileNameBefore(const std::string& link, std::size_t anchor, char sep)
{
    const std::string_view path = WithoutAnchor(link, anchor);
    const std::size_t last = utf8::ReverseFindChar(path, sep);
    if (last == npos || last + 1 == path.size() || (sep == '\\' && last <= 1))
        return link;
    return link.substr(last + 1);
}

std::string RelativeDirectoryBefore(const std::string& base, const std::string& target, std::size_t anchor, char sep)
{
    if (base.empty() || target.empty() || !IsAbsolutePath(base) || !IsAbsolutePath(target))
        return std::string();
    std::vector<std::string> from = DirectorySegments(base, sep);
    std::vector<std::string> to = DirectorySegments(WithoutAnchor(target, anchor), sep);
    std::size_t k = 0;
    while (k < from.size() && k < to.size() && from[k] == to[k])
        ++k;
    if (from.empty() || to.empty() || k == 0)
        return std::string();
    std::string result;
    if (k == from.size()) {
        result = "./";
    } else {
        for (std::size_t i = k; i < from.size(); ++i)
            result += "../";
    }
    for (std::size_t i = k; i < to.size(); ++i)
        result += to[i] + "/";
    return result;
}

// Position just past the m-th separator, counting from 1; npos when absent.
std::size_t AfterNthSeparator(const std::string& s, char sep, int m)
{
    for (std::size_t i = 0; i < s.size(); i += utf8::CharLength(s, i)) {
        if (s[i] == sep && --m == 0)
            return i + 1;
    }
    return npos;
}

bool HasBlankBeforeColon(const std::string& head)
{
    std::size_t start = head.find_first_not_of(" \t\r\n");
    if (start == npos)
        return false;
    std::string trimmed = head.substr(start);
    return utf8::FindChar(trimmed, ' ') != npos || utf8::Find(trimmed, "\xE3\x80\x80") != npos;
}

} // namespace

std::string FileNameOf(const std::string& path, char sep)
{
    return FileNameBefore(path, AnchorStart(path, sep), sep);
}

std::pair<std::string, std::string> DirectoryOf(const std::string& path, char sep)
{
    std::size_t last = utf8::ReverseFindChar(path, sep);
    if (last == npos)
        return {std::string(), path};
    return {path.substr(0, last + 1), path.substr(last + 1)};
}

bool IsAbsolutePath(const std::string& path)
{
    if (path.empty() || path[0] == '/' || path.rfind("\\\\", 0) == 0)
        return true;
    std::size_t colon = utf8::FindChar(path, ':');
    if (colon == npos || colon < 1 || colon + 2 > path.size())
        return false;
    return !HasBlankBeforeColon(path.substr(0, colon));
}

bool IsUrlReference(const std::string& ref)
{
    if (ref.rfind("//", 0) == 0)
        return true;
    std::size_t i = 0;
    auto alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (ref.empty() || !alpha(ref[0]))
        return false;
    while (i < ref.size() && (alpha(ref[i]) || digit(ref[i]) || ref[i] == '+' || ref[i] == '-' || ref[i] == '.'))
        ++i;
    return i >= 2 && i < ref.size() && ref[i] == ':';
}

bool SameDriveLetter(const std::string& a, const std::string& b)
{
    return !a.empty() && !b.empty() && a[0] == b[0];
}

std::string SplitAnchor(std::string& ref, char sep)
{
    const std::size_t hash = AnchorStart(ref, sep);
    if (hash == npos)
        return std::string();
    std::string anchor = ref.substr(hash);
    ref.erase(hash);
    return anchor;
}

std::size_t LinkAnchorStart(const std::string& documentPath, const std::string& target, char sep)
{
    return AnchorStart(target, sep, SharedFolderLength(documentPath, target, sep));
}

std::string InPageAnchor(const std::string& documentPath, const std::string& target, char sep)
{
    const std::size_t hash = AnchorStart(target, sep, SharedFolderLength(documentPath, target, sep));
    if (hash == npos || WithoutAnchor(target, hash) != documentPath)
        return std::string();
    return target.substr(hash);
}

int CountOccurrences(const std::string& text, const std::string& pattern)
{
    int n = 0;
    for (std::size_t i = utf8::Find(text, pattern); i != npos && !pattern.empty();
         i = utf8::Find(text, pattern, i + utf8::CharLength(text, i)))
        ++n;
    return n;
}

int ReplaceChar(std::string& text, char from, char to)
{
    int n = 0;
    for (std::size_t i = 0; i < text.size(); i += utf8::CharLength(text, i)) {
        if (text[i] == from) {
            text[i] = to;
            ++n;
        }
    }
    return n;
}

std::string RelativeDirectory(const std::string& base, const std::string& target, char sep)
{
    return RelativeDirectoryBefore(base, target, AnchorStart(target, sep, SharedFolderLength(base, target, sep)), sep);
}

std::string ResolveReference(const std::string& reference, const std::string& base, char sep)
{
    if (reference.empty() || IsAbsolutePath(reference))
        return std::string();
    auto [dir, file] = DirectoryOf(base, sep);
    std::string ref = reference;
    int climbs = CountOccurrences(ref, "../");
    int depth = CountChar(dir, sep);
    // References are written with '/', so only a backslash may hide an anchor.
    std::string anchor = SplitAnchor(ref, '\\');
    if (ref.empty())
        ref = file;
    if (depth == 0)
        return anchor;
    std::string joined;
    if (climbs == 0) {
        if (ref.rfind("/", 0) == 0)
            ref.erase(0, 1);
        else if (ref.rfind("./", 0) == 0)
            ref.erase(0, 2);
        joined = dir + ref;
    } else {
        int keep = depth - climbs;
        std::size_t cut = keep < 1 ? npos : AfterNthSeparator(dir, sep, keep);
        if (cut == npos)
            return anchor;
        utf8::Replace(ref, "../", "");
        joined = dir.substr(0, cut) + ref;
    }
    ReplaceChar(joined, '/', sep);
    return joined + anchor;
}

std::string ComposeOutputPath(const std::string& documentPath, const std::string& target, bool convert,
                              bool relativeMode, bool omitInPage, char sep)
{
    // A URL was never a local file: it is written exactly as it stands.
    if (!convert || IsUrlReference(target))
        return target;
    // Folders the link shares with the document are real folders even when
    // their names hold a '#'.
    const std::size_t anchor = LinkAnchorStart(documentPath, target, sep);
    if (!relativeMode)
        return FileNameBefore(target, anchor, sep);
    if (omitInPage) {
        std::string inPage = InPageAnchor(documentPath, target, sep);
        if (!inPage.empty())
            return inPage;
    }
    return RelativeDirectoryBefore(documentPath, target, anchor, sep) + FileNameBefore(target, anchor, sep);
}

} // namespace paths
