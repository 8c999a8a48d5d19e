#include "view/AreaPicker.h"

#include "model/CZephyrmapDoc.h"

#include <algorithm>

bool AreaPicker::Takes(const CMapData& area)
{
    return area.m_shape != ShapeDefault && !area.Region().IsEmpty();
}

std::vector<CMapData*> AreaPicker::At(Point p) const
{
    const Rect probe{p.x - 1, p.y - 1, p.x + 1, p.y + 1};
    std::vector<CMapData*> found;
    for (const auto& area : m_doc.Areas()) {
        if (Takes(*area) && area->IntersectsRect(probe))
            found.push_back(area.get());
    }
    return found;
}

CMapData* AreaPicker::FirstAt(Point p) const
{
    const Rect probe{p.x - 1, p.y - 1, p.x + 1, p.y + 1};
    for (const auto& area : m_doc.Areas()) {
        if (Takes(*area) && area->IntersectsRect(probe))
            return area.get();
    }
    return nullptr;
}

CMapData* AreaPicker::NextAt(Point p, const CMapData* current) const
{
    const std::vector<CMapData*> under = At(p);
    if (under.empty())
        return nullptr;
    const auto found = std::find(under.begin(), under.end(), current);
    if (found == under.end() || std::next(found) == under.end())
        return under.front();
    return *std::next(found);
}

std::vector<CMapData*> AreaPicker::Inside(const Rect& band) const
{
    std::vector<CMapData*> found;
    for (const auto& area : m_doc.Areas()) {
        if (!Takes(*area))
            continue;
        const Rect r = area->Bounds();
        if (r.left >= band.left && r.top >= band.top && r.right <= band.right && r.bottom <= band.bottom)
            found.push_back(area.get());
    }
    return found;
}
