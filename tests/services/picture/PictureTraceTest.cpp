// Tracing a loaded picture: the pixels reach the tracer from each way a
// picture is held (Qt's image, the PNG route's 24-bit, 32-bit and colour
// table bitmaps), transparency with its opacity, and the shapes and maps of
// the tracer's own tests survive a JPEG.

#include "services/picture/PictureTrace.h"

#include "services/picture/MapPicture.h"
#include "services/text/Utf8Bridge.h"
#include "services/trace/PolygonCheck.h"
#include "tests/services/png/PngMaker.h"
#include "tests/services/trace/MapPictures.h"
#include "tests/services/trace/TraceShapes.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>

using namespace traceshapes;
using namespace mappictures;

namespace
{

const ColorRef kBackground = MakeRgb(208, 208, 208);
// How far below a hard edge a region traced on a JPEG at quality 75 may
// reach, in pixels: the blocks of its colours smear the edge that far.
constexpr double kJpegSoftening = 4.0;
// A block over pixels 10 to 29 across and 5 to 24 down of a 60 x 40 picture.
const std::vector<Point> kBlock = {{10, 5}, {30, 5}, {30, 25}, {10, 25}};

bool InBlock(int x, int y)
{
    return x >= 10 && x < 30 && y >= 5 && y < 25;
}

// A BMP of 32-bit pixels with an alpha mask (a version 4 header), which
// Qt reads into an image with an alpha channel; `argb` top row first.
std::string BmpWithAlpha(int width, int height, const std::vector<std::uint32_t>& argb)
{
    constexpr std::uint32_t kFileHeader = 14, kInfoHeader = 108;
    std::string bytes;
    auto put16 = [&](std::uint32_t v) { bytes += {char(v & 0xFF), char((v >> 8) & 0xFF)}; };
    auto put32 = [&](std::uint32_t v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    const std::uint32_t rows = std::uint32_t(width) * std::uint32_t(height) * 4;
    bytes += "BM";
    put32(kFileHeader + kInfoHeader + rows);
    put32(0);
    put32(kFileHeader + kInfoHeader);
    put32(kInfoHeader);
    put32(std::uint32_t(width));
    put32(std::uint32_t(height)); // bottom-up
    put16(1);
    put16(32);
    put32(3); // bit fields
    put32(rows);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (std::uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u})
        put32(mask);
    put32(0x73524742);      // sRGB
    bytes.append(48, '\0'); // end points and gamma, unused with sRGB
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            put32(argb[std::size_t(y) * width + x]);
    return bytes;
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

    // Guards laying transparency over the background before tracing: a grey
    // disc on a see-through ground, of the very grey the ground is laid
    // over, traced the whole picture. The RGBA bitmap, the colour table's
    // transparency and Qt's image with an alpha channel alike keep the edge.
    void anEdgeOfOpacityIsAnEdge_data()
    {
        QTest::addColumn<int>("route");
        QTest::newRow("PNG, RGBA") << 0;
        QTest::newRow("PNG, palette with transparency") << 1;
        QTest::newRow("Qt's image with alpha") << 2;
    }
    void anEdgeOfOpacityIsAnEdge()
    {
        QFETCH(int, route);
        const Inside disc = Disc(50, 40, 30);
        const std::vector<bool> covered = Covered(100, 80, disc);
        const std::uint8_t grey = 208; // kBackground's
        MapPicture picture;
        picture.SetBackgroundColor(kBackground);
        if (route == 2) {
            std::vector<std::uint32_t> argb(100 * 80);
            for (std::size_t i = 0; i < argb.size(); ++i)
                argb[i] = covered[i] ? qRgba(grey, grey, grey, 255) : 0;
            QVERIFY(picture.Load(Write(QStringLiteral("disc.bmp"), BmpWithAlpha(100, 80, argb))));
            QVERIFY(picture.Image().hasAlphaChannel());
        } else {
            std::vector<std::vector<std::uint8_t>> rows(80);
            for (int y = 0; y < 80; ++y) {
                for (int x = 0; x < 100; ++x) {
                    const bool in = covered[std::size_t(y) * 100 + x];
                    if (route == 0)
                        rows[y].insert(rows[y].end(), {grey, grey, grey, std::uint8_t(in ? 255 : 0)});
                    else
                        rows[y].push_back(in ? 1 : 0);
                }
            }
            PngMaker png(100, 80, 8, route == 0 ? 6 : 3);
            png.Rows(rows);
            if (route == 1)
                png.Palette({0, 0, 0, grey, grey, grey}).Transparency({0});
            QVERIFY(picture.Load(Write(QStringLiteral("disc.png"), png.Bytes())));
        }
        const TraceResult r = picturetrace::Trace(picture, {50, 40}, TraceOptions());
        QVERIFY(r.Ok());
        const double iou = IoU(covered, Covered(100, 80, Filled(r.outline)));
        QVERIFY2(iou >= 0.97, qPrintable(QStringLiteral("IoU %1: %2").arg(iou).arg(Describe(r.outline))));
    }

    // Two white halves parted by a line one pixel wide, saved as JPEG at
    // quality 75: a click three pixels from the line, on either side, traces
    // that half alone, the line's blocks smeared as they may be. Guards the
    // smoothing before the region grows, which erased the line.
    void aJpegOfHalvesKeepsTheLine_data()
    {
        QTest::addColumn<int>("grey");
        QTest::addColumn<int>("seedX");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("mid-grey, left") << 128 << 47 << 0 << 50;
        QTest::newRow("mid-grey, right") << 128 << 53 << 51 << 100;
        QTest::newRow("light grey, left") << 170 << 47 << 0 << 50;
        QTest::newRow("light grey, right") << 170 << 53 << 51 << 100;
    }
    void aJpegOfHalvesKeepsTheLine()
    {
        QFETCH(int, grey);
        QFETCH(int, seedX);
        QFETCH(int, left);
        QFETCH(int, right);
        const Picture halves = Halves(Bgrx(grey, grey, grey));
        const QString path = m_dir.filePath(QStringLiteral("halves.jpg"));
        QVERIFY(ImageOf(halves).save(path, "JPEG", 75));
        MapPicture picture;
        QVERIFY(picture.Load(utf8::Utf8ToSjis(path.toStdString())));
        const TraceResult r = picturetrace::Trace(picture, {seedX, 30}, TraceOptions());
        QVERIFY(r.Ok());
        const Inside half = [&](double x, double) { return x >= left && x < right; };
        const std::vector<bool> traced = Covered(halves.width, halves.height, Filled(r.outline));
        const double iou = IoU(Covered(halves.width, halves.height, half), traced);
        QVERIFY2(iou >= 0.95, qPrintable(QStringLiteral("IoU %1: %2").arg(iou).arg(Describe(r.outline))));
        // Nothing of the other half, beyond the line.
        const int across = seedX < 50 ? 52 : 48;
        for (int y = 0; y < halves.height; ++y)
            QVERIFY2(!traced[std::size_t(y) * halves.width + across], qPrintable(Describe(r.outline)));
    }

    // The map of countries and the photograph, saved as JPEG at quality 75:
    // a click on the name, beside it or by a border still gives the country,
    // and the sky stops at the horizon.
    void aJpegOfAMapKeepsItsCountries()
    {
        const CountryMap map;
        const QString path = m_dir.filePath(QStringLiteral("map.jpg"));
        QVERIFY(ImageOf(map.Pixels()).save(path, "JPEG", 75));
        MapPicture picture;
        QVERIFY(picture.Load(utf8::Utf8ToSjis(path.toStdString())));
        const int middle = CountryMap::kNameTop + CountryMap::kLetterHeight / 2;
        const int secondLetter = CountryMap::kNameLeft + CountryMap::kLetterWidth + CountryMap::kLetterGap;
        const Point seeds[] = {{140, 110},
                               {CountryMap::kNameLeft - 2, middle},
                               {secondLetter - 2, middle - 3},
                               {secondLetter, middle - 3},
                               {map.BorderRightOf(140, 110) - 2, 110}};
        for (const Point& seed : seeds) {
            const TraceResult r = picturetrace::Trace(picture, seed, TraceOptions());
            QVERIFY(r.Ok());
            const double iou = IoU(map.Country(CountryMap::kNamed),
                                   Covered(CountryMap::kWidth, CountryMap::kHeight, Filled(r.outline)));
            QVERIFY2(
                iou >= 0.95,
                qPrintable(
                    QStringLiteral("at %1,%2: IoU %3: %4").arg(seed.x).arg(seed.y).arg(iou).arg(Describe(r.outline))));
        }
    }

    void aJpegOfAPhotographStopsAtTheHorizon()
    {
        const Photo photo;
        const QString path = m_dir.filePath(QStringLiteral("photo.jpg"));
        QVERIFY(ImageOf(photo.Pixels()).save(path, "JPEG", 75));
        MapPicture picture;
        QVERIFY(picture.Load(utf8::Utf8ToSjis(path.toStdString())));
        for (const Point seed : {Point{150, 40}, Point{20, 100}, Point{280, 90}}) {
            const TraceResult r = picturetrace::Trace(picture, seed, TraceOptions());
            QVERIFY(r.Ok());
            const std::vector<bool> traced = Covered(Photo::kWidth, Photo::kHeight, Filled(r.outline));
            // JPEG's blocks soften the hard horizon over a few pixels; the
            // sky may follow that far, and no farther.
            double deepest = 0;
            for (int y = 0; y < Photo::kHeight; ++y)
                for (int x = 0; x < Photo::kWidth; ++x)
                    if (traced[std::size_t(y) * Photo::kWidth + x])
                        deepest = std::max(deepest, y + 0.5 - Photo::Horizon(x + 0.5));
            QVERIFY2(
                deepest <= kJpegSoftening,
                qPrintable(QStringLiteral("%1 pixels below the horizon: %2").arg(deepest).arg(Describe(r.outline))));
            const double iou = IoU(photo.Sky(), traced);
            QVERIFY2(iou >= 0.95, qPrintable(QStringLiteral("IoU %1: %2").arg(iou).arg(Describe(r.outline))));
        }
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
