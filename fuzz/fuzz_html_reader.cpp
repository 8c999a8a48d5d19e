// Any text through the map reader, then each map into a document and back
// out; and through the title search of the file preview.
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/HtmlWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/fileinfo/HtmlTitle.h"
#include "services/settings/AppSettings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
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
        html::WriteMapHtml(doc, options);
    }
    return 0;
}
