// The refit dialog: what it says of the transform found, reference points
// dragged on its picture, and when OK may carry the map over.

#include "app/CRefitDlg.h"

#include "model/CMapData.h"
#include "services/language/ProgramTexts.h"
#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"
#include "services/refit/RefitTexts.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// A 400 x 300 old picture, red, and a 200 x 150 new one, white.
struct Pictures {
    QTemporaryDir dir;
    MapPicture older, newer;

    Pictures()
    {
        for (auto [name, size, colour, picture] : {std::tuple("old.png", QSize(400, 300), QColor(Qt::red), &older),
                                                   std::tuple("new.png", QSize(200, 150), QColor(Qt::white), &newer)}) {
            QImage image(size, QImage::Format_RGB32);
            image.fill(colour);
            image.save(dir.filePath(QLatin1String(name)));
            picture->Load(FromQString(dir.filePath(QLatin1String(name))));
        }
    }
};

RefitResult Found(const PictureTransform& t)
{
    RefitResult r;
    r.transform = t;
    r.agreeing = 100;
    r.matched = 120;
    r.residual = 0.04;
    return r;
}

RefitResult Refused(RefitFailure failure)
{
    RefitResult r;
    r.failure = failure;
    return r;
}

// A rectangle over the old picture's middle, (100, 100) to (300, 200).
RefitSetup SetupOf(const Pictures& p, const RefitResult& found, bool withOld = true)
{
    RefitSetup setup;
    setup.older = withOld ? &p.older : nullptr;
    setup.newer = &p.newer;
    setup.oldFrame = {400, 300};
    setup.found = found;
    setup.areas.emplace_back(ShapeRect, PointList{{100, 100}, {300, 100}, {300, 200}, {100, 200}});
    setup.areas.emplace_back(ShapeDefault, PointList{{0, 0}, {400, 300}});
    return setup;
}

struct Shown {
    CRefitDlg dialog;
    explicit Shown(const RefitSetup& setup) : dialog(setup)
    {
        dialog.resize(700, 600);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    }
    RefitCanvas& Canvas() { return dialog.Canvas(); }
    QPoint At(double x, double y) { return Canvas().ToWidget({x, y}).toPoint(); }
    // Pressed at one point of the new picture, let go at another.
    void Drag(PlanePoint from, PlanePoint to)
    {
        QTest::mousePress(&Canvas(), Qt::LeftButton, {}, At(from.x, from.y));
        QMouseEvent move(QEvent::MouseMove, QPointF(At(to.x, to.y)), Canvas().mapToGlobal(QPointF(At(to.x, to.y))),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Canvas(), &move);
        QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, At(to.x, to.y));
    }
};

void ExpectCarries(const PictureTransform& t, const ReferencePair& pair)
{
    const PlanePoint p = t.Apply(pair.oldPoint);
    QVERIFY2(std::abs(p.x - pair.newPoint.x) < 1e-6 && std::abs(p.y - pair.newPoint.y) < 1e-6,
             qPrintable(
                 QStringLiteral("(%1, %2) for (%3, %4)").arg(p.x).arg(p.y).arg(pair.newPoint.x).arg(pair.newPoint.y)));
}

} // namespace

class CRefitDlgTest : public QObject
{
    Q_OBJECT
private slots:
    void sayHowTheTransformWasFound()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        QCOMPARE(shown.dialog.Summary().text(),
                 QStringLiteral("特徴の一致から求めました(100 / 120 個が一致、残差 0.04 ピクセル)。\n"
                                "倍率 横 0.500 × 縦 0.500、回転 0.0°、移動 (0.0, 0.0)"));
        QVERIFY(shown.dialog.OkButton().isEnabled());
        QCOMPARE(shown.dialog.Method(), RefitMethod::Features);
        QCOMPARE(shown.dialog.Transform()->ScaleX(), 0.5);
    }

    void sayWhichAreasFallOutside()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(1, 1, -300, 0))));
        QVERIFY2(shown.dialog.Summary().text().endsWith(QStringLiteral("\n新しい画像の外に出るエリア: 0")),
                 qPrintable(shown.dialog.Summary().text()));
    }

    void theMapsSizeIsSaid()
    {
        Pictures p;
        RefitResult bySize = Found(PictureTransform::ScaleShift(0.5, 0.5));
        bySize.method = RefitMethod::MapSize;
        Shown shown(SetupOf(p, bySize, false));
        QVERIFY(shown.dialog.Summary().text().startsWith(
            QStringLiteral("元の画像がないため、マップの大きさ(400×300)と新しい画像の大きさの比から求めました。\n")));
        QVERIFY(!shown.dialog.Overlay().isEnabled()); // no old picture to lay over
    }

    // Refused: no OK, the reason said; three reference points then fit the
    // areas by hand, exactly through the points.
    void refusedWaitsForReferencePoints()
    {
        Pictures p;
        Shown shown(SetupOf(p, Refused(RefitFailure::NotSameScene)));
        QVERIFY(!shown.dialog.OkButton().isEnabled());
        QCOMPARE(shown.dialog.Summary().text(),
                 programtexts::Translate(refittexts::FailureText(RefitFailure::NotSameScene)) +
                     QStringLiteral(" 基準点をドラッグすれば合わせられます。"));
        shown.Drag({50, 50}, {60, 55});
        shown.Drag({150, 100}, {140, 110});
        shown.Drag({50, 120}, {45, 130});
        QVERIFY(shown.dialog.OkButton().isEnabled());
        QCOMPARE(shown.dialog.Method(), RefitMethod::ReferencePoints);
        QVERIFY(shown.dialog.Summary().text().startsWith(QStringLiteral("基準点から求めました(3 / 3 組)。\n")));
        const auto& pairs = shown.Canvas().Pairs();
        QCOMPARE(pairs.size(), std::size_t(3));
        for (const ReferencePair& pair : pairs)
            ExpectCarries(*shown.dialog.Transform(), pair);
        // Each pair's new point is where the pointer was let go.
        const PlanePoint last = shown.Canvas().ToPicture(QPointF(shown.At(45, 130)));
        QCOMPARE(pairs[2].newPoint.x, last.x);
        QCOMPARE(pairs[2].newPoint.y, last.y);
    }

    // One pair shifts the transform found and keeps its scale.
    void onePairShifts()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        shown.Drag({50, 50}, {60, 40});
        const PictureTransform t = *shown.dialog.Transform();
        QCOMPARE(t.ScaleX(), 0.5);
        ExpectCarries(t, shown.Canvas().Pairs()[0]);
        QVERIFY(std::abs(t.C() - 10) < 0.5 && std::abs(t.F() + 10) < 0.5);
    }

    void aFourthPairTakesTheOldestsPlace()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        shown.Drag({20, 20}, {22, 21});
        shown.Drag({180, 20}, {181, 22});
        shown.Drag({20, 130}, {21, 131});
        shown.Drag({180, 130}, {178, 128});
        const auto& pairs = shown.Canvas().Pairs();
        QCOMPARE(pairs.size(), std::size_t(3));
        QCOMPARE(pairs[0].newPoint.x, shown.Canvas().ToPicture(QPointF(shown.At(181, 22))).x);
    }

    void aPairsPointCanBeDraggedAgainAndTakenAway()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        shown.Drag({50, 50}, {60, 40});
        shown.Drag({60, 40}, {70, 45}); // the same pair, moved on
        QCOMPARE(shown.Canvas().Pairs().size(), std::size_t(1));
        QCOMPARE(shown.Canvas().Pairs()[0].newPoint.x, shown.Canvas().ToPicture(QPointF(shown.At(70, 45))).x);
        QTest::mouseClick(&shown.Canvas(), Qt::RightButton, {}, shown.At(70, 45));
        QVERIFY(shown.Canvas().Pairs().empty());
        QCOMPARE(shown.dialog.Transform()->C(), 0.0); // the transform found again
        shown.Drag({50, 50}, {60, 40});
        shown.dialog.ClearPoints().click();
        QVERIFY(shown.Canvas().Pairs().empty());
    }

    // Pairs that give no transform leave OK off and say why.
    void pairsOnOneLineAreTold()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        shown.Drag({20, 20}, {20, 20});
        shown.Drag({60, 60}, {60, 60});
        shown.Drag({100, 100}, {100, 100});
        QVERIFY(!shown.dialog.OkButton().isEnabled());
        QVERIFY(shown.dialog.Summary().text().startsWith(
            programtexts::Translate(refittexts::ReferenceFailureText(ReferenceFailure::OnOneLine))));
    }

    // The rectangle is drawn where the transform takes it, and the old
    // picture (red) shows through the new one (white) when laid over it.
    void drawsTheAreasAndTheOldPicture()
    {
        Pictures p;
        Shown shown(SetupOf(p, Found(PictureTransform::ScaleShift(0.5, 0.5))));
        const QImage plain = shown.Canvas().grab().toImage();
        const QPoint edge = shown.At(50, 75);   // the carried rectangle's left side
        const QPoint inside = shown.At(75, 60); // inside it
        const QColor onEdge = plain.pixelColor(edge * plain.devicePixelRatio());
        QVERIFY2(onEdge.red() > 200 && onEdge.green() < 200 && onEdge.blue() > 200,
                 qPrintable(onEdge.name())); // magenta
        QCOMPARE(plain.pixelColor(inside * plain.devicePixelRatio()), QColor(Qt::white));
        QVERIFY(shown.dialog.Overlay().isEnabled());
        shown.dialog.Overlay().click();
        const QImage laid = shown.Canvas().grab().toImage();
        const QColor through = laid.pixelColor(inside * laid.devicePixelRatio());
        QVERIFY2(through.red() > 200 && through.green() < 200 && through.green() > 60, qPrintable(through.name()));
    }
};

QTEST_MAIN(CRefitDlgTest)
#include "CRefitDlgTest.moc"
