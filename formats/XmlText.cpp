#include "formats/XmlText.h"

#include "services/text/Utf8Bridge.h"

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

// The names HTML 4 gives characters (HTML 5 keeps them): those XML lacks
// become numbers. First the ones for U+00A0 to U+00FF, in order.
constexpr std::uint32_t kFirstLatin1 = 0xA0;
constexpr std::array<std::string_view, 96> kLatin1Names = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};
constexpr std::array<NamedReference, 152> kOtherNames = {{
    {"OElig", 338},   {"oelig", 339},    {"Scaron", 352},  {"scaron", 353},   {"Yuml", 376},    {"fnof", 402},
    {"circ", 710},    {"tilde", 732},    {"Alpha", 913},   {"Beta", 914},     {"Gamma", 915},   {"Delta", 916},
    {"Epsilon", 917}, {"Zeta", 918},     {"Eta", 919},     {"Theta", 920},    {"Iota", 921},    {"Kappa", 922},
    {"Lambda", 923},  {"Mu", 924},       {"Nu", 925},      {"Xi", 926},       {"Omicron", 927}, {"Pi", 928},
    {"Rho", 929},     {"Sigma", 931},    {"Tau", 932},     {"Upsilon", 933},  {"Phi", 934},     {"Chi", 935},
    {"Psi", 936},     {"Omega", 937},    {"alpha", 945},   {"beta", 946},     {"gamma", 947},   {"delta", 948},
    {"epsilon", 949}, {"zeta", 950},     {"eta", 951},     {"theta", 952},    {"iota", 953},    {"kappa", 954},
    {"lambda", 955},  {"mu", 956},       {"nu", 957},      {"xi", 958},       {"omicron", 959}, {"pi", 960},
    {"rho", 961},     {"sigmaf", 962},   {"sigma", 963},   {"tau", 964},      {"upsilon", 965}, {"phi", 966},
    {"chi", 967},     {"psi", 968},      {"omega", 969},   {"thetasym", 977}, {"upsih", 978},   {"piv", 982},
    {"ensp", 8194},   {"emsp", 8195},    {"thinsp", 8201}, {"zwnj", 8204},    {"zwj", 8205},    {"lrm", 8206},
    {"rlm", 8207},    {"ndash", 8211},   {"mdash", 8212},  {"lsquo", 8216},   {"rsquo", 8217},  {"sbquo", 8218},
    {"ldquo", 8220},  {"rdquo", 8221},   {"bdquo", 8222},  {"dagger", 8224},  {"Dagger", 8225}, {"bull", 8226},
    {"hellip", 8230}, {"permil", 8240},  {"prime", 8242},  {"Prime", 8243},   {"lsaquo", 8249}, {"rsaquo", 8250},
    {"oline", 8254},  {"frasl", 8260},   {"euro", 8364},   {"image", 8465},   {"weierp", 8472}, {"real", 8476},
    {"trade", 8482},  {"alefsym", 8501}, {"larr", 8592},   {"uarr", 8593},    {"rarr", 8594},   {"darr", 8595},
    {"harr", 8596},   {"crarr", 8629},   {"lArr", 8656},   {"uArr", 8657},    {"rArr", 8658},   {"dArr", 8659},
    {"hArr", 8660},   {"forall", 8704},  {"part", 8706},   {"exist", 8707},   {"empty", 8709},  {"nabla", 8711},
    {"isin", 8712},   {"notin", 8713},   {"ni", 8715},     {"prod", 8719},    {"sum", 8721},    {"minus", 8722},
    {"lowast", 8727}, {"radic", 8730},   {"prop", 8733},   {"infin", 8734},   {"ang", 8736},    {"and", 8743},
    {"or", 8744},     {"cap", 8745},     {"cup", 8746},    {"int", 8747},     {"there4", 8756}, {"sim", 8764},
    {"cong", 8773},   {"asymp", 8776},   {"ne", 8800},     {"equiv", 8801},   {"le", 8804},     {"ge", 8805},
    {"sub", 8834},    {"sup", 8835},     {"nsub", 8836},   {"sube", 8838},    {"supe", 8839},   {"oplus", 8853},
    {"otimes", 8855}, {"perp", 8869},    {"sdot", 8901},   {"lceil", 8968},   {"rceil", 8969},  {"lfloor", 8970},
    {"rfloor", 8971}, {"lang", 9001},    {"rang", 9002},   {"loz", 9674},     {"spades", 9824}, {"clubs", 9827},
    {"hearts", 9829}, {"diams", 9830},
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
    for (std::size_t i = 0; i < kLatin1Names.size(); ++i) {
        if (body == kLatin1Names[i])
            return "&#" + std::to_string(kFirstLatin1 + i) + ";";
    }
    for (const NamedReference& named : kOtherNames) {
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
