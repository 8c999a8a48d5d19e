#include "services/refit/TransformFinder.h"

#include "tests/services/refit/RefitScenes.h"
#include "tests/services/refit/RefitTruth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iostream>

using namespace refitscenes;

namespace
{

constexpr int kWidth = 480, kHeight = 360;
constexpr std::uint32_t kSeed = 3;

// The areas the map holds over the old picture, one of each shape.
std::vector<CMapData> MapAreas()
{
    std::vector<CMapData> areas(4);
    areas[0].m_shape = ShapeRect;
    areas[0].m_points = {{150, 110}, {330, 110}, {330, 250}, {150, 250}};
    areas[1].m_shape = ShapeCirc;
    areas[1].m_points = {{200, 140}, {280, 140}, {280, 220}, {200, 220}}; // centre (240, 180), radius 40
    areas[2].m_shape = ShapePoly;
    areas[2].m_points = {{120, 120}, {360, 130}, {350, 300}, {240, 270}, {130, 310}};
    areas[3].m_shape = ShapeRect;
    areas[3].m_points = {{300, 200}, {470, 200}, {470, 350}, {300, 350}}; // near the bottom-right corner
    return areas;
}

struct Change {
    const char* name;
    PictureTransform oldToNew;
    int width, height;
};

void PrintTo(const Change& c, std::ostream* os)
{
    *os << c.name;
}

class RefitChangeTest : public ::testing::TestWithParam<Change>
{
};

// Every area lands within a pixel of where it belongs, whatever was done to
// the picture.
TEST_P(RefitChangeTest, EveryPointLandsWithinAPixel)
{
    const Change& c = GetParam();
    const Scene scene(kWidth, kHeight, kSeed);
    const Picture older = scene.Draw();
    const Picture newer = scene.Draw(c.oldToNew, c.width, c.height);
    const RefitResult r = TransformFinder().Find(older.Pixels(), newer.Pixels());
    ASSERT_TRUE(r.Ok()) << "refused: " << int(r.failure) << ", " << r.agreeing << " of " << r.matched;
    EXPECT_EQ(r.method, RefitMethod::Features);
    EXPECT_GE(r.agreeing, 12);
    EXPECT_LT(r.residual, 1.0);
    const double worst = refittruth::WorstError(MapAreas(), r.transform, c.oldToNew, {c.width, c.height});
    std::cout << "[ refit    ] " << c.name << ": worst error " << worst << " px, " << r.agreeing << " of " << r.matched
              << " features agree, residual " << r.residual << " px\n";
    EXPECT_LE(worst, 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Scene, RefitChangeTest,
    ::testing::Values(Change{"half", PictureTransform::ScaleShift(0.5, 0.5), 240, 180},
                      Change{"larger", PictureTransform::ScaleShift(658.0 / kWidth, 493.0 / kHeight), 658, 493},
                      Change{"stretched", PictureTransform::ScaleShift(1.25, 0.8), 600, 288},
                      // 100 pixels cut off the left and the top.
                      Change{"cropped", PictureTransform::ScaleShift(1, 1, -100, -100), kWidth - 100, kHeight - 100},
                      // A margin of 60 on the left, 40 on top, 30 on the right and 50 below.
                      Change{"padded", PictureTransform::ScaleShift(1, 1, 60, 40), kWidth + 90, kHeight + 90},
                      Change{"rotated", PictureTransform::Rotation(2, kWidth / 2.0, kHeight / 2.0), kWidth, kHeight}),
    [](const ::testing::TestParamInfo<Change>& info) { return info.param.name; });

TEST(TransformFinderTest, TheSamePictureIsTheIdentity)
{
    const Picture picture = Scene(kWidth, kHeight, kSeed).Draw();
    const RefitResult r = TransformFinder().Find(picture.Pixels(), picture.Pixels());
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.transform.A(), 1);
    EXPECT_EQ(r.transform.E(), 1);
    EXPECT_EQ(r.transform.C(), 0);
    EXPECT_EQ(r.transform.F(), 0);
}

// A resize comes out as the ratio of the sizes exactly, not a near miss.
TEST(TransformFinderTest, AResizeIsTheRatioOfTheSizes)
{
    const Scene scene(kWidth, kHeight, kSeed);
    const Picture newer = scene.Draw(PictureTransform::ScaleShift(0.5, 0.5), 240, 180);
    const RefitResult r = TransformFinder().Find(scene.Draw().Pixels(), newer.Pixels());
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.transform.A(), 0.5);
    EXPECT_EQ(r.transform.E(), 0.5);
    EXPECT_EQ(r.transform.B(), 0);
    EXPECT_EQ(r.transform.C(), 0);
}

TEST(TransformFinderTest, AnotherSceneIsRefused)
{
    const Picture older = Scene(kWidth, kHeight, kSeed).Draw();
    const Scene other(kWidth, kHeight, kSeed + 10);
    for (const Picture& newer : {other.Draw(), other.Draw(PictureTransform::ScaleShift(0.5, 0.5), 240, 180)}) {
        const RefitResult r = TransformFinder().Find(older.Pixels(), newer.Pixels());
        EXPECT_EQ(r.failure, RefitFailure::NotSameScene) << newer.width;
    }
}

// Turned a quarter of the way round: the pictures match, but no re-export
// of the picture turns it that far, and no rectangle would stay one.
TEST(TransformFinderTest, AFarTurnIsRefused)
{
    const Scene scene(kWidth, kHeight, kSeed);
    const Picture newer = scene.Draw(PictureTransform::Rotation(30, kWidth / 2.0, kHeight / 2.0), kWidth, kHeight);
    EXPECT_EQ(TransformFinder().Find(scene.Draw().Pixels(), newer.Pixels()).failure, RefitFailure::NotAReExport);
}

// A few large flat shapes give too few features; resized, the picture is
// still recognised by its likeness at the ratio of the sizes.
TEST(TransformFinderTest, APlainPictureResizedIsTakenAtTheRatioOfItsSizes)
{
    const Scene plain(kWidth, kHeight, kSeed, true);
    const Picture newer = plain.Draw(PictureTransform::ScaleShift(0.75, 0.5), 360, 180);
    const RefitResult r = TransformFinder().Find(plain.Draw().Pixels(), newer.Pixels());
    ASSERT_TRUE(r.Ok()) << int(r.failure);
    EXPECT_DOUBLE_EQ(r.transform.A(), 0.75);
    EXPECT_DOUBLE_EQ(r.transform.E(), 0.5);
    EXPECT_EQ(r.transform.C(), 0);
    EXPECT_EQ(r.transform.F(), 0);
}

// One flat colour against another: nothing to match and no likeness.
TEST(TransformFinderTest, TwoFlatPicturesOfOtherColoursAreRefused)
{
    Picture grey{200, 100, std::vector<std::uint32_t>(200 * 100, 0xFF808080u)};
    Picture red{200, 100, std::vector<std::uint32_t>(200 * 100, 0xFFE02020u)};
    EXPECT_EQ(TransformFinder().Find(grey.Pixels(), red.Pixels()).failure, RefitFailure::TooLittleDetail);
}

// The same picture stored bottom-up with three bytes a pixel gives the same answer.
TEST(TransformFinderTest, BottomUpPixelsAreReadTheSame)
{
    const Scene scene(kWidth, kHeight, kSeed);
    const Picture older = scene.Draw();
    const Picture newer = scene.Draw(PictureTransform::ScaleShift(1, 1, -30, -20), kWidth - 60, kHeight - 50);
    const std::ptrdiff_t stride = (std::ptrdiff_t(newer.width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> bytes(std::size_t(stride) * newer.height);
    for (int y = 0; y < newer.height; ++y) {
        std::uint8_t* row = bytes.data() + std::size_t(newer.height - 1 - y) * stride;
        for (int x = 0; x < newer.width; ++x) {
            const std::uint32_t c = newer.bgrx[std::size_t(y) * newer.width + x];
            row[3 * x] = c & 0xFF;
            row[3 * x + 1] = (c >> 8) & 0xFF;
            row[3 * x + 2] = (c >> 16) & 0xFF;
        }
    }
    const PixelView bottomUp{bytes.data() + std::size_t(newer.height - 1) * stride, -stride, newer.width, newer.height,
                             3};
    const RefitResult r = TransformFinder().Find(older.Pixels(), bottomUp);
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.transform.C(), -30);
    EXPECT_EQ(r.transform.F(), -20);
    EXPECT_EQ(r.transform.A(), 1);
}

TEST(TransformFinderTest, NoPixelsIsNoPicture)
{
    const Picture picture = Scene(64, 64, kSeed).Draw();
    EXPECT_EQ(TransformFinder().Find(PixelView{}, picture.Pixels()).failure, RefitFailure::NoPicture);
    PixelView odd = picture.Pixels();
    odd.bytesPerPixel = 2;
    EXPECT_EQ(TransformFinder().Find(picture.Pixels(), odd).failure, RefitFailure::NoPicture);
    // Another form of the colours than the drawn ones, and opacity in
    // pixels of three bytes, are no picture to match either.
    PixelView lab = picture.Pixels();
    lab.bytes = PixelBytes::Laba;
    EXPECT_EQ(TransformFinder().Find(lab, picture.Pixels()).failure, RefitFailure::NoPicture);
    PixelView threeWithOpacity = picture.Pixels();
    threeWithOpacity.bytesPerPixel = 3;
    threeWithOpacity.bytes = PixelBytes::Bgra;
    EXPECT_EQ(TransformFinder().Find(picture.Pixels(), threeWithOpacity).failure, RefitFailure::NoPicture);
}

TEST(TransformFinderTest, FromSizesStretchesTheOldFrameOverTheNewPicture)
{
    const RefitResult r = TransformFinder::FromSizes({800, 600}, {400, 450});
    ASSERT_TRUE(r.Ok());
    EXPECT_EQ(r.method, RefitMethod::MapSize);
    EXPECT_DOUBLE_EQ(r.transform.ScaleX(), 0.5);
    EXPECT_DOUBLE_EQ(r.transform.ScaleY(), 0.75);
    EXPECT_EQ(TransformFinder::FromSizes({}, {400, 450}).failure, RefitFailure::NoOldSize);
    EXPECT_EQ(TransformFinder::FromSizes({800, 600}, {}).failure, RefitFailure::NoPicture);
    // Shrunk sixty times: no export of the same picture for the same page.
    EXPECT_EQ(TransformFinder::FromSizes({6000, 4000}, {100, 80}).failure, RefitFailure::NotAReExport);
}

struct Way {
    const char* name;
    PictureTransform t;
    bool reExport;
};

void PrintTo(const Way& w, std::ostream* os)
{
    *os << w.name;
}

class ReExportTest : public ::testing::TestWithParam<Way>
{
};

TEST_P(ReExportTest, IsTold)
{
    EXPECT_EQ(TransformFinder::IsReExport(GetParam().t), GetParam().reExport);
}

INSTANTIATE_TEST_SUITE_P(Ways, ReExportTest,
                         ::testing::Values(Way{"identity", PictureTransform(), true},
                                           Way{"small", PictureTransform::ScaleShift(1.0 / 15, 1.0 / 15), true},
                                           Way{"tiny", PictureTransform::ScaleShift(1.0 / 17, 1.0 / 17), false},
                                           Way{"stretched", PictureTransform::ScaleShift(3.9, 1), true},
                                           Way{"overstretched", PictureTransform::ScaleShift(4.1, 1), false},
                                           Way{"turned", PictureTransform::Rotation(9.9, 0, 0), true},
                                           Way{"overturned", PictureTransform::Rotation(-10.1, 0, 0), false},
                                           Way{"mirrored", PictureTransform::ScaleShift(-1, 1), false},
                                           Way{"upsideDown", PictureTransform::ScaleShift(-1, -1), false},
                                           Way{"slanted", PictureTransform(1, 0.1, 0, 0, 1, 0), false},
                                           Way{"flat", PictureTransform(1, 1, 0, 1, 1, 0), false},
                                           Way{"notANumber", PictureTransform(std::nan(""), 0, 0, 0, 1, 0), false}),
                         [](const ::testing::TestParamInfo<Way>& info) { return info.param.name; });

} // namespace
