#include "view/ProgramCursors.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <QtMath>

namespace
{

// All four cursors are drawn around the same centre pixel.
constexpr QPoint kCentre(15, 15);

// The cursor picture at the given ratio. The view asks for a cursor on every
// pointer move, so renderings are kept in Qt's pixmap cache.
QPixmap Rendered(const QString& resource, qreal ratio)
{
    const QString key = QStringLiteral("zephyrmap-cursor:%1@%2").arg(resource).arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const int side = qCeil(ProgramCursors::kSize * ratio);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, side, side));
    painter.end();
    pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

} // namespace

QCursor ProgramCursors::Drawing()
{
    return FromSvg(QStringLiteral(":/cursors/drawing.svg"), kCentre);
}

QCursor ProgramCursors::Insert()
{
    return FromSvg(QStringLiteral(":/cursors/insert.svg"), kCentre);
}

QCursor ProgramCursors::Copy()
{
    return FromSvg(QStringLiteral(":/cursors/copy.svg"), kCentre);
}

QCursor ProgramCursors::NoDrop()
{
    return FromSvg(QStringLiteral(":/cursors/no-drop.svg"), kCentre);
}

// The hot spot is given in logical pixels, as QCursor takes it for a pixmap
// with a device pixel ratio.
QCursor ProgramCursors::FromSvg(const QString& resource, QPoint hotSpot)
{
    return QCursor(Rendered(resource, qGuiApp->devicePixelRatio()), hotSpot.x(), hotSpot.y());
}
