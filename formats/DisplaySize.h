#pragma once
// The size, in pixels, at which a map's picture is shown: the IMG tag's
// WIDTH and HEIGHT when the map has them, else the picture's own size. Area
// coordinates are taken in this frame by browsers.

#include <cstdint>
#include <string>

class CZephyrmapDoc;

struct DisplaySize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool Known() const { return width > 0 && height > 0; }
    friend bool operator==(const DisplaySize&, const DisplaySize&) = default;
};

// Both texts as positive whole numbers (blanks around them allowed); unknown
// otherwise, as for "100%" or an empty text.
DisplaySize ParseDisplaySize(const std::string& width, const std::string& height);
// The map's WIDTH and HEIGHT, or `picture` when they are not both numbers.
DisplaySize DisplayedSize(const CZephyrmapDoc& doc, DisplaySize picture = {});
