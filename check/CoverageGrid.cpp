#include "check/CoverageGrid.h"

#include <algorithm>
#include <bit>

namespace
{

std::int32_t Side(std::int64_t side)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(side, 0, CoverageGrid::kLargestSide));
}

// The bits of word `w` that fall within [begin, end).
std::uint64_t WordMask(std::size_t w, std::int32_t begin, std::int32_t end)
{
    const std::int64_t first = std::max<std::int64_t>(begin, std::int64_t(w) * 64) - std::int64_t(w) * 64;
    const std::int64_t last = std::min<std::int64_t>(end, std::int64_t(w + 1) * 64) - std::int64_t(w) * 64;
    const std::uint64_t upTo = last >= 64 ? ~std::uint64_t(0) : (std::uint64_t(1) << last) - 1;
    return upTo & ~((std::uint64_t(1) << first) - 1);
}

} // namespace

CoverageGrid::CoverageGrid(std::int64_t width, std::int64_t height)
    : m_width(Side(width)), m_height(Side(height)), m_cutWidth(width > kLargestSide),
      m_cutHeight(height > kLargestSide), m_words((static_cast<std::size_t>(m_width) + 63) / 64),
      m_rows(static_cast<std::size_t>(m_height))
{
}

std::vector<std::uint64_t>& CoverageGrid::Row(std::int32_t y)
{
    std::vector<std::uint64_t>& row = m_rows[static_cast<std::size_t>(y)];
    if (row.empty())
        row.assign(m_words, 0);
    return row;
}

bool CoverageGrid::CoverRun(std::vector<std::uint64_t>& row, std::int32_t begin, std::int32_t end)
{
    bool reached = false;
    for (std::size_t w = static_cast<std::size_t>(begin) / 64; w * 64 < static_cast<std::size_t>(end); ++w) {
        const std::uint64_t mask = WordMask(w, begin, end);
        const std::uint64_t fresh = mask & ~row[w];
        reached = reached || fresh != 0;
        m_covered += std::popcount(fresh);
        row[w] |= mask;
    }
    return reached;
}

CoverageGrid::Reach CoverageGrid::Cover(const HitRegion& region)
{
    const Rect b = region.Bounds();
    const bool pastCut = (m_cutWidth && b.right > m_width) || (m_cutHeight && b.bottom > m_height);
    if (pastCut && b.right > 0 && b.bottom > 0)
        return Reach::Reached;
    bool any = false, reached = false;
    const std::int32_t top = std::max(b.top, 0), bottom = std::min(b.bottom, m_height);
    for (std::int32_t y = top; y < bottom; ++y) {
        region.RowSpans(y, 0, m_width, m_spans);
        if (m_spans.empty())
            continue;
        std::vector<std::uint64_t>& row = Row(y);
        for (const HitRegion::Span& s : m_spans)
            reached = CoverRun(row, s.begin, s.end) || reached;
        any = true;
    }
    return !any ? Reach::Outside : reached ? Reach::Reached : Reach::Covered;
}

bool CoverageGrid::AnyUncovered() const
{
    return m_cutWidth || m_cutHeight || m_covered < std::int64_t(m_width) * m_height;
}
