#include "formats/HtmlOutputOptions.h"

#include "app/AppSettings.h"
#include "services/PathUtil.h"

#include <filesystem>
#include <system_error>

namespace {

bool IsExistingLocalFile(const std::string& path)
{
    if (paths::IsUrlReference(path))
        return false;
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(path), ec);
}

}  // namespace

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
    o.isLocalFile = IsExistingLocalFile;
    return o;
}
