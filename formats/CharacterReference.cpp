#include "formats/CharacterReference.h"

#include "services/text/Utf8Bridge.h"
#include "services/text/Windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace charref
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

constexpr std::array<NamedReference, 5> kXmlNames = {{
    {"amp", '&'},
    {"lt", '<'},
    {"gt", '>'},
    {"quot", '"'},
    {"apos", '\''},
}};

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;
// More digits than any code point has add nothing but keep the value out of range.
constexpr char32_t kBeyondUnicode = kLastCodePoint + 1;

bool IsDigit(char c, bool hex)
{
    return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

unsigned DigitValue(char c)
{
    if (c <= '9')
        return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>((c | 0x20) - 'a' + 10);
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// A number as HTML reads it: what no character can be is U+FFFD, and the
// C1 controls are the characters windows-1252 has there.
char32_t NumberedCharacter(char32_t code)
{
    if (code == 0 || code > kLastCodePoint || (code >= 0xD800 && code <= 0xDFFF))
        return kReplacement;
    if (windows1252::Differs(code)) {
        const char16_t c = windows1252::kDiffering[code - windows1252::kFirstDiffering];
        return c == windows1252::kUnknown ? code : c;
    }
    return code;
}

char32_t NumericReferenceAt(std::string_view text, std::size_t amp, std::size_t& length)
{
    std::size_t i = amp + 2; // after "&#"
    const bool hex = i < text.size() && (text[i] == 'x' || text[i] == 'X');
    i += hex;
    const std::size_t first = i;
    char32_t code = 0;
    for (; i < text.size() && IsDigit(text[i], hex); ++i)
        code = std::min<char32_t>(code * (hex ? 16 : 10) + DigitValue(text[i]), kBeyondUnicode);
    if (i == first)
        return 0;
    length = i + (i < text.size() && text[i] == ';') - amp;
    return NumberedCharacter(code);
}

char32_t NamedReferenceAt(std::string_view text, std::size_t amp, std::size_t& length)
{
    std::size_t end = amp + 1;
    while (end < text.size() && IsNameChar(text[end]))
        ++end;
    if (end >= text.size() || text[end] != ';')
        return 0;
    const char32_t c = NamedCharacter(text.substr(amp + 1, end - amp - 1));
    if (c)
        length = end + 1 - amp;
    return c;
}

} // namespace

char32_t NamedCharacter(std::string_view name)
{
    for (const NamedReference& named : kXmlNames) {
        if (name == named.name)
            return named.code;
    }
    for (std::size_t i = 0; i < kLatin1Names.size(); ++i) {
        if (name == kLatin1Names[i])
            return static_cast<char32_t>(kFirstLatin1 + i);
    }
    for (const NamedReference& named : kOtherNames) {
        if (name == named.name)
            return named.code;
    }
    return 0;
}

char32_t ReferenceAt(std::string_view text, std::size_t amp, std::size_t& length)
{
    length = 0;
    if (amp + 1 >= text.size() || text[amp] != '&')
        return 0;
    return text[amp + 1] == '#' ? NumericReferenceAt(text, amp, length) : NamedReferenceAt(text, amp, length);
}

std::string Decode(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t amp = text.find('&', i);
        out.append(text.substr(i, amp == std::string_view::npos ? std::string_view::npos : amp - i));
        if (amp == std::string_view::npos)
            break;
        std::size_t length = 0;
        if (const char32_t c = ReferenceAt(text, amp, length)) {
            utf8::AppendCodePoint(out, c);
            i = amp + length;
        } else {
            out += '&';
            i = amp + 1;
        }
    }
    return out;
}

std::string EscapeAmpersands(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t length = 0;
        if (text[i] == '&' && ReferenceAt(text, i, length))
            out += "&amp;";
        else
            out += text[i];
    }
    return out;
}

} // namespace charref
