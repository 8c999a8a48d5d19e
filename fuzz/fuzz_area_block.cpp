// Any bytes as a clipboard area block; what is read must write and read back
// the same.
#include "formats/AreaBlock.h"
#include "model/CMapData.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string block(reinterpret_cast<const char*>(data), size);
    CMapData area;
    if (!areablock::Decode(block, false, area))
        return 0;
    const std::string again = areablock::Encode(area);
    CMapData back;
    if (!areablock::Decode(again, false, back) || areablock::Encode(back) != again)
        std::abort();
    return 0;
}
