#include "services/picture/MapPicture.h"
#include "model/CZephyrmapDoc.h"
#include "model/MapCommands.h"
#include "services/settings/AppSettings.h"
#include "services/text/Utf8Bridge.h"
#include "tests/TestData.h"
#include "tests/services/picture/PictureFiles.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using namespace testpictures;

namespace
{

const ColorRef kGrey208 = MakeRgb(208, 208, 208);

std::string Program(const QString& path)
{
    return utf8::Utf8ToSjis(path.toStdString());
}

int Blend(int value, int alpha, int background)
{
    return (alpha * value + (255 - alpha) * background) / 255;
}

// Draws the picture into a fresh image of `size` filled with `fill`.
QImage Drawn(const MapPicture& picture, QSize size, Rect rect, QColor fill = Qt::black,
             QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    QImage out(size, format);
    out.fill(fill);
    QPainter painter(&out);
    picture.Draw(painter, rect);
    return out;
}

int Distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

} // namespace

class MapPictureTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString Path(const QString& name) const { return m_dir.filePath(name); }

private slots:
    void kindsLoadByExtension()
    {
        QImage(7, 5, QImage::Format_RGB32).save(Path("upper.JPG"), "JPEG");
        QImage(6, 4, QImage::Format_RGB32).save(Path("plain.bmp"), "BMP");
        WriteBytes(Path("tiny.gif"), TwoColourGif(3, 2, true));
        WriteBytes(Path("alpha.png"), SolidPng(9, 8, 1, 2, 3, 4));
        QFile::copy(Path("plain.bmp"), Path("plain.tif"));
        QFile::copy(Path("plain.bmp"), Path("noextension"));
        struct Row {
            const char* name;
            PictureKind kind;
            int width, height;
        };
        const Row rows[] = {{"upper.JPG", PictureJpeg, 7, 5},
                            {"plain.bmp", PictureBmp, 6, 4},
                            {"tiny.gif", PictureGif, 3, 2},
                            {"alpha.png", PicturePng, 9, 8}};
        for (const Row& row : rows) {
            MapPicture picture;
            QVERIFY2(picture.Load(Program(Path(row.name))), row.name);
            QCOMPARE(picture.Kind(), row.kind);
            std::int32_t w = 0, h = 0;
            std::int64_t size = 0;
            QVERIFY(picture.GetSize(w, h, size));
            QCOMPARE(w, row.width);
            QCOMPARE(h, row.height);
            QCOMPARE(size, QFileInfo(Path(row.name)).size());
        }
        for (const char* name : {"plain.tif", "noextension", "missing.png", "missing.jpg"}) {
            MapPicture picture;
            QVERIFY2(!picture.Load(Program(Path(name))), name);
            QVERIFY(!picture.IsLoaded());
        }
    }

    void aFailedLoadEmptiesThePicture()
    {
        WriteBytes(Path("good.png"), SolidPng(4, 4, 9, 9, 9));
        WriteBytes(Path("broken.jpg"), "this is no JPEG");
        WriteBytes(Path("fake.png"), "\xFF\xD8\xFF not a png");
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("good.png"))));
        for (const char* name : {"broken.jpg", "fake.png"}) {
            QVERIFY2(!picture.Load(Program(Path(name))), name);
            QVERIFY(!picture.IsLoaded());
            QVERIFY(picture.Dib().IsEmpty());
            std::int32_t w = -1, h = -1;
            std::int64_t size = -1;
            QVERIFY(!picture.GetSize(w, h, size));
            std::string height = "x", width = "x", kb = "x";
            picture.GetInfoText(&height, &width, &kb);
            QVERIFY(height.empty() && width.empty() && kb.empty());
            QImage canvas(4, 4, QImage::Format_RGB32);
            QPainter painter(&canvas);
            QVERIFY(!picture.Draw(painter, Rect{0, 0, 4, 4}));
        }
    }

    // Regression: Qt's reader refused pictures over 128 MB decoded, such as a
    // camera photo, and said so on standard error. Every kind loads up to the
    // program's 1 GiB, silently, and a larger one is refused silently too.
    void largePhotosLoadSilently()
    {
        {
            QImage photo(6000, 6000, QImage::Format_RGB32); // 144,000,000 bytes decoded
            photo.fill(QColor(30, 120, 200));
            QVERIFY(photo.save(Path("photo.jpg"), "JPEG", 50));
        }
        // A BMP whose header claims 20000 x 20000 pixels (1.6 GB decoded).
        std::string huge = "BM";
        auto put = [&huge](std::uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                huge += static_cast<char>((v >> (8 * i)) & 0xFF);
        };
        put(54, 4), put(0, 4), put(54, 4);
        put(40, 4), put(20000, 4), put(20000, 4), put(1, 2), put(24, 2), put(0, 4), put(0, 4);
        put(2835, 4), put(2835, 4), put(0, 4), put(0, 4);
        WriteBytes(Path("huge.bmp"), huge + std::string(64, '\0'));

        static QStringList messages;
        messages.clear();
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
        MapPicture photo, tooLarge;
        const bool photoLoaded = photo.Load(Program(Path("photo.jpg")));
        const bool hugeLoaded = tooLarge.Load(Program(Path("huge.bmp")));
        qInstallMessageHandler(previous);

        QVERIFY(photoLoaded);
        int width = 0, height = 0;
        QVERIFY(photo.LoadedSize(width, height));
        QCOMPARE(width, 6000);
        QCOMPARE(height, 6000);
        QVERIFY(!hugeLoaded);
        QCOMPARE(messages, QStringList());
    }

    void infoTextsOfALoadedPicture()
    {
        std::string png = SolidPng(40, 30, 1, 2, 3);
        png.resize(12345, '\0'); // bytes after the end chunk are never read
        WriteBytes(Path("sized.png"), png);
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("sized.png"))));
        std::string height, width, kb;
        picture.GetInfoText(&height, &width, &kb);
        QCOMPARE(height, std::string("30"));
        QCOMPARE(width, std::string("40"));
        QCOMPARE(kb, std::string("12.3"));
        picture.GetInfoText(nullptr, nullptr, &kb); // only what is asked for
        QCOMPARE(kb, std::string("12.3"));
    }

    void transparencyTakesTheBackgroundColour()
    {
        WriteBytes(Path("half.png"), SolidPng(2, 2, 255, 0, 0, 128));
        MapPicture picture;
        picture.SetBackgroundColor(kGrey208);
        QVERIFY(picture.Load(Program(Path("half.png"))));
        QCOMPARE(picture.Dib().PixelAt(0, 0), 0xE76767u); // 231, 103, 103
        const QImage out = Drawn(picture, QSize(2, 2), Rect{0, 0, -1, -1});
        QCOMPARE(out.pixel(1, 1), qRgb(231, 103, 103));
        QCOMPARE(qAlpha(out.pixel(1, 1)), 255); // the alpha byte takes no part in drawing
    }

    void naturalSizeDrawIsExactAndRightWayUp()
    {
        std::vector<std::vector<std::uint8_t>> rows = {{255, 0, 0, 255, 0, 255, 0, 255},
                                                       {0, 0, 255, 255, 9, 9, 9, 255}};
        WriteBytes(Path("corners.png"), PngMaker(2, 2, 8, 6).Rows(rows).Bytes());
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("corners.png"))));
        for (auto format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_RGB32}) {
            const QImage out = Drawn(picture, QSize(5, 5), Rect{3, 3, -1, -1}, Qt::black, format);
            QCOMPARE(out.pixel(3, 3), qRgb(255, 0, 0));
            QCOMPARE(out.pixel(4, 3), qRgb(0, 255, 0));
            QCOMPARE(out.pixel(3, 4), qRgb(0, 0, 255));
            QCOMPARE(out.pixel(4, 4), qRgb(9, 9, 9));
            QCOMPARE(out.pixel(2, 2), qRgb(0, 0, 0)); // nothing outside the rectangle
        }
    }

    // The bitmap is drawn in bands; a band boundary must not show.
    void scaledDrawHasNoSeams()
    {
        WriteBytes(Path("tall.png"), SolidPng(300, 2000, 10, 200, 90));
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("tall.png"))));
        for (Rect rect : {Rect{0, 0, 111, 740}, Rect{5, 0, 905, 6000}, Rect{0, 0, 30, 200}}) {
            const QImage out = Drawn(picture, QSize(rect.right, std::min(rect.bottom, 3000)), rect, Qt::white);
            int wrong = 0;
            for (int y = 0; y < out.height(); ++y)
                for (int x = rect.left; x < rect.right; ++x)
                    wrong += out.pixel(x, y) != qRgb(10, 200, 90);
            QCOMPARE(wrong, 0);
        }
    }

    // Scaled drawing of the bitmap against Qt drawing its own decode.
    void scaledDrawMatchesQtsOwnDrawing()
    {
        const int w = 400, h = 900;
        std::vector<std::vector<std::uint8_t>> rows;
        for (int y = 0; y < h; ++y) {
            std::vector<std::uint8_t> row;
            for (int x = 0; x < w; ++x)
                row.insert(row.end(), {std::uint8_t(y * 255 / h), std::uint8_t(x * 255 / w), 128});
            rows.push_back(row);
        }
        WriteBytes(Path("gradient.png"), PngMaker(w, h, 8, 2).Rows(rows).Bytes());
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("gradient.png"))));
        const QImage reference(Path("gradient.png"));
        for (Rect rect : {Rect{0, 0, 160, 333}, Rect{0, 0, 800, 1500}, Rect{0, 0, 40, 90}}) {
            const QSize size(rect.right, rect.bottom);
            const QImage ours = Drawn(picture, size, rect);
            QImage theirs(size, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&theirs);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(0, 0, rect.right, rect.bottom), reference);
            painter.end();
            int worst = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    worst = std::max(worst, Distance(ours.pixel(x, y), theirs.pixel(x, y)));
            QVERIFY2(worst <= 6, qPrintable(QString("worst channel difference %1").arg(worst)));
        }
    }

    void otherKindsDrawScaled()
    {
        QImage blue(20, 10, QImage::Format_RGB32);
        blue.fill(qRgb(0, 0, 255));
        blue.save(Path("blue.bmp"), "BMP");
        WriteBytes(Path("white.gif"), TwoColourGif(4, 4, true));
        MapPicture picture;
        QVERIFY(picture.Load(Program(Path("blue.bmp"))));
        QImage out = Drawn(picture, QSize(50, 50), Rect{10, 10, 50, 30});
        QCOMPARE(out.pixel(49, 29), qRgb(0, 0, 255));
        QCOMPARE(out.pixel(9, 9), qRgb(0, 0, 0));
        QVERIFY(picture.Load(Program(Path("white.gif"))));
        out = Drawn(picture, QSize(8, 8), Rect{0, 0, 8, 8});
        QCOMPARE(out.pixel(4, 4), qRgb(255, 255, 255));
    }

    // Every valid picture of the standard suite against Qt's own decode,
    // composited onto the same background by the same rule.
    void standardSuiteMatchesQtsDecoder()
    {
        ZM_QSKIP_WITHOUT_TESTDATA();
        const ColorRef bg = MakeRgb(40, 90, 200);
        QDir suite(QString::fromStdString((kTestData / "pngsuite" / "png").string()));
        int checked = 0;
        QStringList differing;
        for (const QString& name : suite.entryList({QStringLiteral("*.png")})) {
            // Qt 6.4 reads 16-bit RGB with a transparent colour out of step
            // (its samples land one channel over); the core test checks these
            // two against the suite's stored decode instead.
            if (name.startsWith(QLatin1Char('x')) || name == QLatin1String("tbbn2c16.png") ||
                name == QLatin1String("tbgn2c16.png"))
                continue;
            MapPicture picture;
            picture.SetBackgroundColor(bg);
            QVERIFY2(picture.Load(Program(suite.filePath(name))), qPrintable(name));
            QImageReader reader(suite.filePath(name));
            const QImage image = reader.read();
            QCOMPARE(picture.Dib().Width(), image.width());
            QCOMPARE(picture.Dib().Height(), image.height());
            int wrong = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QRgba64 c = image.pixelColor(x, y).rgba64();
                    const int a = c.alpha() >> 8;
                    const std::uint32_t want = (Blend(c.red() >> 8, a, RedOf(bg)) << 16) |
                                               (Blend(c.green() >> 8, a, GreenOf(bg)) << 8) |
                                               Blend(c.blue() >> 8, a, BlueOf(bg));
                    wrong += picture.Dib().PixelAt(x, y) != want;
                }
            if (wrong)
                differing << QString("%1 (%2 pixels)").arg(name).arg(wrong);
            ++checked;
        }
        QVERIFY2(differing.isEmpty(), qPrintable(differing.join(", ")));
        QVERIFY(checked > 150);
    }

    void theDocumentTakesItsSizeFromThePicture()
    {
        WriteBytes(Path("map.png"), SolidPng(64, 48, 1, 1, 1));
        AppSettings settings;
        MapPicture picture;
        CZephyrmapDoc doc(settings, nullptr, &picture);
        doc.SetPicture(Program(Path("map.png")));
        QCOMPARE(doc.Attribute(AttrWidth), std::string("64"));
        QCOMPARE(doc.Attribute(AttrHeight), std::string("48"));
        doc.SetPicture(Program(Path("gone.png")));
        QCOMPARE(doc.Attribute(AttrWidth), std::string());
        QCOMPARE(doc.Attribute(AttrHeight), std::string());
        // A map read from a page: the picture's size replaces what the page said.
        doc.SetAttribute(AttrImageSrc, Program(Path("map.png")));
        doc.SetAttribute(AttrWidth, "999");
        mapcmd::AfterMapCreated(doc);
        QCOMPARE(doc.Attribute(AttrWidth), std::string("64"));
        QCOMPARE(doc.Attribute(AttrHeight), std::string("48"));
        QCOMPARE(picture.IsLoaded(), true);
    }
};

QTEST_MAIN(MapPictureTest)
#include "MapPictureTest.moc"
