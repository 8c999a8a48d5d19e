#include "formats/AreaAlignment.h"

#include <algorithm>
#include <cstdint>

namespace html
{
namespace
{

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;
using Same = std::function<bool(std::size_t, std::size_t)>;

// The furthest tag reached on each diagonal k = tag - area, after each step d.
class EditGraph
{
public:
    EditGraph(std::size_t tagBase, std::size_t areaBase, std::size_t tags, std::size_t areas, const Same& same)
        : m_tagBase(tagBase), m_areaBase(areaBase), m_tags(static_cast<std::int64_t>(tags)),
          m_areas(static_cast<std::int64_t>(areas)), m_same(same)
    {
    }

    // The pairs of a shortest edit script of at most `limit` steps, or false.
    bool Solve(std::int64_t limit, Pairs& pairs)
    {
        const std::int64_t most = std::min(limit, m_tags + m_areas);
        m_offset = most + 1;
        std::vector<std::int64_t> reach(static_cast<std::size_t>(2 * most + 3), 0);
        for (std::int64_t d = 0; d <= most; ++d) {
            m_trace.push_back(reach);
            for (std::int64_t k = -d; k <= d; k += 2) {
                std::int64_t x = FromDown(reach, k, d) ? At(reach, k + 1) : At(reach, k - 1) + 1;
                std::int64_t y = x - k;
                while (x < m_tags && y < m_areas && Equal(x, y))
                    ++x, ++y;
                reach[static_cast<std::size_t>(m_offset + k)] = x;
                if (x >= m_tags && y >= m_areas) {
                    Backtrack(d, pairs);
                    return true;
                }
            }
        }
        return false;
    }

private:
    std::int64_t At(const std::vector<std::int64_t>& reach, std::int64_t k) const
    {
        return reach[static_cast<std::size_t>(m_offset + k)];
    }
    bool FromDown(const std::vector<std::int64_t>& reach, std::int64_t k, std::int64_t d) const
    {
        return k == -d || (k != d && At(reach, k - 1) < At(reach, k + 1));
    }
    bool Equal(std::int64_t x, std::int64_t y) const
    {
        return m_same(m_tagBase + static_cast<std::size_t>(x), m_areaBase + static_cast<std::size_t>(y));
    }

    void Backtrack(std::int64_t steps, Pairs& pairs) const
    {
        Pairs found;
        std::int64_t x = m_tags, y = m_areas;
        for (std::int64_t d = steps; d >= 0; --d) {
            const std::vector<std::int64_t>& reach = m_trace[static_cast<std::size_t>(d)];
            const std::int64_t k = x - y;
            std::int64_t previousX = 0, previousY = 0;
            if (d > 0) {
                const std::int64_t previousK = FromDown(reach, k, d) ? k + 1 : k - 1;
                previousX = At(reach, previousK);
                previousY = previousX - previousK;
            }
            while (x > previousX && y > previousY) {
                --x, --y;
                found.emplace_back(m_tagBase + static_cast<std::size_t>(x), m_areaBase + static_cast<std::size_t>(y));
            }
            x = previousX, y = previousY;
        }
        pairs.insert(pairs.end(), found.rbegin(), found.rend());
    }

    std::size_t m_tagBase, m_areaBase;
    std::int64_t m_tags, m_areas, m_offset = 0;
    const Same& m_same;
    std::vector<std::vector<std::int64_t>> m_trace; // the reach before each step
};

// A shortest edit script may pair a tag with an equal area one place off
// (a map holding the same area twice), leaving an area to add before the
// pair and a tag to take out after it. Sliding the pair to the other equal
// tag (or area) lets both meet as one tag changed in place instead.
void SlidePairs(Pairs& pairs, std::pair<std::size_t, std::size_t> start, std::pair<std::size_t, std::size_t> end,
                const Same& same)
{
    for (bool slid = true; slid;) {
        slid = false;
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            const auto before = p == 0 ? start : pairs[p - 1];
            const auto after = p + 1 == pairs.size() ? end : pairs[p + 1];
            auto& [tag, area] = pairs[p];
            const std::size_t tagsBefore = tag - before.first - 1, areasBefore = area - before.second - 1;
            const std::size_t tagsAfter = after.first - tag - 1, areasAfter = after.second - area - 1;
            if (tagsBefore < areasBefore && tagsAfter > areasAfter && same(tag + 1, area)) {
                ++tag;
                slid = true;
            } else if (tagsBefore > areasBefore && tagsAfter < areasAfter && same(tag, area + 1)) {
                ++area;
                slid = true;
            }
        }
    }
}

} // namespace

Pairs AlignAreaTags(std::size_t tags, std::size_t areas, const Same& same, std::size_t limit)
{
    const std::size_t common = std::min(tags, areas);
    std::size_t front = 0, back = 0;
    while (front < common && same(front, front))
        ++front;
    while (back < common - front && same(tags - 1 - back, areas - 1 - back))
        ++back;
    Pairs pairs;
    for (std::size_t i = 0; i < front; ++i)
        pairs.emplace_back(i, i);
    Pairs middle;
    EditGraph graph(front, front, tags - front - back, areas - front - back, same);
    if (tags != areas && graph.Solve(static_cast<std::int64_t>(limit), middle)) {
        // As if pairs stood just before the middle and at its end; one before
        // the first tag is (size_t)-1, and the differences below wrap back.
        SlidePairs(middle, {front - 1, front - 1}, {tags - back, areas - back}, same);
        pairs.insert(pairs.end(), middle.begin(), middle.end());
    }
    for (std::size_t i = back; i > 0; --i)
        pairs.emplace_back(tags - i, areas - i);
    return pairs;
}

} // namespace html
