// Any bytes as a clipboard area block, of one area or of several; what is
// read is the program's text (valid UTF-8), and must write and read back the
// same: the several-areas block, which carries UTF-8, without any loss.
#include "formats/AreaBlock.h"
#include "model/CMapData.h"
#include "services/text/Utf8Bridge.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

void CheckTexts(const CMapData& area)
{
    for (const std::string* text : {&area.m_href, &area.m_alt, &area.m_target, &area.m_otherAttrs})
        if (!utf8::IsValid(*text))
            std::abort();
}

void OneArea(const std::string& block)
{
    CMapData area;
    if (!areablock::Decode(block, false, area))
        return;
    CheckTexts(area);
    const std::string again = areablock::Encode(area);
    CMapData back;
    if (!areablock::Decode(again, false, back) || areablock::Encode(back) != again)
        std::abort();
}

void SeveralAreas(const std::string& block)
{
    std::vector<CMapData> areas;
    if (!areablock::DecodeMany(block, false, areas))
        return;
    std::vector<const CMapData*> pointers;
    for (const CMapData& area : areas)
        pointers.push_back(&area);
    const std::string again = areablock::EncodeMany(pointers);
    std::vector<CMapData> back;
    if (!areablock::DecodeMany(again, false, back) || back.size() != areas.size())
        std::abort();
    for (std::size_t i = 0; i < areas.size(); ++i) {
        CheckTexts(areas[i]);
        if (!back[i].SameContent(areas[i]))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string block(reinterpret_cast<const char*>(data), size);
    OneArea(block);
    SeveralAreas(block);
    return 0;
}
