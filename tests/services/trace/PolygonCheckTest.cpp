#include "services/trace/PolygonCheck.h"

#include <gtest/gtest.h>

TEST(PolygonCheck, FindsTheEdgesThatTouch)
{
    struct Row {
        const char* what;
        std::vector<Point> polygon;
        std::vector<int> touching;
    };
    const Row rows[] = {
        {"a square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {}},
        {"an L", {{0, 0}, {4, 0}, {4, 6}, {9, 6}, {9, 9}, {0, 9}}, {}},
        {"a triangle", {{0, 0}, {10, 0}, {5, 8}}, {}},
        // The edges 0-1 and 2-3 cross in the middle.
        {"a bow tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, {0, 2}},
        // Corner 3 lies on edge 0: the outline pinches there without crossing.
        {"a corner on an edge", {{0, 0}, {10, 0}, {10, 10}, {5, 0}, {0, 10}}, {0, 2, 3}},
        // Corner (5, 5) is visited twice.
        {"a corner twice", {{0, 0}, {5, 5}, {10, 0}, {10, 10}, {5, 5}, {0, 10}}, {0, 1, 3, 4}},
        // Edge 1 runs back along edge 0, and edge 2 starts on it.
        {"a spike back", {{0, 0}, {10, 0}, {4, 0}, {4, 6}}, {0, 1, 2}},
        {"a corner repeated", {{0, 0}, {10, 0}, {10, 0}, {10, 10}}, {0, 1, 2}},
        {"all in a line", {{0, 0}, {5, 0}, {10, 0}}, {0, 1, 2}},
        {"two corners", {{0, 0}, {5, 5}}, {0, 1}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(polygoncheck::TouchingEdges(row.polygon), row.touching) << row.what;
        EXPECT_EQ(polygoncheck::IsSimple(row.polygon), row.touching.empty()) << row.what;
    }
}
