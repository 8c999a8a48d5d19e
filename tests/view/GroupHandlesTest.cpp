// The handles of several selected areas, as painted: each area's corners at
// a size that shows them apart; an area too small on the screen for its
// corners' squares to stand apart gets one square at its middle, since
// squares inverted over each other would cancel out.
#include "tests/view/ViewHarness.h"

class GroupHandlesTest : public QObject
{
    Q_OBJECT
private slots:
    void aTinyAreaGetsOneSquareAtItsMiddle()
    {
        ViewHarness h(400, 300);
        CMapData* reference = h.AddRect(20, 20, 60, 60);
        CMapData* tiny = h.AddRect(80, 80, 83, 83);
        h.view.SelectAreas({reference, tiny});
        const QImage shot = h.Grab();
        const QPoint middle = h.At(81, 81);
        // The square's outline, three window pixels from the middle, is
        // inverted; the middle itself is not a corner of any square.
        QCOMPARE(shot.pixelColor(middle + QPoint(-3, -3)), QColor(Qt::black));
        QCOMPARE(shot.pixelColor(middle + QPoint(3, 3)), QColor(Qt::black));
        // The larger area, the reference, keeps a solid square at each corner.
        QCOMPARE(shot.pixelColor(h.At(60, 60) + QPoint(-1, -1)), QColor(Qt::black));
    }
};

QTEST_MAIN(GroupHandlesTest)
#include "GroupHandlesTest.moc"
