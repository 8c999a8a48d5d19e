#include "services/fileinfo/HtmlTitle.h"

#include "services/paths/LocalFile.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"
#include "services/text/Utf8String.h"

namespace htmltitle
{

std::string TitleOf(const std::string& text)
{
    const std::string upper = utf8::ToUpper(text);
    const std::size_t open = utf8::Find(upper, "<TITLE>");
    const std::size_t close = utf8::Find(upper, "</TITLE>");
    if (open == std::string::npos || close == std::string::npos)
        return {};
    const std::size_t start = open + 7;
    return close < start ? std::string() : text.substr(start, close - start);
}

bool ReadHtmlTitle(const std::string& path, std::string& title)
{
    title.clear();
    std::string head;
    if (!localfile::ReadHead(localfile::PathOf(path), kHeadBytes, head))
        return false;
    // Read as an opened page is read; the head may end inside a character.
    title = TitleOf(DecodeHtmlPage(head, EncodingAuto).text);
    return true;
}

} // namespace htmltitle
