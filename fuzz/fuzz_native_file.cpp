// Any bytes as a native map file; what loads is the program's text (valid
// UTF-8), and must save and load again.
#include "formats/NativeMapFile.h"
#include "model/CZephyrmapDoc.h"
#include "services/settings/AppSettings.h"
#include "services/text/Utf8Bridge.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    AppSettings settings;
    CZephyrmapDoc doc(settings);
    native::LoadResult r = native::LoadFromBytes(doc, std::string(reinterpret_cast<const char*>(data), size));
    if (r == native::LoadResult::Ok || r == native::LoadResult::OldLayout) {
        for (const MapAttributeInfo& info : kMapAttributes)
            if (!utf8::IsValid(doc.Attribute(info.index)))
                std::abort();
        for (const auto& area : doc.Areas())
            for (const std::string* text : {&area->m_href, &area->m_alt, &area->m_target, &area->m_otherAttrs})
                if (!utf8::IsValid(*text))
                    std::abort();
        std::string saved = native::SaveToBytes(doc);
        CZephyrmapDoc again(settings);
        if (native::LoadFromBytes(again, saved) != native::LoadResult::Ok || native::SaveToBytes(again) != saved)
            std::abort();
    }
    return 0;
}
