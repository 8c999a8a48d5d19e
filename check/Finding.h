#pragma once
// One thing the map checker found that browsers or readers will stumble on.

#include <cstddef>
#include <string>

enum class FindingCode {
    MissingAlt,
    OutsidePicture,
    EmptyArea,
    HiddenArea,
    DuplicateArea,
    MissingLinkTarget,
    UsemapUnresolved,
    DuplicateMapName,
    ImgMissingAlt,
    MapUnused,
    SvgAttributeLeftOut,
};

// The code as scripts see it: "missing-alt", "outside-picture" and so on.
const char* CodeName(FindingCode code);

struct Finding {
    FindingCode code = FindingCode::MissingAlt;
    int area = -1;        // the area's index in the map's area list; -1 for none
    std::string map;      // the map's name
    bool hasMap = true;   // false where no map is named (a USEMAP without '#')
    std::size_t line = 0; // the page's line (1-based); 0 for none
    std::string message;  // for the user, in Japanese (translated where shown)
};
