#include "services/text/HtmlPageText.h"

#include "services/text/CodeConverter.h"
#include "services/text/TextCodec.h"
#include "services/text/Utf8Bridge.h"
#include "services/text/Windows1252.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace
{

constexpr auto npos = std::string::npos;
// How far into the page a <meta> charset declaration is looked for.
constexpr std::size_t kDeclarationWindow = 8192;
constexpr char16_t kUnknownCharacter = 0xFFFD;
constexpr char16_t kSignature = 0xFEFF;
// Undeclared UTF-16 shows at least this many NULs (ASCII characters).
constexpr std::size_t kUtf16MinNuls = 4;

// ---- Declared charsets ----

enum class Family {
    None,          // not a charset the program knows
    Coded,         // one with a TextEncoding code
    Western,       // ISO-8859-1 and its kin, read as windows-1252
    ForeignDouble, // Korean and Chinese two-byte codes
    ForeignSingle, // the other single-byte code pages
};

struct Charset {
    Family family = Family::None;
    int code = 0; // for Family::Coded
};

bool OneOf(std::string_view label, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), label) != names.end();
}

bool StartsWithOneOf(std::string_view label, std::initializer_list<std::string_view> prefixes)
{
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [label](std::string_view p) { return label.substr(0, p.size()) == p; });
}

// A charset label (lower case) as the program can read it.
Charset CharsetOf(std::string_view label)
{
    if (OneOf(label, {"shift_jis", "shift-jis", "sjis", "x-sjis", "windows-31j", "cp932", "ms932", "ms_kanji",
                      "csshiftjis", "x-ms-cp932", "windows-932"}))
        return {Family::Coded, EncodingShiftJis};
    if (OneOf(label, {"euc-jp", "x-euc-jp", "eucjp", "euc_jp", "cseucpkdfmtjapanese", "ujis"}))
        return {Family::Coded, EncodingEucJp};
    if (OneOf(label, {"iso-2022-jp", "csiso2022jp", "jis"}))
        return {Family::Coded, EncodingJis};
    if (OneOf(label, {"utf-8", "utf8", "unicode-1-1-utf-8", "x-unicode20utf8"}))
        return {Family::Coded, EncodingUtf8};
    if (OneOf(label, {"utf-16", "utf-16le", "unicode", "ucs-2", "csunicode", "iso-10646-ucs-2"}))
        return {Family::Coded, EncodingUtf16Le};
    if (label == "utf-16be")
        return {Family::Coded, EncodingUtf16Be};
    if (OneOf(label, {"iso-8859-1", "iso8859-1", "iso_8859-1", "latin1", "l1", "windows-1252", "cp1252", "x-cp1252",
                      "us-ascii", "ascii", "cp819", "ibm819", "csisolatin1", "iso-ir-100"}))
        return {Family::Western};
    if (OneOf(
            label,
            {"euc-kr",   "cseuckr",    "ks_c_5601-1987", "ks_c_5601-1989", "ksc5601",       "ksc_5601", "csksc56011987",
             "korean",   "iso-ir-149", "windows-949",    "cp949",          "x-windows-949", "uhc",      "gb2312",
             "csgb2312", "gbk",        "x-gbk",          "cp936",          "windows-936",   "gb18030",  "euc-cn",
             "chinese",  "big5",       "big5-hkscs",     "csbig5",         "cn-big5",       "x-x-big5", "cp950",
             "euc-tw"}))
        return {Family::ForeignDouble};
    if (StartsWithOneOf(label, {"iso-8859-", "iso8859-", "iso_8859-", "windows-125", "cp125", "koi8", "ibm866", "cp866",
                                "tis-620", "windows-874", "macintosh", "x-mac-"}))
        return {Family::ForeignSingle};
    return {};
}

bool IsLabelCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == ':';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The label after "charset" in a <meta> tag: "charset=x", "charset = 'x'".
std::string_view LabelAfter(std::string_view tag, std::size_t name)
{
    std::size_t i = name + 7;
    while (i < tag.size() && IsBlank(tag[i]))
        ++i;
    if (i >= tag.size() || tag[i] != '=')
        return {};
    ++i;
    while (i < tag.size() && (IsBlank(tag[i]) || tag[i] == '"' || tag[i] == '\''))
        ++i;
    std::size_t end = i;
    while (end < tag.size() && IsLabelCharacter(tag[end]))
        ++end;
    return tag.substr(i, end - i);
}

// The charset of the first <meta> tag within the head that declares one the
// program knows, in <meta charset=...> or in the content of a Content-Type
// declaration. Comments are passed over, as the map reader passes them.
Charset DeclaredCharset(const std::string& bytes, bool& sixteenBit)
{
    std::string head;
    sixteenBit = false;
    for (std::size_t i = 0; i < bytes.size() && i < kDeclarationWindow; ++i) {
        char c = bytes[i];
        if (c == '\0') { // the ASCII of a UTF-16 page reads between its NULs
            sixteenBit = true;
            continue;
        }
        head.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
    }
    for (std::size_t i = head.find('<'); i != npos; i = head.find('<', i + 1)) {
        if (head.compare(i, 4, "<!--") == 0) {
            i = head.find("-->", i + 2);
            if (i == npos)
                break;
            continue;
        }
        if (head.compare(i, 5, "<meta") != 0 || i + 5 >= head.size() || !(IsBlank(head[i + 5]) || head[i + 5] == '/'))
            continue;
        const std::size_t close = head.find('>', i);
        const std::string_view tag = std::string_view(head).substr(i, close == npos ? npos : close - i);
        for (std::size_t name = tag.find("charset"); name != npos; name = tag.find("charset", name + 7)) {
            const Charset charset = CharsetOf(LabelAfter(tag, name));
            if (charset.family != Family::None)
                return charset;
        }
    }
    return {};
}

// ---- Decoding into units ----

std::u16string UnitsOf(const UnitBuffer& units)
{
    return std::u16string(units.begin(), units.end());
}

std::u16string TableUnits(int kind, const std::string& bytes)
{
    CodeConverter converter;
    converter.SetDecoder(MakeDecoder(kind, false, Undecodable::Replace));
    ByteStream in{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), 0};
    converter.Decode(in);
    return UnitsOf(converter.Units());
}

// A lone surrogate, which the program's text counts as unreadable: it stands
// for an odd last byte, half a unit.
constexpr char16_t kHalfUnit = 0xD800;

std::u16string Utf16Units(const std::string& bytes, bool bigEndian)
{
    std::u16string units;
    units.reserve(bytes.size() / 2 + 1);
    const int high = bigEndian ? 0 : 1;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        units.push_back(static_cast<char16_t>((static_cast<unsigned char>(bytes[i + high]) << 8) |
                                              static_cast<unsigned char>(bytes[i + 1 - high])));
    if (bytes.size() % 2)
        units.push_back(kHalfUnit);
    return units;
}

// Windows-1252: Latin-1 but for 0x80..0x9F.
std::u16string WesternUnits(const std::string& bytes)
{
    std::u16string units;
    units.reserve(bytes.size());
    for (char c : bytes) {
        const unsigned b = static_cast<unsigned char>(c);
        units.push_back(windows1252::Differs(b) ? windows1252::kDiffering[b - windows1252::kFirstDiffering]
                                                : static_cast<char16_t>(b));
    }
    return units;
}

// A charset without tables: ASCII as it is, every other character unknown.
// In the two-byte codes a lead byte takes its trail with it.
std::u16string ForeignUnits(const std::string& bytes, bool doubleByte)
{
    std::u16string units;
    units.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) {
            units.push_back(static_cast<char16_t>(b));
            continue;
        }
        if (doubleByte && b >= 0x81 && i + 1 < bytes.size() && static_cast<unsigned char>(bytes[i + 1]) >= 0x40)
            ++i;
        units.push_back(kUnknownCharacter);
    }
    return units;
}

// ---- Into the program's text ----

// The 1-based line of a position in units or bytes: lines end at LF, CR LF or a lone CR.
template <class Char> std::size_t LineOf(std::basic_string_view<Char> text, std::size_t index)
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < index && i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++line;
    }
    return line;
}

bool IsSurrogate(char16_t u)
{
    return u >= 0xD800 && u <= 0xDFFF;
}

bool IsPairedSurrogate(std::u16string_view units, std::size_t i)
{
    const char16_t u = units[i];
    if (u >= 0xD800 && u <= 0xDBFF)
        return i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    return u >= 0xDC00 && u <= 0xDFFF && i > 0 && units[i - 1] >= 0xD800 && units[i - 1] <= 0xDBFF;
}

// What a decoder gives for what it could not read, beside lone surrogates.
enum class Unread {
    Nothing,    // UTF-16: every other unit is a character, U+FFFD too
    MarkedFffd, // the Japanese byte decoders, windows-1252 and the charsets without tables: U+FFFD
};

// Units into the program's text: a leading signature is dropped, the text
// ends at its first NUL, and what is no character becomes U+FFFD and is counted.
PageText FromUnits(std::u16string units, int encoding, Unread unread)
{
    if (!units.empty() && units.front() == kSignature)
        units.erase(0, 1);
    units.resize(std::min(units.size(), units.find(u'\0')));
    PageText page;
    page.encoding = encoding;
    for (std::size_t i = 0; i < units.size(); ++i) {
        char16_t& u = units[i];
        const bool unknown = (IsSurrogate(u) && !IsPairedSurrogate(units, i)) ||
                             (unread == Unread::MarkedFffd && u == kUnknownCharacter);
        if (!unknown)
            continue;
        u = kUnknownCharacter;
        if (page.replaced++ == 0)
            page.firstReplacedLine = LineOf(std::u16string_view(units), i);
    }
    page.text = utf8::FromUtf16(units);
    return page;
}

// UTF-8 is the program's own text: the bytes as they are, up to the first
// NUL and after a signature, with broken sequences made U+FFFD and counted.
PageText FromUtf8(const std::string& bytes)
{
    std::string_view text(bytes);
    text = text.substr(0, text.find('\0'));
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    PageText page;
    page.encoding = EncodingUtf8;
    utf8::Repairs repairs;
    page.text = utf8::MakeValid(text, repairs);
    page.replaced = repairs.count;
    page.firstReplacedLine = repairs.count ? LineOf(std::string_view(page.text), repairs.firstOffset) : 0;
    return page;
}

PageText FromShiftJis(const std::string& bytes)
{
    PageText page;
    utf8::Repairs repairs;
    page.text = utf8::SjisToUtf8(std::string_view(bytes).substr(0, bytes.find('\0')), repairs);
    page.encoding = EncodingShiftJis;
    page.replaced = repairs.count;
    page.firstReplacedLine = repairs.count ? LineOf(std::string_view(page.text), repairs.firstOffset) : 0;
    return page;
}

// The coding of a TextEncoding code chosen by the user; the UTF-16 one is
// big-endian after all when the page begins FE FF.
PageCoding CodingOfCode(const std::string& bytes, int encoding)
{
    switch (encoding) {
    case EncodingJis:
        return PageCoding::Jis;
    case EncodingEucJp:
        return PageCoding::EucJp;
    case EncodingUtf8:
        return PageCoding::Utf8;
    case EncodingUtf16Le:
        return bytes.size() >= 2 && bytes[0] == '\xFE' && bytes[1] == '\xFF' ? PageCoding::Utf16Be
                                                                             : PageCoding::Utf16Le;
    case EncodingUtf16Be:
        return PageCoding::Utf16Be;
    default:
        return PageCoding::ShiftJis;
    }
}

// Whether the page begins with a byte-order mark; `code` is then its encoding.
bool HasSignature(const std::string& bytes, int& code)
{
    if (bytes.rfind("\xEF\xBB\xBF", 0) == 0)
        code = EncodingUtf8;
    else if (bytes.rfind("\xFF\xFE", 0) == 0)
        code = EncodingUtf16Le;
    else if (bytes.rfind("\xFE\xFF", 0) == 0)
        code = EncodingUtf16Be;
    else
        return false;
    return true;
}

// The codec's own detection.
PageCoding Detected(const std::string& bytes)
{
    CodeConverter converter;
    ByteStream in{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), 0};
    const std::unique_ptr<TextDecoder> decoder = converter.DetectDecoder(in);
    switch (decoder ? decoder->Kind() : KindSingleByte) {
    case KindEucJp:
        return PageCoding::EucJp;
    case KindJis:
        return PageCoding::Jis;
    case KindNecKanji:
        return PageCoding::NecKanji;
    case KindUtf16:
        return decoder->BigEndian() ? PageCoding::Utf16Be : PageCoding::Utf16Le;
    default: // Shift-JIS, or nothing to tell it from (ASCII)
        return PageCoding::ShiftJis;
    }
}

PageCoding CodingOfCharset(const std::string& bytes, const Charset& charset)
{
    switch (charset.family) {
    case Family::Western:
        return PageCoding::Western;
    case Family::ForeignDouble:
        return PageCoding::ForeignDoubleByte;
    case Family::ForeignSingle:
        return PageCoding::ForeignSingleByte;
    default:
        return CodingOfCode(bytes, charset.code);
    }
}

// Whether NULs stand as UTF-16 puts them: each ASCII character of its markup
// has one, always on the same side of its byte pair. Stray NULs in a page of
// bytes (a damaged file, one in a comment) are few or fall on both sides.
bool NulsLikeUtf16(const std::string& bytes)
{
    std::size_t onSide[2] = {0, 0};
    for (std::size_t i = bytes.find('\0'); i != npos; i = bytes.find('\0', i + 1))
        ++onSide[i % 2];
    const std::size_t all = onSide[0] + onSide[1];
    return all >= kUtf16MinNuls && std::max(onSide[0], onSide[1]) * 10 >= all * 9;
}

// A page without a signature or a declaration is UTF-16 only when its NULs
// say so; otherwise the page is judged without them: UTF-8 when the bytes
// are valid UTF-8 with multi-byte characters in them, or hold its wide
// characters far more often than a few stray bytes that break it, else what
// the codec detects.
PageCoding UndeclaredCoding(const std::string& bytes)
{
    if (bytes.find('\0') == npos)
        return utf8::LooksLikeUtf8(bytes) || utf8::MostlyUtf8(bytes) ? PageCoding::Utf8 : Detected(bytes);
    if (NulsLikeUtf16(bytes))
        return Detected(bytes);
    std::string withoutNuls = bytes;
    std::erase(withoutNuls, '\0');
    return UndeclaredCoding(withoutNuls);
}

bool IsUtf16(int code)
{
    return code == EncodingUtf16Le || code == EncodingUtf16Be;
}

PageCoding AutomaticCoding(const std::string& bytes)
{
    int code = 0;
    if (HasSignature(bytes, code))
        return CodingOfCode(bytes, code);
    bool sixteenBit = false;
    const Charset declared = DeclaredCharset(bytes, sixteenBit);
    // A UTF-16 declaration readable as ASCII is no UTF-16 page; a 16-bit
    // page says which byte comes first by where its NULs stand.
    if (declared.family == Family::Coded && IsUtf16(declared.code))
        return sixteenBit ? Detected(bytes) : UndeclaredCoding(bytes);
    if (declared.family != Family::None)
        return CodingOfCharset(bytes, declared);
    return UndeclaredCoding(bytes);
}

} // namespace

PageText DecodeHtmlPage(const std::string& bytes, int encoding)
{
    return DecodePageBytes(bytes, ChoosePageCoding(bytes, encoding));
}

PageCoding ChoosePageCoding(const std::string& bytes, int encoding)
{
    switch (encoding) {
    case EncodingShiftJis:
    case EncodingJis:
    case EncodingEucJp:
    case EncodingUtf8:
    case EncodingUtf16Le:
    case EncodingUtf16Be:
        return CodingOfCode(bytes, encoding);
    default:
        return AutomaticCoding(bytes);
    }
}

int EncodingOf(PageCoding coding)
{
    switch (coding) {
    case PageCoding::ShiftJis:
        return EncodingShiftJis;
    case PageCoding::Jis:
    case PageCoding::NecKanji: // no code of its own; JIS is its nearest kin
        return EncodingJis;
    case PageCoding::EucJp:
        return EncodingEucJp;
    case PageCoding::Utf8:
        return EncodingUtf8;
    case PageCoding::Utf16Le:
        return EncodingUtf16Le;
    case PageCoding::Utf16Be:
        return EncodingUtf16Be;
    default:
        return kForeignCharset;
    }
}

PageText DecodePageBytes(const std::string& bytes, PageCoding coding)
{
    const int encoding = EncodingOf(coding);
    switch (coding) {
    case PageCoding::ShiftJis:
        return FromShiftJis(bytes);
    case PageCoding::Jis:
        return FromUnits(TableUnits(KindJis, bytes), encoding, Unread::MarkedFffd);
    case PageCoding::NecKanji:
        return FromUnits(TableUnits(KindNecKanji, bytes), encoding, Unread::MarkedFffd);
    case PageCoding::EucJp:
        return FromUnits(TableUnits(KindEucJp, bytes), encoding, Unread::MarkedFffd);
    case PageCoding::Utf8:
        return FromUtf8(bytes);
    case PageCoding::Utf16Le:
        return FromUnits(Utf16Units(bytes, false), encoding, Unread::Nothing);
    case PageCoding::Utf16Be:
        return FromUnits(Utf16Units(bytes, true), encoding, Unread::Nothing);
    case PageCoding::Western:
        return FromUnits(WesternUnits(bytes), encoding, Unread::MarkedFffd);
    case PageCoding::ForeignDoubleByte:
        return FromUnits(ForeignUnits(bytes, true), encoding, Unread::MarkedFffd);
    case PageCoding::ForeignSingleByte:
        return FromUnits(ForeignUnits(bytes, false), encoding, Unread::MarkedFffd);
    }
    return FromShiftJis(bytes);
}
