#pragma once
// The pixels of a picture that areas have covered so far, one bit each, for
// telling whether an area has any pixel left that no earlier area covers.
// Areas are laid on row by row through their hit regions, so the cost grows
// with rows and words, not with pixels. Rows are made when first touched.

#include "model/HitRegion.h"

#include <cstdint>
#include <vector>

class CoverageGrid
{
public:
    // Larger sides are cut to this; an area reaching past the cut counts as
    // reachable there, so nothing is called hidden for want of a bit.
    static constexpr std::int32_t kLargestSide = 16384;

    CoverageGrid(std::int64_t width, std::int64_t height);

    enum class Reach {
        Reached, // some pixel of the region was not covered before
        Covered, // every pixel of it was
        Outside, // it has no pixel on the grid
    };
    // Lays the region on the grid and says what it reached.
    Reach Cover(const HitRegion& region);
    // Whether any pixel of the whole grid is still uncovered.
    bool AnyUncovered() const;

private:
    std::vector<std::uint64_t>& Row(std::int32_t y);
    // Sets the bits of [begin, end) in the row; true when one was clear.
    bool CoverRun(std::vector<std::uint64_t>& row, std::int32_t begin, std::int32_t end);

    std::int32_t m_width;
    std::int32_t m_height;
    bool m_cutWidth; // the picture is wider than the grid
    bool m_cutHeight;
    std::size_t m_words;
    std::vector<std::vector<std::uint64_t>> m_rows;
    std::int64_t m_covered = 0;
    std::vector<HitRegion::Span> m_spans;
};
