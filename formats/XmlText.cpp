#include "formats/XmlText.h"

#include "services/text/SjisString.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace xmltext
{
namespace
{

struct NamedReference {
    std::string_view name;
    std::uint32_t code;
};

// The five XML knows by name stay; these common HTML ones become numbers.
constexpr std::array<NamedReference, 42> kHtmlNames = {{
    {"nbsp", 160},   {"iexcl", 161},  {"cent", 162},    {"pound", 163},  {"yen", 165},     {"sect", 167},
    {"copy", 169},   {"laquo", 171},  {"shy", 173},     {"reg", 174},    {"deg", 176},     {"plusmn", 177},
    {"para", 182},   {"middot", 183}, {"raquo", 187},   {"frac12", 189}, {"times", 215},   {"divide", 247},
    {"ensp", 8194},  {"emsp", 8195},  {"thinsp", 8201}, {"ndash", 8211}, {"mdash", 8212},  {"lsquo", 8216},
    {"rsquo", 8217}, {"ldquo", 8220}, {"rdquo", 8221},  {"bull", 8226},  {"hellip", 8230}, {"prime", 8242},
    {"euro", 8364},  {"trade", 8482}, {"larr", 8592},   {"uarr", 8593},  {"rarr", 8594},   {"darr", 8595},
    {"harr", 8596},  {"minus", 8722}, {"le", 8804},     {"ge", 8805},    {"ne", 8800},     {"infin", 8734},
}};

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
    for (const NamedReference& named : kHtmlNames) {
        if (body == named.name)
            return "&#" + std::to_string(named.code) + ";";
    }
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

// A lead byte with a trail byte after it; a lead byte before anything else
// (a broken text) stands alone, so the '<' or '"' after it is still escaped.
bool IsDoubleByte(std::string_view text, std::size_t i)
{
    if (sjis::CharLength(text, i) != 2)
        return false;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFC);
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
    for (std::size_t i = 0; i < html.size();) {
        const std::size_t n = IsDoubleByte(html, i) ? 2 : 1;
        if (n == 2) {
            out.append(html, i, 2);
        } else if (html[i] != '&') {
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
        i += n;
    }
    return out;
}

std::string IdPart(const std::string& text)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string id;
    for (char c : text) {
        if (IsNameChar(c) || c == '-' || c == '.') {
            id += c;
        } else {
            const auto byte = static_cast<unsigned char>(c);
            id += {'_', kHex[byte >> 4], kHex[byte & 0xF]};
        }
    }
    return id;
}

} // namespace xmltext
