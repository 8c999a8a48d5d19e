#pragma once
// A new picture for the map and what goes with it: WIDTH and HEIGHT, and the
// new points of the areas that move with the picture. The document makes it
// one undo step (CZephyrmapDoc::ReplacePictureUndoable).

#include "model/PointList.h"

#include <string>
#include <utility>
#include <vector>

class CMapData;

struct PictureReplacement {
    std::string path; // the new picture, a program path
    std::string width;
    std::string height;
    std::vector<std::pair<CMapData*, PointList>> areas; // areas of the map and their new points
};
