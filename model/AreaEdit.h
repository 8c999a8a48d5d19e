#pragma once
// An editing episode of the area page, for each area it changes: the copy
// taken when the episode began, and the area itself while it is in the map
// (none once it has left it). An episode over several selected areas is one
// undo step.

#include "model/CMapData.h"

#include <memory>
#include <vector>

struct AreaEdit {
    std::unique_ptr<CMapData> before;
    CMapData* live = nullptr;
};

using AreaEdits = std::vector<AreaEdit>;
