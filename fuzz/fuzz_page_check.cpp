// Any bytes, as a page's text, through the page checker (its own reading of
// IMG and MAP tags, and every map it reads checked) and every map of it
// written as SVG. The checker asks no file system here: a file "exists"
// when its path has an even length.
#include "check/PageChecker.h"
#include "formats/HtmlOutputOptions.h"
#include "formats/HtmlReader.h"
#include "formats/SvgWriter.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace
{

void Check(const std::string& text)
{
    const MapChecker checker([](const std::string& path) { return path.size() % 2 == 0; });
    // The size the IMG gives, else a small picture: the grid stays small.
    const auto sizeOf = [](const CZephyrmapDoc& doc) {
        const DisplaySize size = ParseDisplaySize(doc.Width(), doc.Height());
        return size.Known() ? DisplaySize{std::min(size.width, 512), std::min(size.height, 512)} : DisplaySize{64, 48};
    };
    const std::size_t lines = std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r');
    for (const Finding& f : pagecheck::CheckPage(text, "/web/index.html", checker, sizeOf)) {
        if (f.line > lines + 1 || f.area < -1 || f.message.empty())
            __builtin_trap();
    }
}

// Every '<' of the SVG opens a tag and every '>' closes one: the texts of
// the map never put one of their own there.
void WriteSvg(const std::string& text)
{
    std::vector<FoundMap> maps = html::FindMaps(text);
    AppSettings settings;
    const HtmlOutputOptions options;
    for (std::size_t i = 0; i < maps.size() && i < 4; ++i) {
        CZephyrmapDoc doc(settings);
        maps[i].documentPath = "/web/index.html";
        html::BuildDocumentFromMap(doc, maps, static_cast<int>(i));
        const std::string svg = svg::WriteMapSvg(doc, options, {64, 48});
        if (std::count(svg.begin(), svg.end(), '<') != std::count(svg.begin(), svg.end(), '>'))
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    WriteSvg(bytes);
    const std::string text = DecodeHtmlPage(bytes, EncodingAuto).text;
    Check(text);
    WriteSvg(text);
    return 0;
}
