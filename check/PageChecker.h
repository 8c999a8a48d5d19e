#pragma once
// Checks an HTML page (the program's text): how each IMG tag finds its map in
// browsers, which look up the name after the first '#' among the MAP
// elements' NAMEs and take the first of a name, then every map the program
// reads out of the page, as MapChecker checks a map. Markup in comments is
// passed over, as browsers pass it over.

#include "check/Finding.h"
#include "check/MapChecker.h"

#include <functional>
#include <string>
#include <vector>

class CZephyrmapDoc;

namespace pagecheck
{

// usemap-unresolved and duplicate-map-name, in the page's order.
std::vector<Finding> CheckMapReferences(const std::string& text);

// The size the picture of a map read from the page is shown at.
using SizeOfMap = std::function<DisplaySize(const CZephyrmapDoc& doc)>;

// The page's own findings, then each map's, the maps in the page's order;
// links are resolved against `documentPath`, the page's own path. Areas are
// numbered as the map is imported: the DEFAULT area ensured and placed last.
std::vector<Finding> CheckPage(const std::string& text, const std::string& documentPath, const MapChecker& checker,
                               const SizeOfMap& sizeOf);

} // namespace pagecheck
