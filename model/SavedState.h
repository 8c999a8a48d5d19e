#pragma once
// The map as it was when it was last saved or put out. The modified flag is
// whether the map differs from it now, so that edits undone, or an area moved
// there and back, leave the map unmodified, and typing after a save does not.

#include "model/AreaList.h"
#include "model/CMapData.h"
#include "model/MapAttributes.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class SavedState
{
public:
    using Attributes = std::array<std::string, kMapAttributeCount>;
    using Areas = AreaList;

    void Take(const Attributes& attributes, const Areas& areas);
    bool Matches(const Attributes& attributes, const Areas& areas) const;

private:
    // An area's content without its hit region, which a large map would
    // otherwise build again at every save.
    struct Area {
        CMapData attributes; // with no points
        PointList points;
    };
    // The DEFAULT area's points stand for the picture's rectangle and follow
    // the picture, not the user: only its attributes count.
    static bool SameArea(const Area& saved, const CMapData& now);

    Attributes m_attributes;
    std::vector<Area> m_areas;
};
