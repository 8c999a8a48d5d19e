#include "view/ProgramCursors.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QtTest>

#include <functional>

namespace
{

using CursorMaker = std::function<QCursor()>;

enum class Ink { Dark, Light, Red, Clear };

// The colour of one logical pixel of a cursor, sampled in the middle of the
// device pixels that make it up.
QColor Sampled(const QCursor& cursor, QPoint logical)
{
    const QPixmap pixmap = cursor.pixmap();
    const qreal ratio = pixmap.devicePixelRatio();
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    const QPointF middle = (QPointF(logical) + QPointF(0.5, 0.5)) * ratio;
    return image.pixelColor(int(middle.x()), int(middle.y()));
}

bool Is(const QColor& c, Ink ink)
{
    switch (ink) {
    case Ink::Dark:
        return c.alpha() == 255 && c.lightness() < 60;
    case Ink::Light:
        return c.alpha() == 255 && c.lightness() > 220;
    case Ink::Red:
        return c.alpha() == 255 && c.red() > 150 && c.green() < 80 && c.blue() < 80;
    case Ink::Clear:
        return c.alpha() == 0;
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(CursorMaker)
Q_DECLARE_METATYPE(Ink)

class ProgramCursorsTest : public QObject
{
    Q_OBJECT
private slots:
    void eachCursorIsThirtyTwoLogicalPixelsWithItsHotSpot_data()
    {
        QTest::addColumn<CursorMaker>("make");
        QTest::addColumn<QPoint>("hotSpot");
        QTest::newRow("drawing") << CursorMaker(&ProgramCursors::Drawing) << QPoint(15, 15);
        QTest::newRow("insert") << CursorMaker(&ProgramCursors::Insert) << QPoint(15, 15);
        QTest::newRow("copy") << CursorMaker(&ProgramCursors::Copy) << QPoint(15, 15);
        QTest::newRow("no drop") << CursorMaker(&ProgramCursors::NoDrop) << QPoint(15, 15);
    }
    void eachCursorIsThirtyTwoLogicalPixelsWithItsHotSpot()
    {
        QFETCH(CursorMaker, make);
        QFETCH(QPoint, hotSpot);
        const QCursor cursor = make();
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), hotSpot);
        const QPixmap pixmap = cursor.pixmap();
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.devicePixelRatio(), qGuiApp->devicePixelRatio());
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(pixmap.size(), QSize(32, 32) * qGuiApp->devicePixelRatio());
    }

    // Where each picture has ink and where it has none. The drawing cursor's
    // lines run 25 pixels, 3 to 27, on a one-pixel white rim.
    void theCursorsShowTheirShapes_data()
    {
        QTest::addColumn<CursorMaker>("make");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<Ink>("ink");
        const CursorMaker drawing(&ProgramCursors::Drawing);
        QTest::newRow("drawing: crossing at the hot spot") << drawing << QPoint(15, 15) << Ink::Dark;
        QTest::newRow("drawing: left end") << drawing << QPoint(3, 15) << Ink::Dark;
        QTest::newRow("drawing: right end") << drawing << QPoint(27, 15) << Ink::Dark;
        QTest::newRow("drawing: top end") << drawing << QPoint(15, 3) << Ink::Dark;
        QTest::newRow("drawing: bottom end") << drawing << QPoint(15, 27) << Ink::Dark;
        QTest::newRow("drawing: rim past the left end") << drawing << QPoint(2, 15) << Ink::Light;
        QTest::newRow("drawing: rim past the right end") << drawing << QPoint(28, 15) << Ink::Light;
        QTest::newRow("drawing: rim above the line") << drawing << QPoint(8, 14) << Ink::Light;
        QTest::newRow("drawing: rim below the line") << drawing << QPoint(8, 16) << Ink::Light;
        QTest::newRow("drawing: nothing beyond the rim") << drawing << QPoint(1, 15) << Ink::Clear;
        QTest::newRow("drawing: nothing between the arms") << drawing << QPoint(8, 8) << Ink::Clear;

        const CursorMaker insert(&ProgramCursors::Insert);
        QTest::newRow("insert: centre") << insert << QPoint(15, 15) << Ink::Dark;
        QTest::newRow("insert: left arm") << insert << QPoint(10, 15) << Ink::Dark;
        QTest::newRow("insert: lower arm") << insert << QPoint(15, 20) << Ink::Dark;
        QTest::newRow("insert: rim") << insert << QPoint(21, 15) << Ink::Light;
        QTest::newRow("insert: small") << insert << QPoint(15, 3) << Ink::Clear;
        QTest::newRow("insert: nothing between the arms") << insert << QPoint(11, 11) << Ink::Clear;

        const CursorMaker copy(&ProgramCursors::Copy);
        QTest::newRow("copy: arrow centre") << copy << QPoint(15, 15) << Ink::Dark;
        QTest::newRow("copy: left head") << copy << QPoint(7, 15) << Ink::Dark;
        QTest::newRow("copy: right head") << copy << QPoint(24, 15) << Ink::Dark;
        QTest::newRow("copy: upper head") << copy << QPoint(15, 7) << Ink::Dark;
        QTest::newRow("copy: lower head") << copy << QPoint(15, 24) << Ink::Dark;
        QTest::newRow("copy: plus at the lower right") << copy << QPoint(26, 26) << Ink::Dark;
        QTest::newRow("copy: plus's rim") << copy << QPoint(24, 24) << Ink::Light;
        QTest::newRow("copy: nothing at the upper right") << copy << QPoint(26, 5) << Ink::Clear;
        QTest::newRow("copy: nothing at the upper left") << copy << QPoint(5, 5) << Ink::Clear;

        const CursorMaker noDrop(&ProgramCursors::NoDrop);
        QTest::newRow("no drop: bar through the centre") << noDrop << QPoint(15, 15) << Ink::Red;
        QTest::newRow("no drop: ring top") << noDrop << QPoint(15, 6) << Ink::Red;
        QTest::newRow("no drop: ring bottom") << noDrop << QPoint(15, 24) << Ink::Red;
        QTest::newRow("no drop: open beside the bar") << noDrop << QPoint(11, 19) << Ink::Clear;
        QTest::newRow("no drop: rim outside the ring") << noDrop << QPoint(15, 4) << Ink::Light;
        QTest::newRow("no drop: nothing in the corner") << noDrop << QPoint(1, 1) << Ink::Clear;
    }
    void theCursorsShowTheirShapes()
    {
        QFETCH(CursorMaker, make);
        QFETCH(QPoint, pixel);
        QFETCH(Ink, ink);
        const QColor colour = Sampled(make(), pixel);
        QVERIFY2(Is(colour, ink), qPrintable(QStringLiteral("pixel (%1, %2) is %3 alpha %4")
                                                 .arg(pixel.x())
                                                 .arg(pixel.y())
                                                 .arg(colour.name())
                                                 .arg(colour.alpha())));
    }

    void aCursorAskedAgainIsTheSamePicture()
    {
        const QImage first = ProgramCursors::Copy().pixmap().toImage();
        const QImage again = ProgramCursors::Copy().pixmap().toImage();
        QCOMPARE(again, first);
    }
};

// The cursors are drawn at the screen's device pixel ratio; a ratio of 2 makes
// a picture drawn at the wrong scale, or a hot spot given in device pixels,
// show.
int main(int argc, char* argv[])
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ProgramCursorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ProgramCursorsTest.moc"
