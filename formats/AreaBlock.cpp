#include "formats/AreaBlock.h"

#include "model/CMapData.h"
#include "services/text/Utf8Bridge.h"

#include <cstdint>

namespace areablock
{
namespace
{

constexpr std::size_t kHeaderBytes = 32;
// The format markers: which encoding the texts of a block are in.
constexpr std::int32_t kShiftJisTexts = 1;
constexpr std::int32_t kUtf8Texts = 2;
// Points farther out than any picture could reach come from a block that is
// not ours, or is damaged: the arithmetic of moves and hit regions must
// never meet them.
constexpr std::int32_t kFarthestCoordinate = 1'000'000;

bool WithinReach(const Point& p)
{
    return p.x >= -kFarthestCoordinate && p.x <= kFarthestCoordinate && p.y >= -kFarthestCoordinate &&
           p.y <= kFarthestCoordinate;
}

void Put32(std::string& out, std::int32_t value)
{
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((v >> shift) & 0xFF);
}

std::int32_t Get32(const std::string& in, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | static_cast<std::uint8_t>(in[at + i]);
    return static_cast<std::int32_t>(v);
}

void PutText(std::string& out, const std::string& text)
{
    out += text;
    out += '\0';
}

// Reads the texts and points after the header, each checked against the end.
class Reader
{
public:
    Reader(const std::string& block, std::size_t at) : m_block(block), m_at(at) {}
    // A text of `length` bytes and its terminating 0 byte; a text is cut at
    // a 0 byte inside it, as the program's strings end there.
    bool Text(std::int64_t length, std::string& text)
    {
        if (length < 0 || !Fits(length + 1) || m_block[m_at + static_cast<std::size_t>(length)] != '\0')
            return false;
        text.assign(m_block.c_str() + m_at);
        m_at += static_cast<std::size_t>(length) + 1;
        return true;
    }
    bool Int(std::int32_t& value)
    {
        if (!Fits(4))
            return false;
        value = Get32(m_block, m_at);
        m_at += 4;
        return true;
    }
    bool Fits(std::int64_t bytes) const
    {
        return bytes >= 0 && static_cast<std::uint64_t>(bytes) <= m_block.size() - m_at;
    }

private:
    const std::string& m_block;
    std::size_t m_at;
};

bool PointCountFits(int shape, std::int32_t count)
{
    if (shape == ShapePoly)
        return count >= 3;
    return (shape == ShapeRect || shape == ShapeCirc) && count == 4;
}

} // namespace

namespace
{

// One area's block with its texts in the form the marker names.
std::string EncodeIn(const CMapData& area, std::int32_t marker)
{
    const auto form = [marker](const std::string& text) {
        return marker == kShiftJisTexts ? utf8::Utf8ToSjis(text) : text;
    };
    const std::string href = form(area.m_href), alt = form(area.m_alt), target = form(area.m_target),
                      other = form(area.m_otherAttrs);
    std::string out;
    out.reserve(41 + href.size() + alt.size() + target.size() + other.size() + 8 * area.m_points.size());
    Put32(out, marker);
    for (const std::string* text : {&href, &alt, &target, &other})
        Put32(out, static_cast<std::int32_t>(text->size()));
    Put32(out, static_cast<std::int32_t>(area.m_points.size()));
    Put32(out, area.m_shape);
    Put32(out, area.m_noHref);
    PutText(out, href);
    Put32(out, area.m_hrefIsPath);
    PutText(out, alt);
    PutText(out, target);
    PutText(out, other);
    for (const Point& p : area.m_points) {
        Put32(out, p.x);
        Put32(out, p.y);
    }
    out += '\0';
    return out;
}

// A text read from a block, as the program's.
void ToProgramText(std::int32_t marker, std::string& text)
{
    if (marker == kUtf8Texts) {
        utf8::Repairs repairs;
        text = utf8::MakeValid(text, repairs);
    } else {
        text = utf8::SjisToUtf8(text);
    }
}

} // namespace

std::string Encode(const CMapData& area)
{
    return EncodeIn(area, kShiftJisTexts);
}

bool FitsShiftJis(const CMapData& area)
{
    return utf8::FitsShiftJis(area.m_href) && utf8::FitsShiftJis(area.m_alt) && utf8::FitsShiftJis(area.m_target) &&
           utf8::FitsShiftJis(area.m_otherAttrs);
}

bool Decode(const std::string& block, bool dropAttributes, CMapData& area)
{
    if (block.size() < kHeaderBytes)
        return false;
    const std::int32_t hrefLength = Get32(block, 4), altLength = Get32(block, 8);
    const std::int32_t targetLength = Get32(block, 12), otherLength = Get32(block, 16);
    const std::int32_t count = Get32(block, 20), shape = Get32(block, 24), noHref = Get32(block, 28);
    const std::int32_t marker = Get32(block, 0);
    if (!PointCountFits(shape, count))
        return false;
    CMapData read;
    std::int32_t hrefIsPath = 0;
    Reader reader(block, kHeaderBytes);
    if (!reader.Text(hrefLength, read.m_href) || !reader.Int(hrefIsPath) || !reader.Text(altLength, read.m_alt) ||
        !reader.Text(targetLength, read.m_target) || !reader.Text(otherLength, read.m_otherAttrs) ||
        !reader.Fits(std::int64_t(8) * count))
        return false;
    read.m_points.resize(static_cast<std::size_t>(count));
    for (Point& p : read.m_points) {
        reader.Int(p.x);
        reader.Int(p.y);
        if (!WithinReach(p))
            return false;
    }
    for (std::string* text : {&read.m_href, &read.m_alt, &read.m_target, &read.m_otherAttrs})
        ToProgramText(marker, *text);
    read.m_shape = shape;
    read.m_noHref = noHref ? 1 : 0;
    read.m_hrefIsPath = hrefIsPath ? 1 : 0;
    if (dropAttributes)
        read.SetAttributes(std::string(), std::string(), std::string(), 0, 0, std::string());
    read.BuildRegion();
    area = read;
    return true;
}

namespace
{

constexpr std::int32_t kMostAreas = 100000;

} // namespace

std::string EncodeMany(const std::vector<const CMapData*>& areas)
{
    std::string out;
    Put32(out, static_cast<std::int32_t>(areas.size()));
    for (const CMapData* area : areas) {
        const std::string one = EncodeIn(*area, kUtf8Texts);
        Put32(out, static_cast<std::int32_t>(one.size()));
        out += one;
    }
    return out;
}

bool DecodeMany(const std::string& block, bool dropAttributes, std::vector<CMapData>& areas)
{
    if (block.size() < 4)
        return false;
    const std::int32_t count = Get32(block, 0);
    if (count < 1 || count > kMostAreas)
        return false;
    std::vector<CMapData> read(static_cast<std::size_t>(count));
    std::size_t at = 4;
    for (CMapData& area : read) {
        if (block.size() - at < 4)
            return false;
        const std::int32_t length = Get32(block, at);
        at += 4;
        if (length < 0 || static_cast<std::size_t>(length) > block.size() - at ||
            !Decode(block.substr(at, static_cast<std::size_t>(length)), dropAttributes, area))
            return false;
        at += static_cast<std::size_t>(length);
    }
    if (at != block.size())
        return false;
    areas = std::move(read);
    return true;
}

} // namespace areablock
