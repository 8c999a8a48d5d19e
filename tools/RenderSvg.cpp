// Renders an SVG picture into a square PNG of the given side, for the icon
// sizes installed beside the scalable icon. Runs at build time, headless.
// Usage: zm-render-svg INPUT.svg OUTPUT.png SIDE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace
{

constexpr int kMaxSide = 1024;

int Fail(const char* what, const char* name)
{
    std::fprintf(stderr, "zm-render-svg: %s: %s\n", what, name);
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: zm-render-svg INPUT.svg OUTPUT.png SIDE\n");
        return 2;
    }
    // A build machine may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int guiArgc = 1;
    QGuiApplication app(guiArgc, argv);
    bool numeric = false;
    const int side = QString::fromLocal8Bit(argv[3]).toInt(&numeric);
    if (!numeric || side < 1 || side > kMaxSide)
        return Fail("bad side", argv[3]);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return Fail("cannot read", argv[1]);
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG"))
        return Fail("cannot write", argv[2]);
    return 0;
}
