#include "formats/HtmlOutputOptions.h"

#include "services/paths/LocalFile.h"
#include "services/paths/PathUtil.h"
#include "services/settings/AppSettings.h"

#include <filesystem>
#include <system_error>

namespace
{

// The first folder below the root, or empty.
std::string TopFolder(const std::string& path)
{
    std::string rest = path.substr(1);
    return rest.substr(0, rest.find(paths::kSeparator));
}

// A picture resolved from a relative reference lies in the document's tree; a
// root-relative reference read from a page usually does not, and names no file.
bool IsLocalPicture(const std::string& picture, const std::string& htmlPath)
{
    if (picture.empty() || paths::IsUrlReference(picture))
        return false;
    if (picture[0] != paths::kSeparator)
        return paths::kSeparator == '\\' && paths::IsAbsolutePath(picture);
    std::error_code ec;
    if (std::filesystem::exists(localfile::PathOf(picture), ec))
        return true;
    return !htmlPath.empty() && htmlPath[0] == paths::kSeparator && TopFolder(picture) == TopFolder(htmlPath) &&
           !TopFolder(picture).empty();
}

} // namespace

HtmlOutputOptions HtmlOutputOptions::FromSettings(const AppSettings& s)
{
    HtmlOutputOptions o;
    o.rectKeywordLong = s.HtmlOption & kRectKeywordLong;
    o.circKeywordLong = s.HtmlOption & kCircKeywordLong;
    o.polyKeywordLong = s.HtmlOption & kPolyKeywordLong;
    o.indentStyle = (s.HtmlOption & kIndentTabs)     ? IndentStyle::Tabs
                    : (s.HtmlOption & kIndentSpaces) ? IndentStyle::Spaces
                                                     : IndentStyle::None;
    o.indentAmount = s.nIndentSpace;
    o.lowerCaseTags = s.HtmlOption & kLowerCaseTags;
    o.keepOtherAttrsCase = s.HtmlOption & kKeepOtherAttrsCase;
    o.srcRelative = s.SRC_RelativePath != 0;
    o.hrefRelative = s.HREF_RelativePath != 0;
    o.omitInPageFileName = s.OmitInPageLinkFileName != 0;
    o.isLocalFile = IsLocalPicture;
    return o;
}
