#include "formats/XmlText.h"

#include "formats/CharacterReference.h"
#include "services/text/Utf8Bridge.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace xmltext
{
namespace
{

// The references XML knows itself; every other name HTML gives a character
// becomes the character's number.
constexpr std::array<std::string_view, 5> kXmlNames = {"amp", "lt", "gt", "quot", "apos"};

bool IsXmlChar(std::uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// "&#NN;" or "&#xHH;" naming a character XML allows.
bool IsNumericReference(std::string_view body)
{
    if (body.size() < 2 || body[0] != '#')
        return false;
    const bool hex = body[1] == 'x' || body[1] == 'X';
    const std::string_view digits = body.substr(hex ? 2 : 1);
    std::uint32_t code = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
    return !digits.empty() && ec == std::errc() && end == digits.data() + digits.size() && IsXmlChar(code);
}

// What stands for the reference whose body (between '&' and ';') is given;
// empty when the '&' is no reference XML would take.
std::string Reference(std::string_view body)
{
    if (IsNumericReference(body))
        return "&" + std::string(body) + ";";
    for (std::string_view name : kXmlNames) {
        if (body == name)
            return "&" + std::string(body) + ";";
    }
    if (const char32_t named = charref::NamedCharacter(body))
        return "&#" + std::to_string(static_cast<std::uint32_t>(named)) + ";";
    return std::string();
}

// The body of a reference starting at the '&' at `amp`: up to its ';', made
// of name characters (and '#'); empty when there is none.
std::string_view ReferenceBody(std::string_view text, std::size_t amp)
{
    std::size_t i = amp + 1;
    if (i < text.size() && text[i] == '#')
        ++i;
    while (i < text.size() && IsNameChar(text[i]))
        ++i;
    if (i >= text.size() || text[i] != ';' || i == amp + 1)
        return std::string_view();
    return text.substr(amp + 1, i - amp - 1);
}

void EscapeByte(char c, std::string& out)
{
    switch (c) {
    case '<':
        out += "&lt;";
        break;
    case '>':
        out += "&gt;";
        break;
    case '"':
        out += "&quot;";
        break;
    default:
        // Controls XML does not allow are left out; tab and line ends stay.
        if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n' || c == '\r')
            out += c;
    }
}

} // namespace

std::string Escape(const std::string& html)
{
    std::string out;
    out.reserve(html.size());
    // No byte of a character beyond ASCII is one XML treats specially, so
    // the text is walked a byte at a time.
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] != '&') {
            EscapeByte(html[i], out);
        } else {
            const std::string_view body = ReferenceBody(html, i);
            const std::string reference = body.empty() ? std::string() : Reference(body);
            if (!reference.empty()) {
                out += reference;
                i += body.size() + 2;
                continue;
            }
            out += "&amp;";
        }
        ++i;
    }
    return out;
}

std::string IdPart(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    // A name Shift-JIS holds gives the bytes it has there, as ids always
    // had; any other name its characters' numbers ("_u01F600"), which no
    // byte of the first form ("_" and two digits) can be mistaken for.
    const bool fitsShiftJis = utf8::FitsShiftJis(text);
    const std::string bytes = fitsShiftJis ? utf8::Utf8ToSjis(text) : text;
    std::string id;
    for (std::size_t i = 0; i < bytes.size();) {
        const char c = bytes[i];
        if (IsNameChar(c) || c == '-' || c == '.') {
            id += c;
            ++i;
        } else if (fitsShiftJis || static_cast<unsigned char>(c) < 0x80) {
            const auto byte = static_cast<unsigned char>(c);
            id += {'_', kHex[byte >> 4], kHex[byte & 0xF]};
            ++i;
        } else {
            char32_t code = utf8::NextCodePoint(bytes, i);
            std::string digits(6, '0');
            for (int k = 5; k >= 0; --k, code >>= 4)
                digits[static_cast<std::size_t>(k)] = kHex[code & 0xF];
            id += "_u" + digits;
        }
    }
    return id;
}

} // namespace xmltext
