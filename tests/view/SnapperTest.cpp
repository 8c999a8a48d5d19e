// Snapping: onto another area's vertex, then its outline, within 5 window
// pixels at any magnification; onto the grid when that is on; never while Alt
// is held; and what the view draws of it: the grid and the snapped point's
// mark.
#include "tests/view/ViewHarness.h"

#include "view/Snapper.h"

namespace
{

QImage Grab(CZephyrmapView& view)
{
    return view.viewport()->grab().toImage();
}

} // namespace

class SnapperTest : public QObject
{
    Q_OBJECT
private slots:
    void pointsGoToTheNearestTarget_data()
    {
        QTest::addColumn<bool>("areas");
        QTest::addColumn<bool>("grid");
        QTest::addColumn<float>("factor");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QPoint>("snapped");
        QTest::newRow("near a vertex") << true << false << 1.0f << QPoint(103, 98) << QPoint(100, 100);
        QTest::newRow("a vertex before an edge") << true << false << 1.0f << QPoint(103, 102) << QPoint(100, 100);
        QTest::newRow("near an edge") << true << false << 1.0f << QPoint(150, 103) << QPoint(150, 100);
        QTest::newRow("too far") << true << false << 1.0f << QPoint(150, 107) << QPoint(150, 107);
        // 5 window pixels are fewer picture pixels at 300 %.
        QTest::newRow("too far at 300%") << true << false << 3.0f << QPoint(150, 102) << QPoint(150, 102);
        QTest::newRow("near at 50%") << true << false << 0.5f << QPoint(150, 109) << QPoint(150, 100);
        QTest::newRow("the grid") << false << true << 1.0f << QPoint(36, 44) << QPoint(40, 40);
        QTest::newRow("an area before the grid") << true << true << 1.0f << QPoint(103, 98) << QPoint(100, 100);
        QTest::newRow("nothing on") << false << false << 1.0f << QPoint(103, 98) << QPoint(103, 98);
    }
    void pointsGoToTheNearestTarget()
    {
        QFETCH(bool, areas);
        QFETCH(bool, grid);
        QFETCH(float, factor);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, snapped);
        AppSettings settings;
        settings.SnapToAreas = areas;
        settings.SnapToGrid = grid;
        settings.GridSpacing = 20;
        CZephyrmapDoc doc(settings);
        auto square = std::make_unique<CMapData>();
        square->m_shape = ShapeRect;
        square->m_points = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
        doc.AppendArea(std::move(square));
        Snapper snapper(doc, settings);
        const Point p = snapper.Snap({pointer.x(), pointer.y()}, factor, {});
        QCOMPARE(QPoint(p.x, p.y), snapped);
        QCOMPARE(snapper.Mark().has_value(), snapped != pointer);
        snapper.SetSuspended(true); // Alt held
        const Point free = snapper.Snap({pointer.x(), pointer.y()}, factor, {});
        QCOMPARE(QPoint(free.x, free.y), pointer);
    }

    // The area being changed is no target of its own.
    void theAreaChangedIsIgnored()
    {
        AppSettings settings;
        settings.SnapToAreas = 1;
        CZephyrmapDoc doc(settings);
        auto square = std::make_unique<CMapData>();
        square->m_shape = ShapeRect;
        square->m_points = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
        const CMapData* self = square.get();
        doc.AppendArea(std::move(square));
        Snapper snapper(doc, settings);
        const Point p = snapper.Snap({102, 101}, 1.0f, {self});
        QCOMPARE(QPoint(p.x, p.y), QPoint(102, 101));
    }

    // A moved area snaps by whichever of its vertices comes nearest.
    void aMoveSnapsByItsNearestVertex()
    {
        AppSettings settings;
        settings.SnapToAreas = 1;
        CZephyrmapDoc doc(settings);
        auto square = std::make_unique<CMapData>();
        square->m_shape = ShapeRect;
        square->m_points = {{100, 100}, {200, 100}, {200, 200}, {100, 200}};
        doc.AppendArea(std::move(square));
        Snapper snapper(doc, settings);
        // A 10 x 10 box at (0, 0) moved by (188, 93): its corner (10, 10)
        // lands at (198, 103), three pixels from (200, 100).
        const Point offset =
            snapper.SnapOffset(std::vector<Point>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {188, 93}, 1.0f, {});
        QCOMPARE(QPoint(offset.x, offset.y), QPoint(190, 90));
        QVERIFY(snapper.Mark() == (Point{200, 100}));
    }

    // Drawing with snapping on: the corner lands on the vertex, and while the
    // pointer is held there the mark shows; holding Alt lets it go free.
    void drawingSnapsAndMarksThePoint()
    {
        ViewHarness h(1000, 800);
        h.settings.SnapToAreas = 1;
        h.settings.Hatching = 0;
        h.AddRect(100, 100, 200, 200);
        h.view.DeselectArea();
        h.view.SetTool(Tool::Rectangle);
        h.Click(20, 20);
        h.Move(97, 102);
        const QImage marked = Grab(h.view);
        // The mark: an inverted cross through (100, 100), five pixels out.
        const QPoint centre = h.At(100, 100);
        QCOMPARE(marked.pixelColor(centre + QPoint(4, 4)), QColor(Qt::black));
        QCOMPARE(marked.pixelColor(centre + QPoint(-4, 4)), QColor(Qt::black));
        h.Click(97, 102);
        QCOMPARE(h.Drawn().back()->Bounds(), (Rect{20, 20, 100, 100}));
        h.view.SetTool(Tool::Rectangle);
        h.Click(20, 150, Qt::AltModifier);
        h.Move(97, 198, Qt::AltModifier);
        h.Click(97, 198, Qt::AltModifier);
        QCOMPARE(h.Drawn().back()->Bounds(), (Rect{20, 150, 97, 198}));
    }

    void theGridIsDrawnOverThePicture()
    {
        ViewHarness h(1000, 800);
        h.settings.GridSpacing = 25;
        h.settings.GridColor = 0x0000FF; // red
        const QImage plain = Grab(h.view);
        QCOMPARE(plain.pixelColor(h.At(50, 10)), QColor(Qt::white));
        for (const CommandRoute& route : h.view.Commands()) {
            if (route.id == CmdShowGrid)
                route.run();
        }
        QVERIFY(h.settings.ShowGrid);
        const QImage grid = Grab(h.view);
        QCOMPARE(grid.pixelColor(h.At(50, 10)), QColor(Qt::red));
        QCOMPARE(grid.pixelColor(h.At(10, 75)), QColor(Qt::red));
        QCOMPARE(grid.pixelColor(h.At(40, 40)), QColor(Qt::white));
        // Outside the picture there is no grid.
        const QPoint beyond = h.At(300, 100) + QPoint(25, 0);
        QCOMPARE(grid.pixelColor(beyond), QColor(0x80, 0x80, 0x80));
        // A grid finer than eight window pixels shows only every few lines.
        h.view.ApplyMagnification(0.25f);
        h.settings.GridSpacing = 4;
        const QImage fine = Grab(h.view);
        QCOMPARE(fine.pixelColor(h.At(8, 10)), QColor(Qt::white));
    }
};

QTEST_MAIN(SnapperTest)
#include "SnapperTest.moc"
