#include "services/refit/PictureTransform.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

void ExpectPoint(PlanePoint p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(PictureTransformTest, ScaleShiftCarriesCornersOfPixels)
{
    const PictureTransform t = PictureTransform::ScaleShift(0.5, 2, 10, -4);
    ExpectPoint(t.Apply({0, 0}), 10, -4);
    ExpectPoint(t.Apply({100, 30}), 60, 56);
    EXPECT_DOUBLE_EQ(t.ScaleX(), 0.5);
    EXPECT_DOUBLE_EQ(t.ScaleY(), 2);
    EXPECT_DOUBLE_EQ(t.MeanScale(), 1.25);
    EXPECT_DOUBLE_EQ(t.RotationDegrees(), 0);
    EXPECT_DOUBLE_EQ(t.Shear(), 0);
}

// Clockwise on the screen: the x axis turns down, towards positive y.
TEST(PictureTransformTest, RotationTurnsAboutItsCentreClockwiseOnTheScreen)
{
    const PictureTransform t = PictureTransform::Rotation(90, 50, 50);
    ExpectPoint(t.Apply({50, 50}), 50, 50);
    ExpectPoint(t.Apply({60, 50}), 50, 60);
    EXPECT_NEAR(t.RotationDegrees(), 90, 1e-9);
    EXPECT_NEAR(t.ScaleX(), 1, 1e-12);
    EXPECT_NEAR(t.Shear(), 0, 1e-12);
}

TEST(PictureTransformTest, AfterAppliesTheFirstOneFirst)
{
    const PictureTransform scale = PictureTransform::ScaleShift(2, 3);
    const PictureTransform shift = PictureTransform::ScaleShift(1, 1, 5, 7);
    ExpectPoint(shift.After(scale).Apply({1, 1}), 7, 10);
    ExpectPoint(scale.After(shift).Apply({1, 1}), 12, 24);
}

TEST(PictureTransformTest, InverseUndoesIt)
{
    const PictureTransform t =
        PictureTransform::Rotation(2, 240, 180).After(PictureTransform::ScaleShift(1.37, 0.8, 3, 9));
    const std::optional<PictureTransform> back = t.Inverse();
    ASSERT_TRUE(back);
    const PlanePoint p = back->Apply(t.Apply({123.25, -45.5}));
    ExpectPoint(p, 123.25, -45.5);
}

TEST(PictureTransformTest, AFlatTransformHasNoInverse)
{
    EXPECT_FALSE(PictureTransform(1, 2, 0, 2, 4, 0).Inverse());
    EXPECT_FALSE(PictureTransform::ScaleShift(0, 1).Inverse());
}

TEST(PictureTransformTest, ShearIsTheCosineBetweenTheCarriedAxes)
{
    EXPECT_NEAR(PictureTransform(1, 1, 0, 0, 1, 0).Shear(), std::sqrt(0.5), 1e-12);
}

TEST(PictureTransformTest, FiniteTellsANumberFromNotANumber)
{
    EXPECT_TRUE(PictureTransform().Finite());
    EXPECT_FALSE(PictureTransform(1, 0, std::nan(""), 0, 1, 0).Finite());
    EXPECT_FALSE(PictureTransform::ScaleShift(1, HUGE_VAL).Finite());
}

} // namespace
