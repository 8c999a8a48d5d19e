// Any bytes read as a page is read (each encoding rule), and as text through
// the map reader, then each map into a document and back out; and through
// the title search of the file preview.
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/fileinfo/HtmlTitle.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"

#include <cstddef>
#include <cstdint>

namespace
{

void ReadMaps(const std::string& text)
{
    const std::string title = htmltitle::TitleOf(text);
    if (title.size() > text.size())
        __builtin_trap();
    std::vector<FoundMap> maps = html::FindMaps(text);
    AppSettings settings;
    HtmlOutputOptions options;
    for (std::size_t i = 0; i < maps.size() && i < 4; ++i) {
        CZephyrmapDoc doc(settings);
        maps[i].documentPath = "/web/index.html";
        html::BuildDocumentFromMap(doc, maps, static_cast<int>(i));
        doc.EnsureDefaultArea();
        const std::string source = html::WriteMapHtml(doc, options);
        // In an encoding that lacks some of its characters the source goes
        // as references, and reads back whole.
        if (utf8::IsValid(source) && source.find('\0') == std::string::npos) { // a page ends at a NUL
            const PageText back = DecodeHtmlPage(textout::Encode(source, EncodingEucJp, false), EncodingEucJp);
            if (back.replaced || back.text != textout::WithReferences(source, EncodingEucJp))
                __builtin_trap();
        }
    }
}

// A page read is the program's text: valid UTF-8, without NUL.
void CheckPage(const PageText& page)
{
    if ((page.replaced == 0) != (page.firstReplacedLine == 0) || page.replaced > page.text.size() ||
        page.text.find('\0') != std::string::npos || !utf8::IsValid(page.text))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    ReadMaps(bytes);
    const PageText page = DecodeHtmlPage(bytes, EncodingAuto);
    CheckPage(page);
    ReadMaps(page.text);
    // And as each chosen encoding, picked by the size.
    CheckPage(DecodeHtmlPage(bytes, static_cast<int>(size % 8)));
    return 0;
}
