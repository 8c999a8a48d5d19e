// Tracing a loaded picture: the pixels reach the tracer from each way a
// picture is held (Qt's image, the PNG route's 24-bit, 32-bit and colour
// table bitmaps), and the shapes of the tracer's own tests survive a JPEG.

#include "services/picture/PictureTrace.h"

#include "services/picture/MapPicture.h"
#include "services/text/Utf8Bridge.h"
#include "services/trace/PolygonCheck.h"
#include "tests/services/png/PngMaker.h"
#include "tests/services/trace/TraceShapes.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace traceshapes;

namespace
{

const ColorRef kBackground = MakeRgb(208, 208, 208);
// A block over pixels 10 to 29 across and 5 to 24 down of a 60 x 40 picture.
const std::vector<Point> kBlock = {{10, 5}, {30, 5}, {30, 25}, {10, 25}};

bool InBlock(int x, int y)
{
    return x >= 10 && x < 30 && y >= 5 && y < 25;
}

QImage ImageOf(const Picture& picture)
{
    return QImage(reinterpret_cast<const uchar*>(picture.bgrx.data()), picture.width, picture.height, picture.width * 4,
                  QImage::Format_RGB32)
        .copy();
}

// The same corners, wherever the outline starts and whichever way it runs.
bool SameCorners(std::vector<Point> a, std::vector<Point> b)
{
    auto order = [](const Point& l, const Point& r) { return l.x != r.x ? l.x < r.x : l.y < r.y; };
    std::sort(a.begin(), a.end(), order);
    std::sort(b.begin(), b.end(), order);
    return a == b;
}

QString Describe(const std::vector<Point>& polygon)
{
    QString s;
    for (const Point& p : polygon)
        s += QStringLiteral("(%1,%2)").arg(p.x).arg(p.y);
    return s;
}

} // namespace

class PictureTraceTest : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    std::string Write(const QString& name, const std::string& bytes)
    {
        std::ofstream(m_dir.filePath(name).toStdString(), std::ios::binary) << bytes;
        return utf8::Utf8ToSjis(m_dir.filePath(name).toStdString());
    }

private slots:
    void eachBitmapOfThePngRouteReachesTheTracer_data()
    {
        QTest::addColumn<int>("colourType");
        QTest::addColumn<int>("bitCount");
        // RGB: 24 bits bottom-up; RGBA: 32 bits, composited; a palette: looked up.
        QTest::newRow("RGB") << 2 << 24;
        QTest::newRow("RGBA") << 6 << 32;
        QTest::newRow("palette") << 3 << 8;
    }
    void eachBitmapOfThePngRouteReachesTheTracer()
    {
        QFETCH(int, colourType);
        QFETCH(int, bitCount);
        std::vector<std::vector<std::uint8_t>> rows(40);
        for (int y = 0; y < 40; ++y) {
            for (int x = 0; x < 60; ++x) {
                const bool block = InBlock(x, y);
                if (colourType == 2)
                    rows[y].insert(rows[y].end(), {40, 90, std::uint8_t(block ? 220 : 40)});
                else if (colourType == 6) // the block is opaque, the rest see-through
                    rows[y].insert(rows[y].end(), {40, 90, 220, std::uint8_t(block ? 255 : 0)});
                else
                    rows[y].push_back(block ? 1 : 0);
            }
        }
        PngMaker png(60, 40, 8, colourType);
        png.Rows(rows);
        if (colourType == 3)
            png.Palette({16, 32, 48, 240, 128, 16});
        MapPicture picture;
        picture.SetBackgroundColor(kBackground);
        QVERIFY(picture.Load(Write(QStringLiteral("block.png"), png.Bytes())));
        QCOMPARE(picture.Dib().BitCount(), bitCount);
        const TraceResult inside = picturetrace::Trace(picture, {15, 12}, TraceOptions());
        QVERIFY(inside.Ok());
        QVERIFY2(SameCorners(inside.outline, kBlock), qPrintable(Describe(inside.outline)));
        QCOMPARE(inside.regionPixels, 20 * 20);
        // Around the block: the picture less the block, the background
        // colour where the PNG was see-through.
        const TraceResult around = picturetrace::Trace(picture, {59, 0}, TraceOptions());
        QCOMPARE(around.regionPixels, 60 * 40);
    }

    void qtsImagesReachTheTracer_data()
    {
        QTest::addColumn<int>("format");
        QTest::newRow("32 bits") << int(QImage::Format_RGB32);
        QTest::newRow("24 bits") << int(QImage::Format_RGB888);
        QTest::newRow("grey") << int(QImage::Format_Grayscale8);
    }
    void qtsImagesReachTheTracer()
    {
        QFETCH(int, format);
        QImage image(60, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x)
                if (InBlock(x, y))
                    image.setPixelColor(x, y, Qt::black);
        const QString path = m_dir.filePath(QStringLiteral("block.bmp"));
        QVERIFY(image.convertToFormat(QImage::Format(format)).save(path, "BMP"));
        MapPicture picture;
        QVERIFY(picture.Load(utf8::Utf8ToSjis(path.toStdString())));
        const TraceResult r = picturetrace::Trace(picture, {15, 12}, TraceOptions());
        QVERIFY(r.Ok());
        QVERIFY2(SameCorners(r.outline, kBlock), qPrintable(Describe(r.outline)));
    }

    // The shapes of the tracer's tests, saved as JPEG at quality 75 and
    // traced from the picture the editor loads.
    void jpegNoiseLeavesTheShapes_data()
    {
        QTest::addColumn<int>("index");
        const std::vector<Case> cases = Cases();
        for (std::size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name.c_str()) << int(i);
    }
    void jpegNoiseLeavesTheShapes()
    {
        QFETCH(int, index);
        const Case c = Cases()[std::size_t(index)];
        const QString path = m_dir.filePath(QStringLiteral("shape.jpg"));
        QVERIFY(ImageOf(Paint(c.width, c.height, c.drawn, c.ink, c.paper)).save(path, "JPEG", 75));
        MapPicture picture;
        QVERIFY(picture.Load(utf8::Utf8ToSjis(path.toStdString())));
        const TraceResult r = picturetrace::Trace(picture, c.seed, TraceOptions());
        QVERIFY(r.Ok());
        const double iou = IoU(Covered(c.width, c.height, c.region), Covered(c.width, c.height, Filled(r.outline)));
        QVERIFY2(iou >= 0.95, qPrintable(QStringLiteral("IoU %1: %2").arg(iou).arg(Describe(r.outline))));
        QVERIFY2(polygoncheck::IsSimple(r.outline), qPrintable(Describe(r.outline)));
        QVERIFY2(r.outline.size() <= c.mostVertices + c.mostVertices / 2, qPrintable(Describe(r.outline)));
    }

    void nothingLoadedTracesNothing()
    {
        MapPicture picture;
        const TraceResult r = picturetrace::Trace(picture, {0, 0}, TraceOptions());
        QCOMPARE(r.failure, TraceFailure::NoPicture);
        QVERIFY(r.outline.empty());
    }
};

QTEST_MAIN(PictureTraceTest)
#include "PictureTraceTest.moc"
