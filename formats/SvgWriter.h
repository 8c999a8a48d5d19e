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
// (clip paths, which browsers honour in hit tests), each earlier shape
// written once and referred to by chains of clip paths (see ClipChains).
// The cut takes the earlier area's outline too, as an image map's hit test
// does. A linked DEFAULT area lies beneath all others for the pointer (a
// copy first, hidden from the keyboard and screen readers) and comes last
// for the keyboard and screen readers (the link itself, which lets the
// pointer through), as in the image map.

#include "formats/DisplaySize.h"
#include "formats/HtmlOutputOptions.h"

#include <string>
#include <string_view>
#include <vector>

class CZephyrmapDoc;

namespace svg
{

// `picture` is the picture's own size, used when the map has no WIDTH and
// HEIGHT; without either, the frame is what the areas reach. The ids of the
// output begin with "zm", `idToken` and a hyphen; without a token, one is
// drawn at random, so that two outputs put in one page never share an id.
std::string WriteMapSvg(const CZephyrmapDoc& doc, const HtmlOutputOptions& options, DisplaySize picture = {},
                        std::string_view idToken = {});

// An area's other attributes that SVG allows on a link (ids, classes,
// styles, data-*, aria-*, event handlers, SVG 2's link attributes; the title
// becomes the link's <title> child), names in lower case, the first of each
// name.
struct CarriedAttribute {
    std::string name;
    std::string value; // as typed, not yet escaped
};
std::vector<CarriedAttribute> CarriedAttributes(const std::string& otherAttrs);

// The names (lower case, once each) of an area's other attributes that the
// SVG form leaves out: HTML-only attributes and names XML would refuse.
std::vector<std::string> LeftOutAttributes(const std::string& otherAttrs);

} // namespace svg
