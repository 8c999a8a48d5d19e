#include "formats/AreaAlignment.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

using Pairs = std::vector<std::pair<std::size_t, std::size_t>>;

// Tags and areas as letters; a tag reads as an area of the same letter.
Pairs Align(const std::string& tags, const std::string& areas, std::size_t limit = 512)
{
    return html::AlignAreaTags(
        tags.size(), areas.size(), [&](std::size_t t, std::size_t a) { return tags[t] == areas[a]; }, limit);
}

} // namespace

TEST(AreaAlignment, PairsTheTagsThatStay)
{
    struct Row {
        const char* what;
        std::string tags, areas;
        Pairs pairs;
    };
    const Row rows[] = {
        {"nothing changed", "abc", "abc", {{0, 0}, {1, 1}, {2, 2}}},
        {"one changed: the rest meet in order", "abcd", "axyd", {{0, 0}, {3, 3}}},
        {"as many, reordered: in order too", "abc", "bca", {}},
        {"one taken out", "abcd", "acd", {{0, 0}, {2, 1}, {3, 2}}},
        {"two taken out apart", "abcde", "bd", {{1, 0}, {3, 1}}},
        {"one added in the middle", "abc", "abxc", {{0, 0}, {1, 1}, {2, 3}}},
        {"one changed and one added, the same area twice", "aab", "Xabn", {{1, 1}, {2, 2}}},
        {"no tags", "", "ab", {}},
        {"no areas", "ab", "", {}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(Align(r.tags, r.areas), r.pairs) << r.what;
    // Past the limit, only the front and the back are paired.

    EXPECT_EQ(Align("axbyc", "abc", 1), (Pairs{{0, 0}, {4, 2}}));
    EXPECT_EQ(Align("axbyc", "abc", 2), (Pairs{{0, 0}, {2, 1}, {4, 2}}));
}
