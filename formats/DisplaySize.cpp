#include "formats/DisplaySize.h"

#include "model/CZephyrmapDoc.h"

#include <charconv>

namespace
{

std::int32_t PositiveNumber(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    if (first == std::string::npos)
        return 0;
    std::int32_t value = 0;
    const char* end = text.data() + last + 1;
    auto [stop, ec] = std::from_chars(text.data() + first, end, value);
    return ec == std::errc() && stop == end && value > 0 ? value : 0;
}

} // namespace

DisplaySize ParseDisplaySize(const std::string& width, const std::string& height)
{
    DisplaySize size{PositiveNumber(width), PositiveNumber(height)};
    return size.Known() ? size : DisplaySize();
}

DisplaySize DisplayedSize(const CZephyrmapDoc& doc, DisplaySize picture)
{
    const DisplaySize given = ParseDisplaySize(doc.Width(), doc.Height());
    if (given.Known())
        return given;
    return picture.Known() ? picture : DisplaySize();
}
