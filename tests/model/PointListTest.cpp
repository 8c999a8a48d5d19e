// The point list against a plain vector of points: random sequences of its
// operations, across the change from inline to heap storage and back through
// copies and moves; a failure shows its seed and the shortest failing steps.
#include "model/PointList.h"
#include "tests/Shrink.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>

namespace
{

enum class Op {
    PushBack,
    PopBack,
    Insert,
    Erase,
    EraseRange,
    Resize,
    Assign,
    Reserve,
    Clear,
    CopyIn,
    MoveIn,
    MoveOut,
    CopyOut
};

struct Step {
    Op op;
    std::size_t at;    // a position, or a size
    std::size_t count; // a second position, a count
    Point point;
};

// A second list that takes part in the copies and moves.
struct Pair {
    PointList list;
    std::vector<Point> model;
    PointList other;
    std::vector<Point> otherModel;
};

void Apply(Pair& s, const Step& step)
{
    const std::size_t size = s.model.size();
    const std::size_t at = size ? step.at % (size + 1) : 0;
    switch (step.op) {
    case Op::PushBack:
        s.list.push_back(step.point);
        s.model.push_back(step.point);
        break;
    case Op::PopBack:
        if (size) {
            s.list.pop_back();
            s.model.pop_back();
        }
        break;
    case Op::Insert:
        s.list.insert(s.list.begin() + at, step.point);
        s.model.insert(s.model.begin() + static_cast<std::ptrdiff_t>(at), step.point);
        break;
    case Op::Erase:
        if (at < size) {
            s.list.erase(s.list.begin() + at);
            s.model.erase(s.model.begin() + static_cast<std::ptrdiff_t>(at));
        }
        break;
    case Op::EraseRange: {
        const std::size_t last = std::min(size, at + step.count % 4);
        s.list.erase(s.list.begin() + at, s.list.begin() + last);
        s.model.erase(s.model.begin() + static_cast<std::ptrdiff_t>(at),
                      s.model.begin() + static_cast<std::ptrdiff_t>(last));
        break;
    }
    case Op::Resize:
        s.list.resize(step.count % 12, step.point);
        s.model.resize(step.count % 12, step.point);
        break;
    case Op::Assign:
        s.list.assign(step.count % 12, step.point);
        s.model.assign(step.count % 12, step.point);
        break;
    case Op::Reserve:
        s.list.reserve(step.count % 20);
        break;
    case Op::Clear:
        s.list.clear();
        s.model.clear();
        break;
    case Op::CopyIn:
        s.list = s.other;
        s.model = s.otherModel;
        break;
    case Op::MoveIn:
        s.list = std::move(s.other);
        s.model = std::move(s.otherModel);
        s.other = PointList();
        s.otherModel.clear();
        break;
    case Op::MoveOut: {
        PointList moved(std::move(s.list));
        s.other = std::move(moved);
        s.otherModel = s.model;
        s.list = PointList();
        s.model.clear();
        break;
    }
    case Op::CopyOut:
        s.other = PointList(s.list);
        s.otherModel = s.model;
        break;
    }
}

// The step after which the list first differs from the model; 0 for none.
std::size_t FirstDifference(const std::vector<Step>& steps)
{
    Pair s;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Apply(s, steps[i]);
        const bool same = s.list.ToVector() == s.model && s.other.ToVector() == s.otherModel &&
                          s.list.size() == s.model.size() && s.list.capacity() >= s.list.size() &&
                          (s.list == PointList(s.model));
        if (!same)
            return i + 1;
    }
    return 0;
}

std::vector<Step> RandomSteps(unsigned seed, int count)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> op(0, static_cast<int>(Op::CopyOut));
    std::uniform_int_distribution<int> small(0, 40);
    std::vector<Step> steps;
    for (int i = 0; i < count; ++i)
        steps.push_back({static_cast<Op>(op(random)),
                         static_cast<std::size_t>(small(random)),
                         static_cast<std::size_t>(small(random)),
                         {small(random) - 20, small(random)}});
    return steps;
}

} // namespace

TEST(PointList, BehavesAsAVectorOfPoints)
{
    for (unsigned seed : {1u, 2u, 3u, 4u}) {
        std::vector<Step> steps = RandomSteps(seed, 4000);
        const std::size_t failedAt = FirstDifference(steps);
        if (failedAt == 0)
            continue;
        steps.resize(failedAt);
        const std::vector<Step> shortest =
            ShrinkSteps(steps, [](const std::vector<Step>& some) { return FirstDifference(some) != 0; });
        std::ostringstream report;
        report << "seed " << seed << ", step " << failedAt << "; shortest failing steps:";
        for (const Step& s : shortest)
            report << " (" << static_cast<int>(s.op) << ' ' << s.at << ' ' << s.count << ')';
        FAIL() << report.str();
    }
}

TEST(PointList, KeepsFewPointsInside)
{
    PointList rect{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    EXPECT_EQ(rect.capacity(), PointList::kInline);
    const Point* inside = rect.data();
    PointList moved(std::move(rect));
    EXPECT_NE(moved.data(), inside); // copied out of the other list, not pointing into it
    EXPECT_EQ(moved, (PointList{{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
    EXPECT_TRUE(rect.empty());
}

TEST(PointList, AMovedLongListKeepsItsBlock)
{
    PointList polygon;
    for (int i = 0; i < 100; ++i)
        polygon.push_back({i, -i});
    const Point* block = polygon.data();
    PointList moved(std::move(polygon));
    EXPECT_EQ(moved.data(), block);
    EXPECT_EQ(moved.size(), 100u);
    EXPECT_EQ(moved.back(), (Point{99, -99}));
    EXPECT_TRUE(polygon.empty());
    polygon.push_back({1, 1}); // the moved-from list is usable again
    EXPECT_EQ(polygon.size(), 1u);
}

TEST(PointList, InsertsAPointOfItsOwn)
{
    PointList list{{1, 1}, {2, 2}, {3, 3}, {4, 4}};
    list.insert(list.begin(), list.back()); // grows while the point is read from the old block
    EXPECT_EQ(list, (PointList{{4, 4}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}));
}
