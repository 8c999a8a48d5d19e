#include "formats/OverlapIndex.h"

#include <algorithm>
#include <cmath>

namespace
{

std::int64_t CeilDiv(std::int64_t a, std::int64_t b)
{
    return (a + b - 1) / b;
}

} // namespace

OverlapIndex::OverlapIndex(std::vector<Box> boxes) : m_boxes(std::move(boxes))
{
    std::size_t placed = 0;
    bool first = true;
    for (const Box& b : m_boxes) {
        if (b.IsEmpty())
            continue;
        m_extent = first ? b
                         : Box{std::min(m_extent.left, b.left), std::min(m_extent.top, b.top),
                               std::max(m_extent.right, b.right), std::max(m_extent.bottom, b.bottom)};
        first = false;
        ++placed;
    }
    if (placed == 0)
        return;
    const auto side = std::clamp<std::int64_t>(std::llround(std::sqrt(double(placed))), 1, kLargestGridSide);
    m_cellWidth = std::max<std::int64_t>(1, CeilDiv(m_extent.right - m_extent.left, side));
    m_cellHeight = std::max<std::int64_t>(1, CeilDiv(m_extent.bottom - m_extent.top, side));
    m_columns = CeilDiv(m_extent.right - m_extent.left, m_cellWidth);
    m_rows = CeilDiv(m_extent.bottom - m_extent.top, m_cellHeight);
    m_cells.resize(static_cast<std::size_t>(m_columns * m_rows));
    for (std::size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i].IsEmpty())
            continue;
        const CellRange cells = CellsOf(m_boxes[i]);
        if (cells.Count() > kMostCellsPerBox) {
            m_wide.push_back(static_cast<std::uint32_t>(i));
            continue;
        }
        for (std::int64_t row = cells.firstRow; row <= cells.lastRow; ++row) {
            for (std::int64_t column = cells.firstColumn; column <= cells.lastColumn; ++column)
                m_cells[CellIndex(column, row)].push_back(static_cast<std::uint32_t>(i));
        }
    }
}

OverlapIndex::CellRange OverlapIndex::CellsOf(const Box& box) const
{
    // The last pixel of a half-open box is right - 1; the range is clipped to the grid.
    auto column = [&](std::int64_t x) {
        return std::clamp<std::int64_t>((x - m_extent.left) / m_cellWidth, 0, m_columns - 1);
    };
    auto row = [&](std::int64_t y) {
        return std::clamp<std::int64_t>((y - m_extent.top) / m_cellHeight, 0, m_rows - 1);
    };
    return {column(box.left), column(box.right - 1), row(box.top), row(box.bottom - 1)};
}

std::vector<std::size_t> OverlapIndex::EarlierOverlapping(std::size_t index) const
{
    std::vector<std::size_t> found;
    const Box& own = m_boxes[index];
    if (own.IsEmpty() || m_cells.empty())
        return found;
    auto consider = [&](std::uint32_t other) {
        if (other < index && m_boxes[other].Overlaps(own))
            found.push_back(other);
    };
    for (std::uint32_t other : m_wide)
        consider(other);
    const CellRange cells = CellsOf(own);
    for (std::int64_t row = cells.firstRow; row <= cells.lastRow; ++row) {
        for (std::int64_t column = cells.firstColumn; column <= cells.lastColumn; ++column) {
            for (std::uint32_t other : m_cells[CellIndex(column, row)]) {
                if (other >= index)
                    break; // each cell holds its boxes in ascending order
                consider(other);
            }
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}
