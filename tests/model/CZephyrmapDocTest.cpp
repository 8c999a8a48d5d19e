#include "model/CZephyrmapDoc.h"

#include "model/Messages.h"
#include "services/settings/AppSettings.h"
#include "tests/model/FakeFrame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace
{

std::unique_ptr<CMapData> RectArea(int l, int t, int r, int b, const std::string& href = "")
{
    auto a = std::make_unique<CMapData>();
    a->m_shape = ShapeRect;
    a->m_points = {{l, t}, {r, t}, {r, b}, {l, b}};
    a->m_href = href;
    a->BuildRegion();
    return a;
}

// A comparable picture of everything the user can see of the map.
std::string Snapshot(const CZephyrmapDoc& doc)
{
    std::string s;
    for (int i = 0; i < kEditableMapAttributeCount; ++i)
        s += doc.Attribute(static_cast<MapAttribute>(i)) + "|";
    s += doc.Attribute(AttrWidth) + "x" + doc.Attribute(AttrHeight) + "\n";
    for (const auto& a : doc.Areas()) {
        s += std::to_string(a->m_shape) + ":" + a->FormatCoords() + ":" + a->m_href + ":" + a->m_alt + ":" +
             a->m_target + ":" + std::to_string(a->m_noHref) + "\n";
    }
    return s;
}

struct DocTest : ::testing::Test {
    AppSettings settings;
    FakeFrame frame;
    FakePictures pictures;
    CZephyrmapDoc doc{settings, &frame, &pictures};

    void SetUp() override
    {
        doc.EnsureDefaultArea();
        doc.AddAreaUndoable(RectArea(0, 0, 10, 10, "a"));
        doc.AddAreaUndoable(RectArea(20, 0, 30, 10, "b"));
    }
    std::vector<std::string> Hrefs() const
    {
        std::vector<std::string> out;
        for (const auto& a : doc.Areas())
            out.push_back(a->m_shape == ShapeDefault ? "DEF" : a->m_href);
        return out;
    }
};

} // namespace

TEST_F(DocTest, NewAreasGoBeforeTheDefaultAreaWhileTheRuleIsOn)
{
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"a", "b", "DEF"}));
    settings.DefaultAreaTailInEffect = 0;
    doc.AddAreaUndoable(RectArea(0, 0, 1, 1, "c"));
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"a", "b", "DEF", "c"}));
    doc.MoveDefaultAreaToEnd();
    EXPECT_EQ(Hrefs().back(), "DEF");
}

TEST_F(DocTest, CountShownAreasSkipsAnAttributelessDefaultArea)
{
    EXPECT_EQ(doc.CountShownAreas(), 2);
    EXPECT_EQ(frame.lastCount, 2);
    doc.FindDefaultArea()->m_href = "x.html";
    EXPECT_EQ(doc.CountShownAreas(), 3);
}

TEST_F(DocTest, PendingMapEditEnablesUndoBeforeAnyStepAndIsRecordedByUndo)
{
    CZephyrmapDoc fresh(settings, &frame, &pictures);
    EXPECT_FALSE(fresh.CanUndo());
    fresh.SetAttribute(AttrMapName, "typed");
    frame.pendingMap = {"", "typed", AttrMapName};
    fresh.MarkMapEditPending(true);
    EXPECT_TRUE(fresh.CanUndo());
    EXPECT_EQ(fresh.History().UndoDepth(), 0u);
    fresh.Undo();
    EXPECT_EQ(fresh.Attribute(AttrMapName), "");
    EXPECT_FALSE(fresh.IsMapEditPending());
    EXPECT_TRUE(fresh.CanRedo());
    EXPECT_FALSE(fresh.CanUndo());
    fresh.Redo();
    EXPECT_EQ(fresh.Attribute(AttrMapName), "typed");
}

TEST_F(DocTest, NewEditAfterUndoEmptiesRedoWhileRedoKeepsTheOthers)
{
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(doc.History().RedoDepth(), 2u);
    doc.Redo();
    EXPECT_EQ(doc.History().RedoDepth(), 1u);
    EXPECT_TRUE(doc.CanRedo());
    doc.AddAreaUndoable(RectArea(5, 5, 6, 6, "n"));
    EXPECT_EQ(doc.History().RedoDepth(), 0u);
    EXPECT_FALSE(doc.CanRedo());
    // The area whose addition was undone and never redone is freed with its step.
    EXPECT_EQ(doc.History().OwnedCount(), 0u);
}

TEST_F(DocTest, GeometryStepsComeBackAsMoves)
{
    for (UndoKind kind : {UndoAreaReshaped, UndoVertexDeleted}) {
        CMapData* live = doc.AreaAt(0);
        auto before = std::make_unique<CMapData>(*live);
        live->DragRectCorner(50, 50, 2, true);
        UndoStep step;
        step.kind = kind;
        doc.RecordEdit(step, std::move(before), live, true);
        doc.Undo();
        EXPECT_EQ(doc.AreaAt(0)->FormatCoords(), "0,0,10,10");
        doc.Redo();
        EXPECT_EQ(doc.AreaAt(0)->FormatCoords(), "0,0,50,50");
        EXPECT_EQ(doc.History().UndoSteps().front().kind, UndoAreaMoved);
        doc.Undo();
    }
}

TEST_F(DocTest, MoveFromZeroToThreeAndItsUndo)
{
    doc.AddAreaUndoable(RectArea(0, 0, 1, 1, "c")); // a b c DEF
    EXPECT_TRUE(doc.MoveAreaUndoable(3, 0));
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"b", "c", "a", "DEF"}));
    doc.Undo();
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"a", "b", "c", "DEF"}));
    doc.Redo();
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"b", "c", "a", "DEF"}));
    EXPECT_TRUE(doc.MoveAreaUndoable(0, 2));
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"a", "b", "c", "DEF"}));
    doc.Undo();
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"b", "c", "a", "DEF"}));
}

TEST_F(DocTest, MoveOntoItselfDoesNothing)
{
    const std::size_t depth = doc.History().UndoDepth();
    EXPECT_FALSE(doc.MoveAreaUndoable(1, 1));
    EXPECT_FALSE(doc.MoveAreaUndoable(2, 1));
    EXPECT_FALSE(doc.MoveAreaInList(9, 0));
    EXPECT_EQ(doc.History().UndoDepth(), depth);
}

TEST_F(DocTest, UndoingARemovalPutsTheAreaBackInItsPlace)
{
    doc.RemoveAreaUndoable(*doc.GetPositionAt(0));
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"b", "DEF"}));
    doc.Undo();
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"a", "b", "DEF"}));
    doc.Redo();
    EXPECT_EQ(Hrefs(), (std::vector<std::string>{"b", "DEF"}));
}

TEST_F(DocTest, AreaAttributeEditIsOneStepPerEpisode)
{
    CMapData* live = doc.AreaAt(1);
    frame.pendingBefore = std::make_unique<CMapData>(*live);
    frame.pendingLive = live;
    live->m_alt = "first";
    doc.AreaAttributesChanged(true);
    live->m_alt = "second";
    doc.AreaAttributesChanged(true);
    doc.Undo();
    EXPECT_EQ(frame.consumed, 1);
    EXPECT_EQ(live->m_alt, "");
    EXPECT_NE(std::find(frame.calls.begin(), frame.calls.end(), "tab1"), frame.calls.end());
    doc.Redo();
    EXPECT_EQ(live->m_alt, "second");
}

TEST_F(DocTest, PictureAttributeRestoresTheSize)
{
    doc.SetPicture("/pics/640x480.png");
    EXPECT_EQ(doc.Attribute(AttrWidth), "640");
    doc.RecordMapEdit({"", "/pics/640x480.png", AttrImageSrc}, true);
    doc.SetPicture("/pics/10x20.png");
    doc.RecordMapEdit({"/pics/640x480.png", "/pics/10x20.png", AttrImageSrc}, true);
    doc.Undo();
    EXPECT_EQ(doc.Attribute(AttrImageSrc), "/pics/640x480.png");
    EXPECT_EQ(doc.Attribute(AttrHeight), "480");
    doc.SetPicture("/missing.png");
    EXPECT_EQ(doc.Attribute(AttrWidth), "");
}

TEST_F(DocTest, AMapEditThatEndsWhereItBeganRecordsNothing)
{
    doc.SetAttribute(AttrImgAlt, "a");
    doc.RecordMapEdit({"", "a", AttrImgAlt}, true);
    doc.Undo();
    ASSERT_TRUE(doc.CanRedo());
    const std::size_t steps = doc.History().UndoDepth();
    doc.RecordMapEdit({"", "", AttrImgAlt}, true);
    EXPECT_EQ(doc.History().UndoDepth(), steps);
    EXPECT_TRUE(doc.CanRedo());
    doc.Redo();
    EXPECT_EQ(doc.Attribute(AttrImgAlt), "a");
}

TEST_F(DocTest, DeleteContentsClearsEverything)
{
    doc.SetAttribute(AttrMapName, "m");
    doc.MarkMapEditPending(true);
    doc.Undo();
    ASSERT_TRUE(doc.CanRedo());
    doc.DeleteContents();
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_FALSE(doc.CanRedo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.AreaCount(), 0);
    EXPECT_EQ(doc.Title(), texts::Untitled());
    EXPECT_EQ(frame.title, "無題"); // 無題
    EXPECT_EQ(doc.History().OwnedCount(), 0u);
    EXPECT_EQ(frame.calls.back(), "reset");
}

// The title is the file's name: a '#' in a folder is no anchor, and a file
// in "/" loses its '/'.
TEST_F(DocTest, TitleIsTheFileName)
{
    doc.SetPathName("/dev/C#/maps/site.zmf");
    EXPECT_EQ(doc.Title(), "site.zmf");
    EXPECT_EQ(frame.title, "site.zmf");
    doc.SetPathName("/a.zmf");
    EXPECT_EQ(doc.Title(), "a.zmf");
}

TEST_F(DocTest, EnsureDefaultAreaPutsOneAtTheHead)
{
    CZephyrmapDoc fresh(settings);
    fresh.InsertArea(RectArea(0, 0, 1, 1));
    fresh.EnsureDefaultArea();
    fresh.EnsureDefaultArea();
    ASSERT_EQ(fresh.AreaCount(), 2);
    EXPECT_EQ(fresh.AreaAt(0)->m_shape, ShapeDefault);
    EXPECT_EQ(fresh.AreaAt(0)->FormatCoords(), "0,0,0,0");
}

// What the frame does before a new editing episode begins.
static void CommitEpisodes(CZephyrmapDoc& doc, FakeFrame& frame)
{
    if (doc.IsMapEditPending())
        doc.RecordMapEdit(frame.pendingMap, true);
    if (doc.IsAreaEditPending())
        doc.RecordAreaEdit(std::move(frame.pendingBefore), frame.pendingLive);
}

// Random edits: after each one, undoing everything must give back the first
// state and redoing everything the last; ownership must stay exact.
TEST(CZephyrmapDocRandom, UndoAndRedoRestoreEveryState)
{
    AppSettings settings;
    FakeFrame frame;
    FakePictures pictures;
    CZephyrmapDoc doc(settings, &frame, &pictures);
    doc.EnsureDefaultArea();
    const std::string first = Snapshot(doc);
    std::mt19937 rng(12345);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (int round = 0; round < 300; ++round) {
        const int count = doc.AreaCount();
        switch (pick(8)) {
        case 0:
            doc.AddAreaUndoable(RectArea(pick(50), pick(50), 60 + pick(50), 60 + pick(50), std::to_string(round)));
            break;
        case 1:
            if (count > 1)
                doc.RemoveAreaUndoable(*doc.GetPositionAt(pick(count)));
            break;
        case 2:
            doc.MoveAreaUndoable(pick(count + 1), pick(count));
            break;
        case 7: { // several at once, as a selection is deleted
            std::vector<CMapData*> some;
            const int keep = pick(count); // the others pick from what is left
            for (int i = 0; i < count; ++i) {
                if (i != keep && pick(3) == 0)
                    some.push_back(doc.AreaAt(i));
            }
            std::shuffle(some.begin(), some.end(), rng);
            doc.RemoveAreasUndoable(some);
            break;
        }
        case 3:
        case 4: {
            CMapData* live = doc.AreaAt(pick(count));
            if (live->m_shape != ShapeRect)
                break;
            auto before = std::make_unique<CMapData>(*live);
            UndoStep step;
            step.kind = pick(2) ? UndoAreaMoved : UndoAreaReshaped;
            live->DragRectCorner(pick(100), pick(100), pick(4), true);
            doc.RecordEdit(step, std::move(before), live, true);
            break;
        }
        case 5: {
            CommitEpisodes(doc, frame);
            CMapData* live = doc.AreaAt(pick(count));
            frame.pendingBefore = std::make_unique<CMapData>(*live);
            frame.pendingLive = live;
            live->m_alt = "alt" + std::to_string(round);
            doc.AreaAttributesChanged(true);
            break;
        }
        default: {
            CommitEpisodes(doc, frame);
            int index = pick(kEditableMapAttributeCount);
            std::string old = doc.Attribute(static_cast<MapAttribute>(index));
            std::string now =
                index == AttrImageSrc ? "/pics/" + std::to_string(round) + "x7.png" : "v" + std::to_string(round);
            if (index == AttrImageSrc)
                doc.SetPicture(now);
            else
                doc.SetAttribute(static_cast<MapAttribute>(index), now);
            frame.pendingMap = {old, now, index};
            doc.MarkMapEditPending(true);
            break;
        }
        }
        if (round % 10 != 9)
            continue;
        const std::string last = Snapshot(doc);
        while (doc.CanUndo())
            doc.Undo();
        ASSERT_EQ(Snapshot(doc), first) << "round " << round;
        while (doc.CanRedo())
            doc.Redo();
        ASSERT_EQ(Snapshot(doc), last) << "round " << round;
        // Each step holds at most one owned object and one live reference.
        ASSERT_LE(doc.History().OwnedCount(), doc.History().UndoDepth());
        ASSERT_LE(doc.History().LiveCount(), doc.History().UndoDepth());
    }
}

// The modified flag follows what was saved: undoing past a save, or redoing
// forward again, makes the map differ; coming back to it makes it equal.
TEST_F(DocTest, TheModifiedFlagFollowsTheSavedState)
{
    doc.SetModified(false);
    EXPECT_FALSE(doc.IsModified());
    doc.AddAreaUndoable(RectArea(0, 0, 5, 5));
    EXPECT_TRUE(doc.IsModified());
    doc.Undo();
    EXPECT_FALSE(doc.IsModified()); // back where it was saved
    doc.Redo();
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false); // saved with the area
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()); // an undo just before closing is not lost
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    doc.Undo();
    doc.AddAreaUndoable(RectArea(1, 1, 6, 6)); // the saved state is gone with the redo steps
    doc.Undo();
    EXPECT_TRUE(doc.IsModified());
    doc.MarkMapEditPending(true);
    EXPECT_TRUE(doc.IsModified());
}

// The flag is whether the map differs from what was saved, however the
// map got there: an area moved and moved back, text typed and taken out.
TEST_F(DocTest, TheModifiedFlagIsWhetherTheMapDiffersFromTheSavedOne)
{
    doc.SetModified(false);
    CMapData* area = doc.AreaAt(1);
    for (int dx : {5, -5}) {
        UndoStep step;
        step.kind = UndoAreaMoved;
        auto before = std::make_unique<CMapData>(*area);
        area->OffsetBy(dx, 0);
        doc.RecordEdit(step, std::move(before), area, true);
        EXPECT_EQ(doc.IsModified(), dx > 0);
    }
    frame.pendingBefore = std::make_unique<CMapData>(*area);
    frame.pendingLive = area;
    area->m_alt = "typed";
    doc.AreaAttributesChanged(true);
    EXPECT_TRUE(doc.IsModified());
    const std::size_t steps = doc.History().UndoDepth();
    area->m_alt.clear();
    doc.AreaAttributesChanged(true);
    EXPECT_FALSE(doc.IsModified());
    doc.Undo(); // records the episode, which changed nothing, then undoes the move back
    EXPECT_EQ(doc.History().UndoDepth(), steps - 1);
    EXPECT_TRUE(doc.IsModified());
    // The DEFAULT area's points follow the picture, not the user.
    doc.Redo();
    EXPECT_FALSE(doc.IsModified());
    doc.FitDefaultArea(640, 480);
    doc.AreaAttributesChanged(false);
    EXPECT_FALSE(doc.IsModified());
}

// A pending edit is recorded before its area leaves the map, so that undo
// brings back the area and then the text it had.
TEST_F(DocTest, RemovingAnAreaRecordsItsPendingEditFirst)
{
    frame.doc = &doc;
    CMapData* area = doc.AreaAt(1);
    frame.pendingBefore = std::make_unique<CMapData>(*area);
    frame.pendingLive = area;
    area->m_alt = "typed";
    doc.AreaAttributesChanged(true);
    doc.RemoveAreaUndoable(*doc.FindArea(area));
    ASSERT_GE(doc.History().UndoDepth(), 2u);
    EXPECT_EQ(doc.History().UndoSteps()[0].kind, UndoAreaRemoved);
    EXPECT_EQ(doc.History().UndoSteps()[1].kind, UndoAreaAttributes);
    doc.Undo();
    EXPECT_EQ(doc.AreaAt(1)->m_alt, "typed");
    doc.Undo();
    EXPECT_EQ(doc.AreaAt(1)->m_alt, "");
}

// Several edits in a group are one step: undo takes them all back, redo
// does them all again, and the group keeps its place among other steps.
TEST_F(DocTest, AGroupIsOneStep)
{
    CMapData* a = doc.AreaAt(0);
    CMapData* b = doc.AreaAt(1);
    const std::string before = Snapshot(doc);
    const std::size_t depth = doc.History().UndoDepth();
    doc.BeginGroup();
    for (CMapData* area : {a, b}) {
        UndoStep step;
        step.kind = UndoAreaMoved;
        auto copy = std::make_unique<CMapData>(*area);
        area->OffsetBy(3, 4);
        doc.RecordEdit(step, std::move(copy), area, true);
    }
    doc.RemoveAreaUndoable(*doc.FindArea(doc.AreaAt(0)));
    doc.EndGroup();
    const std::string after = Snapshot(doc);
    ASSERT_EQ(doc.History().UndoDepth(), depth + 1);
    EXPECT_EQ(doc.History().UndoSteps().front().kind, UndoGroup);
    doc.Undo();
    EXPECT_EQ(Snapshot(doc), before);
    EXPECT_TRUE(doc.CanRedo());
    doc.Redo();
    EXPECT_EQ(Snapshot(doc), after);
    doc.Undo();
    doc.Undo(); // the step before the group: b's addition
    EXPECT_EQ(doc.AreaCount(), 2);
    doc.Redo();
    doc.Redo();
    EXPECT_EQ(Snapshot(doc), after);
    // A group of one edit is that edit's own step; an empty one is nothing.
    doc.BeginGroup();
    doc.EndGroup();
    EXPECT_EQ(doc.History().UndoDepth(), depth + 1);
    doc.BeginGroup();
    doc.AddAreaUndoable(RectArea(1, 1, 2, 2));
    doc.EndGroup();
    EXPECT_EQ(doc.History().UndoSteps().front().kind, UndoAreaAdded);
}

// Taking out many areas at once, and putting them back, refreshes the list,
// the picture, the count and the modified flag once, not once an area.
TEST_F(DocTest, ManyAreasGoAndComeBackInOneRefresh)
{
    for (int i = 0; i < 40; ++i)
        doc.AddAreaUndoable(RectArea(i, 0, i + 5, 5, "n" + std::to_string(i)));
    const std::vector<std::string> before = Hrefs();
    std::vector<CMapData*> some;
    for (int i = 1; i < doc.AreaCount(); i += 3)
        some.push_back(doc.AreaAt(i));
    std::reverse(some.begin(), some.end()); // the order of a selection does not matter
    some.push_back(some.front());           // nor an area named twice

    frame.calls.clear();
    frame.countsShown = frame.mapChanges = 0;
    doc.RemoveAreasUndoable(some);
    EXPECT_EQ(doc.AreaCount(), static_cast<int>(before.size() + 1 - some.size()));
    EXPECT_EQ(frame.countsShown, 1);
    EXPECT_EQ(frame.mapChanges, 1);
    EXPECT_EQ(doc.History().UndoSteps().front().kind, UndoGroup);

    frame.calls.clear();
    frame.countsShown = frame.mapChanges = 0;
    doc.Undo();
    EXPECT_EQ(Hrefs(), before);
    const std::vector<std::string> once = {"fill", "reload", "select " + std::to_string(some.size() - 1)};
    EXPECT_EQ(frame.calls, once);
    EXPECT_EQ(frame.countsShown, 2); // the group's own, and undo's
    EXPECT_LE(frame.mapChanges, 2);

    frame.calls.clear();
    doc.Redo();
    EXPECT_EQ(doc.AreaCount(), static_cast<int>(before.size() + 1 - some.size()));
    EXPECT_EQ(std::count(frame.calls.begin(), frame.calls.end(), "fill"), 1);
    doc.Undo();
    EXPECT_EQ(Hrefs(), before);
}

TEST_F(DocTest, IndexesAndAreasOfManyInOneWalk)
{
    for (int i = 0; i < 25; ++i)
        doc.AddAreaUndoable(RectArea(i, 0, i + 5, 5));
    std::mt19937 rng(5);
    std::vector<int> indexes;
    for (int i = 0; i < 60; ++i)
        indexes.push_back(static_cast<int>(rng() % 32) - 2); // some outside the list, some twice
    const std::vector<CMapData*> areas = doc.AreasAt(indexes);
    std::vector<const CMapData*> asked;
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        EXPECT_EQ(areas[i], doc.AreaAt(indexes[i])) << indexes[i];
        asked.push_back(areas[i]);
    }
    CMapData outside;
    asked.push_back(&outside);
    const std::vector<int> back = doc.IndexesOf(asked);
    for (std::size_t i = 0; i < asked.size(); ++i)
        EXPECT_EQ(back[i], doc.IndexOf(asked[i]));
    for (int i = 0; i < doc.AreaCount(); ++i)
        EXPECT_EQ(doc.IndexOf(doc.AreaAt(i)), i); // searched from both ends
}
