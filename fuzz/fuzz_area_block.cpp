// Any bytes as a clipboard area block, of one area or of several; what is
// read must write and read back the same.
#include "formats/AreaBlock.h"
#include "model/CMapData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

void OneArea(const std::string& block)
{
    CMapData area;
    if (!areablock::Decode(block, false, area))
        return;
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
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string block(reinterpret_cast<const char*>(data), size);
    OneArea(block);
    SeveralAreas(block);
    return 0;
}
