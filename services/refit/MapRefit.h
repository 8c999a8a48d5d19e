#pragma once
// A map's areas carried onto a new picture by the transform found between the
// old picture and the new one. Every point is carried and rounded to whole
// pixels, but a rectangle stays a rectangle with its sides along the
// picture's (its centre carried, its width and height scaled by the
// transform's scales across and down) and a circle a circle (its centre
// carried, its radius scaled by the mean of the two); the DEFAULT area
// covers the new picture. WIDTH and HEIGHT become the new picture's size
// when they were the old picture's (or empty); other values stay.

#include "formats/DisplaySize.h"
#include "model/PictureReplacement.h"
#include "model/PointList.h"
#include "services/refit/PictureTransform.h"

#include <string>
#include <vector>

class CMapData;
class CZephyrmapDoc;

namespace maprefit
{

struct Plan {
    PictureReplacement replacement;
    // The areas wholly outside the new picture, by their index in the list.
    std::vector<int> outside;
    // WIDTH and HEIGHT were not the old picture's size, and stay.
    bool sizeKept = false;
};

// The new points of an area of that shape; the DEFAULT area's are the new
// picture's corners.
PointList Carried(int shape, const PointList& points, const PictureTransform& t, DisplaySize newSize);
PointList Carried(const CMapData& area, const PictureTransform& t, DisplaySize newSize);
// Whether the points of an area of that shape lie wholly outside the picture.
bool WhollyOutside(int shape, const PointList& points, DisplaySize picture);
// The whole map: `oldFrame` is the size the areas were drawn in.
Plan PlanFor(CZephyrmapDoc& doc, const PictureTransform& t, DisplaySize oldFrame, DisplaySize newSize,
             const std::string& newPicture);

} // namespace maprefit
