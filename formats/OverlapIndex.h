#pragma once
// Which earlier boxes overlap a given one, among many. The boxes are put in
// the cells of a grid of about one cell per box, so that a map of many areas
// lying apart is not compared pair by pair; a box spanning many cells is kept
// aside and compared with every query.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

class OverlapIndex
{
public:
    // Half-open, in the picture's pixels, wide enough for any sum of coordinates.
    struct Box {
        std::int64_t left = 0, top = 0, right = 0, bottom = 0;
        bool IsEmpty() const { return right <= left || bottom <= top; }
        // Whether the two share an inner point; an empty box overlaps nothing.
        bool Overlaps(const Box& o) const
        {
            return std::max(left, o.left) < std::min(right, o.right) &&
                   std::max(top, o.top) < std::min(bottom, o.bottom);
        }
    };

    explicit OverlapIndex(std::vector<Box> boxes);

    // The indexes below `index` whose boxes overlap box `index`, ascending.
    std::vector<std::size_t> EarlierOverlapping(std::size_t index) const;

private:
    struct CellRange {
        std::int64_t firstColumn, lastColumn, firstRow, lastRow;
        std::int64_t Count() const { return (lastColumn - firstColumn + 1) * (lastRow - firstRow + 1); }
    };
    // A box over more cells than this is kept aside rather than in each of them.
    static constexpr std::int64_t kMostCellsPerBox = 64;
    static constexpr std::int64_t kLargestGridSide = 1024;

    CellRange CellsOf(const Box& box) const;
    std::size_t CellIndex(std::int64_t column, std::int64_t row) const
    {
        return static_cast<std::size_t>(row * m_columns + column);
    }

    std::vector<Box> m_boxes;
    Box m_extent;
    std::int64_t m_columns = 1, m_rows = 1;
    std::int64_t m_cellWidth = 1, m_cellHeight = 1;
    std::vector<std::vector<std::uint32_t>> m_cells; // box indexes, ascending
    std::vector<std::uint32_t> m_wide;               // the boxes kept aside, ascending
};
