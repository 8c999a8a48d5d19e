#include "services/HtmlTitle.h"

#include "services/LocalFile.h"
#include "services/SjisString.h"
#include "services/TextCodec.h"

namespace htmltitle {

std::string TitleOf(const std::string& sjisText)
{
    const std::string upper = sjis::ToUpper(sjisText);
    const std::size_t open = sjis::Find(upper, "<TITLE>");
    const std::size_t close = sjis::Find(upper, "</TITLE>");
    if (open == std::string::npos || close == std::string::npos)
        return {};
    const std::size_t start = open + 7;
    return close < start ? std::string() : sjisText.substr(start, close - start);
}

bool ReadHtmlTitle(const std::string& path, std::string& title)
{
    title.clear();
    std::string head;
    if (!localfile::ReadHead(path, kHeadBytes, head))
        return false;
    // Detection never picks UTF-8, but a UTF-8 signature leaves no doubt.
    const bool utf8Signature = head.rfind("\xEF\xBB\xBF", 0) == 0;
    TextCodec codec;
    std::string text;
    codec.ConvertToString(utf8Signature ? EncodingUtf8 : EncodingAuto, EncodingShiftJis, head, text);
    title = TitleOf(text);
    return true;
}

}  // namespace htmltitle
