// Link references come from outside HTML: path functions must survive any bytes.
#include "services/paths/PathUtil.h"
#include "services/text/Utf8String.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t cut = text.find('\n');
    std::string ref = text.substr(0, cut);
    std::string base = cut == std::string::npos ? std::string() : text.substr(cut + 1);
    for (char sep : {'/', '\\'}) {
        std::string resolved = paths::ResolveReference(ref, base, sep);
        paths::ComposeOutputPath(base, resolved, true, true, true, sep);
        paths::RelativeDirectory(base, ref, sep);
        paths::FileNameOf(ref, sep);
        std::string copy = ref;
        paths::SplitAnchor(copy, sep);
    }
    utf8::Split(text, ',');
    utf8::ToUpper(text);
    return 0;
}
