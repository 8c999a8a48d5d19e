#include "formats/OverlapIndex.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <random>

namespace
{

using Box = OverlapIndex::Box;

std::vector<std::size_t> EarlierByHand(const std::vector<Box>& boxes, std::size_t index)
{
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < index; ++i) {
        if (boxes[i].Overlaps(boxes[index]))
            found.push_back(i);
    }
    return found;
}

struct Layout {
    const char* name;
    std::int64_t extent;   // where boxes start
    std::int64_t size;     // how large they grow
    int wideEvery;         // every so many boxes spans most of the extent; 0 for none
    std::int64_t negative; // shifted this far left and up
};

void PrintTo(const Layout& layout, std::ostream* out)
{
    *out << layout.name;
}

class OverlapIndexLayouts : public testing::TestWithParam<Layout>
{
};

} // namespace

TEST_P(OverlapIndexLayouts, FindsWhatComparingEveryPairFinds)
{
    const Layout layout = GetParam();
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int64_t> at(0, layout.extent), size(-2, layout.size);
    for (int round = 0; round < 20; ++round) {
        std::vector<Box> boxes;
        for (int i = 0; i < 300; ++i) {
            const std::int64_t x = at(random) - layout.negative, y = at(random) - layout.negative;
            if (layout.wideEvery && i % layout.wideEvery == 0)
                boxes.push_back({x / 4, y / 4, x / 4 + layout.extent, y / 4 + layout.extent});
            else
                boxes.push_back({x, y, x + size(random), y + size(random)}); // some empty or inverted
        }
        const OverlapIndex index(boxes);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            ASSERT_EQ(index.EarlierOverlapping(i), EarlierByHand(boxes, i)) << layout.name << " box " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(OverlapIndex, OverlapIndexLayouts,
                         testing::Values(Layout{"apart", 100000, 40, 0, 0}, Layout{"crowded", 200, 60, 0, 0},
                                         Layout{"wide ones among small", 5000, 30, 7, 0},
                                         Layout{"left of and above zero", 3000, 200, 0, 9000},
                                         Layout{"points and lines", 50, 1, 0, 0}),
                         [](const testing::TestParamInfo<Layout>& info) {
                             std::string name = info.param.name;
                             for (char& c : name)
                                 c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST(OverlapIndex, EdgesThatTouchDoNotOverlap)
{
    const OverlapIndex index({{0, 0, 10, 10}, {10, 0, 20, 10}, {0, 10, 10, 20}, {9, 9, 11, 11}, {}});
    EXPECT_TRUE(index.EarlierOverlapping(1).empty());
    EXPECT_TRUE(index.EarlierOverlapping(2).empty());
    EXPECT_EQ(index.EarlierOverlapping(3), (std::vector<std::size_t>{0, 1, 2}));
    EXPECT_TRUE(index.EarlierOverlapping(4).empty());
}
