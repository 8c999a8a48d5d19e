// The refit between loaded pictures: a scene drawn with shapes, text and a
// mottled ground, exported again in each of the ways a page's picture is
// (scaled, stretched, cropped, padded, compressed as JPEG, turned), loaded
// as the editor loads it; every point of the map's areas lands within a
// pixel of where it belongs. Which picture is matched, and the refusals'
// texts in English.

#include "services/picture/PictureRefit.h"

#include "model/CMapData.h"
#include "model/CZephyrmapDoc.h"
#include "services/language/ProgramLanguage.h"
#include "services/language/ProgramTexts.h"
#include "services/picture/MapPicture.h"
#include "services/picture/QtText.h"
#include "services/refit/RefitTexts.h"
#include "services/settings/AppSettings.h"
#include "tests/services/picture/RefitPictures.h"
#include "tests/services/refit/RefitTruth.h"

#include <QTemporaryDir>
#include <QtTest>

namespace
{

constexpr int kWidth = 800, kHeight = 600;

std::vector<CMapData> Areas()
{
    std::vector<CMapData> areas(3);
    areas[0].m_shape = ShapeRect;
    areas[0].m_points = {{150, 120}, {520, 120}, {520, 380}, {150, 380}};
    areas[1].m_shape = ShapeCirc;
    areas[1].m_points = {{540, 240}, {700, 240}, {700, 400}, {540, 400}}; // centre (620, 320), radius 80
    areas[2].m_shape = ShapePoly;
    areas[2].m_points = {{130, 140}, {760, 150}, {750, 560}, {400, 500}, {140, 570}};
    return areas;
}

struct Loaded {
    MapPicture picture;
    explicit Loaded(const QString& path) { picture.Load(FromQString(path)); }
};

} // namespace

Q_DECLARE_METATYPE(PictureTransform)

class PictureRefitTest : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QImage m_scene;
    AppSettings m_settings;

    QString Saved(const QImage& image, const QString& name, int quality = -1)
    {
        const QString path = m_dir.filePath(name);
        image.save(path, nullptr, quality);
        return path;
    }

    std::unique_ptr<CZephyrmapDoc> MapOf(const QString& picture, const char* width, const char* height)
    {
        auto doc = std::make_unique<CZephyrmapDoc>(m_settings);
        doc->SetAttribute(AttrImageSrc, FromQString(picture));
        doc->SetAttribute(AttrWidth, width);
        doc->SetAttribute(AttrHeight, height);
        return doc;
    }

private slots:
    void initTestCase() { m_scene = refitpictures::Scene(kWidth, kHeight, 7); }

    void everyPointLandsWithinAPixel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PictureTransform>("truth");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("quality");
        const auto scaled = [](double sx, double sy) {
            const QSize size(qRound(kWidth * sx), qRound(kHeight * sy));
            return std::pair(
                PictureTransform::ScaleShift(double(size.width()) / kWidth, double(size.height()) / kHeight), size);
        };
        for (auto [name, scales] :
             {std::pair("scale 0.5", std::pair(0.5, 0.5)), std::pair("scale 1.37", std::pair(1.37, 1.37)),
              std::pair("stretched", std::pair(1.25, 0.75))}) {
            const auto [t, size] = scaled(scales.first, scales.second);
            QTest::newRow(name) << QString::fromLatin1(name) + QStringLiteral(".png") << t << size << -1;
        }
        QTest::newRow("cropped") << QStringLiteral("cropped.png") << PictureTransform::ScaleShift(1, 1, -100, -100)
                                 << QSize(kWidth - 100, kHeight - 100) << -1;
        QTest::newRow("padded") << QStringLiteral("padded.png") << PictureTransform::ScaleShift(1, 1, 40, 30)
                                << QSize(kWidth + 80, kHeight + 60) << -1;
        QTest::newRow("JPEG q60") << QStringLiteral("q60.jpg") << PictureTransform() << QSize(kWidth, kHeight) << 60;
        const auto [half, halfSize] = scaled(0.5, 0.5);
        QTest::newRow("scale 0.5, JPEG q60") << QStringLiteral("half-q60.jpg") << half << halfSize << 60;
        QTest::newRow("rotated 2°") << QStringLiteral("rotated.png")
                                    << PictureTransform::Rotation(2, kWidth / 2.0, kHeight / 2.0)
                                    << QSize(kWidth, kHeight) << -1;
    }
    void everyPointLandsWithinAPixel()
    {
        QFETCH(QString, file);
        QFETCH(PictureTransform, truth);
        QFETCH(QSize, size);
        QFETCH(int, quality);
        // A resize as picture programs make it (averaging); the rest drawn through the transform.
        const bool resize = truth.B() == 0 && truth.C() == 0 && size != QSize(kWidth, kHeight);
        const QImage newer = resize ? m_scene.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    : refitpictures::Transformed(m_scene, truth, size);
        const Loaded older(Saved(m_scene, QStringLiteral("old.png")));
        const Loaded loaded(Saved(newer, file, quality));
        QVERIFY(loaded.picture.IsLoaded());
        const auto doc = MapOf(m_dir.filePath(QStringLiteral("old.png")), "800", "600");
        QElapsedTimer timer;
        timer.start();
        const RefitResult r = picturerefit::Fit(*doc, &older.picture, loaded.picture);
        QVERIFY2(r.Ok(), qPrintable(programtexts::Translate(refittexts::FailureText(r.failure))));
        QCOMPARE(r.method, RefitMethod::Features);
        const double worst = refittruth::WorstError(Areas(), r.transform, truth, {size.width(), size.height()});
        qInfo("%s: worst error %.3f px; %d of %d features agree, residual %.3f px; scale %.5f x %.5f, turn %.3f°, "
              "shift %.2f, %.2f; %lld ms",
              QTest::currentDataTag(), worst, r.agreeing, r.matched, r.residual, r.transform.ScaleX(),
              r.transform.ScaleY(), r.transform.RotationDegrees(), r.transform.C(), r.transform.F(),
              static_cast<long long>(timer.elapsed()));
        QVERIFY2(worst <= 1.0, qPrintable(QString::number(worst)));
    }

    void anotherSceneIsRefused()
    {
        const Loaded older(Saved(m_scene, QStringLiteral("old.png")));
        const Loaded other(Saved(refitpictures::Scene(kWidth, kHeight, 8), QStringLiteral("other.png")));
        const auto doc = MapOf(m_dir.filePath(QStringLiteral("old.png")), "800", "600");
        QCOMPARE(picturerefit::Fit(*doc, &older.picture, other.picture).failure, RefitFailure::NotSameScene);
    }

    // The map's picture file already holds the new picture (exported again
    // in its place): the map's WIDTH and HEIGHT stand for the old picture.
    void aPictureNotOfTheMapsSizeIsNotMatched()
    {
        const Loaded already(Saved(m_scene.scaled(400, 300), QStringLiteral("replaced.png")));
        const auto doc = MapOf(m_dir.filePath(QStringLiteral("replaced.png")), "800", "600");
        QVERIFY(!picturerefit::OldPictureUsable(*doc, &already.picture));
        QCOMPARE(picturerefit::OldFrame(*doc, &already.picture), (DisplaySize{800, 600}));
        const RefitResult r = picturerefit::Fit(*doc, &already.picture, already.picture);
        QVERIFY(r.Ok());
        QCOMPARE(r.method, RefitMethod::MapSize);
        QCOMPARE(r.transform.ScaleX(), 0.5);
        QCOMPARE(r.transform.ScaleY(), 0.5);
    }

    // A map without WIDTH and HEIGHT was drawn on its picture as it is.
    void withoutWidthAndHeightThePictureIsTheFrame()
    {
        const Loaded older(Saved(m_scene, QStringLiteral("old.png")));
        const auto doc = MapOf(m_dir.filePath(QStringLiteral("old.png")), "", "");
        QVERIFY(picturerefit::OldPictureUsable(*doc, &older.picture));
        QCOMPARE(picturerefit::OldFrame(*doc, &older.picture), (DisplaySize{kWidth, kHeight}));
        QVERIFY(!picturerefit::OldPictureUsable(*doc, nullptr));
        QCOMPARE(picturerefit::Fit(*doc, nullptr, older.picture).failure, RefitFailure::NoOldSize);
    }

    void theReasonsReadInEnglish()
    {
        QVERIFY(ProgramLanguage::Install(Language::English));
        QCOMPARE(programtexts::Translate(refittexts::FailureText(RefitFailure::NotSameScene)),
                 QStringLiteral("The new image does not seem to show the old image's scene: no features match."));
        for (RefitFailure f : {RefitFailure::NoPicture, RefitFailure::NoOldSize, RefitFailure::TooLittleDetail,
                               RefitFailure::NotAReExport, RefitFailure::OutOfMemory}) {
            const QString text = programtexts::Translate(refittexts::FailureText(f));
            QVERIFY2(!text.isEmpty() && text.at(0).unicode() < 0x80, qPrintable(text));
        }
        for (ReferenceFailure f :
             {ReferenceFailure::TooClose, ReferenceFailure::OnOneLine, ReferenceFailure::Mirrored}) {
            const QString text = programtexts::Translate(refittexts::ReferenceFailureText(f));
            QVERIFY2(!text.isEmpty() && text.at(0).unicode() < 0x80, qPrintable(text));
        }
        ProgramLanguage::Install(Language::Japanese);
    }
};

QTEST_MAIN(PictureRefitTest)
#include "PictureRefitTest.moc"
