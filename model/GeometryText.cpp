#include "model/GeometryText.h"

#include "model/CMapData.h"

#include <charconv>
#include <vector>

namespace geometrytext
{
namespace
{

bool IsSeparator(char c)
{
    return c == ',' || c == ' ' || c == '\t';
}

// The whole numbers of `text`, or the reason there are none to take.
Refusal Numbers(std::string_view text, std::vector<long long>& out)
{
    std::size_t at = 0;
    while (at < text.size()) {
        if (IsSeparator(text[at])) {
            ++at;
            continue;
        }
        long long value = 0;
        const char* begin = text.data() + at;
        const char* end = text.data() + text.size();
        const std::from_chars_result read = std::from_chars(begin + (*begin == '+' ? 1 : 0), end, value);
        if (read.ec == std::errc::result_out_of_range)
            return Refusal::TooLarge;
        if (read.ec != std::errc() || (read.ptr != end && !IsSeparator(*read.ptr)))
            return Refusal::NotWholeNumbers;
        if (value > kLargest || value < -kLargest)
            return Refusal::TooLarge;
        out.push_back(value);
        at = static_cast<std::size_t>(read.ptr - text.data());
    }
    return Refusal::None;
}

Point At(long long x, long long y)
{
    return {static_cast<int>(x), static_cast<int>(y)};
}

Parsed Box(long long left, long long top, long long width, long long height)
{
    if (width <= 0 || height <= 0)
        return {std::nullopt, Refusal::NotPositive};
    PointList points;
    points.assign(4, Point{});
    points[0] = At(left, top);
    points[1] = At(left + width, top);
    points[2] = At(left + width, top + height);
    points[3] = At(left, top + height);
    return {points, Refusal::None};
}

Parsed Polygon(const std::vector<long long>& n)
{
    if (n.size() % 2 != 0)
        return {std::nullopt, Refusal::OddCount};
    std::size_t pairs = n.size() / 2;
    // A list pasted from a page closes on its first vertex: that is no vertex.
    if (pairs > 3 && n[0] == n[n.size() - 2] && n[1] == n[n.size() - 1])
        --pairs;
    if (pairs < 3)
        return {std::nullopt, Refusal::TooFewVertices};
    PointList points;
    for (std::size_t i = 0; i < pairs; ++i)
        points.push_back(At(n[2 * i], n[2 * i + 1]));
    return {points, Refusal::None};
}

} // namespace

std::string Format(const CMapData& area)
{
    const Rect r = area.Bounds();
    auto list = [](std::initializer_list<long long> values) {
        std::string text;
        for (long long v : values)
            text += (text.empty() ? "" : ", ") + std::to_string(v);
        return text;
    };
    switch (area.m_shape) {
    case ShapeRect:
        return list(
            {r.left, r.top, static_cast<long long>(r.right) - r.left, static_cast<long long>(r.bottom) - r.top});
    case ShapeCirc: {
        const long long radius = (static_cast<long long>(r.right) - r.left) / 2;
        return list({r.left + radius, r.top + radius, radius});
    }
    case ShapePoly: {
        std::string text;
        for (const Point& p : area.m_points)
            text += (text.empty() ? "" : ",") + std::to_string(p.x) + "," + std::to_string(p.y);
        return text;
    }
    default:
        return std::string();
    }
}

Parsed Parse(const CMapData& area, std::string_view text)
{
    std::vector<long long> n;
    if (const Refusal refusal = Numbers(text, n); refusal != Refusal::None)
        return {std::nullopt, refusal};
    switch (area.m_shape) {
    case ShapeRect:
        if (n.size() != 4)
            return {std::nullopt, Refusal::WrongCount};
        return Box(n[0], n[1], n[2], n[3]);
    case ShapeCirc:
        if (n.size() != 3)
            return {std::nullopt, Refusal::WrongCount};
        return Box(n[0] - n[2], n[1] - n[2], 2 * n[2], 2 * n[2]);
    case ShapePoly:
        return Polygon(n);
    default:
        return {std::nullopt, Refusal::WrongCount};
    }
}

} // namespace geometrytext
