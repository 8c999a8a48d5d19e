// The document's picture replacement: one undo step for the picture, WIDTH
// and HEIGHT and every area's points, undone and redone whole.
#include "model/CZephyrmapDoc.h"

#include "services/settings/AppSettings.h"
#include "tests/model/FakeFrame.h"

#include <gtest/gtest.h>

namespace
{

std::unique_ptr<CMapData> RectArea(int l, int t, int r, int b)
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = ShapeRect;
    a->m_points = {{l, t}, {r, t}, {r, b}, {l, b}};
    return a;
}

struct PictureReplacementTest : ::testing::Test {
    AppSettings settings;
    FakeFrame frame;
    FakePictures pictures;
    CZephyrmapDoc doc{settings, &frame, &pictures};

    void SetUp() override
    {
        doc.SetPicture("/pics/800x600.png");
        doc.AddAreaUndoable(RectArea(100, 100, 300, 200));
        doc.AddAreaUndoable(RectArea(400, 300, 600, 500));
    }

    PictureReplacement Halved()
    {
        PictureReplacement r{"/pics/400x300.png", "400", "300", {}};
        r.areas.emplace_back(doc.AreaAt(0), PointList{{50, 50}, {150, 50}, {150, 100}, {50, 100}});
        r.areas.emplace_back(doc.AreaAt(1), PointList{{200, 150}, {300, 150}, {300, 250}, {200, 250}});
        return r;
    }

    std::string State()
    {
        std::string s = doc.ImageSrc() + " " + doc.Width() + "x" + doc.Height();
        for (const auto& a : doc.Areas())
            s += " " + a->FormatCoords();
        return s;
    }
};

TEST_F(PictureReplacementTest, SetsThePictureTheSizeAndThePoints)
{
    doc.ReplacePictureUndoable(Halved());
    EXPECT_EQ(State(), "/pics/400x300.png 400x300 50,50,150,100 200,150,300,250");
    int width = 0, height = 0;
    ASSERT_TRUE(pictures.LoadedSize(width, height));
    EXPECT_EQ(width, 400);
    EXPECT_TRUE(doc.IsModified());
    // The hit region follows the new points.
    EXPECT_TRUE(doc.AreaAt(0)->ContainsPoint(60, 60));
    EXPECT_FALSE(doc.AreaAt(0)->ContainsPoint(250, 150));
}

TEST_F(PictureReplacementTest, IsOneUndoStep)
{
    const std::string before = State();
    const std::size_t depth = doc.History().UndoDepth();
    doc.ReplacePictureUndoable(Halved());
    EXPECT_EQ(doc.History().UndoDepth(), depth + 1);
    const std::string after = State();
    doc.Undo();
    EXPECT_EQ(State(), before);
    int width = 0, height = 0;
    pictures.LoadedSize(width, height);
    EXPECT_EQ(width, 800); // the old picture is loaded again
    doc.Redo();
    EXPECT_EQ(State(), after);
    doc.Undo();
    EXPECT_EQ(State(), before);
}

// A map whose WIDTH and HEIGHT were not its picture's size (its picture was
// exported again over the same file) gets them back exactly on undo, not
// the picture's size.
TEST_F(PictureReplacementTest, UndoRestoresWidthAndHeightAsTheyWere)
{
    doc.SetAttribute(AttrWidth, "1600");
    doc.SetAttribute(AttrHeight, "1200");
    PictureReplacement r = Halved();
    r.path = "/pics/800x600.png";
    r.width = "800";
    r.height = "600";
    doc.ReplacePictureUndoable(r);
    EXPECT_EQ(doc.Width(), "800");
    doc.Undo();
    EXPECT_EQ(doc.Width(), "1600");
    EXPECT_EQ(doc.Height(), "1200");
    doc.Redo();
    EXPECT_EQ(doc.Width(), "800");
}

TEST_F(PictureReplacementTest, EmptiesRedo)
{
    doc.AddAreaUndoable(RectArea(0, 0, 5, 5));
    doc.Undo();
    ASSERT_TRUE(doc.CanRedo());
    doc.ReplacePictureUndoable(Halved());
    EXPECT_FALSE(doc.CanRedo());
}

// A picture replaced with no areas to carry is still a step.
TEST_F(PictureReplacementTest, WithoutAreasIsAStepToo)
{
    PictureReplacement r{"/pics/10x10.png", "10", "10", {}};
    const std::size_t depth = doc.History().UndoDepth();
    doc.ReplacePictureUndoable(r);
    EXPECT_EQ(doc.History().UndoDepth(), depth + 1);
    doc.Undo();
    EXPECT_EQ(doc.ImageSrc(), "/pics/800x600.png");
    EXPECT_EQ(doc.Width(), "800");
}

} // namespace
