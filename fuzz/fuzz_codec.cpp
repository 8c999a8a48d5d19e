// Arbitrary bytes through every source code to every target code, and
// through the line-end conversions. The first byte picks the codes.
#include "services/text/HtmlPageText.h"
#include "services/text/TextCodec.h"
#include "services/text/TextOutput.h"
#include "services/text/Utf8Bridge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int from = data[0] & 7, to = (data[0] >> 3) & 7, eol = data[0] >> 6;
    const std::uint8_t* text = data + 1;
    const std::size_t length = size - 1;
    TextCodec codec;
    ConvertedBytes out = codec.ConvertBytes(from, to, text, length, true);
    if (out.data && out.size)
        (void)out.data[out.size - 1];
    std::string s;
    codec.ConvertToString(from, 1, text, length, s);
    std::string lines(reinterpret_cast<const char*>(text), length);
    TextCodec::ConvertLineEnds(eol, (eol + 1) & 3, lines);
    // In the input's own units, as convert does: a UTF-16 input keeps its
    // length's parity and its bytes beyond the units.
    std::string own(reinterpret_cast<const char*>(text), length);
    TextCodec::ConvertLineEndsIn(from, eol, (eol + 1) & 3, own);
    if (from >= 6 && own.size() % 2 != length % 2)
        __builtin_trap();
    // UTF-8 goes into Shift-JIS in one pass; it must say and lose what the
    // route through UTF-16 does.
    const std::string_view asUtf8(reinterpret_cast<const char*>(text), length);
    utf8::SjisLoss onePass, viaUtf16;
    if (utf8::Utf8ToSjis(asUtf8, onePass) != utf8::Utf16ToSjis(utf8::ToUtf16(asUtf8), viaUtf16) ||
        onePass.count != viaUtf16.count || onePass.firstOffset != viaUtf16.firstOffset)
        __builtin_trap();
    // The bytes as the program's text, written into the target with
    // references for what it lacks, read back as that text.
    utf8::Repairs repairs;
    std::string program = utf8::MakeValid(asUtf8, repairs);
    program.erase(std::remove(program.begin(), program.end(), '\0'), program.end());
    while (program.rfind("\xEF\xBB\xBF", 0) == 0) // a page's first U+FEFF is its signature
        program.erase(0, 3);
    if (!utf8::IsValid(program))
        __builtin_trap();
    if (to >= EncodingShiftJis && to != EncodingUtf8Signature) {
        const PageText back = DecodeHtmlPage(textout::Encode(program, to, false), to);
        if (back.replaced || back.text != textout::WithReferences(program, to))
            __builtin_trap();
    }
    // Every source once more into Shift-JIS and UTF-16, as opening a file does.
    for (int source = 0; source < 8; ++source) {
        TextCodec c;
        c.ConvertBytes(source, from == to ? 6 : to, text, length, false);
    }
    return 0;
}
