// Precise work over an enlarged picture: every handle drawn can be grabbed
// at every magnification, a point beyond 300 % goes to the pixel corner
// nearest the pointer, an enlarged picture shows hard pixel edges, the grid
// keeps its lines apart when reduced and the status bar follows the pointer
// while a polygon is drawn.
#include "tests/view/ViewHarness.h"

#include <cmath>

namespace
{

// Presses, moves and releases at window points, wherever they fall in the
// picture.
void PressAt(ViewHarness& h, QPoint at)
{
    QTest::mousePress(h.view.viewport(), Qt::LeftButton, {}, at);
    h.held = true;
}

void MoveTo(ViewHarness& h, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, h.view.viewport()->mapToGlobal(at), Qt::NoButton,
                     h.held ? Qt::LeftButton : Qt::NoButton, {});
    QApplication::sendEvent(h.view.viewport(), &move);
}

void ReleaseAt(ViewHarness& h, QPoint at)
{
    QTest::mouseRelease(h.view.viewport(), Qt::LeftButton, {}, at);
    h.held = false;
}

// Drags from a window point to a picture point, as a hand would: a move
// over the start first, so that the view knows what lies under it.
void Drag(ViewHarness& h, QPoint from, Point to)
{
    MoveTo(h, from);
    PressAt(h, from);
    MoveTo(h, h.At(to.x, to.y));
    ReleaseAt(h, h.At(to.x, to.y));
}

void AddZoomRows()
{
    QTest::addColumn<float>("factor");
    QTest::newRow("100 %") << 1.0f;
    QTest::newRow("300 %") << 3.0f;
    QTest::newRow("400 %") << 4.0f;
    QTest::newRow("600 %") << 6.0f;
    QTest::newRow("800 %") << 8.0f;
    QTest::newRow("a fit of 350 %") << 3.5f;
}

// The three window pixels off a handle's centre that its drawn square still covers.
const QPoint kOffsets[] = {{0, 0}, {2, 2}, {-3, -3}, {2, -3}, {-3, 2}};

} // namespace

class HighZoomTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ProgramMessage::SetAnswerer([](const ProgramMessageRecord&) { return QMessageBox::Ok; });
    }
    void cleanup() { ProgramMessage::SetAnswerer({}); }

    // ---- Handles ----

    void aRectanglesCornerResizesIt_data() { AddZoomRows(); }
    void aRectanglesCornerResizesIt()
    {
        QFETCH(float, factor);
        for (const QPoint& offset : kOffsets) {
            ViewHarness h(1000, 800);
            // Large enough that no other handle is within reach at 100 %.
            CMapData* area = h.AddRect(100, 80, 130, 100);
            h.view.SelectArea(area);
            h.view.ApplyMagnification(factor);
            Drag(h, h.At(130, 100) + offset, {133, 104});
            QCOMPARE(area->Bounds(), (Rect{100, 80, 133, 104}));
        }
    }

    void aPolygonsVertexMovesWithoutANewOne_data() { AddZoomRows(); }
    void aPolygonsVertexMovesWithoutANewOne()
    {
        QFETCH(float, factor);
        for (const QPoint& offset : kOffsets) {
            ViewHarness h(1000, 800);
            CMapData* area = h.AddPolygon({{100, 80}, {120, 82}, {110, 96}});
            h.view.SelectArea(area);
            h.view.ApplyMagnification(factor);
            Drag(h, h.At(120, 82) + offset, {124, 85});
            QCOMPARE(PointsOf(*area), std::string("(100,80)(124,85)(110,96)"));
        }
    }

    void aCirclesCornerResizesIt_data() { AddZoomRows(); }
    void aCirclesCornerResizesIt()
    {
        QFETCH(float, factor);
        for (const QPoint& offset : kOffsets) {
            ViewHarness h(1000, 800);
            auto circle = std::make_unique<CMapData>();
            circle->m_shape = ShapeCirc;
            circle->m_points = {{100, 80}, {120, 80}, {120, 100}, {100, 100}};
            circle->BuildRegion();
            CMapData* area = circle.get();
            h.doc.AddAreaUndoable(std::move(circle));
            h.view.SelectArea(area);
            h.view.ApplyMagnification(factor);
            const std::size_t steps = h.doc.History().UndoDepth();
            Drag(h, h.At(120, 100) + offset, {124, 104});
            // Resized, not moved and not left for a rubber band.
            QCOMPARE(h.doc.History().UndoDepth(), steps + 1);
            QCOMPARE(h.view.SelectedArea(), area);
            QVERIFY(area->Bounds().right - area->Bounds().left > 20);
            QCOMPARE(area->Bounds().left, 100);
        }
    }

    // ---- Where a point goes ----

    // Up to 300 % a point is the pixel under the pointer; beyond, the pixel
    // corner nearest to it.
    void aPointGoesToTheNearestCornerBeyond300Percent_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("100 %, on the pixel") << 1.0f << QPoint(0, 0) << QPoint(150, 100);
        QTest::newRow("300 %, late in the pixel") << 3.0f << QPoint(2, 2) << QPoint(150, 100);
        QTest::newRow("400 %, early") << 4.0f << QPoint(1, 1) << QPoint(150, 100);
        QTest::newRow("400 %, late") << 4.0f << QPoint(3, 3) << QPoint(151, 101);
        QTest::newRow("800 %, just before") << 8.0f << QPoint(-3, -2) << QPoint(150, 100);
        QTest::newRow("800 %, past the middle") << 8.0f << QPoint(5, 6) << QPoint(151, 101);
        QTest::newRow("800 %, before the middle") << 8.0f << QPoint(3, 2) << QPoint(150, 100);
    }
    void aPointGoesToTheNearestCornerBeyond300Percent()
    {
        QFETCH(float, factor);
        QFETCH(QPoint, offset);
        QFETCH(QPoint, expected);
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(factor);
        h.view.SetTool(Tool::Rectangle);
        // The view's middle, which stays in view at every magnification.
        const QPoint first = h.At(150, 100) + offset;
        MoveTo(h, first);
        QTest::mouseClick(h.view.viewport(), Qt::LeftButton, {}, first);
        MoveTo(h, h.At(165, 110));
        QTest::mouseClick(h.view.viewport(), Qt::LeftButton, {}, h.At(165, 110));
        QCOMPARE(h.Drawn().size(), std::size_t(1));
        const Rect r = h.Drawn()[0]->Bounds();
        QCOMPARE(QPoint(r.left, r.top), expected);
    }

    // ---- The picture ----

    // Enlarged, a picture pixel is a block of one colour whose edge is a
    // straight cut; reduced, neighbouring pixels are blended.
    void anEnlargedPictureShowsHardPixelEdges()
    {
        ViewHarness h(1000, 800);
        QImage stripes(300, 200, QImage::Format_RGB32);
        for (int y = 0; y < stripes.height(); ++y) {
            for (int x = 0; x < stripes.width(); ++x)
                stripes.setPixelColor(x, y, x % 2 ? Qt::white : Qt::black);
        }
        QVERIFY(stripes.save(QString::fromStdString(h.doc.ImageSrc())));
        h.view.ReloadPicture();
        h.view.ApplyMagnification(8.0f);
        const QImage enlarged = h.Grab();
        const QPoint black = h.At(150, 100), white = h.At(151, 100);
        for (int dx = 0; dx < 8; ++dx) {
            QCOMPARE(enlarged.pixelColor(black + QPoint(dx, 3)), QColor(Qt::black));
            QCOMPARE(enlarged.pixelColor(white + QPoint(dx, 3)), QColor(Qt::white));
        }
        h.view.ApplyMagnification(0.5f);
        const QImage reduced = h.Grab();
        const QColor blend = reduced.pixelColor(h.At(150, 100) + QPoint(0, 1));
        QVERIFY2(blend.red() > 40 && blend.red() < 215, qPrintable(blend.name()));
    }

    // ---- The grid ----

    // A 10-pixel grid at 50 % shows every second line; every fifth line
    // shown is two window pixels wide.
    void theGridKeepsItsLinesApart()
    {
        ViewHarness h(1000, 800);
        h.settings.GridSpacing = 10;
        h.settings.GridColor = 0x0000FF; // red
        h.settings.ShowGrid = 1;
        h.view.ApplyMagnification(0.5f);
        const QImage grid = h.Grab();
        const int y = h.At(0, 33).y();
        auto red = [&](int pictureX, int extra) {
            return grid.pixelColor(h.At(pictureX, 0).x() + extra, y) == QColor(Qt::red);
        };
        QVERIFY(!red(10, 0));
        QVERIFY(red(20, 0));
        QVERIFY(!red(20, 1));
        QVERIFY(red(60, 0));
        QVERIFY(red(100, 0));
        QVERIFY(red(100, 1)); // a strong line: the fifth shown
        QVERIFY(!red(100, 2));
        // At 100 % every line shows, and every fifth is strong.
        h.view.ApplyMagnification(1.0f);
        const QImage near = h.Grab();
        const int row = h.At(0, 33).y();
        QCOMPARE(near.pixelColor(h.At(10, 0).x(), row), QColor(Qt::red));
        QCOMPARE(near.pixelColor(h.At(10, 0).x() + 1, row), QColor(Qt::white));
        QCOMPARE(near.pixelColor(h.At(50, 0).x() + 1, row), QColor(Qt::red));
    }

    // A reduced grid is never closer than eight window pixels.
    void noGridLinesCloserThanEightWindowPixels_data()
    {
        QTest::addColumn<float>("factor");
        QTest::addColumn<int>("spacing");
        QTest::newRow("25 %, 4 pixels") << 0.25f << 4;
        QTest::newRow("50 %, 10 pixels") << 0.5f << 10;
        QTest::newRow("100 %, 3 pixels") << 1.0f << 3;
        QTest::newRow("150 %, 5 pixels") << 1.5f << 5;
        QTest::newRow("800 %, 1 pixel") << 8.0f << 1;
    }
    void noGridLinesCloserThanEightWindowPixels()
    {
        QFETCH(float, factor);
        QFETCH(int, spacing);
        ViewHarness h(1000, 800);
        h.settings.GridSpacing = spacing;
        h.settings.GridColor = 0x0000FF;
        h.settings.ShowGrid = 1;
        h.view.ApplyMagnification(factor);
        const QImage grid = h.Grab();
        const QRect picture = QRect(h.At(0, 0), h.At(300, 200)).intersected(grid.rect().adjusted(1, 0, 0, -8));
        const int y = picture.center().y();
        // Red in three rows three pixels apart is a vertical line: a
        // horizontal one, at most two pixels wide and eight apart, crosses
        // no more than two of them.
        auto line = [&](int x) {
            return grid.pixelColor(x, y) == QColor(Qt::red) && grid.pixelColor(x, y + 3) == QColor(Qt::red) &&
                   grid.pixelColor(x, y + 6) == QColor(Qt::red);
        };
        int last = -1000, lines = 0;
        for (int x = picture.left(); x < picture.right(); ++x) {
            if (!line(x) || line(x - 1))
                continue;
            QVERIFY2(x - last >= 8, qPrintable(QStringLiteral("lines at %1 and %2").arg(last).arg(x)));
            last = x;
            ++lines;
        }
        QVERIFY(lines >= 3);
    }

    // ---- The status bar while a polygon is drawn ----

    void aPolygonsStatusFollowsThePointer_data()
    {
        QTest::addColumn<float>("factor");
        QTest::newRow("100 %") << 1.0f;
        QTest::newRow("800 %") << 8.0f;
    }
    void aPolygonsStatusFollowsThePointer()
    {
        QFETCH(float, factor);
        ViewHarness h(1000, 800);
        h.view.ApplyMagnification(factor);
        h.view.SetTool(Tool::Polygon);
        h.Click(140, 95);
        h.Move(160, 97);
        h.Click(160, 97);
        h.Move(157, 111);
        QCOMPARE(h.pane.status[PaneCoordinates], QStringLiteral("X 157  Y 111  頂点 3"));
    }
};

QTEST_MAIN(HighZoomTest)
#include "HighZoomTest.moc"
