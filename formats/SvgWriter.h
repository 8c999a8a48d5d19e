#pragma once
// Writes the map as an inline SVG element, for a page to embed where the IMG
// stood: the picture and one link per area in the picture's own pixels
// (viewBox), shrinking with its container, so the areas keep to the picture
// at any size without script. UTF-8, lines separated by CR LF, like the
// HTML source; SRC and HREF are converted as the HTML writer converts them.
//
// Where areas overlap, the one earlier in the list takes the click, as in an
// image map, while the links stay in list order for the keyboard and screen
// readers: a later area's shape is clipped by the earlier shapes over it
// (clip paths, which browsers honour in hit tests). The DEFAULT area lies
// beneath all others, first in the element.

#include "formats/DisplaySize.h"
#include "formats/HtmlOutputOptions.h"

#include <string>
#include <vector>

class CZephyrmapDoc;

namespace svg
{

// `picture` is the picture's own size, used when the map has no WIDTH and
// HEIGHT; without either, the frame is what the areas reach.
std::string WriteMapSvg(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture = {});

// An area's other attributes that are also valid on an SVG link (global
// attributes, data-*, aria-*, event handlers, the link's own), names in
// lower case, the first of each name; what XML would refuse is left out.
struct CarriedAttribute {
    std::string name;
    std::string value; // as typed, not yet escaped
};
std::vector<CarriedAttribute> CarriedAttributes(const std::string& otherAttrs);

} // namespace svg
