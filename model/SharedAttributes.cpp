#include "model/SharedAttributes.h"

#include "model/CMapData.h"

namespace
{

// Narrows `shared` to `value`: it stays only while every area agrees.
template <typename T> void Agree(std::optional<T>& shared, const T& value, bool first)
{
    if (first)
        shared = value;
    else if (shared && *shared != value)
        shared.reset();
}

} // namespace

SharedAttributes SharedAttributes::Of(const std::vector<const CMapData*>& areas, const std::string& documentPath,
                                      const AppSettings& settings)
{
    SharedAttributes shared;
    bool first = true;
    for (const CMapData* area : areas) {
        Agree(shared.href, area->GetOutputHref(documentPath, settings), first);
        Agree(shared.target, area->m_target, first);
        Agree(shared.alt, area->m_alt, first);
        Agree(shared.otherAttrs, area->m_otherAttrs, first);
        Agree(shared.noHref, area->m_noHref != 0, first);
        first = false;
    }
    return shared;
}
