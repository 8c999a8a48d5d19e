#include "services/trace/PolygonCheck.h"

#include <algorithm>
#include <cstdint>

namespace
{

std::int64_t Cross(const Point& o, const Point& a, const Point& b)
{
    return (std::int64_t(a.x) - o.x) * (std::int64_t(b.y) - o.y) -
           (std::int64_t(a.y) - o.y) * (std::int64_t(b.x) - o.x);
}

int Sign(std::int64_t v)
{
    return (v > 0) - (v < 0);
}

// `p`, on the line through a and b, lies on the segment between them.
bool WithinSpan(const Point& a, const Point& b, const Point& p)
{
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether the closed segments a-b and c-d have a point in common.
bool SegmentsMeet(const Point& a, const Point& b, const Point& c, const Point& d)
{
    const int abc = Sign(Cross(a, b, c)), abd = Sign(Cross(a, b, d));
    const int cda = Sign(Cross(c, d, a)), cdb = Sign(Cross(c, d, b));
    if (abc * abd < 0 && cda * cdb < 0)
        return true;
    return (abc == 0 && WithinSpan(a, b, c)) || (abd == 0 && WithinSpan(a, b, d)) ||
           (cda == 0 && WithinSpan(c, d, a)) || (cdb == 0 && WithinSpan(c, d, b));
}

// Edges that share corner q, one from p and one on to r, overlap when they
// leave q in the same direction.
bool TurnsBack(const Point& p, const Point& q, const Point& r)
{
    const std::int64_t dot =
        (std::int64_t(p.x) - q.x) * (std::int64_t(r.x) - q.x) + (std::int64_t(p.y) - q.y) * (std::int64_t(r.y) - q.y);
    return Cross(q, p, r) == 0 && dot > 0;
}

struct EdgeBox {
    int index;
    int left, right, top, bottom;
};

} // namespace

namespace polygoncheck
{

// Edges are swept from left to right: only those whose horizontal spans
// overlap are compared, which for an outline is a handful each.
std::vector<int> TouchingEdges(std::span<const Point> polygon)
{
    const int n = static_cast<int>(polygon.size());
    std::vector<int> all(n);
    for (int i = 0; i < n; ++i)
        all[i] = i;
    if (n < 3)
        return all;
    auto corner = [&](int i) -> const Point& { return polygon[(i % n + n) % n]; };
    std::vector<bool> touching(n, false);
    std::vector<EdgeBox> boxes(n);
    for (int i = 0; i < n; ++i) {
        const Point &a = corner(i), &b = corner(i + 1);
        boxes[i] = {i, std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y)};
        if (a == b || TurnsBack(corner(i - 1), a, b))
            touching[i] = touching[(i + n - 1) % n] = true;
    }
    std::sort(boxes.begin(), boxes.end(), [](const EdgeBox& l, const EdgeBox& r) { return l.left < r.left; });
    for (int s = 0; s < n; ++s) {
        for (int t = s + 1; t < n && boxes[t].left <= boxes[s].right; ++t) {
            const int i = boxes[s].index, j = boxes[t].index;
            const bool adjacent = (i + 1) % n == j || (j + 1) % n == i;
            if (adjacent || boxes[t].top > boxes[s].bottom || boxes[t].bottom < boxes[s].top)
                continue;
            if (SegmentsMeet(corner(i), corner(i + 1), corner(j), corner(j + 1)))
                touching[i] = touching[j] = true;
        }
    }
    std::vector<int> edges;
    for (int i = 0; i < n; ++i) {
        if (touching[i])
            edges.push_back(i);
    }
    return edges;
}

} // namespace polygoncheck
