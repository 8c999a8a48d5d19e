// Any bytes as a native map file; what loads must save and load again.
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    native::LoadResult r = native::LoadFromBytes(doc, std::string(reinterpret_cast<const char*>(data), size));
    if (r == native::LoadResult::Ok || r == native::LoadResult::OldLayout) {
        std::string saved = native::SaveToBytes(doc);
        CZephyrmapDoc again(settings);
        if (native::LoadFromBytes(again, saved) != native::LoadResult::Ok || native::SaveToBytes(again) != saved)
            std::abort();
    }
    return 0;
}
