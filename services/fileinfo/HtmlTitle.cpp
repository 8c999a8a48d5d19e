#include "services/fileinfo/HtmlTitle.h"

#include "services/paths/LocalFile.h"
#include "services/text/SjisString.h"
#include "services/text/TextCodec.h"
#include "services/text/Utf8Bridge.h"

namespace htmltitle
{

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
    // Detection never picks UTF-8; a head that holds multi-byte UTF-8 and
    // breaks none of its rules is read as UTF-8 (Shift-JIS and EUC-JP text
    // practically never passes).
    const bool utf8 = head.rfind("\xEF\xBB\xBF", 0) == 0 || utf8::LooksLikeUtf8(head);
    TextCodec codec;
    std::string text;
    codec.ConvertToString(utf8 ? EncodingUtf8 : EncodingAuto, EncodingShiftJis, head, text);
    title = TitleOf(text);
    return true;
}

} // namespace htmltitle
