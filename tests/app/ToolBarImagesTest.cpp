// The tool bar images and the application icon: each compiled-in SVG renders,
// through QSvgRenderer and through QIcon's SVG engine, at the size it is used.

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

namespace
{

const QSize kToolBarImage(28, 18);

// The tool bar images in tool bar order.
const QStringList kToolBarImages = {
    QStringLiteral("new"),          QStringLiteral("from-clipboard"), QStringLiteral("from-html"),
    QStringLiteral("to-clipboard"), QStringLiteral("to-html"),        QStringLiteral("rectangle"),
    QStringLiteral("circle"),       QStringLiteral("polygon"),        QStringLiteral("trace"),
    QStringLiteral("undo"),         QStringLiteral("redo"),           QStringLiteral("magnification"),
    QStringLiteral("browser"),      QStringLiteral("source"),
};

QString ToolBarResource(const QString& name)
{
    return QStringLiteral(":/toolbar/%1.svg").arg(name);
}

QImage Rendered(const QString& resource, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

int OpaquePixels(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    return count;
}

} // namespace

class ToolBarImagesTest : public QObject
{
    Q_OBJECT
private slots:
    void thereAreFourteenImages() { QCOMPARE(kToolBarImages.size(), 14); }

    void eachImageIsDrawnForTwentyEightByEighteen_data()
    {
        QTest::addColumn<QString>("name");
        for (const QString& name : kToolBarImages)
            QTest::newRow(qPrintable(name)) << name;
    }
    void eachImageIsDrawnForTwentyEightByEighteen()
    {
        QFETCH(QString, name);
        QSvgRenderer renderer(ToolBarResource(name));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), kToolBarImage);
        QCOMPARE(renderer.viewBoxF(), QRectF(QPointF(0, 0), QSizeF(kToolBarImage)));
        // At least a tenth of the image is solid ink.
        QVERIFY(OpaquePixels(Rendered(ToolBarResource(name), kToolBarImage)) >= 28 * 18 / 10);
    }

    void eachImageRendersThroughQIcon_data() { eachImageIsDrawnForTwentyEightByEighteen_data(); }
    void eachImageRendersThroughQIcon()
    {
        QFETCH(QString, name);
        const QIcon icon(ToolBarResource(name));
        QVERIFY(!icon.isNull());
        const QPixmap pixmap = icon.pixmap(kToolBarImage);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), kToolBarImage);
        QVERIFY(OpaquePixels(pixmap.toImage()) >= 28 * 18 / 10);
    }

    void noTwoImagesAreAlike()
    {
        for (int i = 0; i < kToolBarImages.size(); ++i)
            for (int j = i + 1; j < kToolBarImages.size(); ++j)
                QVERIFY2(Rendered(ToolBarResource(kToolBarImages[i]), kToolBarImage) !=
                             Rendered(ToolBarResource(kToolBarImages[j]), kToolBarImage),
                         qPrintable(kToolBarImages[i] + QStringLiteral(" = ") + kToolBarImages[j]));
    }

    void theApplicationIconRendersAtItsSmallSizes_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("16") << 16;
        QTest::newRow("32") << 32;
        QTest::newRow("48") << 48;
    }
    void theApplicationIconRendersAtItsSmallSizes()
    {
        QFETCH(int, side);
        const QIcon icon(QStringLiteral(":/icons/zephyrmap.svg"));
        const QPixmap pixmap = icon.pixmap(QSize(side, side));
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(side, side));
        // The picture fills most of the square.
        QVERIFY(OpaquePixels(pixmap.toImage()) >= side * side / 2);
    }
};

QTEST_MAIN(ToolBarImagesTest)
#include "ToolBarImagesTest.moc"
