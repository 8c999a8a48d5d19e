// Drawing and editing as web authors expect of an editor today: Escape,
// press-drag-release, polygons closed on their first vertex and taken back
// with Backspace, a tool kept, keys, Alt+click, the pointer's coordinates and
// drags that reach the view's edge.
#include "tests/view/ViewHarness.h"

#include "view/EdgeScroller.h"
#include "view/ViewKeys.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace
{

void Key(CZephyrmapView& view, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QTest::keyClick(&view, key, mods);
}

} // namespace

class InteractionsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    // ---- Escape ----

    void escapeGivesUpABoxAndKeepsTheTool_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("rectangle") << int(Tool::Rectangle);
        QTest::newRow("circle") << int(Tool::Circle);
    }
    void escapeGivesUpABoxAndKeepsTheTool()
    {
        QFETCH(int, tool);
        ViewHarness h(1000, 800);
        h.view.SetTool(static_cast<Tool>(tool));
        h.Click(20, 20);
        h.Move(80, 80);
        Key(h.view, Qt::Key_Escape);
        QCOMPARE(int(h.view.CurrentTool()), tool);
        QVERIFY(h.Drawn().empty());
        // The next click starts a new box.
        h.Click(100, 100);
        h.Move(150, 150);
        h.Click(150, 150);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(h.Drawn()[0]->Bounds(), (Rect{100, 100, 150, 150}));
        QCOMPARE(h.doc.History().UndoDepth(), std::size_t(1));
    }

    void escapeWithNothingBegunPutsTheToolDown()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        Key(h.view, Qt::Key_Escape);
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
    }

    // A move or a reshape given up: the area goes back, nothing is recorded,
    // and the release that follows does nothing.
    void escapeGivesUpADrag_data()
    {
        QTest::addColumn<QPoint>("grab");
        QTest::newRow("move") << QPoint(50, 50);
        QTest::newRow("corner") << QPoint(80, 80);
        QTest::newRow("edge") << QPoint(80, 50);
    }
    void escapeGivesUpADrag()
    {
        QFETCH(QPoint, grab);
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        const std::size_t steps = h.doc.History().UndoDepth();
        h.Move(grab.x(), grab.y());
        h.Press(grab.x(), grab.y());
        h.Move(grab.x() + 30, grab.y() + 20);
        QVERIFY(h.view.IsDragging());
        Key(h.view, Qt::Key_Escape);
        QVERIFY(!h.view.IsDragging());
        h.Release(grab.x() + 30, grab.y() + 20);
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
        QCOMPARE(h.doc.History().UndoDepth(), steps);
    }

    void escapeGivesUpAPlacement()
    {
        ViewHarness h(1000, 800);
        CMapData area;
        area.m_shape = ShapeRect;
        area.m_points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        h.view.StartPlacement(area, {5, 5});
        Key(h.view, Qt::Key_Escape);
        QVERIFY(!h.view.IsPlacing());
        h.Click(50, 50);
        QVERIFY(h.Drawn().empty());
    }

    // ---- Press, drag, let go ----

    void pressDragReleaseDrawsABox_data()
    {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("points");
        QTest::newRow("rectangle") << int(Tool::Rectangle) << QStringLiteral("(20,30)(120,30)(120,90)(20,90)");
        // The circle's corner stays on the diagonal, at the pointer's distance.
        QTest::newRow("circle") << int(Tool::Circle) << QStringLiteral("(20,30)(102,30)(102,112)(20,112)");
    }
    void pressDragReleaseDrawsABox()
    {
        QFETCH(int, tool);
        QFETCH(QString, points);
        ViewHarness h(1000, 800);
        h.view.SetTool(static_cast<Tool>(tool));
        h.Move(20, 30);
        h.Press(20, 30);
        h.Move(70, 60);
        h.Move(120, 90);
        h.Release(120, 90);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(PointsOf(*h.Drawn()[0])), points);
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
    }

    // A release within four window pixels of the press leaves the box to the
    // second click, as before.
    void aReleaseNearThePressWaitsForTheSecondClick()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Rectangle);
        h.Press(20, 30);
        h.Move(23, 33);
        h.Release(23, 33);
        QVERIFY(h.Drawn().empty());
        h.Move(100, 100);
        h.Click(100, 100);
        QCOMPARE(PointsOf(*h.Drawn().at(0)), std::string("(20,30)(100,30)(100,100)(20,100)"));
    }

    // ---- Polygons ----

    void backspaceTakesBackTheLastVertex()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        for (QPoint p : {QPoint(10, 10), QPoint(100, 10), QPoint(100, 100), QPoint(200, 200)}) {
            h.Move(p.x(), p.y());
            h.Click(p.x(), p.y());
        }
        Key(h.view, Qt::Key_Backspace); // (200, 200) goes
        h.Move(10, 100);
        h.Click(10, 100);
        h.DoubleClick(10, 100);
        QCOMPARE(PointsOf(*h.Drawn().at(0)), std::string("(10,10)(100,10)(100,100)(10,100)"));
        // With only the first vertex left, Backspace ends the drawing.
        h.view.SetTool(Tool::Polygon);
        h.Move(50, 150);
        h.Click(50, 150);
        Key(h.view, Qt::Key_Backspace);
        QVERIFY(!h.view.Selection().IsSelected());
        QCOMPARE(h.view.CurrentTool(), Tool::Polygon);
        h.Move(60, 160);
        h.Click(60, 160);
        h.Move(90, 160);
        h.Click(90, 160);
        h.Move(90, 190);
        h.Click(90, 190);
        h.DoubleClick(90, 190);
        QCOMPARE(PointsOf(*h.Drawn().at(1)), std::string("(60,160)(90,160)(90,190)"));
    }

    void aClickOnTheFirstVertexClosesThePolygon()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        for (QPoint p : {QPoint(10, 10), QPoint(100, 10), QPoint(100, 100), QPoint(12, 11)}) {
            h.Move(p.x(), p.y());
            h.Click(p.x(), p.y());
        }
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(PointsOf(*h.Drawn()[0]), std::string("(10,10)(100,10)(100,100)"));
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
    }

    // ---- Keeping the tool ----

    void aKeptToolDrawsAreaAfterArea()
    {
        ViewHarness h(1000, 800);
        h.settings.KeepTool = 1;
        h.view.SetTool(Tool::Rectangle);
        for (int left : {10, 60}) {
            h.Click(left, 10);
            h.Move(left + 40, 40);
            h.Click(left + 40, 40);
            QCOMPARE(h.view.CurrentTool(), Tool::Rectangle);
        }
        QCOMPARE(h.Drawn().size(), std::size_t(2));
        Key(h.view, Qt::Key_Escape);
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
        // The command checks and unchecks the setting.
        for (const CommandRoute& route : h.view.Commands()) {
            if (route.id == CmdKeepTool) {
                QVERIFY(route.checked());
                route.run();
                QVERIFY(!route.checked());
            }
        }
        QCOMPARE(h.settings.KeepTool, 0);
    }

    // ---- Keys ----

    void shiftArrowsMoveTenPixelsAStep()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        const std::size_t steps = h.doc.History().UndoDepth();
        Key(h.view, Qt::Key_Right, Qt::ShiftModifier);
        Key(h.view, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(area->Bounds(), (Rect{30, 30, 90, 90}));
        QCOMPARE(h.doc.History().UndoDepth(), steps + 2);
        h.doc.Undo();
        QCOMPARE(area->Bounds(), (Rect{30, 20, 90, 80}));
    }

    void arrowsMoveAGrabbedVertex()
    {
        ViewHarness h(1000, 800);
        CMapData* square = h.AddPolygon({{200, 20}, {280, 20}, {280, 100}, {200, 100}});
        h.view.SelectArea(square);
        h.Move(280, 20);
        h.Press(280, 20);
        h.Release(280, 20);
        Key(h.view, Qt::Key_Left);
        Key(h.view, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(PointsOf(*square), std::string("(200,20)(279,10)(280,100)(200,100)"));
    }

    void tabGoesThroughTheAreasInListOrder()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(10, 10, 20, 20);
        CMapData* b = h.AddRect(30, 30, 40, 40);
        CMapData* c = h.AddRect(50, 50, 60, 60);
        h.view.DeselectArea();
        Key(h.view, Qt::Key_Tab);
        QCOMPARE(h.view.SelectedArea(), a);
        Key(h.view, Qt::Key_Tab);
        QCOMPARE(h.view.SelectedArea(), b);
        Key(h.view, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(h.view.SelectedArea(), a);
        Key(h.view, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(h.view.SelectedArea(), c); // round to the last
        QCOMPARE(h.pane.listSelection, h.doc.IndexOf(c));
    }

    // Alt+click takes the next of the areas under the pointer, round again.
    void altClickGoesThroughOverlappingAreas()
    {
        ViewHarness h(1000, 800);
        CMapData* under = h.AddRect(10, 10, 100, 100);
        CMapData* over = h.AddRect(40, 40, 150, 150);
        CMapData* apart = h.AddRect(200, 10, 250, 50);
        h.view.SelectArea(apart);
        h.Move(60, 60);
        h.Click(60, 60, Qt::AltModifier);
        QCOMPARE(h.view.SelectedArea(), under);
        h.Click(60, 60, Qt::AltModifier);
        QCOMPARE(h.view.SelectedArea(), over);
        h.Click(60, 60, Qt::AltModifier);
        QCOMPARE(h.view.SelectedArea(), under);
        QCOMPARE(h.Drawn().front()->Bounds(), (Rect{10, 10, 100, 100})); // nothing moved
    }

    // ---- The pointer's coordinates ----

    void theStatusBarTellsWhereThePointerIsAndWhatIsDrawn()
    {
        ViewHarness h(1000, 800);
        h.Move(37, 45);
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("X 37  Y 45"));
        h.view.SetTool(Tool::Rectangle);
        h.Click(10, 20);
        h.Move(60, 50);
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("X 10  Y 20  幅 50  高さ 30"));
        h.Click(60, 50);
        h.view.SetTool(Tool::Circle);
        h.Click(100, 100);
        h.Move(140, 140);
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("中心 X 120  Y 120  半径 20"));
        Key(h.view, Qt::Key_Escape);
        h.view.SetTool(Tool::Polygon);
        h.Click(10, 10);
        h.Move(50, 10);
        h.Click(50, 10);
        h.Move(50, 50);
        // A polygon's next vertex goes where the pointer is: that, not the
        // polygon's box, beside the vertex count.
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("X 50  Y 50  頂点 3"));
        h.Move(73, 61);
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("X 73  Y 61  頂点 3"));
    }

    // ---- Narrow polygons ----

    // Only the outline inserts a vertex: a press inside a narrow polygon
    // moves it.
    void theInsideOfANarrowPolygonMovesIt()
    {
        ViewHarness h(1000, 800);
        CMapData* sliver = h.AddPolygon({{100, 100}, {300, 100}, {300, 108}, {100, 108}});
        h.view.SelectArea(sliver);
        h.Move(200, 104);
        QCOMPARE(h.view.Cursor(), CursorKind::OverArea);
        h.Press(200, 104);
        h.Move(210, 124);
        h.Release(210, 124);
        QCOMPARE(PointsOf(*sliver), std::string("(110,120)(310,120)(310,128)(110,128)"));
        // Right on the outline it still inserts.
        h.Move(150, 121);
        QCOMPARE(h.view.Cursor(), CursorKind::InsertVertex);
    }

    // ---- The view's edge ----

    void aPointerPastTheEdgeScrollsTowardIt_data()
    {
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("step");
        QTest::newRow("inside") << QPoint(100, 100) << QPoint(0, 0);
        QTest::newRow("left band") << QPoint(2, 100) << QPoint(-18, 0);
        QTest::newRow("past the right") << QPoint(420, 100) << QPoint(40, 0);
        QTest::newRow("far above") << QPoint(100, -500) << QPoint(0, -64);
    }
    void aPointerPastTheEdgeScrollsTowardIt()
    {
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, step);
        QCOMPARE(EdgeScroller::ScrollStep(pointer, QSize(400, 300)), step);
    }

    // The polygon's last point follows the pointer out of the view, where no
    // move reaches the view without a button held.
    void aPolygonFollowsThePointerOutOfTheView()
    {
        ViewHarness h(600, 400, 300, 200);
        h.view.SetTool(Tool::Polygon);
        h.Click(100, 100);
        h.Move(120, 100);
        const QPoint outside = h.view.viewport()->mapToGlobal(QPoint(h.view.viewport()->width() + 40, 200));
        QCursor::setPos(outside);
        // The rubber band reaches the picture's right edge on its way out.
        auto edge = [&h] { return h.view.viewport()->grab().toImage().pixelColor(h.At(299, 100)); };
        QCOMPARE(edge(), QColor(Qt::white));
        QTRY_COMPARE(edge(), QColor(Qt::black));
    }

    // A drag held past the edge scrolls the view and the outline follows.
    void aDragAtTheEdgeScrollsTheView()
    {
        ViewHarness h(400, 300, 2000, 1500);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.Move(50, 50);
        h.Press(50, 50);
        const QPoint outside = h.view.viewport()->mapToGlobal(QPoint(h.view.viewport()->width() + 30, 150));
        QCursor::setPos(outside);
        h.Move(60, 60);
        QTRY_VERIFY(h.view.horizontalScrollBar()->value() > 0);
        QMouseEvent release(QEvent::MouseButtonRelease, h.view.viewport()->mapFromGlobal(outside), outside,
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(h.view.viewport(), &release);
        QVERIFY(area->Bounds().left > 20 + 400 / 2);
    }
};

QTEST_MAIN(InteractionsTest)
#include "InteractionsTest.moc"
