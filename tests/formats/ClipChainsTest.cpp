#include "formats/ClipChains.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace
{

// The areas a chain cuts, following its links from the head.
std::set<std::size_t> CutBy(const ClipChains& chains, std::size_t head)
{
    std::set<std::size_t> cut;
    for (std::size_t link = head; link != ClipChains::kEnd; link = chains.Links()[link].next)
        cut.insert(chains.Links()[link].area);
    return cut;
}

struct ChainRow {
    const char* name;
    std::vector<std::vector<std::size_t>> over; // per area, the earlier areas over it
    std::size_t links;                          // how many links the whole map takes
};

class ClipChainsRows : public ::testing::TestWithParam<ChainRow>
{
};

} // namespace

// Every area is cut by each earlier area over it, and by nothing later.
TEST_P(ClipChainsRows, EveryAreaCutByWhatLiesOverIt)
{
    const ChainRow& row = GetParam();
    ClipChains chains;
    for (std::size_t area = 0; area < row.over.size(); ++area) {
        const std::set<std::size_t> cut = CutBy(chains, chains.Add(row.over[area]));
        for (std::size_t earlier : row.over[area])
            EXPECT_TRUE(cut.count(earlier)) << "area " << area << " not cut by " << earlier;
        for (std::size_t c : cut)
            EXPECT_LT(c, area) << "area " << area;
    }
    EXPECT_EQ(chains.Links().size(), row.links);
}

std::vector<std::vector<std::size_t>> Stack(std::size_t depth)
{
    std::vector<std::vector<std::size_t>> over(depth);
    for (std::size_t area = 1; area < depth; ++area)
        for (std::size_t earlier = 0; earlier < area; ++earlier)
            over[area].push_back(earlier);
    return over;
}

// `count` areas, each over the `width` before it.
std::vector<std::vector<std::size_t>> Sliding(std::size_t count, std::size_t width)
{
    std::vector<std::vector<std::size_t>> over(count);
    for (std::size_t area = 1; area < count; ++area)
        for (std::size_t earlier = area > width ? area - width : 0; earlier < area; ++earlier)
            over[area].push_back(earlier);
    return over;
}

INSTANTIATE_TEST_SUITE_P(
    Maps, ClipChainsRows,
    ::testing::Values(ChainRow{"apart", {{}, {}, {}}, 0}, ChainRow{"two_over_one", {{}, {}, {0, 1}}, 2},
                      // a stack costs one link per area, not one per pair
                      ChainRow{"stack_of_ten", Stack(10), 9},
                      // a stack deeper than the longest shared chain still costs one link an area
                      ChainRow{"deep_stack", Stack(ClipChains::kLongestShared + 3), ClipChains::kLongestShared + 2},
                      // areas sliding over each other: a chain grows to twice an area's need, then starts
                      // afresh (at areas 81, 122 and 163, with 39 links more each)
                      ChainRow{"sliding", Sliding(200, 40), 199 + 3 * 39},
                      // the chain of area 2 cuts 0, which 3 does not touch: harmless, no new link
                      ChainRow{"shared_beyond_need", {{}, {}, {0, 1}, {1, 2}}, 3}),
    [](const ::testing::TestParamInfo<ChainRow>& info) { return std::string(info.param.name); });
