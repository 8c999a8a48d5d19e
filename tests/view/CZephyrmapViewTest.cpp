#include "tests/view/ViewHarness.h"

#include "formats/AreaBlock.h"
#include "view/PastePlacement.h"
#include "view/SelectionMode.h"

#include <QScrollBar>

namespace
{

// Whether the grab's pixel at a window point is the outline colour (red).
bool IsRed(const QImage& image, QPoint p)
{
    return image.pixelColor(p) == QColor(255, 0, 0);
}

QImage Grab(CZephyrmapView& view)
{
    return view.viewport()->grab().toImage();
}

} // namespace

class CZephyrmapViewTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([this](const ProgramMessageRecord& box) {
            m_boxes << box.text;
            return QMessageBox::Ok;
        });
        m_boxes.clear();
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    // ---- Rendering ----

    void originCentresASmallPicture_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("command");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("100% in 1000 x 800") << 1000 << 800 << int(CmdZoom100) << QPoint(350, 300) << false;
        QTest::newRow("300% in 1000 x 800") << 1000 << 800 << int(CmdZoom300) << QPoint(50, 100) << false;
        QTest::newRow("300% in 600 x 400") << 600 << 400 << int(CmdZoom300) << QPoint(0, 0) << true;
    }
    void originCentresASmallPicture()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, command);
        QFETCH(QPoint, origin);
        QFETCH(bool, scrolls);
        ViewHarness h(width, height);
        for (const CommandRoute& route : h.view.Commands()) {
            if (route.id == command)
                route.run();
        }
        QCOMPARE(h.view.Origin(), origin);
        QCOMPARE(h.view.horizontalScrollBar()->maximum() > 0, scrolls);
        // The same conversion both ways: the picture's corner is where the origin is.
        QCOMPARE(h.view.ToLogical({0, 0}), origin);
    }

    void statusPanesShowMagnificationPictureAndCount()
    {
        ViewHarness h(800, 600, 640, 480, "photo.jpg");
        QCOMPARE(h.pane.status[PaneMagnification], QStringLiteral("100%"));
        QVERIFY2(h.pane.status[PanePictureInfo].startsWith(QStringLiteral(" W640×H480 ")),
                 qPrintable(h.pane.status[PanePictureInfo]));
        QVERIFY(h.pane.status[PanePictureInfo].endsWith(QStringLiteral("KByte JPEG")));
        h.view.ApplyMagnification(1.5f);
        QCOMPARE(h.pane.status[PaneMagnification], QStringLiteral("150%"));
        h.AddRect(10, 10, 50, 50);
        QCOMPARE(h.pane.status[PaneAreaCount], QStringLiteral("ｴﾘｱ数 : 1"));
        ViewHarness png(800, 600, 64, 48, "small.png");
        QVERIFY(png.pane.status[PanePictureInfo].endsWith(QStringLiteral("KByte PNG")));
        // Another picture for the map: its own kind and size, not the last one's.
        QImage(20, 10, QImage::Format_RGB32).save(h.dir.filePath(QStringLiteral("other.png")));
        h.doc.SetPicture(FromQString(h.dir.filePath(QStringLiteral("other.png"))));
        QVERIFY2(h.pane.status[PanePictureInfo].startsWith(QStringLiteral(" W20×H10 ")),
                 qPrintable(h.pane.status[PanePictureInfo]));
        QVERIFY(h.pane.status[PanePictureInfo].endsWith(QStringLiteral("KByte PNG")));
    }

    void anUnknownStoredMagnificationBecomesOne()
    {
        ViewHarness h(800, 600);
        h.settings.magni = 7.3f;
        h.view.InitialUpdate();
        QCOMPARE(h.settings.magni, 1.0f);
        QCOMPARE(h.view.Origin(), QPoint(250, 200));
    }

    void outlinesLandOnTheConvertedPoints_data()
    {
        QTest::addColumn<float>("factor");
        QTest::newRow("50%") << 0.5f;
        QTest::newRow("100%") << 1.0f;
        QTest::newRow("300%") << 3.0f;
    }
    void outlinesLandOnTheConvertedPoints()
    {
        QFETCH(float, factor);
        ViewHarness h(1000, 800);
        h.settings.Hatching = 0;
        h.view.ApplyMagnification(factor);
        h.AddRect(20, 30, 120, 90);
        const QImage image = Grab(h.view);
        const QPoint topLeft = h.At(20, 30), bottomRight = h.At(120, 90);
        QVERIFY(IsRed(image, topLeft));
        QVERIFY(IsRed(image, bottomRight));
        QVERIFY(IsRed(image, QPoint((topLeft.x() + bottomRight.x()) / 2, topLeft.y())));
        // Inside and just outside the outline: the white picture.
        QCOMPARE(image.pixelColor(topLeft + QPoint(2, 2)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(topLeft - QPoint(1, 1)), QColor(Qt::white));
        QCOMPARE(image.pixelColor(bottomRight + QPoint(1, 1)), QColor(Qt::white));
    }

    void hatchingFillsAreasOnlyWhenOn()
    {
        ViewHarness h(1000, 800);
        h.settings.HatchColor = 0x00FF00; // green
        h.AddRect(20, 20, 120, 120);
        auto greenInside = [&h] {
            const QImage image = Grab(h.view);
            int green = 0;
            for (int y = 1; y < 99; ++y) {
                for (int x = 1; x < 99; ++x)
                    green += image.pixelColor(h.At(20 + x, 20 + y)) == QColor(0, 255, 0);
            }
            return green;
        };
        QVERIFY(greenInside() > 500);
        h.view.ToggleHatching();
        QCOMPARE(greenInside(), 0);
    }

    void theSelectedAreasHandlesAreInverted()
    {
        ViewHarness h(1000, 800);
        h.settings.Hatching = 0;
        CMapData* area = h.AddRect(50, 50, 150, 150);
        h.view.SelectArea(area);
        const QImage image = Grab(h.view);
        // A handle is a 6 x 6 square centred on its corner: white turns black.
        const QPoint corner = h.At(50, 50);
        QCOMPARE(image.pixelColor(corner + QPoint(2, 2)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(corner + QPoint(-3, -3)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(corner + QPoint(3, 3)), QColor(Qt::white));
        // The middle of the top edge has one too; the middle of the area has none.
        QCOMPARE(image.pixelColor(h.At(100, 50) + QPoint(2, 2)), QColor(Qt::black));
        QCOMPARE(image.pixelColor(h.At(100, 100)), QColor(Qt::white));
    }

    void handleSizesFollowTheMagnification_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("half");
        QTest::newRow("150%") << 1.5f << 2;
        QTest::newRow("50%") << 0.5f << 6;
        QTest::newRow("300%") << 3.0f << 1;
    }
    void handleSizesFollowTheMagnification()
    {
        QFETCH(float, factor);
        QFETCH(int, half);
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(factor);
        CMapData* area = h.AddRect(40, 40, 100, 100);
        h.view.SelectArea(area);
        const Rect handle = h.view.Selection().Handles().front();
        QCOMPARE(handle.right - handle.left, 2 * half);
        QCOMPARE(handle.left, 40 - half);
        // Whatever the magnification, the inverted square stays 6 window pixels wide.
        // (the left edge's red pixel in it turns cyan, the white ones black).
        h.settings.Hatching = 0;
        const QImage image = Grab(h.view);
        const QPoint corner = h.At(40, 40);
        int inverted = 0;
        for (int x = -6; x <= 6; ++x)
            inverted += image.pixelColor(corner + QPoint(x, 1)) != QColor(Qt::white);
        QCOMPARE(inverted, 6);
    }

    void theDefaultAreaCoversThePictureAfterAPaint()
    {
        ViewHarness h(800, 600);
        CMapData* area = h.doc.FindDefaultArea();
        area->m_points = {{5, 5}};
        Grab(h.view);
        QCOMPARE(PointsOf(*area), std::string("(0,0)(300,200)"));
    }

    // ---- Creating ----

    void rectangleByClickMoveClickIsNormalised()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Rectangle);
        h.Click(120, 90);
        h.Move(60, 40);
        h.Click(20, 30);
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(1));
        QCOMPARE(PointsOf(*drawn[0]), std::string("(20,30)(120,30)(120,90)(20,90)"));
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoAreaAdded);
        QVERIFY(h.view.HasSelection());
    }

    void twoClicksOnOnePointCreateNothing()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Rectangle);
        h.Click(50, 50);
        QTest::qWait(QApplication::doubleClickInterval() + 50); // two clicks, not a double-click
        h.Click(50, 50);
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
        QVERIFY(!h.doc.CanUndo());
    }

    void circlesSecondCornerStaysOnTheDiagonal()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Circle);
        h.Click(100, 100);
        h.Move(130, 110);
        h.Click(130, 110);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(1));
        // 31.6 pixels from the first click, projected onto the diagonal: 22.
        QCOMPARE(drawn[0]->m_shape, int(ShapeCirc));
        QCOMPARE(PointsOf(*drawn[0]), std::string("(100,100)(122,100)(122,122)(100,122)"));
    }

    void polygonFromClicksAndADoubleClick()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        h.Click(10, 10);
        h.Move(100, 10);
        h.Click(100, 10);
        h.Move(100, 80);
        h.Click(100, 80);
        h.Move(20, 90);
        h.Click(20, 90);
        h.DoubleClick(20, 90);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(1));
        QCOMPARE(PointsOf(*drawn[0]), std::string("(10,10)(100,10)(100,80)(20,90)"));
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
    }

    void aClickThenADoubleClickMakeNoPolygon()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        h.Click(10, 10);
        h.Move(60, 60);
        h.Click(60, 60);
        h.DoubleClick(60, 60);
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        QVERIFY(!h.doc.CanUndo());
    }

    // The edges drawn so far are a solid inverted line; the closing edge, the
    // one still to come, is dotted.
    void thePolygonUnderConstructionShowsItsClosingEdgeDotted()
    {
        ViewHarness h(1000, 800);
        h.settings.Hatching = 0;
        h.view.SetTool(Tool::Polygon);
        h.Click(10, 10);
        h.Move(100, 10);
        h.Click(100, 10);
        h.Move(100, 80);
        const QImage image = Grab(h.view);
        QCOMPARE(image.pixelColor(h.At(50, 10)), QColor(Qt::black)); // white inverted
        QCOMPARE(image.pixelColor(h.At(100, 50)), QColor(Qt::black));
        // Along the closing edge from (100, 80) to (10, 10): some dots, some gaps.
        int dots = 0, gaps = 0;
        for (int x = 20; x <= 90; ++x) {
            const QPoint at = h.At(x, 10 + (x - 10) * 70 / 90);
            bool dark = false;
            for (int dy = -1; dy <= 1; ++dy)
                dark = dark || image.pixelColor(at + QPoint(0, dy)) == QColor(Qt::black);
            (dark ? dots : gaps)++;
        }
        QVERIFY2(dots > 10 && gaps > 0, qPrintable(QStringLiteral("%1 dots, %2 gaps").arg(dots).arg(gaps)));
        QCOMPARE(image.pixelColor(h.At(40, 60)), QColor(Qt::white)); // off every edge
    }

    // ---- Selecting and moving ----

    void aQuickClickSelectsWithoutMoving()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.Move(50, 50);
        h.Press(50, 50);
        h.Move(60, 60);
        h.Release(60, 60);
        QCOMPARE(h.view.SelectedArea(), area);
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
        QCOMPARE(h.pane.listSelection, 0);
    }

    void holdingTheButtonMovesTheArea()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.Move(50, 50);
        h.Press(50, 50);
        QTest::qWait(CZephyrmapView::kClickMilliseconds * 2);
        h.Move(60, 70);
        h.Release(60, 70);
        QCOMPARE(PointsOf(*area), std::string("(30,40)(90,40)(90,100)(30,100)"));
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoAreaMoved);
        h.doc.Undo();
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
        h.doc.Redo();
        QCOMPARE(PointsOf(*area), std::string("(30,40)(90,40)(90,100)(30,100)"));
    }

    void aDragEndingWhereItBeganRecordsNothing()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        const std::size_t steps = h.doc.History().UndoDepth();
        h.Move(50, 50);
        h.Press(50, 50);
        h.Move(70, 70);
        h.Move(50, 50);
        h.Release(50, 50);
        QCOMPARE(h.doc.History().UndoDepth(), steps);
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
    }

    void shiftLimitsAMoveToOneAxis()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.Move(50, 50);
        h.Press(50, 50, Qt::ShiftModifier);
        h.Move(60, 60, Qt::ShiftModifier);
        QTest::keyPress(&h.view, Qt::Key_Shift, Qt::ShiftModifier);
        h.Release(60, 60, Qt::ShiftModifier);
        QCOMPARE(QString::fromStdString(PointsOf(*area)), QStringLiteral("(30,20)(90,20)(90,80)(30,80)"));
    }

    void ctrlDropsABareCopyAndLeavesTheArea()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        area->SetAttributes(std::string("a.html"), std::string("_top"), std::string("A"), 1, 0, std::string("id=x"));
        h.view.SelectArea(area);
        h.Move(50, 50);
        h.Press(50, 50);
        h.Move(150, 60);
        h.Release(150, 60, Qt::ControlModifier);
        const std::vector<CMapData*> drawn = h.Drawn();
        QCOMPARE(drawn.size(), std::size_t(2));
        QCOMPARE(PointsOf(*drawn[0]), std::string("(20,20)(80,20)(80,80)(20,80)"));
        QCOMPARE(PointsOf(*drawn[1]), std::string("(120,30)(180,30)(180,90)(120,90)"));
        QVERIFY(drawn[1]->HasNoAttributes());
        QCOMPARE(drawn[1]->m_hrefIsPath, 0);
        QCOMPARE(drawn[0]->m_href, std::string("a.html"));
        // Ctrl held on a press and release in one place: no twin under the area.
        const std::size_t steps = h.doc.History().UndoDepth();
        h.view.SelectArea(area);
        h.Move(50, 50);
        h.Press(50, 50, Qt::ControlModifier);
        h.Release(50, 50, Qt::ControlModifier);
        QCOMPARE(h.Drawn().size(), std::size_t(2));
        QCOMPARE(h.doc.History().UndoDepth(), steps);
    }

    void theEarlierOfOverlappingAreasWins()
    {
        ViewHarness h(1000, 800);
        CMapData* first = h.AddRect(20, 20, 100, 100);
        h.AddRect(50, 50, 150, 150);
        h.Move(70, 70);
        h.Click(70, 70);
        QCOMPARE(h.view.SelectedArea(), first);
    }

    void clickingNothingSelectsTheDefaultRowOrNone()
    {
        ViewHarness h(1000, 800);
        h.AddRect(20, 20, 60, 60);
        h.Move(200, 150);
        h.Click(200, 150);
        QCOMPARE(h.pane.calls.back(), std::string("default row"));
        QTest::mouseClick(h.view.viewport(), Qt::LeftButton, {}, QPoint(10, 10)); // outside the picture
        QCOMPARE(h.pane.calls.back(), std::string("clear rows"));
        QVERIFY(!h.view.HasSelection());
    }

    void arrowKeysMoveOnePicturePixelEach()
    {
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(3.0f);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        QTest::keyClick(&h.view, Qt::Key_Right);
        QTest::keyClick(&h.view, Qt::Key_Down);
        QTest::keyClick(&h.view, Qt::Key_Down);
        QCOMPARE(PointsOf(*area), std::string("(21,22)(81,22)(81,82)(21,82)"));
        h.doc.Undo();
        QCOMPARE(PointsOf(*area), std::string("(21,21)(81,21)(81,81)(21,81)"));
    }

    // ---- Reshaping ----

    void aRectanglesEdgeDraggedPastTheOtherFlips()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.Move(80, 50); // the middle of the right edge
        QCOMPARE(h.view.Cursor(), CursorKind::SizeWe);
        h.Press(80, 50);
        h.Move(40, 50);
        h.Move(5, 55);
        h.Release(5, 55);
        QCOMPARE(PointsOf(*area), std::string("(5,20)(20,20)(20,80)(5,80)"));
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoAreaReshaped);
        h.doc.Undo();
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
    }

    // A handle taken and let go where it was records nothing, so redo keeps
    // what it holds.
    void aHandleClickedInPlaceKeepsTheRedoSteps()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        QTest::keyClick(&h.view, Qt::Key_Right);
        h.doc.Undo();
        QVERIFY(h.doc.CanRedo());
        const std::size_t steps = h.doc.History().UndoDepth();
        h.Move(80, 20);
        QCOMPARE(h.view.Cursor(), CursorKind::SizeNesw);
        h.Press(80, 20);
        h.Release(80, 20);
        QCOMPARE(h.doc.History().UndoDepth(), steps);
        QVERIFY(h.doc.CanRedo());
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
    }

    void aCornerHandleReshapesARectangle()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.Move(80, 20); // the top-right corner
        QCOMPARE(h.view.Cursor(), CursorKind::SizeNesw);
        h.Press(80, 20);
        h.Move(100, 10);
        h.Release(100, 10);
        QCOMPARE(PointsOf(*area), std::string("(20,10)(100,10)(100,80)(20,80)"));
    }

    void clickingThePolygonsClosingEdgeInsertsAtIndexZero()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddPolygon({{20, 20}, {120, 20}, {120, 120}});
        h.view.SelectArea(area);
        // The closing edge runs from (120, 120) back to (20, 20).
        h.Move(70, 70);
        QCOMPARE(h.view.Cursor(), CursorKind::InsertVertex);
        h.Press(70, 70);
        h.Move(60, 90);
        h.Release(60, 90);
        QCOMPARE(PointsOf(*area), std::string("(60,90)(20,20)(120,20)(120,120)"));
        h.doc.Undo();
        QCOMPARE(PointsOf(*area), std::string("(20,20)(120,20)(120,120)"));
    }

    void insertionPointsLieOnTheEdge_data()
    {
        QTest::addColumn<QPoint>("a");
        QTest::addColumn<QPoint>("b");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("inserted");
        QTest::newRow("vertical") << QPoint(10, 0) << QPoint(10, 50) << QPoint(12, 20) << QPoint(10, 20);
        QTest::newRow("shallow") << QPoint(0, 0) << QPoint(100, 50) << QPoint(40, 23) << QPoint(40, 20);
        QTest::newRow("steep") << QPoint(0, 0) << QPoint(20, 100) << QPoint(12, 50) << QPoint(10, 50);
    }
    void insertionPointsLieOnTheEdge()
    {
        QFETCH(QPoint, a);
        QFETCH(QPoint, b);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, inserted);
        const Point p = SelectionMode::InsertionPoint({a.x(), a.y()}, {b.x(), b.y()}, {pointer.x(), pointer.y()});
        QCOMPARE(QPoint(p.x, p.y), inserted);
    }

    void deletePointNeedsAGrabbedVertexAndFourPoints()
    {
        ViewHarness h(1000, 800);
        CMapData* triangle = h.AddPolygon({{20, 20}, {120, 20}, {120, 120}});
        h.view.SelectArea(triangle);
        h.view.Selection().grabbedHandle = 1;
        QVERIFY(!h.view.CanDeletePoint());
        h.Move(120, 20);
        h.DoubleClick(120, 20);
        QCOMPARE(triangle->m_points.size(), std::size_t(3));

        CMapData* square = h.AddPolygon({{200, 20}, {280, 20}, {280, 100}, {200, 100}});
        h.view.SelectArea(square);
        QVERIFY(!h.view.CanDeletePoint()); // nothing grabbed yet
        h.Move(280, 20);
        h.Press(280, 20);
        h.Release(280, 20);
        QVERIFY(h.view.CanDeletePoint());
        h.view.DeletePoint();
        QCOMPARE(PointsOf(*square), std::string("(200,20)(280,100)(200,100)"));
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoVertexDeleted);
        h.doc.Undo();
        QCOMPARE(square->m_points.size(), std::size_t(4));
    }

    void theRightButtonTurnsAReshapeIntoAMove()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.Move(80, 80);
        h.Press(80, 80);
        QTest::mousePress(h.view.viewport(), Qt::RightButton, {}, h.At(80, 80));
        h.Move(90, 100);
        QTest::mouseRelease(h.view.viewport(), Qt::RightButton, {}, h.At(90, 100));
        QCOMPARE(PointsOf(*area), std::string("(30,40)(90,40)(90,100)(30,100)"));
        h.Release(90, 100);
        h.doc.Undo(); // one step covers both
        QCOMPARE(PointsOf(*area), std::string("(20,20)(80,20)(80,80)(20,80)"));
    }

    void deletingTheSelectedAreaRebuildsTheList()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        h.view.DeleteSelectedArea();
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        QVERIFY(!h.view.HasSelection());
        QCOMPARE(h.pane.calls.back(), std::string("fill"));
        h.doc.Undo();
        QCOMPARE(h.Drawn().size(), std::size_t(1));
    }

    void handlesGiveTheirCursors_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<int>("hovered");
        const int rect = ShapeRect, circle = ShapeCirc;
        QTest::newRow("rectangle top-left") << rect << QPoint(20, 20) << int(CursorKind::SizeNwse) << 0;
        QTest::newRow("rectangle top middle") << rect << QPoint(50, 20) << int(CursorKind::SizeNs) << 1;
        QTest::newRow("rectangle top-right") << rect << QPoint(80, 20) << int(CursorKind::SizeNesw) << 1;
        QTest::newRow("rectangle right middle") << rect << QPoint(80, 50) << int(CursorKind::SizeWe) << 3;
        QTest::newRow("rectangle bottom-right") << rect << QPoint(80, 80) << int(CursorKind::SizeNwse) << 2;
        QTest::newRow("rectangle bottom middle") << rect << QPoint(50, 80) << int(CursorKind::SizeNs) << 5;
        QTest::newRow("rectangle bottom-left") << rect << QPoint(20, 80) << int(CursorKind::SizeNesw) << 3;
        QTest::newRow("rectangle left middle") << rect << QPoint(20, 50) << int(CursorKind::SizeWe) << 7;
        QTest::newRow("circle top-left") << circle << QPoint(20, 20) << int(CursorKind::SizeNwse) << 0;
        QTest::newRow("circle top-right") << circle << QPoint(80, 20) << int(CursorKind::SizeNesw) << 1;
        QTest::newRow("circle bottom-right") << circle << QPoint(80, 80) << int(CursorKind::SizeNwse) << 2;
        QTest::newRow("inside the area") << rect << QPoint(50, 50) << int(CursorKind::OverArea) << -1;
        QTest::newRow("outside") << rect << QPoint(150, 150) << int(CursorKind::Nothing) << -1;
    }
    void handlesGiveTheirCursors()
    {
        QFETCH(int, shape);
        QFETCH(QPoint, at);
        QFETCH(int, cursor);
        QFETCH(int, hovered);
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(1.5f);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        area->m_shape = shape;
        area->BuildRegion();
        h.view.SelectArea(area);
        h.Move(at.x(), at.y());
        QCOMPARE(int(h.view.Cursor()), cursor);
        QCOMPARE(h.view.Selection().hoveredHandle, hovered);
    }

    void commandsWaitWhileAnAreaIsDragged()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(20, 20, 80, 80);
        h.view.SelectArea(area);
        auto block = areablock::Encode(*area);
        h.Move(80, 80);
        h.Press(80, 80);
        h.Move(90, 95);
        QVERIFY(h.view.IsDragging());
        h.view.SetTool(Tool::Polygon); // ignored: the corner drag goes on
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
        h.Release(100, 100);
        QVERIFY(!h.view.IsDragging());
        QCOMPARE(PointsOf(*area), std::string("(20,20)(100,20)(100,100)(20,100)"));
        QCOMPARE(h.doc.History().UndoSteps().front().kind, UndoAreaReshaped);
    }

    // Keys that change the map wait while a vertex is dragged: the vertex
    // stays the one under the pointer, and nothing else moves or goes.
    void keysWaitWhileAVertexIsDragged()
    {
        ViewHarness h(1000, 800);
        CMapData* square = h.AddPolygon({{200, 20}, {280, 20}, {280, 100}, {200, 100}});
        h.view.SelectArea(square);
        h.Move(280, 20);
        h.Press(280, 20);
        h.Move(300, 30);
        QVERIFY(h.view.IsDragging());
        for (const CommandRoute& route : h.view.Commands()) {
            const bool changesTheMap = route.id == CmdDeletePoint || route.id == CmdDeleteArea ||
                                       route.id == CmdCutArea || route.id == CmdPasteArea;
            if (changesTheMap)
                QVERIFY2(!route.enabled(), qPrintable(QString::number(route.id)));
        }
        h.view.DeletePoint();
        h.view.DeleteSelectedArea();
        h.view.CutArea();
        for (int key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
            QTest::keyClick(&h.view, static_cast<Qt::Key>(key));
        h.Move(310, 40);
        h.Release(310, 40);
        QCOMPARE(PointsOf(*square), std::string("(200,20)(310,40)(280,100)(200,100)"));
        QCOMPARE(h.Drawn().size(), std::size_t(1));
    }

    // A double-click deletes a vertex only on that vertex's own handle.
    void aDoubleClickOnThePolygonsBodyDeletesNoVertex()
    {
        ViewHarness h(1000, 800);
        CMapData* square = h.AddPolygon({{200, 20}, {380, 20}, {380, 200}, {200, 200}});
        h.view.SelectArea(square);
        h.Move(380, 20);
        h.Press(380, 20);
        h.Move(390, 30);
        h.Release(390, 30); // vertex 1 dragged, and still grabbed
        h.Move(290, 110);
        h.DoubleClick(290, 110);
        QCOMPARE(square->m_points.size(), std::size_t(4));
        h.Move(390, 30);
        h.DoubleClick(390, 30);
        QCOMPARE(PointsOf(*square), std::string("(200,20)(380,200)(200,200)"));
    }

    // A click, then at once a press that drags: the second press is part of
    // a double-click, and it moves the polygon.
    void aQuickSecondPressMovesThePolygon()
    {
        ViewHarness h(1000, 800);
        CMapData* square = h.AddPolygon({{200, 20}, {380, 20}, {380, 200}, {200, 200}});
        h.view.SelectArea(square);
        h.Move(380, 20);
        h.Press(380, 20);
        h.Release(380, 20); // vertex 1 grabbed
        h.Move(290, 110);
        h.Click(290, 110);
        QMouseEvent second(QEvent::MouseButtonDblClick, h.At(290, 110), h.view.viewport()->mapToGlobal(h.At(290, 110)),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(h.view.viewport(), &second);
        h.held = true;
        h.Move(300, 130);
        h.Release(300, 130);
        QCOMPARE(PointsOf(*square), std::string("(210,40)(390,40)(390,220)(210,220)"));
    }

    // A new map ends a placement: its outline goes, and a click adds nothing.
    void aNewMapEndsAPlacement()
    {
        ViewHarness h(1000, 800);
        CMapData area;
        area.m_shape = ShapeRect;
        area.m_points = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        h.view.StartPlacement(area, {5, 5});
        QVERIFY(h.view.IsPlacing());
        h.doc.DeleteContents();
        QVERIFY(!h.view.IsPlacing());
        h.doc.SetAttribute(AttrImageSrc, FromQString(h.dir.filePath(QStringLiteral("pic.png"))));
        mapcmd::AfterMapCreated(h.doc);
        h.Move(50, 50);
        h.Click(50, 50);
        QVERIFY(h.Drawn().empty());
    }

    // Centring a pasted area works in 64 bits: points at the far ends of
    // what a block may hold stay apart.
    void centringAFarAreaDoesNotOverflow()
    {
        CMapData area;
        area.m_shape = ShapeRect;
        area.m_points = {{-1000000, -1000000}, {1000000, -1000000}, {1000000, 1000000}, {-1000000, 1000000}};
        PastePlacement::CentreOn(area, {10, 20});
        QCOMPARE(PointsOf(area), std::string("(-999990,-999980)(1000010,-999980)(1000010,1000020)(-999990,1000020)"));
    }

    void theFirstPictureColumnCountsAsInsideAtAnyMagnification()
    {
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(3.0f);
        const QPoint corner = h.At(0, 0);
        h.pane.calls.clear();
        QTest::mouseClick(h.view.viewport(), Qt::LeftButton, {}, corner + QPoint(1, 1));
        QCOMPARE(h.pane.calls.back(), std::string("default row"));
        QTest::mouseClick(h.view.viewport(), Qt::LeftButton, {}, corner - QPoint(1, 1));
        QCOMPARE(h.pane.calls.back(), std::string("clear rows"));
    }

    void aDoubleClickBeforeMovingKeepsThePolygonTool()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Polygon);
        h.DoubleClick(30, 30);
        QCOMPARE(h.view.CurrentTool(), Tool::Polygon);
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        // The next polygon starts from nothing.
        h.Click(10, 10);
        h.Move(60, 10);
        h.Click(60, 10);
        h.Move(60, 60);
        h.Click(60, 60);
        h.DoubleClick(60, 60);
        QCOMPARE(PointsOf(*h.Drawn().at(0)), std::string("(10,10)(60,10)(60,60)"));
    }

    void aDoubleClickAbandonsABox()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Circle);
        h.Click(30, 30);
        h.Move(60, 60);
        h.DoubleClick(60, 60);
        QCOMPARE(h.Drawn().size(), std::size_t(0));
        QCOMPARE(h.view.CurrentTool(), Tool::Select);
    }

    // ---- Large pictures ----

    void aLargePictureShowsAtThreeHundredPercentInBoundedMemory()
    {
        ViewHarness h(800, 600, 8000, 6000, "large.png");
        h.zoomed.SetCacheLimit(std::size_t(16) << 20);
        QVERIFY(h.view.ApplyMagnification(3.0f));
        QCOMPARE(h.zoomed.ScaledSize(), QSize(24000, 18000));
        for (int step = 0; step < 20; ++step) {
            h.view.horizontalScrollBar()->setValue(step * 1000);
            h.view.verticalScrollBar()->setValue(step * 700);
            const QImage image = Grab(h.view);
            QCOMPARE(image.pixelColor(400, 300), QColor(Qt::white));
        }
        QVERIFY(h.zoomed.CachedBytes() <= std::size_t(16) << 20);
        QVERIFY(m_boxes.isEmpty());
    }

private:
    QStringList m_boxes;
};

QTEST_MAIN(CZephyrmapViewTest)
#include "CZephyrmapViewTest.moc"
