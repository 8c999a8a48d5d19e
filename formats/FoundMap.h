#pragma once
// One IMG tag that uses a map, with the AREA tags of the MAP element it was
// matched with.

#include <string>
#include <vector>

struct FoundMap {
    std::string documentPath; // the page the map is read from
    std::string mapName;      // USEMAP without its '#'
    std::string imageTag;     // the whole IMG tag
    std::string picture;      // SRC as written
    std::vector<std::string> areaTags;
    bool matched = false;
};
