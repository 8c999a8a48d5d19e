#pragma once
// Which earlier areas each area of the SVG form is cut by, as chains of
// clip paths: a link of a chain cuts one earlier area out and is clipped in
// turn by the next link. An area continues the chain of the last area over
// it, which already cuts the areas over that one, and adds links only for
// the areas over it that chain leaves out; cutting an earlier area that does
// not reach an area takes nothing from it, so sharing is always sound. Each
// overlapping pair thus costs at most one link, and a stack of areas one
// link per area. Chains are kept short enough for a browser to follow on
// every hit test: one longer than kLongestShared and than twice what the
// area needs starts afresh.

#include <cstddef>
#include <limits>
#include <vector>

class ClipChains
{
public:
    static constexpr std::size_t kEnd = std::numeric_limits<std::size_t>::max();
    static constexpr std::size_t kLongestShared = 64;

    struct Link {
        std::size_t area; // the earlier area this link cuts out
        std::size_t next; // the link clipping this one, or kEnd
    };

    // Called for every area in order, with the earlier areas that may lie
    // over it, ascending; the first link of its chain, or kEnd for none.
    std::size_t Add(const std::vector<std::size_t>& earlierOver);

    const std::vector<Link>& Links() const { return m_links; }

private:
    struct Chain {
        std::size_t head = kEnd;
        std::vector<std::size_t> cut; // the areas the chain cuts, ascending
    };

    std::vector<Link> m_links;
    std::vector<Chain> m_chains; // by area
};
