// Magnifications from 25 % to 800 %, the steps between them, the fit, and
// where the picture stands after a zoom: the point under the pointer for the
// wheel, the selection or the view's centre for the commands.
#include "tests/view/ViewHarness.h"

#include "view/Magnification.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace
{

void Run(CZephyrmapView& view, CommandId id)
{
    for (const CommandRoute& route : view.Commands()) {
        if (route.id == id)
            route.run();
    }
}

void Wheel(CZephyrmapView& view, QPoint at, int notches, Qt::KeyboardModifiers mods)
{
    QWheelEvent event(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, notches * 120), Qt::NoButton, mods,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view.viewport(), &event);
}

} // namespace

class ZoomControlTest : public QObject
{
    Q_OBJECT
private slots:
    void stepsGoThroughTheList_data()
    {
        QTest::addColumn<float>("from");
        QTest::addColumn<int>("direction");
        QTest::addColumn<float>("to");
        QTest::newRow("up from 100") << 1.0f << 1 << 1.5f;
        QTest::newRow("down from 100") << 1.0f << -1 << 0.5f;
        QTest::newRow("up from a fit") << 0.37f << 1 << 0.5f;
        QTest::newRow("down from a fit") << 0.37f << -1 << 0.25f;
        QTest::newRow("top") << 8.0f << 1 << 8.0f;
        QTest::newRow("bottom") << 0.25f << -1 << 0.25f;
        QTest::newRow("below the bottom") << 0.1f << -1 << 0.25f;
    }
    void stepsGoThroughTheList()
    {
        QFETCH(float, from);
        QFETCH(int, direction);
        QFETCH(float, to);
        QCOMPARE(magnification::NextStep(from, direction), to);
    }

    void aStoredStepIsKeptAndAnythingElseIsOne()
    {
        QCOMPARE(magnification::Known(6.0f), 6.0f);
        QCOMPARE(magnification::Known(0.25f), 0.25f);
        QCOMPARE(magnification::Known(0.37f), 1.0f);
    }

    void theFitShowsTheWholePicture_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QSize>("client");
        QTest::newRow("large photo") << QSize(8000, 6000) << QSize(1000, 800);
        QTest::newRow("small icon") << QSize(30, 20) << QSize(1000, 800);
        QTest::newRow("tall") << QSize(300, 3000) << QSize(1000, 800);
    }
    void theFitShowsTheWholePicture()
    {
        QFETCH(QSize, picture);
        QFETCH(QSize, client);
        const float fit = magnification::Fitting(picture, client);
        QVERIFY(static_cast<int>(static_cast<float>(picture.width()) * fit) <= client.width());
        QVERIFY(static_cast<int>(static_cast<float>(picture.height()) * fit) <= client.height());
        QVERIFY(fit <= magnification::kLargest);
        // Nearly: a step more would pass one side or the largest magnification.
        const float more = fit + 0.002f;
        QVERIFY(fit == magnification::kLargest ||
                static_cast<int>(static_cast<float>(picture.width()) * more) > client.width() ||
                static_cast<int>(static_cast<float>(picture.height()) * more) > client.height());
    }

    // Ctrl with the wheel: the picture point under the pointer stays there.
    void theWheelZoomsAroundThePointer()
    {
        ViewHarness h(600, 400, 1000, 800);
        const QPoint pointer(150, 90);
        const Point before = h.view.ToPicture(pointer);
        Wheel(h.view, pointer, 1, Qt::ControlModifier);
        QCOMPARE(h.view.Factor(), 1.5f);
        const Point after = h.view.ToPicture(pointer);
        QVERIFY(std::abs(after.x - before.x) <= 1 && std::abs(after.y - before.y) <= 1);
        Wheel(h.view, pointer, 1, Qt::ControlModifier);
        Wheel(h.view, pointer, 1, Qt::ControlModifier);
        QCOMPARE(h.view.Factor(), 3.0f);
        const Point far = h.view.ToPicture(pointer);
        QVERIFY(std::abs(far.x - before.x) <= 1 && std::abs(far.y - before.y) <= 1);
        // Without Ctrl the wheel scrolls.
        const int scrolled = h.view.verticalScrollBar()->value();
        Wheel(h.view, pointer, -1, {});
        QCOMPARE(h.view.Factor(), 3.0f);
        QVERIFY(h.view.verticalScrollBar()->value() > scrolled);
    }

    // Commands keep the selected area in view, or else the view's centre.
    void commandsKeepTheSelectionInView()
    {
        ViewHarness h(600, 400, 2000, 1500);
        CMapData* area = h.AddRect(1800, 1300, 1900, 1400);
        h.view.SelectArea(area);
        Run(h.view, CmdZoom400);
        QCOMPARE(h.view.Factor(), 4.0f);
        const QRect shown = h.view.viewport()->rect();
        const QPoint middle = h.At(1850, 1350);
        QVERIFY2(shown.contains(middle), qPrintable(QStringLiteral("%1,%2").arg(middle.x()).arg(middle.y())));
        h.view.DeselectArea();
        const Point centre = h.view.ToPicture(shown.center());
        Run(h.view, CmdZoomOut);
        QCOMPARE(h.view.Factor(), 3.0f);
        const Point still = h.view.ToPicture(shown.center());
        QVERIFY(std::abs(still.x - centre.x) <= 1 && std::abs(still.y - centre.y) <= 1);
    }

    void theFitCommandAndTheKeys()
    {
        ViewHarness h(600, 400, 2000, 1500);
        Run(h.view, CmdZoomToFit);
        QVERIFY(h.view.Factor() < 0.3f);
        QCOMPARE(h.view.horizontalScrollBar()->maximum(), 0);
        QCOMPARE(h.view.verticalScrollBar()->maximum(), 0);
        QCOMPARE(h.pane.status[PaneMagnification], QStringLiteral("%1%").arg(std::lround(h.view.Factor() * 100)));
        Run(h.view, CmdZoomIn);
        QCOMPARE(h.view.Factor(), 0.5f);
        Run(h.view, CmdZoom800);
        QCOMPARE(h.view.Factor(), 8.0f);
        QCOMPARE(h.pane.status[PaneMagnification], QStringLiteral("800%"));
        // At 800 % the picture is drawn in tiles, within the cache's bound.
        h.view.viewport()->grab();
        QVERIFY(h.zoomed.CachedBytes() <= ZoomedPicture::kDefaultCacheBytes);
    }
};

QTEST_MAIN(ZoomControlTest)
#include "ZoomControlTest.moc"
