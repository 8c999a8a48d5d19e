// What users of drawing programs reach for first: moving the picture by
// hand, Shift with the wheel, selecting everything and zooming to it, keys
// that shape a box or close a polygon, the snap shown before the press, the
// reference a group follows, a press right after drawing, and the link of
// the area under the pointer.
#include "tests/view/ViewHarness.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace
{

void Key(CZephyrmapView& view, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QTest::keyClick(&view, key, mods);
}

void SendKey(CZephyrmapView& view, QEvent::Type type, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    QKeyEvent event(type, key, mods);
    QApplication::sendEvent(&view, &event);
}

void MoveTo(ViewHarness& h, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, at, h.view.viewport()->mapToGlobal(at), Qt::NoButton, buttons, {});
    QApplication::sendEvent(h.view.viewport(), &move);
}

void Wheel(CZephyrmapView& view, int notches, Qt::KeyboardModifiers mods)
{
    const QPoint at = view.viewport()->rect().center();
    QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &wheel);
}

CMapData* AddCircle(ViewHarness& h, int left, int top, int diameter)
{
    auto circle = std::make_unique<CMapData>();
    circle->m_shape = ShapeCirc;
    circle->m_points = {{left, top}, {left + diameter, top}, {left + diameter, top + diameter}, {left, top + diameter}};
    circle->BuildRegion();
    CMapData* raw = circle.get();
    h.doc.AddAreaUndoable(std::move(circle));
    return raw;
}

} // namespace

class DrawingConveniencesTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    // ---- Moving the picture by hand ----

    void theMiddleButtonDragsThePicture_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("selection") << int(Tool::Select);
        QTest::newRow("rectangle") << int(Tool::Rectangle);
        QTest::newRow("polygon") << int(Tool::Polygon);
    }
    void theMiddleButtonDragsThePicture()
    {
        QFETCH(int, tool);
        ViewHarness h(600, 400);
        h.view.ApplyMagnification(4.0f);
        h.view.SetTool(static_cast<Tool>(tool));
        const QPoint start = h.view.ScrollPosition();
        const QPoint grab(300, 200);
        QTest::mousePress(h.view.viewport(), Qt::MiddleButton, {}, grab);
        MoveTo(h, grab + QPoint(-40, -25), Qt::MiddleButton);
        QCOMPARE(h.view.ScrollPosition(), start + QPoint(40, 25));
        QCOMPARE(h.view.viewport()->cursor().shape(), Qt::ClosedHandCursor);
        QTest::mouseRelease(h.view.viewport(), Qt::MiddleButton, {}, grab + QPoint(-40, -25));
        QVERIFY(h.Drawn().empty()); // nothing drawn, nothing selected
        QCOMPARE(int(h.view.CurrentTool()), tool);
        QCOMPARE(h.doc.History().UndoDepth(), std::size_t(0));
    }

    void spaceWithTheLeftButtonDragsThePicture()
    {
        ViewHarness h(600, 400);
        CMapData* area = h.AddRect(100, 80, 140, 120);
        h.view.SelectArea(area);
        h.view.ApplyMagnification(4.0f);
        h.view.setFocus();
        SendKey(h.view, QEvent::KeyPress, Qt::Key_Space);
        QCOMPARE(h.view.viewport()->cursor().shape(), Qt::OpenHandCursor);
        const QPoint start = h.view.ScrollPosition();
        // Over the selected area: the picture moves, not the area.
        const QPoint grab = h.At(120, 100);
        MoveTo(h, grab, Qt::NoButton);
        QTest::mousePress(h.view.viewport(), Qt::LeftButton, {}, grab);
        MoveTo(h, grab + QPoint(30, 10), Qt::LeftButton);
        QTest::mouseRelease(h.view.viewport(), Qt::LeftButton, {}, grab + QPoint(30, 10));
        QCOMPARE(h.view.ScrollPosition(), start - QPoint(30, 10));
        QCOMPARE(area->Bounds(), (Rect{100, 80, 140, 120}));
        SendKey(h.view, QEvent::KeyRelease, Qt::Key_Space);
        // Without Space the left button is itself again: it moves the area.
        MoveTo(h, h.At(120, 100), Qt::NoButton);
        h.Press(120, 100);
        h.Move(125, 100);
        h.Release(125, 100);
        QCOMPARE(area->Bounds(), (Rect{105, 80, 145, 120}));
    }

    // A polygon half drawn waits while the picture moves, then goes on.
    void aDrawingGoesOnAfterThePictureMoved()
    {
        ViewHarness h(600, 400);
        h.view.ApplyMagnification(4.0f);
        h.view.SetTool(Tool::Polygon);
        const QPoint scrolled = h.view.ScrollPosition();
        h.Click(100, 60);
        h.Move(120, 60);
        h.Click(120, 60);
        QTest::mousePress(h.view.viewport(), Qt::MiddleButton, {}, QPoint(300, 200));
        MoveTo(h, QPoint(280, 200), Qt::MiddleButton);
        QTest::mouseRelease(h.view.viewport(), Qt::MiddleButton, {}, QPoint(280, 200));
        QCOMPARE(h.view.ScrollPosition(), scrolled + QPoint(20, 0));
        h.Move(120, 80);
        h.Click(120, 80);
        h.DoubleClick(120, 80);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(PointsOf(*h.Drawn()[0]), std::string("(100,60)(120,60)(120,80)"));
    }

    // ---- The wheel ----

    void shiftWithTheWheelScrollsSideways()
    {
        ViewHarness h(600, 400);
        h.view.ApplyMagnification(4.0f);
        const QPoint start = h.view.ScrollPosition();
        Wheel(h.view, -1, Qt::ShiftModifier);
        QVERIFY(h.view.ScrollPosition().x() > start.x());
        QCOMPARE(h.view.ScrollPosition().y(), start.y());
        Wheel(h.view, -1, {});
        QVERIFY(h.view.ScrollPosition().y() > start.y());
    }

    // ---- Selecting everything, and zooming to the selection ----

    void selectAllTakesEveryAreaButDefault()
    {
        ViewHarness h(1000, 800);
        CMapData* a = h.AddRect(10, 10, 40, 40);
        CMapData* b = h.AddRect(50, 10, 80, 40);
        QVERIFY(h.Run(CmdSelectAll));
        QCOMPARE(h.view.Selection().Areas(), (std::vector<CMapData*>{a, b}));
        QCOMPARE(h.pane.calls.back(), std::string("rows 2"));
    }

    void zoomToSelectionFillsTheWindowWithIt()
    {
        ViewHarness h(600, 400);
        CMapData* area = h.AddRect(200, 150, 240, 170);
        QVERIFY(!h.Run(CmdZoomToSelection)); // nothing selected: off
        h.view.SelectArea(area);
        QVERIFY(h.Run(CmdZoomToSelection));
        QVERIFY(h.view.Factor() > 6.0f && h.view.Factor() <= 8.0f);
        const QRect shown(h.At(200, 150), h.At(240, 170));
        QVERIFY(h.view.viewport()->rect().contains(shown));
        QVERIFY(qAbs(shown.center().x() - h.view.viewport()->rect().center().x()) <= 2);
        // A wide group at a small magnification.
        CMapData* far = h.AddRect(0, 0, 10, 10);
        h.view.SelectAreas({area, far});
        QVERIFY(h.Run(CmdZoomToSelection));
        QVERIFY(h.view.viewport()->rect().contains(QRect(h.At(0, 0), h.At(240, 170))));
    }

    // ---- Keys that shape a box, and Enter for a polygon ----

    void keysShapeTheBoxBeingDrawn_data()
    {
        QTest::addColumn<int>("shape");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("coords");
        QTest::newRow("rectangle") << int(Tool::Rectangle) << 0 << "100,100,130,110";
        QTest::newRow("square") << int(Tool::Rectangle) << int(Qt::ControlModifier) << "100,100,130,130";
        QTest::newRow("from the middle") << int(Tool::Rectangle) << int(Qt::ShiftModifier) << "70,90,130,110";
        QTest::newRow("a square from the middle")
            << int(Tool::Rectangle) << int(Qt::ShiftModifier | Qt::ControlModifier) << "70,70,130,130";
        QTest::newRow("circle from the middle") << int(Tool::Circle) << int(Qt::ShiftModifier) << "100,100,30";
    }
    void keysShapeTheBoxBeingDrawn()
    {
        QFETCH(int, shape);
        QFETCH(int, modifiers);
        QFETCH(QString, coords);
        ViewHarness h(1000, 800);
        h.view.SetTool(static_cast<Tool>(shape));
        const auto mods = Qt::KeyboardModifiers(modifiers);
        h.Click(100, 100);
        h.Move(130, 110, mods);
        h.Click(130, 110, mods);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(h.Drawn()[0]->FormatCoords()), coords);
    }

    // Pressing Ctrl in the middle of a drag squares the box at once.
    void aKeyPressedWhileDrawingReshapesAtOnce()
    {
        ViewHarness h(1000, 800);
        h.view.setFocus();
        h.view.SetTool(Tool::Rectangle);
        h.Click(100, 100);
        h.Move(130, 110);
        // The box's bottom edge, drawn inverted one pixel above its bottom.
        const QPoint bottomOfSquare = h.At(115, 130) - QPoint(0, 1);
        QCOMPARE(h.Grab().pixelColor(bottomOfSquare), QColor(Qt::white));
        SendKey(h.view, QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
        QVERIFY(h.Grab().pixelColor(bottomOfSquare) != QColor(Qt::white));
        SendKey(h.view, QEvent::KeyRelease, Qt::Key_Control);
        QCOMPARE(h.Grab().pixelColor(bottomOfSquare), QColor(Qt::white));
    }

    void enterClosesAPolygon()
    {
        ViewHarness h(1000, 800);
        h.view.setFocus();
        h.view.SetTool(Tool::Polygon);
        h.Click(10, 10);
        h.Move(60, 10);
        h.Click(60, 10);
        h.Move(60, 50);
        h.Click(60, 50);
        h.Move(20, 70);
        Key(h.view, Qt::Key_Return);
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        QCOMPARE(PointsOf(*h.Drawn()[0]), std::string("(10,10)(60,10)(60,50)"));
        QCOMPARE(h.doc.History().UndoDepth(), std::size_t(1));
    }

    // ---- The snap before the press ----

    void theSnapShowsBeforeThePress_data()
    {
        QTest::addColumn<int>("tool");
        QTest::newRow("rectangle") << int(Tool::Rectangle);
        QTest::newRow("polygon") << int(Tool::Polygon);
    }
    void theSnapShowsBeforeThePress()
    {
        QFETCH(int, tool);
        ViewHarness h(1000, 800);
        h.settings.SnapToAreas = 1;
        h.AddRect(100, 100, 150, 150);
        h.view.SetTool(static_cast<Tool>(tool));
        h.Move(152, 98);
        QCOMPARE(h.view.Snapping().Mark(), std::optional<Point>(Point{150, 100}));
        h.Move(250, 180);
        QVERIFY(!h.view.Snapping().Mark());
        h.Move(152, 98);
        h.view.SetTool(Tool::Select);
        QVERIFY(!h.view.Snapping().Mark()); // put down with the tool
    }

    // ---- The reference a group follows ----

    void aClickMakesAGroupsAreaTheReference()
    {
        ViewHarness h(1000, 800);
        CMapData* wide = h.AddRect(10, 10, 70, 30);
        CMapData* narrow = h.AddRect(10, 60, 30, 100);
        h.view.SelectAreas({wide, narrow});
        QCOMPARE(h.view.Selection().Reference(), wide);
        // The reference's corners are solid: its handle's middle is inverted.
        const QImage before = h.Grab();
        QCOMPARE(before.pixelColor(h.At(10, 10) + QPoint(-1, -1)), QColor(Qt::black));
        QCOMPARE(before.pixelColor(h.At(10, 60) + QPoint(-1, -1)), QColor(Qt::white));
        h.Move(20, 80);
        h.Click(20, 80);
        QCOMPARE(h.view.Selection().Areas().size(), std::size_t(2));
        QCOMPARE(h.view.Selection().Reference(), narrow);
        const QImage after = h.Grab();
        QCOMPARE(after.pixelColor(h.At(10, 60) + QPoint(-1, -1)), QColor(Qt::black));
        QCOMPARE(after.pixelColor(h.At(10, 10) + QPoint(-1, -1)), QColor(Qt::white));
        // The others take its width, and line up on its left edge.
        QVERIFY(h.Run(CmdSameWidth));
        QCOMPARE(wide->Bounds(), (Rect{10, 10, 30, 30}));
        h.view.SelectAreas({wide, narrow});
        h.Move(20, 80);
        h.Click(20, 80);
        narrow->OffsetBy(100, 0);
        QVERIFY(h.Run(CmdAlignLeft));
        QCOMPARE(wide->Bounds().left, 110);
    }

    // "Same height" keeps a circle where it is.
    void aCircleKeepsItsCentre()
    {
        ViewHarness h(1000, 800);
        CMapData* bar = h.AddRect(10, 10, 100, 30);
        CMapData* circle = AddCircle(h, 150, 150, 60);
        h.view.SelectAreas({bar, circle});
        QVERIFY(h.Run(CmdSameHeight));
        QCOMPARE(QString::fromStdString(circle->FormatCoords()), QStringLiteral("180,180,10"));
    }

    // ---- A press right after drawing ----

    // The press lands on the area just drawn: it is selected and moves,
    // not left for a rubber band over nothing.
    void aPressRightAfterDrawingSeesWhatIsThere()
    {
        ViewHarness h(1000, 800);
        h.view.SetTool(Tool::Rectangle);
        h.Click(100, 100);
        h.Move(160, 140);
        h.Click(160, 140);
        CMapData* drawn = h.Drawn().at(0);
        h.view.DeselectArea();
        h.Press(130, 120);                                    // no move since the drawing ended
        QTest::qWait(CZephyrmapView::kClickMilliseconds * 2); // held: a drag, not a click
        h.Move(140, 120);
        h.Release(140, 120);
        QCOMPARE(h.view.SelectedArea(), drawn);
        QCOMPARE(drawn->Bounds(), (Rect{110, 100, 170, 140}));
    }

    // ---- Where an area leads ----

    void theStatusBarShowsTheLinkUnderThePointer()
    {
        ViewHarness h(1000, 800);
        CMapData* area = h.AddRect(100, 100, 150, 150);
        area->m_href = "guide/ja.html";
        area->m_alt = "案内";
        CMapData* none = h.AddRect(200, 100, 250, 150);
        none->m_noHref = 1;
        none->m_alt = "飾り";
        h.Move(120, 120);
        QCOMPARE(h.pane.status[PanePrompt], QStringLiteral("HREF: guide/ja.html    ALT: 案内"));
        h.Move(220, 120);
        QCOMPARE(h.pane.status[PanePrompt], QStringLiteral("NOHREF    ALT: 飾り"));
        h.Move(10, 190);
        QCOMPARE(h.pane.status[PanePrompt], QString()); // back to idle
    }
};

QTEST_MAIN(DrawingConveniencesTest)
#include "DrawingConveniencesTest.moc"
