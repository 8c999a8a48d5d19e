#include "services/refit/ReferenceFit.h"

#include <gtest/gtest.h>

#include <ostream>

#include <vector>

namespace
{

std::vector<ReferencePair> PairsUnder(const PictureTransform& t, std::vector<PlanePoint> oldPoints)
{
    std::vector<ReferencePair> pairs;
    for (const PlanePoint& p : oldPoints)
        pairs.push_back({p, t.Apply(p)});
    return pairs;
}

void ExpectSame(const PictureTransform& got, const PictureTransform& want)
{
    EXPECT_NEAR(got.A(), want.A(), 1e-9);
    EXPECT_NEAR(got.B(), want.B(), 1e-9);
    EXPECT_NEAR(got.C(), want.C(), 1e-7);
    EXPECT_NEAR(got.D(), want.D(), 1e-9);
    EXPECT_NEAR(got.E(), want.E(), 1e-9);
    EXPECT_NEAR(got.F(), want.F(), 1e-7);
}

// Three pairs give the transform they were made with, turn and stretch included.
TEST(ReferenceFitTest, ThreePairsGiveTheExactTransform)
{
    const PictureTransform truth =
        PictureTransform::Rotation(2, 400, 300).After(PictureTransform::ScaleShift(1.37, 0.8, -100, 60));
    const ReferenceFit fit = ReferenceFit::From(PairsUnder(truth, {{10, 20}, {700, 35}, {350, 560}}), {});
    ASSERT_TRUE(fit.Ok());
    ExpectSame(fit.transform, truth);
}

// Two pairs give a scale across, a scale down and a shift.
TEST(ReferenceFitTest, TwoPairsGiveScalesAndShift)
{
    const PictureTransform truth = PictureTransform::ScaleShift(0.5, 1.25, 30, -12);
    const ReferenceFit fit = ReferenceFit::From(PairsUnder(truth, {{100, 80}, {500, 400}}), {});
    ASSERT_TRUE(fit.Ok());
    ExpectSame(fit.transform, truth);
}

// Two pairs on one line across: the scale down follows the scale across.
TEST(ReferenceFitTest, TwoPairsAcrossScaleBothAxesAlike)
{
    const PictureTransform truth = PictureTransform::ScaleShift(2, 2, 5, 7);
    const ReferenceFit fit = ReferenceFit::From(PairsUnder(truth, {{100, 80}, {300, 81}}), {});
    ASSERT_TRUE(fit.Ok());
    EXPECT_NEAR(fit.transform.A(), 2, 1e-12);
    EXPECT_NEAR(fit.transform.E(), 2, 1e-12);
    EXPECT_NEAR(fit.transform.Apply({100, 80}).x, 205, 1e-9);
}

// One pair moves the transform found from the pictures, which keeps its scale and turn.
TEST(ReferenceFitTest, OnePairShiftsTheGuide)
{
    const PictureTransform guide = PictureTransform::Rotation(1, 0, 0).After(PictureTransform::ScaleShift(0.5, 0.5));
    const ReferenceFit fit = ReferenceFit::From(std::vector<ReferencePair>{{{200, 100}, {130, 70}}}, guide);
    ASSERT_TRUE(fit.Ok());
    EXPECT_DOUBLE_EQ(fit.transform.A(), guide.A());
    EXPECT_DOUBLE_EQ(fit.transform.D(), guide.D());
    EXPECT_NEAR(fit.transform.Apply({200, 100}).x, 130, 1e-9);
    EXPECT_NEAR(fit.transform.Apply({200, 100}).y, 70, 1e-9);
}

TEST(ReferenceFitTest, AFourthPairIsNotUsed)
{
    const PictureTransform truth = PictureTransform::ScaleShift(3, 3, 1, 2);
    std::vector<ReferencePair> pairs = PairsUnder(truth, {{0, 0}, {100, 0}, {0, 100}});
    pairs.push_back({{50, 50}, {0, 0}});
    const ReferenceFit fit = ReferenceFit::From(pairs, {});
    ASSERT_TRUE(fit.Ok());
    ExpectSame(fit.transform, truth);
}

struct Refusal {
    const char* name;
    std::vector<ReferencePair> pairs;
    ReferenceFailure failure;
};

void PrintTo(const Refusal& r, std::ostream* os)
{
    *os << r.name;
}

class ReferenceRefusalTest : public ::testing::TestWithParam<Refusal>
{
};

TEST_P(ReferenceRefusalTest, IsRefusedWithItsReason)
{
    EXPECT_EQ(ReferenceFit::From(GetParam().pairs, {}).failure, GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ReferenceRefusalTest,
    ::testing::Values(
        // No pairs: nothing to go by.
        Refusal{"none", {}, ReferenceFailure::NoPairs},
        // Two old points a pixel apart: no scale can be read from them.
        Refusal{"close", {{{10, 10}, {20, 20}}, {{11, 11}, {40, 40}}}, ReferenceFailure::TooClose},
        // Three old points on one line: no plane through them.
        Refusal{
            "line", {{{0, 0}, {0, 0}}, {{100, 100}, {50, 50}}, {{200, 201}, {90, 120}}}, ReferenceFailure::OnOneLine},
        // The second point left of the first in the old picture, right of it in the new.
        Refusal{"swapped", {{{0, 0}, {100, 0}}, {{100, 100}, {0, 100}}}, ReferenceFailure::Mirrored},
        // Three pairs that turn the picture over.
        Refusal{"mirror", {{{0, 0}, {0, 0}}, {{100, 0}, {0, 100}}, {{0, 100}, {100, 0}}}, ReferenceFailure::Mirrored}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return info.param.name; });

} // namespace
