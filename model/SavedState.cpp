#include "model/SavedState.h"

void SavedState::Take(const Attributes& attributes, const Areas& areas)
{
    m_attributes = attributes;
    m_areas.clear();
    m_areas.reserve(areas.size());
    for (const auto& area : areas) {
        Area& saved = m_areas.emplace_back();
        saved.attributes.SetAttributes(area->m_href, area->m_target, area->m_alt, area->m_hrefIsPath, area->m_noHref,
                                       area->m_otherAttrs);
        saved.attributes.m_shape = area->m_shape;
        saved.points = area->m_points;
    }
}

bool SavedState::SameArea(const Area& saved, const CMapData& now)
{
    if (!saved.attributes.SameAttributes(now))
        return false;
    return now.m_shape == ShapeDefault || saved.points == now.m_points;
}

bool SavedState::Matches(const Attributes& attributes, const Areas& areas) const
{
    if (attributes != m_attributes || areas.size() != m_areas.size())
        return false;
    auto saved = m_areas.begin();
    for (const auto& area : areas) {
        if (!SameArea(*saved++, *area))
            return false;
    }
    return true;
}
