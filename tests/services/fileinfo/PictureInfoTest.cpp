#include "services/fileinfo/PictureInfo.h"
#include "services/text/Utf8Bridge.h"

#include <gtest/gtest.h>

using pictureinfo::FitRect;
using pictureinfo::KindOf;

TEST(PictureInfo, KindComesFromTheExtensionInAnyCase)
{
    EXPECT_EQ(KindOf("/p/a.jpg"), PictureJpeg);
    EXPECT_EQ(KindOf("/p/a.JPG"), PictureJpeg);
    EXPECT_EQ(KindOf("/p/a.Jpeg"), PictureJpeg);
    EXPECT_EQ(KindOf("/p/a.gif"), PictureGif);
    EXPECT_EQ(KindOf("/p/a.PNG"), PicturePng);
    EXPECT_EQ(KindOf("/p/a.bmp"), PictureBmp);
    EXPECT_EQ(KindOf("/p/a.tif"), PictureNone);
    EXPECT_EQ(KindOf("/p/picture"), PictureNone);
    EXPECT_EQ(KindOf("/dev/C#/pics/a.png"), PicturePng); // a '#' in a folder is no anchor
    EXPECT_EQ(KindOf("/a.gif"), PictureGif);
    EXPECT_EQ(KindOf("/p.png/picture"), PictureNone); // a dot in a folder is no extension
    EXPECT_EQ(KindOf("/p/a.png.txt"), PictureNone);
    // A Shift-JIS name whose trail byte is a '.' lookalike is stepped over whole.
    EXPECT_EQ(KindOf("/写真/ソ.png"), PicturePng);
    EXPECT_EQ(KindOf("/Café/naïve.PNG"), PicturePng);
}

TEST(PictureInfo, FitRectNeverEnlargesAndCentres)
{
    const Rect box{0, 0, 200, 200};
    // Too wide and too tall, wider than tall: the width decides.
    EXPECT_EQ(FitRect(box, 400, 300), (Rect{0, 25, 200, 175}));
    // Taller than wide: the height decides.
    EXPECT_EQ(FitRect(box, 300, 400), (Rect{25, 0, 175, 200}));
    // Fits already: natural size, centred.
    EXPECT_EQ(FitRect(box, 100, 50), (Rect{50, 75, 150, 125}));
    // Only too tall, and only too wide.
    EXPECT_EQ(FitRect(box, 100, 400), (Rect{75, 0, 125, 200}));
    EXPECT_EQ(FitRect(box, 400, 100), (Rect{0, 75, 200, 125}));
    // Wider than tall but the box is flatter still: 100 x 75 is too tall, so 40 x 30.
    EXPECT_EQ(FitRect(Rect{10, 20, 110, 50}, 400, 300), (Rect{40, 20, 80, 50}));
    // Offsets are measured from the box's corner.
    EXPECT_EQ(FitRect(Rect{5, 7, 205, 207}, 400, 300), (Rect{5, 32, 205, 182}));
    // Truncation, not rounding: 200/3 * 2 = 133.33.
    EXPECT_EQ(FitRect(box, 300, 200).bottom - FitRect(box, 300, 200).top, 133);
}

TEST(PictureInfo, FitRectOfNothingStaysEmpty)
{
    EXPECT_TRUE(FitRect(Rect{0, 0, 0, 0}, 400, 300).IsEmpty());
    EXPECT_TRUE(FitRect(Rect{0, 0, 100, 100}, 0, 0).IsEmpty());
}

TEST(PictureInfo, SizeTextsUseThousandByteKilobytes)
{
    EXPECT_EQ(pictureinfo::KilobyteText(12345), "12.3");
    EXPECT_EQ(pictureinfo::KilobyteText(1000), "1.0");
    EXPECT_EQ(pictureinfo::KilobyteText(35200), "35.2");
    EXPECT_EQ(pictureinfo::KilobyteText(0), "0.0");
    EXPECT_EQ(pictureinfo::NumberText(640), "640");
}

TEST(PictureInfo, StatusTextNamesTheType)
{
    EXPECT_EQ(pictureinfo::StatusText("640", "480", "35.2", "/p/a.jpg"), " W640×H480 35.2KByte JPEG");
    EXPECT_EQ(pictureinfo::StatusText("1", "2", "0.1", "/p/a.jfif"), " W1×H2 0.1KByte JPEG");
    EXPECT_EQ(pictureinfo::StatusText("1", "2", "0.1", "/p/a.Jpe"), " W1×H2 0.1KByte JPEG");
    EXPECT_EQ(pictureinfo::StatusText("1", "2", "0.1", "/Café/naïve.png"), " W1×H2 0.1KByte PNG");
    EXPECT_EQ(pictureinfo::StatusText("1", "2", "", "/p/a.png"), "");
}
