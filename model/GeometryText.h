#pragma once
// An area's geometry as numbers one can read and type: a rectangle's left,
// top, width and height; a circle's centre and radius; a polygon's vertices
// as its COORDS list, each vertex once. Numbers are whole, separated by
// commas or spaces. What cannot be an area of that shape is refused, with
// the reason, and changes nothing.

#include "model/PointList.h"

#include <optional>
#include <string>
#include <string_view>

class CMapData;

namespace geometrytext
{

enum class Refusal {
    None,
    NotWholeNumbers, // something other than whole numbers and separators
    WrongCount,      // not four (rectangle) or three (circle) numbers
    NotPositive,     // a width, height or radius of zero or less
    OddCount,        // a polygon's numbers do not pair up
    TooFewVertices,  // a polygon of fewer than three vertices
    TooLarge,        // beyond what a coordinate may be
};

// The largest coordinate, width or radius typed; far beyond any picture.
inline constexpr long long kLargest = 1'000'000;

// The text for `area`; empty for a shape without typed geometry (DEFAULT).
std::string Format(const CMapData& area);

struct Parsed {
    std::optional<PointList> points;
    Refusal refusal = Refusal::None;
};

// The points `text` gives an area of `area`'s shape.
Parsed Parse(const CMapData& area, std::string_view text);

} // namespace geometrytext
